// What the settings sheet asks of the main frame, passed on to the frame.
#pragma once

#include "app/CalendarPageTarget.h"
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
    ICalendarPageTarget* GetCalendarTarget() override;
    void OnAnniversariesChanged() override;
    void UpdateScheduleWindow() override;
    bool IsWidgetOpen(const CString& skinFile) override;
    void OpenWidget(const CString& skinFile) override;
    void CloseWidgetBySkin(const CString& skinFile) override;
    bool GetWidgetState(const CString& skinFile, WidgetWindowState& state) override;
    void SetWidgetZPosition(const CString& skinFile, int level) override;
    void SetWidgetAlpha(const CString& skinFile, int alpha) override;
    void SetWidgetMouseOverHiding(const CString& skinFile, int on) override;
    bool IsFtpServerRunning() override;
    void StartFtpServer() override;
    void StopFtpServer() override;
    void ShowSyncScheduleDialog(int mode) override;

private:
    CMainFrame& m_frame;
    CClockWindowTarget m_clockTarget;
    CCalendarWindowTarget m_calendarTarget;
};
