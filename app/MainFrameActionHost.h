// What an action string asks of the main frame, passed on to the frame.
// Windows that are not part of the program yet (the shutdown countdown, the
// notes' spotlight and recent list) accept their operations and do nothing.
#pragma once

#include "shell/ActionHost.h"

class CMainFrame;

class CMainFrameActionHost : public IActionHost {
public:
    explicit CMainFrameActionHost(CMainFrame& frame) : m_frame(frame) {}

    void PostCommand(UINT id) override;
    void PostFrameMessage(UINT message) override;
    void OpenSettings(int page, int item) override;
    void AutoSaveMemos(int force) override;
    void ShowShutdownCountdown(int seconds, const CString& text) override;
    void CloseShutdownCountdown() override;
    void ForgetShutdownCountdown() override;
    void ShowFadeWindow() override;
    void OpenScheduleManager() override;
    void ShowQuickMenuBar() override;
    void StartCapture(int mode) override;
    int GetLastCaptureRegionWidth() override;
    void ShowAllMemos(bool show) override;
    void SpotlightMemos(int favourites) override;
    void ShowRecentMemo(int count) override;
    int GetActiveMemoCount() override;
    bool IsServerCheckIdle() override;
    void ResetServerCheckCounter() override;
    void SetForceCheck() override;
    void StartWebCheck() override;

private:
    CMainFrame& m_frame;
};
