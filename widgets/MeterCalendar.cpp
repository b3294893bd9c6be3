#include "widgets/MeterCalendar.h"

#include "calendar/AnniversaryDays.h"
#include "calendar/DayMarks.h"
#include "shell/DateUtil.h"
#include "shell/Settings.h"
#include "widgets/HeldValue.h"
#include "widgets/Measure.h"
#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterNumImage.h"
#include "widgets/MeterString.h"
#include "widgets/Placed.h"
#include "widgets/SkinHost.h"
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

// The icon strip every skin may name instead of drawing its own.
const wchar_t kDefaultIcons[] = L"DEFAULT_ICONS";
const wchar_t kDefaultIconsFile[] = L"system\\res\\calendarIcons.png";
const int kDefaultIconSize = 24;

// A cell shows a few lines of its day text at most; a day with hundreds of
// alarms would otherwise have every line laid out and clipped on each redraw.
const int kMaxDayTextLines = 8;

CString FirstLines(const CString& text, int lines) {
    int at = -1;
    for (int i = 0; i < lines; ++i) {
        at = text.Find(L'\n', at + 1);
        if (at < 0) return text;
    }
    return text.Left(at);
}

CString IntText(int value) {
    CString text;
    text.Format(L"%d", value);
    return text;
}

// A child's section: the picture and its size, at a place.
CInfoSection ChildSection(const CString& image, const CString& w, const CString& h, const CString& x = L"0",
                          const CString& y = L"0") {
    CInfoSection section(L"Calendar");
    section.SetValue(L"ImageName", image);
    section.SetValue(L"W", w);
    section.SetValue(L"H", h);
    section.SetValue(L"X", x);
    section.SetValue(L"Y", y);
    return section;
}

}  // namespace

DayAlarmTextHook g_DayAlarmText = nullptr;

CMeterCalendar::CMeterCalendar(ISkinHost* owner) : CMeter(owner) {
    m_Kind = METER_CALENDAR;
    for (Child digits : {SUN_DIGITS, SAT_DIGITS, WEEK_DIGITS, YEAR})
        m_Children[digits].reset(new CPlaced<CMeterNumImage>(owner));
    for (Child image : {TODAY_MARK, DAY_BACKGROUND})
        m_Children[image].reset(new CPlaced<CMeterImage>(owner));
    for (Child frames : {ICONS, PERIODS, MONTH})
        m_Children[frames].reset(new CPlaced<CMeterFrameImage>(owner));
    m_Children[DAY_TEXT].reset(new CMeterString(owner));
    for (int i = 0; i < CHILD_COUNT; ++i) {
        m_Values[i].reset(new CHeldValue);
        if (i != DAY_TEXT)
            m_Children[i]->SetMeasure(m_Values[i].get());
    }
}

CMeterCalendar::~CMeterCalendar() = default;

CMeter* CMeterCalendar::GetChild(Child which) const {
    return which >= 0 && which < CHILD_COUNT ? m_Children[which].get() : nullptr;
}

void CMeterCalendar::Initialize() { m_Children[DAY_TEXT]->Initialize(); }

