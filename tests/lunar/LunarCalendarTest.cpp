#include "calendar/LunarCalendar.h"
#include "calendar/LunarTables.h"
#include "calendar/ManSe.h"
#include "shell/DateUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

struct Ymd {
    int y, m, d;
};

Ymd FromDay(long long n) {
    Ymd date;
    FromDayNumber(n, date.y, date.m, date.d);
    return date;
}

}  // namespace

TEST(LunarCalendar, EdgeCases) {
    struct Case {
        const char* what;
        Ymd solar;
        int ly, lm, ld;
        BOOL leap;
    } cases[] = {
        {"new year 2010", {2010, 2, 14}, 2010, 1, 1, FALSE},
        {"leap third month 2012", {2012, 4, 21}, 2012, 3, 1, TRUE},
        {"regular third month 2012", {2012, 3, 22}, 2012, 3, 1, FALSE},
        {"first day of the table", {1841, 1, 23}, 1841, 1, 1, FALSE},
        {"last day of the table", {2044, 1, 29}, 2043, 12, 30, FALSE},
        {"Seollal 2023", {2023, 1, 22}, 2023, 1, 1, FALSE},
        {"leap second month 2023", {2023, 3, 22}, 2023, 2, 1, TRUE},
        {"leap fourth month 2020", {2020, 5, 23}, 2020, 4, 1, TRUE},
        // Where the published calendar and a true-sun, true-moon computation
        // part: two leap months placed elsewhere, months opened a day earlier.
        {"leap eighth month 1851", {1851, 9, 25}, 1851, 8, 1, TRUE},
        {"eleventh month 1851", {1851, 12, 22}, 1851, 11, 1, FALSE},
        {"1889 ends with a regular twelfth month", {1890, 1, 20}, 1889, 12, 30, FALSE},
        {"leap second month 1890", {1890, 3, 21}, 1890, 2, 1, TRUE},
        {"eighth month 1846", {1846, 9, 20}, 1846, 8, 1, FALSE},
        {"Seollal 1870", {1870, 1, 31}, 1870, 1, 1, FALSE},
        {"a 29-day twelfth month ends 1895", {1896, 2, 12}, 1895, 12, 29, FALSE},
        {"Seollal 1896", {1896, 2, 13}, 1896, 1, 1, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.solar.y <= kLunarLastYear) {
            LunarDate l = SolarToLunar(c.solar.y, c.solar.m, c.solar.d);
            ASSERT_TRUE(l.valid);
            EXPECT_EQ(c.ly, l.year);
            EXPECT_EQ(c.lm, l.month);
            EXPECT_EQ(c.ld, l.day);
            EXPECT_EQ(c.leap, l.leap);
        }
        SolarDate s = LunarToSolar(c.ly, c.lm, c.ld, c.leap);
        ASSERT_TRUE(s.valid);
        EXPECT_EQ(c.solar.y, s.year);
        EXPECT_EQ(c.solar.m, s.month);
        EXPECT_EQ(c.solar.d, s.day);
    }
}

TEST(LunarCalendar, LunarToSolarSpecialDays) {
    struct Case {
        int ly, lm, ld;
        BOOL leap;
        bool valid;
        Ymd solar;
    } cases[] = {
        {2010, 1, 0, FALSE, true, {2010, 2, 13}},   // day before the new year
        {2010, 1, 1, TRUE, true, {2010, 2, 14}},    // no leap first month: flag ignored
        {1841, 1, 0, FALSE, true, {1841, 1, 22}},
        {2010, 2, 0, FALSE, false, {}},
        {2010, 1, -1, FALSE, false, {}},
        {2010, 1, 31, FALSE, false, {}},
        {2012, 2, 30, FALSE, false, {}},            // a 29-day month
        {2012, 3, 30, TRUE, true, {2012, 5, 20}},   // 30-day leap month
        {1840, 12, 1, FALSE, false, {}},
        {2044, 1, 1, FALSE, false, {}},
        {2010, 0, 1, FALSE, false, {}},
        {2010, 13, 1, FALSE, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ly << "-" << c.lm << "-" << c.ld << (c.leap ? " leap" : ""));
        SolarDate s = LunarToSolar(c.ly, c.lm, c.ld, c.leap);
        ASSERT_EQ(c.valid, s.valid != FALSE);
        if (c.valid) {
            EXPECT_EQ(c.solar.y, s.year);
            EXPECT_EQ(c.solar.m, s.month);
            EXPECT_EQ(c.solar.d, s.day);
        }
    }
}

