// The month table against the published Korean calendar it is made from
// (calendar/tools/lunar_months.csv): every month of every year, leap months
// included, must open and close on the published solar dates.
#include "calendar/LunarCalendar.h"
#include "calendar/LunarTables.h"
#include "shell/DateUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct PublishedYear {
    int year = 0;
    int newYear[3] = {};  // solar year, month, day of lunar 1-1
    int months[12] = {};  // days of months 1 to 12
    int leapMonth = 0;    // the month the leap month follows, 0 when none
    int leapDays = 0;
};

std::string PublishedPath() {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    return std::string("Z:") + (root ? root : "") + "/calendar/tools/lunar_months.csv";
}

// The rows of the file; a line that is neither a comment, the column names
// nor a whole row is reported as a failure.
std::vector<PublishedYear> ReadPublished() {
    std::vector<PublishedYear> rows;
    std::ifstream in(PublishedPath());
    EXPECT_TRUE(in.good()) << PublishedPath();
    std::string line;
    for (int lines = 0; lines < 1000 && std::getline(in, line); ++lines) {
        if (line.empty() || line[0] == '#' || line.rfind("year,", 0) == 0)
            continue;
        PublishedYear r;
        int* m = r.months;
        int fields = std::sscanf(line.c_str(), "%d,%d-%d-%d,%d %d %d %d %d %d %d %d %d %d %d %d,%d,%d", &r.year,
                                 &r.newYear[0], &r.newYear[1], &r.newYear[2], &m[0], &m[1], &m[2], &m[3], &m[4], &m[5],
                                 &m[6], &m[7], &m[8], &m[9], &m[10], &m[11], &r.leapMonth, &r.leapDays);
        EXPECT_EQ(18, fields) << line;
        if (fields == 18)
            rows.push_back(r);
    }
    return rows;
}

// The table's code of a month with the days of its regular and its leap
// month (0 when it has none); 0 for lengths no month has.
int CodeFor(int days, int leapDays) {
    const int codes[][3] = {{29, 0, 1}, {30, 0, 2}, {29, 29, 3}, {29, 30, 4}, {30, 29, 5}, {30, 30, 6}};
    for (const auto& c : codes)
        if (c[0] == days && c[1] == leapDays)
            return c[2];
    return 0;
}

// Both conversions of one lunar day against its published solar day number.
void ExpectSameDay(int year, int month, int day, bool leap, long long published) {
    SCOPED_TRACE(testing::Message() << "lunar " << year << "-" << month << "-" << day << (leap ? " leap" : ""));
    int y, m, d;
    FromDayNumber(published, y, m, d);
    SolarDate s = LunarToSolar(year, month, day, leap ? TRUE : FALSE);
    EXPECT_TRUE(s.valid && s.year == y && s.month == m && s.day == d)
        << "gives " << s.year << "-" << s.month << "-" << s.day << ", published " << y << "-" << m << "-" << d;
    if (y > kLunarLastYear)
        return;  // the solar side of the table's last day lies beyond its years
    LunarDate l = SolarToLunar(y, m, d);
    EXPECT_TRUE(l.valid && l.year == year && l.month == month && l.day == day && (l.leap != FALSE) == leap)
        << "solar " << y << "-" << m << "-" << d << " gives " << l.year << "-" << l.month << "-" << l.day
        << (l.leap ? " leap" : "");
}

}  // namespace

TEST(PublishedCalendar, EveryMonthOfEveryYear) {
    const std::vector<PublishedYear> years = ReadPublished();
    ASSERT_EQ(kLunarYearCount, (int)years.size());
    long long first = DayNumber(years[0].newYear[0], years[0].newYear[1], years[0].newYear[2]);
    for (int i = 0; i < kLunarYearCount; ++i) {
        const PublishedYear& p = years[i];
        SCOPED_TRACE(p.year);
        ASSERT_EQ(kLunarFirstYear + i, p.year);
        // Each year begins the day after the last one ended: the file has no
        // gap the walk below would carry on.
        ASSERT_EQ(first, DayNumber(p.newYear[0], p.newYear[1], p.newYear[2]));
        for (int m = 1; m <= 12; ++m) {
            const int leapDays = p.leapMonth == m ? p.leapDays : 0;
            EXPECT_EQ(CodeFor(p.months[m - 1], leapDays), g_LunarMonthTable[i][m - 1]) << "month " << m;
            ExpectSameDay(p.year, m, 1, false, first);
            first += p.months[m - 1];
            ExpectSameDay(p.year, m, p.months[m - 1], false, first - 1);
            if (leapDays != 0) {
                ExpectSameDay(p.year, m, 1, true, first);
                first += leapDays;
                ExpectSameDay(p.year, m, leapDays, true, first - 1);
            }
        }
    }
    // The last published day ends the table: lunar 2043-12-30 is solar 2044-01-29.
    EXPECT_EQ(DayNumber(2044, 1, 30), first);
}
