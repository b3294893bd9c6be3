// The geometry and choices of a month calendar without its window: which
// month is shown, where each day's cell lies, which cell a point hits, which
// digits, icons and period frames a day draws with. The calendar meter only
// moves these results onto its child images.
#pragma once

#include "fw/Afx.h"

#include <vector>

class CCalendarGrid {
public:
    enum { MinYear = 1970, MaxYear = 2043, IconCount = 24 };
    enum { SundayDigits = 0, SaturdayDigits = 1, WeekdayDigits = 2 };

    struct Layout {
        int x = 0, y = 0;            // origin of the first row
        int spaceW = 0, spaceH = 0;  // gaps between cells
        int dayW = 0, dayH = 0;      // one digit's width; a cell is 2 x dayW wide, dayH high
        int daysOfLine = 7;          // cells per row; below 1 counts as 1
        bool weekDayStartX = true;   // the first day sits in the column of its weekday
    };

    // The month shown for a navigation offset (months), the meter's own
    // month offset or fixed month, and today's year and month. The year is
    // kept to MinYear..MaxYear; the month still follows the navigation.
    static void ShownMonth(int navigation, int offset, int absMonth, int thisYear, int thisMonth,
                           int& year, int& month);

    // Top-left corners of the cells of days 1..days (days kept to 0..31) of
    // a month whose first day falls on firstWeekday (1 Sunday..7 Saturday).
    static std::vector<POINT> Cells(const Layout& layout, int firstWeekday, int days);
    // The day (1..days) whose cell holds the point, or 0. The cells reach
    // half a gap beyond their edges, all tests strict, so a point exactly on
    // the border between two cells hits neither. The cell's rectangle goes
    // to cell when given.
    static int DayFromPoint(const Layout& layout, int firstWeekday, int days, POINT pt, RECT* cell = nullptr);

    // Which digit strip draws a day: Sundays and holidays (bit 31 of the
    // day's mark word) use the Sunday digits.
    static int DigitStrip(int day, int firstWeekday, DWORD markWord);
    // The horizontal shift of a day's digits: one-digit days are centred.
    static int DigitShift(int day, int dayW);
    // Frames (0 first, 1 inside, 2 last day) of a day's range mark.
    static std::vector<int> PeriodFrames(DWORD rangeMark);

    // The text under a day: its anniversaries, then its alarms, each only
    // when asked for, on separate lines.
    static CString DayText(bool anniversaryText, const CString& anniversaries, bool scheduleText,
                           const CString& alarms);

    struct Icon {
        int frame;   // icon number - 1
        int x, y;    // offset from the cell
    };
    // The icons of a mark word: icons 1..24 whose bit is set, spread
    // alternately right and left of the first. Bits 25 to 28 draw nothing.
    static std::vector<Icon> Icons(DWORD markWord, int shiftX, int shiftY, int nextX, int nextY);
};