TEST(LunarCalendar, InvalidSolarDates) {
    const Ymd cases[] = {{2044, 1, 1}, {2044, 6, 15}, {1840, 12, 31}, {2010, 4, 31}, {2010, 2, 29},
                         {2010, 0, 1}, {2010, 13, 1}, {2010, 1, 0}, {1841, 1, 22}};
    for (const Ymd& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        EXPECT_FALSE(SolarToLunar(c.y, c.m, c.d).valid);
        EXPECT_FALSE(GetDateInfo(c.y, c.m, c.d).valid);
    }
    EXPECT_TRUE(SolarToLunar(2012, 2, 29).valid);
}

TEST(LunarCalendar, DateInfoNames) {
    DateInfo a = GetDateInfo(1900, 1, 1);
    ASSERT_TRUE(a.valid);
    EXPECT_STREQ(L"갑술", a.dayName);
    EXPECT_STREQ(L"甲戌", a.dayNameChinese);
    EXPECT_EQ(1, a.weekday);
    EXPECT_STREQ(L"月", a.weekdayChinese);
    EXPECT_EQ(1899, a.lunarYear);  // before the lunar new year of 1900
    EXPECT_STREQ(L"기해", a.yearName);

    DateInfo b = GetDateInfo(2010, 2, 14);
    ASSERT_TRUE(b.valid);
    EXPECT_STREQ(L"경인", b.yearName);
    EXPECT_STREQ(L"庚寅", b.yearNameChinese);
    EXPECT_STREQ(L"범", b.animal);
    EXPECT_EQ(0, b.weekday);
    EXPECT_STREQ(L"日", b.weekdayChinese);
    EXPECT_EQ(2010, b.lunarYear);
    EXPECT_EQ(4343, b.dangunYear);
    EXPECT_EQ(1, b.lunarMonth);
    EXPECT_EQ(1, b.lunarDay);
    EXPECT_EQ(0, b.leap);
    EXPECT_STREQ(L"무인", b.monthName);  // after Ipchun: the tiger month of a 경 year
    EXPECT_STREQ(L"戊寅", b.monthNameChinese);

    DateInfo c = GetDateInfo(2012, 4, 21);
    EXPECT_EQ(1, c.leap);
    EXPECT_STREQ(L"원숭이", GetDateInfo(2016, 6, 1).animal);  // longest animal name fits
}

