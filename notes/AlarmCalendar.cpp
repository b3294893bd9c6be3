#include "notes/AlarmCalendar.h"

#include "calendar/AnniversaryDays.h"
#include "notes/AlarmCheck.h"
#include "shell/DayMath.h"
#include "shell/DateUtil.h"

#include <cstdlib>

bool CalendarKindOptions::Shows(int kind) const {
    switch (kind) {
    case CAlarmInfo::KindTargetDay: return targetDay;
    case CAlarmInfo::KindDaysOfWeek: return dayOfWeek;
    case CAlarmInfo::KindPeriod: return period;
    case CAlarmInfo::KindDayOfMonth: return dayOfMonth;
    case CAlarmInfo::KindWeekdayOfMonth: return targetWeek;
    case CAlarmInfo::KindEveryNDays: return repeat;
    default: return false;
    }
}

namespace {
bool ValidMonth(int month) { return month >= 1 && month <= 12; }
}  // namespace

bool CAlarmCalendar::MatchesDate(const CAlarmInfo& a, int y, int m, int d) {
    switch (a.m_nKind) {
    case CAlarmInfo::KindTargetDay: return a.m_nYear == y && a.m_nMonth == m && a.m_nDay == d;
    case CAlarmInfo::KindDaysOfWeek: return TestWeekdayFlag((unsigned char)a.m_nDayValue, GetWeekday(y, m, d)) != 0;
    case CAlarmInfo::KindPeriod: {
        int key = CDayMath::DateKey(y, m, d);
        return a.GetDateKey() <= key && key <= a.m_nEndDate;
    }
    case CAlarmInfo::KindDayOfMonth:
        return a.m_nDayValue == d || (a.m_nDayValue == CAlarmInfo::LastDayOfMonth && d == GetDaysInMonth(y, m));
    case CAlarmInfo::KindWeekdayOfMonth: {
        if (a.m_nWeekMonth != 0 && a.m_nWeekMonth != m) return false;
        int w = GetWeekday(y, m, d);
        if (w != a.m_nWeekDay + 1) return false;
        return GetWeekdayOrdinal(y, m, d, w) ==
               ClampLastWeekdayOrdinal(y, m, a.m_nWeekNumber, a.m_nWeekDay + 1);
    }
    case CAlarmInfo::KindEveryNDays: {
        int n = GetDaysBetween(a.m_nYear, a.m_nMonth, a.m_nDay, y, m, d);
        return n >= 0 && n % CAlarmCheck::EffectiveInterval(a) == 0;
    }
    default: return false;
    }
}

