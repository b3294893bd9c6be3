// CToolTipCtrl: a tooltip window with its tools.
#pragma once

#include "Wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    // A rectangle of the window (id non-zero) or the whole window (id 0).
    BOOL AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* wnd, UINT_PTR id = 0);
    void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id = 0);
    void SetToolRect(CWnd* wnd, UINT_PTR id, LPCRECT rect);
    BOOL GetToolInfo(TTTOOLINFOW& info, CWnd* wnd, UINT_PTR id = 0) const;
    void SetToolInfo(TTTOOLINFOW* info) { SendMessage(TTM_SETTOOLINFOW, 0, (LPARAM)info); }
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
    int SetMaxTipWidth(int width) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }
    void SetDelayTime(DWORD which, int time) { SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(time, 0)); }
    void SetTipBkColor(COLORREF color) { SendMessage(TTM_SETTIPBKCOLOR, color); }
    void SetTipTextColor(COLORREF color) { SendMessage(TTM_SETTIPTEXTCOLOR, color); }
    void Pop() { SendMessage(TTM_POP); }
    void Popup() { SendMessage(TTM_POPUP); }
    void TrackActivate(BOOL activate, TTTOOLINFOW* info) { SendMessage(TTM_TRACKACTIVATE, activate, (LPARAM)info); }
    void TrackPosition(int x, int y) { SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y)); }
    void Update() { SendMessage(TTM_UPDATE); }

private:
    static void FillInfo(TTTOOLINFOW& info, HWND owner, UINT_PTR id);
};
