#include "TestSupport.h"

#include "shell/FileUtil.h"
#include "shell/SaveFailureReport.h"
#include "shell/LanguageTable.h"
#include "shell/TextUtil.h"

#include <cstdio>

TEST(PathParts, TakePathsApartAtTheLastSeparator) {
    struct Case {
        const wchar_t* path;
        const wchar_t *folder, *file, *extension, *title;
    };
    const Case cases[] = {
        {L"C:\\a\\", L"C:\\a\\", L"", L"C:\\a\\", L""},
        {L"readme.txt", L"readme.txt", L"readme.txt", L"txt", L"readme"},
        {L"C:\\a\\readme", L"C:\\a\\", L"readme", L"C:\\a\\readme", L""},
        {L"C:\\a\\b.c.d", L"C:\\a\\", L"b.c.d", L"d", L"b.c"},
        {L"C:\\a\\.hidden", L"C:\\a\\", L".hidden", L"hidden", L""},
        {L"a.b.c", L"a.b.c", L"a.b.c", L"c", L"a.b"},
        {L"name.", L"name.", L"name.", L"", L"name"},
        {L"C:\\dir.x\\file", L"C:\\dir.x\\", L"file", L"x\\file", L""},
        {L"", L"", L"", L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.path));
        EXPECT_EQ(GetFolderOfPath(c.path), c.folder);
        EXPECT_EQ(GetFileOfPath(c.path), c.file);
        EXPECT_EQ(GetExtensionOfPath(c.path), c.extension);
        EXPECT_EQ(GetTitleOfPath(c.path), c.title);
    }
}

TEST(SplitLines, PiecesKeepTheirLineEnds) {
    struct Case {
        const wchar_t* text;
        std::vector<CString> pieces;
    };
    const Case cases[] = {
        {L"a\r\nb", {L"a\r\n", L"b"}},
        {L"a\n", {L"a\n", L""}},
        {L"", {}},
        {L"\n\n", {L"\n", L"\n", L""}},
        {L"one line", {L"one line"}},
    };
    for (const Case& c : cases) {
        CStringArray lines;
        lines.Add(L"kept");  // pieces are appended
        SplitLines(c.text, lines);
        ASSERT_EQ(lines.GetSize(), (int)c.pieces.size() + 1) << CString(c.text);
        for (size_t i = 0; i < c.pieces.size(); ++i) EXPECT_EQ(lines[(int)i + 1], c.pieces[i]);
    }
}

TEST(ReplaceNumber, ReplacesEveryTokenOnceLeftToRight) {
    CString text = L"#N# of #N#, #NN#";
    ReplaceNumber(text, L"#N#", 7);
    EXPECT_EQ(text, L"7 of 7, #NN#");
    CString two = L"#M#:#M#";
    ReplaceTwoDigitNumber(two, L"#M#", 5);
    EXPECT_EQ(two, L"05:05");
    // The inserted digits are not searched again.
    CString self = L"1";
    ReplaceNumber(self, L"1", 11);
    EXPECT_EQ(self, L"11");
    CString negative = L"[#D#]";
    ReplaceNumber(negative, L"#D#", -3);
    EXPECT_EQ(negative, L"[-3]");
}

