// A top-level window that holds controls under test and records what they
// tell it.
#pragma once

#include "MessagePump.h"
#include "fw/AfxWin.h"

#include <functional>
#include <vector>

struct HostMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CControlHost : public CWnd {
public:
    CControlHost();
    ~CControlHost() override;
    std::vector<HostMessage> messages;   // WM_COMMAND, WM_NOTIFY codes, WM_USER range, WM_KEYDOWN
    std::vector<int> notifyCodes;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;
    int CountOf(UINT message) const;
    const HostMessage* Last(UINT message) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// One host for all tests (destroying a top-level window costs Wine seconds
// here); each call forgets what it recorded before.
CControlHost& SharedHost();
// Mouse and key input sent straight to a window (client coordinates).
void Click(HWND wnd, int x, int y, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP, WPARAM keys = 0);
void Send(HWND wnd, UINT message, int x, int y, WPARAM keys = 0);
// Writes the window's picture (as drawn now) to a .bmp file.
bool SaveWindowPicture(HWND wnd, LPCTSTR path);
