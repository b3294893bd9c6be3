// The calendar window on a recording frame side, from the program's template
// and menus: navigation by keys, menu and skin commands across every calendar
// meter, the month kept across a skin change, a skin without calendars, and
// the context menus on and off the days.
#include "MessagePump.h"
#include "MeterTestSupport.h"
#include "ProgramFolderSetup.h"

#include "shell/AppGlobals.h"
#include "shell/Settings.h"
#include "ui/ZDialogList.h"
#include "widgets/CalendarDlg.h"
#include "widgets/MeterCalendar.h"

#include <gtest/gtest.h>

namespace {

GdiplusSession g_WindowGdiplus;

class ChristmasEve : public CWidgetEnvironment {
public:
    ChristmasEve() { SetWidgetEnvironment(this); }
    ~ChristmasEve() override { SetWidgetEnvironment(nullptr); }
    bool ToLocal(__time64_t, struct tm& local) override {
        local = tm();
        local.tm_year = 2026 - 1900;
        local.tm_mon = 11;
        local.tm_mday = 24;
        local.tm_hour = 12;
        return true;
    }
};

class RecordingCalendarHost : public ICalendarDlgHost {
public:
    void OpenCalendarSettings() override { ++settings; }
    void NewAlarmOnDate(int year, int month, int day) override { alarmDates.push_back({year, month, day}); }
    void NewAnniversaryOnDate(int month, int day) override { anniversaryDates.push_back({0, month, day}); }
    void ShowDayBalloon(int year, int month, int day, const CRect&) override { balloons.push_back({year, month, day}); }
    void HideDayBalloon() override { ++hides; }
    bool IsDayBalloonShowing(int, int, int) override { return false; }
    struct Date {
        int year, month, day;
    };
    int settings = 0, hides = 0;
    std::vector<Date> alarmDates, anniversaryDates, balloons;
};

// Three months side by side (offsets -1, 0, 1) and a today-only calendar,
// each day cell 12 x 8 from the meter's origin.
const char kThreeMonths[] =
    "<ZorelWidget><Window><Size W=\"400\" H=\"80\"/></Window>"
    "<Widget Type=\"Calendar\"><Origin X=\"0\" Y=\"10\"/><Offset Value=\"-1\"/>"
    "<Day><Size W=\"6\" H=\"8\"/></Day></Widget>"
    "<Widget Type=\"Calendar\"><Origin X=\"100\" Y=\"10\"/>"
    "<Day><Size W=\"6\" H=\"8\"/></Day></Widget>"
    "<Widget Type=\"Calendar\"><Origin X=\"200\" Y=\"10\"/><Offset Value=\"1\"/>"
    "<Day><Size W=\"6\" H=\"8\"/></Day></Widget>"
    "<Widget Type=\"Calendar\"><Origin X=\"300\" Y=\"10\"/><Type Value=\"Simple\"/>"
    "<Day><Size W=\"6\" H=\"8\"/></Day></Widget>"
    "</ZorelWidget>";
const char kOneMonth[] =
    "<ZorelWidget><Window><Size W=\"100\" H=\"80\"/></Window>"
    "<Widget Type=\"Calendar\"><Origin X=\"0\" Y=\"0\"/><Day><Size W=\"6\" H=\"8\"/></Day></Widget>"
    "</ZorelWidget>";
const char kNoCalendar[] = "<ZorelWidget><Window><Size W=\"50\" H=\"50\"/></Window></ZorelWidget>";

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        g_PlatformId = 2;
        three = scratch.Write(L"skin\\Calendar\\three\\three.xml", kThreeMonths);
        one = scratch.Write(L"skin\\Calendar\\one\\one.xml", kOneMonth);
        none = scratch.Write(L"skin\\Calendar\\none\\none.xml", kNoCalendar);
        CSettings::CalendarSection& c = g_Settings.Calendar;
        c.SkinFile = three;
        c.WinX = 30;
        c.WinY = 40;
        c.TransVal = 255;
        c.AllowMove = 1;
        c.MouseOverHiding = 0;
        calendar = new CalendarDlg(host);
        ASSERT_TRUE(calendar->Create(IDD_CALENDAR, nullptr));
        ASSERT_NE(nullptr, calendar->m_hWnd);
    }
    void TearDown() override {
        if (calendar && calendar->m_hWnd) calendar->DestroyWindow();
        if (calendar) calendar->Release();
        PumpWaiting();
        ClearDialogRegistry();
    }
    // The shown months of the calendar meters, year x 100 + month.
    std::vector<int> Shown() {
        std::vector<int> months;
        for (CMeterCalendar* meter : calendar->CalendarMeters()) {
            meter->Update();
            months.push_back(meter->GetShownYear() * 100 + meter->GetShownMonth());
        }
        return months;
    }
    void Key(WPARAM key) {
        MSG msg = {calendar->m_hWnd, WM_KEYDOWN, key, 0};
        calendar->PreTranslateMessage(&msg);
        PumpUntil([this] { return calendar->GetQueuedCount() == 0; }, 2000);
        PumpWaiting();
    }
    // A client point as the mouse gives it, on the screen.
    CPoint Screen(int x, int y) {
        CRect rect = calendar->GetRect();
        return CPoint(rect.left + x, rect.top + y);
    }

    CScratchFolder scratch{L"calwin"};
    ChristmasEve environment;
    RecordingCalendarHost host;
    CalendarDlg* calendar = nullptr;
    CString three, one, none;
};

CString MenuText(HMENU menu, UINT id) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, id, text, 127, MF_BYCOMMAND);
    return text;
}

}  // namespace

