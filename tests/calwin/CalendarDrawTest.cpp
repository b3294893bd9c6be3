// The calendar meter drawn into an off-screen back buffer from digit strips
// with one colour per digit and per strip, so a pixel tells which strip and
// which digit landed where; icon and period strips likewise.
#include "MeterTestSupport.h"

#include "calendar/DayMarks.h"
#include "shell/Settings.h"
#include "widgets/MeterCalendar.h"
#include "widgets/WidgetEnvironment.h"

#include <gtest/gtest.h>

namespace {

GdiplusSession g_Gdiplus;

// December 2026 starts on a Tuesday; the 2nd and the 9th are Wednesdays.
class December2026 : public FakeEnvironment {
public:
    bool ToLocal(__time64_t, struct tm& local) override {
        local = tm();
        local.tm_year = 2026 - 1900;
        local.tm_mon = 11;
        local.tm_mday = today;
        local.tm_hour = 12;
        return true;
    }
    int today = 24;
};

// Digit d of a strip: red names the strip, green the digit.
DWORD DigitColour(int strip, int digit) { return 0xFF000000u | (DWORD)(60 + 60 * strip) << 16 | (DWORD)(20 * digit) << 8; }
std::vector<DWORD> DigitStrip(int strip) {
    std::vector<DWORD> colours;
    for (int d = 0; d < 10; ++d) colours.push_back(DigitColour(strip, d));
    return colours;
}
// Frame f of the icon strip.
DWORD IconColour(int frame) { return 0xFF0000F0u | (DWORD)(8 * frame + 8) << 8; }
std::vector<DWORD> IconStrip() {
    std::vector<DWORD> colours;
    for (int f = 0; f < 24; ++f) colours.push_back(IconColour(f));
    return colours;
}

const int kSun = 0, kSat = 1, kWeek = 2;

const std::pair<const wchar_t*, const wchar_t*> kBaseKeys[] = {
    {L"DAY_W", L"6"},         {L"DAY_H", L"8"},        {L"SunImageName", L"sun.bmp"},
    {L"SatImageName", L"sat.bmp"}, {L"NormalImageName", L"week.bmp"}, {L"DayInfoFrame", L"icons.bmp"},
    {L"InfoW", L"4"},         {L"InfoH", L"4"},        {L"PeriodFrame", L"period.bmp"},
    {L"PeriodW", L"12"},      {L"PeriodH", L"2"},      {L"PeriodShiftY", L"100"},
};

CString g_AlarmText;
CString AlarmTextHook(int, int, int) { return g_AlarmText; }
void RangeHook(int, int) {
    g_RangeDayMarks[2] = kRangeFirstDay;
    g_RangeDayMarks[3] = kRangeInside;
    g_RangeDayMarks[4] = kRangeLastDay;
}

struct CalendarDraw : ::testing::Test {
    CScratchFolder folder{L"calwin"};
    December2026 environment;
    FrameHost host{400, 300};
    std::unique_ptr<CMeter> meter;

    void SetUp() override {
        host.skinFile = folder + L"calendar.xml";
        folder.Write(L"sun.bmp", StripBmp(DigitStrip(kSun), 6, 8));
        folder.Write(L"sat.bmp", StripBmp(DigitStrip(kSat), 6, 8));
        folder.Write(L"week.bmp", StripBmp(DigitStrip(kWeek), 6, 8));
        folder.Write(L"icons.bmp", StripBmp(IconStrip(), 4, 4));
        folder.Write(L"period.bmp", StripBmp({kCell[0], kCell[1], kCell[2]}, 12, 2));
        ClearAnniversaryMarks();
        g_Settings.Calendar.Period = 1;
        host.Clear();
    }
    void TearDown() override {
        g_MarkCalendarAlarmRanges = nullptr;
        g_DayAlarmText = nullptr;
        ClearAnniversaryMarks();
        ClearRangeMarks();
    }
    // Cells of 12 x 8 without gaps from (0, 0), seven to a row; the extra
    // keys go on top.
    CMeterCalendar* Make(Keys extra = {}) {
        meter.reset(CreateMeter(L"CALENDAR", &host));
        CInfoSection section(L"M");
        for (const auto& kv : kBaseKeys) section.SetValue(kv.first, kv.second);
        for (const auto& kv : extra) section.SetValue(kv.first, kv.second);
        meter->ReadConfig(section);
        meter->Initialize();
        return Calendar();
    }
    CMeterCalendar* Calendar() { return static_cast<CMeterCalendar*>(meter.get()); }
    void Draw() {
        host.Clear();
        ASSERT_TRUE(meter->Update());
        ASSERT_TRUE(meter->Draw());
    }
    // The top-left corner of a day's cell in December 2026.
    static POINT Cell(int day) {
        int index = day - 1 + 2;  // the 1st sits in the Tuesday column
        return POINT{(index % 7) * 12, (index / 7) * 8};
    }
};

}  // namespace

