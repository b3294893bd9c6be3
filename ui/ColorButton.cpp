#include "ui/ColorButton.h"

void CColorButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CColorButton::SetColor(COLORREF colour) {
    m_color = colour;
    if (m_hWnd) Invalidate(FALSE);
}

void CColorButton::SetTextColor(COLORREF colour) {
    m_textColor = colour;
    if (m_hWnd) Invalidate(FALSE);
}

void CColorButton::SetBorder(BOOL on) {
    m_border = on ? 1 : 0;
    if (m_hWnd) Invalidate(FALSE);
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    RECT rect = dis->rcItem;
    bool pushed = (dis->itemState & ODS_SELECTED) != 0;
    bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    bool framed = m_look == Look::Framed;

    if (framed) {
        HBRUSH line = ::CreateSolidBrush(::GetSysColor(m_border ? COLOR_3DDKSHADOW : COLOR_BTNFACE));
        ::FrameRect(dc, &rect, line);
        ::DeleteObject(line);
    }

    // The push-button frame: inside the frame line, or on the outer pixel of
    // a cell.
    RECT inner = rect;
    ::InflateRect(&inner, -2, -2);
    RECT kept = rect;
    ::InflateRect(&kept, framed ? -2 : -1, framed ? -2 : -1);
    int saved = ::SaveDC(dc);
    ::ExcludeClipRect(dc, kept.left, kept.top, kept.right, kept.bottom);
    UINT state = DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
    RECT frame = rect;
    ::DrawFrameControl(dc, &frame, DFC_BUTTON, state);
    ::RestoreDC(dc, saved);

    HBRUSH fill = ::CreateSolidBrush(m_color);
    ::FillRect(dc, &inner, fill);
    ::DeleteObject(fill);
    if (disabled && framed) {
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        for (int y = inner.top; y < inner.bottom; ++y)
            for (int x = inner.left; x < inner.right; ++x)
                if ((x + y) % 2 == 0) ::SetPixelV(dc, x, y, face);
    }
    DrawButtonCaption(m_hWnd, dc, rect, m_textColor, pushed, disabled);
}

void DrawButtonCaption(HWND button, HDC dc, RECT rect, COLORREF colour, bool pushed, bool disabled) {
    int length = ::GetWindowTextLengthW(button);
    if (length <= 0) return;
    CString text;
    ::GetWindowTextW(button, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    HFONT font = (HFONT)::SendMessageW(button, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = font ? ::SelectObject(dc, font) : nullptr;
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    if (pushed) {
        rect.right += 2;
        rect.bottom += 2;
    }
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    if (disabled) {
        RECT shadow = rect;
        ::OffsetRect(&shadow, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
        ::DrawTextW(dc, text, text.GetLength(), &shadow, format);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        ::SetTextColor(dc, colour);
    }
    ::DrawTextW(dc, text, text.GetLength(), &rect, format);
    ::SetBkMode(dc, oldMode);
    if (oldFont) ::SelectObject(dc, oldFont);
}
