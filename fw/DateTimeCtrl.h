// CDateTimeCtrl: the date and time picker.
#pragma once

#include "Time.h"
#include "Wnd.h"

#include <commctrl.h>

class CMonthCalCtrl;

class CDateTimeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // GDT_VALID, or GDT_NONE when a check-box picker is unchecked.
    DWORD GetTime(SYSTEMTIME* time) const { return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)time); }
    DWORD GetTime(CTime& time) const;
    BOOL SetTime(const SYSTEMTIME* time) {
        return (BOOL)SendMessage(DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE, (LPARAM)time);
    }
    BOOL SetTime(const CTime& time);
    BOOL SetFormat(LPCTSTR format) { return (BOOL)SendMessage(DTM_SETFORMATW, 0, (LPARAM)format); }
    BOOL SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime);
    DWORD GetRange(SYSTEMTIME* times) const { return (DWORD)SendMessage(DTM_GETRANGE, 0, (LPARAM)times); }
    COLORREF SetMonthCalColor(int index, COLORREF color) {
        return (COLORREF)SendMessage(DTM_SETMCCOLOR, (WPARAM)index, color);
    }
    HWND GetMonthCalCtrlHandle() const { return (HWND)SendMessage(DTM_GETMONTHCAL); }
    void SetMonthCalFont(HFONT font, BOOL redraw = TRUE) { SendMessage(DTM_SETMCFONT, (WPARAM)font, redraw); }
};
