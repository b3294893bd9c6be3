// Loading a day into the schedule meter (building the rows from 20000 alarms
// in the store, sorting them and measuring the list) against a plain pass
// over the same alarms that copies each one, measured beside it.
#include "BenchSupport.h"

#include "calendar/AlarmInfo.h"
#include "notes/AlarmCalendar.h"
#include "shell/Settings.h"
#include "widgets/MeterSchedule.h"
#include "widgets/SkinHost.h"

#include <cstdio>
#include <vector>

namespace {

const int kRounds = 20, kAlarms = 20000;
CArray<CAlarmInfo> g_Alarms;
CArray<CDayInfo> g_NoAnniversaries;

void StoreRows(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int y, int m, int d, int hour, int minute) {
    CAlarmCalendar::GetDaySchedules(g_Alarms, &g_NoAnniversaries, rows, lunar, y, m, d, hour, minute,
                                    ScheduleOptions());
}

class BenchHost : public ISkinHost {
public:
    Gdiplus::Bitmap* GetBackBuffer() override { return nullptr; }
    int ExecuteCommand(const CString&) override { return 0; }
    bool LoadBackgroundFile(const CString&) override { return false; }
    void RefreshWindow() override {}
    CString GetSkinFile() const override { return CString(); }
};

}  // namespace

int wmain() {
    for (int i = 0; i < kAlarms; ++i) {
        CAlarmInfo a;
        a.m_nKind = CAlarmInfo::KindTargetDay;
        a.m_nYear = 2026, a.m_nMonth = 3, a.m_nDay = 10 + i % 2;
        a.m_nHour = i % 24, a.m_nMinute = i % 60;
        a.UpdateMinuteKey();
        a.UpdateMinuteOfDay();
        g_Alarms.Add(a);
    }
    g_DaySchedules = StoreRows;
    g_Settings.Schedule.SortByTime = 1;
    BenchHost host;
    CMeterSchedule meter(&host);
    std::vector<double> load, copy;
    size_t rows = 0, copied = 0;
    for (int r = 0; r < kRounds; ++r) {
        double start = NowMs();
        meter.SetDate(2026, 3, 10);
        load.push_back(NowMs() - start);
        rows = meter.GetRows().size();
        start = NowMs();
        std::vector<CAlarmInfo> plain;
        for (const CAlarmInfo& a : g_Alarms) plain.push_back(a);
        copy.push_back(NowMs() - start);
        copied = plain.size();
    }
    const double l = Median(load), c = Median(copy);
    printf("SetDate, %d alarms in the store (%u rows of the day): %.2f ms\n", kAlarms, (unsigned)rows, l);
    printf("baseline, copying the %u alarms: %.2f ms\n", (unsigned)copied, c);
    printf("ratio SetDate / baseline: %.2f\n", c > 0 ? l / c : 0.0);
    return 0;
}
