// The pieces built apart, used together as the program joins them: the
// calendar's mark tables filled through its hooks by the alarm marks, and a
// day's schedule list built from a synchronised alarm store and anniversary
// list.
#include "calendar/AnniversaryFile.h"
#include "calendar/DayMarks.h"
#include "notes/AlarmCalendar.h"
#include "notes/AlarmStore.h"
#include "notes/NotesIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class QuietHost : public IStoreHost {
public:
    SYSTEMTIME Now() override {
        SYSTEMTIME t = {};
        t.wYear = 2014, t.wMonth = 2, t.wDay = 9, t.wHour = 15, t.wMinute = 30, t.wSecond = 45;
        return t;
    }
    void ReportSaveFailure(const CString& path) override { failures.push_back(path); }
    void ShowMessage(const CString& text) override { messages.push_back(text); }
    void OfferMemoRestore() override {}
    std::vector<CString> failures, messages;
};

// A fresh program folder, removed with what the stores wrote into it.
class ProgramFolder {
public:
    ProgramFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path.Format(L"%szorel_wiring_%lu\\", temp, GetCurrentProcessId());
        CreateDirectoryW(m_path, nullptr);
        CreateDirectoryW(m_path + L"schedule_data", nullptr);
    }
    ~ProgramFolder() { Remove(m_path); }
    const CString& Path() const { return m_path; }

private:
    static void Remove(const CString& folder) {
        WIN32_FIND_DATAW data;
        HANDLE h = FindFirstFileW(folder + L"*", &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                CString name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(folder + name + L"\\");
                else
                    DeleteFileW(folder + name);
            } while (FindNextFileW(h, &data));
            FindClose(h);
        }
        RemoveDirectoryW(folder);
    }
    CString m_path;
};

void AppendInt(std::vector<BYTE>& v, int x) {
    for (int i = 0; i < 4; ++i) v.push_back((BYTE)(x >> (8 * i)));
}

void AppendPhoneString(std::vector<BYTE>& v, const char* s) {
    AppendInt(v, (int)strlen(s));
    v.insert(v.end(), s, s + strlen(s));
}

// One record of the phone-format stream (kind 20 is an anniversary).
void AppendPhoneRecord(std::vector<BYTE>& v, int kind, int month, int day, int hour, const char* text,
                       int advance, BYTE lunar) {
    AppendInt(v, 5);
    for (int x : {1, kind, 0, 2010, month, day, hour, 0, 0, 2}) AppendInt(v, x);
    AppendPhoneString(v, "");
    AppendPhoneString(v, "");
    AppendPhoneString(v, text);
    for (int i = 0; i < 4; ++i) AppendPhoneString(v, "");
    for (int x : {0, 0, advance}) AppendInt(v, x);
    for (BYTE b : {0, 0, 0, 0, 0, 0, 0, 0}) v.push_back(b);
    v.push_back(lunar);
    v.push_back(0);
}

const CArray<CAlarmInfo>* g_HookAlarms = nullptr;

void MarkAlarms(int year, int month) {
    CAlarmCalendar::MarkCalendarAlarms(*g_HookAlarms, year, month, CalendarKindOptions(), g_MonthDayMarks);
}

void MarkRanges(int year, int month) {
    CAlarmCalendar::MarkCalendarAlarmRanges(*g_HookAlarms, year, month, g_RangeDayMarks);
}

}  // namespace

