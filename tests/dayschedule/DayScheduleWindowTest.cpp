// The day-schedule window on a recording frame side, with the program's own
// schedule skin: the list sized to its rows, the add buttons on its bottom
// edge, clicks on rows opening their items, and the add commands.
#include "MessagePump.h"
#include "MeterTestSupport.h"
#include "ProgramFolderSetup.h"
#include "ScreenPicture.h"

#include "shell/AppGlobals.h"
#include "shell/Settings.h"
#include "ui/ZDialogList.h"
#include "widgets/DayScheduleDlg.h"
#include "widgets/MeterButton.h"
#include "widgets/MeterSchedule.h"
#include "widgets/WidgetIds.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

GdiplusSession g_WindowGdiplus;

class TenOClock : public CWidgetEnvironment {
public:
    TenOClock() { SetWidgetEnvironment(this); }
    ~TenOClock() override { SetWidgetEnvironment(nullptr); }
    bool ToLocal(__time64_t, struct tm& local) override {
        local = tm();
        local.tm_year = 2026 - 1900, local.tm_mon = 11, local.tm_mday = 24, local.tm_hour = 10;
        return true;
    }
};

class RecordingHost : public IDayScheduleHost {
public:
    void NewAlarmOnDate(int year, int month, int day) override { added.push_back((year * 100 + month) * 100 + day); }
    void NewAnniversaryOnDate(int month, int day) override { added.push_back(month * 100 + day); }
    void EditAlarm(int id) override { opened.push_back(id); }
    void EditAnniversary(int id) override { opened.push_back(id); }
    std::vector<int> added, opened;
};

std::vector<CScheduleInfo> g_Rows;
void TodaysRows(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int, int, int, int, int) {
    rows = g_Rows;
    lunar.month = 11, lunar.day = 5;
}

CString SourceFolder() {
    const char* value = getenv("ZOREL_SOURCE_DIR");
    CString folder(value ? value : "");
    folder.Replace(L'/', L'\\');
    if (!folder.IsEmpty() && folder[0] == L'\\') folder = L"Z:" + folder;
    return folder + L"\\";
}

CScheduleInfo Item(int id, int special, int passed, int hasTime, int minutesLeft, const wchar_t* text) {
    CScheduleInfo r;
    r.m_nId = id;
    r.m_bDayAnniversary = special;
    r.m_nSortGroup = special ? 100 : 0;
    r.m_bPassed = passed;
    r.m_bHasTime = hasTime;
    r.m_nMinutesLeft = minutesLeft;
    r.m_nSortKey = 600 + minutesLeft;
    r.m_strText = text;
    r.m_strTime = hasTime ? L"11:30" : L"";
    r.m_nIcon = 3;
    return r;
}

class DayScheduleWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        g_DaySchedules = TodaysRows;
        g_Rows = {Item(0x10000002, 1, 1, 0, 0, L"Mother's birthday"), Item(7, 0, 0, 1, 90, L"Dentist")};
        CSettings::ScheduleSection& s = g_Settings.Schedule;
        s.SkinFile = SourceFolder() + L"data\\skin\\Schedule\\default\\default.xml";
        s.WinX = 40, s.WinY = 50, s.TransVal = 255, s.AllowMove = 1, s.MouseOverHiding = 0, s.SortByTime = 1;
        window = new CDayScheduleDlg(host);
        ASSERT_TRUE(window->Create(IDD_SKIN_WINDOW, nullptr));
        ASSERT_NE(nullptr, window->m_hWnd);
    }
    void TearDown() override {
        if (window && window->m_hWnd) window->DestroyWindow();
        if (window) window->Release();
        PumpWaiting();
        ClearDialogRegistry();
        g_DaySchedules = nullptr;
    }
    // A press on a client point and the end of the click, as the mouse
    // gives them; moved says the window was dragged in between.
    void Click(int x, int y, bool moved = false) {
        CRect rect = window->GetRect();
        CPoint screen(rect.left + x, rect.top + y);
        window->SendMessage(WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(screen.x, screen.y));
        if (moved) window->SetWindowPos(nullptr, rect.left + 30, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        window->EndNcClick(screen.x, screen.y);
        PumpWaiting();
    }

    CScratchFolder scratch{L"dayschedule"};
    TenOClock clock;
    RecordingHost host;
    CDayScheduleDlg* window = nullptr;
};

}  // namespace

