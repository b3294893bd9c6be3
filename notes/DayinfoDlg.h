// CDayinfoDlg: the modal dialog that adds or edits one anniversary. It works
// on its own copy of the record; the caller stores the result. Ends with IDOK
// (the record filled in), IDCANCEL, or DeleteResult when the user asked to
// delete the anniversary. What OK makes of the controls is CDayinfoLogic's.
#pragma once

#include "calendar/DayinfoLogic.h"
#include "fw/AfxWin.h"
#include "ui/BitmapPickerCombo.h"
#include "ui/ColorButton.h"

class CDayinfoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = 222, DeleteResult = 32877, ModeEdit = 1 };
    enum {
        IDC_TEXT = 1115, IDC_HOLIDAY = 1348, IDC_KIND = 1113, IDC_DAY = 1071, IDC_MONTH = 1070, IDC_ICON_LIST = 1119,
        IDC_DAYS_BEFORE = 1455, IDC_MONTH_LABEL = 1346, IDC_DAY_LABEL = 1347, IDC_TEXT_LABEL = 1349,
        IDC_ICON_LABEL = 1338, IDC_DAYS_BEFORE_LABEL = 1350, IDC_DELETE = 1370, IDC_CANCEL = 1377,
    };

    // mode 1 edits the record; anything else adds one (for today's month and
    // day when no record is given).
    CDayinfoDlg(CWnd* parent, int mode, const CDayInfo* record);

    // Before the dialog runs: the month and day it opens with.
    void SetDate(int month, int day);

    const CDayInfo& GetRecord() const { return m_record; }
    const CDayinfoLogic::Form& GetForm() const { return m_form; }

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    void OnDelete();
    void OnCancelButton();

private:
    void TranslateTexts();
    void FillLists();
    CDayinfoLogic::Form ReadControls();

    CDayInfo m_record;
    int m_mode;
    CDayinfoLogic::Form m_form;
    CBitmapPickerCombo m_icon;
    CColorButton m_delete;
};