void CMeterCalendar::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    CString dayW = section.GetString(L"DAY_W", L"0"), dayH = section.GetString(L"DAY_H", L"0");
    m_Children[SUN_DIGITS]->ReadConfig(ChildSection(section.GetString(L"SunImageName", L""), dayW, dayH));
    m_Children[SAT_DIGITS]->ReadConfig(ChildSection(section.GetString(L"SatImageName", L""), dayW, dayH));
    m_Children[WEEK_DIGITS]->ReadConfig(ChildSection(section.GetString(L"NormalImageName", L""), dayW, dayH));
    m_Children[TODAY_MARK]->ReadConfig(ChildSection(section.GetString(L"TodayMarkImage", L""),
                                                    section.GetString(L"MarkW", L"0"),
                                                    section.GetString(L"MarkH", L"0")));
    m_Children[DAY_BACKGROUND]->ReadConfig(ChildSection(section.GetString(L"DayBackgroundImage", L""),
                                                        section.GetString(L"DayBackgroundW", L"0"),
                                                        section.GetString(L"DayBackgroundH", L"0")));
    CString icons = section.GetString(L"DayInfoFrame", kDefaultIcons);
    CString infoW = section.GetString(L"InfoW", L"0"), infoH = section.GetString(L"InfoH", L"0");
    if (icons.CompareNoCase(kDefaultIcons) == 0) {
        icons = GetWidgetEnvironment().GetProgramFolder() + kDefaultIconsFile;
        infoW = infoH = IntText(kDefaultIconSize);
    }
    m_Children[ICONS]->ReadConfig(ChildSection(icons, infoW, infoH));
    m_Children[PERIODS]->ReadConfig(ChildSection(section.GetString(L"PeriodFrame", L""),
                                                 section.GetString(L"PeriodW", L"0"),
                                                 section.GetString(L"PeriodH", L"0")));
    m_Children[YEAR]->ReadConfig(ChildSection(section.GetString(L"YearImageName", L""),
                                              section.GetString(L"YEAR_W", L"0"), section.GetString(L"YEAR_H", L"0"),
                                              section.GetString(L"YEAR_X", L"0"), section.GetString(L"YEAR_Y", L"0")));
    CInfoSection month = ChildSection(section.GetString(L"MonthFrameImage", L""), section.GetString(L"MONTH_W", L"1"),
                                      section.GetString(L"MONTH_H", L"1"), section.GetString(L"MONTH_X", L"0"),
                                      section.GetString(L"MONTH_Y", L"0"));
    month.SetValue(L"VerticalFrame", section.GetString(L"MonthFrameType", L"1"));
    m_Children[MONTH]->ReadConfig(month);

    CInfoSection text(L"Calendar");
    CString colour = section.GetString(L"FontColor", L"transparent");
    m_DefaultFontColor = colour.CompareNoCase(L"Default") == 0;
    text.SetValue(L"FontColor", m_DefaultFontColor ? CString(L"0,0,0,255") : colour);
    text.SetValue(L"FontSize", section.GetString(L"FontSize", L"10"));
    text.SetValue(L"StringAlign", section.GetString(L"DayInfoTextStringAlign", L"CENTER"));
    text.SetValue(L"StringVAlign", section.GetString(L"DayInfoTextStringVAlign", L"CENTER"));
    text.SetValue(L"ClipString", L"1");
    text.SetValue(L"W", section.GetString(L"InfoTextW", L"0"));
    text.SetValue(L"H", section.GetString(L"InfoTextH", L"0"));
    if (section.HasKey(L"FontFace"))
        text.SetValue(L"FontFace", section.GetString(L"FontFace"));
    m_Children[DAY_TEXT]->ReadConfig(text);

    m_DayInfoText = section.GetInt(L"DayInfoText", 0) != 0;
    m_AnniversaryText = section.GetInt(L"AnniversaryText", 1) != 0;
    m_ScheduleText = section.GetInt(L"ScheduleText", 0) != 0;
    m_MarkShiftX = section.GetInt(L"MarkShiftX", 0);
    m_MarkShiftY = section.GetInt(L"MarkShiftY", 0);
    m_BackShiftX = section.GetInt(L"DayBackgroundShiftX", 0);
    m_BackShiftY = section.GetInt(L"DayBackgroundShiftY", 0);
    m_InfoShiftX = section.GetInt(L"InfoShiftX", 0);
    m_InfoShiftY = section.GetInt(L"InfoShiftY", 0);
    m_InfoNextX = section.GetInt(L"InfoNextShiftX", 0);
    m_InfoNextY = section.GetInt(L"InfoNextShiftY", 0);
    m_PeriodShiftX = section.GetInt(L"PeriodShiftX", 0);
    m_PeriodShiftY = section.GetInt(L"PeriodShiftY", 0);
    m_TextShiftX = section.GetInt(L"InfoTextShiftX", 0);
    m_TextShiftY = section.GetInt(L"InfoTextShiftY", 0);

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
    Show(YEAR, m_Children[YEAR]->GetX(true), m_Children[YEAR]->GetY(true), m_Year);
    Show(MONTH, m_Children[MONTH]->GetX(true), m_Children[MONTH]->GetY(true), m_Month - 1);
    return true;
}

// ---- Drawing ----

void CMeterCalendar::Show(Child which, int x, int y, int value) {
    CMeter* child = m_Children[which].get();
    if (auto* placed = dynamic_cast<CPlaced<CMeterNumImage>*>(child))
        placed->Place(x, y);
    else if (auto* image = dynamic_cast<CPlaced<CMeterImage>*>(child))
        image->Place(x, y);
    else if (auto* frames = dynamic_cast<CPlaced<CMeterFrameImage>*>(child))
        frames->Place(x, y);
    static_cast<CHeldValue*>(m_Values[which].get())->Set(value);
    child->Update();
}

DWORD CMeterCalendar::MarkWord(int day) const {
    DWORD word = 0;
    if (const DWORD* cell = DayMarkCell(g_AnniversaryDayMarks, m_Month, day))
        word |= *cell;
    if (const DWORD* cell = DayMarkCell(g_MonthDayMarks, m_Month, day))
        word |= *cell;
    return word;
}

