#include "app/MainFrameSettingsHost.h"

#include "app/MainFrame.h"

void CMainFrameSettingsHost::ApplyMemoOptions() { m_frame.ApplyMemoOptions(); }
void CMainFrameSettingsHost::ShowTrayIcon(bool show) { m_frame.ShowTrayIcon(show ? TRUE : FALSE); }
void CMainFrameSettingsHost::RegisterHotKeys() { m_frame.RegisterHotKeys(); }
void CMainFrameSettingsHost::UnregisterHotKeys() { m_frame.UnregisterHotKeys(); }
void CMainFrameSettingsHost::LoadTrayMenu() { m_frame.LoadTrayMenu(); }
void CMainFrameSettingsHost::CloseAllDialogs(int withSettings) { m_frame.CloseAllDialogs(withSettings); }
void CMainFrameSettingsHost::UnpinDesktopWindows() { m_frame.UnpinDesktopWindows(); }
void CMainFrameSettingsHost::ShowQuickMenu(int mode) { m_frame.ShowQuickMenu(mode); }
