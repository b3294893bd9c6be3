#include "widgets/MeterSchedule.h"

#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "widgets/GDIDialog.h"
#include "widgets/HeldValue.h"
#include "widgets/Measure.h"
#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterString.h"
#include "widgets/Placed.h"
#include "widgets/SkinHost.h"
#include "widgets/WidgetEnvironment.h"

#include "tinyxml.h"

#include <gdiplus.h>

#include <algorithm>

DaySchedulesHook g_DaySchedules = nullptr;

namespace {

const wchar_t kDefaultIcons[] = L"DEFAULT_ICONS";
const wchar_t kDefaultIconsFile[] = L"system\\res\\scheduleIcons.png";
const int kDefaultIconSize = 16;

CString IntText(int value) {
    CString text;
    text.Format(L"%d", value);
    return text;
}

// The image children, with the key each is configured from; a selected form
// is configured only when the skin names a picture for it.
struct ImageKey {
    CMeterSchedule::Child child;
    const wchar_t* key;
    bool selected;
};
const ImageKey kImageKeys[] = {
    {CMeterSchedule::HEAD_IMAGE, L"HeadImage", false},
    {CMeterSchedule::SPECIAL_DAY_IMAGE, L"SpecialDayImage", false},
    {CMeterSchedule::SPECIAL_DAY_IMAGE_SEL, L"SpecialDayImageSel", true},
    {CMeterSchedule::DDAY_REMAIN_BODY, L"DDayRemainBodyImage", false},
    {CMeterSchedule::DDAY_REMAIN_BODY_SEL, L"DDayRemainBodyImageSel", true},
    {CMeterSchedule::DDAY_PASS_BODY, L"DDayPassBodyImage", false},
    {CMeterSchedule::DDAY_PASS_BODY_SEL, L"DDayPassBodyImageSel", true},
    {CMeterSchedule::DAY_SCHEDULE_BODY, L"DayScheduleBodyImage", false},
    {CMeterSchedule::DAY_SCHEDULE_BODY_SEL, L"DayScheduleBodyImageSel", true},
    {CMeterSchedule::BEFORE_SCHEDULE_BODY, L"BeforeScheduleBodyImage", false},
    {CMeterSchedule::BEFORE_SCHEDULE_BODY_SEL, L"BeforeScheduleBodyImageSel", true},
    {CMeterSchedule::AFTER_SCHEDULE_BODY, L"AfterScheduleBodyImage", false},
    {CMeterSchedule::AFTER_SCHEDULE_BODY_SEL, L"AfterScheduleBodyImageSel", true},
    {CMeterSchedule::STRIKE_THROUGH_IMAGE, L"StrikeThroughImage", false},
    {CMeterSchedule::TAIL_IMAGE, L"TailImage", false},
};

// How a label's X and width default from the picture it sits on.
enum XDefault { X_HALF_WIDTH, X_ZERO, X_THIRTY };
enum WDefault { W_WIDTH, W_WIDTH_LESS_50 };

// A label's keys and defaults. The alignment, position and size keys start
// with one prefix and the rest with another (skins write the special day's
// first prefix misspelt, and that is the key read).
struct LabelKeys {
    CMeterSchedule::Child child;
    const wchar_t* placePrefix;
    const wchar_t* stylePrefix;
    const wchar_t* colorKey;
    const wchar_t* faceKey;
    const wchar_t* formatKey;  // time labels: their format, read into the meter
    bool hasY, hasClip;
    CMeterSchedule::Child picture;
    const wchar_t* align;
    XDefault x;
    WDefault w;
    const wchar_t* color;
    int size;
    const wchar_t* style;
    int clip;
};
const LabelKeys kLabels[] = {
    {CMeterSchedule::HEAD_LABEL, L"Head", L"Head", L"HeadFontColor", L"HeadStringFontFace", nullptr, true, true,
     CMeterSchedule::HEAD_IMAGE, L"CENTER", X_HALF_WIDTH, W_WIDTH, L"0,0,0,255", 9, L"BOLD", 1},
    {CMeterSchedule::LUNAR_LABEL, L"Lunar", L"Lunar", L"LunarFontColor", L"LunarStringFontFace", nullptr, true, true,
     CMeterSchedule::HEAD_IMAGE, L"CENTER", X_HALF_WIDTH, W_WIDTH, L"0,0,0,255", 9, L"BOLD", 1},
    {CMeterSchedule::SPECIAL_DAY_LABEL, L"SpecailDay", L"SpecialDay", L"SpecialDayFontColor", L"SpecialDayFontFace",
     nullptr, false, true, CMeterSchedule::SPECIAL_DAY_IMAGE, L"CENTER", X_HALF_WIDTH, W_WIDTH, L"200,0,200,255", 9,
     L"BOLD", 1},
    {CMeterSchedule::DDAY_PASS_LABEL, L"DDayPass", L"DDayPass", L"DDayPassFontColor", L"DDayPassFontFace", nullptr,
     false, true, CMeterSchedule::DDAY_PASS_BODY, L"LEFT", X_THIRTY, W_WIDTH_LESS_50, L"85,125,160,255", 8, L"NORMAL",
     1},
    {CMeterSchedule::DDAY_REMAIN_LABEL, L"DDayRemain", L"DDayRemain", L"DDayRemainFontColor", L"DDayRemainFontFace",
     nullptr, false, true, CMeterSchedule::DDAY_REMAIN_BODY, L"LEFT", X_THIRTY, W_WIDTH_LESS_50, L"55,170,85,255", 8,
     L"NORMAL", 1},
    {CMeterSchedule::DAY_SCHEDULE_LABEL, L"DaySchedule", L"DaySchedule", L"DayScheduleBodyFontColor",
     L"DayScheduleFontFace", nullptr, false, true, CMeterSchedule::DAY_SCHEDULE_BODY, L"CENTER", X_HALF_WIDTH, W_WIDTH,
     L"200,0,200,255", 9, L"NORMAL", 0},
    {CMeterSchedule::BEFORE_SCHEDULE_LABEL, L"BeforeSchedule", L"BeforeSchedule", L"BeforeScheduleBodyFontColor",
     L"BeforeScheduleFontFace", nullptr, false, true, CMeterSchedule::BEFORE_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH,
     L"0,0,0,255", 9, L"BOLD", 1},
    {CMeterSchedule::AFTER_SCHEDULE_LABEL, L"AfterSchedule", L"AfterSchedule", L"AfterScheduleBodyFontColor",
     L"AfterScheduleFontFace", nullptr, false, true, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH,
     L"0,0,0,255", 9, L"BOLD", 1},
    {CMeterSchedule::BEFORE_TIME_LABEL, L"BeforeTime", L"BeforeTime", L"BeforeTimeFontColor", L"BeforeTimeFontFace",
     nullptr, false, false, CMeterSchedule::BEFORE_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH, L"0,0,0,255", 9,
     L"NORMAL", 0},
    {CMeterSchedule::AFTER_TIME_LABEL, L"AfterTime", L"AfterTime", L"AfterTimeFontColor", L"AfterTimeFontFace",
     nullptr, false, false, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH, L"0,0,0,255", 9, L"NORMAL",
     0},
    {CMeterSchedule::TIME_PASS_LABEL, L"TimePass", L"TimePass", L"TimePassFontColor", L"TimePassFontFace",
     L"TimePassFormat", false, false, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH, L"0,0,0,255", 9,
     L"NORMAL", 0},
    {CMeterSchedule::TIME_EXACT_LABEL, L"TimeExact", L"TimeExact", L"TimeExactFontColor", L"TimeExactFontFace",
     L"TimeExactFormat", false, false, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT", X_ZERO, W_WIDTH, L"0,0,0,255", 9,
     L"NORMAL", 0},
    {CMeterSchedule::SHORT_REMAIN_LABEL, L"TimeShortRemain", L"TimeShortRemain", L"TimeShortRemainFontColor",
     L"TimeShortRemainFontFace", L"TimeShortRemainFormat", false, false, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT",
     X_ZERO, W_WIDTH, L"0,0,0,255", 9, L"NORMAL", 0},
    {CMeterSchedule::LONG_REMAIN_LABEL, L"TimeLongRemain", L"TimeLongRemain", L"TimeLongRemainFontColor",
     L"TimeLongRemainFontFace", L"TimeLongRemainFormat", false, false, CMeterSchedule::AFTER_SCHEDULE_BODY, L"LEFT",
     X_ZERO, W_WIDTH, L"0,0,0,255", 9, L"NORMAL", 0},
};

// Normal and selected body of each row kind, in the order of the kinds.
const CMeterSchedule::Child kBodies[CScheduleInfo::KindCount][2] = {
    {CMeterSchedule::SPECIAL_DAY_IMAGE, CMeterSchedule::SPECIAL_DAY_IMAGE_SEL},
    {CMeterSchedule::DDAY_PASS_BODY, CMeterSchedule::DDAY_PASS_BODY_SEL},
    {CMeterSchedule::BEFORE_SCHEDULE_BODY, CMeterSchedule::BEFORE_SCHEDULE_BODY_SEL},
    {CMeterSchedule::DAY_SCHEDULE_BODY, CMeterSchedule::DAY_SCHEDULE_BODY_SEL},
    {CMeterSchedule::DDAY_REMAIN_BODY, CMeterSchedule::DDAY_REMAIN_BODY_SEL},
    {CMeterSchedule::AFTER_SCHEDULE_BODY, CMeterSchedule::AFTER_SCHEDULE_BODY_SEL},
};

CString Key(const wchar_t* prefix, const wchar_t* suffix) { return CString(prefix) + suffix; }

CString LanguageText(int id) { return g_LanguageTable[id]; }

}  // namespace

