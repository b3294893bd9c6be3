#include "widgets/MeterCalendar.h"

#include "shell/DateUtil.h"
#include "widgets/WidgetEnvironment.h"

#include "tinyxml.h"

#include <algorithm>

namespace {

// Where a key's value sits: up to three nested element names below the
// widget element, and the attribute of the last one.
struct XmlKey {
    const char* path[3];
    const char* attribute;
    const wchar_t* key;
};

const XmlKey kCalendarKeys[] = {
    {{"Origin"}, "X", L"X"},
    {{"Origin"}, "Y", L"Y"},
    {{"Offset"}, "Value", L"Offset"},
    {{"AbsMonth"}, "Value", L"AbsMonth"},
    {{"Type"}, "Value", L"Type"},
    {{"Day", "Space"}, "W", L"SPACE_W"},
    {{"Day", "Space"}, "H", L"SPACE_H"},
    {{"Day", "Size"}, "W", L"DAY_W"},
    {{"Day", "Size"}, "H", L"DAY_H"},
    {{"Day", "Columns"}, "Value", L"DaysOfLine"},
    {{"Day", "Sunday", "Image"}, "Image", L"SunImageName"},
    {{"Day", "Satday", "Image"}, "Image", L"SatImageName"},
    {{"Day", "Weekday", "Image"}, "Image", L"NormalImageName"},
    {{"Year", "Image"}, "Image", L"YearImageName"},
    {{"Year", "Image"}, "X", L"YEAR_X"},
    {{"Year", "Image"}, "Y", L"YEAR_Y"},
    {{"Year", "Image"}, "W", L"YEAR_W"},
    {{"Year", "Image"}, "H", L"YEAR_H"},
    {{"Month", "Image"}, "Image", L"MonthFrameImage"},
    {{"Month", "Image"}, "X", L"MONTH_X"},
    {{"Month", "Image"}, "Y", L"MONTH_Y"},
    {{"Month", "Image"}, "W", L"MONTH_W"},
    {{"Month", "Image"}, "H", L"MONTH_H"},
    {{"Month", "Image"}, "Vertical", L"MonthFrameType"},
    {{"TodayMark", "Image"}, "Image", L"TodayMarkImage"},
    {{"TodayMark", "Image"}, "W", L"MarkW"},
    {{"TodayMark", "Image"}, "H", L"MarkH"},
    {{"TodayMark", "Shift"}, "X", L"MarkShiftX"},
    {{"TodayMark", "Shift"}, "Y", L"MarkShiftY"},
    {{"DayBackground", "Image"}, "Image", L"DayBackgroundImage"},
    {{"DayBackground", "Image"}, "W", L"DayBackgroundW"},
    {{"DayBackground", "Image"}, "H", L"DayBackgroundH"},
    {{"DayBackground", "Shift"}, "X", L"DayBackgroundShiftX"},
    {{"DayBackground", "Shift"}, "Y", L"DayBackgroundShiftY"},
    {{"Icons", "Image"}, "Image", L"DayInfoFrame"},
    {{"Icons", "Image"}, "W", L"InfoW"},
    {{"Icons", "Image"}, "H", L"InfoH"},
    {{"Icons", "Shift"}, "X", L"InfoShiftX"},
    {{"Icons", "Shift"}, "Y", L"InfoShiftY"},
    {{"Icons", "Space"}, "X", L"InfoNextShiftX"},
    {{"Icons", "Space"}, "Y", L"InfoNextShiftY"},
    {{"Label", "Enable"}, "Value", L"DayInfoText"},
    {{"Label", "Enable"}, "Schedule", L"ScheduleText"},
    {{"Label", "Enable"}, "Anniversary", L"AnniversaryText"},
    {{"Label", "Size"}, "W", L"InfoTextW"},
    {{"Label", "Size"}, "H", L"InfoTextH"},
    {{"Label", "Font"}, "Color", L"FontColor"},
    {{"Label", "Font"}, "Size", L"FontSize"},
    {{"Label", "Shift"}, "X", L"InfoTextShiftX"},
    {{"Label", "Shift"}, "Y", L"InfoTextShiftY"},
    {{"Label", "Align"}, "Align", L"DayInfoTextStringAlign"},
    {{"Label", "Align"}, "VAlign", L"DayInfoTextStringVAlign"},
    {{"PeriodIcons", "Image"}, "Image", L"PeriodFrame"},
    {{"PeriodIcons", "Image"}, "W", L"PeriodW"},
    {{"PeriodIcons", "Image"}, "H", L"PeriodH"},
    {{"PeriodIcons", "Shift"}, "X", L"PeriodShiftX"},
    {{"PeriodIcons", "Shift"}, "Y", L"PeriodShiftY"},
};

const TiXmlElement* Descend(const TiXmlElement* element, const char* const (&path)[3]) {
    for (const char* name : path) {
        if (!name || !element)
            break;
        element = element->FirstChildElement(name);
    }
    return element;
}

}  // namespace

