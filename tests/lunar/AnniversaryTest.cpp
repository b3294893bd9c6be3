#include "ScratchFolder.h"
#include "calendar/AnniversaryDays.h"
#include "calendar/AnniversaryFile.h"
#include "calendar/DayInfo.h"
#include "calendar/DayMarks.h"
#include "shell/FileUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> ReadAll(const CString& path) {
    std::vector<BYTE> bytes;
    FILE* f = _wfopen(path, L"rb");
    if (!f)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((BYTE)c);
    fclose(f);
    return bytes;
}

void WriteAll(const CString& path, const void* data, size_t size) {
    FILE* f = _wfopen(path, L"wb");
    ASSERT_NE(nullptr, f);
    fwrite(data, 1, size, f);
    fclose(f);
}

void WriteText(const CString& path, const std::string& text) { WriteAll(path, text.data(), text.size()); }

bool Exists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

std::vector<CString> ListFolder(const CString& folder) {
    std::vector<CString> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(folder + L"*", &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        CString name = fd.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

bool HasTemporaryFile(const CString& folder) {
    for (const CString& name : ListFolder(folder))
        if (name.Right(4).CompareNoCase(L".tmp") == 0)
            return true;
    return false;
}

CDayInfo Make(int month, int day, const wchar_t* text, bool lunar = false, bool leap = false, bool holiday = false,
              int icon = 1) {
    CDayInfo info;
    info.m_nMonth = month;
    info.m_nDay = day;
    info.m_strText = text;
    info.m_bLunar = lunar;
    info.m_bLeap = leap;
    info.m_bHoliday = holiday;
    info.m_nIcon = icon;
    return info;
}

std::vector<BYTE> Store(CDayInfo& info) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    info.Serialize(ar);
    ar.Close();
    return f.Data();
}

class AnniversaryFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_root = m_scratch.Path();
        m_file.SetProgramFolder(m_root);
        m_file.SetClock([this] { return m_now; });
        m_file.SetReporter([this](int id) { m_reports.push_back(id); });
        ClearAnniversaryMarks();
    }

    void MakeDataFolder() { CreateDirectoryW(m_root + L"anniversary_data", nullptr); }

    std::vector<BYTE> FileWith(std::initializer_list<CDayInfo> records, bool endMark = true) {
        CMemFile f;
        CArchive ar(&f, CArchive::store);
        ar << CString(L"ANNIVER SIGNATURE");
        for (CDayInfo r : records)
            r.Serialize(ar);
        if (endMark)
            ar << (INT32)0xFFFF;
        ar.Close();
        return f.Data();
    }

    CScratchFolder m_scratch{L"anniv"};
    CString m_root;
    CTime m_now{2026, 12, 10, 9, 30, 15};
    std::vector<int> m_reports;
    CAnniversaryFile m_file;
};

}  // namespace

TEST(DayInfo, RecordBytesAndAssignment) {
    CDayInfo info = Make(5, 8, L"Ab", false, false, true, 3);
    info.m_nDaysBefore = 7;
    std::vector<BYTE> expected = {5, 0, 0, 0, 5, 0, 0, 0, 8, 0, 0, 0, 3, 0, 0, 0,
                                  0xFF, 0xFE, 0xFF, 2, 'A', 0, 'b', 0,
                                  0, 1, 0, 7, 0, 0, 0,
                                  0xFF, 0xFE, 0xFF, 0};
    EXPECT_EQ(expected, Store(info));

    CMemFile f(expected.data(), expected.size());
    CArchive ar(&f, CArchive::load);
    CDayInfo loaded;
    ASSERT_EQ(1, loaded.Serialize(ar));
    EXPECT_EQ(expected, Store(loaded));

    // Assignment copies the contents, not the schema or the id; a copy is the
    // same record.
    CDayInfo target;
    target.m_nId = 42;
    target.m_nSchema = 3;
    info.m_nId = 7;
    target = info;
    EXPECT_EQ(42, target.m_nId);
    EXPECT_EQ(3, target.m_nSchema);
    EXPECT_EQ(L"Ab", target.m_strText);
    EXPECT_EQ(7, CDayInfo(info).m_nId);

    CDayInfo fresh;
    EXPECT_EQ(1, fresh.m_nMonth);
    EXPECT_EQ(1, fresh.m_nIcon);
    EXPECT_EQ(5, fresh.m_nSchema);
    EXPECT_EQ(-1, fresh.m_nId);
}

