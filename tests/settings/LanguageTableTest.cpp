// The text table: built-in texts, language files, the number prefix and
// the month and weekday names.
#include "SettingsFixture.h"

#include <fstream>
#include <set>
#include <sstream>

namespace {
std::string SourceFile(const char* relative) {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    std::string path = std::string("Z:") + (root ? root : "") + "/" + relative;
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// Every "number =" line of a language file.
std::set<int> NumbersInFile(const std::string& bytes) {
    std::set<int> numbers;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        numbers.insert(atoi(line.substr(0, equals).c_str()));
    }
    return numbers;
}
}  // namespace

class LanguageTest : public SettingsTest {
protected:
    void WriteLanguage(const char* name, const std::string& bytes) {
        CreateDirectoryW(folder + L"system", nullptr);
        CreateDirectoryW(folder + L"system\\language", nullptr);
        WriteBytes(folder + L"system\\language\\" + CString(name) + L".txt", bytes);
    }
};

TEST_F(LanguageTest, BuiltinTableHoldsItsNumbers) {
    // The 800 texts the program quotes, and 38, so that the group manager's
    // Move button has its word without a language file; the program's own
    // messages follow from 39000.
    const int kOwnMessagesFrom = 39000;
    std::set<int> seen;
    int previous = 0;
    int numbered = 0;
    for (int i = 0; i < g_BuiltinTextCount; ++i) {
        const BuiltinText& t = g_BuiltinTexts[i];
        EXPECT_TRUE(seen.insert(t.id).second) << "twice: " << t.id;
        EXPECT_GT(t.id, previous) << "out of order at " << t.id;
        previous = t.id;
        EXPECT_GE(t.id, 10);
        if (t.id < kOwnMessagesFrom) {
            EXPECT_LE(t.id, 31104);
            ++numbered;
        }
        EXPECT_LE(t.id, 39999);
        EXPECT_NE(t.text[0], L'\0') << "empty text " << t.id;
    }
    EXPECT_EQ(numbered, 802);
    LoadLanguageTexts();
    struct Case {
        int id;
        const wchar_t* want;
    };
    const Case quoted[] = {
        {23, L"OK"},
        {26, L"Cancel"},
        {29, L"Yes"},
        {38, L"Move"},
        {100, L"Settings"},
        {222, L"Open New Memo"},
        {225, L"See Clender"},
        {10048, L"Ctrl"},
        {10035, L"At least one key is to be selected among #CTRL# #ALT# #SHIFT#"},
        {10, L"This program is already running.  \n\n Would you like to run the program again after exiting the "
             L"program you are already using?"},
        {11049, L"Opaque"},
        {20111, L"Sunday"},
        {20118, L"Sun"},
        {20125, L"AM"},
        {20201, L"January"},
        {20221, L"Jan"},
        {23301, L"Zorel ver #VER#\n#D#-#mm#-#Y# #w#"},
        {31104, L"Show With Slide Effect"},
    };
    for (const Case& c : quoted) EXPECT_EQ(g_LanguageTable[c.id], CString(c.want)) << c.id;
}

TEST_F(LanguageTest, LanguageFileLinesTable) {
    struct Case {
        const char* line;
        int id;
        const wchar_t* want;  // nullptr: the number stays as it was
    };
    const Case cases[] = {
        {"10 =Hello#BR#World", 10, L"Hello\nWorld"},
        {"  20  =OK", 20, L"OK"},
        {"30 =", 30, nullptr},
        {"-5 =x", -5, nullptr},
        {"=zero", 0, L"zero"},
        {"abc=letters", 0, L"letters"},
        {"40 =a=b", 40, L"a=b"},
        {"#50 =comment", 50, nullptr},
        {"60 no equals sign", 60, nullptr},
        {"70 = spaced ", 70, L" spaced "},
        {"80 =crlf\r", 80, L"crlf"},
        {"99999999999 =overflow", INT_MAX, nullptr},
    };
    for (const Case& c : cases) {
        g_LanguageTable.RemoveAll();
        g_LanguageTable.SetAt(c.id, L"before");
        std::string line = std::string(c.line) + "\n";
        ApplyLanguageText(line.data(), line.size());
        EXPECT_EQ(g_LanguageTable[c.id], CString(c.want ? c.want : L"before")) << c.line;
    }
}

TEST_F(LanguageTest, LongLinesAreReadWhole) {
    std::string text(5000, 'y');
    std::string file = "# comment\r\n10 =" + text + "\r\n11 =next\r\n";
    ApplyLanguageText(file.data(), file.size());
    EXPECT_EQ(g_LanguageTable[10].GetLength(), 5000);
    EXPECT_EQ(g_LanguageTable[11], L"next");
    // A text is kept to 10240 characters.
    std::string huge = "12 =" + std::string(20000, 'z');
    ApplyLanguageText(huge.data(), huge.size());
    EXPECT_EQ(g_LanguageTable[12].GetLength(), 10240);
}

TEST_F(LanguageTest, NumberPrefixWithLanguageId) {
    g_Settings.System.language = L"english";
    g_Settings.System.languageID = 1;
    LoadLanguageTexts();  // no language file in this folder
    EXPECT_EQ(g_LanguageTable[10].Left(5), L"[10] ");
    EXPECT_EQ(g_LanguageTable[29], L"[29] Yes");
    // Loading again does not stack the prefix on texts kept from before.
    g_LanguageTable.SetAt(5, L"[5] only from a file");
    LoadLanguageTexts();
    EXPECT_EQ(g_LanguageTable[29], L"[29] Yes");
    EXPECT_EQ(g_LanguageTable[5], L"[5] only from a file");
}

