#include "notes/MemoInfo.h"
#include "notes/MemoSortInfo.h"

#include "StoreTestSupport.h"

namespace {

CMemoInfo SampleMemo() {
    CMemoInfo m;
    m.m_bStyleBar = 1;
    m.m_rcWindow.SetRect(10, 20, 190, 220);
    m.m_nColorType = 3;
    m.m_crBackground = 0xB5BED6;
    m.m_crTitle = 0xC6C6C6;
    m.m_bExpanded = 1;
    m.m_nExpandedWidth = 180;
    m.m_nExpandedHeight = 200;
    m.m_nLevel = 2;
    m.m_strFileName = L"20140209153045123.rtf";
    m.m_nFirstVisibleLine = 7;
    m.m_strTitle = L"Hi";
    m.m_strDate = L"2014-2-9 15:30";
    m.m_bFitHeight = 1;
    m.m_nImportance = 3;
    m.m_bPinned = 0;
    m.m_bReadOnly = 1;
    m.m_strTitleFont = L"7816192|0|0|0|14|Tahoma";
    return m;
}

std::vector<BYTE> Store(CMemoInfo m) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    EXPECT_TRUE(m.Serialize(ar));
    ar.Close();
    return f.Data();
}

bool Load(const std::vector<BYTE>& bytes, CMemoInfo& m, const CString& folder = L"Z:\\nowhere\\") {
    CMemFile f(bytes.data(), bytes.size());
    CArchive ar(&f, CArchive::load);
    return m.Serialize(ar, folder);
}

// Fields 1 to 11 of the archive form, as every version writes them.
std::vector<BYTE> OldRecord(int version, const wchar_t* fileName) {
    std::vector<BYTE> v;
    for (int x : {version, 1, -5, 6, 175, 206, 4, 0xFFEEDD, 0x112233, 0, 170, 186, 1}) AppendInt(v, x);
    AppendBytes(v, ArchiveString(fileName));
    AppendInt(v, 3);
    return v;
}

}  // namespace

TEST(MemoInfo, Version230GoldenBytes) {
    std::vector<BYTE> expected;
    // version, style bar, rectangle, colour type, colours, expanded, width and
    // height before the level, then the file name.
    for (int x : {230, 1, 10, 20, 190, 220, 3, 0xB5BED6, 0xC6C6C6, 1, 180, 200, 2}) AppendInt(expected, x);
    AppendBytes(expected, {0xFF, 0xFE, 0xFF, 21});
    for (const wchar_t* c = L"20140209153045123.rtf"; *c; ++c) {
        expected.push_back((BYTE)*c);
        expected.push_back(0);
    }
    AppendInt(expected, 7);
    AppendBytes(expected, {0xFF, 0xFE, 0xFF, 2, 'H', 0, 'i', 0});
    AppendBytes(expected, ArchiveString(L"2014-2-9 15:30"));
    AppendBytes(expected, {1, 3, 0, 1});
    AppendBytes(expected, ArchiveString(L"7816192|0|0|0|14|Tahoma"));

    CMemoInfo memo = SampleMemo();
    memo.m_nVersion = 150;  // whatever was read, a store writes 230
    EXPECT_EQ(Store(memo), expected);
}

// A group of 1000 notes is read one record at a time into a growing array:
// records must move, or every growth copies every string of every record.
static_assert(std::is_nothrow_move_constructible<CMemoInfo>::value, "records move when the array grows");
static_assert(std::is_nothrow_move_assignable<CMemoInfo>::value, "records move when the array grows");

TEST(MemoInfo, MovedRecordKeepsEveryField) {
    CMemoInfo source = SampleMemo();
    source.m_strPassword = L"token";
    source.m_bLocked = 1;
    CMemoInfo moved(std::move(source));
    EXPECT_EQ(Store(moved), Store(SampleMemo()));
    EXPECT_EQ(moved.m_strPassword, L"token");
    EXPECT_EQ(moved.m_bLocked, 1);
    CMemoInfo assigned;
    assigned = std::move(moved);
    EXPECT_EQ(Store(assigned), Store(SampleMemo()));
    EXPECT_EQ(assigned.m_strPassword, L"token");
}