CMeterSchedule::CMeterSchedule(ISkinHost* owner) : CMeter(owner) {
    m_Kind = METER_SCHEDULE;
    for (int i = HEAD_IMAGE; i <= TAIL_IMAGE; ++i) m_Children[i].reset(new CPlaced<CMeterImage>(owner));
    m_Children[ICONS].reset(new CPlaced<CMeterFrameImage>(owner));
    m_Children[UP_ARROW].reset(new CPlaced<CMeterImage>(owner));
    m_Children[DOWN_ARROW].reset(new CPlaced<CMeterImage>(owner));
    for (int i = HEAD_LABEL; i < CHILD_COUNT; ++i) m_Children[i].reset(new CMeterString(owner));
    m_Children[ICONS]->SetMeasure(new CHeldValue);
}

CMeterSchedule::~CMeterSchedule() { delete m_Children[ICONS]->GetMeasure(); }

CMeter* CMeterSchedule::GetChild(Child which) const {
    return which >= 0 && which < CHILD_COUNT ? m_Children[which].get() : nullptr;
}

void CMeterSchedule::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_NoInfoText = section.GetString(L"NoInfoText", LanguageText(10061));
    m_TodayFormat = section.GetString(L"TodayFormat", LanguageText(10062));
    m_LunarFormat = section.GetString(L"LunarFormat", LanguageText(10065));
    m_DDayRemainFormat = section.GetString(L"DDayRemainFormat", LanguageText(10063));
    m_DDayPassFormat = section.GetString(L"DDayPassFormat", LanguageText(10064));
    m_IncludeToday = section.GetInt(L"IncludeToday", 1);

    CInfoSection scratch(section.GetName());
    CString specialDaySel, ddayRemainSel;
    for (const ImageKey& k : kImageKeys) {
        CString name = section.GetString(k.key, L"");
        // Two bodies a skin may leave out borrow the selected picture read
        // just before them.
        if (k.child == DDAY_REMAIN_BODY && !section.HasKey(k.key)) name = specialDaySel;
        if (k.child == DDAY_PASS_BODY && !section.HasKey(k.key)) name = ddayRemainSel;
        if (k.child == SPECIAL_DAY_IMAGE_SEL) specialDaySel = name;
        if (k.child == DDAY_REMAIN_BODY_SEL) ddayRemainSel = name;
        if (k.selected && name.IsEmpty()) continue;
        scratch.Clear();
        scratch.SetValue(L"ImageName", name);
        m_Children[k.child]->ReadConfig(scratch);
    }

    CString icons = section.GetString(L"MarkFrame", kDefaultIcons);
    CString markW = section.GetString(L"MarkWidth", L"1"), markH = section.GetString(L"MarkHeight", L"1");
    if (icons.CompareNoCase(kDefaultIcons) == 0) {
        icons = GetWidgetEnvironment().GetProgramFolder() + kDefaultIconsFile;
        markW = markH = IntText(kDefaultIconSize);
    }
    scratch.Clear();
    scratch.SetValue(L"ImageName", icons);
    scratch.SetValue(L"W", markW);
    scratch.SetValue(L"H", markH);
    m_Children[ICONS]->ReadConfig(scratch);
    m_MarkShiftX = section.GetInt(L"MarkShiftX", 0);
    m_MarkShiftY = section.GetInt(L"MarkShiftY", 0);

    for (const LabelKeys& l : kLabels) {
        if (l.formatKey) {
            CString format = section.GetString(l.formatKey, L"");
            if (l.child == TIME_PASS_LABEL) m_TimePassFormat = format;
            if (l.child == TIME_EXACT_LABEL) m_TimeExactFormat = format;
            if (l.child == SHORT_REMAIN_LABEL) m_TimeShortRemainFormat = format;
            if (l.child == LONG_REMAIN_LABEL) m_TimeLongRemainFormat = format;
        }
        CMeter* picture = m_Children[l.picture].get();
        const int pictureW = picture->GetW(), pictureH = picture->GetH();
        const int x = l.x == X_HALF_WIDTH ? pictureW / 2 : l.x == X_THIRTY ? 30 : 0;
        const int w = l.w == W_WIDTH ? pictureW : pictureW - 50;
        scratch.Clear();
        scratch.SetValue(L"StringAlign", section.GetString(Key(l.placePrefix, L"Align"), l.align));
        scratch.SetValue(L"StringVAlign", section.GetString(Key(l.placePrefix, L"VAlign"), L"CENTER"));
        scratch.SetValue(L"X", section.GetString(Key(l.placePrefix, L"X"), IntText(x)));
        if (l.hasY) scratch.SetValue(L"Y", section.GetString(Key(l.placePrefix, L"Y"), L"0"));
        scratch.SetValue(L"W", section.GetString(Key(l.placePrefix, L"Width"), IntText(w)));
        scratch.SetValue(L"H", section.GetString(Key(l.placePrefix, L"Height"), IntText(pictureH)));
        scratch.SetValue(L"FontColor", section.GetString(l.colorKey, l.color));
        scratch.SetValue(L"FontSize", section.GetString(Key(l.stylePrefix, L"FontSize"), IntText(l.size)));
        scratch.SetValue(L"StringStyle", section.GetString(Key(l.stylePrefix, L"StringStyle"), l.style));
        if (l.hasClip)
            scratch.SetValue(L"ClipString", section.GetString(Key(l.stylePrefix, L"ClipString"), IntText(l.clip)));
        // Without a face of its own the label keeps the program's default.
        if (section.HasKey(l.faceKey)) scratch.SetValue(L"FontFace", section.GetString(l.faceKey));
        scratch.SetValue(L"SingleLine", section.GetString(Key(l.stylePrefix, L"SingleLine"), L"1"));
        m_Children[l.child]->ReadConfig(scratch);
    }

    for (Child arrow : {UP_ARROW, DOWN_ARROW}) {
        scratch.Clear();
        scratch.SetValue(L"ImageName", section.GetString(arrow == UP_ARROW ? L"ToolTipUpArrow" : L"ToolTipDownArrow",
                                                         L""));
        m_Children[arrow]->ReadConfig(scratch);
    }
}

