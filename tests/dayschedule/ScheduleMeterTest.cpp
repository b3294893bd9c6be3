// The schedule meter drawn into an off-screen back buffer: its day list, its
// keys and XML form, its rows' pictures and labels, and its row hit test.
#include "MeterTestSupport.h"

#include "calendar/AlarmInfo.h"
#include "notes/AlarmCalendar.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "ui/ControlSettings.h"
#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterSchedule.h"
#include "widgets/MeterString.h"
#include "widgets/SkinDefinition.h"

#include <gtest/gtest.h>

#include <string>

namespace {

GdiplusSession g_Gdiplus;

// What the frame would list for the asked date.
std::vector<CScheduleInfo> g_Given;
LunarDate g_Lunar;
int g_AskedY, g_AskedM, g_AskedD, g_AskedHour, g_AskedMinute;

void GivenRows(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int y, int m, int d, int hour, int minute) {
    rows = g_Given;
    lunar = g_Lunar;
    g_AskedY = y, g_AskedM = m, g_AskedD = d, g_AskedHour = hour, g_AskedMinute = minute;
}

CScheduleInfo Row(int id, int group, int key, int special, int passed, int days, int hasTime) {
    CScheduleInfo r;
    r.m_nId = id;
    r.m_nSortGroup = group;
    r.m_nSortKey = key;
    r.m_bDayAnniversary = special;
    r.m_bPassed = passed;
    r.m_nDays = days;
    r.m_bHasTime = hasTime;
    return r;
}
CScheduleInfo Anniversary(int id) { return Row(id, 100, 0, 1, 1, 0, 0); }
CScheduleInfo Ahead(int id, int key) { return Row(id, 0, key, 0, 0, 0, 1); }

class ProgramFolderEnvironment : public FakeEnvironment {
public:
    CString GetProgramFolder() override { return folder; }
    CString folder;
};

struct ScheduleMeter : ::testing::Test {
    ProgramFolderEnvironment env;
    CScratchFolder folder{L"dayschedule"};
    FrameHost host{60, 300};
    // Each picture one colour, each row kind its own height.
    CString head = Picture(L"head.bmp", 0, 10), special = Picture(L"special.bmp", 1, 12),
            specialSel = Picture(L"specialSel.bmp", 2, 12), remain = Picture(L"remain.bmp", 3, 14),
            pass = Picture(L"pass.bmp", 4, 9), allDay = Picture(L"allday.bmp", 5, 11),
            before = Picture(L"before.bmp", 6, 13), beforeSel = Picture(L"beforeSel.bmp", 7, 13),
            after = Picture(L"after.bmp", 8, 15), tail = Picture(L"tail.bmp", 9, 5),
            strike = Picture(L"strike.bmp", 10, 2);

    CString Picture(const wchar_t* name, int cell, int h) {
        return folder.Write(name, StripBmp({kCell[cell]}, 60, h));
    }
    void SetUp() override {
        env.folder = folder.Path();
        tm local = {};
        local.tm_year = 2026 - 1900, local.tm_mon = 2, local.tm_mday = 10, local.tm_hour = 10, local.tm_isdst = -1;
        env.now = _mktime64(&local);
        g_DaySchedules = GivenRows;
        g_Given.clear();
        g_Lunar = LunarDate();
        g_Settings.Schedule.SortByTime = 1;
    }
    void TearDown() override { g_DaySchedules = nullptr; }

