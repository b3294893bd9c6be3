#include "app/ColorSampleDlg.h"

#include "app/SettingsIds.h"
#include "shell/ColorUtil.h"

BEGIN_MESSAGE_MAP(CColorSampleDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
void Pixel(HDC dc, int x, int y, COLORREF color) { ::SetPixelV(dc, x, y, color); }

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

// The shade of each title row in the columns between the edges: a light
// top line, a slow fall from 1.075 over fourteen rows, then two dark lines.
float TitleRowFactor(int row) {
    if (row == 0) return 1.3f;
    if (row <= 14) {
        const double step = 0.15 / 14;
        return (float)(1 + 7 * step - (row - 1) * step);
    }
    return row == 15 ? 0.85f : 0.55f;
}
}  // namespace

BOOL CColorSampleDlg::Create(CWnd* parent) { return CDialog::Create(IDD_COLOR_SAMPLE, parent); }

void CColorSampleDlg::SetColor(COLORREF color) {
    m_color = color;
    if (m_hWnd) Invalidate(FALSE);
}

BOOL CColorSampleDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CColorSampleDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    Paint(dc, client, m_color);
    ::EndPaint(m_hWnd, &ps);
}

void CColorSampleDlg::Paint(HDC dc, const RECT& client, COLORREF c) {
    const int left = client.left, top = client.top, right = client.right, bottom = client.bottom;
    const int width = right - left;
    if (width < 4 || bottom - top <= TitleHeight) return;
    const COLORREF light = ScaleColor(c, 1.3f), mid = ScaleColor(c, 0.85f), dark = ScaleColor(c, 0.55f);

    // The title strip's edge columns.
    for (int y = 0; y < TitleHeight; ++y) {
        Pixel(dc, left, top + y, y < TitleHeight - 1 ? light : dark);
        Pixel(dc, right - 1, top + y, dark);
        Pixel(dc, right - 2, top + y, y == 0 ? light : y < TitleHeight - 1 ? mid : dark);
    }

    // The columns between: one shaded column stretched over them.
    HDC column = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, 1, TitleHeight);
    HGDIOBJ old = ::SelectObject(column, bitmap);
    for (int y = 0; y < TitleHeight; ++y) Pixel(column, 0, y, ScaleColor(c, TitleRowFactor(y)));
    ::StretchBlt(dc, left + 1, top, width - 3, TitleHeight, column, 0, 0, 1, TitleHeight, SRCCOPY);
    ::SelectObject(column, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(column);

    // The body, its corner marks and its frame.
    const COLORREF body = LightenColor(c, 1.2f);
    RECT bodyRect = {left, top + TitleHeight, right, bottom};
    Fill(dc, bodyRect, body);
    const COLORREF mark = ScaleColor(c, 0.8f);
    for (int i = 0; i < 4; ++i) {
        for (int y = bottom - 7 + i; y <= bottom - 4; ++y) {
            Pixel(dc, left + 2 + i, y, mark);
            Pixel(dc, right - 4 - i, y, mark);
        }
    }
    // Light on the top and left edges, dark on the bottom and right.
    const COLORREF frameLight = ScaleColor(c, 1.5f), frameDark = ScaleColor(body, 0.5f);
    const int y0 = top + TitleHeight;
    Fill(dc, {left, y0, right - 1, y0 + 1}, frameLight);
    Fill(dc, {left, y0, left + 1, bottom - 1}, frameLight);
    Fill(dc, {right - 1, y0, right, bottom}, frameDark);
    Fill(dc, {left, bottom - 1, right, bottom}, frameDark);
}