TEST_F(LanguageTest, SwitchingBackToEnglishRestoresTheBuiltinTexts) {
    WriteLanguage("other", "29 =Oui\r\n26 =Annuler\r\n38 =Move it\r\n");
    WriteLanguage("english", "38 =Move\r\n");
    g_Settings.System.language = L"other";
    LoadLanguageTexts();
    EXPECT_EQ(g_LanguageTable[29], L"Oui");
    EXPECT_EQ(g_LanguageTable[38], L"Move it");
    g_Settings.System.language = L"english";
    LoadLanguageTexts();
    EXPECT_EQ(g_LanguageTable[29], L"Yes");
    EXPECT_EQ(g_LanguageTable[26], L"Cancel");
    EXPECT_EQ(g_LanguageTable[38], L"Move");
}

TEST_F(LanguageTest, MissingNumbersAndFilesChangeNothing) {
    LoadLanguageTexts();
    int count = g_LanguageTable.GetCount();
    EXPECT_EQ(g_LanguageTable[77777], L"");
    EXPECT_EQ(GetMonthName(13), L"");
    EXPECT_EQ(GetWeekdayName(0), L"");
    EXPECT_EQ(GetShortWeekdayName(8), L"");
    EXPECT_EQ(g_LanguageTable.GetCount(), count);  // lookups never insert

    EXPECT_FALSE(LoadLanguageFile(L"nowhere"));
    EXPECT_FALSE(LoadLanguageFile(L"..\\..\\ZorelConfig"));
    EXPECT_FALSE(LoadLanguageFile(L""));
    EXPECT_EQ(g_LanguageTable[29], L"Yes");
}

TEST_F(LanguageTest, NameFunctions) {
    LoadLanguageTexts();
    EXPECT_EQ(GetMonthName(1), L"January");
    EXPECT_EQ(GetMonthName(12), L"December");
    EXPECT_EQ(GetShortMonthName(9), L"Sep");
    EXPECT_EQ(GetWeekdayName(1), L"Sunday");
    EXPECT_EQ(GetWeekdayName(7), L"Saturday");
    EXPECT_EQ(GetShortWeekdayName(2), L"Mon");
}

TEST_F(LanguageTest, ShippedFilesHoldEveryBuiltinNumber) {
    std::string english = SourceFile("data/system/language/english.txt");
    std::string korean = SourceFile("data/system/language/korean.txt");
    ASSERT_FALSE(english.empty());
    ASSERT_FALSE(korean.empty());
    std::set<int> inEnglish = NumbersInFile(english);
    std::set<int> inKorean = NumbersInFile(korean);
    for (int i = 0; i < g_BuiltinTextCount; ++i) {
        EXPECT_TRUE(inEnglish.count(g_BuiltinTexts[i].id)) << "english lacks " << g_BuiltinTexts[i].id;
        EXPECT_TRUE(inKorean.count(g_BuiltinTexts[i].id)) << "korean lacks " << g_BuiltinTexts[i].id;
    }
    for (int extra : {1, 38, 301, 312, 11144, 23202, 25328}) {
        EXPECT_TRUE(inEnglish.count(extra)) << extra;
        EXPECT_TRUE(inKorean.count(extra)) << extra;
    }
    EXPECT_TRUE(inKorean.count(10065));
    // Lines end in CR LF and the file begins with comments on its format.
    EXPECT_EQ(english[0], '#');
    EXPECT_EQ(korean[0], '#');
    EXPECT_EQ(english.find("\n"), english.find("\r\n") + 1);
}

TEST_F(LanguageTest, EnglishFileAgreesWithTheBuiltinTexts) {
    WriteLanguage("english", SourceFile("data/system/language/english.txt"));
    g_Settings.System.language = L"english";
    LoadLanguageTexts();
    for (int i = 0; i < g_BuiltinTextCount; ++i) {
        // The file writes a line break as "#BR#", which loads as one.
        CString builtin = g_BuiltinTexts[i].text;
        builtin.Replace(L"#BR#", L"\n");
        EXPECT_EQ(g_LanguageTable[g_BuiltinTexts[i].id], builtin) << g_BuiltinTexts[i].id;
    }
    EXPECT_EQ(g_LanguageTable[38], L"Move");
}

TEST_F(LanguageTest, KoreanFileUnderTheKoreanCodePage) {
    if (GetACP() != 949) GTEST_SKIP() << "runs under code page 949 only";
    WriteLanguage("korean", SourceFile("data/system/language/korean.txt"));
    g_Settings.System.language = L"korean";
    LoadLanguageTexts();
    EXPECT_EQ(GetMonthName(1), CString(L"1\uC6D4"));
    EXPECT_EQ(GetWeekdayName(1), CString(L"\uC77C\uC694\uC77C"));
    EXPECT_EQ(GetShortWeekdayName(1), CString(L"\uC77C"));
    EXPECT_EQ(g_LanguageTable[29], CString(L"\uC608"));
    EXPECT_EQ(g_LanguageTable[26], CString(L"\uCDE8\uC18C"));
    g_Settings.System.language = L"english";
    LoadLanguageTexts();
    EXPECT_EQ(GetMonthName(1), L"January");
    EXPECT_EQ(g_LanguageTable[10065], CString(L"#LUNTYPE# #LUNMONTH#.#LUNDAY#"));
}
