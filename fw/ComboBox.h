// CComboBox: a combo box. Owner-drawn combo boxes draw, measure, compare and
// delete their items in the virtual functions below.
#pragma once

#include "Wnd.h"

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(L"COMBOBOX", nullptr, style, rect, parent, id);
    }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int AddString(LPCTSTR text) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, LPCTSTR text) { return (int)SendMessage(CB_INSERTSTRING, (WPARAM)index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(CB_DELETESTRING, index); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(CB_SETCURSEL, (WPARAM)index); }
    void GetLBText(int index, CString& text) const;
    CString GetLBText(int index) const {
        CString text;
        GetLBText(index, text);
        return text;
    }
    int GetLBTextLen(int index) const { return (int)SendMessage(CB_GETLBTEXTLEN, (WPARAM)index); }
    int FindString(int startAfter, LPCTSTR text) const {
        return (int)SendMessage(CB_FINDSTRING, (WPARAM)startAfter, (LPARAM)text);
    }
    int FindStringExact(int startAfter, LPCTSTR text) const {
        return (int)SendMessage(CB_FINDSTRINGEXACT, (WPARAM)startAfter, (LPARAM)text);
    }
    int SelectString(int startAfter, LPCTSTR text) {
        return (int)SendMessage(CB_SELECTSTRING, (WPARAM)startAfter, (LPARAM)text);
    }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, (WPARAM)index); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(CB_SETITEMDATA, (WPARAM)index, (LPARAM)data); }
    void* GetItemDataPtr(int index) const { return (void*)GetItemData(index); }
    int SetItemDataPtr(int index, void* data) { return SetItemData(index, (DWORD_PTR)data); }
    // index -1 is the selection field.
    int GetItemHeight(int index) const { return (int)SendMessage(CB_GETITEMHEIGHT, (WPARAM)index); }
    int SetItemHeight(int index, UINT height) { return (int)SendMessage(CB_SETITEMHEIGHT, (WPARAM)index, height); }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    void GetDroppedControlRect(LPRECT rect) const { SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)rect); }
    int SetDroppedWidth(UINT width) { return (int)SendMessage(CB_SETDROPPEDWIDTH, width); }
    BOOL LimitText(int chars) { return (BOOL)SendMessage(CB_LIMITTEXT, (WPARAM)chars); }
    BOOL SetEditSel(int start, int end) { return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    DWORD GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    virtual int CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
    virtual void DeleteItem(LPDELETEITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