TEST(SiteName, ShortNameOfTheHost) {
    struct Case {
        const wchar_t *url, *site;
    };
    const Case cases[] = {
        {L"http://www.example.com/path/x.html", L"Example"},
        {L"https://m.naver.com/", L"Naver"},
        {L"http://forum.example.org", L"Example"},
        {L"no scheme here", L""},
        {L"http://www.x", L""},
        {L"http://www.xy", L"Xy"},
        {L"http://www.", L""},
        {L"http://localhost", L"Localhost"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetSiteNameOfUrl(c.url), c.site) << CString(c.url);
}

TEST(Utf8ToString, ConvertsZeroTerminatedBytes) {
    CString text = L"old";
    Utf8ToString("\xEB\xA9\x94\xEB\xAA\xA8 memo", text);
    EXPECT_EQ(text, L"메모 memo");
    Utf8ToString(nullptr, text);
    EXPECT_EQ(text, L"");
}

class FileServices : public TempFolderTest {};

TEST_F(FileServices, Utf8StringsRoundTripThroughAStream) {
    CString path = Path(L"strings.bin");
    FILE* out = _wfopen(path, L"wb");
    ASSERT_TRUE(out);
    const CString texts[] = {L"", L"plain", L"한글 메모 ✓", CString(L'x', 5000)};
    for (const CString& t : texts) ASSERT_TRUE(WriteFileUtf8String(out, t));
    int number = -123456;
    BYTE byte = 0xAB;
    ASSERT_TRUE(ExchangeFileInt(out, &number, true));
    ASSERT_TRUE(ExchangeFileByte(out, &byte, true));
    fclose(out);

    FILE* in = _wfopen(path, L"rb");
    ASSERT_TRUE(in);
    for (const CString& t : texts) {
        CString read = L"junk";
        EXPECT_TRUE(ReadFileUtf8String(in, read, 0));
        EXPECT_EQ(read, t);
    }
    int readNumber = 0;
    BYTE readByte = 0;
    EXPECT_TRUE(ExchangeFileInt(in, &readNumber, false));
    EXPECT_TRUE(ExchangeFileByte(in, &readByte, false));
    EXPECT_EQ(readNumber, number);
    EXPECT_EQ(readByte, byte);
    // At the end a read fails and leaves the value alone.
    EXPECT_FALSE(ExchangeFileInt(in, &readNumber, false));
    EXPECT_EQ(readNumber, number);
    fclose(in);
}

TEST_F(FileServices, Utf8StringWithALengthPastTheEndFailsCleanly) {
    struct Case {
        std::string bytes;
        bool ok;
        const wchar_t* text;
    };
    const Case cases[] = {
        {std::string("\x05\x00\x00\x00hello", 9), true, L"hello"},
        {std::string("\x06\x00\x00\x00hello", 9), false, L""},     // one byte short
        {std::string("\xFF\xFF\xFF\x7Fhello", 9), false, L""},     // a huge count
        {std::string("\x00\x00\x10\x00", 4), false, L""},          // above the cap and past the end
        {std::string("\x05\x00", 2), false, L""},                  // the count itself is cut
    };
    for (const Case& c : cases) {
        WriteFile(L"one.bin", c.bytes);
        FILE* in = _wfopen(Path(L"one.bin"), L"rb");
        ASSERT_TRUE(in);
        CString text = L"junk";
        EXPECT_EQ(ReadFileUtf8String(in, text, 0), c.ok);
        EXPECT_EQ(text, c.text);
        fclose(in);
    }
    // With the flag only the count is read: the text is left alone.
    WriteFile(L"one.bin", std::string("\x05\x00\x00\x00hello", 9));
    FILE* in = _wfopen(Path(L"one.bin"), L"rb");
    CString text = L"kept";
    EXPECT_TRUE(ReadFileUtf8String(in, text, 1));
    EXPECT_EQ(text, L"kept");
    EXPECT_EQ(ftell(in), 4);
    fclose(in);
}

TEST_F(FileServices, TestsMeasuresMovesAndDeletesFiles) {
    WriteFile(L"a.txt", "12345");
    EXPECT_TRUE(FileExists(Path(L"a.txt")));
    EXPECT_TRUE(FileExists(Path(L"*.txt")));
    EXPECT_FALSE(FileExists(Path(L"b.txt")));
    EXPECT_EQ(GetFileLength(Path(L"a.txt")), 5u);
    EXPECT_EQ(GetFileLength(Path(L"b.txt")), 0u);
    EXPECT_NE(GetFileWriteTime(Path(L"a.txt")), 0u);
    EXPECT_EQ(GetFileWriteTime(L""), 0u);
    EXPECT_EQ(GetFileWriteTime(Path(L"b.txt")), 0u);

    EXPECT_TRUE(MoveFileQuiet(Path(L"a.txt"), Path(L"b.txt")));
    EXPECT_FALSE(MoveFileQuiet(Path(L"a.txt"), Path(L"c.txt")));
    EXPECT_EQ(GetFirstFolderEntry(m_root + L"\\*.*"), L"b.txt");
    EXPECT_EQ(GetFirstFolderEntry(m_root + L"\\*.none"), L"");
    EXPECT_TRUE(DeleteFileQuiet(Path(L"b.txt")));
    EXPECT_FALSE(DeleteFileQuiet(Path(L"b.txt")));
    EXPECT_EQ(GetFirstFolderEntry(m_root + L"\\*.*"), L"");
}

TEST_F(FileServices, EnsureFolderCreatesOneLevel) {
    EXPECT_TRUE(EnsureFolder(Path(L"new\\\\")));
    EXPECT_TRUE(Exists(L"new"));
    EXPECT_TRUE(EnsureFolder(Path(L"new")));  // already there
    EXPECT_FALSE(EnsureFolder(Path(L"missing\\child")));
    EXPECT_FALSE(Exists(L"missing"));
}

TEST_F(FileServices, DeleteFolderTreeRefusesShortAndMissingPaths) {
    EXPECT_FALSE(DeleteFolderTree(L"C:\\abc"));
    EXPECT_FALSE(DeleteFolderTree(Path(L"missing")));
    WriteFile(L"tree\\sub\\deep\\x.txt", "x");
    WriteFile(L"tree\\y.txt", "y");
    EXPECT_TRUE(DeleteFolderTree(Path(L"tree\\")));
    EXPECT_FALSE(Exists(L"tree"));
    EXPECT_TRUE(Exists(L""));

    // A file held open without sharing cannot go: the failure is reported.
    WriteFile(L"held\\x.txt", "x");
    HANDLE held = CreateFileW(Path(L"held\\x.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    bool deleted = DeleteFolderTree(Path(L"held"));
    CloseHandle(held);
    EXPECT_EQ(deleted, !Exists(L"held\\x.txt"));
}

TEST(ProgramFolder, IsTheExecutablesFolderWithATrailingBackslash) {
    CString folder;
    GetProgramFolder(folder);
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder[folder.GetLength() - 1], L'\\');
    EXPECT_TRUE(FileExists(folder + L"test_services.exe"));
}

TEST(SaveFailure, TextDependsOnTheFolderAndTheSystem) {
    g_LanguageTable.SetAt(12, L"TEXT12");
    g_LanguageTable.SetAt(13, L"TEXT13");
    struct Case {
        const wchar_t* path;
        DWORD major;
        const wchar_t* programFiles;
        int text;
    };
    const Case cases[] = {
        {L"C:\\Program Files (x86)\\Zorel\\a.xml", 6, L"C:\\Program Files (x86)", 13},
        {L"c:\\program files\\Zorel\\a.xml", 6, L"C:\\Program Files (x86)", 13},
        {L"C:\\Program Files (x86)\\Zorel\\a.xml", 5, L"C:\\Program Files (x86)", 12},
        {L"D:\\Windows\\a.xml", 6, L"C:\\Program Files", 13},
        {L"D:\\Data\\a.xml", 6, L"C:\\Program Files", 12},
        // Without a known Program Files folder no path counts as lying under it.
        {L"D:\\Data\\a.xml", 10, L"", 12},
    };
    for (const Case& c : cases) {
        CString want;
        want.Format(L"\"%s\"\n\nTEXT%d", c.path, c.text);
        EXPECT_EQ(MakeSaveFailureText(c.path, c.major, c.programFiles), want) << CString(c.path);
    }
}

TEST(SaveFailure, IsShownOnlyWhileReportingIsOn) {
    FakeMessageBox box;
    GetSaveFailureReport().Clear();
    g_LanguageTable.SetAt(12, L"TEXT12");
    g_LanguageTable.SetAt(13, L"TEXT13");
    g_Settings.ReportErrors = 0;
    ReportSaveFailure(L"D:\\Data\\a.xml");
    EXPECT_TRUE(box.texts.empty());
    g_Settings.ReportErrors = 1;
    ReportSaveFailure(L"D:\\Data\\a.xml");
    g_Settings.ReportErrors = 0;
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], L"\"D:\\Data\\a.xml\"\n\nTEXT12");
    EXPECT_EQ(box.types[0], (UINT)MB_OK);
}

