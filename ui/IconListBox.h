// An owner-drawn list box with the same icon before every item.
#pragma once

#include "fw/AfxWin.h"

class CIconListBox : public CListBox {
public:
    CIconListBox();
    ~CIconListBox() override;
    int AddString(LPCTSTR text);

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override { mis->itemHeight = 20; }

protected:
    HICON m_hIcon = nullptr;  // 287
};
