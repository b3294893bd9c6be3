#include "notes/DayMath.h"

#include <climits>

long long CDayMath::DayNumber(int year, int month, int day) {
    long long y = (long long)year - 1;
    long long days = 365 * y + y / 4 - y / 100 + y / 400 + day;
    // A month below 1 counts no months before the day, one above 12 the
    // whole year, so dates simply run on.
    for (int m = 1; m < month && m <= 12; ++m) days += ::GetDaysInMonth(year, m);
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
