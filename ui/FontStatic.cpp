#include "ui/FontStatic.h"

#include "ui/ControlSettings.h"

BEGIN_MESSAGE_MAP(CFontStatic, CControlBase)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CFontStatic::CFontStatic() {
    if (!g_ControlSettings.DefaultFontFace.IsEmpty()) m_strFace = g_ControlSettings.DefaultFontFace;
    if (g_ControlSettings.DefaultFontSize > 0) m_nHeight = g_ControlSettings.DefaultFontSize;
}

void CFontStatic::PreSubclassWindow() {
    CControlBase::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);
}

void CFontStatic::SetFont(LPCTSTR face, int height, COLORREF color, DWORD style) { ApplyFont(face, height, color, style); }

void CFontStatic::SetTextColor(COLORREF color) {
    m_crText = color;
    if (m_hWnd) Invalidate(FALSE);
}

void CFontStatic::SetBkColor(COLORREF color) {
    m_crBack = color;
    m_bOwnBackground = 1;
}

void CFontStatic::SetText(LPCTSTR text) {
    SetWindowText(text);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

CRect CFontStatic::CalcTextRect(LPCTSTR text) {
    CRect client;
    GetClientRect(&client);
    CRect measured = client;
    LOGFONT lf = MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    ::DrawTextW(dc, text ? text : _T(""), -1, &measured, DrawFlags() | DT_CALCRECT);
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    if (font) ::DeleteObject(font);
    // The text keeps the control's width; only its height is measured.
    return TextRectFromMeasure(client, measured);
}

void CFontStatic::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_bOwnBackground ? m_crBack : ::GetSysColor(COLOR_BTNFACE));
    LOGFONT lf = MakeLogFont();
    HFONT font = ::CreateFontIndirectW(&lf);
    if (!font) return;
    dc.SetTextColor(m_crText);
    dc.SetBkMode(TRANSPARENT);
    HGDIOBJ old = dc.SelectObject((HGDIOBJ)font);
    dc.DrawText(GetWindowText(), &client, DrawFlags());
    dc.SelectObject(old);
    ::DeleteObject(font);
}
