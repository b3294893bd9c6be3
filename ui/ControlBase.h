// The base of our controls. Like every window of ours, a control's failed
// handler never lets a C++ exception out into the system's window procedure:
// the framework falls back to the default processing.
#pragma once

#include "fw/AfxWin.h"

#include <tchar.h>

class CControlBase : public CWnd {
public:
    // Sends the parent WM_COMMAND with only the control's id, as a menu
    // command would arrive.
    void SendCommandToParent(UINT message = WM_COMMAND, WPARAM wParam = 0, LPARAM lParam = 0);
};
