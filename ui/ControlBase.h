// The base of our controls: a window whose handlers never let a C++
// exception out into the system's window procedure (which cannot unwind
// through it); a failed handler falls back to the default processing.
#pragma once

#include "fw/AfxWin.h"

#include <tchar.h>

class CControlBase : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sends the parent WM_COMMAND with only the control's id, as a menu
    // command would arrive.
    void SendCommandToParent(UINT message = WM_COMMAND, WPARAM wParam = 0, LPARAM lParam = 0);
};
