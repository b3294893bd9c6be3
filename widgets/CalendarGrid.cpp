#include "widgets/CalendarGrid.h"

#include "calendar/DayMarks.h"
#include "shell/DateUtil.h"

#include <algorithm>

void CCalendarGrid::ShownMonth(int navigation, int offset, int absMonth, int thisYear, int thisMonth,
                               int& year, int& month) {
    if (absMonth != 0) {
        month = std::min(std::max(absMonth, 1), 12);
        year = thisYear + navigation / 12;
    } else {
        // Months counted from year 0; floor division keeps the month in
        // 1..12 even for a count below zero.
        long long n = (long long)navigation + (long long)thisYear * 12 + offset + thisMonth - 1;
        long long y = n >= 0 ? n / 12 : -((-n + 11) / 12);
        month = (int)(n - y * 12) + 1;
        year = (int)std::min<long long>(std::max<long long>(y, MinYear), MaxYear);
        return;
    }
    year = std::min(std::max(year, (int)MinYear), (int)MaxYear);
}

std::vector<POINT> CCalendarGrid::Cells(const Layout& layout, int firstWeekday, int days) {
    days = std::min(std::max(days, 0), 31);
    firstWeekday = std::min(std::max(firstWeekday, 1), 7);
    int perLine = std::max(layout.daysOfLine, 1);
    int step = layout.spaceW + 2 * layout.dayW;
    POINT at = {layout.x, layout.y};
    int e = 0;
    if (layout.weekDayStartX)
        at.x += step * (firstWeekday - 1);
    else
        e = 1 - firstWeekday;
    std::vector<POINT> cells;
    cells.reserve(days);
    for (int i = 0; i < days; ++i) {
        cells.push_back(at);
        if ((firstWeekday + e + i) % perLine != 0) {
            at.x += step;
        } else {
            at.x = layout.x;
            at.y += layout.dayH + layout.spaceH;
        }
    }
    return cells;
}

int CCalendarGrid::DayFromPoint(const Layout& layout, int firstWeekday, int days, POINT pt, RECT* cell) {
    std::vector<POINT> cells = Cells(layout, firstWeekday, days);
    int halfW = layout.spaceW / 2, halfH = layout.spaceH / 2;
    for (size_t i = 0; i < cells.size(); ++i) {
        const POINT& c = cells[i];
        if (c.x - halfW < pt.x && pt.x < c.x + 2 * layout.dayW + halfW && c.y - halfH < pt.y &&
            pt.y < c.y + layout.dayH + halfH) {
            if (cell)
                *cell = RECT{c.x, c.y, c.x + 2 * layout.dayW, c.y + layout.dayH};
            return (int)i + 1;
        }
    }
    return 0;
}

int CCalendarGrid::DigitStrip(int day, int firstWeekday, DWORD markWord) {
    int weekday = ((day - 1 + firstWeekday - 1) % 7 + 7) % 7;  // 0 Sunday
    if (weekday == 0 || (markWord & kHolidayMark) != 0)
        return SundayDigits;
    return weekday == 6 ? SaturdayDigits : WeekdayDigits;
}

int CCalendarGrid::DigitShift(int day, int dayW) { return day >= 1 && day <= 9 ? dayW / 2 : 0; }

std::vector<int> CCalendarGrid::PeriodFrames(DWORD rangeMark) {
    std::vector<int> frames;
    const DWORD kinds[3] = {kRangeFirstDay, kRangeInside, kRangeLastDay};
    for (int frame = 0; frame < 3; ++frame)
        if (rangeMark & kinds[frame])
            frames.push_back(frame);
    return frames;
}

CString CCalendarGrid::DayText(bool anniversaryText, const CString& anniversaries, bool scheduleText,
                               const CString& alarms) {
    CString text = anniversaryText ? anniversaries : CString();
    if (scheduleText && !alarms.IsEmpty()) {
        if (!text.IsEmpty())
            text += L"\n";
        text += alarms;
    }
    return text;
}

std::vector<CCalendarGrid::Icon> CCalendarGrid::Icons(DWORD markWord, int shiftX, int shiftY, int nextX, int nextY) {
    std::vector<Icon> icons;
    for (int icon = 1; icon <= IconCount; ++icon) {
        if ((markWord & MakeMarkBit(icon)) == 0)
            continue;
        int n = (int)icons.size() + 1;
        int k = n % 2 ? n / 2 : -(n / 2);
        icons.push_back(Icon{icon - 1, shiftX + k * nextX, shiftY + n * nextY});
    }
    return icons;
}