TEST(DayInfo, LoadStopsAtEndMarkAndShortRecords) {
    std::vector<BYTE> end = {0xFF, 0xFF, 0, 0};
    CMemFile f(end.data(), end.size());
    CArchive ar(&f, CArchive::load);
    CDayInfo info;
    EXPECT_EQ(0, info.Serialize(ar));
    EXPECT_EQ(CDayInfo::kEndMark, info.m_nSchema);

    CDayInfo full = Make(1, 2, L"text");
    std::vector<BYTE> bytes = Store(full);
    bytes.resize(bytes.size() - 3);
    CMemFile g(bytes.data(), bytes.size());
    CArchive ar2(&g, CArchive::load);
    CDayInfo broken = Make(9, 9, L"kept");
    EXPECT_EQ(0, broken.Serialize(ar2));
    EXPECT_EQ(5, broken.m_nSchema);
    EXPECT_EQ(L"kept", broken.m_strText);
}

namespace {

struct PhoneRecord {
    INT32 schema = 5, kind = 20, month = 3, day = 4, icon = 6;
    std::string contents = "\xEC\x83\x9D\xEC\x9D\xBC";  // 생일 in UTF-8
    INT32 advance = 0x00010003;
    BYTE holiday = 1, lunar = 1, leap = 0;
    INT32 declaredLength = -1;  // for the contents string; -1: its real length
};

void Put(std::string& s, INT32 v) { s.append((const char*)&v, 4); }

std::string PhoneBytes(const PhoneRecord& r) {
    std::string s;
    Put(s, r.schema);
    INT32 values[10] = {1, r.kind, 0, 2010, r.month, r.day, 9, 0, 0, r.icon};
    for (INT32 v : values)
        Put(s, v);
    for (int i = 0; i < 7; ++i) {
        std::string text = i == 2 ? r.contents : std::string(i == 0 ? "snd" : "");
        Put(s, i == 2 && r.declaredLength >= 0 ? r.declaredLength : (INT32)text.size());
        s += text;
    }
    Put(s, 0);           // end date
    Put(s, 0);           // time mode
    Put(s, r.advance);
    Put(s, 0x01020304);  // d-day and reserved bytes
    s += std::string("\x01\x02\x03", 3);
    s += (char)r.holiday;
    s += (char)r.lunar;
    s += (char)r.leap;
    return s;
}

int ReadPhone(const std::string& bytes, CDayInfo& info, const CString& path) {
    WriteAll(path, bytes.data(), bytes.size());
    FILE* f = _wfopen(path, L"rb");
    int result = info.ReadFromFile(f);
    fclose(f);
    DeleteFileW(path);
    return result;
}

}  // namespace

TEST(DayInfo, PhoneFormatRecords) {
    CScratchFolder folder(L"dayinfo");
    const CString path = folder + L"phone.dat";
    CDayInfo info;
    ASSERT_EQ(1, ReadPhone(PhoneBytes(PhoneRecord()), info, path));
    EXPECT_EQ(5, info.m_nSchema);
    EXPECT_EQ(3, info.m_nMonth);
    EXPECT_EQ(4, info.m_nDay);
    EXPECT_EQ(6, info.m_nIcon);
    EXPECT_EQ(CString(L"생일"), info.m_strText);
    EXPECT_EQ(3, info.m_nDaysBefore);
    EXPECT_EQ(1, info.m_bHoliday);
    EXPECT_EQ(1, info.m_bLunar);
    EXPECT_EQ(0, info.m_bLeap);

    PhoneRecord alarm;
    alarm.kind = 1;
    CDayInfo skipped;
    ASSERT_EQ(1, ReadPhone(PhoneBytes(alarm), skipped, path));
    EXPECT_EQ(CDayInfo::kPhoneSkip, skipped.m_nSchema);

    struct Bad {
        const char* what;
        std::string bytes;
    };
    PhoneRecord newer;
    newer.schema = 6;
    PhoneRecord huge;
    huge.declaredLength = 0x7FFFFFF0;
    PhoneRecord negative;
    negative.declaredLength = -5 & 0x7FFFFFFF;  // larger than the stream
    std::string truncated = PhoneBytes(PhoneRecord());
    truncated.resize(truncated.size() - 1);
    const Bad bad[] = {{"newer schema", PhoneBytes(newer)},
                       {"length past the end", PhoneBytes(huge)},
                       {"length far past the end", PhoneBytes(negative)},
                       {"truncated", truncated},
                       {"empty", ""}};
    for (const Bad& b : bad) {
        CDayInfo r;
        EXPECT_EQ(0, ReadPhone(b.bytes, r, path)) << b.what;
    }
    EXPECT_EQ(0, CDayInfo().ReadFromFile(nullptr));
}

