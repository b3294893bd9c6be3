#include "widgets/RegUserDlg.h"

#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/ZMsgBox.h"
#include "widgets/WeatherSetDlg.h"

BEGIN_MESSAGE_MAP(CRegUserDlg, CDialog)
    ON_CBN_SELCHANGE(CRegUserDlg::IDC_PROVINCE, OnProvinceChanged)
    ON_COMMAND(CRegUserDlg::IDC_FIND, OnFind)
    ON_COMMAND(CRegUserDlg::IDC_SHOW_NOW, OnShowNow)
END_MESSAGE_MAP()

CString CRegUserDlg::BirthdayText(const CSettings& s, const CString& calendarWord) {
    CString text;
    if (s.BirthTimeKnown)
        text.Format(L" %04d/%02d/%02d %02d:%02d  (%s)", s.BirthYear, s.BirthMonth, s.BirthDay, s.BirthHour,
                    s.BirthMinute, calendarWord.GetString());
    else
        text.Format(L" %04d/%02d/%02d  (%s)", s.BirthYear, s.BirthMonth, s.BirthDay, calendarWord.GetString());
    return text;
}

CRegUserDlg::CRegUserDlg(CWnd* parent) : CDialog(IDD, parent) {
    m_useUserInfo = g_Settings.User.Enable;
    m_showTodayInfoAtStart = g_Settings.User.ShowTodayInfo;
    m_nameText = L" " + g_Settings.UserName;
    int calendar = g_Settings.BirthCalendar == 1 ? 812 : g_Settings.BirthCalendar == 2 ? 813 : 811;
    m_birthdayText = BirthdayText(g_Settings, g_LanguageTable[calendar]);
    m_sexText = L" " + g_LanguageTable[g_Settings.UserSex == 0 ? 30003 : 30004];
}

BOOL CRegUserDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[30000] + L": " + g_Settings.UserName);
    SetDlgItemText(IDC_USER_TEXT, g_LanguageTable[30000]);
    SetDlgItemText(IDC_BIRTHDAY_TEXT, g_LanguageTable[30005]);
    SetDlgItemText(IDC_GROUP_USER, g_LanguageTable[30001]);
    SetDlgItemText(IDC_GROUP_LOCATION, g_LanguageTable[30007]);
    SetDlgItemText(IDC_CITY_NAME_TEXT, g_LanguageTable[30008]);
    SetDlgItemText(IDC_USE_INFO, g_LanguageTable[30010]);
    SetDlgItemText(IDC_SHOW_AT_START, g_LanguageTable[31002]);
    SetDlgItemText(IDC_GROUP_TODAY, g_LanguageTable[31007]);
    SetDlgItemText(IDC_SHOW_NOW, g_LanguageTable[31003]);
    SetDlgItemText(IDOK, g_LanguageTable[25]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    SetDlgItemText(IDC_NAME, m_nameText);
    SetDlgItemText(IDC_BIRTHDAY, m_birthdayText);
    SetDlgItemText(IDC_SEX, m_sexText);
    CheckDlgButton(IDC_USE_INFO, m_useUserInfo ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SHOW_AT_START, m_showTodayInfoAtStart ? BST_CHECKED : BST_UNCHECKED);

    for (int i = 0; i < CRegUserDlgRegions::kProvinceCount; ++i)
        SendDlgItemMessage(IDC_PROVINCE, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)CRegUserDlgRegions::ProvinceName(i));
    int province = g_Settings.User.JusoCursor;
    if (province >= 0 && province < CRegUserDlgRegions::kProvinceCount) {
        SendDlgItemMessage(IDC_PROVINCE, CB_SETCURSEL, (WPARAM)province);
        FillCities(province);
        int city = g_Settings.User.JusoDetailCursor;
        if (city >= 0 && city < (int)m_cities.size()) SendDlgItemMessage(IDC_CITY, CB_SETCURSEL, (WPARAM)city);
    } else {
        FillCities(-1);
    }
    ShowCustomControls(province);
    SetDlgItemText(IDC_CITY_NAME, g_Settings.User.city);
    SetDlgItemText(IDC_WOEID, g_Settings.User.woeid);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CenterWindow();
    return TRUE;
}

void CRegUserDlg::FillCities(int province) {
    m_cities = CRegUserDlgRegions::Cities(province);
    SendDlgItemMessage(IDC_CITY, CB_RESETCONTENT);
    for (const RegionCity& city : m_cities)
        SendDlgItemMessage(IDC_CITY, CB_ADDSTRING, 0, (LPARAM)(LPCWSTR)city.name);
    if (CWnd* list = GetDlgItem(IDC_CITY))
        list->ShowWindow(CRegUserDlgRegions::IsCityListHidden(province) ? SW_HIDE : SW_SHOW);
}

void CRegUserDlg::ShowCustomControls(int province) {
    int show = province == CRegUserDlgRegions::kCustomProvince ? SW_SHOW : SW_HIDE;
    for (int id : {IDC_CITY_NAME, IDC_WOEID, IDC_CITY_NAME_TEXT, IDC_WOEID_TEXT, IDC_FIND})
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(show);
}

void CRegUserDlg::OnProvinceChanged() {
    int province = (int)SendDlgItemMessage(IDC_PROVINCE, CB_GETCURSEL);
    FillCities(province);
    ShowCustomControls(province);
    SendDlgItemMessage(IDC_CITY, CB_SETCURSEL, 0);
}

void CRegUserDlg::OnFind() { GetActionSystem().ShellOpen(CWeatherSetDlg::LookupPageUrl()); }

void CRegUserDlg::OnShowNow() {
    m_useUserInfo = IsDlgButtonChecked(IDC_USE_INFO) == BST_CHECKED ? 1 : 0;
    g_Settings.User.Enable = m_useUserInfo;
    if (m_runAction) m_runAction(L"TODAY_INFO");
}

void CRegUserDlg::OnOK() {
    RegUserChoice choice;
    choice.useUserInfo = IsDlgButtonChecked(IDC_USE_INFO) == BST_CHECKED ? 1 : 0;
    choice.showTodayInfoAtStart = IsDlgButtonChecked(IDC_SHOW_AT_START) == BST_CHECKED ? 1 : 0;
    choice.province = (int)SendDlgItemMessage(IDC_PROVINCE, CB_GETCURSEL);
    choice.city = (int)SendDlgItemMessage(IDC_CITY, CB_GETCURSEL);
    GetDlgItemText(IDC_CITY_NAME, choice.customName);
    GetDlgItemText(IDC_WOEID, choice.customWoeid);
    choice.customName.Trim();
    choice.customWoeid.Trim();
    // An empty id means the default region; any other must be a number.
    if (choice.province == CRegUserDlgRegions::kCustomProvince && !choice.customWoeid.IsEmpty() &&
        !CWeatherSetDlg::IsValidWoeid(choice.customWoeid)) {
        ShowMessageBox(g_LanguageTable[CWeatherSetDlg::kTextBadWoeid], -1);
        return;
    }
    CRegUserDlgRegions::Apply(choice, g_Settings.User);
    if (m_saveSettings) m_saveSettings();
    if (g_Settings.User.ShowTodayInfo && m_runAction) m_runAction(L"TODAY_INFO");
    Close();
}

void CRegUserDlg::OnCancel() { Close(); }

void CRegUserDlg::Close() {
    // A copy: the call may free this dialog and its members with it.
    std::function<void()> close = m_close;
    if (close) close();
    else DestroyWindow();
}

void CRegUserDlg::PostNcDestroy() { delete this; }
