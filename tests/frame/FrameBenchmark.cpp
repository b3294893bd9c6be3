// Benchmark, not a timed test: the work of the frame's ten-second timer.
#include "shell/AppGlobals.h"
#include "app/MainFrame.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(FrameBenchmark, TenSecondTimerWork) {
    g_Settings = CSettings();
    g_Settings.General.ShowTrayIcon = 0;
    CMainFrame* frame = new CMainFrame;
    HWND wnd = frame->GetSafeHwnd();
    ASSERT_NE(wnd, nullptr);
    g_SaveTickCount = 0;
    const int ticks = 20000;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) SendMessageW(wnd, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
    QueryPerformanceCounter(&end);
    double us = (end.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart / ticks;
    printf("[ bench    ] ten-second timer tick: %.2f us per tick over %d ticks\n", us, ticks);
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(wnd));
    g_FrameAlive = 1;
}
