// CDC: a device context. The wrapper deletes a DC it created
// (CreateCompatibleDC, CreateDC); CPaintDC, CClientDC and CWindowDC release
// the DC they got from a window.
#pragma once

#include "Bitmap.h"
#include "Brush.h"
#include "Font.h"
#include "Geometry.h"
#include "Pen.h"
#include "Rgn.h"
#include "StringT.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    BOOL Attach(HDC dc);
    HDC Detach();
    static CDC* FromHandle(HDC dc);
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const DEVMODEW* init);
    BOOL DeleteDC();
    CWnd* GetWindow() const;

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // ---- Selection ----
    CPen* SelectObject(CPen* pen) { return CPen::FromHandle((HPEN)Select(pen)); }
    CBrush* SelectObject(CBrush* brush) { return CBrush::FromHandle((HBRUSH)Select(brush)); }
    CFont* SelectObject(CFont* font) { return CFont::FromHandle((HFONT)Select(font)); }
    CBitmap* SelectObject(CBitmap* bitmap) { return CBitmap::FromHandle((HBITMAP)Select(bitmap)); }
    int SelectObject(CRgn* rgn) { return (int)(INT_PTR)::SelectObject(m_hDC, rgn ? rgn->m_hObject : nullptr); }
    CGdiObject* SelectObject(CGdiObject* object) { return CGdiObject::FromHandle(Select(object)); }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    CGdiObject* SelectStockObject(int index) { return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index))); }
    CFont* GetCurrentFont() const { return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT)); }
    CPen* GetCurrentPen() const { return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN)); }
    CBrush* GetCurrentBrush() const { return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH)); }
    CBitmap* GetCurrentBitmap() const { return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP)); }

    // ---- Attributes ----
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    UINT SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }
    int SetTextCharacterExtra(int extra) { return ::SetTextCharacterExtra(m_hDC, extra); }
    int SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    int SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
    int SetPolyFillMode(int mode) { return ::SetPolyFillMode(m_hDC, mode); }
    CPoint SetViewportOrg(int x, int y) { POINT p = {}; ::SetViewportOrgEx(m_hDC, x, y, &p); return CPoint(p); }
    CPoint GetViewportOrg() const { POINT p = {}; ::GetViewportOrgEx(m_hDC, &p); return CPoint(p); }
    CPoint OffsetViewportOrg(int dx, int dy) { POINT p = {}; ::OffsetViewportOrgEx(m_hDC, dx, dy, &p); return CPoint(p); }
    CPoint SetWindowOrg(int x, int y) { POINT p = {}; ::SetWindowOrgEx(m_hDC, x, y, &p); return CPoint(p); }
    CPoint SetBrushOrg(int x, int y) { POINT p = {}; ::SetBrushOrgEx(m_hDC, x, y, &p); return CPoint(p); }
    void DPtoLP(LPPOINT points, int count = 1) const { ::DPtoLP(m_hDC, points, count); }
    void LPtoDP(LPPOINT points, int count = 1) const { ::LPtoDP(m_hDC, points, count); }
    COLORREF GetNearestColor(COLORREF color) const { return ::GetNearestColor(m_hDC, color); }

    // ---- Clipping ----
    int SelectClipRgn(CRgn* rgn) { return ::SelectClipRgn(m_hDC, rgn ? (HRGN)rgn->m_hObject : nullptr); }
    int SelectClipRgn(CRgn* rgn, int mode) { return ::ExtSelectClipRgn(m_hDC, rgn ? (HRGN)rgn->m_hObject : nullptr, mode); }
    int IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
    int IntersectClipRect(LPCRECT rect) { return ::IntersectClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    int ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
    int ExcludeClipRect(LPCRECT rect) { return ::ExcludeClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
    BOOL RectVisible(LPCRECT rect) const { return ::RectVisible(m_hDC, rect); }

    // ---- Text ----
    BOOL TextOut(int x, int y, LPCTSTR text, int count) { return ::TextOutW(m_hDC, x, y, text, count); }
    BOOL TextOut(int x, int y, const CString& text) { return ::TextOutW(m_hDC, x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* dx = nullptr) {
        return ::ExtTextOutW(m_hDC, x, y, options, rect, text, count, dx);
    }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const int* dx = nullptr) {
        return ::ExtTextOutW(m_hDC, x, y, options, rect, text, (UINT)text.GetLength(), dx);
    }
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
        return ::DrawTextW(m_hDC, text, count, rect, format);
    }
    int DrawText(const CString& text, LPRECT rect, UINT format) {
        return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
    }
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(LPTEXTMETRICW metrics) const { return ::GetTextMetricsW(m_hDC, metrics); }

    // ---- Drawing ----
    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, brush ? (HBRUSH)brush->m_hObject : nullptr); }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, (HBRUSH)brush->m_hObject); }
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, rect, type, state); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT rect) { return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    BOOL RoundRect(int l, int t, int r, int b, int w, int h) { return ::RoundRect(m_hDC, l, t, r, b, w, h); }
    BOOL RoundRect(LPCRECT rect, POINT corner) {
        return ::RoundRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
    }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    BOOL Ellipse(LPCRECT rect) { return ::Ellipse(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    CPoint MoveTo(int x, int y) { POINT p = {}; ::MoveToEx(m_hDC, x, y, &p); return CPoint(p); }
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT point) { return ::LineTo(m_hDC, point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    COLORREF SetPixel(POINT point, COLORREF color) { return ::SetPixel(m_hDC, point.x, point.y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
    BOOL FillRgn(CRgn* rgn, CBrush* brush) { return ::FillRgn(m_hDC, (HRGN)rgn->m_hObject, (HBRUSH)brush->m_hObject); }
    BOOL FrameRgn(CRgn* rgn, CBrush* brush, int w, int h) {
        return ::FrameRgn(m_hDC, (HRGN)rgn->m_hObject, (HBRUSH)brush->m_hObject, w, h);
    }
    BOOL PaintRgn(CRgn* rgn) { return ::PaintRgn(m_hDC, (HRGN)rgn->m_hObject); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawIcon(POINT point, HICON icon) { return ::DrawIcon(m_hDC, point.x, point.y, icon); }
    BOOL DrawIconEx(int x, int y, HICON icon, int cx, int cy, UINT flags = DI_NORMAL) {
        return ::DrawIconEx(m_hDC, x, y, icon, cx, cy, 0, nullptr, flags);
    }

    // ---- Blitting ----
    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, rop);
    }
    BOOL PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }
    BOOL TransparentBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, UINT transparent) {
        return ::TransparentBlt(m_hDC, x, y, w, h, src->m_hDC, sx, sy, sw, sh, transparent);
    }
    BOOL AlphaBlend(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, BLENDFUNCTION blend) {
        return ::AlphaBlend(m_hDC, x, y, w, h, src->m_hDC, sx, sy, sw, sh, blend);
    }
    BOOL GradientFill(TRIVERTEX* vertices, ULONG count, void* mesh, ULONG meshCount, DWORD mode) {
        return ::GradientFill(m_hDC, vertices, count, mesh, meshCount, mode);
    }

private:
    static void SetTempHandle(CDC& dc, void* handle) { dc.m_hDC = dc.m_hAttribDC = (HDC)handle; }
    HGDIOBJ Select(CGdiObject* object) { return ::SelectObject(m_hDC, object ? object->m_hObject : nullptr); }
    bool m_owned = false;  // created here, deleted here
};