void CMeterSchedule::Initialize() {
    for (int i = HEAD_LABEL; i < CHILD_COUNT; ++i) m_Children[i]->Initialize();
    m_Children[UP_ARROW]->Initialize();
    m_Children[DOWN_ARROW]->Initialize();
}

// ---- The day's rows ----

void CMeterSchedule::SetDate(int year, int month, int day) {
    m_Selected = -1;
    if (!g_DaySchedules) return;
    CWidgetEnvironment& env = GetWidgetEnvironment();
    struct tm local = {};
    env.ToLocal(env.Now(), local);
    if (year == -1) {
        year = local.tm_year + 1900;
        month = local.tm_mon + 1;
        day = local.tm_mday;
    }
    m_Year = year;
    m_Month = month;
    m_Day = day;
    LunarDate lunar;
    m_Rows.clear();
    g_DaySchedules(m_Rows, lunar, year, month, day, local.tm_hour, local.tm_min);

    m_EmptyList = false;
    if (m_Rows.empty()) {
        CScheduleInfo none;
        none.m_strText = m_NoInfoText;
        none.m_bDayAnniversary = 1;
        none.m_bPassed = 1;
        m_Rows.push_back(none);
        m_EmptyList = true;
    } else {
        CScheduleInfo::SortRows(m_Rows, g_Settings.Schedule.SortByTime != 0);
    }
    BuildHeadTexts(lunar);

    m_ListBottom = m_Children[HEAD_IMAGE]->GetH();
    for (const CScheduleInfo& row : m_Rows) m_ListBottom += RowHeight(row);

    if (auto* host = dynamic_cast<CGDIDialog*>(GetOwner())) {
        Gdiplus::Bitmap* buffer = host->GetBackBuffer();
        if (buffer) host->CreateBlankBackground((int)buffer->GetWidth(), GetWantedHeight());
    }
}

