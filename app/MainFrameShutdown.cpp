// The frame's shutdown countdown window, the shutdown timer dialogs it opens,
// the user information it keeps, and the skin editor and set-up dialogs it
// lends the widgets.

#include "app/MainFrame.h"

#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "widgets/CountDownSet.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/RegUserDlg.h"
#include "widgets/SetShutdownDlg.h"
#include "widgets/SkinInfoDlg.h"
#include "widgets/WeatherSetDlg.h"
#include "widgets/WidgetDialog.h"

#include <algorithm>

namespace {

CMeasureCountDown* CountdownOf(CWidgetDialog* window) {
    return window ? static_cast<CMeasureCountDown*>(window->FindMeasureByKind(MEASURE_COUNTDOWN)) : nullptr;
}

CPoint CentreOf(CWnd* window) {
    CRect rect;
    if (window && window->GetSafeHwnd()) window->GetWindowRect(&rect);
    return rect.CenterPoint();
}

}  // namespace

bool CMainFrameShutdownHost::IsShutdownCountdownPending() { return m_frame.GetShutdownCountdown() != nullptr; }
void CMainFrameShutdownHost::ShowShutdownCountdown(int seconds, const CString& label, const CString& action) {
    m_frame.ShowShutdownCountdown(seconds, label, action);
}
void CMainFrameShutdownHost::RefreshShutdownCountdown() { m_frame.RefreshShutdownCountdown(); }
int CMainFrameShutdownHost::RunAction(const CString& action) { return m_frame.ExecuteAction(action); }

CWidgetDialog* CMainFrame::GetShutdownCountdown() {
    // The window may have gone without telling: only a live window that is
    // still this object counts.
    if (!m_pShutdownCountdown || !::IsWindow(m_hShutdownCountdown) ||
        CWnd::FromHandlePermanent(m_hShutdownCountdown) != m_pShutdownCountdown) {
        m_pShutdownCountdown = nullptr;
        m_hShutdownCountdown = nullptr;
    }
    return m_pShutdownCountdown;
}

void CMainFrame::ShowShutdownCountdown(int seconds, const CString& text, const CString& command) {
    if (CWidgetDialog* old = GetShutdownCountdown()) old->SendMessage(WM_COMMAND, ID_WIDGET_CLOSE);
    GetActionSystem().AbortShutdown();
    AutoSaveMemos(1);
    CWidgetDialog* window = OpenUnlistedWidget(g_ProgramFolder + L"system\\skin\\shutdown\\shutdown.xml");
    m_pShutdownCountdown = window;
    m_hShutdownCountdown = window ? window->GetSafeHwnd() : nullptr;
    if (!window) return;
    CMeasureCountDown* countdown = CountdownOf(window);
    if (seconds > 0 && countdown) {
        countdown->SetRemainSeconds(seconds);
        if (!text.IsEmpty()) countdown->SetLabel(text);
        // The chosen action, not the skin's own, runs at zero.
        if (!command.IsEmpty()) countdown->SetCommand(command);
    }
    window->SetEditable(false);
    window->SetZPosition(1, TRUE);
    window->CenterWindow();
    CRect rect;
    window->GetWindowRect(&rect);
    window->SetWindowPos(nullptr, rect.left, std::max(0L, rect.top - 300L), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    window->Redraw();
}

void CMainFrame::RefreshShutdownCountdown() {
    if (CMeasureCountDown* countdown = CountdownOf(GetShutdownCountdown())) countdown->Resume();
}

void CMainFrame::CloseShutdownCountdown() {
    CWidgetDialog* window = GetShutdownCountdown();
    m_pShutdownCountdown = nullptr;
    m_hShutdownCountdown = nullptr;
    if (window) window->SendMessage(WM_COMMAND, ID_WIDGET_CLOSE);
}

void CMainFrame::ForgetShutdownCountdown() {
    // The window stays in view, but what it counts down to was cancelled.
    if (CMeasureCountDown* countdown = CountdownOf(GetShutdownCountdown())) countdown->Pause();
    m_pShutdownCountdown = nullptr;
    m_hShutdownCountdown = nullptr;
}

void CMainFrame::ForgetShutdownCountdown(CWnd* window) {
    if (window && window == GetShutdownCountdown()) {
        m_pShutdownCountdown = nullptr;
        m_hShutdownCountdown = nullptr;
    }
}

void CMainFrame::OpenShutdownScheduler() {
    CSetShutdownDlg* dialog = new CSetShutdownDlg(m_shutdownHost, this);
    if (!dialog->Create(CSetShutdownDlg::IDD, this) || !dialog->GetSafeHwnd()) {
        delete dialog;
        return;
    }
    dialog->ShowWindow(SW_SHOW);
}

void CMainFrame::OpenUserInfoDialog() {
    if (m_pRegUser) {
        m_pRegUser->ShowWindow(SW_SHOW);
        m_pRegUser->SetForegroundWindow();
        return;
    }
    CRegUserDlg* dialog = new CRegUserDlg(this);
    dialog->m_runAction = [this](const CString& action) { return ExecuteAction(action); };
    dialog->m_saveSettings = [] { return SaveAppConfig(); };
    dialog->m_close = [this] { CloseUserInfoDialog(); };
    if (!dialog->Create(CRegUserDlg::IDD, this) || !dialog->GetSafeHwnd()) {
        delete dialog;
        return;
    }
    m_pRegUser = dialog;
    dialog->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseUserInfoDialog() {
    CRegUserDlg* dialog = m_pRegUser;
    m_pRegUser = nullptr;
    if (!dialog) return;
    // The dialog frees itself with its window.
    if (dialog->GetSafeHwnd()) dialog->DestroyWindow();
    else delete dialog;
}

bool CMainFrame::OnShutdownCommand(UINT id) {
    switch (id) {
    case ID_SHUTDOWN_SCHEDULER:
        OpenShutdownScheduler();
        return true;
    case ID_USER_INFO:
        OpenUserInfoDialog();
        return true;
    }
    return false;
}

void CMainFrame::DestroyShutdownWindows() {
    CloseUserInfoDialog();
    if (CWidgetDialog* window = GetShutdownCountdown()) {
        m_pShutdownCountdown = nullptr;
        m_hShutdownCountdown = nullptr;
        window->DestroyWindow();
        window->Release();
    }
}

bool CMainFrame::EditSkinFile(const CString& skinFile, CWnd* parent) {
    CSkinInfoDlg dialog(skinFile, parent);
    return dialog.DoModal() == IDOK;
}

void CMainFrame::InstallWidgetSetupDialogs() {
    CWidgetDialog::SetCountdownAsker([](CWnd* parent, CountdownSetting& setting) {
        CCountDownSet dialog(parent);
        dialog.Preset(setting);
        dialog.SetPoint(CentreOf(parent));
        if (dialog.DoModal() != IDOK) return false;
        setting = dialog.GetSetting();
        return true;
    });
    CWidgetDialog::SetWeatherAsker([](CWnd* parent, CString& woeid, bool& fahrenheit) {
        CWeatherSetDlg dialog(woeid, fahrenheit, parent);
        dialog.SetPoint(CentreOf(parent));
        if (dialog.DoModal() != IDOK) return false;
        woeid = dialog.GetWoeid();
        fahrenheit = dialog.IsFahrenheit();
        return true;
    });
}
