// Calendar arithmetic on plain year/month/day integers, weekday sets, mark
// bits, and the range tests the window snapping uses. Weekdays count
// 1 = Sunday ... 7 = Saturday. The day differences and weekdays count dates
// from 1900 to 2400; a year outside that range, or a month outside 0-12,
// gives a day difference of 0. The day numbers cover any year.
#pragma once

// Proleptic Gregorian day number, 1 January of year 1 being day 1. Day 0 of
// a month means the last day of the month before; a month below 1 counts no
// months before the day, one above 12 the whole year, so dates simply run on.
long long DayNumber(int year, int month, int day);
void FromDayNumber(long long dayNumber, int& year, int& month, int& day);
// A date and time moved by a number of minutes (negative allowed).
void AddMinutesToTime(int& year, int& month, int& day, int& hour, int& minute, int minutes);

// Days from the first date to the second (negative when it is earlier).
// Day 0 of a month means the last day of the month before.
int GetDaysBetween(int y1, int m1, int d1, int y2, int m2, int d2);
// 28 to 31; 0 for a month outside 1-12.
int GetDaysInMonth(int year, int month);
int GetFirstWeekdayOfMonth(int year, int month);
int GetWeekday(int year, int month, int day);
// Zero-based n: the date is the (n+1)-th such weekday of its month.
int GetWeekdayOrdinal(int year, int month, int day, int weekday);
// Day of the (n+1)-th such weekday; at least 1, may pass the month's end.
int GetDayOfNthWeekday(int year, int month, int weekday, int n);
// Sundays from 1 January up to and including the date.
int GetWeekOfYear(int year, int month, int day);
// n below 4 stays; 4 or more ("last") is 4 when the month has a fifth such
// weekday, else 3.
int ClampLastWeekdayOrdinal(int year, int month, int n, int weekday);
// A weekday set holds weekday w in bit w - 1.
int TestWeekdayFlag(unsigned char weekdays, int weekday);
int MakeWeekdayFlag(int index);
// Calendar mark sets hold mark n (0-28) in bit n.
unsigned int MakeMarkBit(int index);

bool IsInRange(const int* value, const int* low, const int* high);
bool RangesOverlap(const int* a0, const int* a1, const int* b0, const int* b1);
// Snapping reaches only below the snap distance, not at it.
bool IsWithinSnapDistance(const int* a, const int* b, int snapDistance);
int AbsDifference(const int* a, const int* b);
