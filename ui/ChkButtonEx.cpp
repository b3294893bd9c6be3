#include "ui/ChkButtonEx.h"

BOOL CChkButtonEx::LoadImageStrip(UINT bitmapId, int cellWidth, int cellHeight, COLORREF mask, UINT flags) {
    // A strip is loaded once; later calls keep it.
    if (m_hImageList)
        return TRUE;
    HBITMAP bmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId));
    SetImageStrip(bmp, cellWidth, cellHeight, mask, flags, 3);
    return TRUE;
}
