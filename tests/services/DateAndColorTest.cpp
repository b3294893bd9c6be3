#include "TestSupport.h"

#include "shell/ColorUtil.h"
#include "shell/DateUtil.h"

#include <climits>
#include <cmath>
#include <limits>

TEST(Dates, DayDifferences) {
    struct Case {
        int y1, m1, d1, y2, m2, d2, days;
    };
    const Case cases[] = {
        {2000, 1, 1, 2000, 3, 1, 60},     {2000, 3, 1, 2000, 1, 1, -60},   {1900, 1, 1, 1900, 3, 1, 59},
        {1899, 12, 31, 1900, 1, 1, 0},    {2400, 12, 31, 2400, 12, 31, 0}, {1900, 1, 1, 2400, 12, 31, 182986},
        {2401, 1, 1, 2000, 1, 1, 0},      {2000, 3, 0, 2000, 2, 29, 0},    {2000, 1, 0, 1999, 12, 31, 0},
        {2014, 3, 7, 2014, 3, 1, -6},
        // Months outside 0-12 are refused instead of being used as an index.
        {2000, 13, 1, 2000, 1, 1, 0},     {2000, -1, 1, 2000, 1, 1, 0},    {2000, 1, 1, 2000, 1000000, 1, 0},
        // Day numbers from callers' arithmetic never overflow the count.
        {2000, 1, 1, 2000, 1, INT_MAX, INT_MAX - 1},
        {2000, 1, -INT_MAX, 2000, 1, INT_MAX, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetDaysBetween(c.y1, c.m1, c.d1, c.y2, c.m2, c.d2), c.days)
            << c.y1 << "-" << c.m1 << "-" << c.d1 << " to " << c.y2 << "-" << c.m2 << "-" << c.d2;
}

TEST(Dates, AgreeWithTheSystemCalendar) {
    // Every 13th day from 1901 to 2400 against the system's own conversion.
    SYSTEMTIME base = {1901, 1, 0, 1, 0, 0, 0, 0};
    FILETIME baseTime;
    SystemTimeToFileTime(&base, &baseTime);
    ULONGLONG start = ((ULONGLONG)baseTime.dwHighDateTime << 32) | baseTime.dwLowDateTime;
    const ULONGLONG day = 864000000000ULL;
    for (ULONGLONG n = 0; n < 182500; n += 13) {
        ULONGLONG t = start + n * day;
        FILETIME ft = {(DWORD)t, (DWORD)(t >> 32)};
        SYSTEMTIME st;
        FileTimeToSystemTime(&ft, &st);
        ASSERT_EQ(GetDaysBetween(1901, 1, 1, st.wYear, st.wMonth, st.wDay), (int)n);
        ASSERT_EQ(GetWeekday(st.wYear, st.wMonth, st.wDay), st.wDayOfWeek + 1);
    }
}

TEST(Dates, WeekdaysAndMonthLengths) {
    EXPECT_EQ(GetWeekday(1900, 1, 1), 2);
    EXPECT_EQ(GetWeekday(2014, 2, 9), 1);
    EXPECT_EQ(GetWeekday(1899, 12, 30), 1);  // outside the range
    EXPECT_EQ(GetWeekday(2000, 14, 1), 1);
    EXPECT_EQ(GetFirstWeekdayOfMonth(2014, 2), 7);

    struct Case {
        int year, month, days;
    };
    const Case cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2023, 4, 30},
                          {2023, 12, 31}, {2023, 1, 31}, {2023, 0, 0},  {2023, 13, 0}, {2023, -5, 0}};
    for (const Case& c : cases) EXPECT_EQ(GetDaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(Dates, WeekOfMonth) {
    // February 2014 begins on a Saturday; March 2014 too, with five Saturdays.
    struct Case {
        int year, month, weekday, n, day, clamped;
    };
    const Case cases[] = {
        {2014, 2, 7, 0, 1, 0},   // first Saturday
        {2014, 2, 1, 0, 2, 0},   // first Sunday
        {2014, 2, 1, 1, 9, 1},   // second Sunday
        {2014, 2, 6, 3, 28, 3},  // fourth Friday
        {2014, 2, 6, 4, 35, 3},  // no fifth Friday: "last" is the fourth
        {2014, 3, 7, 4, 29, 4},  // a fifth Saturday exists
        {2014, 3, 7, 9, 64, 4},
        // January 2014 has five Fridays (3, 10, 17, 24, 31).
        {2014, 1, 6, 3, 24, 3},
        {2014, 1, 6, 4, 31, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " w" << c.weekday << " n" << c.n);
        EXPECT_EQ(GetDayOfNthWeekday(c.year, c.month, c.weekday, c.n), c.day);
        EXPECT_EQ(ClampLastWeekdayOrdinal(c.year, c.month, c.n, c.weekday), c.clamped);
        if (c.day <= GetDaysInMonth(c.year, c.month)) {
            EXPECT_EQ(GetWeekdayOrdinal(c.year, c.month, c.day, c.weekday), c.n);
        }
    }
    EXPECT_EQ(GetDayOfNthWeekday(2014, 2, 1, -3), 1);  // never below 1
}

TEST(Dates, DayNumbersRoundTripAndMinutesCrossMonthsAndYears) {
    EXPECT_EQ(DayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumber(2000, 3, 0), DayNumber(2000, 2, 29));
    EXPECT_EQ(DayNumber(2000, 13, 1), DayNumber(2001, 1, 1));  // months run on
    EXPECT_EQ(DayNumber(2000, 0, 1), DayNumber(2000, 1, 1));
    for (int y : {1841, 1900, 1999, 2000, 2014, 2100, 2400})
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 15, GetDaysInMonth(y, m)}) {
                int yy, mm, dd;
                FromDayNumber(DayNumber(y, m, d), yy, mm, dd);
                ASSERT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
            }
    int y = 2014, mo = 3, d = 1, h = 0, mi = 10;
    AddMinutesToTime(y, mo, d, h, mi, -20);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201402282350LL);
    y = 2013, mo = 12, d = 31, h = 23, mi = 59;
    AddMinutesToTime(y, mo, d, h, mi, 2);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201401010001LL);
    y = 2014, mo = 1, d = 31, h = 10, mi = 0;
    AddMinutesToTime(y, mo, d, h, mi, 44640);
    EXPECT_EQ(y * 100000000LL + mo * 1000000 + d * 10000 + h * 100 + mi, 201403031000LL);
}

