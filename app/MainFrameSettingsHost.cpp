#include "app/MainFrameSettingsHost.h"

#include "app/MainFrame.h"
#include "shell/Action.h"

CMainFrameSettingsHost::CMainFrameSettingsHost(CMainFrame& frame)
    : m_frame(frame), m_clockTarget([&frame] { return frame.GetClock(); }) {}

void CMainFrameSettingsHost::ApplyMemoOptions() { m_frame.ApplyMemoOptions(); }
void CMainFrameSettingsHost::ShowTrayIcon(bool show) { m_frame.ShowTrayIcon(show ? TRUE : FALSE); }
void CMainFrameSettingsHost::RegisterHotKeys() { m_frame.RegisterHotKeys(); }
void CMainFrameSettingsHost::UnregisterHotKeys() { m_frame.UnregisterHotKeys(); }
void CMainFrameSettingsHost::LoadTrayMenu() { m_frame.LoadTrayMenu(); }
void CMainFrameSettingsHost::CloseAllDialogs(int withSettings) { m_frame.CloseAllDialogs(withSettings); }
void CMainFrameSettingsHost::UnpinDesktopWindows() { m_frame.UnpinDesktopWindows(); }
void CMainFrameSettingsHost::ShowQuickMenu(int mode) { m_frame.ShowQuickMenu(mode); }
void CMainFrameSettingsHost::SetMemoAlpha(int which, int alpha) { m_frame.SetMemoAlpha(which, alpha); }
void CMainFrameSettingsHost::ShowMemoTitleParts(int simpleInactive) { m_frame.ShowMemoTitleParts(simpleInactive); }
void CMainFrameSettingsHost::RestartMemoReminders() { m_frame.RestartMemoReminders(); }
void CMainFrameSettingsHost::SlideOutDockedQuickMenu() { m_frame.SlideOutQuickMenu(); }
void CMainFrameSettingsHost::UpdateDockedQuickMenuWorkArea() { m_frame.UpdateQuickMenuWorkArea(); }
bool CMainFrameSettingsHost::RunAction(const CString& text) { return ::RunAction(text); }
IClockPageTarget* CMainFrameSettingsHost::GetClockTarget() { return m_frame.GetClock() ? &m_clockTarget : nullptr; }
