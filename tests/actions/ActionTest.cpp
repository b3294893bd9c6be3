// The action vocabulary: what each string does through the frame and the
// system, how strings are matched and described, and the queue.
#include "ActionTestSupport.h"

#include "shell/Action.h"
#include "shell/ActionExecutor.h"
#include "shell/ActionQueue.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

namespace {

class ActionTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_ProgramFolder = L"C:\\Zorel\\";
        g_LanguageTable.RemoveAll();
    }
    void TearDown() override {
        g_ProgramFolder.Empty();
        g_LanguageTable.RemoveAll();
        CActionQueue::SetMain(nullptr);
    }

    int Execute(const CString& text) {
        CActionExecutor executor(frame, frame);
        return executor.ExecuteAction(text);
    }

    CRecordingFrame frame;
};

struct ExecuteCase {
    const wchar_t* text;
    int result;
    CallLog calls;
};

TEST_F(ActionTest, EachStringHasItsEffect) {
    const ExecuteCase cases[] = {
        {L"new_memo", 1, {L"PostMessage(WM_USER+1001)"}},
        {L"NEW_MEMO", 1, {L"PostMessage(WM_USER+1001)"}},
        {L"shellexecute:notepad.exe", 0, {}},
        {L"winexec:notepad.exe", 0, {}},
        {L"SHELLEXECUTE:$(TARGETPATH)\\readme.txt", 1, {L"ShellOpen(C:\\Zorel\\readme.txt)"}},
        {L"SHELLEXECUTE:http://example.com/a b", 1, {L"ShellOpen(http://example.com/a b)"}},
        {L"WINEXEC:$(TARGETPATH)\\tool.exe -x", 1, {L"WinExec(C:\\Zorel\\tool.exe -x)"}},
        {L"SHUTDOWN", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(0,forced,off)"}},
        {L"SHUTDOWN:120", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(120,forced,off)"}},
        {L"shutdown:", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(0,forced,off)"}},
        {L"SHUTDOWN_RESTART:30", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(30,forced,restart)"}},
        {L"SAFE_SHUTDOWN:45", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(45,asking,off)"}},
        {L"SHUTDOWN_WIDGET:300", 1, {L"ShowShutdownCountdown(300,'')"}},
        {L"SHUTDOWN_WIDGET", 1, {L"ShowShutdownCountdown(0,'')"}},
        {L"CANCEL_SHUTDOWN", 1, {L"AbortShutdown", L"ForgetShutdownCountdown"}},
        {L"CANCEL_SHUTDOWN_WIDGET", 1, {L"CloseShutdownCountdown"}},
        {L"FADE_WINDOW", 1, {L"ShowFadeWindow"}},
        {L"PASSWORD_MANAGER", 1, {L"PostCommand(32970)"}},
        {L"LOG_OFF", 1, {L"AutoSaveMemos(1)", L"LogOff(0)"}},
        {L"SHUTDOWN_SETUP", 1, {L"PostCommand(32967)"}},
        {L"SHUTDOWN_SUSPEND_AND_SETUP", 1, {L"PostCommand(32967)"}},
        {L"SETUP", 1, {L"OpenSettings(-1,-1)"}},
        {L"HOTKEY_SETUP:102", 1, {L"OpenSettings(3,102)"}},
        {L"HOTKEY_SETUP:98", 1, {}},  // no such slot: taken, nothing opens
        {L"<CLOCK_SETUP>", 1, {L"OpenSettings(4,-1)"}},
        {L"CALENDAR_SETUP", 1, {L"OpenSettings(5,-1)"}},
        {L"SHARE_SETUP", 1, {L"OpenSettings(7,-1)"}},
        {L"<ALARM_SETUP>", 1, {L"OpenScheduleManager"}},
        {L"MENU_WIDGET", 1, {L"ShowQuickMenuBar"}},
        {L"MAKE_TOPWINDOW", 1, {L"StartCapture(9)"}},
        {L"COLOR_PICKER", 1, {L"StartCapture(6)"}},
        {L"ZOOM_WINDOW", 1, {L"StartCapture(7)"}},
        {L"CONTROL_CAPTURE", 1, {L"StartCapture(4)"}},
        {L"RULER", 1, {L"StartCapture(8)"}},
        {L"ADD_SCHEDULE", 1, {L"PostMessage(WM_USER+801)"}},
        {L"<ADD_ALARM>", 1, {L"PostMessage(WM_USER+801)"}},
        {L"EDIT_SCHEDULE", 1, {L"PostCommand(32804)"}},
        {L"FIND_MEMO", 1, {L"PostCommand(32860)"}},
        {L"CAPTURE_REGION", 1, {L"PostCommand(32824)"}},
        {L"CAPTURE_WINDOW", 1, {L"PostCommand(32901)"}},
        {L"CAPTURE_FULL_SCREEN", 1, {L"PostCommand(32903)"}},
        {L"CAPTURE_PREVIOUS_REGION", 1, {}},  // nothing captured yet
        {L"SCROLL_CAPTURE", 1, {}},
        {L"MEMO_ACTIVE", 1, {L"PostMessage(WM_USER+803)"}},
        {L"SHOW_ALLMEMO", 1, {L"ShowAllMemos(1)"}},
        {L"HIDE_ALLMEMO", 1, {L"ShowAllMemos(0)"}},
        {L"SHOW_FAVORITEMEMO", 1, {L"SpotlightMemos(1)"}},
        {L"SHOW_RECENTMEMO", 1, {L"ShowRecentMemo(5)"}},
        {L"SHOW_RECENTMEMO:12", 1, {L"ShowRecentMemo(12)"}},
        {L"SHOW_ALLWIDGET", 1, {L"PostCommand(32939)"}},
        {L"HIDE_ALLWIDGET", 1, {L"PostCommand(32940)"}},
        {L"ADD_ANNIVERSARY", 1, {L"PostMessage(WM_USER+802)"}},
        {L"ABOUT", 1, {L"PostCommand(32775)"}},
        {L"DONATE", 1, {L"PostCommand(32948)"}},
        {L"CLOCK", 1, {L"PostCommand(32830)"}},
        {L"CALENDAR", 1, {L"PostCommand(32823)"}},
        {L"SCHEDULE", 1, {L"PostCommand(32854)"}},
        {L"QUICK_MENU", 1, {L"PostCommand(32973)"}},
        {L"MINIMIZE_ALL", 1, {L"ShowDesktop(1)"}},
        {L"UNDOMINIMIZE_ALL", 1, {L"ShowDesktop(0)"}},
        {L"UNINSTALL", 1, {}},  // no uninstaller in the folder
        {L"MONITORPOWER_OFF_LOCK", 1, {L"MonitorPowerOff", L"Pause(1000)", L"LockSession"}},
        {L"LOCK_WINDOWS", 1, {L"LockSession"}},
        {L"MONITORPOWER_OFF", 1, {L"MonitorPowerOff"}},
        {L"ALIGN_ALL", 0, {L"PostCommand(32778)"}},
        {L"BACKUP", 0, {L"PostCommand(32888)"}},
        {L"GROUP_MANAGER", 0, {L"PostCommand(32862)"}},
        {L"TODAY_INFO", 1,
         {L"ResetServerCheckCounter", L"RemoveFile(C:\\Zorel\\system\\zorelcheck\\result.xml)", L"SetForceCheck",
          L"StartWebCheck"}},
        // Carried out by the skinned windows, not by the frame.
        {L"TOOLTIP_WIDGET:weather", 0, {}},
        {L"NO_SUCH_THING", 0, {}},
        {L"", 0, {}},
        {L"NEW_MEMO ", 0, {}},  // exact keywords take no trailing text
    };
    for (const ExecuteCase& c : cases) {
        frame.log.clear();
        EXPECT_EQ(Execute(c.text), c.result) << CStringA(c.text).GetString();
        EXPECT_EQ(frame.log, c.calls) << CStringA(c.text).GetString();
    }
}

// Numbers behind a keyword never wrap: a sign is refused (it would become a
// delay of years or "now"), and a huge number stops at one year.
TEST_F(ActionTest, NumbersAreClamped) {
    const ExecuteCase cases[] = {
        {L"SHUTDOWN:-5", 0, {}},
        {L"SHUTDOWN_RESTART:-1", 0, {}},
        {L"SAFE_SHUTDOWN:-30", 0, {}},
        {L"SHUTDOWN_WIDGET:-300", 0, {}},
        {L"SHOW_RECENTMEMO:-2", 0, {}},
        {L"HOTKEY_SETUP:-1", 0, {}},
        {L"SHUTDOWN:99999999999999999999", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(31536000,forced,off)"}},
        {L"SHUTDOWN:4294967296", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(31536000,forced,off)"}},
        {L"SHUTDOWN_WIDGET:99999999999", 1, {L"ShowShutdownCountdown(31536000,'')"}},
        {L"SHOW_RECENTMEMO:99999999999", 1, {L"ShowRecentMemo(2147483647)"}},
        {L"SHUTDOWN:12abc", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(12,forced,off)"}},
        {L"SHUTDOWN:+7", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(7,forced,off)"}},
        // Without digits the family means 0 seconds, as it always has.
        {L"SHUTDOWN:abc", 1, {L"AutoSaveMemos(1)", L"StartSystemShutdown(0,forced,off)"}},
        {L"SHOW_RECENTMEMO:", 1, {L"ShowRecentMemo(5)"}},
    };
    for (const ExecuteCase& c : cases) {
        frame.log.clear();
        EXPECT_EQ(Execute(c.text), c.result) << CStringA(c.text).GetString();
        EXPECT_EQ(frame.log, c.calls) << CStringA(c.text).GetString();
    }
}

// The web check's downloads land in "system\caches\"; an action never starts
// one of them, however the path is written.
TEST_F(ActionTest, DownloadedFilesAreNeverStarted) {
    const ExecuteCase cases[] = {
        {L"SHELLEXECUTE:$(TARGETPATH)\\system\\caches\\notice.exe", 0, {}},
        {L"SHELLEXECUTE:\"C:\\zorel\\SYSTEM\\Caches\\a.pdf\"", 0, {}},
        {L"SHELLEXECUTE:C:/Zorel/system/caches/x.exe", 0, {}},
        {L"SHELLEXECUTE:$(TARGETPATH)\\system\\skin\\..\\caches\\x.exe", 0, {}},
        {L"WINEXEC:cmd /c $(TARGETPATH)\\system\\caches\\x.bat", 0, {}},
        {L"SHELLEXECUTE:$(TARGETPATH)\\system\\cachesX\\a.txt", 1, {L"ShellOpen(C:\\Zorel\\system\\cachesX\\a.txt)"}},
        {L"SHELLEXECUTE:$(TARGETPATH)\\system\\skin\\a.txt", 1, {L"ShellOpen(C:\\Zorel\\system\\skin\\a.txt)"}},
    };
    for (const ExecuteCase& c : cases) {
        frame.log.clear();
        EXPECT_EQ(Execute(c.text), c.result) << CStringA(c.text).GetString();
        EXPECT_EQ(frame.log, c.calls) << CStringA(c.text).GetString();
    }
}

TEST_F(ActionTest, StateDependentActions) {
    frame.lastCaptureWidth = 1;
    Execute(L"CAPTURE_PREVIOUS_REGION");
    EXPECT_EQ(frame.log, CallLog{L"PostCommand(32904)"});

    frame.log.clear();
    frame.checkIdle = false;
    EXPECT_EQ(Execute(L"TODAY_INFO"), 1);
    EXPECT_TRUE(frame.log.empty());

    frame.log.clear();
    frame.files[L"C:\\Zorel\\ZorelUninstall.exe"] = true;
    Execute(L"uninstall");
    EXPECT_EQ(frame.log, CallLog{L"ShellOpen(C:\\Zorel\\ZorelUninstall.exe)"});

    frame.log.clear();
    frame.activeMemoCount = 9;
    Execute(L"show_recentmemo");
    EXPECT_EQ(frame.log, CallLog{L"ShowRecentMemo(9)"});
}

// Every occurrence of the placeholder is the program folder, which ends in a
// backslash, so "$(TARGETPATH)\x" never becomes a doubled separator.
TEST_F(ActionTest, TargetPathExpandsToTheProgramFolder) {
    g_ProgramFolder = L"D:\\\uD55C\uAE00 \uD3F4\uB354\\";
    EXPECT_EQ(ExpandActionTarget(L"$(TARGETPATH)\\a.txt"), L"D:\\\uD55C\uAE00 \uD3F4\uB354\\a.txt");
    EXPECT_EQ(ExpandActionTarget(L"\"$(TARGETPATH)\\a.exe\" \"$(TARGETPATH)\\b\""),
              L"\"D:\\\uD55C\uAE00 \uD3F4\uB354\\a.exe\" \"D:\\\uD55C\uAE00 \uD3F4\uB354\\b\"");
    EXPECT_EQ(ExpandActionTarget(L"$(targetpath)\\a.txt"), L"$(targetpath)\\a.txt");
    EXPECT_EQ(ExpandActionTarget(L"$(TARGETPATH)a.txt"), L"$(TARGETPATH)a.txt");
}

struct DescribeCase {
    const wchar_t* text;
    bool isAction;
    int icon;
    int textId;
};

TEST_F(ActionTest, DescribesStringsWithoutRunningThem) {
    const DescribeCase cases[] = {
        {L"", false, -1, 0},
        {L"NEW_MEMO", true, 320, 10149},
        {L"new_memo", true, 320, 10149},
        {L"SHELLEXECUTE:notepad", false, -1, 0},
        {L"WINEXEC:notepad", false, -1, 0},
        {L"SHUTDOWN", true, 309, 0},
        {L"SHUTDOWN:60", true, 309, 25311},
        {L"SHUTDOWN_WIDGET:60", true, 309, 28004},
        {L"SAFE_SHUTDOWN", true, 309, 28004},
        {L"SHUTDOWN_RESTART:5", true, 309, 25316},
        {L"SHUTDOWNX", false, -1, 0},
        {L"HOTKEY_SETUP:3", true, -1, 0},
        {L"HOTKEY_SETUP", false, -1, 0},
        {L"TOOLTIP_WIDGET", true, 316, 0},
        {L"tooltip_widget:clock", true, 316, 0},
        {L"SHOW_RECENTMEMO:3", true, -1, 0},
        {L"PASSWORD_MANAGER", true, 317, 27009},
        {L"TODAY_INFO", true, 318, 27203},
        {L"<CLOCK_SETUP>", true, 319, 94},
        {L"CALENDAR_SETUP", true, 313, 95},
        {L"ALARM_SETUP", true, 313, 223},
        {L"ADD_ALARM", true, 315, 10016},
        {L"CAPTURE_PREVIOUS_REGION", true, 312, 22023},
        {L"SCROLL_CAPTURE", true, 312, 22020},
        {L"ADD_ANNIVERSARY", true, 314, 800},
        {L"CALENDAR", true, 318, 95},
        {L"LOCK_WINDOWS", true, 321, 28003},
        {L"MAKE_TOPWINDOW", true, 313, 0},
        {L"ALIGN_ALL", true, -1, 0},
        {L"GROUP_MANAGER", true, -1, 0},
        {L"NOTHING_AT_ALL", false, -1, 0},
    };
    for (const DescribeCase& c : cases) {
        if (c.textId) g_LanguageTable.SetAt(c.textId, CString(L"text ") + c.text);
    }
    for (const DescribeCase& c : cases) {
        EXPECT_EQ(IsAction(c.text), c.isAction) << CStringA(c.text).GetString();
        EXPECT_EQ(GetActionIcon(c.text), c.icon) << CStringA(c.text).GetString();
        CString expected = c.textId ? g_LanguageTable[c.textId] : CString();
        EXPECT_EQ(GetActionText(c.text), expected) << CStringA(c.text).GetString();
    }
}

TEST_F(ActionTest, RunActionQueuesEveryTextAndReportsValidity) {
    CActionQueue queue;
    int notified = 0;
    queue.SetNotifier([&] { ++notified; });
    CActionQueue::SetMain(&queue);

    EXPECT_TRUE(RunAction(L"new_memo"));
    EXPECT_TRUE(RunAction(L"SHELLEXECUTE:notepad.exe"));
    EXPECT_TRUE(RunAction(L"WINEXEC:notepad.exe"));
    EXPECT_FALSE(RunAction(L"shellexecute:notepad.exe"));
    EXPECT_FALSE(RunAction(L"GARBAGE"));
    EXPECT_FALSE(RunAction(L""));
    EXPECT_EQ(queue.GetCount(), 6);
    EXPECT_EQ(notified, 6);

    CActionExecutor executor(frame, frame);
    EXPECT_EQ(queue.RunAll([&](const CString& t) { return executor.ExecuteAction(t); }), 6);
    EXPECT_EQ(queue.GetCount(), 0);
    EXPECT_EQ(frame.log, (CallLog{L"PostMessage(WM_USER+1001)", L"ShellOpen(notepad.exe)", L"WinExec(notepad.exe)"}));
}

TEST_F(ActionTest, RunActionWithoutAFrameStillAnswers) {
    EXPECT_TRUE(RunAction(L"SETUP"));
    EXPECT_FALSE(RunAction(L"setup me"));
}

TEST_F(ActionTest, TextsQueuedDuringARunRunInTheSameRun) {
    CActionQueue queue;
    std::vector<CString> ran;
    int nestedResult = -1;
    queue.Append(L"A");
    queue.Append(L"B");
    int count = queue.RunAll([&](const CString& t) {
        ran.push_back(t);
        if (t == L"A") {
            queue.Append(L"C");
            // The frame's run message may arrive again inside an action that
            // pumps messages; nothing runs twice.
            nestedResult = queue.RunAll([&](const CString& inner) {
                ran.push_back(L"nested " + inner);
                return 1;
            });
        }
        if (t == L"C") queue.Append(L"D");
        return 1;
    });
    EXPECT_EQ(count, 4);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(ran, (std::vector<CString>{L"A", L"B", L"C", L"D"}));
    EXPECT_EQ(queue.GetCount(), 0);
    EXPECT_FALSE(queue.IsRunning());

    // The next run starts from an empty queue.
    EXPECT_EQ(queue.RunAll([](const CString&) { return 1; }), 0);
}

// Strings are matched on the thread's upper case, so Korean text around a
// keyword is simply no keyword.
TEST_F(ActionTest, NonAsciiTextIsNoKeyword) {
    EXPECT_FALSE(IsAction(L"\uC0C8 \uBA54\uBAA8"));
    EXPECT_EQ(Execute(L"NEW_MEMO\uAC00"), 0);
    EXPECT_TRUE(frame.log.empty());
}

}  // namespace
