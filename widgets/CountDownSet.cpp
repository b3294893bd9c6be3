#include "widgets/CountDownSet.h"

#include "fw/FileDialog.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "tools/ShutdownTimerLogic.h"
#include "ui/TimeSelectDlg.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/WidgetEnvironment.h"

#include <commctrl.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CCountDownSet, CDialog)
    ON_COMMAND(CCountDownSet::IDC_LATER, OnLater)
    ON_COMMAND(CCountDownSet::IDC_TIME, OnTimeButton)
    ON_COMMAND(CCountDownSet::IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CCountDownSet::CCountDownSet(CWnd* parent) : CDialog(IDD, parent) {}

CCountDownSet::~CCountDownSet() = default;

void CCountDownSet::SetMeasure(CMeasureCountDown* measure) {
    if (!measure) return;
    CountdownSetting setting;
    SYSTEMTIME target = {};
    if (CShutdownTimerLogic::LocalParts(measure->GetTarget(), target)) {
        setting.year = target.wYear;
        setting.month = target.wMonth;
        setting.day = target.wDay;
        setting.hour = target.wHour;
        setting.minute = target.wMinute;
    }
    setting.label = measure->GetLabel();
    setting.command = measure->GetCommand();
    Preset(setting);
}

void CCountDownSet::Preset(const CountdownSetting& setting) {
    m_year = setting.year;
    m_month = setting.month;
    m_day = setting.day;
    m_hour = setting.hour;
    m_minute = setting.minute;
    m_label = setting.label;
    m_command = setting.command;
    m_preset = true;
}

CountdownSetting CCountDownSet::GetSetting() const {
    CountdownSetting setting;
    setting.year = m_year;
    setting.month = m_month;
    setting.day = m_day;
    setting.hour = m_hour;
    setting.minute = m_minute;
    setting.second = m_second;
    setting.label = m_label;
    setting.command = m_command;
    return setting;
}

bool CCountDownSet::LaterTarget(__time64_t now, long long amount, int unit, SYSTEMTIME& target) {
    return CShutdownTimerLogic::LocalParts(now + CShutdownTimerLogic::AmountSeconds(amount, unit), target);
}

CPoint CCountDownSet::PlaceAt(const CRect& desktop, CPoint point, int width, int height) {
    int x = std::max(0, std::min((int)(point.x - width / 2), (int)desktop.right - width));
    int y = std::max(0, std::min((int)(point.y - height / 2), (int)desktop.bottom - height));
    return CPoint(x, y);
}

BOOL CCountDownSet::OnInitDialog() {
    CDialog::OnInitDialog();
    m_date.SubclassDlgItem(IDC_DATE, this);
    m_date.SetButtonBitmap(234, 235);
    SetWindowText(g_LanguageTable[2300]);
    SetDlgItemText(IDC_LABEL_TEXT, g_LanguageTable[2301]);
    SetDlgItemText(IDC_COMMAND_TEXT, g_LanguageTable[2302]);
    SetDlgItemText(IDC_LATER, g_LanguageTable[23]);
    SetDlgItemText(IDOK, g_LanguageTable[23]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    SetDlgItemText(IDC_GROUP_AT, g_LanguageTable[25323]);
    SetDlgItemText(IDC_GROUP_LATER, g_LanguageTable[25324]);
    for (int id = 25319; id <= 25321; ++id) SendDlgItemMessage(IDC_UNIT, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)g_LanguageTable[id]);
    if (m_preset) {
        SYSTEMTIME date = {};
        date.wYear = (WORD)m_year;
        date.wMonth = (WORD)m_month;
        date.wDay = (WORD)m_day;
        if (m_year > 0) SendDlgItemMessage(IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&date);
    }
    ShowTimeButton();
    CRect desktop, self;
    GetVirtualDesktopRect(desktop);
    GetWindowRect(&self);
    CPoint at = PlaceAt(desktop, m_point, self.Width(), self.Height());
    SetWindowPos(&wndTopMost, at.x, at.y, 0, 0, SWP_NOSIZE);
    SetDlgItemText(IDC_LABEL, m_label);
    SetDlgItemText(IDC_COMMAND, m_command);
    SetDlgItemInt(IDC_AMOUNT, (UINT)m_amount, TRUE);
    SendDlgItemMessage(IDC_UNIT, CB_SETCURSEL, (WPARAM)m_unit);
    return TRUE;
}

void CCountDownSet::ShowTimeButton() {
    SetDlgItemText(IDC_TIME, CShutdownTimerLogic::TimeText(g_LanguageTable[10018], m_hour, m_minute));
}

void CCountDownSet::ReadFields() {
    SYSTEMTIME date = {};
    if (SendDlgItemMessage(IDC_DATE, DTM_GETSYSTEMTIME, 0, (LPARAM)&date) == GDT_VALID) {
        m_year = date.wYear;
        m_month = date.wMonth;
        m_day = date.wDay;
    }
    GetDlgItemText(IDC_LABEL, m_label);
    m_label = CutLabel(m_label);
    GetDlgItemText(IDC_COMMAND, m_command);
    BOOL ok = FALSE;
    int amount = (int)GetDlgItemInt(IDC_AMOUNT, &ok, TRUE);
    m_amount = ok ? amount : 0;
    int unit = (int)SendDlgItemMessage(IDC_UNIT, CB_GETCURSEL);
    m_unit = unit < 0 ? 1 : unit;
}

void CCountDownSet::OnOK() {
    ReadFields();
    m_second = 0;
    EndDialog(IDOK);
}

void CCountDownSet::OnLater() {
    ReadFields();
    SYSTEMTIME target = {};
    if (LaterTarget(GetWidgetEnvironment().Now(), m_amount, m_unit, target)) {
        m_year = target.wYear;
        m_month = target.wMonth;
        m_day = target.wDay;
        m_hour = target.wHour;
        m_minute = target.wMinute;
        m_second = target.wSecond;
    }
    EndDialog(IDOK);
}

void CCountDownSet::OnTimeButton() {
    CTimeSelectDlg picker(this);
    picker.SetTime(m_hour, m_minute);
    if (picker.DoModal() != IDOK || picker.m_hour < 0 || picker.m_minute < 0) return;
    m_hour = picker.m_hour;
    m_minute = picker.m_minute;
    ShowTimeButton();
}

void CCountDownSet::OnBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"All Files (*.*) |*.*|", this);
    if (dialog.DoModal() == IDOK) SetDlgItemText(IDC_COMMAND, dialog.GetPathName());
}
