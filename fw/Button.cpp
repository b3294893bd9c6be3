#include "Button.h"

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CWnd::OnChildNotify(message, wParam, lParam, result)) return TRUE;
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (result) *result = TRUE;
    return TRUE;
}
