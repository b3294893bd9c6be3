// An owner-drawn list box of memo groups, each with an icon and its count of
// notes; the current group and the recycle bin stand out.
#pragma once

#include "ui/ControlBase.h"

class CGroupListBox : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    CGroupListBox();
    ~CGroupListBox() override;
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    // The label an item shows (the recycle bin's text comes from text 10060).
    CString GetItemLabel(int index) const;

protected:
    void DrawItem(LPDRAWITEMSTRUCT dis);
    void MeasureItem(LPMEASUREITEMSTRUCT mis) { mis->itemHeight = 20; }

    HICON m_hCurrentIcon = nullptr;  // 323
    HICON m_hGroupIcon = nullptr;    // 322
};
