#include "notes/DayMath.h"

#include <gtest/gtest.h>

TEST(DayMath, DaysWeekdaysAndOrdinals) {
    EXPECT_EQ(CDayMath::GetDaysBetween(2000, 1, 1, 2000, 3, 1), 60);
    EXPECT_EQ(CDayMath::GetDaysBetween(1899, 12, 31, 1900, 1, 1), 0);
    EXPECT_EQ(CDayMath::GetDaysBetween(2014, 3, 7, 2014, 3, 1), -6);
    EXPECT_EQ(CDayMath::GetWeekday(1900, 1, 1), 2);
    EXPECT_EQ(CDayMath::GetWeekday(2014, 2, 9), 1);
    EXPECT_EQ(CDayMath::GetDaysInMonth(1900, 2), 28);
    EXPECT_EQ(CDayMath::GetDaysInMonth(2000, 2), 29);
    // January 2014 has five Fridays (3, 10, 17, 24, 31), February four.
    EXPECT_EQ(CDayMath::GetWeekdayOrdinal(2014, 1, 31, 6), 4);
    EXPECT_EQ(CDayMath::GetWeekdayOrdinal(2014, 1, 24, 6), 3);
    EXPECT_EQ(CDayMath::ClampLastWeekdayOrdinal(2014, 1, 4, 6), 4);
    EXPECT_EQ(CDayMath::ClampLastWeekdayOrdinal(2014, 2, 4, 6), 3);
    EXPECT_EQ(CDayMath::GetDayOfNthWeekday(2014, 2, 6, 3), 28);
    EXPECT_GT(CDayMath::GetDayOfNthWeekday(2014, 2, 6, 4), 28);
}

TEST(DayMath, DayNumbersRoundTripAndMinutesCrossMonthsAndYears) {
    for (int y : {1900, 1999, 2000, 2014, 2100, 2400})
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 15, CDayMath::GetDaysInMonth(y, m)}) {
                int yy, mm, dd;
                CDayMath::FromDayNumber(CDayMath::DayNumber(y, m, d), yy, mm, dd);
                ASSERT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
            }
    int y = 2014, mo = 3, d = 1, h = 0, mi = 10;
    CDayMath::AddMinutesToTime(y, mo, d, h, mi, -20);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201402282350LL);
    y = 2013, mo = 12, d = 31, h = 23, mi = 59;
    CDayMath::AddMinutesToTime(y, mo, d, h, mi, 2);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201401010001LL);
    y = 2014, mo = 1, d = 31, h = 10, mi = 0;
    CDayMath::AddMinutesToTime(y, mo, d, h, mi, 44640);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201403031000LL);
}
