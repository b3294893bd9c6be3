// A real main frame in this process with its clock: the clock's window and
// timer drive the frame's alarms on a test clock, the hot keys and command
// 32830 reach the clock, and a clock that cannot be made leaves the frame's
// own timer running the alarms.
#include "ClockTestSupport.h"

#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "app/MainFrame.h"
#include "calendar/AlarmInfo.h"
#include "notes/AlarmStore.h"
#include "notes/FrameNotes.h"
#include "shell/AppGlobals.h"
#include "shell/HotKeyView.h"
#include "shell/Settings.h"
#include "ui/UiIds.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/ZDialogList.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

class ClockFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&s_token, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(s_token); }

    void SetUp() override {
        scratch.reset(new CScratchFolder(L"clock-frame"));
        UseAsProgramFolder(*scratch);
        g_PlatformId = 2;
        g_nClockTickCount = 0;
        g_nServerCheckPostponed = 0;
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.ViewMemoOnStart = 1;
        g_Settings.General.HistoryLevel = 0;
        g_Settings.General.HotKeyClockViewTime = 4;
        g_Settings.Clock = CSettings::ClockSection();
        g_Settings.Clock.ViewMode = 2;
        g_Settings.Clock.SpecialTime[0] = 0;
        g_Settings.Clock.SpecialTime[1] = 30;
        for (int i = 2; i < 5; ++i) g_Settings.Clock.SpecialTime[i] = -1;
        g_Settings.Clock.TransVal = 255;
        g_Settings.Clock.AllowMove = 1;
        g_Settings.Clock.WinX = g_Settings.Clock.WinY = 50;
        SetMessageBoxAnswerer([this](const CString& text, int) {
            boxes.push_back(text);
            return 6;
        });
        now = ClockAt(2014, 3, 3, 7, 29, 50);
    }
    void TearDown() override {
        if (frame) ::SendMessageW(wnd, WM_CLOSE, 0, 0);
        PumpWaiting();
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        ClearDialogRegistry();
        g_nClockTickCount = 0;
        scratch.reset();
    }
    void StartFrame(UINT clockTemplate = IDD_CLOCK) {
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->m_clock = [this] { return now; };
        frame->m_clockTemplate = clockTemplate;
        frame->PostCreateInit();
        ASSERT_NE(frame->GetNotes(), nullptr);
        // Every notice is counted on its way to its window.
        auto show = frame->GetNotes()->LifecycleHost().showNotice;
        frame->GetNotes()->LifecycleHost().showNotice = [this, show](const NoticeRequest& notice) {
            boxes.push_back(notice.title + L"   " + notice.body);
            if (show) show(notice);
        };
        ASSERT_TRUE(PumpUntil([this] { return !frame->GetNotes()->IsOpeningMemos(); }, 60000));
    }
    // Waits for two more ticks of whichever timer runs the heartbeat.
    bool TwoMoreTicks() {
        int count = g_nClockTickCount;
        return PumpUntil([count] { return g_nClockTickCount >= count + 2; }, 5000);
    }
    void AddDailyAlarm(const wchar_t* text, int hour, int minute, int advance) {
        CAlarmInfo alarm;
        alarm.m_bEnabled = 1;
        alarm.m_nKind = 0;
        alarm.m_nNoticeStyle = 1;
        alarm.m_nYear = 2014;
        alarm.m_nMonth = 1;
        alarm.m_nDay = 1;
        alarm.m_nHour = hour;
        alarm.m_nMinute = minute;
        alarm.m_nAdvance = advance;
        alarm.m_nTimeMode = 0;
        alarm.m_strContents = text;
        CAlarmInfo copy;
        copy = alarm;
        frame->GetNotes()->AlarmStore().AddAlarm(copy);
    }
    int Notices(const wchar_t* words) const {
        int n = 0;
        for (const CString& box : boxes) n += box.Find(words) >= 0;
        return n;
    }

    std::unique_ptr<CScratchFolder> scratch;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
    SYSTEMTIME now = {};
    std::vector<CString> boxes;
    static ULONG_PTR s_token;
};
ULONG_PTR ClockFrameTest::s_token = 0;

