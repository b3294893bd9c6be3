#include "ui/StaticEx.h"

BEGIN_MESSAGE_MAP(CStaticEx, CControlBase)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CStaticEx::CStaticEx() : m_crText(::GetSysColor(COLOR_BTNTEXT)), m_crBack(::GetSysColor(COLOR_BTNFACE)) {
    m_hBrush = ::CreateSolidBrush(m_crBack);
}

CStaticEx::~CStaticEx() {
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

void CStaticEx::SetTextColor(COLORREF color) {
    m_crText = color == (COLORREF)-1 ? ::GetSysColor(COLOR_BTNTEXT) : color;
    if (m_hWnd) Invalidate(TRUE);
}

void CStaticEx::SetBkColor(COLORREF color) {
    m_crBack = color == (COLORREF)-1 ? ::GetSysColor(COLOR_BTNFACE) : color;
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = ::CreateSolidBrush(m_crBack);
    if (m_hWnd) Invalidate(TRUE);
}

HBRUSH CStaticEx::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(m_crText);
    dc->SetBkColor(m_crBack);
    return m_hBrush;
}

void CStaticEx::OnDestroy() {
    CControlBase::OnDestroy();
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = nullptr;
}