TEST_F(DayScheduleWindowTest, ListFitsItsRowsWithTheAddButtonsOnItsBottomEdge) {
    std::vector<CMeterSchedule*> meters = window->ScheduleMeters();
    ASSERT_EQ(meters.size(), 1u);
    CMeterSchedule* meter = meters[0];
    EXPECT_EQ(meter->GetShownYear() * 10000 + meter->GetShownMonth() * 100 + meter->GetShownDay(), 20261224);
    ASSERT_EQ(meter->GetRows().size(), 2u);
    EXPECT_EQ(meter->GetRows()[0].m_nId, 7);  // alarms before anniversaries
    const int head = meter->GetChild(CMeterSchedule::HEAD_IMAGE)->GetH();
    const int tail = meter->GetChild(CMeterSchedule::TAIL_IMAGE)->GetH();
    EXPECT_GT(head, 1);  // the skin's pictures were found
    EXPECT_EQ(meter->GetListBottom(), head + meter->RowHeight(meter->GetRows()[0]) +
                                          meter->RowHeight(meter->GetRows()[1]));
    EXPECT_EQ((int)window->GetBackBuffer()->GetHeight(), meter->GetListBottom() + tail);
    ASSERT_NE(window->GetAddScheduleButton(), nullptr);
    ASSERT_NE(window->GetAddAnniversaryButton(), nullptr);
    EXPECT_EQ(window->GetAddScheduleButton()->GetY(), meter->GetListBottom());
    EXPECT_EQ(window->GetAddAnniversaryButton()->GetY(), meter->GetListBottom());

    // One more row makes the window grow by its height.
    g_Rows.push_back(Item(8, 0, 1, 1, -30, L"Call"));
    window->RefreshSchedules();
    EXPECT_EQ((int)window->GetBackBuffer()->GetHeight(), meter->GetListBottom() + tail);
    EXPECT_EQ(window->GetAddScheduleButton()->GetY(), meter->GetListBottom());
    if (ScreenshotsWanted()) {
        window->ShowWindow(SW_SHOWNOACTIVATE);
        window->Redraw();
        PumpFor(300);
        SaveScreenPicture(L"day_schedule", {window->m_hWnd});
    }
}

TEST_F(DayScheduleWindowTest, ClickOnARowOpensItsItemADragOpensNothing) {
    CMeterSchedule* meter = window->ScheduleMeters()[0];
    const int head = meter->GetChild(CMeterSchedule::HEAD_IMAGE)->GetH();
    const int first = meter->RowHeight(meter->GetRows()[0]);
    Click(50, head + first / 2);
    Click(50, head + first + 3);
    EXPECT_EQ(host.opened, (std::vector<int>{7, 0x10000002}));
    EXPECT_EQ(meter->GetSelected(), -1);  // the selection goes with the click

    Click(50, head + first / 2, true);
    Click(50, head / 2);  // the head is no row
    EXPECT_EQ(host.opened.size(), 2u);
}

TEST_F(DayScheduleWindowTest, AddCommandsAddOnTheListsDate) {
    EXPECT_EQ(window->ExecuteCommand(L"_addschedule"), 1);
    EXPECT_EQ(window->ExecuteCommand(L"AddAnniversary"), 1);
    PumpWaiting();
    EXPECT_EQ(host.added, (std::vector<int>{20261224, 1224}));

    // A skin without schedule meters ignores them.
    CString bare = scratch.Write(L"skin\\Schedule\\bare\\bare.xml",
                                 "<ZorelWidget><Window><Size W=\"50\" H=\"50\"/></Window></ZorelWidget>");
    window->LoadSkin(bare);
    EXPECT_EQ(window->GetAddScheduleButton(), nullptr);
    window->ExecuteCommand(L"ADDSCHEDULE");
    window->ExecuteCommand(L"_ADDANNIVERSARY");
    PumpWaiting();
    EXPECT_EQ(host.added.size(), 2u);
}
