#include "ImageList.h"

#include "Bitmap.h"
#include "CommonControls.h"
#include "DC.h"
#include "WinApp.h"

CImageList* CImageList::FromHandle(HIMAGELIST list) {
    return fwdetail::TempMap<CImageList>::Get(list, [](CImageList& l, void* h) { l.m_hImageList = (HIMAGELIST)h; });
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    AfxInitCommonControls();
    return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    AfxInitCommonControls();
    return Attach(ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Add(m_hImageList, (HBITMAP)bitmap->m_hObject, mask ? (HBITMAP)mask->m_hObject : nullptr);
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    return ImageList_AddMasked(m_hImageList, (HBITMAP)bitmap->m_hObject, mask);
}

BOOL CImageList::Replace(int image, CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Replace(m_hImageList, image, (HBITMAP)bitmap->m_hObject, mask ? (HBITMAP)mask->m_hObject : nullptr);
}

BOOL CImageList::Draw(CDC* dc, int image, POINT point, UINT style) {
    return ImageList_Draw(m_hImageList, image, dc->m_hDC, point.x, point.y, style);
}
