// The month calendar meter of a skin: which month it shows as the user moves
// through the months, and which day lies under a point. Its grid, hit tests
// and mark choices are in CalendarGrid.h.
#pragma once

#include "calendar/DayInfo.h"
#include "widgets/CalendarGrid.h"
#include "widgets/Meter.h"

#include <memory>

class TiXmlElement;
class CMeasure;

// The alarms' text of a day, one line per alarm. The main frame sets it while
// its alarms are loaded; left empty, the day text holds no alarms.
using DayAlarmTextHook = CString (*)(int year, int month, int day);
extern DayAlarmTextHook g_DayAlarmText;

class CMeterCalendar : public CMeter {
public:
    explicit CMeterCalendar(ISkinHost* owner);
    ~CMeterCalendar() override;

    void ReadConfig(const CInfoSection& section) override;
    // Makes the day text's font.
    void Initialize() override;
    // The month grid, or today's cell alone for the today-only variant.
    bool Draw() override;
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

    // The anniversaries the marks and texts come from; none draws only the
    // alarms' marks.
    void LinkAnniversaries(const CArray<CDayInfo>* list) { m_pAnniversaries = list; }
    const CArray<CDayInfo>* GetAnniversaries() const { return m_pAnniversaries; }

    // The children, in drawing roles; tests look at what they were given.
    enum Child { SUN_DIGITS, SAT_DIGITS, WEEK_DIGITS, TODAY_MARK, DAY_BACKGROUND, ICONS, PERIODS, YEAR, MONTH,
                 DAY_TEXT, CHILD_COUNT };
    CMeter* GetChild(Child which) const;
    // The text drawn under a day of the shown month.
    CString DayText(int day) const;

private:
    // The mark word of a day of the shown month (holiday and icon bits).
    DWORD MarkWord(int day) const;
    void DrawDay(int day, POINT cell, bool full);

    // Puts a child at a point with a value (the day, the frame) to show.
    void Show(Child which, int x, int y, int value);

    std::unique_ptr<CMeter> m_Children[CHILD_COUNT];
    // The values the number and frame children show, one per child.
    std::unique_ptr<CMeasure> m_Values[CHILD_COUNT];
    const CArray<CDayInfo>* m_pAnniversaries = nullptr;
    bool m_DayInfoText = false, m_AnniversaryText = true, m_ScheduleText = false;
    bool m_DefaultFontColor = false;
    int m_MarkShiftX = 0, m_MarkShiftY = 0, m_BackShiftX = 0, m_BackShiftY = 0;
    int m_InfoShiftX = 0, m_InfoShiftY = 0, m_InfoNextX = 0, m_InfoNextY = 0;
    int m_PeriodShiftX = 0, m_PeriodShiftY = 0, m_TextShiftX = 0, m_TextShiftY = 0;

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
