// CScheduleInfo: one row of a day's schedule list, built by the frame from
// the alarms and anniversaries of a date and shown (after sorting) by the
// calendar's day balloon, the day-schedule window and the schedule meter.
#pragma once

#include <vector>

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

    // How a row is drawn; the order of the tests decides: an anniversary
    // first, then passed before ahead, a D-day count before a time.
    enum Kind {
        KindSpecialDay = 0,
        KindDDayPassed,
        KindTimeReached,
        KindAllDay,
        KindDDayAhead,
        KindTimeAhead,
        KindCount
    };
    Kind GetKind() const;

    // The list order: by group ascending, then by sort key, descending when
    // sorting by time and ascending otherwise.
    static bool ComesBefore(const CScheduleInfo& a, const CScheduleInfo& b, bool sortByTime);
    // Sorts a day's rows in that order; a single row stays as it is.
    static void SortRows(std::vector<CScheduleInfo>& rows, bool sortByTime);

    // The text of a D-day row: the format with #DDAYNAME# and #DDAYCOUNT#
    // replaced, a line break in the name turned into a blank. A passed D-day
    // (negative count) shows the days since, counting the day itself when
    // includeToday is non-zero.
    CString MakeDDayText(const CString& format, int includeToday) const;
    // A time text: #H# and #M# (two digits) and #h# and #m# replaced by the
    // hours and minutes of a signed count of minutes, taken as absolute.
    static CString MakeTimeText(const CString& format, int minutes);
};
