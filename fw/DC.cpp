#include "DC.h"

#include "TempMap.h"
#include "Wnd.h"

namespace fwdetail {
CDC* DCFromHandle(HDC dc) { return CDC::FromHandle(dc); }
}  // namespace fwdetail

CDC::~CDC() {
    if (m_owned) DeleteDC();
}

BOOL CDC::Attach(HDC dc) {
    if (!dc || m_hDC) return FALSE;
    m_hDC = m_hAttribDC = dc;
    m_owned = false;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_owned = false;
    return dc;
}

CDC* CDC::FromHandle(HDC dc) { return fwdetail::TempMap<CDC>::Get(dc, &CDC::SetTempHandle); }

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC) return FALSE;
    HDC created = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    if (!created) return FALSE;
    Attach(created);
    m_owned = true;
    return TRUE;
}

BOOL CDC::CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const DEVMODEW* init) {
    if (m_hDC) return FALSE;
    HDC created = ::CreateDCW(driver, device, output, init);
    if (!created) return FALSE;
    Attach(created);
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    bool owned = m_owned;
    HDC dc = Detach();
    return owned ? ::DeleteDC(dc) : FALSE;
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
    SIZE size = {};
    ::GetTextExtentPoint32W(m_hDC, text, count, &size);
    return CSize(size);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}