TEST_F(CalendarWindowTest, KeysMoveEveryCalendarAndEnterComesBackToThisMonth) {
    EXPECT_EQ((std::vector<int>{202611, 202612, 202701, 202612}), Shown());
    for (int i = 0; i < 4; ++i) Key(VK_LEFT);
    EXPECT_EQ(-4, calendar->GetMonthOffset());
    // The today-only calendar stays on today.
    EXPECT_EQ((std::vector<int>{202607, 202608, 202609, 202612}), Shown());
    Key(VK_UP);
    EXPECT_EQ((std::vector<int>{202707, 202708, 202709, 202612}), Shown());
    Key(VK_RETURN);
    EXPECT_EQ(0, calendar->GetMonthOffset());
    EXPECT_EQ((std::vector<int>{202611, 202612, 202701, 202612}), Shown());
    // The menu's navigation items go through the same commands.
    const struct {
        UINT id;
        int offset;
    } items[] = {{ID_CALENDAR_NEXT_MONTH, 1}, {ID_CALENDAR_NEXT_YEAR, 13}, {ID_CALENDAR_PREV_YEAR, 1},
                 {ID_CALENDAR_PREV_MONTH, 0}, {ID_CALENDAR_NEXT_MONTH, 1}, {ID_CALENDAR_RESET_MONTH, 0}};
    for (const auto& item : items) {
        calendar->SendMessage(WM_COMMAND, item.id, 0);
        PumpUntil([this] { return calendar->GetQueuedCount() == 0; }, 2000);
        PumpWaiting();
        EXPECT_EQ(item.offset, calendar->GetMonthOffset()) << item.id;
    }
}

TEST_F(CalendarWindowTest, TheMonthTheUserMovedToHoldsAcrossASkinChange) {
    EXPECT_EQ(1, calendar->ExecuteCommand(L"prevmonth"));
    EXPECT_EQ(1, calendar->ExecuteCommand(L"PREVMONTH"));
    calendar->LoadSkin(one);
    EXPECT_EQ((std::vector<int>{202610}), Shown());
    // The meters point at the window's anniversaries.
    EXPECT_EQ(&calendar->GetAnniversaryList(), calendar->CalendarMeters()[0]->GetAnniversaries());
}

TEST_F(CalendarWindowTest, ASkinWithoutCalendarsStillAnswersTheNavigationCommands) {
    calendar->LoadSkin(none);
    EXPECT_TRUE(calendar->CalendarMeters().empty());
    const struct {
        const wchar_t* command;
        int offset;
    } steps[] = {{L"NEXTMONTH", 1}, {L"NEXTYEAR", 13}, {L"PREVYEAR", 1}, {L"PREVMONTH", 0}, {L"PREVMONTH", -1},
                 {L"RESETMONTH", 0}};
    for (const auto& step : steps) {
        EXPECT_EQ(1, calendar->ExecuteCommand(step.command)) << step.command;
        EXPECT_EQ(step.offset, calendar->GetMonthOffset()) << step.command;
    }
}

TEST_F(CalendarWindowTest, DayMenuNamesTheDayAndRegistersOnItOtherMenuKeepsTheSelection) {
    // December 2026: the 24th is a Thursday of the fourth row.
    CPoint day24 = Screen(100 + 4 * 12 + 3, 10 + 3 * 8 + 3);
    HMENU menu = calendar->BuildMenuAt(day24);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(CString(L"Resister Schedule for 12/24"), MenuText(menu, ID_CALENDAR_NEW_SCHEDULE));
    EXPECT_EQ(CString(L"Resister Anniversary for 12/24"), MenuText(menu, ID_CALENDAR_NEW_ANNIVERSARY));
    ::DestroyMenu(menu);
    int year, month, day;
    calendar->GetSelectedDate(year, month, day);
    EXPECT_EQ(2026, year);
    EXPECT_EQ(12, month);
    EXPECT_EQ(24, day);

    menu = calendar->BuildMenuAt(Screen(100 + 2, 10 + 3));  // before the 1st
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ((UINT)-1, ::GetMenuState(menu, ID_CALENDAR_NEW_SCHEDULE, MF_BYCOMMAND));
    EXPECT_EQ((UINT)-1, ::GetMenuState(menu, ID_CALENDAR_NEW_ANNIVERSARY, MF_BYCOMMAND));
    EXPECT_EQ(CString(L"Next Month"), MenuText(menu, ID_CALENDAR_NEXT_MONTH));
    ::DestroyMenu(menu);
    calendar->GetSelectedDate(year, month, day);
    EXPECT_EQ(24, day);

    calendar->SendMessage(WM_COMMAND, ID_CALENDAR_NEW_SCHEDULE, 0);
    calendar->SendMessage(WM_COMMAND, ID_CALENDAR_NEW_ANNIVERSARY, 0);
    calendar->SendMessage(WM_COMMAND, ID_CALENDAR_SETTINGS, 0);
    ASSERT_EQ(1u, host.alarmDates.size());
    EXPECT_EQ(2026, host.alarmDates[0].year);
    EXPECT_EQ(12, host.alarmDates[0].month);
    EXPECT_EQ(24, host.alarmDates[0].day);
    ASSERT_EQ(1u, host.anniversaryDates.size());
    EXPECT_EQ(12, host.anniversaryDates[0].month);
    EXPECT_EQ(24, host.anniversaryDates[0].day);
    EXPECT_EQ(1, host.settings);
}

TEST_F(CalendarWindowTest, StateGoesToTheCalendarSettings) {
    calendar->SetAlpha(200);
    calendar->SetZPosition(1, TRUE);
    calendar->SaveState();
    EXPECT_EQ(200, g_Settings.Calendar.TransVal);
    EXPECT_EQ(1, g_Settings.Calendar.ZPosition);
    EXPECT_EQ(three, g_Settings.Calendar.SkinFile);
}
