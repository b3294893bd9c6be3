#include "calendar/ManSe.h"

#include "calendar/LunarTables.h"

#include <algorithm>

namespace {

// Periods when the civil clock differed from the time the solar-term table
// is kept in: UTC+8:30 and the summers of daylight-saving time. A count
// inside a period (both ends included) is lowered by its minutes.
struct ClockCorrection {
    int from, to, minutes;
};
const ClockCorrection kCorrections[] = {
    {4209120, 5605919, 30},    // 1908-01-03 to 1910-08-29
    {28514880, 32401439, 30},  // 1954-03-21 to 1961-08-09
    {25463520, 25627680, 60},  // summer 1948
    {25904160, 26163360, 60},  // summer 1949
    {26426880, 26660160, 60},  // summer 1950
    {29655360, 29845440, 60},  // summer 1956
    {31206240, 31406400, 60},  // summer 1959
    {45943320, 46165140, 60},  // summer 1987
    {46468920, 46690740, 60},  // summer 1988
};

const int kFirstTableYear = 1901;
// Twelve sixty-month cycles and fifteen leap-year cycles.
const int kShiftYears = 60;

}  // namespace

int CManSe::MinuteCount(int year, int month, int day, int hour, int minute) {
    static const int daysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int days = (year - 1900) * 365 + (year - 1901) / 4 + daysBefore[month - 1] + day - 1;
    if (year % 4 == 0 && year != 1900 && month > 2)
        days += 1;
    return days * 1440 + hour * 60 + minute;
}

int CManSe::CorrectedMinuteCount(int count) {
    for (const ClockCorrection& c : kCorrections) {
        if (count >= c.from && count <= c.to)
            count -= c.minutes;
    }
    return count;
}

int CManSe::FindTermIndex(int count) {
    const int* end = g_SolarTermTable + kSolarTermCount;
    int index = int(std::upper_bound(g_SolarTermTable, end, count) - g_SolarTermTable) - 1;
    return std::max(index, 0);
}

int CManSe::GetFourPillars(int year, int month, int day, int hour, int minute) const {
    if (month < 1 || month > 12)
        month = 1;
    if (day < 1 || day > 31)
        day = 1;
    // Before the table, move the date forward by whole sixty-month cycles
    // (and whole leap-year cycles, so the terms fall on nearly the same days):
    // the month's name repeats every five years.
    if (year < kFirstTableYear) {
        year += ((kFirstTableYear - year + kShiftYears - 1) / kShiftYears) * kShiftYears;
    }
    int count = CorrectedMinuteCount(MinuteCount(year, month, day, hour, minute));
    return (FindTermIndex(count) + 14) % 60;
}
