#include "widgets/SetShutdownDlg.h"

#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "tools/ShutdownTimerLogic.h"
#include "ui/TimeSelectDlg.h"
#include "widgets/WidgetEnvironment.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CSetShutdownDlg, CDialog)
    ON_COMMAND(CSetShutdownDlg::IDC_AFTER, OnAfter)
    ON_COMMAND(CSetShutdownDlg::IDC_NOW, OnNow)
    ON_COMMAND(CSetShutdownDlg::IDC_CANCEL_SCHEDULED, OnCancelScheduled)
    ON_COMMAND(CSetShutdownDlg::IDC_TIME, OnTimeButton)
END_MESSAGE_MAP()

namespace {
const UINT kDropBitmap = 234, kDropBitmapDisabled = 235;
}

CSetShutdownDlg::CSetShutdownDlg(ISetShutdownDlgHost& host, CWnd* parent) : CDialog(IDD, parent), m_host(host) {}

CSetShutdownDlg::~CSetShutdownDlg() = default;

BOOL CSetShutdownDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_date.SubclassDlgItem(IDC_DATE, this);
    m_date.SetButtonBitmap(kDropBitmap, kDropBitmapDisabled);
    m_now.SubclassDlgItem(IDC_NOW, this);
    m_now.SetColor(RGB(255, 255, 255));
    m_now.SetTextColor(RGB(255, 0, 0));
    m_warning.SubclassDlgItem(IDC_WARNING, this);
    m_warning.SetTextColor(RGB(255, 0, 0));
    m_warning.SetDrawFlags(DT_CENTER);

    SetWindowText(g_LanguageTable[25313]);
    SetDlgItemText(IDOK, g_LanguageTable[25322]);
    SetDlgItemText(IDC_AFTER, g_LanguageTable[25322]);
    SetDlgItemText(IDC_GROUP_AT, g_LanguageTable[25323]);
    SetDlgItemText(IDC_GROUP_AFTER, g_LanguageTable[25324]);
    SetDlgItemText(IDC_NOW, g_LanguageTable[25325]);
    SetDlgItemText(IDC_CANCEL_SCHEDULED, g_LanguageTable[25326]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    m_warning.SetText(g_LanguageTable[25328]);
    SetDlgItemText(IDC_ACTION_LABEL, g_LanguageTable[25318]);
    SetDlgItemText(IDC_TIME_LABEL, g_LanguageTable[2301]);
    for (int id = 25319; id <= 25321; ++id) SendDlgItemMessage(IDC_UNIT, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)g_LanguageTable[id]);
    for (int id = 25314; id <= 25317; ++id) SendDlgItemMessage(IDC_ACTION, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)g_LanguageTable[id]);
    if (!m_host.IsShutdownCountdownPending()) GetDlgItem(IDC_CANCEL_SCHEDULED)->ShowWindow(SW_HIDE);

    // The proposed time is one hour ahead.
    SYSTEMTIME ahead = {};
    if (CShutdownTimerLogic::LocalParts(GetWidgetEnvironment().Now() + 3600, ahead)) {
        m_year = ahead.wYear;
        m_month = ahead.wMonth;
        m_day = ahead.wDay;
        m_hour = ahead.wHour;
        m_minute = ahead.wMinute;
        SendDlgItemMessage(IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&ahead);
    }
    CenterWindow();
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetDlgItemInt(IDC_AMOUNT, (UINT)m_amount, TRUE);
    SendDlgItemMessage(IDC_UNIT, CB_SETCURSEL, (WPARAM)m_unit);
    SendDlgItemMessage(IDC_ACTION, CB_SETCURSEL, (WPARAM)m_action);
    ShowTimeButton();
    return TRUE;
}

void CSetShutdownDlg::ShowTimeButton() {
    SetDlgItemText(IDC_TIME, CShutdownTimerLogic::TimeText(g_LanguageTable[10018], m_hour, m_minute));
}

void CSetShutdownDlg::ReadControls() {
    SYSTEMTIME date = {};
    if (SendDlgItemMessage(IDC_DATE, DTM_GETSYSTEMTIME, 0, (LPARAM)&date) == GDT_VALID) {
        m_year = date.wYear;
        m_month = date.wMonth;
        m_day = date.wDay;
    }
    BOOL ok = FALSE;
    int amount = (int)GetDlgItemInt(IDC_AMOUNT, &ok, TRUE);
    m_amount = ok ? amount : 0;
    int unit = (int)SendDlgItemMessage(IDC_UNIT, CB_GETCURSEL);
    m_unit = unit < 0 ? 1 : unit;
    int action = (int)SendDlgItemMessage(IDC_ACTION, CB_GETCURSEL);
    m_action = action < 0 || action > 3 ? 0 : action;
}

void CSetShutdownDlg::Schedule(long long seconds) {
    m_delay = CShutdownTimerLogic::ClampDelay(seconds);
    CString label = CShutdownTimerLogic::Label(g_LanguageTable[25314 + m_action], GetWidgetEnvironment().Now() + m_delay);
    m_host.ShowShutdownCountdown(m_delay, label, CShutdownTimerLogic::ActionString(m_action, m_delay));
    DestroyWindow();
}

void CSetShutdownDlg::OnOK() {
    ReadControls();
    __time64_t now = GetWidgetEnvironment().Now();
    Schedule(CShutdownTimerLogic::SecondsUntil(now, m_year, m_month, m_day, m_hour, m_minute));
}

void CSetShutdownDlg::OnAfter() {
    ReadControls();
    Schedule(CShutdownTimerLogic::AmountSeconds(m_amount, m_unit));
}

void CSetShutdownDlg::OnNow() {
    // Whatever the list shows: a plain shutdown, now, leaving the other
    // programs their chance to ask about unsaved work.
    GetActionSystem().StartSystemShutdown(0, false, false);
    DestroyWindow();
}

void CSetShutdownDlg::OnCancelScheduled() {
    m_host.RunAction(L"CANCEL_SHUTDOWN_WIDGET");
    DestroyWindow();
}

void CSetShutdownDlg::OnCancel() {
    m_host.RefreshShutdownCountdown();
    DestroyWindow();
}

void CSetShutdownDlg::OnTimeButton() {
    ReadControls();
    CTimeSelectDlg picker(this);
    picker.SetTime(m_hour, m_minute);
    if (picker.DoModal() != IDOK || picker.m_hour < 0 || picker.m_minute < 0) return;
    m_hour = picker.m_hour;
    m_minute = picker.m_minute;
    ShowTimeButton();
}

void CSetShutdownDlg::PostNcDestroy() { delete this; }
