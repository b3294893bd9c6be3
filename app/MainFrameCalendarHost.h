// What the desktop calendar asks of the main frame, passed on to the frame;
// and what the hot keys do with the calendar window.
#pragma once

#include "shell/HotKeyView.h"
#include "widgets/CalendarDlgHost.h"

class CMainFrame;
class CalendarDlg;
class CCalendarScheduleDlg;
class IDayScheduleHost;

class CMainFrameCalendarHost : public ICalendarDlgHost {
public:
    explicit CMainFrameCalendarHost(CMainFrame& frame) : m_frame(frame) {}
    ~CMainFrameCalendarHost() override;

    void OpenCalendarSettings() override;
    void NewAlarmOnDate(int year, int month, int day) override;
    void NewAnniversaryOnDate(int month, int day) override;
    // The day balloon lists the day's rows, pointing at the day's cell.
    void ShowDayBalloon(int year, int month, int day, const CRect& cell) override;
    void HideDayBalloon() override;
    bool IsDayBalloonShowing(int year, int month, int day) override;

    // The balloon's window, made once the calendar exists (the calendar is
    // its owner) and destroyed before the calendar goes.
    bool CreateBalloon(IDayScheduleHost& rows, CalendarDlg& calendar);
    void DestroyBalloon();
    CCalendarScheduleDlg* GetBalloon() const { return m_pBalloon; }

private:
    CMainFrame& m_frame;
    CCalendarScheduleDlg* m_pBalloon = nullptr;
};

// The calendar as the hot keys see it.
class CCalendarHotKeyView : public IHotKeyView {
public:
    explicit CCalendarHotKeyView(CalendarDlg& window) : m_window(window) {}

    bool IsVisible() override;
    int GetLevel() override;
    void ArmAutoHide(int fadeIn, int stayMs) override;
    void SetZPosition(int level, bool remember) override;
    void SetForeground() override;
    void FadeOut() override;
    void ShowWithEffect() override;
    void AddToSpotlightIfActive() override;

private:
    CalendarDlg& m_window;
};