// Autosave retries a failed file at every tick: the user hears of a file
// once, and again only after a save of it worked in between.
TEST(SaveFailure, IsToldOncePerFileUntilItSavesAgain) {
    FakeMessageBox box;
    GetSaveFailureReport().Clear();
    g_Settings.ReportErrors = 1;
    const CString a = L"C:\\Zorel\\memo_data\\DefaultMemo.zrd", b = L"C:\\Zorel\\ZorelConfig.xml";
    ReportSaveFailure(a);
    ReportSaveFailure(L"c:\\zorel\\MEMO_DATA\\defaultmemo.ZRD");  // the same file
    ReportSaveFailure(b);
    ReportSaveFailure(a);
    EXPECT_EQ(box.texts.size(), 2u);
    ReportSaveSucceeded(a);
    ReportSaveFailure(a);
    ReportSaveFailure(b);
    EXPECT_EQ(box.texts.size(), 3u);
    EXPECT_EQ(box.texts.back().Find(L"\"" + a + L"\""), 0);
    // While reports are off nothing counts as told.
    ReportSaveSucceeded(b);
    g_Settings.ReportErrors = 0;
    ReportSaveFailure(b);
    g_Settings.ReportErrors = 1;
    ReportSaveFailure(b);
    EXPECT_EQ(box.texts.size(), 4u);
    g_Settings.ReportErrors = 0;
}

