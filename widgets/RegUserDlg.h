// CRegUserDlg: the user information. Shows the user's name, birthday and
// sex, lets the user choose the region of the weather and today's-
// information widgets (a province and a city, or a place typed in with its
// location id) and switches the use of the user information. Modeless: the
// frame keeps one and destroys it on Apply or Close.
#pragma once

#include "fw/AfxWin.h"
#include "widgets/RegUserDlgRegions.h"

#include <functional>

class CRegUserDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 1101,
        IDC_NAME = 1491, IDC_BIRTHDAY = 1489, IDC_SEX = 1488, IDC_PROVINCE = 1455, IDC_CITY = 1456,
        IDC_CITY_NAME = 1494, IDC_WOEID = 1495, IDC_CITY_NAME_TEXT = 1492, IDC_WOEID_TEXT = 1493, IDC_FIND = 1496,
        IDC_USE_INFO = 1372, IDC_SHOW_AT_START = 1373, IDC_SHOW_NOW = 1502,
        IDC_GROUP_USER = 1497, IDC_GROUP_LOCATION = 1501, IDC_GROUP_TODAY = 1503, IDC_USER_TEXT = 1498,
        IDC_BIRTHDAY_TEXT = 1499,
    };

    explicit CRegUserDlg(CWnd* parent);
    BOOL OnInitDialog() override;

    // What the dialog does through the frame: run an action, write the
    // settings, and destroy this dialog (which frees itself with its window).
    std::function<int(const CString&)> m_runAction;
    std::function<bool()> m_saveSettings;
    std::function<void()> m_close;

    int m_useUserInfo = 0;
    int m_showTodayInfoAtStart = 0;
    CString m_nameText, m_birthdayText, m_sexText;

    // The birthday as the dialog shows it.
    static CString BirthdayText(const CSettings& settings, const CString& calendarWord);

protected:
    void OnOK() override;
    void OnCancel() override;
    void OnProvinceChanged();
    void OnFind();
    void OnShowNow();
    void PostNcDestroy() override;

private:
    void FillCities(int province);
    void ShowCustomControls(int province);
    // Asks the owner to end the dialog; nothing of it is used afterwards.
    void Close();

    std::vector<RegionCity> m_cities;
};
