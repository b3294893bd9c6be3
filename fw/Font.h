// CFont: a GDI font.
#pragma once

#include "GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTW* logFont) { return Attach(::CreateFontIndirectW(logFont)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCTSTR faceName) {
        return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
    }
    // pointSize in tenths of a point, converted for the device context (the
    // screen when null).
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONTW* logFont, CDC* dc = nullptr);
    operator HFONT() const { return (HFONT)m_hObject; }
    int GetLogFont(LOGFONTW* logFont) const { return GetObject(sizeof(*logFont), logFont); }
    static CFont* FromHandle(HFONT font) { return fwdetail::GdiFromHandle<CFont>(font); }
};
