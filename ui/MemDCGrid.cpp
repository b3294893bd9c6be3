#include "ui/MemDCGrid.h"

CMemDCGrid::CMemDCGrid(CDC* dc) : m_pDC(dc) {
    m_bMemDC = dc->GetDeviceCaps(TECHNOLOGY) != DT_RASPRINTER;
    dc->GetClipBox(&m_rect);
    if (m_bMemDC && !m_rect.IsRectEmpty() && CreateCompatibleDC(dc) &&
        m_bitmap.CreateCompatibleBitmap(dc, m_rect.Width(), m_rect.Height())) {
        m_oldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        if (m_hDC) DeleteDC();
        m_bMemDC = FALSE;
        m_hDC = dc->m_hDC;
        m_hAttribDC = dc->m_hAttribDC;
    }
}

CMemDCGrid::~CMemDCGrid() {
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_oldBitmap);
    } else {
        m_hDC = m_hAttribDC = nullptr;
    }
}
