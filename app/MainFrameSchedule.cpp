// The main frame's day-schedule window: the rows of a date built from the
// alarms and the calendar's anniversaries, the window made on demand or at
// start-up, and its list kept current as alarms and days change.
#include "app/MainFrame.h"

#include "notes/AlarmCalendar.h"
#include "notes/FrameNotes.h"
#include "shell/HotKeyView.h"
#include "shell/Settings.h"
#include "ui/ShowEffectDlg.h"
#include "widgets/CalendarDlg.h"
#include "widgets/WidgetIds.h"

namespace {

// The frame the schedule meters take their rows from.
CMainFrame* s_scheduleFrame = nullptr;

void DaySchedulesOfFrame(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int year, int month, int day, int hour,
                         int minute) {
    if (s_scheduleFrame)
        s_scheduleFrame->GetDaySchedules(rows, lunar, year, month, day, hour, minute);
    else
        rows.clear();
}

class CMainFrameScheduleHost : public IDayScheduleHost {
public:
    explicit CMainFrameScheduleHost(CMainFrame& frame) : m_frame(frame) {}
    void NewAlarmOnDate(int year, int month, int day) override { m_frame.NewAlarmOnDate(year, month, day); }
    void NewAnniversaryOnDate(int month, int day) override { m_frame.NewAnniversaryOnDate(month, day); }
    void EditAlarm(int id) override { m_frame.EditAlarm(id); }
    void EditAnniversary(int id) override { m_frame.EditAnniversary(id); }

private:
    CMainFrame& m_frame;
};

// The day-schedule window as the hot keys see it.
class CDayScheduleHotKeyView : public IHotKeyView {
public:
    explicit CDayScheduleHotKeyView(CDayScheduleDlg& window) : m_window(window) {}
    bool IsVisible() override { return m_window.IsVisible() != FALSE; }
    int GetLevel() override { return m_window.GetZPosition(); }
    void ArmAutoHide(int fadeIn, int stayMs) override { m_window.ArmAutoHide(fadeIn, stayMs); }
    void SetZPosition(int level, bool remember) override { m_window.SetZPosition(level, remember ? TRUE : FALSE); }
    void SetForeground() override { m_window.SetForegroundWindow(); }
    void FadeOut() override { m_window.FadeOut(); }
    void ShowWithEffect() override { ::ShowWithEffect(&m_window); }
    void AddToSpotlightIfActive() override { ::AddToSpotlightIfActive(&m_window); }

private:
    CDayScheduleDlg& m_window;
};

}  // namespace

IHotKeyView* CMainFrame::GetDayScheduleView() { return m_scheduleView.get(); }

void CMainFrame::GetDaySchedules(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int year, int month, int day,
                                 int hour, int minute) {
    rows.clear();
    if (!m_pNotes) return;
    ScheduleOptions options;
    options.showDDay = g_Settings.Schedule.ShowDDay != 0;
    options.sortByTime = g_Settings.Schedule.SortByTime != 0;
    options.showChecked = g_Settings.Schedule.ShowChecked != 0;
    CAlarmCalendar::GetDaySchedules(m_pNotes->AlarmStore().Alarms(), GetAnniversaries(), rows, lunar, year, month, day,
                                    hour, minute, options);
}

bool CMainFrame::TodayHasSchedules() {
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    std::vector<CScheduleInfo> rows;
    LunarDate lunar;
    GetDaySchedules(rows, lunar, now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    return !rows.empty();
}

void CMainFrame::ConnectDaySchedules() {
    s_scheduleFrame = this;
    g_DaySchedules = DaySchedulesOfFrame;
}

IDayScheduleHost& CMainFrame::DayScheduleHost() {
    if (!m_scheduleHost) m_scheduleHost = std::make_unique<CMainFrameScheduleHost>(*this);
    return *m_scheduleHost;
}

void CMainFrame::OpenDaySchedule() {
    ConnectDaySchedules();
    if (!m_pDaySchedule) {
        CDayScheduleDlg* window = new CDayScheduleDlg(DayScheduleHost());
        if (!window->Create(IDD_SKIN_WINDOW, nullptr) || !window->m_hWnd) {
            window->Release();
            return;
        }
        m_pDaySchedule = window;
        m_scheduleView = std::make_unique<CDayScheduleHotKeyView>(*window);
        window->m_bSavePosition = 1;
    }
    m_pDaySchedule->RefreshSchedules();
    m_pDaySchedule->ShowWindow(SW_SHOWNOACTIVATE);
    m_pDaySchedule->FadeIn();
    AddToSpotlightIfActive(m_pDaySchedule);
}

// After alarms, anniversaries or the day changed: the window follows the
// start mode (0 hidden, 1 shown, 2 shown while today has rows), its list
// rebuilt either way.
void CMainFrame::UpdateScheduleWindow() {
    const int mode = g_Settings.Schedule.StartMode;
    const bool wanted = mode == 1 || (mode == 2 && TodayHasSchedules());
    if (m_pDaySchedule && m_pDaySchedule->m_hWnd) {
        if (wanted) m_pDaySchedule->ArmAutoHide(TRUE, -1);
        m_pDaySchedule->RefreshSchedules();
        if (!wanted) m_pDaySchedule->FadeOut();
    } else if (wanted) {
        OpenDaySchedule();
    }
}

void CMainFrame::SeeDaySchedule() {
    OpenDaySchedule();
    if (m_scheduleView) m_scheduleView->ShowWithEffect();
}

void CMainFrame::DestroyDaySchedule() {
    CDayScheduleDlg* window = m_pDaySchedule;
    m_pDaySchedule = nullptr;
    m_scheduleView.reset();
    if (s_scheduleFrame == this) {
        s_scheduleFrame = nullptr;
        g_DaySchedules = nullptr;
    }
    if (!window) return;
    if (window->m_hWnd) window->DestroyWindow();
    window->Release();
}
