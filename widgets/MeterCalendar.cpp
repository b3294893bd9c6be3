#include "widgets/MeterCalendar.h"

#include "widgets/Meter.h"

#include "tinyxml.h"

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

void ConvertCalendarXml(const TiXmlElement* element, CInfoSection& section) {
    if (!element)
        return;
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"CALENDAR");
    for (const XmlKey& k : kCalendarKeys)
        section.SetFromXml(Descend(element, k.path), k.attribute, k.key);
}