TEST_F(AnniversaryFileTest, SignatureAndEndMarkOnlyLoadsEmptyWithoutMessage) {
    MakeDataFolder();
    std::vector<BYTE> bytes = FileWith({});
    WriteAll(m_file.GetFilePath(), bytes.data(), bytes.size());
    m_file.LoadOrImportAnniversaries();
    EXPECT_EQ(0, m_file.GetList().GetSize());
    EXPECT_TRUE(m_reports.empty());
    EXPECT_FALSE(m_file.LastLoadFailed());
}

TEST_F(AnniversaryFileTest, SaveLoadRoundTripAndIds) {
    int a = m_file.AddAnniversary(Make(5, 8, L"Parents' Day", false, false, true, 3));
    int b = m_file.AddAnniversary(Make(3, 1, L"Leap birthday", true, true, false, 2));
    int c = m_file.AddAnniversary(Make(12, 25, L"Christmas", false, false, true, 29));
    EXPECT_GE(a, 0x10000000);
    EXPECT_EQ(a + 1, b);
    m_file.RemoveAnniversary(b);
    ASSERT_NE(nullptr, m_file.FindAnniversary(c));
    EXPECT_EQ(L"Christmas", m_file.FindAnniversary(c)->m_strText);
    EXPECT_EQ(nullptr, m_file.FindAnniversary(b));
    m_file.AddAnniversary(Make(3, 1, L"Leap birthday", true, true, false, 2));

    ASSERT_TRUE(m_file.SaveAnniversaries());
    EXPECT_TRUE(m_reports.empty());
    const CArray<CDayInfo>& list = m_file.GetList();
    ASSERT_EQ(3, list.GetSize());
    EXPECT_EQ(L"Parents' Day", list[0].m_strText);
    EXPECT_EQ(L"Christmas", list[1].m_strText);
    EXPECT_EQ(1, list[2].m_bLeap);
    EXPECT_EQ(1, list[2].m_bLunar);
    EXPECT_GT(list[0].m_nId, c);  // reloaded records get fresh ids
    // Solar records are marked; icon 29 sets no bit; lunar ones wait for the month marks.
    EXPECT_EQ(kHolidayMark | (1u << 3), g_AnniversaryDayMarks[4][7]);
    EXPECT_EQ(kHolidayMark, g_AnniversaryDayMarks[11][24]);
    EXPECT_EQ(0u, g_AnniversaryDayMarks[2][0]);

    std::vector<BYTE> bytes = ReadAll(m_file.GetFilePath());
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(std::vector<BYTE>({0xFF, 0xFF, 0, 0}), std::vector<BYTE>(bytes.end() - 4, bytes.end()));
    EXPECT_FALSE(HasTemporaryFile(m_file.GetFolder()));
}