    std::unique_ptr<CMeterSchedule> Make(Keys extra = {}) {
        CInfoSection s(L"Schedule");
        const std::pair<const wchar_t*, CString> pictures[] = {
            {L"HeadImage", head},
            {L"SpecialDayImage", special},
            {L"DDayPassBodyImage", pass},
            {L"DayScheduleBodyImage", allDay},
            {L"BeforeScheduleBodyImage", before},
            {L"BeforeScheduleBodyImageSel", beforeSel},
            {L"AfterScheduleBodyImage", after},
            {L"StrikeThroughImage", strike},
            {L"TailImage", tail},
            {L"DDayRemainBodyImage", remain},
            {L"TimePassFormat", L"+#h#:#M#"},
            {L"TimeExactFormat", L"now"},
            {L"TimeShortRemainFormat", L"- #m#"},
            {L"TimeLongRemainFormat", L"- #h#:#M#"},
        };
        for (const auto& kv : pictures) s.SetValue(kv.first, kv.second);
        for (const auto& kv : extra) {
            if (kv.second == L"<absent>")
                s = WithoutKey(s, kv.first);
            else
                s.SetValue(kv.first, kv.second);
        }
        std::unique_ptr<CMeterSchedule> meter(static_cast<CMeterSchedule*>(CreateMeter(L"SCHEDULE", &host)));
        meter->ReadConfig(s);
        meter->Initialize();
        return meter;
    }
    static CInfoSection WithoutKey(const CInfoSection& s, const wchar_t* key) {
        CInfoSection copy(s.GetName());
        for (const auto& kv : s.Values())
            if (kv.first.CompareNoCase(key) != 0) copy.SetValue(kv.first, kv.second);
        return copy;
    }
};

std::vector<int> Ids(const CMeterSchedule& meter) {
    std::vector<int> ids;
    for (const CScheduleInfo& r : meter.GetRows()) ids.push_back(r.m_nId);
    return ids;
}

TEST_F(ScheduleMeter, DayListIsSortedMeasuredAndNeverEmpty) {
    auto meter = Make({{L"NoInfoText", L"Nothing"}});
    EXPECT_EQ(meter->GetKind(), METER_SCHEDULE);
    EXPECT_TRUE(meter->IsListEmpty());  // before the first date
    EXPECT_FALSE(meter->HitTestRow(5, 15));

    g_Given = {Ahead(1, 600), Anniversary(2), Ahead(3, 700), Row(4, 2, 5, 0, 0, 5, 0)};
    meter->SetDate(2026, 4, 1);
    EXPECT_EQ(g_AskedY * 10000 + g_AskedM * 100 + g_AskedD, 20260401);
    EXPECT_EQ(g_AskedHour * 60 + g_AskedMinute, 600);  // rows are taken against the time of day
    EXPECT_EQ(Ids(*meter), (std::vector<int>{3, 1, 4, 2}));
    EXPECT_FALSE(meter->IsListEmpty());
    EXPECT_EQ(meter->GetListBottom(), 10 + 15 + 15 + 14 + 12);
    EXPECT_EQ(meter->GetWantedHeight(), 10 + 15 + 15 + 14 + 12 + 5);

    g_Settings.Schedule.SortByTime = 0;
    meter->SetDate(2026, 4, 1);
    EXPECT_EQ(Ids(*meter), (std::vector<int>{1, 3, 4, 2}));

    g_Given = {Anniversary(7)};  // a single row is left as it is
    meter->SetDate(-1, 0, 0);
    EXPECT_EQ(meter->GetShownYear() * 10000 + meter->GetShownMonth() * 100 + meter->GetShownDay(), 20260310);
    EXPECT_EQ(Ids(*meter), std::vector<int>{7});

    g_Given.clear();
    meter->SetDate(2026, 4, 2);
    ASSERT_EQ(meter->GetRows().size(), 1u);
    const CScheduleInfo& none = meter->GetRows()[0];
    EXPECT_EQ(none.m_strText, CString(L"Nothing"));
    EXPECT_EQ(none.GetKind(), CScheduleInfo::KindSpecialDay);
    EXPECT_EQ(none.m_nIcon, 0);
    EXPECT_TRUE(meter->IsListEmpty());
    EXPECT_FALSE(meter->HitTestRow(5, 15));
    EXPECT_EQ(meter->GetSelectedId(), -1);
    EXPECT_EQ(meter->GetWantedHeight(), 10 + 12 + 5);

    // Without the frame only the selection is cleared.
    g_DaySchedules = nullptr;
    meter->SetSelected(0);
    meter->SetDate(2020, 1, 1);
    EXPECT_EQ(meter->GetSelected(), -1);
    EXPECT_EQ(meter->GetShownYear(), 2026);
}

TEST_F(ScheduleMeter, RowHitTest) {
    auto meter = Make();
    g_Given = {Anniversary(0x10000001), Ahead(5, 700)};  // sorted: rows 10..25 and 25..37
    meter->SetDate(2026, 3, 10);
    const struct {
        int x, y;
        int selectedBefore, selectedAfter;
    } cases[] = {
        {5, 15, -1, 0},  {59, 26, -1, 1}, {5, 10, -1, -1},  // the top edge is no hit
        {5, 25, -1, -1}, {0, 15, -1, -1}, {60, 15, -1, -1},  // nor x 0 nor the right edge
        {5, 100, 0, 0},                                      // below the rows the selection stays
    };
    for (const auto& c : cases) {
        meter->SetSelected(c.selectedBefore);
        EXPECT_TRUE(meter->HitTestRow(c.x, c.y));
        EXPECT_EQ(meter->GetSelected(), c.selectedAfter) << c.x << "," << c.y;
    }
    meter->SetSelected(1);
    EXPECT_EQ(meter->GetSelectedId(), 0x10000001);
    meter->SetSelected(2);
    EXPECT_EQ(meter->GetSelectedId(), -1);
}

TEST_F(ScheduleMeter, RowsAreDrawnOnTheirKindsPictures) {
    auto meter = Make({{L"SpecialDayImageSel", specialSel}, {L"DDayRemainBodyImage", L"<absent>"}});
    CScheduleInfo done = Row(3, 0, 480, 0, 1, 0, 1);
    done.m_bDone = 1;
    CScheduleInfo allDayRow = Row(4, 0, 0, 0, 1, 0, 0);
    g_Given = {Row(1, 1, 2, 0, 0, 2, 0), Ahead(2, 700), done, allDayRow, Row(5, 1, 1, 0, 1, -1, 0)};
    meter->SetDate(2026, 3, 10);
    // Sorted: the timed rows (700, 480, 0), then the D-day rows (2, 1).
    ASSERT_EQ(Ids(*meter), (std::vector<int>{2, 3, 4, 1, 5}));
    meter->SetSelected(0);  // a timed row ahead has no selected picture
    ASSERT_TRUE(meter->Draw());
    const struct {
        int y;
        DWORD colour;
    } expected[] = {
        {0, kCell[0]},        // head
        {10 + 7, kCell[8]},   // ahead, drawn with its normal body while selected
        {25, kCell[10]},      // done: the strike-through over the row's top
        {25 + 7, kCell[6]},   // time reached
        {38 + 5, kCell[5]},   // all day
        {49 + 5, kCell[2]},   // D-day ahead: no body of its own, the special day's selected picture
        {61 + 4, kCell[4]},   // D-day passed
        {70 + 2, kCell[9]},   // tail
    };
    for (const auto& e : expected) EXPECT_EQ(host.Pixel(58, e.y), e.colour) << e.y;
    EXPECT_EQ(meter->GetWantedHeight(), 75);
}

TEST_F(ScheduleMeter, TimeLabelFollowsTheMinutesLeft) {
    auto meter = Make();
    const struct {
        int passed, minutesLeft;
        CMeterSchedule::Child label;
        const wchar_t* text;
    } cases[] = {
        {1, -75, CMeterSchedule::TIME_PASS_LABEL, L"+1:15"},
        {1, 0, CMeterSchedule::TIME_EXACT_LABEL, L"now"},
        {0, 59, CMeterSchedule::SHORT_REMAIN_LABEL, L"- 59"},
        {0, 60, CMeterSchedule::LONG_REMAIN_LABEL, L"- 1:00"},
        {0, 135, CMeterSchedule::LONG_REMAIN_LABEL, L"- 2:15"},
    };
    for (const auto& c : cases) {
        CScheduleInfo r = Row(1, 0, 0, 0, c.passed, 0, 1);
        r.m_nMinutesLeft = c.minutesLeft;
        CString text;
        EXPECT_EQ(meter->TimeLabel(r, text), c.label) << c.minutesLeft;
        EXPECT_EQ(std::wstring((LPCTSTR)text), c.text);
    }
    // An empty format shows no time label.
    auto bare = Make({{L"TimeShortRemainFormat", L""}});
    CScheduleInfo r = Ahead(1, 0);
    r.m_nMinutesLeft = 5;
    CString text;
    EXPECT_EQ(bare->TimeLabel(r, text), CMeterSchedule::CHILD_COUNT);
}

TEST_F(ScheduleMeter, AnotherDateIsTakenAgainstTodaysTimeOfDay) {
    // An 08:00 alarm on a date next week, shown at 10:00 today, has its time
    // reached, two hours ago.
    CArray<CAlarmInfo> alarms;
    CAlarmInfo a;
    a.m_nKind = CAlarmInfo::KindTargetDay;
    a.m_nYear = 2026, a.m_nMonth = 3, a.m_nDay = 17, a.m_nHour = 8;
    a.m_strContents = L"Dentist";
    a.UpdateMinuteKey();
    a.UpdateMinuteOfDay();
    alarms.Add(a);
    static CArray<CAlarmInfo>* s_alarms;
    s_alarms = &alarms;
    g_DaySchedules = [](std::vector<CScheduleInfo>& rows, LunarDate& lunar, int y, int m, int d, int hour,
                        int minute) {
        CArray<CDayInfo> none;
        CAlarmCalendar::GetDaySchedules(*s_alarms, &none, rows, lunar, y, m, d, hour, minute, ScheduleOptions());
    };
    auto meter = Make();
    meter->SetDate(2026, 3, 17);
    ASSERT_EQ(meter->GetRows().size(), 1u);
    const CScheduleInfo& row = meter->GetRows()[0];
    EXPECT_EQ(row.GetKind(), CScheduleInfo::KindTimeReached);
    CString text;
    EXPECT_EQ(meter->TimeLabel(row, text), CMeterSchedule::TIME_PASS_LABEL);
    EXPECT_EQ(text, CString(L"+2:00"));
}

TEST_F(ScheduleMeter, HeadTexts) {
    g_LanguageTable.SetAt(805, L"Lunar");
    g_LanguageTable.SetAt(806, L"Leap");
    g_Lunar.month = 2, g_Lunar.day = 21, g_Lunar.leap = TRUE;
    auto plain = Make({{L"TodayFormat", L"#SOLMONTH#/#SOLDAY#"}});
    plain->SetDate(2026, 3, 10);
    EXPECT_EQ(plain->GetTodayText(), CString(L"3/10"));
    EXPECT_EQ(plain->GetLunarText(), CString(L""));  // no lunar format unless the skin sets one
    auto lunar = Make({{L"LunarFormat", L"#LUNTYPE# #LUNMONTH#.#LUNDAY#"}});
    lunar->SetDate(2026, 3, 10);
    EXPECT_EQ(lunar->GetLunarText(), CString(L"Leap 2.21"));
}

TEST_F(ScheduleMeter, IconStripKeys) {
    folder.Write(L"system\\res\\scheduleIcons.png", StripBmp({kCell[0], kCell[1], kCell[2]}, 16, 16));
    auto builtIn = Make({{L"MarkFrame", L"default_icons"}, {L"MarkShiftX", L"20"}, {L"MarkShiftY", L"1"}});
    auto* icons = static_cast<CMeterFrameImage*>(builtIn->GetChild(CMeterSchedule::ICONS));
    EXPECT_NE(icons->GetPicture(), nullptr);
    EXPECT_EQ(icons->GetW() * 100 + icons->GetH(), 1616);
    // An icon number n shows frame n - 1.
    CScheduleInfo anniversary = Anniversary(9);
    anniversary.m_nIcon = 2;
    g_Given = {anniversary};
    builtIn->SetDate(2026, 3, 10);
    builtIn->Draw();
    EXPECT_EQ(host.Pixel(25, 10 + 1 + 8), kCell[1]);

    CString own = folder.Write(L"own.bmp", StripBmp({kCell[3], kCell[4]}, 5, 6));
    auto custom = Make({{L"MarkFrame", own}, {L"MarkWidth", L"5"}, {L"MarkHeight", L"6"}});
    EXPECT_EQ(custom->GetChild(CMeterSchedule::ICONS)->GetW() * 100 + custom->GetChild(CMeterSchedule::ICONS)->GetH(),
              506);
}

TEST_F(ScheduleMeter, XmlFormAndLabelFaces) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget><Widget Type=\"Schedule\">"
        "<NoInfoText Value=\"Free\"/><LunarFormat Value=\"#LUNMONTH#\"/><DDayIncludeToday Value=\"0\"/>"
        "<SpecialDayImage Image=\"s.png\" SelectedImage=\"ss.png\"/>"
        "<Icons><Image Image=\"i.png\" W=\"8\" H=\"9\"/><Shift X=\"2\" Y=\"3\"/></Icons>"
        "<ToolTip><UpArrow Image=\"up.png\"/></ToolTip>"
        "<SpecailDayLabel><Font Face=\"Courier New\"/><SingleLine Value=\"0\"/><Align Align=\"LEFT\"/></SpecailDayLabel>"
        "<DDayPassLabel><Font Face=\"Arial\"/></DDayPassLabel>"
        "<DDayRemainLabel><Font Face=\"Times New Roman\"/></DDayRemainLabel>"
        "<HeadLabel><Origin X=\"4\" Y=\"5\"/></HeadLabel>"
        "<TimePassLabel><Format Value=\"+#h#\"/><ClipString Value=\"1\"/></TimePassLabel>"
        "</Widget></ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{DDayPassFontFace=Arial;DDayRemainFontFace=Times New Roman;DrawType=SCHEDULE;HeadX=4;HeadY=5;"
              L"IncludeToday=0;LunarFormat=#LUNMONTH#;MarkFrame=i.png;MarkHeight=9;MarkShiftX=2;MarkShiftY=3;"
              L"MarkWidth=8;NoInfoText=Free;SpecailDayAlign=LEFT;SpecialDayFontFace=Courier New;"
              L"SpecialDayImage=s.png;SpecialDayImageSel=ss.png;SpecialDaySingleLine=0;TimePassFormat=+#h#;"
              L"ToolTipUpArrow=up.png}");

    std::unique_ptr<CMeterSchedule> meter(static_cast<CMeterSchedule*>(CreateMeter(L"SCHEDULE", &host)));
    meter->ReadConfig(*skin.GetSection(0));
    meter->Initialize();
    const struct {
        CMeterSchedule::Child label;
        CString face;
    } faces[] = {
        {CMeterSchedule::SPECIAL_DAY_LABEL, L"Courier New"},
        {CMeterSchedule::DDAY_PASS_LABEL, L"Arial"},
        {CMeterSchedule::DDAY_REMAIN_LABEL, L"Times New Roman"},
        {CMeterSchedule::HEAD_LABEL, g_ControlSettings.DefaultFontFace},
        {CMeterSchedule::TIME_PASS_LABEL, g_ControlSettings.DefaultFontFace},
    };
    for (const auto& f : faces)
        EXPECT_EQ(static_cast<CMeterString*>(meter->GetChild(f.label))->GetFontFace(), f.face) << f.label;
    EXPECT_FALSE(static_cast<CMeterString*>(meter->GetChild(CMeterSchedule::SPECIAL_DAY_LABEL))->IsSingleLine());
    EXPECT_EQ(meter->GetIncludeToday(), 0);
}

}  // namespace

TEST_F(ScheduleMeter, AVeryLongDayIsCappedAtTheScreensHeight) {
    auto meter = Make();
    g_Given.assign(5000, Ahead(1, 600));
    meter->SetDate(2026, 3, 10);
    EXPECT_EQ(meter->GetListBottom(), 10 + 5000 * 15);
    const int screen = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    ASSERT_GT(screen, 0);
    EXPECT_EQ(meter->GetWantedHeight(), screen);
    EXPECT_TRUE(meter->Draw());  // rows past the host's buffer are skipped
}