int CMeterSchedule::GetWantedHeight() const {
    int cap = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cap <= 0) cap = 4096;
    const long long wanted = (long long)m_ListBottom + m_Children[TAIL_IMAGE]->GetH();
    return (int)std::max(1LL, std::min<long long>(wanted, cap));
}

void CMeterSchedule::BuildHeadTexts(const LunarDate& lunar) {
    const int weekday = GetWeekday(m_Year, m_Month, m_Day);
    m_TodayText = m_TodayFormat;
    m_TodayText.Replace(L"#SOLMONTH#", (LPCTSTR)IntText(m_Month));
    m_TodayText.Replace(L"#SOLMONTH_LONG#", (LPCTSTR)GetMonthName(m_Month));
    m_TodayText.Replace(L"#SOLMONTH_SHORT#", (LPCTSTR)GetShortMonthName(m_Month));
    m_TodayText.Replace(L"#WEEK_LONG#", (LPCTSTR)GetWeekdayName(weekday));
    m_TodayText.Replace(L"#WEEK_SHORT#", (LPCTSTR)GetShortWeekdayName(weekday));
    m_TodayText.Replace(L"#SOLDAY#", (LPCTSTR)IntText(m_Day));
    m_LunarText = m_LunarFormat;
    m_LunarText.Replace(L"#LUNMONTH#", (LPCTSTR)IntText(lunar.month));
    m_LunarText.Replace(L"#LUNDAY#", (LPCTSTR)IntText(lunar.day));
    m_LunarText.Replace(L"#LUNTYPE#", (LPCTSTR)LanguageText(lunar.leap ? 806 : 805));
}

