#include "calendar/LunarCalendar.h"

#include "calendar/LunarTables.h"
#include "calendar/ManSe.h"
#include "shell/DateUtil.h"

#include <algorithm>
#include <array>

namespace {

// Lunar day count of solar 1841-01-23 (lunar 1841-01-01) is 1.
const int kLunarDayOffset = 672068;

const wchar_t* const kStems[10] = {L"갑", L"을", L"병", L"정", L"무", L"기", L"경", L"신", L"임", L"계"};
const wchar_t* const kStemsChinese[10] = {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"};
const wchar_t* const kBranches[12] = {L"자", L"축", L"인", L"묘", L"진", L"사",
                                      L"오", L"미", L"신", L"유", L"술", L"해"};
const wchar_t* const kBranchesChinese[12] = {L"子", L"丑", L"寅", L"卯", L"辰", L"巳",
                                             L"午", L"未", L"申", L"酉", L"戌", L"亥"};
const wchar_t* const kAnimals[12] = {L"쥐", L"소", L"범", L"토끼", L"용", L"뱀",
                                     L"말", L"양", L"원숭이", L"닭", L"개", L"돼지"};
const wchar_t* const kWeekdaysChinese[7] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

// Days of a month code: regular month and its leap month (0 when none).
int RegularLength(int code) { return (code == 2 || code == 5 || code == 6) ? 30 : 29; }
int LeapLength(int code) {
    switch (code) {
    case 3: case 5: return 29;
    case 4: case 6: return 30;
    default: return 0;
    }
}
int CodeLength(int code) { return RegularLength(code) + LeapLength(code); }

// Lunar day count at which each table year begins, minus one (so year i holds
// the counts yearStart[i] + 1 .. yearStart[i + 1]).
const std::array<int, kLunarYearCount + 1>& YearStarts() {
    static const std::array<int, kLunarYearCount + 1> starts = [] {
        std::array<int, kLunarYearCount + 1> s{};
        for (int i = 0; i < kLunarYearCount; ++i) {
            int length = 0;
            for (int m = 0; m < 12; ++m)
                length += CodeLength(g_LunarMonthTable[i][m]);
            s[i + 1] = s[i] + length;
        }
        return s;
    }();
    return starts;
}

void CopyName(wchar_t* target, size_t capacity, const CString& text) {
    size_t n = std::min((size_t)text.GetLength(), capacity - 1);
    std::copy((const wchar_t*)text, (const wchar_t*)text + n, target);
    target[n] = 0;
}

bool SolarDateIsValid(int year, int month, int day) {
    return year >= kLunarFirstYear && year <= kLunarLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= GetDaysInMonth(year, month);
}

}  // namespace

namespace lunar {

int LunarMonthLength(int year, int month, bool leap) {
    if (year < kLunarFirstYear || year > kLunarLastYear || month < 1 || month > 12)
        return 0;
    int code = g_LunarMonthTable[year - kLunarFirstYear][month - 1];
    return leap ? LeapLength(code) : RegularLength(code);
}

CString CycleName(int index, bool chinese) {
    index = ((index % 60) + 60) % 60;
    CString name = chinese ? kStemsChinese[index % 10] : kStems[index % 10];
    name += chinese ? kBranchesChinese[index % 12] : kBranches[index % 12];
    return name;
}

}  // namespace lunar

LunarDate SolarToLunar(int year, int month, int day) {
    LunarDate result;
    if (!SolarDateIsValid(year, month, day))
        return result;
    int n = (int)(DayNumber(year, month, day) - kLunarDayOffset);
    // Solar days of 1841 before its lunar new year have no lunar date here.
    if (n < 1)
        return result;

    const auto& starts = YearStarts();
    int index = int(std::lower_bound(starts.begin() + 1, starts.end(), n) - starts.begin()) - 1;
    n -= starts[index];
    const unsigned char* codes = g_LunarMonthTable[index];
    for (int m = 0; m < 12; ++m) {
        int regular = RegularLength(codes[m]);
        if (n <= regular) {
            result.year = kLunarFirstYear + index;
            result.month = m + 1;
            result.day = n;
            result.valid = TRUE;
            return result;
        }
        n -= regular;
        int leapLength = LeapLength(codes[m]);
        if (leapLength != 0) {
            if (n <= leapLength) {
                result.year = kLunarFirstYear + index;
                result.month = m + 1;
                result.day = n;
                result.leap = TRUE;
                result.valid = TRUE;
                return result;
            }
            n -= leapLength;
        }
    }
    return result;  // not reached: every valid date lies within the table
}

SolarDate LunarToSolar(int year, int month, int day, BOOL leap) {
    SolarDate result;
    if (year < kLunarFirstYear || year > kLunarLastYear || month < 1 || month > 12)
        return result;
    const int index = year - kLunarFirstYear;
    const unsigned char* codes = g_LunarMonthTable[index];
    const int code = codes[month - 1];
    const bool isLeap = leap && LeapLength(code) != 0;
    const int length = isLeap ? LeapLength(code) : RegularLength(code);
    if (day > length || day < 0 || (day == 0 && month != 1))
        return result;

    int f = YearStarts()[index];
    for (int m = 0; m < month - 1; ++m)
        f += CodeLength(codes[m]);
    if (isLeap)
        f += RegularLength(code);
    f += day;

    // f is now the lunar day count; the solar day number follows directly.
    FromDayNumber(f + kLunarDayOffset, result.year, result.month, result.day);
    result.valid = TRUE;
    return result;
}

DateInfo GetDateInfo(int year, int month, int day) {
    DateInfo info;
    LunarDate lunarDate = SolarToLunar(year, month, day);
    if (!lunarDate.valid)
        return info;

    const int dayNumber = (int)DayNumber(year, month, day);
    info.lunarYear = (SHORT)lunarDate.year;
    info.dangunYear = (SHORT)(year + 2333);
    info.lunarMonth = (BYTE)lunarDate.month;
    info.lunarDay = (BYTE)lunarDate.day;
    info.leap = lunarDate.leap ? 1 : 0;
    // From the day number, not GetWeekday: that one counts only from 1900.
    info.weekday = (BYTE)(dayNumber % 7);

    const int dayStem = (dayNumber + 4) % 10, dayBranch = (dayNumber + 2) % 12;
    const int yearStem = (lunarDate.year + 6) % 10, yearBranch = (lunarDate.year + 8) % 12;
    const int monthIndex = CManSe().GetFourPillars(year, month, day, 12, 0);

    CopyName(info.yearName, 5, CString(kStems[yearStem]) + kBranches[yearBranch]);
    CopyName(info.monthName, 5, lunar::CycleName(monthIndex, false));
    CopyName(info.dayName, 5, CString(kStems[dayStem]) + kBranches[dayBranch]);
    CopyName(info.animal, 7, kAnimals[yearBranch]);
    CopyName(info.yearNameChinese, 5, CString(kStemsChinese[yearStem]) + kBranchesChinese[yearBranch]);
    CopyName(info.monthNameChinese, 5, lunar::CycleName(monthIndex, true));
    CopyName(info.weekdayChinese, 3, kWeekdaysChinese[info.weekday]);
    CopyName(info.dayNameChinese, 5, CString(kStemsChinese[dayStem]) + kBranchesChinese[dayBranch]);
    info.valid = 1;
    return info;
}
