#include "ui/NullButton.h"

BEGIN_MESSAGE_MAP(CNullButton, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CNullButton::Apply(const CButtonStateLogic::Effect& e) {
    Sync();
    if (e.capture) SetCapture();
    if (e.release && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CNullButton::OnMouseMove(UINT, CPoint point) {
    Default();
    CRect client;
    GetClientRect(&client);
    Apply(m_logic.OnMouseMove(client.PtInRect(point) != 0, ::GetCapture() == m_hWnd));
}

void CNullButton::OnLButtonDown(UINT, CPoint) {
    CButtonStateLogic::Effect e = m_logic.OnLButtonDown(true);
    Apply(e);
    // The click is reported on the press, before the release.
    if (e.command) SendCommandToParent();
}

void CNullButton::OnLButtonUp(UINT, CPoint) {
    if (!m_logic.m_bArmed) return;
    Default();
    Apply(m_logic.OnLButtonUp(false, false));
}

void CNullButton::OnLButtonDblClk(UINT, CPoint) {
    HWND parent = ::GetParent(m_hWnd);
    if (parent) ::SendMessageW(parent, WM_USER + 1, 0, 0);
    Default();
}