int CMeterSchedule::RowHeight(const CScheduleInfo& row) const {
    return m_Children[kBodies[row.GetKind()][0]]->GetH();
}

CMeterSchedule::Child CMeterSchedule::RowBody(const CScheduleInfo& row, bool selected) const {
    const Child selectedBody = kBodies[row.GetKind()][1];
    if (selected && static_cast<CMeterImage*>(m_Children[selectedBody].get())->HasImage()) return selectedBody;
    return kBodies[row.GetKind()][0];
}

CMeterSchedule::Child CMeterSchedule::TimeLabel(const CScheduleInfo& row, CString& text) const {
    Child label = CHILD_COUNT;
    const CString* format = nullptr;
    const int m = row.m_nMinutesLeft;
    switch (row.GetKind()) {
    case CScheduleInfo::KindTimeReached:
        label = m != 0 ? TIME_PASS_LABEL : TIME_EXACT_LABEL;
        format = m != 0 ? &m_TimePassFormat : &m_TimeExactFormat;
        break;
    case CScheduleInfo::KindTimeAhead:
        label = m < 60 ? SHORT_REMAIN_LABEL : LONG_REMAIN_LABEL;
        format = m < 60 ? &m_TimeShortRemainFormat : &m_TimeLongRemainFormat;
        break;
    default:
        return CHILD_COUNT;
    }
    if (format->IsEmpty()) return CHILD_COUNT;
    text = CScheduleInfo::MakeTimeText(*format, m);
    return label;
}

