#include "widgets/MeterCalendar.h"

#include "tinyxml.h"

#include <gtest/gtest.h>

TEST(CalendarXmlTest, ElementsBecomeSectionKeys) {
    TiXmlDocument doc;
    doc.Parse(
        "<Widget Type=\"Calendar\">"
        "<Origin X=\"5\" Y=\"6\"/><Offset Value=\"-1\"/><Type Value=\"Simple\"/>"
        "<Day><Space W=\"2\" H=\"3\"/><Size W=\"9\" H=\"14\"/><Columns Value=\"31\"/>"
        "<Sunday><Image Image=\"sun.png\"/></Sunday><Satday><Image Image=\"sat.png\"/></Satday>"
        "<Weekday><Image Image=\"day.png\"/></Weekday></Day>"
        "<Month><Image Image=\"m.png\" X=\"1\" Y=\"2\" W=\"40\" H=\"12\" Vertical=\"0\"/></Month>"
        "<TodayMark><Shift X=\"-1\" Y=\"-2\"/></TodayMark>"
        "<Icons><Image Image=\"DEFAULT_ICONS\" W=\"24\" H=\"24\"/><Space X=\"7\" Y=\"0\"/></Icons>"
        "<Label><Enable Value=\"1\" Schedule=\"1\"/><Font Color=\"Default\" Size=\"8\"/></Label>"
        "<PeriodIcons><Shift X=\"3\" Y=\"4\"/></PeriodIcons>"
        "</Widget>");
    CInfoSection section;
    ConvertCalendarXml(doc.FirstChildElement("Widget"), section);
    struct Want {
        const wchar_t* key;
        const wchar_t* value;
    } want[] = {
        {L"DrawType", L"CALENDAR"}, {L"X", L"5"}, {L"Y", L"6"}, {L"Offset", L"-1"}, {L"Type", L"Simple"},
        {L"SPACE_W", L"2"}, {L"SPACE_H", L"3"}, {L"DAY_W", L"9"}, {L"DAY_H", L"14"}, {L"DaysOfLine", L"31"},
        {L"SunImageName", L"sun.png"}, {L"SatImageName", L"sat.png"}, {L"NormalImageName", L"day.png"},
        {L"MonthFrameImage", L"m.png"}, {L"MONTH_X", L"1"}, {L"MONTH_Y", L"2"}, {L"MONTH_W", L"40"},
        {L"MONTH_H", L"12"}, {L"MonthFrameType", L"0"}, {L"MarkShiftX", L"-1"}, {L"MarkShiftY", L"-2"},
        {L"DayInfoFrame", L"DEFAULT_ICONS"}, {L"InfoW", L"24"}, {L"InfoH", L"24"}, {L"InfoNextShiftX", L"7"},
        {L"InfoNextShiftY", L"0"}, {L"DayInfoText", L"1"}, {L"ScheduleText", L"1"}, {L"FontColor", L"Default"},
        {L"FontSize", L"8"}, {L"PeriodShiftX", L"3"}, {L"PeriodShiftY", L"4"},
    };
    for (const Want& w : want)
        EXPECT_EQ(CString(w.value), section.GetString(w.key)) << (const wchar_t*)w.key;
    // Elements the skin leaves out set nothing, so the meter's defaults hold.
    for (const wchar_t* key : {L"AbsMonth", L"YearImageName", L"TodayMarkImage", L"AnniversaryText", L"InfoShiftX",
                               L"DayBackgroundImage", L"PeriodFrame", L"InfoTextW"})
        EXPECT_EQ(CString(), section.GetString(key)) << key;
}
