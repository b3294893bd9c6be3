#include "ui/StaticCounter.h"

#include "ui/StaticDC.h"

BEGIN_MESSAGE_MAP(CStaticCounter, CControlBase)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCHITTEST()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CStaticCounter::SetText(LPCTSTR text) {
    m_strText = text ? text : _T("");
    OnTextChanged();
}

void CStaticCounter::OnTextChanged() {
    if (m_hWnd) Invalidate(FALSE);
}

void CStaticCounter::DrawDigit(CDC* dc, int code, int x) {
    COLORREF color = code == CodeAllUnlit ? UnlitColor() : m_crLit;
    CPen pen;
    pen.CreatePen(PS_SOLID, m_nPenWidth, color);
    HGDIOBJ old = dc->SelectObject((HGDIOBJ)pen.m_hObject);
    for (const Stroke& s : Strokes(code, x)) {
        dc->MoveTo(s.x1, s.y1);
        dc->LineTo(s.x2, s.y2);
    }
    dc->SelectObject(old);
}

void CStaticCounter::OnPaint() {
    GetClientRect(&m_rcClient);
    CPaintDC paint(this);
    CStaticDC dc(&paint, &m_rcClient);
    dc.FillSolidRect(&m_rcClient, m_crBack);
    ComputeGeometry(m_rcClient.bottom);
    for (const Cell& cell : Layout()) {
        if (cell.unlit) DrawDigit(&dc, CodeAllUnlit, cell.x);
        if (cell.code) DrawDigit(&dc, cell.code, cell.x);
    }
    if (m_bBottomPanel) {
        CRect panel(m_rcClient.left, m_rcClient.bottom - m_nPanelHeight, m_rcClient.left + m_rcClient.right,
                     m_rcClient.bottom);
        dc.FillSolidRect(&panel, ::GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&panel, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
}

LRESULT CStaticCounter::OnNcHitTest(CPoint) { return HTCLIENT; }

void CStaticCounter::OnLButtonDown(UINT, CPoint point) {
    SetCapture();
    OnButtonDown(true, point.x);
}

void CStaticCounter::OnRButtonDown(UINT, CPoint point) {
    SetCapture();
    OnButtonDown(false, point.x);
}

void CStaticCounter::OnLButtonUp(UINT, CPoint) {
    if (::GetCapture() == m_hWnd && !m_bRightDown) ::ReleaseCapture();
    OnButtonUp(true);
}

void CStaticCounter::OnRButtonUp(UINT, CPoint) {
    if (::GetCapture() == m_hWnd && !m_bLeftDown) ::ReleaseCapture();
    OnButtonUp(false);
}

void CStaticCounter::OnMouseMove(UINT, CPoint point) { CStaticCounterLogic::OnMouseMove(point.x); }
