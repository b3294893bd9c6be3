#include "ListCtrl.h"

#include "CommonControls.h"

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxInitCommonControls();
    return CWnd::Create(WC_LISTVIEWW, nullptr, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem) {
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_FMT;
    col.fmt = format;
    col.pszText = (LPWSTR)heading;
    if (width != -1) {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    if (subItem != -1) {
        col.mask |= LVCF_SUBITEM;
        col.iSubItem = subItem;
    }
    return (int)SendMessage(LVM_INSERTCOLUMNW, (WPARAM)column, (LPARAM)&col);
}

int CListCtrl::InsertItem(int index, LPCTSTR text, int image) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = (LPWSTR)text;
    if (image != -1) {
        item.mask |= LVIF_IMAGE;
        item.iImage = image;
    }
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text) {
    LVITEMW item = {};
    item.iSubItem = subItem;
    item.pszText = (LPWSTR)text;
    return (BOOL)SendMessage(LVM_SETITEMTEXTW, (WPARAM)index, (LPARAM)&item);
}

CString CListCtrl::GetItemText(int index, int subItem) const {
    // The control copies at most the buffer; grow until the text fits.
    for (int size = 256; size <= (1 << 20); size *= 4) {
        CString text;
        LVITEMW item = {};
        item.iSubItem = subItem;
        item.cchTextMax = size;
        item.pszText = text.GetBufferSetLength(size);
        int got = (int)SendMessage(LVM_GETITEMTEXTW, (WPARAM)index, (LPARAM)&item);
        if (got < size - 1) {
            text.ReleaseBuffer(got < 0 ? 0 : got);
            return text;
        }
    }
    return CString();
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return (POSITION)(INT_PTR)(ListView_GetNextItem(m_hWnd, -1, LVNI_SELECTED) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    int index = (int)(INT_PTR)pos - 1;
    pos = (POSITION)(INT_PTR)(ListView_GetNextItem(m_hWnd, index, LVNI_SELECTED) + 1);
    return index;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)index, (LPARAM)&item);
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data) {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = (LPARAM)data;
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int index) const {
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info = {};
    info.pt = point;
    int index = ListView_HitTest(m_hWnd, &info);
    if (flags) *flags = info.flags;
    return index;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int type) {
    return CImageList::FromHandle(ListView_SetImageList(m_hWnd, list ? list->m_hImageList : nullptr, type));
}
