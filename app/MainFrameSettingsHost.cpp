#include "app/MainFrameSettingsHost.h"

#include "app/MainFrame.h"
#include "shell/Action.h"
#include "shell/AppGlobals.h"
#include "widgets/WidgetDialog.h"

CMainFrameSettingsHost::CMainFrameSettingsHost(CMainFrame& frame)
    : m_frame(frame),
      m_clockTarget([&frame] { return frame.GetClock(); }),
      m_calendarTarget([&frame] { return frame.GetCalendar(); }) {}

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
ICalendarPageTarget* CMainFrameSettingsHost::GetCalendarTarget() {
    return m_frame.GetCalendar() ? &m_calendarTarget : nullptr;
}
void CMainFrameSettingsHost::OnAnniversariesChanged() { m_frame.OnAnniversariesChanged(); }
void CMainFrameSettingsHost::UpdateScheduleWindow() { m_frame.UpdateScheduleWindow(); }

bool CMainFrameSettingsHost::IsWidgetOpen(const CString& skinFile) { return m_frame.IsWidgetOpen(skinFile); }
void CMainFrameSettingsHost::OpenWidget(const CString& skinFile) { m_frame.OpenWidget(skinFile); }
void CMainFrameSettingsHost::CloseWidgetBySkin(const CString& skinFile) { m_frame.CloseWidgetBySkin(skinFile); }

bool CMainFrameSettingsHost::GetWidgetState(const CString& skinFile, WidgetWindowState& state) {
    CWidgetDialog* widget = m_frame.FindWidget(skinFile);
    if (!widget || !widget->m_hWnd) return false;
    state.zPosition = widget->m_nZPosition;
    state.alpha = widget->GetAlpha();
    state.mouseOverHiding = widget->m_bMouseOverHiding;
    return true;
}

void CMainFrameSettingsHost::SetWidgetZPosition(const CString& skinFile, int level) {
    if (CWidgetDialog* widget = m_frame.FindWidget(skinFile)) widget->SetZPosition(level, TRUE);
}

void CMainFrameSettingsHost::SetWidgetAlpha(const CString& skinFile, int alpha) {
    CWidgetDialog* widget = m_frame.FindWidget(skinFile);
    if (!widget) return;
    widget->SetAlpha(alpha);
    widget->m_bChanged = 1;
    ::RequestSaveSoon();
}

void CMainFrameSettingsHost::SetWidgetMouseOverHiding(const CString& skinFile, int on) {
    if (CWidgetDialog* widget = m_frame.FindWidget(skinFile)) widget->m_bMouseOverHiding = on ? 1 : 0;
}

bool CMainFrameSettingsHost::IsFtpServerRunning() { return m_frame.IsFtpServerRunning(); }
void CMainFrameSettingsHost::StartFtpServer() { m_frame.StartFtpServer(); }
void CMainFrameSettingsHost::StopFtpServer() { m_frame.StopFtpServer(); }
void CMainFrameSettingsHost::ShowSyncScheduleDialog(int mode) { m_frame.ShowSyncScheduleDialog(mode); }
