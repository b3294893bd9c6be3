// What the settings sheet asks of the main frame, passed on to the frame.
#pragma once

#include "app/ClockPageTarget.h"
#include "app/SettingsHost.h"

class CMainFrame;

class CMainFrameSettingsHost : public ISettingsHost {
public:
    explicit CMainFrameSettingsHost(CMainFrame& frame);

    void ApplyMemoOptions() override;
    void ShowTrayIcon(bool show) override;
    void RegisterHotKeys() override;
    void UnregisterHotKeys() override;
    void LoadTrayMenu() override;
    void CloseAllDialogs(int withSettings) override;
    void UnpinDesktopWindows() override;
    void ShowQuickMenu(int mode) override;
    void SetMemoAlpha(int which, int alpha) override;
    void ShowMemoTitleParts(int simpleInactive) override;
    void RestartMemoReminders() override;
    void SlideOutDockedQuickMenu() override;
    void UpdateDockedQuickMenuWorkArea() override;
    bool RunAction(const CString& text) override;
    IClockPageTarget* GetClockTarget() override;

private:
    CMainFrame& m_frame;
    CClockWindowTarget m_clockTarget;
};
