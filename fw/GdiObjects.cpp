// The parts of the GDI wrappers that need a device context or resources.
#include "Bitmap.h"
#include "Brush.h"
#include "DC.h"
#include "Font.h"
#include "WinApp.h"

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    return bitmap ? Attach(::CreatePatternBrush((HBITMAP)bitmap->m_hObject)) : FALSE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (faceName) lstrcpynW(lf.lfFaceName, faceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* logFont, CDC* dc) {
    HDC hdc = dc ? dc->m_hDC : ::GetDC(nullptr);
    LOGFONTW lf = *logFont;
    // lfHeight holds tenths of a point; the font wants (negative) pixels.
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), lf.lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(hdc, &pt, 1);
    ::DPtoLP(hdc, &origin, 1);
    lf.lfHeight = -abs(pt.y - origin.y);
    if (!dc) ::ReleaseDC(nullptr, hdc);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCEW(id)); }

BOOL CBitmap::LoadBitmap(LPCTSTR name) { return Attach(::LoadBitmapW(AfxGetResourceHandle(), name)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}