TEST_F(CalendarDraw, DigitStripsByWeekdayAndHolidayAndOneDigitDaysCentred) {
    // A solar holiday on Wednesday the 2nd.
    CDayInfo holiday;
    holiday.m_nMonth = 12;
    holiday.m_nDay = 2;
    holiday.m_bHoliday = 1;
    MarkSolarAnniversary(holiday);
    Make();
    Draw();
    const struct {
        int day, strip;
    } cases[] = {{2, kSun}, {9, kWeek}, {5, kSat}, {6, kSun}, {13, kSun}, {31, kWeek}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        POINT cell = Cell(c.day);
        if (c.day < 10) {
            // Moved right by half a digit: the first three columns stay clear.
            EXPECT_EQ(kClear, host.Pixel(cell.x + 1, cell.y + 4));
            EXPECT_EQ(DigitColour(c.strip, c.day), host.Pixel(cell.x + 3 + 2, cell.y + 4));
        } else {
            EXPECT_EQ(DigitColour(c.strip, c.day / 10), host.Pixel(cell.x + 2, cell.y + 4));
            EXPECT_EQ(DigitColour(c.strip, c.day % 10), host.Pixel(cell.x + 8, cell.y + 4));
        }
    }
}

TEST_F(CalendarDraw, IconMarksSpreadAlternatelyAndHighNumbersDrawNothing) {
    // Icons 3, 5 and 7 on the 16th, icon 25 alone on the 17th.
    for (int icon : {3, 5, 7}) MarkDay(g_AnniversaryDayMarks, 12, 16, false, icon);
    MarkDay(g_AnniversaryDayMarks, 12, 17, false, 25);
    Make({{L"InfoShiftX", L"0"}, {L"InfoShiftY", L"100"}, {L"InfoNextShiftX", L"5"}});
    Draw();
    POINT cell = Cell(16);
    int y = cell.y + 100 + 1;
    // First at the shift, second one step left, third one step right.
    EXPECT_EQ(IconColour(2), host.Pixel(cell.x + 1, y));
    EXPECT_EQ(IconColour(4), host.Pixel(cell.x - 5 + 1, y));
    EXPECT_EQ(IconColour(6), host.Pixel(cell.x + 5 + 1, y + 0));
    // Icon 25 has a bit but no frame: nothing under the 17th.
    POINT other = Cell(17);
    for (int x = other.x - 6; x < other.x + 10; ++x) EXPECT_NE(IconColour(23), host.Pixel(x, other.y + 101));
    EXPECT_EQ(kClear, host.Pixel(other.x + 1, other.y + 101));
}

TEST_F(CalendarDraw, RangeMarksDrawTheirPeriodFrames) {
    g_MarkCalendarAlarmRanges = RangeHook;
    Make();
    Draw();
    // Days 3, 4 and 5 carry marks 1, 2 and 4: frames 0, 1 and 2.
    for (int day = 3; day <= 5; ++day) {
        POINT cell = Cell(day);
        EXPECT_EQ(kCell[day - 3], host.Pixel(cell.x + 6, cell.y + 100)) << day;
    }
    EXPECT_EQ(kClear, host.Pixel(Cell(6).x + 6, Cell(6).y + 100));
    // With the setting off, no period frames.
    g_Settings.Calendar.Period = 0;
    Draw();
    EXPECT_EQ(kClear, host.Pixel(Cell(4).x + 6, Cell(4).y + 100));
}

