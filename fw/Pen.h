// CPen: a GDI pen.
#pragma once

#include "GdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    BOOL CreatePenIndirect(LPLOGPEN logPen) { return Attach(::CreatePenIndirect(logPen)); }
    operator HPEN() const { return (HPEN)m_hObject; }
    int GetLogPen(LOGPEN* logPen) const { return GetObject(sizeof(*logPen), logPen); }
    static CPen* FromHandle(HPEN pen) { return fwdetail::GdiFromHandle<CPen>(pen); }
};