bool CMeterSchedule::HitTestRow(int x, int y) {
    if (m_Rows.empty() || m_EmptyList) {
        m_Selected = -1;
        return false;
    }
    Gdiplus::Bitmap* buffer = GetOwner() ? GetOwner()->GetBackBuffer() : nullptr;
    const int width = buffer ? (int)buffer->GetWidth() : 0;
    int top = m_Children[HEAD_IMAGE]->GetH();
    for (size_t j = 0; j < m_Rows.size(); ++j) {
        const int bottom = top + RowHeight(m_Rows[j]);
        if (x > 0 && x < width && y > top && y < bottom) {
            m_Selected = (int)j;
            break;
        }
        top = bottom;
    }
    return true;
}

int CMeterSchedule::GetSelectedId() const {
    if (m_Selected < 0 || m_Selected >= (int)m_Rows.size()) return -1;
    return m_Rows[m_Selected].m_nId;
}

// ---- Drawing ----

void CMeterSchedule::PlaceChild(Child which, int x, int y) {
    CMeter* child = m_Children[which].get();
    if (auto* image = dynamic_cast<CPlaced<CMeterImage>*>(child))
        image->Place(x, y);
    else if (auto* frames = dynamic_cast<CPlaced<CMeterFrameImage>*>(child))
        frames->Place(x, y);
}

void CMeterSchedule::DrawLabel(Child which, int y, const CString& text) {
    auto* label = static_cast<CMeterString*>(m_Children[which].get());
    label->SetPosition(label->GetX(true), y);
    label->SetText(text);
    label->Draw();
}

