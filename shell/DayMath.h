// The integer keys the alarm check, the alarm record and the calendar marks
// compare moments and dates by. The date arithmetic itself lives with the
// shared date services (shell/DateUtil.h).
#pragma once

class CDayMath {
public:
    // Keys that compare moments and dates as integers (months of 31 days).
    static int MinuteKey(int year, int month, int day, int hour, int minute);
    static int DateKey(int year, int month, int day) { return year * 372 + month * 31 + day; }
};
