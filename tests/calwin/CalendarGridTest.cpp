#include "calendar/DayMarks.h"
#include "shell/DateUtil.h"
#include "widgets/CalendarGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

int Rows(const std::vector<POINT>& cells) {
    std::set<LONG> ys;
    for (const POINT& c : cells)
        ys.insert(c.y);
    return (int)ys.size();
}

CCalendarGrid::Layout SmallLayout() {
    CCalendarGrid::Layout l;
    l.x = 10;
    l.y = 20;
    l.spaceW = 4;
    l.spaceH = 2;
    l.dayW = 8;
    l.dayH = 12;
    return l;
}

}  // namespace

TEST(CalendarGridTest, RowsOfAMonth) {
    struct Case {
        int firstWeekday, days, daysOfLine;
        bool weekDayStartX;
        int rows;
        LONG firstX;
    } cases[] = {
        {7, 31, 7, true, 6, 10 + 6 * 20},  // starts on a Saturday
        {1, 28, 7, true, 4, 10},
        {4, 31, 31, false, 1, 10},         // one row, day 1 at the origin
        {4, 31, 7, false, 5, 10},
        {4, 5, 0, false, 5, 10},           // no cells per row counts as one
        {1, 40, 7, true, 5, 10},           // never more cells than a month has
    };
    for (const Case& c : cases) {
        CCalendarGrid::Layout l = SmallLayout();
        l.daysOfLine = c.daysOfLine;
        l.weekDayStartX = c.weekDayStartX;
        std::vector<POINT> cells = CCalendarGrid::Cells(l, c.firstWeekday, c.days);
        EXPECT_EQ(std::min(c.days, 31), (int)cells.size()) << c.firstWeekday << "/" << c.days;
        EXPECT_EQ(c.rows, Rows(cells)) << c.firstWeekday << "/" << c.days << "/" << c.daysOfLine;
        EXPECT_EQ(c.firstX, cells[0].x);
    }
}

