// The grid's off-screen surface: painting goes into a bitmap of the clip
// box and is copied to the window at the end (straight to a printer DC).
#pragma once

#include "fw/AfxWin.h"

class CMemDCGrid : public CDC {
public:
    explicit CMemDCGrid(CDC* dc);
    ~CMemDCGrid() override;
    CDC* operator->() { return this; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