CString CMeterCalendar::DayText(int day) const {
    CString anniversaries, alarms;
    if (m_AnniversaryText)
        anniversaries = GetDayAnniversaryText(m_pAnniversaries, m_Year, m_Month, day);
    if (m_ScheduleText && g_DayAlarmText)
        alarms = g_DayAlarmText(m_Year, m_Month, day);
    alarms.TrimRight(L"\n");
    return CCalendarGrid::DayText(m_AnniversaryText, anniversaries, m_ScheduleText, alarms);
}

void CMeterCalendar::DrawDay(int day, POINT cell, bool full) {
    DWORD word = MarkWord(day);
    if (full) {
        Show(DAY_BACKGROUND, cell.x + m_BackShiftX, cell.y + m_BackShiftY, 0);
        m_Children[DAY_BACKGROUND]->Draw();
        if (ShowsToday() && day == m_TodayDay) {
            Show(TODAY_MARK, cell.x + m_MarkShiftX, cell.y + m_MarkShiftY, 0);
            m_Children[TODAY_MARK]->Draw();
        }
    }
    Child digits = (Child)CCalendarGrid::DigitStrip(day, m_FirstWeekday, word);
    Show(digits, cell.x + CCalendarGrid::DigitShift(day, m_Layout.dayW), cell.y, day);
    if (full && g_Settings.Calendar.Period != 0 && day >= 1 && day <= 31 && g_RangeDayMarks[day - 1] != 0) {
        for (int frame : CCalendarGrid::PeriodFrames(g_RangeDayMarks[day - 1])) {
            Show(PERIODS, cell.x + m_PeriodShiftX, cell.y + m_PeriodShiftY, frame);
            m_Children[PERIODS]->Draw();
        }
    }
    if (word != 0) {
        std::vector<CCalendarGrid::Icon> icons =
            CCalendarGrid::Icons(word, m_InfoShiftX, m_InfoShiftY, m_InfoNextX, m_InfoNextY);
        for (size_t i = 0; i < icons.size(); ++i) {
            CCalendarGrid::Icon icon = icons[i];
            if (!full) {
                // Today's cell alone: the first icon on the shift itself, the
                // others alternately after and before it along both steps.
                int n = (int)i + 1;
                int k = n % 2 ? n / 2 : -(n / 2);
                icon.x = m_InfoShiftX + k * m_InfoNextX;
                icon.y = m_InfoShiftY + k * m_InfoNextY;
            }
            Show(ICONS, cell.x + icon.x, cell.y + icon.y, icon.frame);
            m_Children[ICONS]->Draw();
        }
    }
    m_Children[digits]->Draw();
    if (m_DayInfoText && word != 0) {
        CString text = FirstLines(DayText(day), kMaxDayTextLines);
        if (!text.IsEmpty()) {
            auto* label = static_cast<CMeterString*>(m_Children[DAY_TEXT].get());
            label->SetText(text);
            label->SetPosition(cell.x + m_Layout.dayW + m_TextShiftX, cell.y + m_TextShiftY);
            if (m_DefaultFontColor) {
                // The inverse of the drawn colour, keeping its alpha.
                DWORD colour = label->GetFontColor();
                label->DrawOffset(1, 1, (colour & 0xFF000000u) | (~colour & 0x00FFFFFFu));
            }
            label->Draw();
        }
    }
}

bool CMeterCalendar::Draw() {
    if (m_Hidden)
        return false;
    if (!m_Owner || !m_Owner->GetBackBuffer())
        return true;
    m_Children[YEAR]->Draw();
    m_Children[MONTH]->Draw();
    int year = m_Simple ? m_TodayYear : m_Year;
    int month = m_Simple ? m_TodayMonth : m_Month;
    MarkMonthAnniversaries(m_pAnniversaries, year, month);
    MarkMonthRanges(year, month);
    if (m_Simple) {
        // Today's cell alone; its icons spread along both shift steps.
        int shownYear = m_Year, shownMonth = m_Month, first = m_FirstWeekday;
        m_Year = m_TodayYear;
        m_Month = m_TodayMonth;
        m_FirstWeekday = GetFirstWeekdayOfMonth(m_Year, m_Month);
        DrawDay(m_TodayDay, POINT{m_Layout.x, m_Layout.y}, false);
        m_Year = shownYear;
        m_Month = shownMonth;
        m_FirstWeekday = first;
        return true;
    }
    std::vector<POINT> cells = CCalendarGrid::Cells(m_Layout, m_FirstWeekday, m_Days);
    for (size_t i = 0; i < cells.size(); ++i)
        DrawDay((int)i + 1, cells[i], true);
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
