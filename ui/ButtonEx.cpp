#include "ui/ButtonEx.h"

BOOL CButtonEx::LoadImageStrip(UINT bitmapId, int cellWidth, int cellHeight, COLORREF mask, UINT flags) {
    HBITMAP bmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId));
    SetImageStrip(bmp, cellWidth, cellHeight, mask, flags, 4);
    return TRUE;
}
