#include "ui/SharedStrip.h"

#include "fw/WinApp.h"

HIMAGELIST CSharedStrip::Get() {
    if (!m_tried) {
        m_tried = true;
        HBITMAP bmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_id));
        if (bmp) Set(bmp);
    }
    return m_list;
}

void CSharedStrip::Set(HBITMAP bitmap, COLORREF mask) {
    m_tried = true;
    if (m_list) ImageList_Destroy(m_list);
    if (m_bitmap) ::DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    m_list = ImageList_Create(m_cx, m_cy, 255, 4, 1);
    if (m_list && bitmap) ImageList_AddMasked(m_list, bitmap, mask);
}