void CAlarmCalendar::MarkCalendarAlarms(const CArray<CAlarmInfo>& alarms, int Y, int M,
                                        const CalendarKindOptions& options, MonthDayMarks& marks) {
    if (!ValidMonth(M)) return;
    const int daysInM = GetDaysInMonth(Y, M);
    for (const CAlarmInfo& a : alarms) {
        if (!options.Shows(a.m_nKind)) continue;
        const DWORD b = MakeMarkBit(a.m_nIcon);
        switch (a.m_nKind) {
        case CAlarmInfo::KindTargetDay: {
            if (a.m_nYear != Y) break;
            int mi = ((a.m_nMonth - 1) % 12 + 12) % 12;
            int di = ((a.m_nDay - 1) % 31 + 31) % 31;
            marks[mi][di] |= b;
            break;
        }
        case CAlarmInfo::KindDaysOfWeek:
            for (int d = 1; d <= daysInM; ++d)
                if (TestWeekdayFlag((unsigned char)a.m_nDayValue, GetWeekday(Y, M, d))) marks[M - 1][d - 1] |= b;
            break;
        case CAlarmInfo::KindPeriod: {
            int first = CDayMath::DateKey(Y, M, 1);
            int last = CDayMath::DateKey(Y, M, 31);
            int start = a.GetDateKey();
            if (a.m_nEndDate < first || start > last) break;
            int from = start > first ? start - first : 0;
            int to = a.m_nEndDate < last ? a.m_nEndDate - first : 30;
            for (int i = from; i <= to; ++i) marks[M - 1][i] |= b;
            break;
        }
        case CAlarmInfo::KindDayOfMonth:
            if (a.m_nDayValue == CAlarmInfo::LastDayOfMonth) {
                for (int m = 1; m <= 12; ++m) marks[m - 1][GetDaysInMonth(Y, m) - 1] |= b;
            } else if (a.m_nDayValue >= 1 && a.m_nDayValue <= 31) {
                for (int m = 0; m < 12; ++m) marks[m][a.m_nDayValue - 1] |= b;
            }
            break;
        case CAlarmInfo::KindWeekdayOfMonth: {
            int wm = a.m_nWeekMonth;
            if (wm > 12) break;
            for (int m = (wm == 0 ? 1 : wm); m <= (wm == 0 ? 12 : wm); ++m) {
                int w = a.m_nWeekDay + 1;
                int day = GetDayOfNthWeekday(Y, m, w, ClampLastWeekdayOrdinal(Y, m, a.m_nWeekNumber, w));
                if (day > 31) day = 31;
                marks[m - 1][day - 1] |= b;
                if (a.m_bHoliday) marks[m - 1][day - 1] |= 0x80000000u;
            }
            break;
        }
        case CAlarmInfo::KindEveryNDays: {
            int n = a.m_nDayValue;
            if (n < 2) break;
            if (Y * 12 + M < a.m_nYear * 12 + a.m_nMonth) break;
            int d = GetDaysBetween(a.m_nYear, a.m_nMonth, a.m_nDay, Y, M, 1);
            int e = d < 0 ? -d : (n - d % n) % n;
            for (; e < 31; e += n) marks[M - 1][e] |= b;
            break;
        }
        default:
            break;
        }
    }
}

void CAlarmCalendar::MarkCalendarAlarmRanges(const CArray<CAlarmInfo>& alarms, int Y, int M, RangeDayMarks& ranges) {
    const int F = CDayMath::DateKey(Y, M, 1);
    for (const CAlarmInfo& a : alarms) {
        if (a.m_nKind != CAlarmInfo::KindPeriod) continue;
        int s = a.GetDateKey() - F;
        int e = a.m_nEndDate - F;
        if (e < 0 || s > 30) continue;
        if (s >= 0) ranges[s] |= 1;
        if (e <= 30) ranges[e] |= 4;
        for (int i = std::max(s + 1, 0); i <= std::min(e - 1, 30); ++i) ranges[i] |= 2;
    }
}

CString CAlarmCalendar::GetDayAlarmText(const CArray<CAlarmInfo>& alarms, int y, int m, int d,
                                        const CalendarKindOptions& options) {
    CString text;
    for (const CAlarmInfo& a : alarms) {
        if (a.m_nKind < CAlarmInfo::KindTargetDay || a.m_nKind > CAlarmInfo::KindEveryNDays) continue;
        if (!options.Shows(a.m_nKind) || !MatchesDate(a, y, m, d)) continue;
        text += a.m_strContents;
        text += L"\n";
    }
    return text;
}

