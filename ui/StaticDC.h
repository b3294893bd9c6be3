// A memory device context over a rectangle of a window's DC: drawing goes
// to a bitmap that is copied to the window at the end, so nothing flickers.
#pragma once

#include "fw/AfxWin.h"

class CStaticDC : public CDC {
public:
    CStaticDC(CDC* dc, const RECT* rect = nullptr);
    ~CStaticDC() override;

private:
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
