// IActionHost: the main frame's operations that an action string reaches.
// The main frame implements it; tests record the calls. Operations of windows
// that do not exist yet are simply accepted and do nothing there.
#pragma once

#include "fw/Afx.h"

class IActionHost {
public:
    virtual ~IActionHost() = default;

    // Deferred work: a WM_COMMAND (lParam 0) or a private message (0, 0)
    // posted to the main frame.
    virtual void PostCommand(UINT id) = 0;
    virtual void PostFrameMessage(UINT message) = 0;

    // The settings sheet on a page (-1: its default page) with an item selected.
    virtual void OpenSettings(int page, int item) = 0;
    // Saves every changed note now (force 1) or only the settled ones (0).
    virtual void AutoSaveMemos(int force) = 0;

    // The shutdown countdown window: open a new one, close the open one with
    // its fade-out and forget it, or only forget it (it stays open).
    virtual void ShowShutdownCountdown(int seconds, const CString& text) = 0;
    virtual void CloseShutdownCountdown() = 0;
    virtual void ForgetShutdownCountdown() = 0;

    // A fade from white to black over the desktop.
    virtual void ShowFadeWindow() = 0;
    virtual void OpenScheduleManager() = 0;
    // The quick-menu bar, as its menu command shows it.
    virtual void ShowQuickMenuBar() = 0;
    virtual void StartCapture(int mode) = 0;
    // Width of the region captured last; 0 before the first capture.
    virtual int GetLastCaptureRegionWidth() = 0;

    virtual void ShowAllMemos(bool show) = 0;
    virtual void SpotlightMemos(int favourites) = 0;
    virtual void ShowRecentMemo(int count) = 0;
    // The ActiveMemoCount setting.
    virtual int GetActiveMemoCount() = 0;

    // The web check: idle when none was started by the clock in the last few
    // seconds; the counter reset makes the clock's tick count from there.
    virtual bool IsServerCheckIdle() = 0;
    virtual void ResetServerCheckCounter() = 0;
    virtual void SetForceCheck() = 0;
    virtual void StartWebCheck() = 0;
};