TEST_F(CalendarDraw, DayTextHoldsTheAnniversariesThenTheAlarms) {
    CArray<CDayInfo> list;
    CDayInfo christmas;
    christmas.m_nMonth = 12;
    christmas.m_nDay = 24;
    christmas.m_strText = L"Christmas Eve";
    list.Add(christmas);
    g_DayAlarmText = AlarmTextHook;
    g_AlarmText = L"Dinner\n";
    const struct {
        const wchar_t *anniversary, *schedule;
        const wchar_t* expected;
    } cases[] = {
        {L"1", L"1", L"Christmas Eve\nDinner"},
        {L"1", L"0", L"Christmas Eve"},
        {L"0", L"1", L"Dinner"},
    };
    for (const auto& c : cases) {
        CMeterCalendar* calendar = Make({{L"AnniversaryText", c.anniversary}, {L"ScheduleText", c.schedule}});
        calendar->LinkAnniversaries(&list);
        ASSERT_TRUE(calendar->Update());
        EXPECT_EQ(CString(c.expected), calendar->DayText(24));
    }
    // Without a list only the alarms are there.
    CMeterCalendar* calendar = Make({{L"ScheduleText", L"1"}});
    calendar->Update();
    EXPECT_EQ(CString(L"Dinner"), calendar->DayText(24));
}

TEST_F(CalendarDraw, DefaultFontColourDrawsAnOutlineInTheInverseColour) {
    MarkDay(g_AnniversaryDayMarks, 12, 1, false, 1);
    g_DayAlarmText = AlarmTextHook;
    g_AlarmText = L"WWWW";
    int whites = 0, blacks = 0;
    auto count = [&] {
        whites = blacks = 0;
        for (int y = 150; y < 200; ++y)
            for (int x = 0; x < 120; ++x) {
                DWORD p = host.Pixel(x, y);
                whites += p == 0xFFFFFFFF;
                blacks += p == 0xFF000000;
            }
    };
    const wchar_t* text = L"1";
    Make({{L"DayInfoText", text}, {L"ScheduleText", L"1"}, {L"AnniversaryText", L"0"}, {L"FontColor", L"Default"},
          {L"InfoTextW", L"110"}, {L"InfoTextH", L"40"}, {L"InfoTextShiftX", L"0"}, {L"InfoTextShiftY", L"155"},
          {L"DayInfoTextStringAlign", L"LEFT"}, {L"FontSize", L"14"}});
    Draw();
    count();
    EXPECT_GT(blacks, 10);
    EXPECT_GT(whites, 10);
    // A chosen colour has no outline.
    Make({{L"DayInfoText", text}, {L"ScheduleText", L"1"}, {L"AnniversaryText", L"0"}, {L"FontColor", L"0,0,0,255"},
          {L"InfoTextW", L"110"}, {L"InfoTextH", L"40"}, {L"InfoTextShiftX", L"0"}, {L"InfoTextShiftY", L"155"},
          {L"DayInfoTextStringAlign", L"LEFT"}, {L"FontSize", L"14"}});
    Draw();
    count();
    EXPECT_GT(blacks, 10);
    EXPECT_EQ(0, whites);
}

TEST_F(CalendarDraw, MadeByItsDrawTypeAndBoundedForAnyShownMonth) {
    std::unique_ptr<CMeter> made(CreateMeter(L"CALENDAR", &host));
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(METER_CALENDAR, made->GetKind());
    // Records the anniversary dialog may store: month or day 0, 31 February,
    // a lunar 30th of a month without one. They are kept, and drawn nowhere.
    CArray<CDayInfo> broken;
    const int dates[][3] = {{0, 5, 0}, {3, 0, 0}, {2, 31, 0}, {12, 31, 1}, {0, 0, 1}};
    for (const auto& date : dates) {
        CDayInfo record;
        record.m_nMonth = date[0];
        record.m_nDay = date[1];
        record.m_bLunar = (BYTE)date[2];
        record.m_nIcon = 4;
        record.m_strText = L"broken";
        broken.Add(record);
        MarkSolarAnniversary(record);
    }
    // Far beyond the table's years every month still draws, from the
    // clamped year, with its own number of days.
    CMeterCalendar* calendar = Make({{L"DayInfoText", L"1"}});
    calendar->LinkAnniversaries(&broken);
    for (int month = 0; month < 12; ++month) {
        calendar->MoveMonth(1);
        Draw();
        for (int day = 1; day <= calendar->GetDaysInShownMonth(); ++day) EXPECT_EQ(CString(), calendar->DayText(day));
    }
    for (int move : {-12 * 80, 12 * 40, 1}) {
        calendar->MoveMonth(move);
        Draw();
        EXPECT_GE(calendar->GetShownYear(), 1970);
        EXPECT_LE(calendar->GetShownYear(), 2043);
        EXPECT_LE(calendar->GetDaysInShownMonth(), 31);
    }
}
