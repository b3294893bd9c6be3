#include "notes/DayMath.h"

#include <climits>

namespace {
const int kDaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
}

bool CDayMath::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

long long CDayMath::DayNumber(int year, int month, int day) {
    long long y = (long long)year - 1;
    int m = month % 13;
    if (m < 0) m = 0;
    long long days = 365 * y + kDaysBefore[m] + day + y / 4 - y / 100 + y / 400;
    if (month > 2 && IsLeapYear(year)) days += 1;
    return days;
}

void CDayMath::FromDayNumber(long long n, int& year, int& month, int& day) {
    // Count 400-, 100-, 4- and 1-year cycles from 1 January of year 1.
    long long d = n - 1;
    long long q400 = d / 146097; d %= 146097;
    if (d < 0) { d += 146097; --q400; }
    long long q100 = d / 36524; if (q100 == 4) q100 = 3; d -= q100 * 36524;
    long long q4 = d / 1461; d -= q4 * 1461;
    long long q1 = d / 365; if (q1 == 4) q1 = 3; d -= q1 * 365;
    year = (int)(q400 * 400 + q100 * 100 + q4 * 4 + q1 + 1);
    int dayOfYear = (int)d;  // zero-based
    month = 1;
    while (month < 12) {
        int len = GetDaysInMonth(year, month);
        if (dayOfYear < len) break;
        dayOfYear -= len;
        ++month;
    }
    day = dayOfYear + 1;
}

int CDayMath::GetDaysInMonth(int year, int month) {
    switch (month) {
    case 2: return IsLeapYear(year) ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
    }
}

int CDayMath::GetDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (y1 < 1900 || y1 > 2400 || y2 < 1900 || y2 > 2400) return 0;
    return (int)(DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1));
}

int CDayMath::GetWeekday(int year, int month, int day) {
    int days = GetDaysBetween(1900, 1, 0, year, month, day);
    int w = days % 7;
    if (w < 0) w += 7;
    return w + 1;
}

int CDayMath::GetWeekdayOrdinal(int year, int month, int day, int weekday) {
    int f = GetWeekday(year, month, 1);
    int n = (f + day - 2) / 7;
    if (weekday < f) n -= 1;
    return n;
}

int CDayMath::GetDayOfNthWeekday(int year, int month, int weekday, int n) {
    int f = GetWeekday(year, month, 1);
    int d = weekday < f ? weekday + 7 * n - f + 8 : weekday + 7 * n - f + 1;
    return d < 1 ? 1 : d;
}

int CDayMath::ClampLastWeekdayOrdinal(int year, int month, int n, int weekday) {
    if (n < 4) return n;
    return GetDayOfNthWeekday(year, month, weekday, 4) > GetDaysInMonth(year, month) ? 3 : 4;
}

int CDayMath::TestWeekdayFlag(int weekdaySet, int weekday) {
    if (weekday < 1 || weekday > 7) return 0;
    return weekdaySet & (1 << (weekday - 1));
}

DWORD CDayMath::MakeMarkBit(int index) {
    return index >= 0 && index <= 28 ? (DWORD)1 << index : 0;
}

void CDayMath::AddMinutesToTime(int& year, int& month, int& day, int& hour, int& minute, int minutes) {
    long long total = (DayNumber(year, month, day) * 24 + hour) * 60 + minute + minutes;
    long long dayNumber = total / 1440;
    long long rest = total % 1440;
    if (rest < 0) { rest += 1440; --dayNumber; }
    FromDayNumber(dayNumber, year, month, day);
    hour = (int)(rest / 60);
    minute = (int)(rest % 60);
}

int CDayMath::MinuteKey(int year, int month, int day, int hour, int minute) {
    // Saturate instead of overflowing on absurd years read from a file.
    long long key = (long long)year * 535680 + (long long)month * 44640 + (long long)day * 1440 + hour * 60LL + minute;
    if (key > INT_MAX) return INT_MAX;
    if (key < INT_MIN) return INT_MIN;
    return (int)key;
}
