#include "PagesTestSupport.h"

#include "shell/ShellIds.h"

std::vector<Posted> g_posted;
static LRESULT CALLBACK OwnerProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGS_CLOSED || message == WM_REOPEN_SETTINGS) {
        g_posted.push_back({message, wParam});
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}
HWND MakeOwner() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SettingsPagesTestOwner";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, L"SettingsPagesTestOwner", L"owner", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void Press(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
