#include "ui/ControlBase.h"

void CControlBase::SendCommandToParent(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) return;
    if (message == WM_COMMAND)
        ::SendMessageW(parent, WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
    else
        ::SendMessageW(parent, message, wParam, lParam);
}
