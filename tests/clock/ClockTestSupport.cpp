#include "ClockTestSupport.h"
#include "TestFiles.h"

#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "ui/ZDialogList.h"

#include <objidl.h>
#include <gdiplus.h>

#include <mutex>

ULONG_PTR ClockWindowTest::s_gdiplusToken = 0;

namespace {
std::vector<UINT> g_commands;

LRESULT CALLBACK RecordingProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
    return ::DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

SYSTEMTIME ClockAt(int year, int month, int day, int hour, int minute, int second) {
    return MakeSystemTime(year, month, day, hour, minute, second);
}

RecordingClockHost::RecordingClockHost() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ClockTestFrame";
        ::RegisterClassW(&wc);
    });
    g_commands.clear();
    window = ::CreateWindowW(L"ClockTestFrame", L"", WS_POPUP, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
    now = ClockAt(2026, 12, 11, 10, 10, 30);
}

RecordingClockHost::~RecordingClockHost() {
    if (window) ::DestroyWindow(window);
}

std::vector<UINT> RecordingClockHost::Commands() const { return g_commands; }

void ClockWindowTest::SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&s_gdiplusToken, &input, nullptr);
}

void ClockWindowTest::TearDownTestSuite() { Gdiplus::GdiplusShutdown(s_gdiplusToken); }

void ClockWindowTest::SetUp() {
    scratch.reset(new CScratchFolder(L"clock"));
    UseAsProgramFolder(*scratch);
    g_PlatformId = 2;
    g_nClockTickCount = 0;
    g_nServerCheckPostponed = 0;
    CSettings::ClockSection& c = g_Settings.Clock;
    c = CSettings::ClockSection();
    c.ViewMode = 2;
    int special[5] = {0, 30, -1, -1, -1};
    for (int i = 0; i < 5; ++i) c.SpecialTime[i] = special[i];
    c.ViewingBeforeTime = 3;
    c.ViewingAfterTime = 1;
    c.TransVal = 255;
    c.ZPosition = 0;
    c.AllowMove = 1;
    c.WinX = 40;
    c.WinY = 40;
    c.SkinFile.Empty();
    c.SkinFolder = g_ProgramFolder + L"skin\\Clock\\";
    struct tm local = {};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 11;
    local.tm_hour = 10;
    local.tm_min = 10;
    local.tm_sec = 30;
    local.tm_isdst = -1;
    environment.now = _mktime64(&local);
}

void ClockWindowTest::TearDown() {
    CloseClock();
    PumpWaiting();
    ClearDialogRegistry();
    g_nClockTickCount = 0;
    g_nServerCheckPostponed = 0;
    scratch.reset();
}

CClockDlg* ClockWindowTest::OpenClock() {
    clock = new CClockDlg(host);
    if (!clock->Create(IDD_CLOCK, nullptr)) {
        clock->Release();
        clock = nullptr;
    }
    return clock;
}

void ClockWindowTest::CloseClock() {
    if (!clock) return;
    if (clock->m_hWnd) clock->DestroyWindow();
    clock->Release();
    clock = nullptr;
}
