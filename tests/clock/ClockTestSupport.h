// Shared pieces of the clock tests: a recording frame side, a widget
// environment with a fixed moment and recorded sounds, and GDI+.
#pragma once

#include "ScratchFolder.h"
#include "widgets/ClockDlg.h"
#include "widgets/WidgetEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

SYSTEMTIME ClockAt(int year, int month, int day, int hour, int minute, int second = 0);

// The moment the skin's time measures read, and every sound played.
class ClockTestEnvironment : public CWidgetEnvironment {
public:
    ClockTestEnvironment() { SetWidgetEnvironment(this); }
    ~ClockTestEnvironment() override { SetWidgetEnvironment(nullptr); }
    __time64_t Now() override { return now; }
    // No processor counters: the load reads 0, an idle machine.
    bool QuerySystemInformation(ULONG, void*, ULONG, ULONG*) override { return false; }
    void PlaySoundAsync(const CString& path) override { sounds.push_back(path); }

    __time64_t now = 0;
    std::vector<CString> sounds;
};

// The frame side of the clock, recording what the heartbeat asks; its
// window records the commands sent to it.
class RecordingClockHost : public IClockHost {
public:
    RecordingClockHost();
    ~RecordingClockHost() override;

    SYSTEMTIME ClockNow() override { return now; }
    void OnMinuteTick(int& minuteKey, int&) override { minuteKeys.push_back(minuteKey); }
    void OnDayChanged() override { ++dayChanges; }
    void DrawTrayDate() override { ++trayDraws; }
    void StartWebCheck() override { ++webChecks; }
    CWnd* GetFrameWindow() override { return CWnd::FromHandle(window); }

    std::vector<UINT> Commands() const;

    SYSTEMTIME now = {};
    std::vector<int> minuteKeys;
    int dayChanges = 0;
    int trayDraws = 0;
    int webChecks = 0;
    HWND window = nullptr;
};

class ClockWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A clock on the host, made from its template; null when that failed.
    CClockDlg* OpenClock();
    void CloseClock();

    std::unique_ptr<CScratchFolder> scratch;
    ClockTestEnvironment environment;
    RecordingClockHost host;
    CClockDlg* clock = nullptr;
    static ULONG_PTR s_gdiplusToken;
};
