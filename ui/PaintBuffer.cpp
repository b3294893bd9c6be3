#include "ui/PaintBuffer.h"

HDC CPaintBuffer::Begin(int cx, int cy) {
    if (cx < 1) cx = 1;
    if (cy < 1) cy = 1;
    if (!m_dc || cx > m_cx || cy > m_cy) {
        // Grown to the largest size asked for so far, never shrunk.
        int w = cx > m_cx ? cx : m_cx, h = cy > m_cy ? cy : m_cy;
        Free();
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = m_dc ? CreateCompatibleBitmap(screen, w, h) : nullptr;
        ReleaseDC(nullptr, screen);
        if (!m_bitmap) {
            Free();
            return nullptr;
        }
        m_old = SelectObject(m_dc, m_bitmap);
        m_cx = w;
        m_cy = h;
    }
    // Each paint starts from the state a fresh DC has.
    m_saved = SaveDC(m_dc);
    return m_dc;
}

void CPaintBuffer::End() {
    if (m_dc && m_saved) RestoreDC(m_dc, m_saved);
    m_saved = 0;
}

void CPaintBuffer::Free() {
    if (m_dc && m_old) SelectObject(m_dc, m_old);
    if (m_bitmap) DeleteObject(m_bitmap);
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_old = nullptr;
    m_cx = m_cy = 0;
    m_saved = 0;
}