TEST(Dates, WeekOfYearCountsSundays) {
    EXPECT_EQ(GetWeekOfYear(2023, 1, 1), 1);  // the year begins on a Sunday
    EXPECT_EQ(GetWeekOfYear(2023, 1, 8), 2);
    EXPECT_EQ(GetWeekOfYear(2024, 1, 1), 0);  // the year begins on a Monday
    EXPECT_EQ(GetWeekOfYear(2024, 1, 6), 0);
    EXPECT_EQ(GetWeekOfYear(2024, 1, 7), 1);
    EXPECT_EQ(GetWeekOfYear(2024, 12, 31), 52);
}

TEST(Dates, WeekdaySetsAndMarkBits) {
    EXPECT_NE(TestWeekdayFlag(0x41, 1), 0);
    EXPECT_NE(TestWeekdayFlag(0x41, 7), 0);
    EXPECT_EQ(TestWeekdayFlag(0x41, 2), 0);
    EXPECT_EQ(TestWeekdayFlag(0xFF, 0), 0);
    EXPECT_EQ(TestWeekdayFlag(0xFF, 8), 0);
    EXPECT_EQ(MakeWeekdayFlag(0), 1);
    EXPECT_EQ(MakeWeekdayFlag(6), 64);
    EXPECT_EQ(MakeWeekdayFlag(7), 0);
    EXPECT_EQ(MakeWeekdayFlag(-1), 0);
    EXPECT_EQ(MakeMarkBit(28), 1u << 28);
    EXPECT_EQ(MakeMarkBit(29), 0u);
    EXPECT_EQ(MakeMarkBit(-1), 0u);
}

