#include "ui/TimeBtn.h"

#include "ui/ColorButton.h"

CTimeBtn::CTimeBtn() : m_color(::GetSysColor(COLOR_BTNFACE)) {}

void CTimeBtn::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CTimeBtn::SetColor(COLORREF colour) {
    m_color = colour;
    if (m_hWnd) Invalidate(FALSE);
}

void CTimeBtn::SetTextColor(COLORREF colour) {
    m_textColor = colour;
    if (m_hWnd) Invalidate(FALSE);
}

void CTimeBtn::SetBorder(BOOL on) {
    m_border = on ? 1 : 0;
    if (m_hWnd) Invalidate(FALSE);
}

void CTimeBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    RECT rect = dis->rcItem;
    bool pushed = (dis->itemState & ODS_SELECTED) != 0;
    bool disabled = (dis->itemState & ODS_DISABLED) != 0;

    RECT inner1 = rect;
    ::InflateRect(&inner1, -1, -1);
    int saved = ::SaveDC(dc);
    ::ExcludeClipRect(dc, inner1.left, inner1.top, inner1.right, inner1.bottom);
    RECT frame = rect;
    ::DrawFrameControl(dc, &frame, DFC_BUTTON,
                       DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    ::RestoreDC(dc, saved);

    RECT inner = rect;
    ::InflateRect(&inner, -2, -2);
    HBRUSH fill = ::CreateSolidBrush(m_color);
    ::FillRect(dc, &inner, fill);
    ::DeleteObject(fill);
    DrawButtonCaption(m_hWnd, dc, rect, m_textColor, pushed, disabled);
}
