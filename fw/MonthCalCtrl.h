// CMonthCalCtrl: the month calendar.
#pragma once

#include "Time.h"
#include "Wnd.h"

#include <commctrl.h>

class CMonthCalCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL GetCurSel(SYSTEMTIME* time) const { return (BOOL)SendMessage(MCM_GETCURSEL, 0, (LPARAM)time); }
    BOOL GetCurSel(CTime& time) const;
    BOOL SetCurSel(const SYSTEMTIME* time) { return (BOOL)SendMessage(MCM_SETCURSEL, 0, (LPARAM)time); }
    BOOL SetCurSel(const CTime& time);
    void SetToday(const SYSTEMTIME* time) { SendMessage(MCM_SETTODAY, 0, (LPARAM)time); }
    BOOL GetToday(SYSTEMTIME* time) const { return (BOOL)SendMessage(MCM_GETTODAY, 0, (LPARAM)time); }
    BOOL GetMinReqRect(LPRECT rect) const { return (BOOL)SendMessage(MCM_GETMINREQRECT, 0, (LPARAM)rect); }
    BOOL SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime);
    COLORREF SetColor(int index, COLORREF color) { return (COLORREF)SendMessage(MCM_SETCOLOR, (WPARAM)index, color); }
    // 0 Monday ... 6 Sunday.
    BOOL SetFirstDayOfWeek(int day) { return (BOOL)SendMessage(MCM_SETFIRSTDAYOFWEEK, 0, day); }
    int GetMonthRange(SYSTEMTIME* range, DWORD flags) const {
        return (int)SendMessage(MCM_GETMONTHRANGE, flags, (LPARAM)range);
    }
    BOOL SetDayState(int months, LPMONTHDAYSTATE states) {
        return (BOOL)SendMessage(MCM_SETDAYSTATE, (WPARAM)months, (LPARAM)states);
    }
};