namespace {
class FakePicker : public IFolderPicker {
public:
    FakePicker() { SetFolderPicker(this); }
    ~FakePicker() override { SetFolderPicker(nullptr); }
    int Browse(HWND, const CString& title, UINT, const CString& start, CString& path) override {
        wchar_t cwd[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, cwd);
        folderDuringBrowse = cwd;
        seenStart = start;
        seenTitle = title;
        path = answerPath;
        return answer;
    }
    int answer = 1;
    CString answerPath, folderDuringBrowse, seenStart, seenTitle;
};
}  // namespace

TEST_F(FileServices, BrowseForFolderRestoresTheCurrentFolder) {
    FakeMessageBox box;
    FakePicker picker;
    SetCurrentDirectoryW(m_root);
    picker.answerPath = L"D:\\Chosen";
    EXPECT_EQ(BrowseForFolder(nullptr, L"Pick", 0, L"C:\\Start"), L"D:\\Chosen");
    EXPECT_EQ(picker.seenStart, L"C:\\Start");
    EXPECT_EQ(g_BrowseStartFolder, L"C:\\Start");
    EXPECT_EQ(picker.folderDuringBrowse.CompareNoCase(L"C:\\"), 0);
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    EXPECT_EQ(CString(cwd).CompareNoCase(m_root), 0);

    picker.answer = 0;  // cancelled: silent
    EXPECT_EQ(BrowseForFolder(nullptr, L"Pick", 0, L""), L"");
    EXPECT_TRUE(box.texts.empty());
    picker.answer = -1;  // an item without a path
    EXPECT_EQ(BrowseForFolder(nullptr, L"Pick", 0, L""), L"");
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], L"Failed to get directory");
    EXPECT_TRUE(box.types[0] & MB_ICONERROR);
    SetCurrentDirectoryW(L"C:\\");
}
