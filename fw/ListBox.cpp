#include "ListBox.h"

int CListBox::GetText(int index, CString& text) const {
    int length = GetTextLen(index);
    if (length == LB_ERR) {
        text.Empty();
        return LB_ERR;
    }
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int got = (int)SendMessage(LB_GETTEXT, (WPARAM)index, (LPARAM)buffer);
    text.ReleaseBuffer(got < 0 ? 0 : got);
    return got;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
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
