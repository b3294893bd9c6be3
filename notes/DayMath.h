// Calendar arithmetic on plain year/month/day integers that the alarm check,
// the calendar marks and the day lists need beyond the shared date services
// (shell/DateUtil.h): day numbers over any year, moving a moment by minutes,
// and the integer keys of moments and dates. Weekdays run 1 = Sunday to
// 7 = Saturday; ordinals of a weekday in its month are zero-based.
#pragma once

#include "fw/Afx.h"
#include "shell/DateUtil.h"

class CDayMath {
public:
    // Proleptic Gregorian day number, 1 January of year 1 being day 1. Day 0
    // of a month means the last day of the month before.
    static long long DayNumber(int year, int month, int day);
    static void FromDayNumber(long long dayNumber, int& year, int& month, int& day);

    // A local date and time moved by a number of minutes (negative allowed).
    static void AddMinutesToTime(int& year, int& month, int& day, int& hour, int& minute, int minutes);

    // Keys that compare moments and dates as integers (months of 31 days).
    static int MinuteKey(int year, int month, int day, int hour, int minute);
    static int DateKey(int year, int month, int day) { return year * 372 + month * 31 + day; }

    // The shared date services under the names the alarm check and the alarm
    // record call them by; new code calls them directly.
    static int GetDaysInMonth(int year, int month) { return ::GetDaysInMonth(year, month); }
    static int GetDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2) {
        return ::GetDaysBetween(y1, m1, d1, y2, m2, d2);
    }
    static int GetWeekday(int year, int month, int day) { return ::GetWeekday(year, month, day); }
    static int GetWeekdayOrdinal(int year, int month, int day, int weekday) {
        return ::GetWeekdayOrdinal(year, month, day, weekday);
    }
    static int GetDayOfNthWeekday(int year, int month, int weekday, int n) {
        return ::GetDayOfNthWeekday(year, month, weekday, n);
    }
    static int ClampLastWeekdayOrdinal(int year, int month, int n, int weekday) {
        return ::ClampLastWeekdayOrdinal(year, month, n, weekday);
    }
    static int TestWeekdayFlag(int weekdaySet, int weekday) {
        return ::TestWeekdayFlag((unsigned char)weekdaySet, weekday);
    }
    static DWORD MakeMarkBit(int index) { return ::MakeMarkBit(index); }
};
