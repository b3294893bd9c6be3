// The calendar's day balloon: where it goes for a day cell, the day's rows
// it lists, the dates it refuses, and its hiding once the mouse has left.
#include "MessagePump.h"
#include "MeterTestSupport.h"
#include "ProgramFolderSetup.h"

#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "ui/ZDialogList.h"
#include "widgets/CalendarScheduleDlg.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterSchedule.h"
#include "widgets/WidgetIds.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

GdiplusSession g_BalloonGdiplus;

TEST(BalloonPlacement, AboveTheDayShiftedOntoTheScreenOrBelowWithTheArrowOnTop) {
    const struct {
        int x, y, width, screen;
        bool single;
        int left, top, arrow;
        bool onTop;
    } cases[] = {
        {300, 400, 200, 1280, true, 259, 300, 28, false},   // above the day, the arrow under it
        {300, 50, 200, 1280, true, 259, 66, 28, true},      // no room above: below the day
        {1200, 400, 200, 1280, true, 1080, 300, 107, false}, // shifted left by the overflow
        {1300, 400, 100, 1280, true, 1183, 300, 104, false}, // by no more than width - 2 x arrow - 10
        {1270, 50, 200, 1280, false, 1229, -50, 28, false},  // several screens: left as it is
    };
    for (const auto& c : cases) {
        BalloonPlacement p = PlaceBalloon(c.x, c.y, 16, c.width, 100, 7, c.screen, c.single);
        EXPECT_EQ(p.left, c.left) << c.x << "," << c.y;
        EXPECT_EQ(p.top, c.top) << c.x << "," << c.y;
        EXPECT_EQ(p.arrowOffset, c.arrow) << c.x << "," << c.y;
        EXPECT_EQ(p.arrowOnTop, c.onTop) << c.x << "," << c.y;
    }
}

class NoHost : public IDayScheduleHost {
public:
    void NewAlarmOnDate(int, int, int) override {}
    void NewAnniversaryOnDate(int, int) override {}
    void EditAlarm(int) override {}
    void EditAnniversary(int) override {}
};

class WatchedBalloon : public CCalendarScheduleDlg {
public:
    using CCalendarScheduleDlg::CCalendarScheduleDlg;
    bool cursorInside = true;

protected:
    bool CursorOnBalloonOrOwner() override { return cursorInside; }
};

int g_AskedDate;
void DayRows(std::vector<CScheduleInfo>& rows, LunarDate&, int y, int m, int d, int, int) {
    g_AskedDate = (y * 100 + m) * 100 + d;
    rows.assign(3, CScheduleInfo());
}

CString SourceFolder() {
    const char* value = getenv("ZOREL_SOURCE_DIR");
    CString folder(value ? value : "");
    folder.Replace(L'/', L'\\');
    if (!folder.IsEmpty() && folder[0] == L'\\') folder = L"Z:" + folder;
    return folder + L"\\";
}

class CalendarBalloonTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        // The balloon's skin is taken from the program's data.
        g_ProgramFolder = SourceFolder() + L"data\\";
        g_DaySchedules = DayRows;
        balloon = new WatchedBalloon(host, nullptr);
        ASSERT_TRUE(balloon->Create(IDD_SKIN_WINDOW, nullptr));
    }
    void TearDown() override {
        if (balloon && balloon->m_hWnd) balloon->DestroyWindow();
        if (balloon) balloon->Release();
        PumpWaiting();
        ClearDialogRegistry();
        g_DaySchedules = nullptr;
    }
    CScratchFolder scratch{L"balloon"};
    NoHost host;
    WatchedBalloon* balloon = nullptr;
};

}  // namespace

TEST_F(CalendarBalloonTest, ListsTheDayPointsAtItAndHidesWhenTheMouseHasLeft) {
    ASSERT_NE(balloon->GetUpArrow(), nullptr);
    EXPECT_TRUE(balloon->GetUpArrow()->HasImage());
    // A cell at the top of the screen: the balloon opens below it.
    ASSERT_TRUE(balloon->ShowForDate(300, 10, 20, nullptr, 2026, 2, 28));
    EXPECT_EQ(g_AskedDate, 20260228);
    EXPECT_EQ(balloon->GetWeekday(), 7);  // a Saturday
    EXPECT_EQ(balloon->ScheduleMeters()[0]->GetRows().size(), 3u);
    EXPECT_TRUE(balloon->GetPlacement().arrowOnTop);
    EXPECT_EQ(balloon->GetRect().top, 30);
    EXPECT_TRUE(balloon->IsShowing(nullptr, 2026, 2, 28));
    EXPECT_FALSE(balloon->IsShowing(nullptr, 2026, 2, 27));

    balloon->cursorInside = false;
    PumpUntil([this] { return !balloon->IsVisible(); }, 1500);
    EXPECT_FALSE(balloon->IsVisible());
    // The watch has stopped with it: no timer message is left for it.
    PumpFor(700);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, balloon->m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST_F(CalendarBalloonTest, RefusesADateThatIsNoDate) {
    const int dates[][3] = {{1899, 5, 1}, {2026, 0, 1}, {2026, 13, 1}, {2026, 2, 29}, {2026, 4, 0}, {2026, 4, 32}};
    for (const auto& d : dates) {
        g_AskedDate = 0;
        EXPECT_FALSE(balloon->ShowForDate(300, 400, 20, nullptr, d[0], d[1], d[2])) << d[0] << "-" << d[1] << "-" << d[2];
        EXPECT_EQ(g_AskedDate, 0);
    }
    EXPECT_FALSE(balloon->IsVisible());
}
