// CCountDownSet: the countdown set-up a widget runs before it rewrites its
// skin: a target date and time, or "later" by an amount of seconds, minutes
// or hours, with a label and a command to run at zero. Modal, placed on a
// point (the widget's centre) and kept on the desktop.
#pragma once

#include "fw/AfxWin.h"
#include "ui/DateTimeEditCtrl.h"
#include "widgets/WidgetDialogRewrite.h"

class CMeasureCountDown;

class CCountDownSet : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 1084,
        IDC_DATE = 1067, IDC_TIME = 1240, IDC_LABEL = 1403, IDC_COMMAND = 2001, IDC_BROWSE = 1406,
        IDC_AMOUNT = 1408, IDC_UNIT = 1456, IDC_LATER = 3, IDC_GROUP_AT = 1462, IDC_GROUP_LATER = 1461,
        IDC_LABEL_TEXT = 1404, IDC_COMMAND_TEXT = 1405,
    };
    static constexpr int kMaxLabel = 128;

    explicit CCountDownSet(CWnd* parent);
    ~CCountDownSet() override;

    // The countdown being edited: its target, label and command fill the
    // fields when the dialog opens.
    void SetMeasure(CMeasureCountDown* measure);
    // The same from values already read.
    void Preset(const CountdownSetting& setting);
    void SetPoint(CPoint point) { m_point = point; }
    BOOL OnInitDialog() override;

    // The result: what the widget writes into its skin.
    CountdownSetting GetSetting() const;

    int m_year = 0, m_month = 0, m_day = 0;
    int m_hour = 12, m_minute = 0, m_second = 0;
    CString m_label, m_command;
    int m_amount = 10;
    int m_unit = 1;

    // The local date and time the amount in the unit lies ahead of now.
    static bool LaterTarget(__time64_t now, long long amount, int unit, SYSTEMTIME& target);
    // A label keeps its first 128 characters.
    static CString CutLabel(const CString& label) { return label.Left(kMaxLabel); }
    // Where a box of the size goes to centre on the point, kept inside the
    // desktop rectangle (and never left of or above 0).
    static CPoint PlaceAt(const CRect& desktop, CPoint point, int width, int height);

protected:
    void OnOK() override;
    void OnLater();
    void OnTimeButton();
    void OnBrowse();

private:
    void ReadFields();
    void ShowTimeButton();

    CDateTimeEditCtrl m_date;
    CPoint m_point;
    bool m_preset = false;
};
