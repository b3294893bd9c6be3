#include "ControlHost.h"

#include "ScreenPicture.h"

#include <vector>

CControlHost::CControlHost() {
    CreateEx(0, nullptr, L"Controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 20, 20, 760, 560, nullptr,
             nullptr);
}

CControlHost::~CControlHost() {
    if (m_hWnd) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
}

LRESULT CControlHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_KEYDOWN || (message >= WM_USER && message < WM_USER + 100)) {
        messages.push_back({message, wParam, lParam});
        if (onMessage) onMessage(message, wParam, lParam);
    }
    if (message == WM_NOTIFY) {
        notifyCodes.push_back(((NMHDR*)lParam)->code);
        messages.push_back({message, wParam, lParam});
        if (onMessage) onMessage(message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CControlHost& SharedHost() {
    static CControlHost* host = new CControlHost;
    host->messages.clear();
    host->notifyCodes.clear();
    host->onMessage = nullptr;
    return *host;
}

int CControlHost::CountOf(UINT message) const {
    int n = 0;
    for (const HostMessage& m : messages) n += m.message == message;
    return n;
}

const HostMessage* CControlHost::Last(UINT message) const {
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
        if (it->message == message) return &*it;
    return nullptr;
}

void Send(HWND wnd, UINT message, int x, int y, WPARAM keys) { SendMessageW(wnd, message, keys, MAKELPARAM(x, y)); }

void Click(HWND wnd, int x, int y, UINT down, UINT up, WPARAM keys) {
    Send(wnd, WM_MOUSEMOVE, x, y, keys);
    Send(wnd, down, x, y, keys | (down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON));
    Send(wnd, up, x, y, keys);
}

bool SaveWindowPicture(HWND wnd, LPCTSTR path) {
    RECT rc;
    GetWindowRect(wnd, &rc);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return SaveScreenArea(CRect(rc), path);
}
