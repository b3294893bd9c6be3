// CDayScheduleDlg: the skinned desktop window of today's schedules. Its skin
// holds one or more schedule meters and two buttons that add a schedule or an
// anniversary on the list's date; a click on a row opens that item.
#pragma once

#include "widgets/GDIDialog.h"

#include <vector>

class CMeterButton;
class CMeterSchedule;

// What the day windows ask of the frame.
class IDayScheduleHost {
public:
    virtual ~IDayScheduleHost() = default;
    virtual void NewAlarmOnDate(int year, int month, int day) = 0;
    virtual void NewAnniversaryOnDate(int month, int day) = 0;
    virtual void EditAlarm(int id) = 0;
    virtual void EditAnniversary(int id) = 0;
};

const UINT WM_SCHEDULE_OPEN_ITEM = WM_USER + 10;
const UINT WM_SCHEDULE_ADD_SCHEDULE = WM_USER + 11;
const UINT WM_SCHEDULE_ADD_ANNIVERSARY = WM_USER + 12;
// Ids from here on are anniversaries, below are alarms.
const int kAnniversaryIdBase = 0x10000000;

class CDayScheduleDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CDayScheduleDlg(IDayScheduleHost& host, CWnd* parent = nullptr);
    ~CDayScheduleDlg() override;

    BOOL OnInitDialog() override;
    BOOL LoadSkin(const CString& path) override;
    int ExecuteCommand(const CString& command) override;
    CPoint GetTopLeft() override;
    void EndNcClick(int x, int y) override;

    // Sets every schedule meter to today and puts the add buttons on the
    // list's bottom edge. The frame calls it every minute and on day changes.
    void RefreshSchedules();
    void SaveState();

    std::vector<CMeterSchedule*> ScheduleMeters() const;
    CMeterButton* GetAddScheduleButton() const { return m_pAddSchedule; }
    CMeterButton* GetAddAnniversaryButton() const { return m_pAddAnniversary; }

protected:
    void PostNcDestroy() override;
    // Every schedule meter to a date (year -1 today), buttons moved, redrawn.
    void ShowDate(int year, int month, int day);
    // Finds the two add buttons among the skin's buttons.
    void FindAddButtons();

    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnMove(int x, int y);
    LRESULT OnOpenItem(WPARAM id, LPARAM);
    LRESULT OnAddSchedule(WPARAM, LPARAM);
    LRESULT OnAddAnniversary(WPARAM, LPARAM);

    IDayScheduleHost& m_host;
    CMeterButton* m_pAddSchedule = nullptr;
    CMeterButton* m_pAddAnniversary = nullptr;
};
