// An owner-drawn list box with the same icon before every item.
#pragma once

#include "ui/ControlBase.h"

class CIconListBox : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    CIconListBox();
    ~CIconListBox() override;
    int AddString(LPCTSTR text);

protected:
    void DrawItem(LPDRAWITEMSTRUCT dis);
    void MeasureItem(LPMEASUREITEMSTRUCT mis) { mis->itemHeight = 20; }
    HICON m_hIcon = nullptr;  // 287
};
