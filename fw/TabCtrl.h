// CTabCtrl: the tab control.
#pragma once

#include "CommonControls.h"
#include "ImageList.h"
#include "Wnd.h"

#include <commctrl.h>

class CTabCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        AfxInitCommonControls();
        return CWnd::Create(WC_TABCONTROLW, nullptr, style, rect, parent, id);
    }
    int InsertItem(int index, LPCTSTR text, int image = -1) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT | (image >= 0 ? TCIF_IMAGE : 0);
        item.pszText = (LPWSTR)text;
        item.iImage = image;
        return (int)SendMessage(TCM_INSERTITEMW, (WPARAM)index, (LPARAM)&item);
    }
    BOOL GetItem(int index, TCITEMW* item) const { return (BOOL)SendMessage(TCM_GETITEMW, (WPARAM)index, (LPARAM)item); }
    BOOL SetItem(int index, TCITEMW* item) { return (BOOL)SendMessage(TCM_SETITEMW, (WPARAM)index, (LPARAM)item); }
    BOOL DeleteItem(int index) { return TabCtrl_DeleteItem(m_hWnd, index); }
    BOOL DeleteAllItems() { return TabCtrl_DeleteAllItems(m_hWnd); }
    int GetItemCount() const { return TabCtrl_GetItemCount(m_hWnd); }
    int GetCurSel() const { return TabCtrl_GetCurSel(m_hWnd); }
    int SetCurSel(int index) { return TabCtrl_SetCurSel(m_hWnd, index); }
    void SetCurFocus(int index) { TabCtrl_SetCurFocus(m_hWnd, index); }
    BOOL GetItemRect(int index, LPRECT rect) const { return TabCtrl_GetItemRect(m_hWnd, index, rect); }
    // larger FALSE: from the window rectangle to the display area.
    void AdjustRect(BOOL larger, LPRECT rect) { TabCtrl_AdjustRect(m_hWnd, larger, rect); }
    CSize SetItemSize(CSize size) {
        DWORD old = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
        return CSize(LOWORD(old), HIWORD(old));
    }
    int HitTest(TCHITTESTINFO* info) const { return TabCtrl_HitTest(m_hWnd, info); }
    CImageList* SetImageList(CImageList* list) {
        return CImageList::FromHandle(TabCtrl_SetImageList(m_hWnd, list ? list->m_hImageList : nullptr));
    }
};
