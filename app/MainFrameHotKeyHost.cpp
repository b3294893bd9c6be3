#include "app/MainFrameHotKeyHost.h"

#include "shell/Action.h"
#include "app/MainFrame.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/HotKeyboard.h"
#include "ui/ShowEffectDlg.h"

void CMainFrameHotKeyHost::NewMemo() { m_frame.NewMemo(); }

void CMainFrameHotKeyHost::NewMemoFromClipboard() { m_frame.NewMemoFromClipboard(); }

void CMainFrameHotKeyHost::ShowAllMemos(bool show) { m_frame.ShowAllMemos(show ? TRUE : FALSE); }
void CMainFrameHotKeyHost::ShowRecentMemo(int count) { m_frame.ShowRecentMemo(count); }
void CMainFrameHotKeyHost::OpenSettings(int page, int item) { m_frame.OpenSettings(page, item); }
void CMainFrameHotKeyHost::OpenScheduleManager() { m_frame.OpenScheduleManager(); }
void CMainFrameHotKeyHost::OpenMemoSearch() { m_frame.OpenSearchMemoDialog(); }
void CMainFrameHotKeyHost::OpenPasswordManager(int force) { m_frame.OpenPasswordManager(force); }
void CMainFrameHotKeyHost::StartCapture(int mode) { m_frame.StartCapture(mode); }
void CMainFrameHotKeyHost::ShowAllWidgets(bool show) { m_frame.ShowAllWidgets(show ? TRUE : FALSE); }
void CMainFrameHotKeyHost::ShowQuickMenu(int fade) { m_frame.ShowQuickMenu(fade); }

IHotKeyView* CMainFrameHotKeyHost::GetClock() { return m_frame.GetClockView(); }
IHotKeyView* CMainFrameHotKeyHost::GetQuickMenu() { return m_frame.GetQuickMenuView(); }
IHotKeyView* CMainFrameHotKeyHost::GetCalendar() { return m_frame.GetCalendarView(); }

// The day schedule is not part of the program yet.
void CMainFrameHotKeyHost::ShowDaySchedule(int) { m_frame.OpenDaySchedule(); }
IHotKeyView* CMainFrameHotKeyHost::GetDaySchedule() { return m_frame.GetDayScheduleView(); }

void CMainFrameHotKeyHost::ExitProgram() {
    m_frame.SaveWindowStates();
    if (m_frame.m_hWnd) ::PostMessageW(m_frame.m_hWnd, WM_CLOSE, 0, 0);
}

int CMainFrameHotKeyHost::ExecuteAction(const CString& text) { return m_frame.ExecuteAction(text); }
bool CMainFrameHotKeyHost::RunAction(const CString& text) { return ::RunAction(text); }
void CMainFrameHotKeyHost::ShowMessageBox(const CString& text) { ::ShowMessageBox(text, -1); }
void CMainFrameHotKeyHost::CloseSpotlight() { ::CloseSpotlight(); }

bool CMainFrameHotKeyHost::OpenDirectHotKeyboard(int id) {
    if (id < 0 || id >= HOTKEY_COUNT) return false;
    // In direct mode the keyboard applies the key itself and deletes itself
    // with its window.
    CHotKeyboard* keyboard = new CHotKeyboard(g_Settings.HotKeyTable[id]);
    keyboard->m_direct = 1;
    if (!keyboard->Create(IDD_HOTKEYBOARD, nullptr)) {
        delete keyboard;
        return false;
    }
    keyboard->ShowWindow(SW_SHOW);
    return true;
}
