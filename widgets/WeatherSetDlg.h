// CWeatherSetDlg: the weather set-up a widget runs before it rewrites its
// skin's Weather line: the location id of the weather service and the unit.
// "Find WOEID" opens the service's lookup page. Modal, placed on a point.
#pragma once

#include "fw/AfxWin.h"

class CWeatherSetDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 1095,
        IDC_WOEID = 1403, IDC_CELSIUS = 1467, IDC_FAHRENHEIT = 1468, IDC_FIND = 1470,
        IDC_WOEID_TEXT = 1463, IDC_UNIT_TEXT = 1469,
    };
    // The host of the weather service the program reads.
    static const wchar_t kWeatherHost[];

    CWeatherSetDlg(const CString& woeid, bool fahrenheit, CWnd* parent);
    void SetPoint(CPoint point) { m_point = point; }
    BOOL OnInitDialog() override;

    const CString& GetWoeid() const { return m_woeid; }
    bool IsFahrenheit() const { return m_unit == 1; }
    int m_unit = 0;  // 0 Celsius, 1 Fahrenheit

    // The service's page where a user finds the id of a place.
    static CString LookupPageUrl();
    // A location id is a decimal number of 1 to 10 digits; anything else
    // would be written into a skin line as it stands.
    static bool IsValidWoeid(const CString& woeid);
    // What the user is told about an id that is not one.
    static const int kTextBadWoeid = 39901;

protected:
    void OnOK() override;
    void OnFind();

private:
    CString m_woeid;
    CPoint m_point;
};
