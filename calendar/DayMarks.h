// The day-mark tables the calendar draws from: one 32-bit word per day, bit 31
// for a holiday and bit n for a mark of icon n (icons 0 to 28).
#pragma once

#include "calendar/DayInfo.h"

const DWORD kHolidayMark = 0x80000000u;
const int kMaxMarkIcon = 28;
const DWORD kRangeFirstDay = 1, kRangeInside = 2, kRangeLastDay = 4;

extern DWORD g_AnniversaryDayMarks[12][31];  // solar anniversaries, any year
extern DWORD g_MonthDayMarks[12][31];        // lunar anniversaries and repeating alarms of the shown year
extern DWORD g_RangeDayMarks[31];            // date-range alarms of the shown month

// The main frame adds its alarms to the month and range marks: it sets these
// while its alarms are loaded and clears them when it goes. Left empty, only
// the anniversaries are marked.
using MarkAlarmsHook = void (*)(int year, int month);
extern MarkAlarmsHook g_MarkCalendarAlarms;
extern MarkAlarmsHook g_MarkCalendarAlarmRanges;

// The mark bit of an icon number: none below 0 or above 28.
DWORD IconMarkBit(int icon);
// The cell of a month and day, or null when either lies outside the table:
// a broken record never writes past it.
DWORD* DayMarkCell(DWORD (&table)[12][31], int month, int day);
// ORs a day's holiday and icon marks into a table (nothing for a bad date).
void MarkDay(DWORD (&table)[12][31], int month, int day, bool holiday, int icon);
// Marks a solar anniversary in g_AnniversaryDayMarks; lunar ones are left to
// MarkMonthAnniversaries.
void MarkSolarAnniversary(const CDayInfo& info);

void ClearAnniversaryMarks();
void ClearMonthMarks();
void ClearRangeMarks();

// Rebuilds g_MonthDayMarks for the shown year: the lunar anniversaries that
// fall in it (converted from that lunar year and the one before), then the
// main frame's repeating alarms.
void MarkMonthAnniversaries(const CArray<CDayInfo>* list, int year, int month);
// Rebuilds g_RangeDayMarks through the main frame.
void MarkMonthRanges(int year, int month);
