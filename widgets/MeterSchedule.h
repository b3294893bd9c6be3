// The schedule meter: the skinned list of one day's schedules, anniversaries
// and D-day countdowns. It asks the frame for the rows of a date, sorts them,
// sizes its host window to the list and draws a head, one row per item and a
// tail, each from child meters configured by the skin.
#pragma once

#include "calendar/LunarCalendar.h"
#include "calendar/ScheduleInfo.h"
#include "widgets/Meter.h"

#include <memory>
#include <vector>

class TiXmlElement;

// Fills the unsorted rows of a date and its lunar date; hour and minute are
// the current time of day the rows' passed flags are taken against. The main
// frame sets it while it runs; without it a meter keeps what it shows.
using DaySchedulesHook = void (*)(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int year, int month, int day,
                                  int hour, int minute);
extern DaySchedulesHook g_DaySchedules;

class CMeterSchedule : public CMeter {
public:
    explicit CMeterSchedule(ISkinHost* owner);
    ~CMeterSchedule() override;

    void ReadConfig(const CInfoSection& section) override;
    // Makes the labels' and arrows' fonts and pictures ready.
    void Initialize() override;
    // The list changes only with SetDate.
    bool Update() override { return false; }
    bool Draw() override;
    // Rows are hit-tested through HitTestRow; the generic test never hits.
    bool HitTest(int, int) override { return false; }

    // Loads, sorts and measures the rows of a date (year -1: today) and
    // resizes the host window to the list.
    void SetDate(int year, int month, int day);
    // Selects the row under a point of the host's client area; false only
    // when there is nothing to select.
    bool HitTestRow(int x, int y);
    // The id of the selected row, -1 for none.
    int GetSelectedId() const;
    int GetSelected() const { return m_Selected; }
    void SetSelected(int index) { m_Selected = index; }

    // Head height plus every row's height: where the tail is drawn.
    int GetListBottom() const { return m_ListBottom; }
    // The height the host window is given: list and tail, capped so that a
    // day with very many rows never asks for a buffer beyond the screen.
    int GetWantedHeight() const;
    bool IsListEmpty() const { return m_EmptyList; }
    const std::vector<CScheduleInfo>& GetRows() const { return m_Rows; }
    int GetShownYear() const { return m_Year; }
    int GetShownMonth() const { return m_Month; }
    int GetShownDay() const { return m_Day; }
    const CString& GetTodayText() const { return m_TodayText; }
    const CString& GetLunarText() const { return m_LunarText; }
    int GetIncludeToday() const { return m_IncludeToday; }

    enum Child {
        HEAD_IMAGE, SPECIAL_DAY_IMAGE, SPECIAL_DAY_IMAGE_SEL, DDAY_REMAIN_BODY, DDAY_REMAIN_BODY_SEL,
        DDAY_PASS_BODY, DDAY_PASS_BODY_SEL, DAY_SCHEDULE_BODY, DAY_SCHEDULE_BODY_SEL, BEFORE_SCHEDULE_BODY,
        BEFORE_SCHEDULE_BODY_SEL, AFTER_SCHEDULE_BODY, AFTER_SCHEDULE_BODY_SEL, STRIKE_THROUGH_IMAGE, TAIL_IMAGE,
        ICONS, UP_ARROW, DOWN_ARROW,
        HEAD_LABEL, LUNAR_LABEL, SPECIAL_DAY_LABEL, DDAY_REMAIN_LABEL, DDAY_PASS_LABEL, DAY_SCHEDULE_LABEL,
        BEFORE_SCHEDULE_LABEL, AFTER_SCHEDULE_LABEL, BEFORE_TIME_LABEL, AFTER_TIME_LABEL, TIME_PASS_LABEL,
        TIME_EXACT_LABEL, SHORT_REMAIN_LABEL, LONG_REMAIN_LABEL,
        CHILD_COUNT
    };
    CMeter* GetChild(Child which) const;

    // The height of a row: its kind's normal body, selected or not.
    int RowHeight(const CScheduleInfo& row) const;
    // The body a row is drawn on, the selected form when it has a picture.
    Child RowBody(const CScheduleInfo& row, bool selected) const;
    // The label that shows a timed row's time left or past, and its text;
    // CHILD_COUNT when the row has none or its format is empty.
    Child TimeLabel(const CScheduleInfo& row, CString& text) const;

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    void PlaceChild(Child which, int x, int y);
    void DrawLabel(Child which, int y, const CString& text);
    void BuildHeadTexts(const LunarDate& lunar);

    std::unique_ptr<CMeter> m_Children[CHILD_COUNT];
    int m_Year = 0, m_Month = 0, m_Day = 0;
    std::vector<CScheduleInfo> m_Rows;
    CString m_NoInfoText, m_TodayFormat, m_LunarFormat, m_DDayRemainFormat, m_DDayPassFormat;
    CString m_TimePassFormat, m_TimeExactFormat, m_TimeShortRemainFormat, m_TimeLongRemainFormat;
    CString m_TodayText, m_LunarText;
    int m_MarkShiftX = 0, m_MarkShiftY = 0;
    int m_IncludeToday = 1;
    int m_Selected = -1;
    int m_ListBottom = 0;
    bool m_EmptyList = true;
};

void ConvertScheduleXml(const TiXmlElement* element, CInfoSection& section);
