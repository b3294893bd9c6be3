#include "DateUtil.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

const int kFirstYear = 1900, kLastYear = 2400;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsCountable(int year, int month) {
    return year >= kFirstYear && year <= kLastYear && month >= 0 && month <= 12;
}

}  // namespace

long long DayNumber(int year, int month, int day) {
    // Days before month 1 to 13 of a common year; month 13 is the whole year.
    static const int daysBefore[14] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
    const int m = std::min(std::max(month, 1), 13);
    long long before = (long long)year - 1;
    long long days = 365 * before + before / 4 - before / 100 + before / 400 + daysBefore[m] + day;
    if (m > 2 && IsLeapYear(year)) ++days;
    return days;
}

void FromDayNumber(long long n, int& year, int& month, int& day) {
    // Count 400-, 100-, 4- and 1-year cycles from 1 January of year 1.
    long long d = n - 1;
    long long q400 = d / 146097;
    d %= 146097;
    if (d < 0) {
        d += 146097;
        --q400;
    }
    long long q100 = d / 36524;
    if (q100 == 4) q100 = 3;
    d -= q100 * 36524;
    long long q4 = d / 1461;
    d -= q4 * 1461;
    long long q1 = d / 365;
    if (q1 == 4) q1 = 3;
    d -= q1 * 365;
    year = (int)(q400 * 400 + q100 * 100 + q4 * 4 + q1 + 1);
    int dayOfYear = (int)d;  // zero-based
    month = 1;
    while (month < 12) {
        int length = GetDaysInMonth(year, month);
        if (dayOfYear < length) break;
        dayOfYear -= length;
        ++month;
    }
    day = dayOfYear + 1;
}

void AddMinutesToTime(int& year, int& month, int& day, int& hour, int& minute, int minutes) {
    long long total = (DayNumber(year, month, day) * 24 + hour) * 60 + minute + minutes;
    long long dayNumber = total / 1440;
    long long rest = total % 1440;
    if (rest < 0) {
        rest += 1440;
        --dayNumber;
    }
    FromDayNumber(dayNumber, year, month, day);
    hour = (int)(rest / 60);
    minute = (int)(rest % 60);
}

int GetDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (!IsCountable(y1, m1) || !IsCountable(y2, m2)) return 0;
    long long days = DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1);
    // Days come from callers' arithmetic; the difference stays within an int.
    return (int)std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, days));
}

int GetDaysInMonth(int year, int month) {
    static const int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month];
}

int GetWeekday(int year, int month, int day) {
    // Counted from 31 December 1899, a Sunday.
    int days = GetDaysBetween(1900, 1, 0, year, month, day);
    return (days % 7 + 7) % 7 + 1;
}

int GetFirstWeekdayOfMonth(int year, int month) { return GetWeekday(year, month, 1); }

int GetWeekdayOrdinal(int year, int month, int day, int weekday) {
    int first = GetFirstWeekdayOfMonth(year, month);
    int n = (first + day - 2) / 7;
    if (weekday < first) --n;
    return n;
}

int GetDayOfNthWeekday(int year, int month, int weekday, int n) {
    int first = GetFirstWeekdayOfMonth(year, month);
    int day = weekday < first ? weekday + 7 * n - first + 8 : weekday + 7 * n - first + 1;
    return day < 1 ? 1 : day;
}

int GetWeekOfYear(int year, int month, int day) {
    int d = GetWeekday(year, 1, 1);
    int a = GetDaysBetween(year, 1, 1, year, month, day);
    int week = (a + d) / 7 - 1;
    if ((a + d) % 7 > 0) ++week;
    if (d == 1) ++week;
    return week;
}

int ClampLastWeekdayOrdinal(int year, int month, int n, int weekday) {
    if (n < 4) return n;
    return GetDayOfNthWeekday(year, month, weekday, 4) > GetDaysInMonth(year, month) ? 3 : 4;
}

int TestWeekdayFlag(unsigned char weekdays, int weekday) {
    if (weekday < 1 || weekday > 7) return 0;
    return weekdays & (1 << (weekday - 1));
}

int MakeWeekdayFlag(int index) { return index >= 0 && index <= 6 ? 1 << index : 0; }

unsigned int MakeMarkBit(int index) { return index >= 0 && index <= 28 ? 1u << index : 0u; }

bool IsInRange(const int* value, const int* low, const int* high) { return *low <= *value && *value <= *high; }

bool RangesOverlap(const int* a0, const int* a1, const int* b0, const int* b1) {
    return IsInRange(a0, b0, b1) || IsInRange(a1, b0, b1) || (*b0 >= *a0 && *a1 >= *b1);
}

bool IsWithinSnapDistance(const int* a, const int* b, int snapDistance) {
    return AbsDifference(a, b) < snapDistance;
}

int AbsDifference(const int* a, const int* b) { return std::abs(*a - *b); }
