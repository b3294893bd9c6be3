// The image strips that all shared image buttons of one kind draw from:
// built once, by the first button constructed, and kept for the program's
// life, so many buttons of one window cost one bitmap.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CSharedStrip {
public:
    CSharedStrip(UINT bitmapId, int cellWidth, int cellHeight) : m_id(bitmapId), m_cx(cellWidth), m_cy(cellHeight) {}
    // Loads the strip from the program's resources on first use.
    HIMAGELIST Get();
    // Puts a strip made elsewhere in place (the list takes the bitmap's copy).
    void Set(HBITMAP bitmap, COLORREF mask = RGB(255, 0, 255));

private:
    UINT m_id;
    int m_cx, m_cy;
    bool m_tried = false;
    HIMAGELIST m_list = nullptr;
    HBITMAP m_bitmap = nullptr;
};
