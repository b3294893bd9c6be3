#include "app/MainFrameActionHost.h"
#include "widgets/ClockTick.h"

#include "app/MainFrame.h"
#include "shell/Settings.h"
#include "ui/FadeWnd.h"

void CMainFrameActionHost::PostCommand(UINT id) {
    if (m_frame.m_hWnd) ::PostMessageW(m_frame.m_hWnd, WM_COMMAND, id, 0);
}

void CMainFrameActionHost::PostFrameMessage(UINT message) {
    if (m_frame.m_hWnd) ::PostMessageW(m_frame.m_hWnd, message, 0, 0);
}

void CMainFrameActionHost::OpenSettings(int page, int item) { m_frame.OpenSettings(page, item); }
void CMainFrameActionHost::AutoSaveMemos(int force) { m_frame.AutoSaveMemos(force); }

void CMainFrameActionHost::ShowShutdownCountdown(int seconds, const CString& text) {
    m_frame.ShowShutdownCountdown(seconds, text);
}
void CMainFrameActionHost::CloseShutdownCountdown() { m_frame.CloseShutdownCountdown(); }
void CMainFrameActionHost::ForgetShutdownCountdown() { m_frame.ForgetShutdownCountdown(); }

void CMainFrameActionHost::ShowFadeWindow() {
    // The fade window closes itself on a click and frees itself with its window.
    ShowFadeWnd(::GetDesktopWindow(), RGB(255, 255, 255), RGB(0, 0, 0), TRUE);
}

void CMainFrameActionHost::OpenScheduleManager() { m_frame.OpenScheduleManager(); }
void CMainFrameActionHost::ShowQuickMenuBar() { m_frame.ShowQuickMenu(1); }
void CMainFrameActionHost::StartCapture(int mode) { m_frame.StartCapture(mode); }

int CMainFrameActionHost::GetLastCaptureRegionWidth() {
    return g_Settings.LastCaptureRect.right - g_Settings.LastCaptureRect.left;
}

void CMainFrameActionHost::ShowAllMemos(bool show) { m_frame.ShowAllMemos(show ? TRUE : FALSE); }

void CMainFrameActionHost::SpotlightMemos(int favourites) { m_frame.SpotlightMemos(favourites); }
void CMainFrameActionHost::ShowRecentMemo(int count) { m_frame.ShowRecentMemo(count); }

int CMainFrameActionHost::GetActiveMemoCount() { return g_Settings.General.ActiveMemoCount; }

// The heartbeat starts the periodic checks; one in flight is refused by the
// frame's own guard besides.
bool CMainFrameActionHost::IsServerCheckIdle() { return ::IsServerCheckIdle(); }
void CMainFrameActionHost::ResetServerCheckCounter() { ::ResetServerCheckCounter(); }
void CMainFrameActionHost::SetForceCheck() { g_Settings.ForceCheck = 1; }
void CMainFrameActionHost::StartWebCheck() { m_frame.StartWebCheck(); }