TEST(Ranges, RangesAndSnapping) {
    auto in = [](int v, int lo, int hi) { return IsInRange(&v, &lo, &hi); };
    EXPECT_TRUE(in(5, 5, 5));
    EXPECT_FALSE(in(4, 5, 9));
    auto overlap = [](int a0, int a1, int b0, int b1) { return RangesOverlap(&a0, &a1, &b0, &b1); };
    EXPECT_TRUE(overlap(0, 10, 5, 20));
    EXPECT_TRUE(overlap(0, 30, 5, 20));  // covers
    EXPECT_TRUE(overlap(10, 10, 0, 10));
    EXPECT_FALSE(overlap(0, 10, 11, 20));
    auto snap = [](int a, int b, int size) { return IsWithinSnapDistance(&a, &b, size); };
    EXPECT_TRUE(snap(100, 109, 10));
    EXPECT_FALSE(snap(100, 110, 10));  // equal to the snap size: no snap
    EXPECT_TRUE(snap(100, 91, 10));
    int a = -5, b = 7;
    EXPECT_EQ(AbsDifference(&a, &b), 12);
}

TEST(Colors, ShadingFactors) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        COLORREF (*shade)(COLORREF, float);
        COLORREF color;
        float factor;
        COLORREF want;
    };
    const Case cases[] = {
        {DarkenColor, 0xFFFFFF, 0.5f, 0x7F7F7F},   {DarkenColor, 0x123456, 2.0f, 0x123456},
        {DarkenColor, 0x123456, nan, 0x123456},    {DarkenColor, 0x123456, -1.0f, 0x000000},
        {DarkenColor, 0xFF123456, 1.0f, 0x123456}, {LightenColor, 0x808080, 1.5f, 0xC0C0C0},
        {LightenColor, 0xF0F0F0, 2.0f, 0xFFFFFF},  {LightenColor, 0x12345678, 0.5f, 0x345678},
        {LightenColor, 0x102030, nan, 0x102030},   {ScaleColor, 0x102030, 2.0f, 0x204060},
        {ScaleColor, 0x808080, 3.0f, 0xFFFFFF},    {ScaleColor, 0x808080, 0.25f, 0x202020},
        {ScaleColor, 0x808080, -2.0f, 0x000000},   {ScaleColor, 0x808080, 1e30f, 0xFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shade(c.color, c.factor), c.want) << std::hex << c.color << " x " << c.factor;
}

TEST(Colors, RegionCutsAwayTheTransparentColour) {
    // Rows as drawn: M = magenta, o = opaque, n = near magenta (cut), e = just outside the tolerance.
    const char* rows[] = {"MooM", "oMMo", "nMeM"};
    const int width = 4, height = 3;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF color = rows[y][x] == 'M' ? RGB(255, 0, 255)
                             : rows[y][x] == 'n' ? RGB(240, 16, 239)
                             : rows[y][x] == 'e' ? RGB(238, 0, 255)
                                                 : RGB(10, 200, 30);
            SetPixel(dc, x, y, color);
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    HRGN region = CreateRegionFromBitmap(bitmap, RGB(255, 0, 255), 0x101010, 10, 20);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            bool opaque = rows[y][x] == 'o' || rows[y][x] == 'e';
            EXPECT_EQ(PtInRegion(region, 10 + x, 20 + y) != 0, opaque) << x << "," << y;
        }
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(CRect(box), CRect(10, 20, 14, 23));
    DeleteObject(region);
    DeleteObject(bitmap);

    HRGN empty = CreateRegionFromBitmap(nullptr, 0, 0, 0, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    DeleteObject(empty);
}
