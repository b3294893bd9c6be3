#include "ui/ControlBase.h"

LRESULT CControlBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return CWnd::WindowProc(message, wParam, lParam);
    } catch (...) {
        OutputDebugStringW(L"Zorel: a control's handler failed\n");
        try {
            return DefWindowProc(message, wParam, lParam);
        } catch (...) {
            return 0;
        }
    }
}

void CControlBase::SendCommandToParent(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) return;
    if (message == WM_COMMAND)
        ::SendMessageW(parent, WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
    else
        ::SendMessageW(parent, message, wParam, lParam);
}
