// Conversion between solar (Gregorian) dates and the Korean lunisolar
// calendar for the lunar years 1841 to 2043, and the traditional names of a
// date (sixty-cycle names of year, month and day, the year's animal).
#pragma once

#include "fw/Afx.h"

struct LunarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    BOOL leap = FALSE;   // the leap month of that number
    BOOL valid = FALSE;
};

struct SolarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    BOOL valid = FALSE;
};

// The names of a date, in the layout other parts of the program copy.
struct DateInfo {
    SHORT lunarYear = 0;
    SHORT dangunYear = 0;
    BYTE lunarMonth = 0;
    BYTE lunarDay = 0;
    BYTE weekday = 0;  // 0 Sunday
    BYTE leap = 0;
    wchar_t yearName[5] = {};         // sixty-cycle name of the lunar year, Hangul
    wchar_t monthName[5] = {};        // of the month (changes at the solar terms)
    wchar_t dayName[5] = {};
    wchar_t animal[7] = {};           // animal of the lunar year
    wchar_t yearNameChinese[5] = {};
    wchar_t monthNameChinese[5] = {};
    wchar_t weekdayChinese[3] = {};
    wchar_t dayNameChinese[5] = {};
    INT32 valid = 0;
};

LunarDate SolarToLunar(int year, int month, int day);
// day 0 of month 1 is the day before the lunar new year. A leap flag on a
// month that has no leap month is ignored.
SolarDate LunarToSolar(int year, int month, int day, BOOL leap);
DateInfo GetDateInfo(int year, int month, int day);

// Small helpers shared by the calendar code. Solar dates use the shared date
// functions (shell/DateUtil.h).
namespace lunar {
// Length of a lunar month of a table year; leap asks for the leap month.
// 0 when the year or month is outside the table or there is no such month.
int LunarMonthLength(int year, int month, bool leap);
// The sixty-cycle name of an index (0 = 갑자), Hangul or Chinese characters.
CString CycleName(int index, bool chinese);
}  // namespace lunar
