// The staged start-up: which host steps run on which tick, by the settings.
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "app/StartupSequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class RecordingHost : public IStartupHost {
public:
    std::vector<std::string> calls;
    bool clock = true;
    bool todayRows = false;
    int memos = 0;
    bool limitAnswer = false;
    int clockViewTimeSeen = -1;

    void CreateClock() override {
        calls.push_back("clock");
        clockViewTimeSeen = g_Settings.General.HotKeyClockViewTime;
    }
    void CreateCalendar() override { calls.push_back("calendar"); }
    bool ClockExists() override { return clock; }
    void ShowClockToStay() override { calls.push_back("clock-stay"); }
    void ShowClockBriefly(int ms) override { calls.push_back("clock-brief:" + std::to_string(ms)); }
    void DrawTrayDate() override { calls.push_back("tray-date"); }
    bool TodayHasSchedules() override { return todayRows; }
    void OpenDaySchedule() override { calls.push_back("schedule"); }
    void CheckAlarmsAtStartup() override { calls.push_back("alarms"); }
    void NotifyTodayAnniversaries() override { calls.push_back("anniversaries"); }
    void RegisterHotKeys() override { calls.push_back("hotkeys"); }
    void LoadWidgetList() override { calls.push_back("widgets"); }
    void RefreshSettingsWidgetPage() override {}
    void CreateToolTipWidget() override { calls.push_back("tooltip"); }
    void StopStartupTimer() override { calls.push_back("stop"); }
    void StartFtpServer() override { calls.push_back("ftp"); }
    void RefreshSettingsSharePage() override {}
    int GetMemoCount() override { return memos; }
    bool WarnMemoLimit(const CString& text) override {
        calls.push_back("limit:" + std::string(CStringA(StringToAnsi(text))));
        return limitAnswer;
    }
    void OpenMemoGroupManager() override { calls.push_back("group-manager"); }
    void ShowQuickMenu() override { calls.push_back("quick-menu"); }
    void NewMemo() override {
        calls.push_back("new-memo");
        ++memos;
    }
};

class StartupSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Settings = CSettings();
        g_Settings.General.HotKeyClockViewTime = 5;
        g_Settings.Clock.ViewMode = 2;
        g_Settings.Clock.StartView = 1;
        g_Settings.MemoLimit = 1000;
        g_StartupTick = 1;
        g_LanguageTable.RemoveAll();
        g_LanguageTable.SetAt(28202, L"#CURRENT_MEMO#/#MAX_MEMO#");
    }
    void RunTicks(int n) {
        for (int i = 0; i < n; ++i) RunStartupStep(host);
    }
    RecordingHost host;
};
}  // namespace

TEST_F(StartupSequenceTest, FirstTickBuildsTheDesktopWindowsAndThirdEndsIt) {
    RunTicks(1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"clock", "calendar", "tray-date", "alarms", "anniversaries",
                                                     "hotkeys", "widgets", "tooltip", "clock-brief:5000"}));
    EXPECT_EQ(host.clockViewTimeSeen, 7);
    EXPECT_EQ(g_Settings.General.HotKeyClockViewTime, 5);
    host.calls.clear();
    RunTicks(1);
    EXPECT_TRUE(host.calls.empty());
    RunTicks(1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"stop"}));
    EXPECT_EQ(g_StartupTick, 4);
}

TEST_F(StartupSequenceTest, ScheduleWindowByStartMode) {
    struct Case {
        int mode;
        bool rows;
        bool opened;
    } cases[] = {{0, true, false}, {1, false, true}, {2, false, false}, {2, true, true}};
    for (const Case& c : cases) {
        SetUp();
        host = RecordingHost();
        g_Settings.Schedule.StartMode = c.mode;
        host.todayRows = c.rows;
        RunTicks(1);
        bool opened = std::find(host.calls.begin(), host.calls.end(), "schedule") != host.calls.end();
        EXPECT_EQ(opened, c.opened) << c.mode << " " << c.rows;
    }
}

TEST_F(StartupSequenceTest, ClockStaysInViewModeZeroAndWaitsForTheServerWhenSharingStarts) {
    g_Settings.Clock.ViewMode = 0;
    g_Settings.FileShare.AutoStart = 1;
    RunTicks(1);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "clock-stay"), 0);
    host.calls.clear();
    RunTicks(2);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"stop", "ftp", "clock-stay"}));
}

TEST_F(StartupSequenceTest, NoteLimitWarningOkOpensTheManagerAndSkipsTheRest) {
    host.memos = 1001;
    host.limitAnswer = true;
    g_Settings.QuickMenu.AutoStart2 = 1;
    RunTicks(3);
    std::vector<std::string> last(host.calls.end() - 3, host.calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"stop", "limit:1001/1000", "group-manager"}));
    EXPECT_EQ(g_StartupTick, 3);  // not advanced
}

TEST_F(StartupSequenceTest, CancelGoesOnWithQuickMenuAndFirstNote) {
    host.memos = 1001;
    host.limitAnswer = false;
    g_Settings.QuickMenu.AutoStart2 = 1;
    g_Settings.General.FirstRun = 1;
    RunTicks(3);
    std::vector<std::string> last(host.calls.end() - 3, host.calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"stop", "limit:1001/1000", "quick-menu"}));
    EXPECT_EQ(g_Settings.General.FirstRun, 1);  // notes exist: no first note
}

TEST_F(StartupSequenceTest, FirstRunWithoutNotesMakesOne) {
    g_Settings.General.FirstRun = 1;
    RunTicks(3);
    EXPECT_EQ(host.calls.back(), "new-memo");
    EXPECT_EQ(g_Settings.General.FirstRun, 0);
}
