// What the desktop clock asks of the main frame, passed on to the frame; and
// what the hot keys do with the clock window.
#pragma once

#include "shell/HotKeyView.h"
#include "widgets/ClockHost.h"

class CMainFrame;
class CClockDlg;

class CMainFrameClockHost : public IClockHost {
public:
    explicit CMainFrameClockHost(CMainFrame& frame) : m_frame(frame) {}

    SYSTEMTIME ClockNow() override;
    void OnMinuteTick(int& minuteKey, int& minuteOfDay) override;
    void OnDayChanged() override;
    void DrawTrayDate() override;
    void StartWebCheck() override;
    CWnd* GetFrameWindow() override;

private:
    CMainFrame& m_frame;
};

// The clock as the hot keys see it.
class CClockHotKeyView : public IHotKeyView {
public:
    explicit CClockHotKeyView(CClockDlg& window) : m_window(window) {}

    bool IsVisible() override;
    int GetLevel() override;
    void ArmAutoHide(int fadeIn, int stayMs) override;
    void SetZPosition(int level, bool remember) override;
    void SetForeground() override;
    void FadeOut() override;
    void ShowWithEffect() override;
    void AddToSpotlightIfActive() override;

private:
    CClockDlg& m_window;
};
