// CCalendarScheduleDlg: the calendar's day balloon. A day-schedule window
// with a fixed skin that lists the schedules of one day and points at that
// day's cell with an arrow; it hides itself once the mouse has left both
// the balloon and the calendar.
#pragma once

#include "widgets/DayScheduleDlg.h"

class CMeterCalendar;
class CMeterImage;

// Where the balloon goes for a day cell whose top-left is (x, y) on the
// screen: above the day, or below it with the arrow on top when there is no
// room above; kept on a single screen by shifting it (and its arrow) left.
struct BalloonPlacement {
    int left = 0, top = 0;
    int arrowOffset = 0;
    bool arrowOnTop = false;
};
BalloonPlacement PlaceBalloon(int x, int y, int cellHeight, int width, int height, int arrowWidth, int screenWidth,
                              bool singleMonitor);

class CCalendarScheduleDlg : public CDayScheduleDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { TIMER_CURSOR_WATCH = 3106, TIMER_AUTO_HIDE = 3006 };
    static constexpr UINT kWatchMs = 500;

    CCalendarScheduleDlg(IDayScheduleHost& host, CWnd* owner);
    ~CCalendarScheduleDlg() override;

    BOOL OnInitDialog() override;
    void DrawOverlay() override;
    // The balloon stays where it was last placed for its day.
    CPoint GetTopLeft() override { return CPoint(m_Placement.left, m_Placement.top); }

    // Shows the day's list pointing at the cell; false (and nothing shown)
    // for a date that is no date.
    bool ShowForDate(int x, int y, int cellHeight, CMeterCalendar* meter, int year, int month, int day);
    bool IsShowing(CMeterCalendar* meter, int year, int month, int day);
    void Hide(BOOL fade);

    const BalloonPlacement& GetPlacement() const { return m_Placement; }
    CMeterImage* GetUpArrow() const { return m_pUpArrow; }
    CMeterImage* GetDownArrow() const { return m_pDownArrow; }
    int GetWeekday() const { return m_nWeekday; }

protected:
    void PostNcDestroy() override;
    LRESULT OnNcHitTest(CPoint point);
    void OnTimer(UINT_PTR id);
    void FindArrows();
    // Whether the cursor lies on the balloon or on the calendar; tests answer.
    virtual bool CursorOnBalloonOrOwner();

    CWnd* m_pOwnerWnd;
    CMeterImage* m_pUpArrow = nullptr;
    CMeterImage* m_pDownArrow = nullptr;
    BalloonPlacement m_Placement;
    bool m_bShowArrow = true;
    CMeterCalendar* m_pMeter = nullptr;
    int m_nYear = 0, m_nMonth = 0, m_nDay = 0, m_nWeekday = 0;
};
