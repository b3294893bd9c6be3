// CTreeCtrl: the tree view control.
#pragma once

#include "ImageList.h"
#include "Wnd.h"

#include <commctrl.h>

class CTreeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HTREEITEM InsertItem(LPTVINSERTSTRUCTW insert) { return (HTREEITEM)SendMessage(TVM_INSERTITEMW, 0, (LPARAM)insert); }
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item) { return TreeView_DeleteItem(m_hWnd, item); }
    BOOL DeleteAllItems() { return TreeView_DeleteAllItems(m_hWnd); }
    UINT GetCount() const { return TreeView_GetCount(m_hWnd); }

    HTREEITEM GetRootItem() const { return TreeView_GetRoot(m_hWnd); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return TreeView_GetChild(m_hWnd, item); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return TreeView_GetNextSibling(m_hWnd, item); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return TreeView_GetPrevSibling(m_hWnd, item); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return TreeView_GetParent(m_hWnd, item); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const { return TreeView_GetNextItem(m_hWnd, item, code); }
    HTREEITEM GetFirstVisibleItem() const { return TreeView_GetFirstVisible(m_hWnd); }
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const { return TreeView_GetNextVisible(m_hWnd, item); }
    HTREEITEM GetSelectedItem() const { return TreeView_GetSelection(m_hWnd); }
    BOOL SelectItem(HTREEITEM item) { return TreeView_SelectItem(m_hWnd, item); }
    BOOL SelectDropTarget(HTREEITEM item) { return TreeView_SelectDropTarget(m_hWnd, item); }
    BOOL Expand(HTREEITEM item, UINT code) { return TreeView_Expand(m_hWnd, item, code); }
    BOOL EnsureVisible(HTREEITEM item) { return TreeView_EnsureVisible(m_hWnd, item); }
    BOOL ItemHasChildren(HTREEITEM item) const;
    BOOL SortChildren(HTREEITEM item) { return TreeView_SortChildren(m_hWnd, item, 0); }

    BOOL GetItem(TVITEMW* item) const { return (BOOL)SendMessage(TVM_GETITEMW, 0, (LPARAM)item); }
    BOOL SetItem(TVITEMW* item) { return (BOOL)SendMessage(TVM_SETITEMW, 0, (LPARAM)item); }
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const { return TreeView_GetItemState(m_hWnd, item, mask); }
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    BOOL GetCheck(HTREEITEM item) const { return TreeView_GetCheckState(m_hWnd, item) == 1; }
    BOOL SetCheck(HTREEITEM item, BOOL check = TRUE) {
        return SetItemState(item, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), TVIS_STATEIMAGEMASK);
    }
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
        return TreeView_GetItemRect(m_hWnd, item, rect, textOnly);
    }
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    HWND EditLabel(HTREEITEM item) { return (HWND)SendMessage(TVM_EDITLABELW, 0, (LPARAM)item); }
    HWND GetEditControl() const { return TreeView_GetEditControl(m_hWnd); }
    CImageList* SetImageList(CImageList* list, int type);
    CImageList* GetImageList(int type) const { return CImageList::FromHandle(TreeView_GetImageList(m_hWnd, type)); }
    int SetItemHeight(int height) { return TreeView_SetItemHeight(m_hWnd, height); }
    COLORREF SetBkColor(COLORREF color) { return TreeView_SetBkColor(m_hWnd, color); }
    COLORREF SetTextColor(COLORREF color) { return TreeView_SetTextColor(m_hWnd, color); }
};