bool CMeterSchedule::Draw() {
    if (!CMeter::Draw()) return false;
    PlaceChild(HEAD_IMAGE, 0, 0);
    m_Children[HEAD_IMAGE]->Draw();
    int y = m_Children[HEAD_IMAGE]->GetH();
    for (Child head : {HEAD_LABEL, LUNAR_LABEL}) {
        auto* label = static_cast<CMeterString*>(m_Children[head].get());
        label->SetText(head == HEAD_LABEL ? m_TodayText : m_LunarText);
        label->Draw();
    }
    // Rows past the window's bottom are cut off by the height cap; they are
    // not drawn at all.
    Gdiplus::Bitmap* buffer = GetOwner() ? GetOwner()->GetBackBuffer() : nullptr;
    const int limit = buffer ? (int)buffer->GetHeight() : GetWantedHeight();
    for (size_t i = 0; i < m_Rows.size() && y < limit; ++i) {
        const CScheduleInfo& row = m_Rows[i];
        const Child body = RowBody(row, (int)i == m_Selected);
        PlaceChild(body, 0, y);
        m_Children[body]->Draw();

        CString timeText;
        const Child timeLabel = TimeLabel(row, timeText);
        switch (row.GetKind()) {
        case CScheduleInfo::KindSpecialDay: DrawLabel(SPECIAL_DAY_LABEL, y, row.m_strText); break;
        case CScheduleInfo::KindDDayPassed:
            DrawLabel(DDAY_PASS_LABEL, y, row.MakeDDayText(m_DDayPassFormat, m_IncludeToday));
            break;
        case CScheduleInfo::KindTimeReached:
            DrawLabel(BEFORE_SCHEDULE_LABEL, y, row.m_strText);
            DrawLabel(BEFORE_TIME_LABEL, y, row.m_strTime);
            break;
        case CScheduleInfo::KindAllDay: DrawLabel(DAY_SCHEDULE_LABEL, y, row.m_strText); break;
        case CScheduleInfo::KindDDayAhead:
            DrawLabel(DDAY_REMAIN_LABEL, y, row.MakeDDayText(m_DDayRemainFormat, m_IncludeToday));
            break;
        case CScheduleInfo::KindTimeAhead:
            DrawLabel(AFTER_TIME_LABEL, y, row.m_strTime);
            DrawLabel(AFTER_SCHEDULE_LABEL, y, row.m_strText);
            break;
        default: break;
        }
        if (row.m_nIcon > 0) {
            PlaceChild(ICONS, m_MarkShiftX, y + m_MarkShiftY);
            static_cast<CHeldValue*>(m_Children[ICONS]->GetMeasure())->Set(row.m_nIcon - 1);
            m_Children[ICONS]->Update();
            m_Children[ICONS]->Draw();
        }
        if (timeLabel != CHILD_COUNT) DrawLabel(timeLabel, y, timeText);
        if (row.m_bDone) {
            PlaceChild(STRIKE_THROUGH_IMAGE, 0, y);
            m_Children[STRIKE_THROUGH_IMAGE]->Draw();
        }
        y += RowHeight(row);
    }
    PlaceChild(TAIL_IMAGE, 0, y);
    m_Children[TAIL_IMAGE]->Draw();
    return true;
}

// ---- XML form ----

