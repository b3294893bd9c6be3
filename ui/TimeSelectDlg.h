// CTimeSelectDlg: the modal hour and minute picker of the alarm and
// countdown dialogs: 24 hour cells and 60 minute cells. A click on an hour
// keeps the picker open, a click on a minute closes it with IDOK; "Current
// Time" takes the local time (-1 and -1 when it cannot be read).
#pragma once

#include "fw/AfxWin.h"
#include "ui/TimeBtn.h"

class CTimeSelectDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CTimeSelectDlg(CWnd* parent);
    ~CTimeSelectDlg() override;

    void SetTime(int hour, int minute);
    BOOL OnInitDialog() override;

    void OnHourButton(UINT id);
    void OnMinuteButton(UINT id);
    void OnNow();

    CTimeBtn& HourCell(int hour) { return m_hourCells[hour]; }
    CTimeBtn& MinuteCell(int minute) { return m_minuteCells[minute]; }

    int m_hour = 0;
    int m_minute = 0;

private:
    void PaintHour(int hour, bool selected);
    void PaintMinute(int minute, bool selected);

    CWnd* m_parent;
    CTimeBtn m_hourCells[24];
    CTimeBtn m_minuteCells[60];
};
