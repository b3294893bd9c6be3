// CImageList: an image list, destroyed with the wrapper unless detached.
#pragma once

#include "Geometry.h"
#include "TempMap.h"

#include <windows.h>
#include <commctrl.h>

class CBitmap;
class CDC;

class CImageList {
public:
    CImageList() = default;
    virtual ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST list) {
        if (!list || m_hImageList) return FALSE;
        m_hImageList = list;
        return TRUE;
    }
    HIMAGELIST Detach() {
        HIMAGELIST list = m_hImageList;
        m_hImageList = nullptr;
        return list;
    }
    static CImageList* FromHandle(HIMAGELIST list);

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A strip bitmap resource cut into images cx wide; mask is the colour
    // drawn as transparent (CLR_NONE for none).
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList() { return m_hImageList ? ImageList_Destroy(Detach()) : FALSE; }

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL GetIconSize(int& cx, int& cy) const { return ImageList_GetIconSize(m_hImageList, &cx, &cy); }
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL Replace(int image, CBitmap* bitmap, CBitmap* mask);
    int Replace(int image, HICON icon) { return ImageList_ReplaceIcon(m_hImageList, image, icon); }
    BOOL Remove(int image) { return ImageList_Remove(m_hImageList, image); }
    BOOL Draw(CDC* dc, int image, POINT point, UINT style);
    HICON ExtractIcon(int image) { return ImageList_ExtractIcon(nullptr, m_hImageList, image); }
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(m_hImageList, color); }
    BOOL GetImageInfo(int image, IMAGEINFO* info) const { return ImageList_GetImageInfo(m_hImageList, image, info); }
};