namespace {

struct XmlKey {
    const char* element;
    const char* child;  // or null
    const char* attribute;
    const wchar_t* key;
};
const XmlKey kScheduleXmlKeys[] = {
    {"NoInfoText", nullptr, "Value", L"NoInfoText"},
    {"TodayFormat", nullptr, "Value", L"TodayFormat"},
    // Our skins set the lunar label's text too.
    {"LunarFormat", nullptr, "Value", L"LunarFormat"},
    {"DDayRemainFormat", nullptr, "Value", L"DDayRemainFormat"},
    {"DDayPassFormat", nullptr, "Value", L"DDayPassFormat"},
    {"DDayIncludeToday", nullptr, "Value", L"IncludeToday"},
    {"HeadImage", nullptr, "Image", L"HeadImage"},
    {"SpecialDayImage", nullptr, "Image", L"SpecialDayImage"},
    {"SpecialDayImage", nullptr, "SelectedImage", L"SpecialDayImageSel"},
    {"DDayRemainBodyImage", nullptr, "Image", L"DDayRemainBodyImage"},
    {"DDayRemainBodyImage", nullptr, "SelectedImage", L"DDayRemainBodyImageSel"},
    {"DDayPassBodyImage", nullptr, "Image", L"DDayPassBodyImage"},
    {"DDayPassBodyImage", nullptr, "SelectedImage", L"DDayPassBodyImageSel"},
    {"DayScheduleBodyImage", nullptr, "Image", L"DayScheduleBodyImage"},
    {"DayScheduleBodyImage", nullptr, "SelectedImage", L"DayScheduleBodyImageSel"},
    {"BeforeScheduleBodyImage", nullptr, "Image", L"BeforeScheduleBodyImage"},
    {"BeforeScheduleBodyImage", nullptr, "SelectedImage", L"BeforeScheduleBodyImageSel"},
    {"AfterScheduleBodyImage", nullptr, "Image", L"AfterScheduleBodyImage"},
    {"AfterScheduleBodyImage", nullptr, "SelectedImage", L"AfterScheduleBodyImageSel"},
    {"StrikeThroughImage", nullptr, "Image", L"StrikeThroughImage"},
    {"TailImage", nullptr, "Image", L"TailImage"},
    {"Icons", "Image", "Image", L"MarkFrame"},
    {"Icons", "Image", "W", L"MarkWidth"},
    {"Icons", "Image", "H", L"MarkHeight"},
    {"Icons", "Shift", "X", L"MarkShiftX"},
    {"Icons", "Shift", "Y", L"MarkShiftY"},
    {"ToolTip", "UpArrow", "Image", L"ToolTipUpArrow"},
    {"ToolTip", "DownArrow", "Image", L"ToolTipDownArrow"},
};

const struct {
    const char* element;
    CMeterSchedule::Child label;
} kLabelElements[] = {
    {"HeadLabel", CMeterSchedule::HEAD_LABEL},
    {"LunarLabel", CMeterSchedule::LUNAR_LABEL},
    {"SpecailDayLabel", CMeterSchedule::SPECIAL_DAY_LABEL},
    {"DDayPassLabel", CMeterSchedule::DDAY_PASS_LABEL},
    {"DDayRemainLabel", CMeterSchedule::DDAY_REMAIN_LABEL},
    {"DayScheduleLabel", CMeterSchedule::DAY_SCHEDULE_LABEL},
    {"BeforeScheduleLabel", CMeterSchedule::BEFORE_SCHEDULE_LABEL},
    {"AfterScheduleLabel", CMeterSchedule::AFTER_SCHEDULE_LABEL},
    {"BeforeTimeLabel", CMeterSchedule::BEFORE_TIME_LABEL},
    {"AfterTimeLabel", CMeterSchedule::AFTER_TIME_LABEL},
    {"TimePassLabel", CMeterSchedule::TIME_PASS_LABEL},
    {"TimeExactLabel", CMeterSchedule::TIME_EXACT_LABEL},
    {"TimeShortRemainLabel", CMeterSchedule::SHORT_REMAIN_LABEL},
    {"TimeLongRemainLabel", CMeterSchedule::LONG_REMAIN_LABEL},
};

const LabelKeys& LabelOf(CMeterSchedule::Child child) {
    for (const LabelKeys& l : kLabels)
        if (l.child == child) return l;
    return kLabels[0];
}

}  // namespace

void ConvertScheduleXml(const TiXmlElement* element, CInfoSection& section) {
    if (!element) return;
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"SCHEDULE");
    for (const XmlKey& k : kScheduleXmlKeys) {
        const TiXmlElement* e = element->FirstChildElement(k.element);
        if (e && k.child) e = e->FirstChildElement(k.child);
        section.SetFromXml(e, k.attribute, k.key);
    }
    for (const auto& le : kLabelElements) {
        const TiXmlElement* e = element->FirstChildElement(le.element);
        if (!e) continue;
        const LabelKeys& l = LabelOf(le.label);
        auto set = [&](const char* child, const char* attribute, const CString& key) {
            section.SetFromXml(e->FirstChildElement(child), attribute, key);
        };
        set("Align", "Align", Key(l.placePrefix, L"Align"));
        set("Align", "VAlign", Key(l.placePrefix, L"VAlign"));
        set("Origin", "X", Key(l.placePrefix, L"X"));
        if (l.hasY) set("Origin", "Y", Key(l.placePrefix, L"Y"));
        set("Size", "W", Key(l.placePrefix, L"Width"));
        set("Size", "H", Key(l.placePrefix, L"Height"));
        set("Font", "Color", l.colorKey);
        set("Font", "Size", Key(l.stylePrefix, L"FontSize"));
        set("Font", "Face", l.faceKey);
        set("Font", "Style", Key(l.stylePrefix, L"StringStyle"));
        set("SingleLine", "Value", Key(l.stylePrefix, L"SingleLine"));
        if (l.hasClip) set("ClipString", "Value", Key(l.stylePrefix, L"ClipString"));
        if (l.formatKey) set("Format", "Value", l.formatKey);
    }
}

void CMeterSchedule::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertScheduleXml(element, section);
}
