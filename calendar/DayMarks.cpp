#include "calendar/DayMarks.h"

#include "calendar/LunarCalendar.h"

#include <cstring>

DWORD g_AnniversaryDayMarks[12][31];
DWORD g_MonthDayMarks[12][31];
DWORD g_RangeDayMarks[31];

MarkAlarmsHook g_MarkCalendarAlarms = nullptr;
MarkAlarmsHook g_MarkCalendarAlarmRanges = nullptr;

DWORD IconMarkBit(int icon) { return icon >= 0 && icon <= kMaxMarkIcon ? (DWORD)1 << icon : 0; }

DWORD* DayMarkCell(DWORD (&table)[12][31], int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return nullptr;
    return &table[month - 1][day - 1];
}

void MarkDay(DWORD (&table)[12][31], int month, int day, bool holiday, int icon) {
    if (DWORD* cell = DayMarkCell(table, month, day)) {
        if (holiday)
            *cell |= kHolidayMark;
        *cell |= IconMarkBit(icon);
    }
}

void MarkSolarAnniversary(const CDayInfo& info) {
    if (!info.m_bLunar)
        MarkDay(g_AnniversaryDayMarks, info.m_nMonth, info.m_nDay, info.m_bHoliday != 0, info.m_nIcon);
}

void ClearAnniversaryMarks() { std::memset(g_AnniversaryDayMarks, 0, sizeof g_AnniversaryDayMarks); }
void ClearMonthMarks() { std::memset(g_MonthDayMarks, 0, sizeof g_MonthDayMarks); }
void ClearRangeMarks() { std::memset(g_RangeDayMarks, 0, sizeof g_RangeDayMarks); }

void MarkMonthAnniversaries(const CArray<CDayInfo>* list, int year, int month) {
    ClearMonthMarks();
    if (list) {
        for (const CDayInfo& info : *list) {
            if (!info.m_bLunar || !info.IsValidDate())
                continue;
            // A lunar date late in one lunar year can land early in the next
            // solar year, so the year before is converted too.
            for (int lunarYear : {year, year - 1}) {
                SolarDate s = LunarToSolar(lunarYear, info.m_nMonth, info.m_nDay, info.m_bLeap);
                if (s.valid && s.year == year)
                    MarkDay(g_MonthDayMarks, s.month, s.day, info.m_bHoliday != 0, info.m_nIcon);
            }
        }
    }
    if (g_MarkCalendarAlarms)
        g_MarkCalendarAlarms(year, month);
}

void MarkMonthRanges(int year, int month) {
    ClearRangeMarks();
    if (g_MarkCalendarAlarmRanges)
        g_MarkCalendarAlarmRanges(year, month);
}
