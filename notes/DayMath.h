// Calendar arithmetic on plain year/month/day integers, as the alarm check,
// the calendar marks and the day lists need it. Weekdays run 1 = Sunday to
// 7 = Saturday; ordinals of a weekday in its month are zero-based.
#pragma once

#include "fw/Afx.h"

class CDayMath {
public:
    // Proleptic Gregorian day number, 1 January of year 1 being day 1. Day 0
    // of a month means the last day of the month before.
    static long long DayNumber(int year, int month, int day);
    static void FromDayNumber(long long dayNumber, int& year, int& month, int& day);

    static bool IsLeapYear(int year);
    static int GetDaysInMonth(int year, int month);
    // Days from the first date to the second; 0 when a year lies outside
    // 1900..2400.
    static int GetDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2);
    static int GetWeekday(int year, int month, int day);
    static int GetWeekdayOrdinal(int year, int month, int day, int weekday);
    static int GetDayOfNthWeekday(int year, int month, int weekday, int n);
    static int ClampLastWeekdayOrdinal(int year, int month, int n, int weekday);
    static int TestWeekdayFlag(int weekdaySet, int weekday);
    static DWORD MakeMarkBit(int index);

    // A local date and time moved by a number of minutes (negative allowed).
    static void AddMinutesToTime(int& year, int& month, int& day, int& hour, int& minute, int minutes);

    // Keys that compare moments and dates as integers (months of 31 days).
    static int MinuteKey(int year, int month, int day, int hour, int minute);
    static int DateKey(int year, int month, int day) { return year * 372 + month * 31 + day; }
};
