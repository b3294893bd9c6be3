// CAlarmCalendar: what the calendar views show of the alarms: the marks of
// the days of a year and of the periods of a month, the text of a day cell
// and the rows of one day's schedule list, from the alarms and the
// anniversaries. The same repetition rules as the minute check, applied to a
// date.
#pragma once

#include "calendar/AlarmInfo.h"
#include "calendar/DayInfo.h"
#include "calendar/LunarCalendar.h"
#include "calendar/ScheduleInfo.h"

#include <vector>

// Section Calendar: which kinds appear in marks and day texts.
struct CalendarKindOptions {
    bool targetDay = true;   // TargetDay, kind 2
    bool dayOfWeek = true;   // DayOfWeek, kind 3
    bool period = true;      // Period, kind 4
    bool dayOfMonth = true;  // DayOfMonth, kind 5
    bool targetWeek = true;  // TargetWeek, kind 6
    bool repeat = true;      // Repeat, kind 7
    bool Shows(int kind) const;
};

// Section Schedule: what the day lists hold.
struct ScheduleOptions {
    bool showDDay = true;     // ShowDDay
    bool sortByTime = true;   // SortByTime
    bool showChecked = true;  // ShowChecked
};

typedef DWORD MonthDayMarks[12][31];
typedef DWORD RangeDayMarks[31];

class CAlarmCalendar {
public:
    // Whether an alarm of kinds 2 to 7 falls on the date.
    static bool MatchesDate(const CAlarmInfo& alarm, int year, int month, int day);
    // ORs the icon mark of every shown alarm into the year's day marks.
    static void MarkCalendarAlarms(const CArray<CAlarmInfo>& alarms, int year, int month,
                                   const CalendarKindOptions& options, MonthDayMarks& marks);
    // ORs 1 (first day), 2 (inside) and 4 (last day) of every period alarm
    // touching the month.
    static void MarkCalendarAlarmRanges(const CArray<CAlarmInfo>& alarms, int year, int month, RangeDayMarks& ranges);
    // One line per alarm of the date, each ending in "\n".
    static CString GetDayAlarmText(const CArray<CAlarmInfo>& alarms, int year, int month, int day,
                                   const CalendarKindOptions& options);
    // Appends the alarm rows of a date; now is hour:minute for the passed
    // flags.
    static void AppendAlarmSchedules(const CArray<CAlarmInfo>& alarms, std::vector<CScheduleInfo>& rows, int year,
                                     int month, int day, int hour, int minute, const ScheduleOptions& options);

    // Whether an anniversary falls on a solar date. A lunar one on day 0 of
    // the first month is the last day of the lunar year, the eve of the
    // lunar new year.
    static bool AnniversaryFallsOn(const CDayInfo& anniversary, int year, int month, int day);
    // Appends, in list order, a row for each anniversary on the date and a
    // D-day row for each one due within its days of notice.
    static void AppendAnniversarySchedules(const CArray<CDayInfo>& anniversaries, std::vector<CScheduleInfo>& rows,
                                           int year, int month, int day, const ScheduleOptions& options);
    // The whole list of a date, unsorted: the anniversary rows, then the
    // alarm rows, with the date's lunar date. Without an anniversary list
    // (no calendar yet) the list stays empty.
    static void GetDaySchedules(const CArray<CAlarmInfo>& alarms, const CArray<CDayInfo>* anniversaries,
                                std::vector<CScheduleInfo>& rows, LunarDate& lunar, int year, int month, int day,
                                int hour, int minute, const ScheduleOptions& options);
};