TEST_F(AnniversaryFileTest, ImportsTheOlderTextFileOnce) {
    MakeDataFolder();
    const CString old = m_file.GetFolder() + L"anniversary_data.zrn";
    WriteText(old,
              "# a comment|1|+|F|x|F|1\r\n"
              "5|8|+|F|Parents|T|3\r\n"
              "ab\r\n"
              "3|15|-|F|Lunar one|F|2\n"
              "1|2|+|F||T|1\n"          // empty text: six fields
              "13|1|+|F|bad month|F|1\n"
              "0|1|+|F|month zero|F|1\n"
              "2|30|-|T|Leap lunar|F|99999999999\n"
              "7|7|+|F|last line|F|4");   // no line break at the end
    m_file.LoadOrImportAnniversaries();
    EXPECT_TRUE(m_reports.empty());
    const CArray<CDayInfo>& list = m_file.GetList();
    ASSERT_EQ(4, list.GetSize());
    EXPECT_EQ(5, list[0].m_nMonth);
    EXPECT_EQ(8, list[0].m_nDay);
    EXPECT_EQ(0, list[0].m_bLunar);
    EXPECT_EQ(1, list[0].m_bHoliday);
    EXPECT_EQ(3, list[0].m_nIcon);
    EXPECT_EQ(L"Parents", list[0].m_strText);
    EXPECT_EQ(1, list[1].m_bLunar);
    EXPECT_EQ(0, list[1].m_bLeap);
    EXPECT_EQ(1, list[2].m_bLeap);
    EXPECT_EQ(INT_MAX, list[2].m_nIcon);  // clamped, and marks nothing
    EXPECT_EQ(L"last line", list[3].m_strText);
    EXPECT_EQ(kHolidayMark | (1u << 3), g_AnniversaryDayMarks[4][7]);

    EXPECT_TRUE(Exists(m_file.GetFilePath()));
    EXPECT_FALSE(Exists(old));
    EXPECT_TRUE(Exists(old + L"_"));

    // Once the new file exists, the import is not repeated.
    WriteText(old, "6|6|+|F|again|F|1\n");
    m_file.LoadOrImportAnniversaries();
    EXPECT_EQ(4, m_file.GetList().GetSize());
}

TEST_F(AnniversaryFileTest, ImportFallsBackToTheCalendarSkinFile) {
    CreateDirectoryW(m_root + L"CalendarSkin", nullptr);
    WriteText(m_root + L"CalendarSkin\\DayInfo.dat", "8|15|+|F|Liberation Day|T|5\n");
    m_file.LoadOrImportAnniversaries();
    ASSERT_EQ(1, m_file.GetList().GetSize());
    EXPECT_TRUE(Exists(m_root + L"CalendarSkin\\DayInfo.dat_"));
    EXPECT_TRUE(Exists(m_file.GetFilePath()));
}

TEST_F(AnniversaryFileTest, NothingToImportWritesNothing) {
    m_file.LoadOrImportAnniversaries();
    EXPECT_EQ(0, m_file.GetList().GetSize());
    EXPECT_FALSE(Exists(m_file.GetFolder()));
    EXPECT_TRUE(m_reports.empty());
}

