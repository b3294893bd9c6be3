// CListBox: a list box. Owner-drawn list boxes draw, measure, compare and
// delete their items in the virtual functions below.
#pragma once

#include "Wnd.h"

class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(L"LISTBOX", nullptr, style, rect, parent, id);
    }
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int AddString(LPCTSTR text) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, LPCTSTR text) { return (int)SendMessage(LB_INSERTSTRING, (WPARAM)index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(LB_DELETESTRING, index); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)index); }
    int GetSel(int index) const { return (int)SendMessage(LB_GETSEL, (WPARAM)index); }
    int SetSel(int index, BOOL select = TRUE) { return (int)SendMessage(LB_SETSEL, select, (LPARAM)index); }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    int GetSelItems(int max, LPINT items) const { return (int)SendMessage(LB_GETSELITEMS, (WPARAM)max, (LPARAM)items); }
    int GetText(int index, CString& text) const;
    CString GetText(int index) const {
        CString text;
        GetText(index, text);
        return text;
    }
    int GetTextLen(int index) const { return (int)SendMessage(LB_GETTEXTLEN, (WPARAM)index); }
    int FindString(int startAfter, LPCTSTR text) const {
        return (int)SendMessage(LB_FINDSTRING, (WPARAM)startAfter, (LPARAM)text);
    }
    int FindStringExact(int startAfter, LPCTSTR text) const {
        return (int)SendMessage(LB_FINDSTRINGEXACT, (WPARAM)startAfter, (LPARAM)text);
    }
    int SelectString(int startAfter, LPCTSTR text) {
        return (int)SendMessage(LB_SELECTSTRING, (WPARAM)startAfter, (LPARAM)text);
    }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, (WPARAM)index); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(LB_SETITEMDATA, (WPARAM)index, (LPARAM)data); }
    void* GetItemDataPtr(int index) const { return (void*)GetItemData(index); }
    int SetItemDataPtr(int index, void* data) { return SetItemData(index, (DWORD_PTR)data); }
    int GetItemHeight(int index) const { return (int)SendMessage(LB_GETITEMHEIGHT, (WPARAM)index); }
    int SetItemHeight(int index, UINT height) {
        return (int)SendMessage(LB_SETITEMHEIGHT, (WPARAM)index, MAKELPARAM(height, 0));
    }
    int GetItemRect(int index, LPRECT rect) const { return (int)SendMessage(LB_GETITEMRECT, (WPARAM)index, (LPARAM)rect); }
    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return (int)SendMessage(LB_SETTOPINDEX, (WPARAM)index); }
    int GetCaretIndex() const { return (int)SendMessage(LB_GETCARETINDEX); }
    int SetCaretIndex(int index, BOOL scroll = TRUE) {
        return (int)SendMessage(LB_SETCARETINDEX, (WPARAM)index, MAKELPARAM(scroll, 0));
    }
    // The item under a client point; outside is TRUE when it lies below or
    // beside every item.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const {
        DWORD r = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        outside = HIWORD(r);
        return LOWORD(r);
    }

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    virtual int CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
    virtual void DeleteItem(LPDELETEITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
