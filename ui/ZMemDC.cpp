#include "ui/ZMemDC.h"

ZMemDC::ZMemDC(CDC* dc, const RECT* rect) : m_pDC(dc) {
    m_bMemDC = ::GetDeviceCaps(dc->m_hDC, TECHNOLOGY) != DT_RASPRINTER;
    if (rect)
        m_rect = *rect;
    else
        ::GetClipBox(dc->m_hDC, &m_rect);
    if (m_bMemDC) {
        CreateCompatibleDC(dc);
        ::LPtoDP(dc->m_hDC, (LPPOINT)&m_rect, 2);
        m_bitmap.CreateCompatibleBitmap(dc, m_rect.Width(), m_rect.Height());
        m_hOldBitmap = ::SelectObject(m_hDC, (HBITMAP)m_bitmap);
        ::SetMapMode(m_hDC, ::GetMapMode(dc->m_hDC));
        SIZE extent;
        ::GetWindowExtEx(dc->m_hDC, &extent);
        ::SetWindowExtEx(m_hDC, extent.cx, extent.cy, nullptr);
        ::GetViewportExtEx(dc->m_hDC, &extent);
        ::SetViewportExtEx(m_hDC, extent.cx, extent.cy, nullptr);
        ::DPtoLP(dc->m_hDC, (LPPOINT)&m_rect, 2);
        ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    } else {
        m_hDC = dc->m_hDC;
        m_hAttribDC = dc->m_hAttribDC;
    }
    FillSolidRect(&m_rect, dc->GetBkColor());
}

ZMemDC::~ZMemDC() {
    if (m_bMemDC) {
        ::BitBlt(m_pDC->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left,
                 m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
        m_bitmap.DeleteObject();
        DeleteDC();
    } else {
        // Borrowed handles: let go without deleting them.
        m_hDC = m_hAttribDC = nullptr;
    }
}
