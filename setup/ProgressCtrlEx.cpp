#include "setup/ProgressCtrlEx.h"

#include "setup/SetupLogic.h"

BEGIN_MESSAGE_MAP(CProgressCtrlEx, CProgressCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CProgressCtrlEx::ResetRun() {
    m_noTextYet = true;
    m_startTick = 0;
    m_elapsedMs = m_remainingMs = 0;
}

void CProgressCtrlEx::SetRange(short lower, short upper) {
    ResetRun();
    CProgressCtrl::SetRange(lower, upper);
}

void CProgressCtrlEx::SetRange32(int lower, int upper) {
    ResetRun();
    CProgressCtrl::SetRange32(lower, upper);
}

void CProgressCtrlEx::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    Draw(dc, client);
    ::EndPaint(m_hWnd, &ps);
}

void CProgressCtrlEx::Draw(HDC dc, const RECT& rect) {
    int lower = 0, upper = 0;
    GetRange(lower, upper);
    int pos = GetPos();
    double fraction = upper > 0 ? (double)pos / upper : 0.0;
    if (fraction < 0) fraction = 0;
    if (fraction > 1) fraction = 1;
    if (fraction > 0) {
        DWORD now = GetTickCount();
        if (m_noTextYet) {
            m_startTick = now;
            m_noTextYet = false;
        }
        m_elapsedMs = now - m_startTick;
        m_remainingMs = (DWORD)(m_elapsedMs / fraction) - m_elapsedMs;
    }

    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    RECT done = rect;
    done.right = rect.left + (int)(width * fraction);
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    ::FillRect(dc, &done, ::GetSysColorBrush(COLOR_HIGHLIGHT));

    m_drawnText = SetupLogic::ProgressBarText(fraction, m_noTextYet);
    if (m_drawnText.IsEmpty() || width <= 0 || height <= 0) return;

    // The text goes into a black bitmap in the inverse of the highlight
    // colour and is XORed onto the bar: over the highlight it becomes white,
    // over the face it stays readable.
    HDC mem = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(mem, bitmap);
    RECT local = {0, 0, width, height};
    ::FillRect(mem, &local, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    HFONT font = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = ::SelectObject(mem, font ? (HGDIOBJ)font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(mem, TRANSPARENT);
    ::SetTextColor(mem, 0xFFFFFF & ~::GetSysColor(COLOR_HIGHLIGHT));
    ::DrawTextW(mem, m_drawnText, -1, &local, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::BitBlt(dc, rect.left, rect.top, width, height, mem, 0, 0, SRCINVERT);
    ::SelectObject(mem, oldFont);
    ::SelectObject(mem, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
}
