// An owner-drawn list box of memo groups, each with an icon and its count of
// notes; the current group and the recycle bin stand out.
#pragma once

#include "fw/AfxWin.h"

class CGroupListBox : public CListBox {
public:
    enum { ItemHeight = 20, IconSize = 32, IconLeft = 3, IconTop = 3, TextLeft = 23, TextTop = 3 };
    // Grounds of a selected row and of the current group's row.
    static constexpr COLORREF SelectedFill = RGB(226, 236, 248), SelectedFrame = RGB(90, 90, 90);
    static constexpr COLORREF CurrentFill = RGB(255, 255, 163), CurrentFrame = RGB(255, 255, 60);

    CGroupListBox();
    ~CGroupListBox() override;
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    // The label an item shows (the recycle bin's text comes from text 10060).
    CString GetItemLabel(int index) const;

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override { mis->itemHeight = ItemHeight; }

protected:
    HICON m_hCurrentIcon = nullptr;  // 323
    HICON m_hGroupIcon = nullptr;    // 322
};
