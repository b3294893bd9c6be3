#include "ComboBox.h"

void CComboBox::GetLBText(int index, CString& text) const {
    int length = GetLBTextLen(index);
    if (length == CB_ERR) {
        text.Empty();
        return;
    }
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int got = (int)SendMessage(CB_GETLBTEXT, (WPARAM)index, (LPARAM)buffer);
    text.ReleaseBuffer(got < 0 ? 0 : got);
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CWnd::OnChildNotify(message, wParam, lParam, result)) return TRUE;
    LRESULT r = TRUE;
    switch (message) {
    case WM_DRAWITEM: DrawItem((LPDRAWITEMSTRUCT)lParam); break;
    case WM_MEASUREITEM: MeasureItem((LPMEASUREITEMSTRUCT)lParam); break;
    case WM_COMPAREITEM: r = CompareItem((LPCOMPAREITEMSTRUCT)lParam); break;
    case WM_DELETEITEM: DeleteItem((LPDELETEITEMSTRUCT)lParam); break;
    default: return FALSE;
    }
    if (result) *result = r;
    return TRUE;
}
