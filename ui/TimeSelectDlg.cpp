#include "ui/TimeSelectDlg.h"

#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/ShellIds.h"
#include "shell/SmallDialogLogic.h"

#include <ctime>

BEGIN_MESSAGE_MAP(CTimeSelectDlg, CDialog)
    ON_COMMAND_RANGE(IDC_HOUR_FIRST, IDC_HOUR_FIRST + 23, OnHourButton)
    ON_COMMAND_RANGE(IDC_MINUTE_FIRST, IDC_MINUTE_FIRST + 59, OnMinuteButton)
    ON_COMMAND(IDC_TIME_NOW, OnNow)
END_MESSAGE_MAP()

CTimeSelectDlg::CTimeSelectDlg(CWnd* parent) : CDialog(IDD_TIME_SELECT, parent), m_parent(parent) {}

// The cells are members: their windows go with the dialog's, the objects
// with this one.
CTimeSelectDlg::~CTimeSelectDlg() = default;

void CTimeSelectDlg::SetTime(int hour, int minute) {
    m_hour = hour;
    m_minute = minute;
}

BOOL CTimeSelectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_HOUR_GROUP, g_LanguageTable[TXT_HOUR]);
    SetDlgItemText(IDC_MINUTE_GROUP, g_LanguageTable[TXT_MINUTE]);
    SetDlgItemText(IDC_TIME_NOW, g_LanguageTable[TXT_CURRENT_TIME]);
    SetDlgItemText(IDOK, g_LanguageTable[TXT_OK]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[TXT_CANCEL]);
    if (m_parent && m_parent->GetSafeHwnd()) {
        CRect desktop, owner, self;
        GetVirtualDesktopRect(desktop);
        m_parent->GetWindowRect(&owner);
        GetWindowRect(&self);
        POINT pt = PlaceBelowOwner(desktop, owner, self.Width(), self.Height());
        MoveWindow(pt.x, pt.y, self.Width(), self.Height());
    }
    for (int hour = 0; hour < 24; ++hour) {
        m_hourCells[hour].SubclassDlgItem(IDC_HOUR_FIRST + hour, this);
        PaintHour(hour, hour == m_hour);
    }
    for (int minute = 0; minute < 60; ++minute) {
        m_minuteCells[minute].SubclassDlgItem(IDC_MINUTE_FIRST + minute, this);
        PaintMinute(minute, minute == m_minute);
    }
    return TRUE;
}

void CTimeSelectDlg::PaintHour(int hour, bool selected) {
    if (hour < 0 || hour > 23) return;
    CellColors colors = GetHourCellColors(selected);
    CTimeBtn& cell = m_hourCells[hour];
    cell.SetTextColor(colors.text);
    cell.SetColor(colors.fill);
    if (colors.border || cell.GetBorder()) cell.SetBorder(colors.border);
}

void CTimeSelectDlg::PaintMinute(int minute, bool selected) {
    if (minute < 0 || minute > 59) return;
    CellColors colors = GetMinuteCellColors(minute, selected);
    CTimeBtn& cell = m_minuteCells[minute];
    cell.SetTextColor(colors.text);
    cell.SetColor(colors.fill);
    if (colors.border || cell.GetBorder()) cell.SetBorder(colors.border);
}

void CTimeSelectDlg::OnHourButton(UINT id) {
    PaintHour(m_hour, false);
    m_hour = (int)(id - IDC_HOUR_FIRST);
    PaintHour(m_hour, true);
}

void CTimeSelectDlg::OnMinuteButton(UINT id) {
    PaintMinute(m_minute, false);
    m_minute = (int)(id - IDC_MINUTE_FIRST);
    PaintMinute(m_minute, true);
    EndDialog(IDOK);
}

void CTimeSelectDlg::OnNow() {
    GetLocalHourMinute(time(nullptr), m_hour, m_minute);
    EndDialog(IDOK);
}