void CAlarmCalendar::AppendAlarmSchedules(const CArray<CAlarmInfo>& alarms, std::vector<CScheduleInfo>& rows, int Y,
                                          int M, int D, int hour, int minute, const ScheduleOptions& options) {
    const int N = hour * 60 + minute;
    for (const CAlarmInfo& a : alarms) {
        if (a.m_bDone && !options.showChecked) continue;
        const int m = a.m_nMinuteOfDay;
        CScheduleInfo row;
        row.m_bPassed = N >= m;
        row.m_nMinutesLeft = m - N;
        row.m_nHour = a.m_nHour;
        row.m_nMinute = a.m_nMinute;
        row.m_nSortGroup = 0;
        row.m_bDone = a.m_bDone;
        if (a.m_nTimeMode == CAlarmInfo::TimeModeAllDay) {
            row.m_bHasTime = 0;
            row.m_nSortKey = 0;
            row.m_bPassed = 1;
        } else {
            row.m_bHasTime = 1;
            row.m_nSortKey = m;
        }
        bool listed = false;
        switch (a.m_nKind) {
        case CAlarmInfo::KindEveryDay: listed = true; break;
        case CAlarmInfo::KindOnce: listed = a.m_bEnabled != 0; break;
        case CAlarmInfo::KindTargetDay:
            if (a.m_nYear == Y && a.m_nMonth == M && a.m_nDay == D) {
                listed = true;
            } else if (a.m_bDDay && options.showDDay) {
                int I = GetDaysBetween(Y, M, D, a.m_nYear, a.m_nMonth, a.m_nDay);
                if (I != 0) {
                    row.m_nDays = I;
                    row.m_nSortKey = std::abs(I);
                    if (I < 0) {
                        row.m_bPassed = 1;
                        row.m_nSortGroup = options.sortByTime ? 1 : 2;
                    } else {
                        row.m_bPassed = 0;
                        row.m_nSortGroup = options.sortByTime ? 2 : 1;
                    }
                    row.m_strText = a.GetDisplayText();
                    row.m_nIcon = a.m_nIcon;
                    row.m_nId = a.m_nId;
                    rows.push_back(row);
                }
            }
            break;
        default: listed = MatchesDate(a, Y, M, D); break;
        }
        if (!listed) continue;
        row.m_strText = a.GetDisplayText();
        row.m_strTime.Format(L"%02d:%02d", a.m_nHour, a.m_nMinute);
        row.m_nIcon = a.m_nIcon;
        row.m_nId = a.m_nId;
        rows.push_back(row);
    }
}

bool CAlarmCalendar::AnniversaryFallsOn(const CDayInfo& info, int Y, int M, int D) {
    if (!info.m_bLunar) return info.m_nMonth == M && info.m_nDay == D;
    LunarDate lunar;
    if (info.m_nMonth == 1 && info.m_nDay == 0) {
        // The eve is found from the day after: the lunar new year's day.
        int y, m, d;
        FromDayNumber(DayNumber(Y, M, D) + 1, y, m, d);
        lunar = SolarToLunar(y, m, d);
        return lunar.valid && lunar.month == 1 && lunar.day == 1 && !!info.m_bLeap == !!lunar.leap;
    }
    lunar = SolarToLunar(Y, M, D);
    return lunar.valid && info.m_nMonth == lunar.month && info.m_nDay == lunar.day && !!info.m_bLeap == !!lunar.leap;
}

void CAlarmCalendar::AppendAnniversarySchedules(const CArray<CDayInfo>& anniversaries, std::vector<CScheduleInfo>& rows,
                                                int Y, int M, int D, const ScheduleOptions& options) {
    for (const CDayInfo& info : anniversaries) {
        if (AnniversaryFallsOn(info, Y, M, D)) {
            CScheduleInfo row;
            row.m_bDayAnniversary = 1;
            row.m_nSortGroup = 100;
            row.m_strText = info.m_strText;
            row.m_nIcon = info.m_nIcon;
            row.m_nId = info.m_nId;
            rows.push_back(row);
        }
        if (info.m_nDaysBefore > 0 && options.showDDay) {
            int u = DaysUntilAnniversary(Y, M, D, info.m_nMonth, info.m_nDay, info.m_bLunar ? TRUE : FALSE,
                                         info.m_bLeap ? TRUE : FALSE);
            if (u != 0 && u <= info.m_nDaysBefore) {
                CScheduleInfo row;
                row.m_nDays = u;
                row.m_nSortKey = u;
                row.m_nSortGroup = options.sortByTime ? 2 : 1;
                row.m_strText = info.m_strText;
                row.m_nIcon = info.m_nIcon;
                row.m_nId = info.m_nId;
                rows.push_back(row);
            }
        }
    }
}

void CAlarmCalendar::GetDaySchedules(const CArray<CAlarmInfo>& alarms, const CArray<CDayInfo>* anniversaries,
                                     std::vector<CScheduleInfo>& rows, LunarDate& lunar, int Y, int M, int D, int hour,
                                     int minute, const ScheduleOptions& options) {
    rows.clear();
    if (!anniversaries) return;
    lunar = SolarToLunar(Y, M, D);
    AppendAnniversarySchedules(*anniversaries, rows, Y, M, D, options);
    AppendAlarmSchedules(alarms, rows, Y, M, D, hour, minute, options);
}
