// CAddAlarmDlg: the modal dialog that makes or edits one alarm. It works on
// its own copy of the record; the caller stores the result. Ends with IDOK
// (the record filled in), IDCANCEL, or DeleteResult when the user asked to
// delete the alarm. What OK makes of the controls is CAddAlarmLogic's.
#pragma once

#include "calendar/AddAlarmLogic.h"
#include "fw/AfxWin.h"
#include "fw/RichEditCtrl.h"
#include "fw/ToolTipCtrl.h"
#include "notes/AlarmDlgHost.h"
#include "ui/BitmapPickerCombo.h"
#include "ui/ColorButton.h"
#include "ui/DateTimeEditCtrl.h"

class CAddAlarmDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = 194, DeleteResult = 32877 };
    enum {
        IDC_KIND = 1366, IDC_DATE = 1238, IDC_START = 1239, IDC_TILDE = 1367, IDC_END = 1241,
        IDC_SUNDAY = 1265, IDC_MONDAY = 1266, IDC_TUESDAY = 1267, IDC_WEDNESDAY = 1268, IDC_THURSDAY = 1269,
        IDC_FRIDAY = 1271, IDC_SATURDAY = 1270, IDC_WORKDAYS = 1272, IDC_WEEKEND = 1273, IDC_DAY_OF_MONTH = 790,
        IDC_WEEK_MONTH = 1371, IDC_WEEK_NUMBER = 1372, IDC_WEEK_DAY = 1373, IDC_HOLIDAY = 1348,
        IDC_EVERY = 1454, IDC_INTERVAL = 1453, IDC_DAYS = 1455, IDC_TIME = 1240, IDC_QUICK_TIME = 1084,
        IDC_NOW = 1080, IDC_ALL_DAY = 1274, IDC_ADVANCE_LABEL = 1336, IDC_ADVANCE = 1085, IDC_STYLE = 1344,
        IDC_SOUND = 1075, IDC_SOUND_BROWSE = 1058, IDC_PLAY = 1059, IDC_COMMAND = 1055, IDC_COMMAND_BROWSE = 1060,
        IDC_CONTENTS = 1072, IDC_NOTE_TEXT = 1082, IDC_FIND_NOTE = 1345, IDC_ICON_LIST = 1369, IDC_DDAY = 1339,
        IDC_DONE = 1482, IDC_DONE_LABEL = 1346, IDC_DELETE = 1335, IDC_MANAGE = 1337,
        IDC_KIND_LABEL = 1338, IDC_CONTENTS_LABEL = 1340, IDC_SOUND_LABEL = 1341, IDC_COMMAND_LABEL = 1342,
        IDC_ICON_LABEL = 1343
    };

    // record null: a new alarm. memoFile: the note the alarm belongs to
    // (kept only when that note's file exists).
    CAddAlarmDlg(IAlarmDlgHost& host, const CAlarmInfo* record, const CString& memoFile, CWnd* parent = nullptr);
    ~CAddAlarmDlg() override;

    // Before the dialog runs: a designated-day alarm on that date.
    void SetDate(int year, int month, int day);

    const CAlarmInfo& GetRecord() const { return m_record; }
    bool IsEditing() const { return m_bEdit; }
    // The controls as they stand, and back.
    CAddAlarmLogic::Form ReadControls();
    void WriteControls(const CAddAlarmLogic::Form& form);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    void OnKindChanged();
    void OnAllDay();
    void OnQuickTime();
    void OnNow();
    void OnTimeButton();
    void OnWorkdays();
    void OnWeekend();
    void OnSoundBrowse();
    void OnPlay();
    void OnCommandBrowse();
    void OnFindNote();
    void OnDone();
    void OnManage();
    void OnDelete();

protected:
    void OnDrawItem(int id, LPDRAWITEMSTRUCT dis);

private:
    void FillLists();
    void TranslateTexts();
    void ShowNoteText();
    void UpdateVisibility();
    void UpdateEnabled();
    void ShowTime();
    void SetPicker(int id, const SYSTEMTIME& date);
    SYSTEMTIME GetPicker(int id);
    void RememberDefaults();

    IAlarmDlgHost& m_host;
    CAlarmInfo m_record;
    bool m_bEdit;
    bool m_bPresetDate = false;
    int m_hour = 0, m_minute = 0;
    bool m_done = false;
    CBitmapPickerCombo m_kind, m_icon;
    CDateTimeEditCtrl m_date, m_start, m_end;
    CRichEditCtrl m_noteText;
    CColorButton m_delete;
    CToolTipCtrl m_tips;
    HBITMAP m_hDoneStrip = nullptr, m_hPlayStrip = nullptr;
};
