// The installer's plain decisions.
#include "setup/SetupLogic.h"

#include <gtest/gtest.h>

#include <set>

using namespace SetupLogic;

TEST(SetupLogicTest, UpdateKeepsOnlyExistingWidgetXmlFiles) {
    struct Case {
        const wchar_t* name;
        bool exists;
        bool keeps;
    } cases[] = {
        {L"skin\\widgets\\clock\\clock.xml", true, true},
        {L"skin/widgets/clock/clock.xml", true, true},  // as the archive stores it
        {L"skin/widgets/Widgets.XML", true, true},
        {L"skin/widgets/clock/clock.xml", false, false},  // a fresh install unpacks it
        {L"skin/widgets/clock/clock.png", true, false},
        {L"skin/Menu/menu.xml", true, false},
        {L"widgets/top.xml", true, false},  // no folder before "widgets"
        {L"skin/widgets.xml/readme.txt", true, false},
        {L"skin/mywidgets/a.xml", true, false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.keeps, KeepsExistingFile(c.name, c.exists)) << CStringA(c.name).GetString();
}

TEST(SetupLogicTest, EntryPercentIsTruncated) {
    EXPECT_EQ(0, EntryPercent(0, 7));
    EXPECT_EQ(14, EntryPercent(1, 7));
    EXPECT_EQ(85, EntryPercent(6, 7));
    EXPECT_EQ(50, EntryPercent(50, 100));
    EXPECT_EQ(0, EntryPercent(3, 0));
}

TEST(SetupLogicTest, ProgressBarText) {
    EXPECT_EQ(CString(), ProgressBarText(0.0, true));
    EXPECT_EQ(CString(L"50.00% complete."), ProgressBarText(0.5, false));
    EXPECT_EQ(CString(L"33.33% complete."), ProgressBarText(1.0 / 3, false));
    EXPECT_EQ(CString(L"100.00% complete."), ProgressBarText(1.0, false));
}

TEST(SetupLogicTest, VersionFixUpByDigitsModuloThousand) {
    struct Case {
        const wchar_t* version;
        bool fixes;
    } cases[] = {
        {L"3.1.1.0", true},  // 3110 -> 110, as the main program stores it
        {L"3.1.1", false},   // 311
        {L"0", true},        // a missing version
        {L"", true},
        {L"3.2.5.0", false},  // 3250 -> 250
        {L"3.2.4.9", true},   // 3249
        {L"2.9.9", false},    // 299
        {L"nonsense", true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fixes, NeedsVersionFixUp(c.version)) << CStringA(c.version).GetString();
}

TEST(SetupLogicTest, HomepageIsOneRedirectLine) {
    EXPECT_STREQ("<head><meta http-equiv =\"refresh\" content = \"0;url = http://www.zorel.example.com/zorel/en/\">"
                 "</head></html>",
                 HomepageHtml(false).GetString());
    EXPECT_STREQ("<head><meta http-equiv =\"refresh\" content = \"0;url = http://www.zorel.example.com/zorel/ko/\">"
                 "</head></html>",
                 HomepageHtml(true).GetString());
}

TEST(SetupLogicTest, FoldersAndRunValue) {
    EXPECT_EQ(CString(L"D:\\Tools\\Havrond\\Zorel"), JoinFolder(L"D:\\Tools\\Havrond\\", L"Zorel"));
    EXPECT_EQ(CString(L"C:\\a\\b"), CollapseBackslashes(L"C:\\\\\\a\\\\b"));
    EXPECT_EQ(CString(L"C:\\Program Files"), TrimProgramFiles(L"C:\\Program Files (x86)"));
    EXPECT_EQ(CString(L"C:\\Program Files"), TrimProgramFiles(L"C:\\Program Files"));
    EXPECT_EQ(CString(L"\"C:\\Havrond\\Zorel\\Zorel.exe\" /login"), RunValueText(L"C:\\Havrond\\Zorel\\Zorel.exe"));
}

namespace {

std::set<CString> g_existing;
bool Exists(const CString& path) { return g_existing.count(path) != 0; }

}  // namespace

TEST(SetupLogicTest, MigrationSourceInOrder) {
    struct Case {
        const char* what;
        std::set<CString> existing;
        bool installHasMemoData;
        bool installHasMainProgram;
        const wchar_t* programFiles;
        const wchar_t* previous;
        const wchar_t* expected;
    } cases[] = {
        {"Program Files first", {L"C:\\Program Files (x86)\\zorel\\memo_data", L"C:\\Program Files\\zorel\\memo_data"},
         false, false, L"C:\\Program Files (x86)", L"D:\\Old", L"C:\\Program Files (x86)\\zorel"},
        {"then its trimmed form", {L"C:\\Program Files\\zorel\\memo_data"}, false, false, L"C:\\Program Files (x86)",
         L"", L"C:\\Program Files\\zorel"},
        {"then the documents", {L"C:\\Docs\\zorel\\memo_data"}, false, false, L"C:\\Program Files", L"D:\\Old",
         L"C:\\Docs\\zorel"},
        {"install folder has data: previous installation", {L"C:\\Program Files\\zorel\\memo_data"}, true, false,
         L"C:\\Program Files", L"D:\\Old", L"D:\\Old"},
        {"no old data folder: previous installation", {}, false, false, L"C:\\Program Files", L"D:\\Old", L"D:\\Old"},
        {"previous is the install folder", {}, false, false, L"C:\\Program Files", L"c:\\havrond\\ZOREL", L""},
        {"program already unpacked", {}, false, true, L"C:\\Program Files", L"D:\\Old", L""},
        {"no previous installation", {}, false, false, L"C:\\Program Files", L"", L""},
        {"no Program Files value", {L"C:\\Docs\\zorel\\memo_data"}, false, false, L"", L"D:\\Old", L""},
    };
    for (const Case& c : cases) {
        g_existing = c.existing;
        MigrationInput input;
        input.programFiles = c.programFiles;
        input.documents = L"C:\\Docs";
        input.installFolder = L"C:\\Havrond\\Zorel";
        input.previousFolder = c.previous;
        input.installHasMemoData = c.installHasMemoData;
        input.installHasMainProgram = c.installHasMainProgram;
        input.folderExists = &Exists;
        EXPECT_EQ(CString(c.expected), ChooseMigrationSource(input)) << c.what;
    }
}
