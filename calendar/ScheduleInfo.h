// CScheduleInfo: one row of a day's schedule list, built by the frame from
// the alarms and anniversaries of a date and shown (after sorting) by the
// calendar's day balloon, the day-schedule window and the schedule meter.
#pragma once

#include "fw/Afx.h"

class CScheduleInfo {
public:
    CScheduleInfo() = default;
    virtual ~CScheduleInfo() = default;

    int m_bHasTime = 0;
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nDays = 0;          // D-day count: days to (positive) or since (negative) the date
    CString m_strTime;
    CString m_strText;
    int m_bDayAnniversary = 0;  // the row of an anniversary that falls on the date
    int m_nIcon = 0;
    int m_bPassed = 0;
    int m_bDone = 0;
    int m_nSortKey = 0;
    int m_nSortGroup = 0;
    int m_nMinutesLeft = 0;
    int m_nId = 0;
};
