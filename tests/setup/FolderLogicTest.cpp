// The folder page's decisions over a given registry, Windows version and
// disk: the proposed folders, refused choices, the hint and the language.
#include "setup/SetupLogic.h"

#include <gtest/gtest.h>

#include <set>

using namespace SetupLogic;

namespace {

struct ProposalCase {
    const wchar_t* runValue;  // null: no Run value
    const wchar_t* programFiles;
    int major;
    std::set<CString> folders;  // what exists
    const wchar_t* base;
    const wchar_t* previous;
};

}  // namespace

TEST(FolderLogicTest, ProposedFolders) {
    const ProposalCase cases[] = {
        // An earlier installation proposes its base folder and is the previous folder.
        {L"\"D:\\Tools\\Havrond\\Zorel\\Zorel.exe\" /login", L"C:\\Program Files", 6,
         {L"D:\\Tools\\Havrond", L"D:\\Tools\\Havrond\\Zorel"}, L"D:\\Tools\\Havrond", L"D:\\Tools\\Havrond\\Zorel"},
        {L"\"D:\\Tools\\Havrond\\Zorel\\Zorel.exe\" /logon", L"C:\\Program Files", 5,
         {L"D:\\Tools\\Havrond", L"D:\\Tools\\Havrond\\Zorel"}, L"D:\\Tools\\Havrond", L"D:\\Tools\\Havrond\\Zorel"},
        // On Vista and later an installation under Program Files moves out.
        {L"\"C:\\Program Files\\Havrond\\Zorel\\Zorel.exe\" /login", L"C:\\Program Files (x86)", 6,
         {L"C:\\Program Files\\Havrond", L"C:\\Program Files\\Havrond\\Zorel"}, L"C:\\Havrond",
         L"C:\\Program Files\\Havrond\\Zorel"},
        // ... but stays there on XP.
        {L"\"C:\\Program Files\\Havrond\\Zorel\\Zorel.exe\" /login", L"C:\\Program Files", 5,
         {L"C:\\Program Files\\Havrond"}, L"C:\\Program Files\\Havrond", L""},
        // A recorded folder that is gone, or no Run value: the Program Files drive.
        {L"\"E:\\Gone\\Zorel\\Zorel.exe\" /login", L"D:\\Program Files", 6, {}, L"D:\\Havrond", L""},
        {nullptr, L"C:\\Program Files", 6, {}, L"C:\\Havrond", L""},
        {L"x", L"C:\\Program Files", 6, {}, L"C:\\Havrond", L""},
        // No readable Program Files folder: the Windows drive, never a bare relative name.
        {nullptr, L"", 6, {}, L"C:\\Havrond", L""},
    };
    for (const ProposalCase& c : cases) {
        FolderInput input;
        input.hasRunValue = c.runValue != nullptr;
        input.runValue = c.runValue ? c.runValue : L"";
        input.programFilesDir = c.programFiles;
        input.windowsDirectory = L"C:\\windows";
        input.windowsMajor = c.major;
        input.folderExists = [&c](const CString& path) { return c.folders.count(path) > 0; };
        FolderProposal proposal = ProposeFolders(input);
        CStringA name(c.runValue ? c.runValue : L"(none)");
        EXPECT_EQ(CString(c.base), proposal.baseFolder) << name.GetString();
        EXPECT_EQ(CString(c.previous), proposal.previousFolder) << name.GetString();
    }
}

TEST(FolderLogicTest, RestrictedChoices) {
    struct Case {
        const wchar_t* folder;
        int major;
        bool refused;
    } cases[] = {
        {L"C:\\Windows\\Stuff", 6, true},
        {L"C:\\WINDOWS", 6, true},
        {L"c:\\windows\\system32\\x", 10, true},
        {L"C:\\Program Files\\Havrond", 6, true},
        {L"C:\\Program Files (x86)\\Havrond", 6, true},
        {L"C:\\Program Files", 6, true},
        {L"C:\\WindowsApps\\x", 6, false},
        {L"D:\\Windows\\Stuff", 6, false},  // not the system's drive
        {L"C:\\Tools", 6, false},
        {L"C:\\Windows\\Stuff", 5, false},  // XP writes anywhere
        {L"C:\\Program Files\\Havrond", 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.refused, IsRestrictedFolder(c.folder, L"C:\\Program Files", L"C:\\WINDOWS", c.major))
            << CStringA(c.folder).GetString();
    // With no Program Files folder known, nothing is refused for lying below it.
    EXPECT_FALSE(IsRestrictedFolder(L"C:\\Tools", L"", L"C:\\WINDOWS", 6));
}

TEST(FolderLogicTest, HintSubFolderAndLanguage) {
    EXPECT_EQ(710, FolderHintTextId(true));
    EXPECT_EQ(707, FolderHintTextId(false));

    for (const wchar_t* bad : {L"", L"   ", L"\\", L"\\\\", L".", L"..\\.."})
        EXPECT_FALSE(IsUsableSubFolder(bad)) << CStringA(bad).GetString();
    for (const wchar_t* good : {L"Zorel", L"My Zorel", L"apps\\Zorel"}) EXPECT_TRUE(IsUsableSubFolder(good));

    EXPECT_EQ(100000, LanguageOffsetFor("Korean"));
    EXPECT_EQ(100000, LanguageOffsetFor("KOREAN"));
    EXPECT_EQ(0, LanguageOffsetFor("English"));
    EXPECT_EQ(0, LanguageOffsetFor("Korean (Johab)"));
    EXPECT_EQ(0, LanguageOffsetFor(""));
}
