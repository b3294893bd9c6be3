#include "SettingsOwner.h"

#include "shell/ShellIds.h"

std::vector<PostedMessage> g_posted;

static LRESULT CALLBACK OwnerProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGS_CLOSED || message == WM_REOPEN_SETTINGS) {
        g_posted.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}

HWND MakeSettingsOwner() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SettingsTestOwner";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, L"SettingsTestOwner", L"owner", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}