TEST(Wiring, CalendarMarksHoldTheAnniversariesAndTheAlarmsOfTheMonth) {
    CArray<CAlarmInfo> alarms;
    CAlarmInfo weekly;
    weekly.m_nKind = CAlarmInfo::KindDaysOfWeek;
    weekly.m_nDayValue = 1 << 0;  // Sundays
    weekly.m_nIcon = 3;
    alarms.Add(weekly);
    CAlarmInfo period;
    period.m_nKind = CAlarmInfo::KindPeriod;
    period.m_nYear = 2010, period.m_nMonth = 2, period.m_nDay = 10;
    period.m_nEndDate = MakeDateCode(2010, 2, 12);
    period.m_nIcon = 4;
    alarms.Add(period);
    g_HookAlarms = &alarms;
    g_MarkCalendarAlarms = MarkAlarms;
    g_MarkCalendarAlarmRanges = MarkRanges;

    CArray<CDayInfo> anniversaries;
    CDayInfo seollal;
    seollal.m_nMonth = 1, seollal.m_nDay = 1, seollal.m_bLunar = 1, seollal.m_bHoliday = 1, seollal.m_nIcon = 5;
    anniversaries.Add(seollal);

    MarkMonthAnniversaries(&anniversaries, 2010, 2);
    MarkMonthRanges(2010, 2);
    g_MarkCalendarAlarms = nullptr;
    g_MarkCalendarAlarmRanges = nullptr;

    // 14 February 2010, a Sunday, was the lunar new year.
    EXPECT_EQ(g_MonthDayMarks[1][13], kHolidayMark | (1u << 5) | (1u << 3));
    EXPECT_EQ(g_MonthDayMarks[1][6], 1u << 3);  // 7 February, a Sunday
    EXPECT_EQ(g_MonthDayMarks[1][7], 0u);
    EXPECT_EQ(g_MonthDayMarks[1][10], 1u << 4);  // inside the period
    EXPECT_EQ(g_RangeDayMarks[9], kRangeFirstDay);
    EXPECT_EQ(g_RangeDayMarks[10], kRangeInside);
    EXPECT_EQ(g_RangeDayMarks[11], kRangeLastDay);
}

TEST(Wiring, DayScheduleOfAPhoneSynchronisation) {
    ProgramFolder folder;
    QuietHost host;
    CAlarmStore store(host, folder.Path());
    ASSERT_TRUE(store.Load());
    CAnniversaryFile anniversaries;
    anniversaries.SetProgramFolder(folder.Path());
    std::vector<int> reports;
    anniversaries.SetReporter([&](int id) { reports.push_back(id); });
    anniversaries.LoadOrImportAnniversaries();

    std::vector<BYTE> phone;
    AppendPhoneString(phone, "ALARM SIGNATURE");
    AppendPhoneRecord(phone, CAlarmInfo::KindEveryDay, 2, 14, 8, "Walk", 0, 0);
    AppendPhoneRecord(phone, CAlarmInfo::KindPhoneAnniversary, 1, 1, 0, "Seollal", 0, 1);
    AppendPhoneRecord(phone, CAlarmInfo::KindPhoneAnniversary, 2, 20, 0, "Birthday", 10, 0);
    CString path = folder.Path() + L"002_2014_02_09_15_30_45_00.sync";
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    file.Write(phone.data(), (UINT)phone.size());
    file.Close();

    ASSERT_TRUE(store.ApplySyncFile(SYNC_PHONE_ALL, path, &anniversaries));
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(host.failures.empty());

    std::vector<CScheduleInfo> rows;
    LunarDate lunar;
    CAlarmCalendar::GetDaySchedules(store.Alarms(), &anniversaries.GetList(), rows, lunar, 2010, 2, 14, 9, 0,
                                    ScheduleOptions());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].m_strText, L"Seollal");
    EXPECT_EQ(rows[0].m_bDayAnniversary, 1);
    EXPECT_EQ(rows[1].m_strText, L"Birthday");
    EXPECT_EQ(rows[1].m_nDays, 6);
    EXPECT_EQ(rows[2].m_strText, L"Walk");
    EXPECT_EQ(rows[2].m_strTime, L"08:00");
    EXPECT_EQ(rows[2].m_bPassed, 1);
    EXPECT_EQ(rows[2].m_nId, store.Alarms()[0].m_nId);
    EXPECT_EQ(rows[0].m_nId, anniversaries.GetList()[0].m_nId);
}
