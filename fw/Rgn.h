// CRgn: a GDI region.
#pragma once

#include "GdiObject.h"

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
    BOOL CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateEllipticRgn(x1, y1, x2, y2)); }
    BOOL CreateEllipticRgnIndirect(LPCRECT rect) { return Attach(::CreateEllipticRgnIndirect(rect)); }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
        return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, w, h));
    }
    BOOL CreatePolygonRgn(const POINT* points, int count, int mode) {
        return Attach(::CreatePolygonRgn(points, count, mode));
    }
    // Combining needs an existing region to receive the result.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode) {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)a->m_hObject, b ? (HRGN)b->m_hObject : nullptr, mode);
    }
    int CopyRgn(const CRgn* source) { return ::CombineRgn((HRGN)m_hObject, (HRGN)source->m_hObject, nullptr, RGN_COPY); }
    BOOL EqualRgn(const CRgn* other) const { return ::EqualRgn((HRGN)m_hObject, (HRGN)other->m_hObject); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn((HRGN)m_hObject, dx, dy); }
    int GetRgnBox(LPRECT rect) const { return ::GetRgnBox((HRGN)m_hObject, rect); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
    BOOL PtInRegion(POINT point) const { return ::PtInRegion((HRGN)m_hObject, point.x, point.y); }
    BOOL RectInRegion(LPCRECT rect) const { return ::RectInRegion((HRGN)m_hObject, rect); }
    void SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2); }
    void SetRectRgn(LPCRECT rect) { ::SetRectRgn((HRGN)m_hObject, rect->left, rect->top, rect->right, rect->bottom); }
    operator HRGN() const { return (HRGN)m_hObject; }
    static CRgn* FromHandle(HRGN rgn) { return fwdetail::GdiFromHandle<CRgn>(rgn); }
};
