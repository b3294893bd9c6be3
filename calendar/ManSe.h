// The month pillar of the traditional calendar: which sixty-cycle month a
// moment falls in, found from the month-opening solar terms.
#pragma once

class CManSe {
public:
    CManSe() = default;
    ~CManSe() = default;

    // Sixty-cycle index (0 = 갑자) of the month that holds the given local
    // time. Years before the solar-term table are moved forward by whole
    // sixty-month cycles, so their names stay right.
    int GetFourPillars(int year, int month, int day, int hour, int minute) const;

    // The minute count the table is searched with, after the clock
    // corrections of the years when Korea kept another time; exposed for tests.
    static int MinuteCount(int year, int month, int day, int hour, int minute);
    static int CorrectedMinuteCount(int minuteCount);
    // Index of the last solar term at or before the count (0 before the
    // first, the last index after the last).
    static int FindTermIndex(int minuteCount);
};
