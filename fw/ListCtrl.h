// CListCtrl: the list view control.
#pragma once

#include "ImageList.h"
#include "Wnd.h"

#include <commctrl.h>

// An iterator over the selected items (GetFirstSelectedItemPosition).
typedef struct __POSITION* POSITION;

class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column) { return ListView_DeleteColumn(m_hWnd, column); }
    int GetColumnWidth(int column) const { return ListView_GetColumnWidth(m_hWnd, column); }
    BOOL SetColumnWidth(int column, int width) { return ListView_SetColumnWidth(m_hWnd, column, width); }
    HWND GetHeaderCtrl() const { return ListView_GetHeader(m_hWnd); }

    int InsertItem(const LVITEMW* item) { return (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)item); }
    int InsertItem(int index, LPCTSTR text, int image = -1);
    BOOL SetItem(const LVITEMW* item) { return (BOOL)SendMessage(LVM_SETITEMW, 0, (LPARAM)item); }
    BOOL GetItem(LVITEMW* item) const { return (BOOL)SendMessage(LVM_GETITEMW, 0, (LPARAM)item); }
    BOOL SetItemText(int index, int subItem, LPCTSTR text);
    CString GetItemText(int index, int subItem) const;
    BOOL DeleteItem(int index) { return ListView_DeleteItem(m_hWnd, index); }
    BOOL DeleteAllItems() { return ListView_DeleteAllItems(m_hWnd); }
    int GetItemCount() const { return ListView_GetItemCount(m_hWnd); }
    BOOL SetItemCount(int count) { return (BOOL)SendMessage(LVM_SETITEMCOUNT, (WPARAM)count); }
    UINT GetSelectedCount() const { return ListView_GetSelectedCount(m_hWnd); }
    int GetNextItem(int index, int flags) const { return ListView_GetNextItem(m_hWnd, index, flags); }
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const { return ListView_GetItemState(m_hWnd, index, mask); }
    BOOL SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetCheck(int index, BOOL check = TRUE) {
        return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    BOOL GetCheck(int index) const { return ((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }
    int FindItem(LVFINDINFOW* find, int start = -1) const {
        return (int)SendMessage(LVM_FINDITEMW, (WPARAM)start, (LPARAM)find);
    }
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    int HitTest(LVHITTESTINFO* info) const { return ListView_HitTest(m_hWnd, info); }
    BOOL GetItemRect(int index, LPRECT rect, UINT code) const { return ListView_GetItemRect(m_hWnd, index, rect, code); }
    BOOL EnsureVisible(int index, BOOL partialOk) { return ListView_EnsureVisible(m_hWnd, index, partialOk); }
    HWND EditLabel(int index) { return (HWND)SendMessage(LVM_EDITLABELW, (WPARAM)index); }
    HWND GetEditControl() const { return ListView_GetEditControl(m_hWnd); }
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data) { return ListView_SortItems(m_hWnd, compare, data); }
    BOOL RedrawItems(int first, int last) { return ListView_RedrawItems(m_hWnd, first, last); }
    BOOL Update(int index) { return ListView_Update(m_hWnd, index); }
    int GetTopIndex() const { return ListView_GetTopIndex(m_hWnd); }
    int GetCountPerPage() const { return ListView_GetCountPerPage(m_hWnd); }
    int GetSelectionMark() const { return ListView_GetSelectionMark(m_hWnd); }
    int SetSelectionMark(int index) { return ListView_SetSelectionMark(m_hWnd, index); }
    int GetStringWidth(LPCTSTR text) const { return (int)SendMessage(LVM_GETSTRINGWIDTHW, 0, (LPARAM)text); }

    DWORD GetExtendedStyle() const { return ListView_GetExtendedListViewStyle(m_hWnd); }
    DWORD SetExtendedStyle(DWORD style) { return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    CImageList* SetImageList(CImageList* list, int type);
    CImageList* GetImageList(int type) const { return CImageList::FromHandle(ListView_GetImageList(m_hWnd, type)); }
    BOOL SetBkColor(COLORREF color) { return ListView_SetBkColor(m_hWnd, color); }
    BOOL SetTextColor(COLORREF color) { return ListView_SetTextColor(m_hWnd, color); }
    BOOL SetTextBkColor(COLORREF color) { return ListView_SetTextBkColor(m_hWnd, color); }
};