TEST(MemoInfo, RoundTripKeepsEveryArchivedFieldAndClosesTheStyleBar) {
    CMemoInfo stored = SampleMemo();
    CMemoInfo loaded;
    ASSERT_TRUE(Load(Store(stored), loaded));
    EXPECT_EQ(loaded.m_nVersion, 230);
    EXPECT_EQ(loaded.m_bStyleBar, 0);
    EXPECT_EQ(loaded.m_rcWindow, stored.m_rcWindow);
    EXPECT_EQ(loaded.m_nColorType, 3);
    EXPECT_EQ(loaded.m_crBackground, stored.m_crBackground);
    EXPECT_EQ(loaded.m_crTitle, stored.m_crTitle);
    EXPECT_EQ(loaded.m_nExpandedWidth, 180);
    EXPECT_EQ(loaded.m_nExpandedHeight, 200);
    EXPECT_EQ(loaded.m_nLevel, 2);
    EXPECT_EQ(loaded.m_strFileName, stored.m_strFileName);
    EXPECT_EQ(loaded.m_nFirstVisibleLine, 7);
    EXPECT_EQ(loaded.m_strTitle, L"Hi");
    EXPECT_EQ(loaded.m_strDate, L"2014-2-9 15:30");
    EXPECT_EQ(loaded.m_bFitHeight, 1);
    EXPECT_EQ(loaded.m_nImportance, 3);
    EXPECT_EQ(loaded.m_bReadOnly, 1);
    EXPECT_EQ(loaded.m_strTitleFont, stored.m_strTitleFont);
}

TEST(MemoInfo, Version149TakesItsDateFromTheNoteFile) {
    CScratchFolder folder;
    WriteAll(folder + L"old.rtf", {'{', '}'});
    HANDLE h = CreateFileW(folder + L"old.rtf", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SYSTEMTIME st = CRecordingHost::MakeTime(2013, 5, 6, 7, 8, 9);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);  // tests run with TZ=UTC, so local time is UTC
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);

    CMemoInfo defaults;
    CMemoInfo loaded;
    ASSERT_TRUE(Load(OldRecord(149, L"old.rtf"), loaded, folder.Path()));
    EXPECT_EQ(loaded.m_nVersion, 149);
    EXPECT_EQ(loaded.m_rcWindow, CRect(-5, 6, 175, 206));
    EXPECT_EQ(loaded.m_crBackground, 0xFFEEDDu);
    EXPECT_EQ(loaded.m_nExpandedWidth, 170);
    EXPECT_EQ(loaded.m_nLevel, 1);
    EXPECT_EQ(loaded.m_nFirstVisibleLine, 3);
    EXPECT_TRUE(loaded.m_strTitle.IsEmpty());
    EXPECT_EQ(loaded.m_strTitleFont, defaults.m_strTitleFont);
    EXPECT_EQ(loaded.m_strDate, L"2013-5-6 07:08");
}

TEST(MemoInfo, MissingNoteFileGivesThePresentTime) {
    CString before = GetNowDateText();
    CMemoInfo loaded;
    ASSERT_TRUE(Load(OldRecord(100, L"gone.rtf"), loaded));
    CString after = GetNowDateText();
    EXPECT_TRUE(loaded.m_strDate == before || loaded.m_strDate == after) << (const wchar_t*)loaded.m_strDate;
}

