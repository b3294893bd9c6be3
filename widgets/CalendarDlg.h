// CalendarDlg: the skinned desktop month calendar. Its skin holds one or more
// calendar meters; the window owns the program's anniversaries and their
// file, moves the meters through the months by keys, menu and skin commands,
// finds the day under the mouse for the day balloon, and registers a
// schedule or an anniversary on a right-clicked day through the frame.
#pragma once

#include "calendar/AnniversaryFile.h"
#include "widgets/CalendarDlgHost.h"
#include "widgets/GDIDialog.h"

// Ids of the calendar window.
const unsigned IDD_CALENDAR = 210;
const unsigned IDR_CALENDAR_MENU = 197;
const unsigned IDR_CALENDAR_DAY_MENU = 198;
const unsigned ID_CALENDAR_RESET_MONTH = 32929;
const unsigned ID_CALENDAR_PREV_MONTH = 32930;
const unsigned ID_CALENDAR_NEXT_MONTH = 32931;
const unsigned ID_CALENDAR_PREV_YEAR = 32932;
const unsigned ID_CALENDAR_NEXT_YEAR = 32933;
const unsigned ID_CALENDAR_SETTINGS = 32822;
const unsigned ID_CALENDAR_NEW_SCHEDULE = 32878;
const unsigned ID_CALENDAR_NEW_ANNIVERSARY = 32879;
// Makes today the selected date.
const UINT WM_CALENDAR_SELECT_TODAY = WM_USER + 123;
const int CALENDAR_WIDGET_KIND = 3;

class CMeterCalendar;

class CalendarDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CalendarDlg(ICalendarDlgHost& host, CWnd* parent = nullptr);
    ~CalendarDlg() override;

    BOOL Create(UINT templateId = IDD_CALENDAR, CWnd* parent = nullptr) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // PREVMONTH, NEXTMONTH, PREVYEAR, NEXTYEAR and RESETMONTH; the rest
    // goes to the skinned window.
    int ExecuteCommand(const CString& command) override;
    BOOL LoadSkin(const CString& path) override;
    void SelectSkin(UINT id) override;
    CPoint GetTopLeft() override;
    HMENU BuildContextMenu() override;
    void EndNcClick(int x, int y) override;

    void SaveState();
    void HideBalloon() { m_host.HideDayBalloon(); }

    // ---- The anniversaries ----
    CAnniversaryFile& Anniversaries() { return m_anniversaries; }
    CArray<CDayInfo>& GetAnniversaryList() { return m_anniversaries.GetList(); }
    int AddAnniversary(const CDayInfo& info) { return m_anniversaries.AddAnniversary(info); }
    CDayInfo* FindAnniversary(int id) { return m_anniversaries.FindAnniversary(id); }
    void RemoveAnniversary(int id) { m_anniversaries.RemoveAnniversary(id); }
    void RemoveAllAnniversaries() { m_anniversaries.RemoveAllAnniversaries(); }
    bool SaveAnniversaries() { return m_anniversaries.SaveAnniversaries(); }
    void LoadOrImportAnniversaries();

    // ---- State the frame and the tests read ----
    int GetMonthOffset() const { return m_nMonthOffset; }
    void GetSelectedDate(int& year, int& month, int& day) const {
        year = m_nSelYear;
        month = m_nSelMonth;
        day = m_nSelDay;
    }
    std::vector<CMeterCalendar*> CalendarMeters() const;
    // The first calendar meter's day under a point of the window (client
    // co-ordinates); false when none.
    bool DayFromPoint(CPoint client, int& year, int& month, int& day, CRect* cell = nullptr);
    // The menu the context menu would show at a screen point: the day under
    // it becomes the selected date. The caller destroys the menu.
    HMENU BuildMenuAt(CPoint screen);
    int GetZPosition() const { return m_nZPosition; }
    bool IsChanged() const { return m_bChanged != 0; }
    void ClearChanged() { m_bChanged = 0; }
    void EnableSavePosition() { m_bSavePosition = 1; }

protected:
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    void OnMove(int x, int y);
    LRESULT OnSelectToday(WPARAM, LPARAM);

private:
    void LinkCalendarMeters();
    void MoveMonths(int months);
    void ShowBalloonAt(CPoint screen);

    ICalendarDlgHost& m_host;
    CAnniversaryFile m_anniversaries;
    int m_nSelYear = -1, m_nSelMonth = -1, m_nSelDay = -1;
    int m_nMonthOffset = 0;
    // The menu's click point, so the day it names is the one clicked.
    CPoint m_menuPoint;
};
