// CAlarmCheck: the once-a-minute decision which alarms are due now and whose
// advance notice is due now, and the start-up pass that announces the day's
// all-day entries and fires designated-day alarms missed while the program
// was not running. Pure functions of (alarms, now): the frame fires what
// they return and saves when asked to.
#pragma once

#include "calendar/AlarmInfo.h"

#include <vector>

struct AlarmFiring {
    int index;   // into the alarm array
    int notice;  // 0: the alarm is due now; 1: its advance notice is due
};

struct AlarmCheckResult {
    std::vector<AlarmFiring> fired;
    bool saveNeeded = false;  // an enabled flag was cleared: write the alarm file
    bool changed = false;     // something fired due: refresh the views
};

class CAlarmCheck {
public:
    // now is the present local time (seconds ignored).
    static AlarmCheckResult CheckAlarms(CArray<CAlarmInfo>& alarms, const SYSTEMTIME& now);
    static AlarmCheckResult CheckAlarmsAtStartup(CArray<CAlarmInfo>& alarms, const SYSTEMTIME& now);
    // Kinds 0 and 1: whether the advance notice falls on this minute of the
    // day (never on 00:00).
    static bool IsAdvanceNoticeDue(const CAlarmInfo& alarm, int minuteOfDay);
    // The interval of an every-N-days alarm: N, but at least 2.
    static int EffectiveInterval(const CAlarmInfo& alarm) { return alarm.m_nDayValue > 2 ? alarm.m_nDayValue : 2; }
};