TEST_F(AnniversaryFileTest, HistoryCopies) {
    struct Case {
        int level;
        std::vector<CString> expected;
    } cases[] = {
        {0, {}},
        {1, {L"2026_12_10.xbak"}},
        {2, {L"2026_12_10_09_30_15.xbak", L"2026_12_10_09_31_15.xbak"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        DeleteFolderTree(m_root + L"anniversary_data");
        m_file.SetHistoryLevel(c.level);
        m_file.RemoveAllAnniversaries();
        m_file.AddAnniversary(Make(1, 1, L"one"));
        m_now = CTime(2026, 12, 10, 9, 29, 15);
        ASSERT_TRUE(m_file.SaveAnniversaries());  // no file yet: no copy
        m_file.AddAnniversary(Make(1, 2, L"two"));
        m_now = CTime(2026, 12, 10, 9, 30, 15);
        ASSERT_TRUE(m_file.SaveAnniversaries());
        m_file.AddAnniversary(Make(1, 3, L"three"));
        m_now = CTime(2026, 12, 10, 9, 31, 15);
        ASSERT_TRUE(m_file.SaveAnniversaries());
        EXPECT_EQ(c.expected, ListFolder(m_file.GetHistoryFolder()));
        EXPECT_EQ(3, m_file.GetList().GetSize());
    }
}

TEST_F(AnniversaryFileTest, UnreadableFileIsKeptAndNeverOverwritten) {
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        int records;
    };
    std::vector<BYTE> truncated = FileWith({Make(1, 1, L"first"), Make(2, 2, L"second")}, false);
    truncated.resize(truncated.size() - 5);
    std::vector<BYTE> wrongSignature = FileWith({Make(1, 1, L"first")});
    wrongSignature[4] = 'X';
    const Case cases[] = {
        {"record cut short", truncated, 1},
        {"no end mark", FileWith({Make(1, 1, L"first")}, false), 1},
        {"wrong signature", wrongSignature, 0},
        {"signature cut short", {0xFF, 0xFE, 0xFF}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFolderTree(m_root + L"anniversary_data");
        MakeDataFolder();
        m_reports.clear();
        WriteAll(m_file.GetFilePath(), c.bytes.data(), c.bytes.size());
        m_file.LoadOrImportAnniversaries();
        EXPECT_EQ(c.records, m_file.GetList().GetSize());
        EXPECT_TRUE(m_file.LastLoadFailed());
        EXPECT_EQ(std::vector<int>({14}), m_reports);
        std::vector<CString> names = ListFolder(m_file.GetFolder());
        EXPECT_EQ(2u, names.size());  // the file and its dated copy
        EXPECT_EQ(c.bytes, ReadAll(m_file.GetFolder() + L"anniversary_data.xzrn.20261210-093015.bad"));

        m_file.AddAnniversary(Make(4, 4, L"new"));
        EXPECT_FALSE(m_file.SaveAnniversaries());
        EXPECT_EQ(c.bytes, ReadAll(m_file.GetFilePath()));
    }
}

TEST_F(AnniversaryFileTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    m_file.AddAnniversary(Make(1, 1, L"one"));
    ASSERT_TRUE(m_file.SaveAnniversaries());
    std::vector<BYTE> before = ReadAll(m_file.GetFilePath());
    // Another program holding the file open makes the write fail.
    HANDLE held = CreateFileW(m_file.GetFilePath(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    m_file.AddAnniversary(Make(2, 2, L"two"));
    EXPECT_FALSE(m_file.SaveAnniversaries());
    CloseHandle(held);
    EXPECT_EQ(std::vector<int>({14}), m_reports);
    EXPECT_EQ(before, ReadAll(m_file.GetFilePath()));
    EXPECT_FALSE(HasTemporaryFile(m_file.GetFolder()));
    EXPECT_EQ(2, m_file.GetList().GetSize());  // nothing lost in memory either
}

TEST(AnniversaryDays, DaysUntil) {
    struct Case {
        const char* what;
        int y, m, d, am, ad;
        BOOL lunar, leap;
        int expected;
    } cases[] = {
        {"solar, on the day", 2010, 5, 8, 5, 8, FALSE, FALSE, 0},
        {"solar, later this year", 2010, 5, 1, 5, 8, FALSE, FALSE, 7},
        {"solar, earlier: next year", 2010, 3, 1, 1, 15, FALSE, FALSE, 320},
        {"solar, across a leap day", 2011, 3, 1, 2, 1, FALSE, FALSE, 337},
        {"lunar new year, on the day", 2010, 2, 14, 1, 1, TRUE, FALSE, 0},
        {"lunar new year, the day after", 2010, 2, 15, 1, 1, TRUE, FALSE, 353},
        {"lunar, from the lunar year before", 2011, 1, 1, 12, 1, TRUE, FALSE, 3},
        {"lunar 30th in a 29-day month", 2012, 3, 1, 2, 30, TRUE, FALSE, 20},
        {"leap month anniversary", 2012, 4, 1, 3, 1, TRUE, TRUE, 20},
        {"month 0", 2010, 5, 8, 0, 8, FALSE, FALSE, kNoAnniversaryDay},
        {"day 0", 2010, 5, 8, 5, 0, FALSE, FALSE, kNoAnniversaryDay},
        {"lunar day 31", 2010, 5, 8, 5, 31, TRUE, FALSE, kNoAnniversaryDay},
        {"lunar outside the table", 2050, 5, 8, 5, 8, TRUE, FALSE, kNoAnniversaryDay},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DaysUntilAnniversary(c.y, c.m, c.d, c.am, c.ad, c.lunar, c.leap)) << c.what;
}

TEST(AnniversaryDays, DayText) {
    CArray<CDayInfo> list;
    list.Add(Make(2, 14, L"Valentine"));
    list.Add(Make(1, 1, L"Seollal", true));
    list.Add(Make(1, 1, L"leap new year", true, true));
    list.Add(Make(3, 1, L"Samiljeol"));
    EXPECT_EQ(CString(L"Lun 01/01\nValentine\nSeollal"), GetDayAnniversaryText(&list, 2010, 2, 14));
    EXPECT_EQ(CString(L"Samiljeol"), GetDayAnniversaryText(&list, 2010, 3, 1));
    EXPECT_EQ(CString(), GetDayAnniversaryText(&list, 2010, 3, 2));
    EXPECT_EQ(CString(), GetDayAnniversaryText(nullptr, 2010, 2, 14));
    // Outside the lunar table only the solar records can match.
    EXPECT_EQ(CString(L"Valentine"), GetDayAnniversaryText(&list, 2050, 2, 14));

    CArray<CDayInfo> leap;
    leap.Add(Make(3, 1, L"regular", true));
    leap.Add(Make(3, 1, L"leap", true, true));
    EXPECT_EQ(CString(L"Lun 03/01\nleap"), GetDayAnniversaryText(&leap, 2012, 4, 21));
    EXPECT_TRUE(GetDayAnniversaryText(&leap, 2012, 3, 22).Find(L"regular") >= 0);
}

namespace {
int g_hookYear, g_hookMonth;
void RecordHook(int year, int month) {
    g_hookYear = year;
    g_hookMonth = month;
    g_MonthDayMarks[0][0] |= 1;
}
}  // namespace

TEST(DayMarks, MonthMarksAndBounds) {
    EXPECT_EQ(1u << 28, IconMarkBit(28));
    EXPECT_EQ(0u, IconMarkBit(29));
    EXPECT_EQ(0u, IconMarkBit(-1));
    EXPECT_EQ(1u, IconMarkBit(0));

    CArray<CDayInfo> list;
    list.Add(Make(12, 20, L"lunar late", true, false, true, 4));  // lunar 2010-12-20 is 2011-01-23
    list.Add(Make(1, 1, L"Seollal", true, false, false, 2));      // 2011-02-03
    list.Add(Make(0, 5, L"broken month", true));
    list.Add(Make(2, 31, L"broken day", true));
    list.Add(Make(5, 5, L"solar", false));
    g_MarkCalendarAlarms = RecordHook;
    MarkMonthAnniversaries(&list, 2011, 1);
    g_MarkCalendarAlarms = nullptr;
    EXPECT_EQ(kHolidayMark | (1u << 4), g_MonthDayMarks[0][22]);
    EXPECT_EQ(1u << 2, g_MonthDayMarks[1][2]);
    EXPECT_EQ(0u, g_MonthDayMarks[4][4]);
    EXPECT_EQ(1u, g_MonthDayMarks[0][0]);
    EXPECT_EQ(2011, g_hookYear);
    EXPECT_EQ(1, g_hookMonth);

    // Dates out of range mark nothing and never write outside the table.
    ClearAnniversaryMarks();
    for (auto md : {std::make_pair(0, 1), {13, 1}, {1, 0}, {1, 32}, {-5, -5}})
        MarkSolarAnniversary(Make(md.first, md.second, L"x", false, false, true, 1));
    MarkSolarAnniversary(Make(2, 31, L"31 February", false, false, true, 1));
    DWORD sum = 0;
    for (auto& row : g_AnniversaryDayMarks)
        for (DWORD cell : row)
            sum |= cell;
    EXPECT_EQ(kHolidayMark | 2u, sum);
    EXPECT_EQ(kHolidayMark | 2u, g_AnniversaryDayMarks[1][30]);
    EXPECT_EQ(nullptr, DayMarkCell(g_AnniversaryDayMarks, 0, 1));

    g_RangeDayMarks[3] = kRangeInside;
    MarkMonthRanges(2011, 1);
    EXPECT_EQ(0u, g_RangeDayMarks[3]);
}

TEST_F(AnniversaryFileTest, ImportReadsTheAnsiCodePage) {
    MakeDataFolder();
    // "생일" in code page 949.
    WriteText(m_file.GetFolder() + L"anniversary_data.zrn", "3|4|-|F|\xBB\xFD\xC0\xCF|F|2\r\n");
    m_file.LoadOrImportAnniversaries();
    ASSERT_EQ(1, m_file.GetList().GetSize());
    if (GetACP() == 949)
        EXPECT_EQ(CString(L"생일"), m_file.GetList()[0].m_strText);
    else
        EXPECT_EQ(AnsiToString(CStringA("\xBB\xFD\xC0\xCF")), m_file.GetList()[0].m_strText);
    // The text survives the round trip through the anniversary file.
    m_file.LoadOrImportAnniversaries();
    EXPECT_EQ(2, m_file.GetList()[0].m_nIcon);
}
