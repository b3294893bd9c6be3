#include "ui/StaticDC.h"

CStaticDC::CStaticDC(CDC* dc, const RECT* rect) : m_pDC(dc) {
    m_bMemDC = dc->GetDeviceCaps(TECHNOLOGY) != DT_RASPRINTER;
    if (rect && !::IsRectEmpty(rect)) m_rect = *rect;
    else dc->GetClipBox(&m_rect);
    if (m_bMemDC) {
        CreateCompatibleDC(dc);
        m_bitmap.CreateCompatibleBitmap(dc, m_rect.Width(), m_rect.Height());
        m_oldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        m_hDC = dc->m_hDC;
        m_hAttribDC = dc->m_hAttribDC;
    }
}

CStaticDC::~CStaticDC() {
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_oldBitmap);
    } else {
        m_hDC = m_hAttribDC = nullptr;
    }
}
