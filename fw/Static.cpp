#include "Static.h"

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CWnd::OnChildNotify(message, wParam, lParam, result)) return TRUE;
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (result) *result = TRUE;
    return TRUE;
}
