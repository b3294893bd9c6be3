#include "ui/OwnStripButton.h"

COwnStripButton::~COwnStripButton() {
    if (m_hTooltip && ::IsWindow(m_hTooltip)) ::DestroyWindow(m_hTooltip);
    if (m_hImageList) ImageList_Destroy(m_hImageList);
    if (m_hBitmap) ::DeleteObject(m_hBitmap);
}

BOOL COwnStripButton::SetImageStrip(HBITMAP bitmap, int cellWidth, int cellHeight, COLORREF mask, UINT flags, int initial) {
    if (m_hImageList) ImageList_Destroy(m_hImageList);
    if (m_hBitmap) ::DeleteObject(m_hBitmap);
    m_hImageList = nullptr;
    m_hBitmap = bitmap;
    if (!bitmap || cellWidth <= 0 || cellHeight <= 0)
        return FALSE;
    m_hImageList = ImageList_Create(cellWidth, cellHeight, flags, initial, 1);
    if (!m_hImageList)
        return FALSE;
    ImageList_AddMasked(m_hImageList, bitmap, mask);
    m_nCellWidth = cellWidth;
    m_nCellHeight = cellHeight;
    SizeToCell();
    if (m_hWnd) Invalidate(FALSE);
    return TRUE;
}

void COwnStripButton::SetTooltipText(LPCTSTR text, BOOL activate) {
    if (!text || !m_hWnd) return;
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    if (!m_hTooltip) {
        m_hTooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, m_dwToolTipStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
        if (!m_hTooltip) return;
        ::SendMessageW(m_hTooltip, TTM_ACTIVATE, FALSE, 0);
        ::SendMessageW(m_hTooltip, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    if (::SendMessageW(m_hTooltip, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        GetClientRect(&ti.rect);
        ti.lpszText = const_cast<LPWSTR>(text);
        ::SendMessageW(m_hTooltip, TTM_ADDTOOLW, 0, (LPARAM)&ti);
    }
    ti.lpszText = const_cast<LPWSTR>(text);
    ::SendMessageW(m_hTooltip, TTM_UPDATETIPTEXTW, 0, (LPARAM)&ti);
    ::SendMessageW(m_hTooltip, TTM_ACTIVATE, activate, 0);
}

void COwnStripButton::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hTooltip) return;
    MSG msg = {m_hWnd, message, wParam, lParam, (DWORD)::GetMessageTime(), {}};
    ::SendMessageW(m_hTooltip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
}
