// ZMemDC: a memory device context that stands in for a target DC while a
// window or owner-drawn control paints, and copies the result to the target
// in one piece when it goes out of scope, so nothing flickers. On a printing
// DC it simply draws on the target.
#pragma once

#include "fw/AfxWin.h"

class ZMemDC : public CDC {
public:
    // rect in logical coordinates of the target; null: its clip box.
    explicit ZMemDC(CDC* dc, const RECT* rect = nullptr);
    ~ZMemDC() override;
    ZMemDC(const ZMemDC&) = delete;
    ZMemDC& operator=(const ZMemDC&) = delete;

    ZMemDC* operator->() { return this; }
    operator ZMemDC*() { return this; }
    BOOL IsMemoryMode() const { return m_bMemDC; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