TEST(LunarCalendar, EveryDayRoundTripsAndRunsOn) {
    const int first = DayNumber(1841, 1, 23), last = DayNumber(2044, 1, 29);
    LunarDate previous;
    int y = 1841, m = 1, d = 23;
    int failures = 0;
    for (int n = first; n <= last && failures < 5; ++n) {
        if (y <= kLunarLastYear) {
            LunarDate l = SolarToLunar(y, m, d);
            SolarDate s = LunarToSolar(l.year, l.month, l.day, l.leap);
            bool ok = l.valid && s.valid && s.year == y && s.month == m && s.day == d;
            if (n > first && ok) {
                bool nextDay = l.year == previous.year && l.month == previous.month &&
                               l.leap == previous.leap && l.day == previous.day + 1;
                bool nextMonth = l.day == 1 && previous.day >= 29 &&
                                 ((l.year == previous.year && l.month == previous.month && l.leap && !previous.leap) ||
                                  (l.year == previous.year && l.month == previous.month + 1 && !l.leap) ||
                                  (l.year == previous.year + 1 && l.month == 1 && previous.month == 12 && !l.leap));
                ok = nextDay || nextMonth;
            }
            if (!ok) {
                ++failures;
                ADD_FAILURE() << "solar " << y << "-" << m << "-" << d;
            }
            previous = l;
        }
        if (++d > GetDaysInMonth(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    // The day after the last table day starts the lunar year 2044.
    SolarDate end = LunarToSolar(2043, 12, 30, FALSE);
    EXPECT_EQ(last, DayNumber(end.year, end.month, end.day));
}

TEST(LunarCalendar, SampleRowsAndNewYears) {
    struct Row {
        int year;
        unsigned char codes[12];
    } rows[] = {
        {1841, {1, 2, 4, 1, 1, 2, 1, 2, 1, 2, 2, 1}}, {1900, {1, 2, 1, 1, 2, 1, 2, 5, 2, 2, 1, 2}},
        {2000, {2, 2, 1, 1, 2, 1, 1, 2, 1, 2, 2, 1}}, {2012, {2, 1, 6, 2, 1, 2, 1, 1, 2, 1, 2, 1}},
        {2020, {2, 1, 2, 5, 2, 1, 1, 2, 1, 2, 1, 2}}, {2023, {1, 5, 2, 1, 2, 1, 2, 2, 1, 2, 1, 2}},
        {2043, {1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 2, 2}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.year);
        for (int m = 0; m < 12; ++m)
            EXPECT_EQ(r.codes[m], g_LunarMonthTable[r.year - kLunarFirstYear][m]) << "month " << m + 1;
    }
    for (int y = 0; y < kLunarYearCount; ++y)
        for (int m = 0; m < 12; ++m)
            ASSERT_TRUE(g_LunarMonthTable[y][m] >= 1 && g_LunarMonthTable[y][m] <= 6);
    for (int year = 1900; year <= kLunarLastYear; ++year) {
        SolarDate s = LunarToSolar(year, 1, 1, FALSE);
        ASSERT_TRUE(s.valid);
        int n = DayNumber(s.year, s.month, s.day);
        EXPECT_EQ(year, s.year);
        EXPECT_GE(n, DayNumber(year, 1, 21)) << year;
        EXPECT_LE(n, DayNumber(year, 2, 20)) << year;
    }
    // Well-known Korean new year's days.
    const Ymd seollal[] = {{1985, 2, 20}, {2000, 2, 5}, {2005, 2, 9}, {2015, 2, 19}, {2019, 2, 5},
                           {2020, 1, 25}, {2024, 2, 10}, {2025, 1, 29}, {2026, 2, 17}};
    for (const Ymd& s : seollal) {
        LunarDate l = SolarToLunar(s.y, s.m, s.d);
        EXPECT_TRUE(l.year == s.y && l.month == 1 && l.day == 1 && !l.leap) << s.y;
    }
    // And Chuseok, the 15th of the eighth month.
    const Ymd chuseok[] = {{2019, 9, 13}, {2020, 10, 1}, {2021, 9, 21}, {2022, 9, 10},
                           {2023, 9, 29}, {2024, 9, 17}, {2025, 10, 6}};
    for (const Ymd& s : chuseok) {
        LunarDate l = SolarToLunar(s.y, s.m, s.d);
        EXPECT_TRUE(l.year == s.y && l.month == 8 && l.day == 15 && !l.leap) << s.y;
    }
}

TEST(LunarCalendar, SolarTermTableEnds) {
    EXPECT_EQ(CManSe::MinuteCount(1900, 2, 4, 14, 51), g_SolarTermTable[0]);
    // The last entry is the term of early December 2050.
    int last = g_SolarTermTable[kSolarTermCount - 1];
    EXPECT_GE(last, CManSe::MinuteCount(2050, 12, 6, 0, 0));
    EXPECT_LT(last, CManSe::MinuteCount(2050, 12, 9, 0, 0));
    for (int i = 1; i < kSolarTermCount; ++i) {
        int gap = g_SolarTermTable[i] - g_SolarTermTable[i - 1];
        ASSERT_TRUE(gap > 28 * 1440 && gap < 33 * 1440) << i;
    }
    EXPECT_EQ(0, CManSe::FindTermIndex(0));
    EXPECT_EQ(0, CManSe::FindTermIndex(g_SolarTermTable[0]));
    EXPECT_EQ(kSolarTermCount - 1, CManSe::FindTermIndex(g_SolarTermTable[kSolarTermCount - 1] + 1000000));
    EXPECT_EQ(905, CManSe::FindTermIndex(g_SolarTermTable[905]));
    EXPECT_EQ(904, CManSe::FindTermIndex(g_SolarTermTable[905] - 1));
}

namespace {

// The traditional rule for the month pillar: the tiger month (opened by
// Ipchun) of a year whose stem is 갑 or 기 is 병인, of 을/경 무인, of 병/신 경인,
// of 정/임 임인, of 무/계 갑인; each following month steps on by one.
int ExpectedMonthIndex(int termYear, int monthsAfterIpchun) {
    int yearStem = (termYear + 6) % 10;
    int tigerStem = (yearStem % 5) * 2 + 2;
    int stem = (tigerStem + monthsAfterIpchun) % 10;
    int branch = (2 + monthsAfterIpchun) % 12;
    for (int i = 0; i < 60; ++i)
        if (i % 10 == stem && i % 12 == branch)
            return i;
    return -1;
}

}  // namespace

TEST(LunarCalendar, MonthNamesFollowTheSolarTerms) {
    // Mid-month days lie well away from every month-opening term (they fall
    // on the 4th to 9th), so the 15th's month is fixed by the rule alone;
    // years before the table check the sixty-month cycle is kept.
    for (int year = 1841; year <= 2043; ++year) {
        for (int month = 1; month <= 12; ++month) {
            int termYear = month >= 2 ? year : year - 1;
            int after = (month + 10) % 12;  // February = 0
            DateInfo info = GetDateInfo(year, month, 15);
            ASSERT_TRUE(info.valid || (year == 1841 && month == 1));
            if (!info.valid)
                continue;
            EXPECT_EQ(lunar::CycleName(ExpectedMonthIndex(termYear, after), false), CString(info.monthName))
                << year << "-" << month;
        }
    }
    // At the term's own minute the month changes; a minute earlier it has not.
    const int sampleYears[] = {1901, 1925, 1945, 1970, 1999, 2000, 2024, 2043};
    CManSe manse;
    for (int year : sampleYears) {
        for (int k = 0; k < 12; ++k) {
            int i = (year - 1900) * 12 + k;
            Ymd at = FromDay(DayNumber(1900, 1, 1) + g_SolarTermTable[i] / 1440);
            int minute = g_SolarTermTable[i] % 1440;
            ASSERT_EQ(g_SolarTermTable[i], CManSe::MinuteCount(at.y, at.m, at.d, minute / 60, minute % 60));
            EXPECT_EQ((i + 14) % 60, manse.GetFourPillars(at.y, at.m, at.d, minute / 60, minute % 60));
            Ymd before = minute > 0 ? at : FromDay(DayNumber(at.y, at.m, at.d) - 1);
            int m1 = minute > 0 ? minute - 1 : 1439;
            EXPECT_EQ((i + 13) % 60, manse.GetFourPillars(before.y, before.m, before.d, m1 / 60, m1 % 60))
                << year << " term " << k;
        }
    }
}

TEST(LunarCalendar, ClockCorrections) {
    // In the summer of 1987 the clock ran an hour ahead: 60 minutes off.
    int summer = CManSe::MinuteCount(1987, 7, 1, 12, 0);
    EXPECT_EQ(summer - 60, CManSe::CorrectedMinuteCount(summer));
    int winter = CManSe::MinuteCount(1987, 12, 1, 12, 0);
    EXPECT_EQ(winter, CManSe::CorrectedMinuteCount(winter));
    EXPECT_EQ(4209120 - 30, CManSe::CorrectedMinuteCount(4209120));
    EXPECT_EQ(4209119, CManSe::CorrectedMinuteCount(4209119));
    // Out-of-range month and day fall back to the first.
    CManSe manse;
    EXPECT_EQ(manse.GetFourPillars(2000, 1, 1, 12, 0), manse.GetFourPillars(2000, 0, 0, 12, 0));
    EXPECT_EQ(manse.GetFourPillars(2000, 1, 1, 12, 0), manse.GetFourPillars(2000, 13, 32, 12, 0));
}

TEST(LunarCalendarBenchmark, EveryDayBothWays) {
    auto start = std::chrono::steady_clock::now();
    long long checksum = 0;
    int days = 0;
    for (int y = 1841; y <= kLunarLastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= GetDaysInMonth(y, m); ++d) {
                LunarDate l = SolarToLunar(y, m, d);
                if (!l.valid)
                    continue;
                SolarDate s = LunarToSolar(l.year, l.month, l.day, l.leap);
                checksum += s.day;
                ++days;
            }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("[ benchmark ] %d days converted both ways in %.1f ms (checksum %lld)\n", days, ms, checksum);
    EXPECT_GT(days, 74000);
}
