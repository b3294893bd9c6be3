// CSetShutdownDlg: the shutdown timer. The user schedules a shutdown, a
// restart or a log-off at a date and time or after an amount of seconds,
// minutes or hours; the dialog turns the choice into a delay and an action
// string and hands both to the frame, which opens the countdown window. It
// can also shut down at once or cancel the running countdown. Modeless: it
// destroys its own window (and itself) once a button has done its work.
#pragma once

#include "fw/AfxWin.h"
#include "ui/ColorButton.h"
#include "ui/DateTimeEditCtrl.h"
#include "ui/FontStatic.h"
#include "widgets/SetShutdownDlgHost.h"

class CSetShutdownDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 1094,
        IDC_DATE = 1067, IDC_TIME = 1240, IDC_AMOUNT = 1408, IDC_UNIT = 1456, IDC_ACTION = 1455,
        IDC_AFTER = 3, IDC_NOW = 1463, IDC_CANCEL_SCHEDULED = 1464, IDC_WARNING = 1465,
        IDC_ACTION_LABEL = 1460, IDC_TIME_LABEL = 1404, IDC_GROUP_AT = 1462, IDC_GROUP_AFTER = 1461,
    };

    CSetShutdownDlg(ISetShutdownDlgHost& host, CWnd* parent);
    ~CSetShutdownDlg() override;

    BOOL OnInitDialog() override;

    // The chosen values, as read from the controls.
    int m_year = 0, m_month = 0, m_day = 0;
    int m_hour = 12, m_minute = 0;
    int m_amount = 30;
    int m_unit = 1;
    int m_action = 0;
    // The delay last handed on.
    int m_delay = 0;

protected:
    void OnOK() override;
    void OnCancel() override;
    void OnAfter();
    void OnNow();
    void OnCancelScheduled();
    void OnTimeButton();
    void PostNcDestroy() override;

private:
    void ReadControls();
    void ShowTimeButton();
    void Schedule(long long seconds);

    ISetShutdownDlgHost& m_host;
    CDateTimeEditCtrl m_date;
    CColorButton m_now;
    CFontStatic m_warning;
};
