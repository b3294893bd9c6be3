#include "CaptureTestSupport.h"

#include "MessagePump.h"
#include "shell/Monitors.h"

namespace capturetest {

void StartGdiPlus() {
    static ULONG_PTR token = 0;
    if (token) return;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
}

CFakeCaptureSystem::CFakeCaptureSystem() : m_real(GetCaptureSystem()) {
    now.wYear = 2014;
    now.wMonth = 2;
    now.wDay = 9;
    now.wHour = 15;
    now.wMinute = 30;
    now.wSecond = 7;
    SetCaptureSystem(this);
}

CFakeCaptureSystem::~CFakeCaptureSystem() { SetCaptureSystem(nullptr); }

bool CFakeCaptureSystem::SetClipboardBitmap(HWND owner, HBITMAP bitmap) {
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    bitmaps.push_back({info.bmWidth, info.bmHeight});
    if (realClipboard) return m_real.SetClipboardBitmap(owner, bitmap);
    return false;
}

INT_PTR CFakeCaptureSystem::ChooseSaveFile(HWND, const CString& offered, const CString& ext, int index,
                                           CString& chosen) {
    proposed = offered;
    extension = ext;
    filter = index;
    if (saveAnswer.IsEmpty()) return IDCANCEL;
    chosen = saveAnswer;
    return IDOK;
}

// ---- Reporter ----------------------------------------------------------------------

CReporter::CReporter() {
    m_hWnd = ::CreateWindowExW(0, L"STATIC", L"capture reporter", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
}

CReporter::~CReporter() { ::DestroyWindow(m_hWnd); }

std::vector<WPARAM> CReporter::Take(UINT message) {
    std::vector<WPARAM> values;
    MSG msg;
    while (::PeekMessageW(&msg, m_hWnd, message, message, PM_REMOVE)) values.push_back(msg.wParam);
    return values;
}

// ---- Pattern window ----------------------------------------------------------------

namespace {
LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int part = 0; part < 3; ++part) {
                RECT band = {0, y, client.right / 2, y + 1};
                if (part == 1) band = {client.right / 2, y, client.right, y + 1};
                if (part == 2) {
                    if (y < 20 || y >= 30) continue;
                    band = {20, y, 30, y + 1};
                }
                COLORREF colour = CPatternWindow::ColourAt(band.left, y, client.right);
                HBRUSH brush = ::CreateSolidBrush(colour);
                ::FillRect(dc, &band, brush);
                ::DeleteObject(brush);
            }
        }
        ::EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return ::DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

COLORREF CPatternWindow::ColourAt(int x, int y, int width) {
    if (x >= 20 && x < 30 && y >= 20 && y < 30) return RGB(0, 200, 0);
    return x < width / 2 ? RGB(10, 5, 255) : RGB(200, 30, 40);
}

CPatternWindow::CPatternWindow(int x, int y, int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = PatternProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CapturePattern";
        ::RegisterClassW(&wc);
        registered = true;
    }
    m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"CapturePattern", L"pattern", WS_POPUP | WS_VISIBLE,
                               x, y, width, height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::UpdateWindow(m_hWnd);
    PumpFor(100);
}

CPatternWindow::~CPatternWindow() { ::DestroyWindow(m_hWnd); }

// ---- Monitors ----------------------------------------------------------------------

CFakeMonitors::CFakeMonitors() { SetMonitorSource(this); }

CFakeMonitors::~CFakeMonitors() {
    SetMonitorSource(nullptr);
    g_Monitors.GetCount();
}

std::vector<HMONITOR> CFakeMonitors::Enumerate() {
    std::vector<HMONITOR> list;
    for (size_t i = 0; i < screens.size(); ++i) list.push_back((HMONITOR)(ULONG_PTR)(i + 1));
    return list;
}

bool CFakeMonitors::GetInfo(HMONITOR monitor, MONITORINFO& info) {
    size_t i = (size_t)(ULONG_PTR)monitor - 1;
    if (i >= screens.size()) return false;
    info.rcMonitor = screens[i].first;
    info.rcWork = screens[i].second;
    info.dwFlags = i == 0 ? MONITORINFOF_PRIMARY : 0;
    return true;
}

HMONITOR CFakeMonitors::FromPoint(POINT pt) {
    for (size_t i = 0; i < screens.size(); ++i) {
        if (screens[i].first.PtInRect(pt)) return (HMONITOR)(ULONG_PTR)(i + 1);
    }
    return screens.empty() ? nullptr : (HMONITOR)1;
}

}  // namespace capturetest