TEST_F(ClockFrameTest, ClockTimerGivesTheNoticeAndFiresADailyAlarm) {
    StartFrame();
    frame->CreateClock();
    ASSERT_TRUE(frame->ClockExists());
    ASSERT_NE(frame->GetClockView(), nullptr);
    AddDailyAlarm(L"Standup", 8, 0, 30);
    frame->SetLastMinuteKey(0);

    now = ClockAt(2014, 3, 3, 7, 29, 59);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetClock()->TickState().GetLastMinuteKey() ==
                                       ClockTime::From(now).MinuteKey(); }, 5000));
    EXPECT_EQ(0, Notices(L"Standup"));
    now = ClockAt(2014, 3, 3, 7, 30, 0);
    ASSERT_TRUE(PumpUntil([&] { return Notices(L"Standup") == 1; }, 5000));
    now = ClockAt(2014, 3, 3, 7, 59, 59);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetClock()->TickState().GetLastMinuteKey() ==
                                       ClockTime::From(now).MinuteKey(); }, 5000));
    EXPECT_EQ(1, Notices(L"Standup"));
    now = ClockAt(2014, 3, 3, 8, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Notices(L"Standup") == 2; }, 5000));
    // The frame's own timer has handed over: nothing fires twice.
    now = ClockAt(2014, 3, 3, 8, 0, 30);
    ASSERT_TRUE(TwoMoreTicks());
    EXPECT_EQ(2, Notices(L"Standup"));
}

TEST_F(ClockFrameTest, SeeClockCommandAndHotKeyViewShowTheClock) {
    StartFrame();
    frame->CreateClock();
    CClockDlg* clock = frame->GetClock();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(0, clock->GetFadeState());
    ::SendMessageW(wnd, WM_COMMAND, ID_SEE_CLOCK, 0);
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() >= 3; }, 5000));
    IHotKeyView* view = frame->GetClockView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsVisible());
    view->FadeOut();
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() == 0; }, 5000));
    // The frame stores the clock's state when it stores window states.
    clock->SendMessage(WM_COMMAND, ID_POS_TOPMOST, 0);
    frame->StoreWindowStates();
    EXPECT_EQ(1, g_Settings.Clock.ZPosition);
}

TEST_F(ClockFrameTest, ClockMenuLeavesItsCommandsAvailable) {
    StartFrame();
    frame->CreateClock();
    CClockDlg* clock = frame->GetClock();
    ASSERT_NE(clock, nullptr);
    HMENU menu = clock->BuildContextMenu();
    ASSERT_NE(menu, nullptr);
    auto greyed = [&](UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(greyed(ID_SCHEDULE_MANAGEMENT));
    EXPECT_FALSE(greyed(ID_CLOCK_SETTINGS));
    EXPECT_FALSE(greyed(ID_FIX_LOCATION));
    ::DestroyMenu(menu);
}

TEST_F(ClockFrameTest, FailedClockLeavesTheFramesTimerFiringAlarmsAndTellsOnce) {
    StartFrame(9999);  // no such template: the window cannot be made
    frame->CreateClock();
    EXPECT_FALSE(frame->ClockExists());
    EXPECT_EQ(nullptr, frame->GetClockView());
    frame->CreateClock();
    int told = 0;
    for (const CString& box : boxes) told += box.Find(L"clock") >= 0;
    EXPECT_EQ(1, told);

    AddDailyAlarm(L"Backup", 7, 31, 0);
    frame->SetLastMinuteKey(0);
    now = ClockAt(2014, 3, 3, 7, 31, 0);
    ASSERT_TRUE(PumpUntil([&] { return Notices(L"Backup") == 1; }, 5000));
    now = ClockAt(2014, 3, 3, 7, 31, 40);
    ASSERT_TRUE(TwoMoreTicks());
    EXPECT_EQ(1, Notices(L"Backup"));
}

}  // namespace
