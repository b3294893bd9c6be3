// The month calendar meter of a skin: which month it shows as the user moves
// through the months, and which day lies under a point. Its grid, hit tests
// and mark choices are in CalendarGrid.h.
#pragma once

#include "widgets/CalendarGrid.h"
#include "widgets/Meter.h"

class TiXmlElement;

class CMeterCalendar : public CMeter {
public:
    explicit CMeterCalendar(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    // Reads today's date from the widget clock and works out the shown month.
    bool Update() override;
    // On any day cell of the shown month.
    bool HitTest(int x, int y) override;

    // Moves by a number of months; the today-only variant stays on today.
    void MoveMonth(int months);
    void ResetMonth() { m_Navigation = 0; }
    int GetNavigation() const { return m_Navigation; }
    void SetNavigation(int months) { m_Navigation = months; }

    // 1 and the date when a day cell lies under the point, else 0.
    int DayFromPoint(POINT pt, int& year, int& month, int& day, RECT* cell = nullptr);

    bool IsSimple() const { return m_Simple; }
    int GetShownYear() const { return m_Year; }
    int GetShownMonth() const { return m_Month; }
    int GetDaysInShownMonth() const { return m_Days; }
    int GetFirstWeekday() const { return m_FirstWeekday; }
    bool ShowsToday() const { return m_Year == m_TodayYear && m_Month == m_TodayMonth; }
    const CCalendarGrid::Layout& GetLayout() const { return m_Layout; }

private:
    CCalendarGrid::Layout m_Layout;
    int m_Offset = 0;
    int m_AbsMonth = 0;
    bool m_Simple = false;
    int m_Navigation = 0;
    int m_Year = 1970, m_Month = 1, m_Days = 31, m_FirstWeekday = 5;
    int m_TodayYear = 1970, m_TodayMonth = 1, m_TodayDay = 1;
};

// The section keys of a calendar widget element: the common meter keys, then
// one key per attribute the calendar reads. Missing elements set nothing.
void ConvertCalendarXml(const TiXmlElement* element, CInfoSection& section);
