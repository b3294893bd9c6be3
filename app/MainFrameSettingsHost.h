// What the settings sheet asks of the main frame, passed on to the frame.
#pragma once

#include "app/SettingsHost.h"

class CMainFrame;

class CMainFrameSettingsHost : public ISettingsHost {
public:
    explicit CMainFrameSettingsHost(CMainFrame& frame) : m_frame(frame) {}

    void ApplyMemoOptions() override;
    void ShowTrayIcon(bool show) override;
    void RegisterHotKeys() override;
    void UnregisterHotKeys() override;
    void LoadTrayMenu() override;
    void CloseAllDialogs(int withSettings) override;
    void UnpinDesktopWindows() override;
    void ShowQuickMenu(int mode) override;

private:
    CMainFrame& m_frame;
};
