// Entry point. The program starts, shows nothing yet and ends cleanly.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"ZorelStub";
    RegisterClassW(&wc);
    HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Zorel Uninstall", WS_POPUP, 0, 0, 1, 1,
                               nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    DestroyWindow(wnd);
    PostQuitMessage(0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return (int)msg.wParam;
}
