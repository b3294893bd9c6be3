// Start-up decisions: the language switch, the single-instance check and the
// frame's housekeeping counters.
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/ShellIds.h"
#include "shell/StartupLogic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(LanguageSwitchTest, OnlyTheFirstArgumentWithAKnownShape) {
    struct Case {
        const wchar_t* argument;
        bool set;
        const wchar_t* language;
        bool end;
    } cases[] = {
        {L"-lenglish", true, L"english", false},
        {L"-lkorean", true, L"korean", false},
        {L"-Lkorean", true, L"korean", true},
        {L"-Lenglish", true, L"english", true},
        {L"-Lfoo", false, L"", true},
        {L"-lfoo", false, L"", false},
        {L"-lKorean", false, L"", false},  // the word is compared case-sensitively
        {L"-l", false, L"", false},         // two characters: ignored
        {L"-L", false, L"", false},
        {L"-xenglish", false, L"", false},
        {L"/login", false, L"", false},
        {L"", false, L"", false},
    };
    for (const Case& c : cases) {
        LanguageSwitch result = ParseLanguageSwitch(c.argument);
        EXPECT_EQ(result.setLanguage, c.set) << c.argument;
        EXPECT_EQ(result.language, CString(c.language)) << c.argument;
        EXPECT_EQ(result.endStartup, c.end) << c.argument;
    }
}

TEST(LanguageSwitchTest, FirstArgumentOfACommandLine) {
    EXPECT_EQ(GetFirstArgument(L"\"C:\\Program Files\\Zorel\\Zorel.exe\" -lkorean /x"), CString(L"-lkorean"));
    EXPECT_EQ(GetFirstArgument(L"Zorel.exe"), CString());
    EXPECT_EQ(GetFirstArgument(L""), CString());
    EXPECT_EQ(GetFirstArgument(nullptr), CString());
}

namespace {
// A scripted system: the other copy's window goes away after a number of
// looks, the user answers as told.
class FakeInstanceSystem : public IInstanceSystem {
public:
    bool otherCopy = true;
    bool answerYes = false;
    int looksUntilGone = 0;  // -1: never goes
    bool closed = false;
    int slept = 0;
    std::vector<std::wstring> events;

    bool CreateInstanceMutex() override { return otherCopy; }
    HWND FindFrame(const wchar_t* title) override {
        if (std::wstring(title) == ZOREL_OLD_FRAME_TITLE) return nullptr;
        if (!closed) return (HWND)1;
        if (looksUntilGone < 0) return (HWND)1;
        if (looksUntilGone == 0) return nullptr;
        --looksUntilGone;
        return (HWND)1;
    }
    void CloseFrame(HWND) override {
        closed = true;
        events.push_back(L"close");
    }
    void Sleep(DWORD ms) override { slept += ms; }
    bool AskYesNo(const CString& text) override {
        events.push_back(L"ask:" + std::wstring((LPCWSTR)text));
        return answerYes;
    }
    void ShowNotice(const CString& text) override { events.push_back(L"notice:" + std::wstring((LPCWSTR)text)); }
    void BroadcastShowAllMemos() override { events.push_back(L"broadcast"); }
};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_LanguageTable.RemoveAll();
        g_LanguageTable.SetAt(TXT_ALREADY_RUNNING, L"running");
        g_LanguageTable.SetAt(TXT_CLOSE_FAILED, L"failed");
    }
    FakeInstanceSystem sys;
};
}  // namespace

TEST_F(SingleInstanceTest, FirstCopyRunsWithoutAsking) {
    sys.otherCopy = false;
    EXPECT_EQ(CheckSingleInstance(sys), INSTANCE_RUN);
    EXPECT_TRUE(sys.events.empty());
}

TEST_F(SingleInstanceTest, NoLeavesTheRunningCopyAndShowsItsNotes) {
    sys.answerYes = false;
    EXPECT_EQ(CheckSingleInstance(sys), INSTANCE_EXIT);
    EXPECT_EQ(sys.events, (std::vector<std::wstring>{L"ask:running", L"broadcast"}));
}

TEST_F(SingleInstanceTest, YesClosesTheRunningCopyAndAsksForAReload) {
    sys.answerYes = true;
    sys.looksUntilGone = 2;
    EXPECT_EQ(CheckSingleInstance(sys), INSTANCE_RUN_AFTER_CLOSE);
    EXPECT_EQ(sys.events, (std::vector<std::wstring>{L"ask:running", L"close"}));
    EXPECT_LE(sys.slept, 10000);
}

TEST_F(SingleInstanceTest, ACopyThatStaysGivesUpAfterTenSeconds) {
    sys.answerYes = true;
    sys.looksUntilGone = -1;
    EXPECT_EQ(CheckSingleInstance(sys), INSTANCE_EXIT);
    EXPECT_EQ(sys.slept, 10000);
    EXPECT_EQ(sys.events, (std::vector<std::wstring>{L"ask:running", L"close", L"notice:failed", L"broadcast"}));
}

TEST_F(SingleInstanceTest, NothingToCloseCountsAsClosed) {
    sys.closed = true;  // the window is already gone
    EXPECT_TRUE(CloseRunningInstance(sys));
    EXPECT_TRUE(sys.events.empty());
}

TEST(FrameHousekeepingTest, SavesOnEverySixtyFirstTickAndSoonAfterARequest) {
    int count = 0;
    std::vector<int> saves;
    for (int tick = 1; tick <= 130; ++tick)
        if (PeriodicSaveTick(count)) saves.push_back(tick);
    EXPECT_EQ(saves, (std::vector<int>{61, 122}));

    g_SaveTickCount = 5;
    RequestSaveSoon();
    EXPECT_FALSE(PeriodicSaveTick(g_SaveTickCount));
    EXPECT_TRUE(PeriodicSaveTick(g_SaveTickCount));
    EXPECT_EQ(g_SaveTickCount, 0);
}

TEST(FrameHousekeepingTest, ResumeRedrawsOnlyAfterASuspendOnAnotherDay) {
    EXPECT_EQ(MakeSuspendDateKey(3, 7), 100);
    EXPECT_TRUE(HasDayChangedSinceSuspend(MakeSuspendDateKey(3, 7), MakeSuspendDateKey(3, 8)));
    EXPECT_FALSE(HasDayChangedSinceSuspend(MakeSuspendDateKey(3, 7), MakeSuspendDateKey(3, 7)));
    EXPECT_FALSE(HasDayChangedSinceSuspend(-1, MakeSuspendDateKey(3, 8)));
}

TEST(FrameHousekeepingTest, WorkMonitorFollowsTheLastRemainingMonitor) {
    struct Case {
        int work, count, expected;
        bool changed;
    } cases[] = {{2, 2, 1, true}, {1, 2, 1, false}, {0, 2, 0, false}, {3, 1, 0, true}, {0, 1, 0, false}};
    for (const Case& c : cases) {
        int work = c.work;
        EXPECT_EQ(AdjustWorkMonitor(work, c.count), c.changed) << c.work << " " << c.count;
        EXPECT_EQ(work, c.expected);
    }
}

TEST(FrameHousekeepingTest, MemoLimitTextNamesTheCountAndTheLimit) {
    CString text = MakeMemoLimitText(L"This group has #CURRENT_MEMO# memos/(max #MAX_MEMO#).#BR#Move them.", 1001, 1000);
    EXPECT_EQ(text, CString(L"This group has 1001 memos/(max 1000).\nMove them."));
}
