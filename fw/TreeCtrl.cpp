#include "TreeCtrl.h"

#include "CommonControls.h"

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxInitCommonControls();
    return CWnd::Create(WC_TREEVIEWW, nullptr, style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = (LPWSTR)text;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = (LPWSTR)text;
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    TVITEMW tv = {};
    tv.mask = TVIF_CHILDREN | TVIF_HANDLE;
    tv.hItem = item;
    return GetItem(&tv) && tv.cChildren != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    for (int size = 256; size <= (1 << 20); size *= 4) {
        CString text;
        TVITEMW tv = {};
        tv.mask = TVIF_TEXT | TVIF_HANDLE;
        tv.hItem = item;
        tv.cchTextMax = size;
        tv.pszText = text.GetBufferSetLength(size);
        if (!GetItem(&tv)) return CString();
        text.ReleaseBuffer();
        if (text.GetLength() < size - 1) return text;
    }
    return CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text) {
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    tv.pszText = (LPWSTR)text;
    return SetItem(&tv);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEMW tv = {};
    tv.mask = TVIF_PARAM | TVIF_HANDLE;
    tv.hItem = item;
    return GetItem(&tv) ? (DWORD_PTR)tv.lParam : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
    TVITEMW tv = {};
    tv.mask = TVIF_PARAM | TVIF_HANDLE;
    tv.hItem = item;
    tv.lParam = (LPARAM)data;
    return SetItem(&tv);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    TVITEMW tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    tv.hItem = item;
    if (!GetItem(&tv)) return FALSE;
    image = tv.iImage;
    selectedImage = tv.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    TVITEMW tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    tv.hItem = item;
    tv.iImage = image;
    tv.iSelectedImage = selectedImage;
    return SetItem(&tv);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) {
    TVITEMW tv = {};
    tv.mask = TVIF_STATE | TVIF_HANDLE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    return SetItem(&tv);
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    TVHITTESTINFO info = {};
    info.pt = point;
    HTREEITEM item = TreeView_HitTest(m_hWnd, &info);
    if (flags) *flags = info.flags;
    return item;
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int type) {
    return CImageList::FromHandle(TreeView_SetImageList(m_hWnd, list ? list->m_hImageList : nullptr, type));
}