TEST(MemoInfo, CutRecordFailsAndKeepsWhatWasRead) {
    std::vector<BYTE> bytes = Store(SampleMemo());
    for (size_t cut : {size_t(0), size_t(3), size_t(30), bytes.size() - 1}) {
        std::vector<BYTE> part(bytes.begin(), bytes.begin() + (ptrdiff_t)cut);
        CMemoInfo loaded;
        EXPECT_FALSE(Load(part, loaded)) << cut;
    }
    // A file name whose length runs past the end fails cleanly.
    std::vector<BYTE> bad = OldRecord(230, L"x.rtf");
    bad.resize(13 * 4);
    AppendBytes(bad, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    CMemoInfo loaded;
    EXPECT_FALSE(Load(bad, loaded));
    EXPECT_EQ(loaded.m_nLevel, 1);
}

TEST(MemoInfo, TitleFontDescriptors) {
    struct Case {
        const wchar_t* text;
        bool ok;
        COLORREF color;
        int italic, underline, weight, height;
        const wchar_t* face;
    } cases[] = {
        {L"255|1|0|1|20|Arial", true, 255, 1, 0, 700, 20, L"Arial"},
        {L"7816192|0|0|0|14|Tahoma", true, 7816192, 0, 0, 400, 14, L"Tahoma"},
        {L"255|1|0|1|20|", false, 0x804000, 0, 0, 400, 13, L"Tahoma"},
        {L"255|1||1|20|Arial", false, 0x804000, 0, 0, 400, 13, L"Tahoma"},
        {L"255|1|0|1", false, 0x804000, 0, 0, 400, 13, L"Tahoma"},
        {L"", false, 0x804000, 0, 0, 400, 13, L"Tahoma"},
    };
    for (const Case& c : cases) {
        CMemoInfo m;
        m.m_strTitleFont = c.text;
        LOGFONTW lf;
        COLORREF color;
        EXPECT_EQ(m.GetTitleFont(lf, color), c.ok) << (const wchar_t*)c.text;
        EXPECT_EQ(color, c.color) << (const wchar_t*)c.text;
        EXPECT_EQ(lf.lfItalic, c.italic);
        EXPECT_EQ(lf.lfUnderline, c.underline);
        EXPECT_EQ(lf.lfWeight, c.weight);
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_STREQ(lf.lfFaceName, c.face);
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    }
    CMemoInfo m;
    LOGFONTW lf = {};
    lf.lfItalic = 1;
    lf.lfWeight = 700;
    lf.lfHeight = 20;
    lstrcpyW(lf.lfFaceName, L"Arial");
    m.SetTitleFont(lf, 255);
    EXPECT_EQ(m.m_strTitleFont, L"255|1|0|1|20|Arial");
}

TEST(MemoInfo, NoteFileNames) {
    SYSTEMTIME t = CRecordingHost::MakeTime(2014, 2, 9, 15, 30, 45, 123);
    EXPECT_EQ(FormatMemoFileName(t, L".rtf"), L"20140209153045123.rtf");
    EXPECT_EQ(FormatMemoFileName(t, L".rtx"), L"20140209153045123.rtx");

    struct Case {
        const wchar_t* name;
        bool locked;
    } cases[] = {{L"a.rtx", true}, {L"a.RTX", true}, {L"a.Rtx", true}, {L"a.rtf", false},
                 {L"rtx", false},  {L"", false},     {L"dir.rtx\\a", false}};
    for (const Case& c : cases) EXPECT_EQ(IsLockedMemoFileName(c.name), c.locked) << (const wchar_t*)c.name;
    EXPECT_EQ(MakeDeletedMemoFileName(L"20140209153045123.rtf"), L"20140209153045123.brt");
}

TEST(MemoInfo, NamesMadeInOneMillisecondDiffer) {
    CScratchFolder folder;
    // Later than any other time the tests use, so the sequence is known.
    SYSTEMTIME t = CRecordingHost::MakeTime(2095, 12, 31, 23, 59, 59, 998);
    CString first = MakeMemoFileNameAt(t, L".rtf", folder.Path());
    CString second = MakeMemoFileNameAt(t, L".rtf", folder.Path());
    CString third = MakeMemoFileNameAt(t, L".rtx", folder.Path());
    EXPECT_EQ(first, L"20951231235959998.rtf");
    EXPECT_EQ(second, L"20951231235959999.rtf");
    EXPECT_EQ(third, L"20960101000000000.rtx");  // the next millisecond carries into the next year

    // A name whose note already exists (in any form) is skipped.
    SYSTEMTIME later = CRecordingHost::MakeTime(2096, 6, 1, 0, 0, 0, 0);
    WriteAll(folder + L"20960601000000000.brt", {});
    WriteAll(folder + L"20960601000000001.rtx", {});
    EXPECT_EQ(MakeMemoFileNameAt(later, L".rtf", folder.Path()), L"20960601000000002.rtf");
}

TEST(MemoInfo, SortKeyIsTheColumnAndSurvivesAZeroWidth) {
    CMemoInfo m;
    m.m_rcWindow.SetRect(200, 0, 370, 100);
    CMemoSortInfo s;
    s.Init(&m, 180);
    EXPECT_EQ(s.m_nKey, 2);
    s.Init(&m, 0);
    EXPECT_EQ(s.m_nKey, 370);
}
