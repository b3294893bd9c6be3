#include "ui/ColorStaticST.h"

BEGIN_MESSAGE_MAP(CColorStaticST, CControlBase)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorStaticST::CColorStaticST() : m_crText(::GetSysColor(COLOR_BTNTEXT)), m_crBack(::GetSysColor(COLOR_BTNFACE)) {
    m_hBrush = ::CreateSolidBrush(m_crBack);
}

CColorStaticST::~CColorStaticST() {
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

void CColorStaticST::SetBkColor(COLORREF color) {
    m_crBack = color == (COLORREF)-1 ? ::GetSysColor(COLOR_BTNFACE) : color;
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = ::CreateSolidBrush(m_crBack);
    if (m_hWnd) Invalidate(TRUE);
}

HBRUSH CColorStaticST::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(m_crText);
    dc->SetBkColor(m_crBack);
    return m_hBrush;
}

void CColorStaticST::OnDestroy() {
    CControlBase::OnDestroy();
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = nullptr;
}
