// An owner-drawn combo box whose items are pictures read from .bmp files,
// each with an optional text.
#pragma once

#include "ui/ControlBase.h"

#include <vector>

class CBitmapPickerCombo : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    ~CBitmapPickerCombo() override;
    // Appends an item; a file that cannot be read (missing, not a bitmap,
    // headers that lie about its sizes) gives an item without a picture.
    int AddBitmapFile(LPCTSTR path, LPCTSTR text = nullptr);
    HBITMAP GetItemBitmap(int index) const;
    int m_nMaxWidth = 0;
    int m_nMaxHeight = 14;

protected:
    void DrawItem(LPDRAWITEMSTRUCT dis);
    void MeasureItem(LPMEASUREITEMSTRUCT mis);

private:
    void DrawContent(HDC dc, const CRect& rc, HBITMAP bitmap, const CString& text);
    std::vector<HBITMAP> m_bitmaps;
};
