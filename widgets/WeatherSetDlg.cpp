#include "widgets/WeatherSetDlg.h"

#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/ZMsgBox.h"
#include "widgets/CountDownSet.h"

BEGIN_MESSAGE_MAP(CWeatherSetDlg, CDialog)
    ON_COMMAND(CWeatherSetDlg::IDC_FIND, OnFind)
END_MESSAGE_MAP()

const wchar_t CWeatherSetDlg::kWeatherHost[] = L"weather.example.com";

CWeatherSetDlg::CWeatherSetDlg(const CString& woeid, bool fahrenheit, CWnd* parent)
    : CDialog(IDD, parent), m_unit(fahrenheit ? 1 : 0), m_woeid(woeid) {}

CString CWeatherSetDlg::LookupPageUrl() { return CString(L"http://") + kWeatherHost + L"/woeidinfo/?woeid=seoul"; }

BOOL CWeatherSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[25501]);
    SetDlgItemText(IDC_WOEID_TEXT, g_LanguageTable[25502]);
    SetDlgItemText(IDC_FIND, g_LanguageTable[25503]);
    SetDlgItemText(IDC_UNIT_TEXT, g_LanguageTable[25504]);
    SetDlgItemText(IDC_CELSIUS, g_LanguageTable[25505]);
    SetDlgItemText(IDC_FAHRENHEIT, g_LanguageTable[25506]);
    SetDlgItemText(IDOK, g_LanguageTable[23]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    CRect desktop, self;
    GetVirtualDesktopRect(desktop);
    GetWindowRect(&self);
    CPoint at = CCountDownSet::PlaceAt(desktop, m_point, self.Width(), self.Height());
    SetWindowPos(&wndTopMost, at.x, at.y, 0, 0, SWP_NOSIZE);
    SetDlgItemText(IDC_WOEID, m_woeid);
    CheckRadioButton(IDC_CELSIUS, IDC_FAHRENHEIT, m_unit == 1 ? IDC_FAHRENHEIT : IDC_CELSIUS);
    return TRUE;
}

void CWeatherSetDlg::OnFind() { GetActionSystem().ShellOpen(LookupPageUrl()); }

bool CWeatherSetDlg::IsValidWoeid(const CString& woeid) {
    return woeid.GetLength() >= 1 && woeid.GetLength() <= 10 && woeid.SpanIncluding(L"0123456789") == woeid;
}

void CWeatherSetDlg::OnOK() {
    CString woeid;
    GetDlgItemText(IDC_WOEID, woeid);
    woeid.Trim();
    if (!IsValidWoeid(woeid)) {
        // The dialog stays open with what the user typed.
        ShowMessageBox(g_LanguageTable[kTextBadWoeid], -1);
        return;
    }
    m_woeid = woeid;
    m_unit = IsDlgButtonChecked(IDC_FAHRENHEIT) == BST_CHECKED ? 1 : 0;
    EndDialog(IDOK);
}
