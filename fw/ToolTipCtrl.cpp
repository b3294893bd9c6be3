#include "ToolTipCtrl.h"

#include "CommonControls.h"

void CToolTipCtrl::FillInfo(TTTOOLINFOW& info, HWND owner, UINT_PTR id) {
    info = {};
    info.cbSize = sizeof(info);
    info.hwnd = owner;
    info.uId = id ? id : (UINT_PTR)owner;
    if (!id) info.uFlags = TTF_IDISHWND;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    AfxInitCommonControls();
    BOOL created = CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr);
    if (created) ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return created;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect, UINT_PTR id) {
    TTTOOLINFOW info;
    FillInfo(info, wnd->m_hWnd, id);
    info.uFlags |= TTF_SUBCLASS;
    if (rect) info.rect = *rect;
    else if (id) ::GetClientRect(wnd->m_hWnd, &info.rect);
    info.lpszText = (LPWSTR)(text ? text : LPSTR_TEXTCALLBACKW);
    return (BOOL)SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&info);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR id) {
    TTTOOLINFOW info;
    FillInfo(info, wnd->m_hWnd, id);
    SendMessage(TTM_DELTOOLW, 0, (LPARAM)&info);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id) {
    TTTOOLINFOW info;
    FillInfo(info, wnd->m_hWnd, id);
    info.lpszText = (LPWSTR)text;
    SendMessage(TTM_UPDATETIPTEXTW, 0, (LPARAM)&info);
}

void CToolTipCtrl::SetToolRect(CWnd* wnd, UINT_PTR id, LPCRECT rect) {
    TTTOOLINFOW info;
    FillInfo(info, wnd->m_hWnd, id);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECTW, 0, (LPARAM)&info);
}

BOOL CToolTipCtrl::GetToolInfo(TTTOOLINFOW& info, CWnd* wnd, UINT_PTR id) const {
    FillInfo(info, wnd->m_hWnd, id);
    return (BOOL)SendMessage(TTM_GETTOOLINFOW, 0, (LPARAM)&info);
}
