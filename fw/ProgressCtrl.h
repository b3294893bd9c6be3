// CProgressCtrl: the progress bar.
#pragma once

#include "CommonControls.h"
#include "Wnd.h"

#include <commctrl.h>

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        AfxInitCommonControls();
        return CWnd::Create(PROGRESS_CLASSW, nullptr, style, rect, parent, id);
    }
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, (WPARAM)lower, upper); }
    void GetRange(int& lower, int& upper) const {
        PBRANGE range = {};
        SendMessage(PBM_GETRANGE, 0, (LPARAM)&range);
        lower = range.iLow;
        upper = range.iHigh;
    }
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int SetPos(int pos) { return (int)SendMessage(PBM_SETPOS, (WPARAM)pos); }
    int OffsetPos(int delta) { return (int)SendMessage(PBM_DELTAPOS, (WPARAM)delta); }
    int SetStep(int step) { return (int)SendMessage(PBM_SETSTEP, (WPARAM)step); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
    COLORREF SetBarColor(COLORREF color) { return (COLORREF)SendMessage(PBM_SETBARCOLOR, 0, color); }
    COLORREF SetBkColor(COLORREF color) { return (COLORREF)SendMessage(PBM_SETBKCOLOR, 0, color); }
};