CMeterCalendar::CMeterCalendar(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_CALENDAR; }

void CMeterCalendar::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Layout.x = m_X;
    m_Layout.y = m_Y;
    m_Layout.spaceW = section.GetInt(L"SPACE_W", 0);
    m_Layout.spaceH = section.GetInt(L"SPACE_H", 0);
    m_Layout.dayW = section.GetInt(L"DAY_W", 0);
    m_Layout.dayH = section.GetInt(L"DAY_H", 0);
    m_Layout.daysOfLine = std::max(1, section.GetInt(L"DaysOfLine", 7));
    m_Layout.weekDayStartX = section.GetInt(L"WeekDayStartX", m_Layout.daysOfLine == 7 ? 1 : 0) != 0;
    m_Offset = section.GetInt(L"Offset", 0);
    m_AbsMonth = section.GetInt(L"AbsMonth", 0);
    m_Simple = section.GetString(L"Type").CompareNoCase(L"SIMPLE") == 0;
}

bool CMeterCalendar::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    struct tm local = {};
    if (!env.ToLocal(env.Now(), local))
        return false;
    m_TodayYear = local.tm_year + 1900;
    m_TodayMonth = local.tm_mon + 1;
    m_TodayDay = local.tm_mday;
    CCalendarGrid::ShownMonth(m_Simple ? 0 : m_Navigation, m_Offset, m_AbsMonth, m_TodayYear, m_TodayMonth, m_Year,
                              m_Month);
    m_Days = GetDaysInMonth(m_Year, m_Month);
    m_FirstWeekday = GetFirstWeekdayOfMonth(m_Year, m_Month);
    return true;
}

void CMeterCalendar::MoveMonth(int months) {
    if (!m_Simple)
        m_Navigation += months;
}

int CMeterCalendar::DayFromPoint(POINT pt, int& year, int& month, int& day, RECT* cell) {
    int found = 0;
    if (m_Simple) {
        // One cell, today's, at the origin.
        const CCalendarGrid::Layout& l = m_Layout;
        int halfH = l.spaceH / 2;
        if (l.x < pt.x && pt.x < l.x + 2 * l.dayW + l.spaceW / 2 && l.y - halfH < pt.y && pt.y < l.y + l.dayH + halfH) {
            found = m_TodayDay;
            if (cell)
                *cell = RECT{l.x, l.y, l.x + 2 * l.dayW, l.y + l.dayH};
        }
        if (!found)
            return 0;
        year = m_TodayYear;
        month = m_TodayMonth;
        day = found;
        return 1;
    }
    found = CCalendarGrid::DayFromPoint(m_Layout, m_FirstWeekday, m_Days, pt, cell);
    if (!found)
        return 0;
    year = m_Year;
    month = m_Month;
    day = found;
    return 1;
}

bool CMeterCalendar::HitTest(int x, int y) {
    int year, month, day;
    return DayFromPoint(POINT{x, y}, year, month, day) != 0;
}

void ConvertCalendarXml(const TiXmlElement* element, CInfoSection& section) {
    if (!element)
        return;
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"CALENDAR");
    for (const XmlKey& k : kCalendarKeys)
        section.SetFromXml(Descend(element, k.path), k.attribute, k.key);
}