TEST(CalendarGridTest, DayUnderAPointWithStrictBorders) {
    // Cells 16 x 12, step 20 across and 14 down; day 8 opens the second row.
    struct Case {
        POINT pt;
        int day;
    } cases[] = {
        {{11, 21}, 1}, {{9, 25}, 1}, {{8, 25}, 0}, {{28, 25}, 0}, {{29, 25}, 2},
        {{12, 33}, 0}, {{12, 34}, 8}, {{12, 32}, 1}, {{140, 25}, 7}, {{100, 90}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.day, CCalendarGrid::DayFromPoint(SmallLayout(), 1, 31, c.pt)) << c.pt.x << "," << c.pt.y;

    RECT cell = {};
    ASSERT_EQ(2, CCalendarGrid::DayFromPoint(SmallLayout(), 1, 31, POINT{35, 25}, &cell));
    EXPECT_EQ(30, cell.left);
    EXPECT_EQ(20, cell.top);
    EXPECT_EQ(46, cell.right);
    EXPECT_EQ(32, cell.bottom);
}

TEST(CalendarGridTest, ShownMonthFollowsNavigationWithinTheYears) {
    struct Case {
        int navigation, offset, absMonth, thisYear, thisMonth, year, month;
    } cases[] = {
        {0, 0, 0, 2026, 12, 2026, 12},
        {0, 1, 0, 2026, 12, 2027, 1},
        {-4, 0, 0, 2026, 12, 2026, 8},
        {-1, -1, 0, 2026, 1, 2025, 11},
        {-1, 0, 0, 1970, 1, 1970, 12},   // the year stays, the month moves on
        {-2, 0, 0, 1970, 1, 1970, 11},
        {1, 0, 0, 2043, 12, 2043, 1},
        {-30000, 0, 0, 2026, 12, 1970, 12},
        {13, 0, 3, 2026, 12, 2027, 3},   // a fixed month moves by whole years
        {-1, 0, 3, 2026, 5, 2026, 3},
        {0, 0, 3, 2050, 5, 2043, 3},
        {0, 0, 13, 2026, 5, 2026, 12},  // a fixed month beyond December shows December
    };
    for (const Case& c : cases) {
        int year = 0, month = 0;
        CCalendarGrid::ShownMonth(c.navigation, c.offset, c.absMonth, c.thisYear, c.thisMonth, year, month);
        EXPECT_EQ(c.year, year) << c.navigation << "/" << c.thisYear;
        EXPECT_EQ(c.month, month) << c.navigation << "/" << c.thisYear;
    }
}

TEST(CalendarGridTest, DigitStripsAndShifts) {
    // December 2027 starts on a Wednesday.
    int first = GetFirstWeekdayOfMonth(2027, 12);
    ASSERT_EQ(4, first);
    struct Case {
        int day;
        DWORD mark;
        int strip;
    } cases[] = {
        {1, 0, CCalendarGrid::WeekdayDigits},
        {1, kHolidayMark, CCalendarGrid::SundayDigits},  // a holiday on a Wednesday
        {4, 0, CCalendarGrid::SaturdayDigits},
        {5, 0, CCalendarGrid::SundayDigits},
        {31, MakeMarkBit(3), CCalendarGrid::WeekdayDigits},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.strip, CCalendarGrid::DigitStrip(c.day, first, c.mark)) << c.day;
    EXPECT_EQ(5, CCalendarGrid::DigitShift(1, 11));
    EXPECT_EQ(5, CCalendarGrid::DigitShift(9, 11));
    EXPECT_EQ(0, CCalendarGrid::DigitShift(10, 11));
}

TEST(CalendarGridTest, PeriodFramesOfRangeMarks) {
    EXPECT_EQ(std::vector<int>({0}), CCalendarGrid::PeriodFrames(kRangeFirstDay));
    EXPECT_EQ(std::vector<int>({1}), CCalendarGrid::PeriodFrames(kRangeInside));
    EXPECT_EQ(std::vector<int>({2}), CCalendarGrid::PeriodFrames(kRangeLastDay));
    EXPECT_EQ(std::vector<int>({0, 2}), CCalendarGrid::PeriodFrames(kRangeFirstDay | kRangeLastDay));
    EXPECT_TRUE(CCalendarGrid::PeriodFrames(0).empty());
}

TEST(CalendarGridTest, IconsSpreadAlternatelyAndStopAtTwentyFour) {
    DWORD mark = MakeMarkBit(2) | MakeMarkBit(5) | MakeMarkBit(24) | MakeMarkBit(25) | MakeMarkBit(28) | kHolidayMark;
    std::vector<CCalendarGrid::Icon> icons = CCalendarGrid::Icons(mark, 3, 4, 10, 1);
    ASSERT_EQ(3u, icons.size());
    struct Want {
        int frame, x, y;
    } want[] = {{1, 3, 5}, {4, 3 - 10, 6}, {23, 3 + 10, 7}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(want[i].frame, icons[i].frame) << i;
        EXPECT_EQ(want[i].x, icons[i].x) << i;
        EXPECT_EQ(want[i].y, icons[i].y) << i;
    }
    EXPECT_TRUE(CCalendarGrid::Icons(MakeMarkBit(25) | MakeMarkBit(28), 0, 0, 10, 0).empty());
}

TEST(CalendarGridTest, DayTextJoinsAnniversariesThenAlarms) {
    struct Case {
        bool anniversaryText;
        const wchar_t* anniversaries;
        bool scheduleText;
        const wchar_t* alarms;
        const wchar_t* text;
    } cases[] = {
        {true, L"Birthday", true, L"09:00 Dentist", L"Birthday\n09:00 Dentist"},
        {true, L"Birthday", false, L"09:00 Dentist", L"Birthday"},
        {false, L"Birthday", true, L"09:00 Dentist", L"09:00 Dentist"},
        {true, L"", true, L"09:00 Dentist", L"09:00 Dentist"},
        {true, L"Birthday", true, L"", L"Birthday"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.text), CCalendarGrid::DayText(c.anniversaryText, c.anniversaries, c.scheduleText, c.alarms))
            << c.text;
}
