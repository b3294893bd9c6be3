// The main frame as the host of actions, hot keys, the web check and the
// received-note queue: a real (hidden) frame, its system effects recorded.
#include "ActionTestSupport.h"
#include "MessagePump.h"

#include "shell/Action.h"
#include "shell/ActionQueue.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"
#include "shell/ZMsgBox.h"
#include "ui/ControlSettings.h"
#include "ui/FloatingOptions.h"
#include "ui/HotKeyboard.rh"
#include "ui/ZDialogOwner.h"

#include <cstdio>
#include <thread>

namespace {
void WriteText(const CString& path, const char* text) {
    FILE* file = _wfopen(path, L"wb");
    ASSERT_NE(file, nullptr);
    fputs(text, file);
    fclose(file);
}

class MainFrameActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"frameactions"));
        scratch->MakeFolder(L"system\\zorelcheck");
        folder = scratch->Path().GetString();
        g_ProgramFolder = folder.c_str();
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.MemoDBFile = L"Work.zmd";
        g_Settings.General.MouseOverHiding = 1;
        // Installed before the frame: its hot-key dispatcher keeps the
        // system it was made with.
        SetActionSystem(&fake);
        frame = new CMainFrame;
        window = frame->GetSafeHwnd();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        // The frame deletes itself with its window.
        if (window && IsWindow(window)) ::DestroyWindow(window);
        g_FrameAlive = 1;
        SetActionSystem(nullptr);
        SetMessageBoxAnswerer(nullptr);
        scratch.reset();
        g_ProgramFolder.Empty();
    }
    std::unique_ptr<CScratchFolder> scratch;
    std::wstring folder;
    CRecordingFrame fake;
    CMainFrame* frame = nullptr;
    HWND window = nullptr;
};
}  // namespace

TEST_F(MainFrameActionsTest, QueuedActionsRunLaterOnTheFrameInOrder) {
    ASSERT_EQ(CActionQueue::GetMain(), &frame->GetActionQueue());
    EXPECT_TRUE(RunAction(L"minimize_all"));
    EXPECT_FALSE(RunAction(L"NO_SUCH_ACTION"));
    EXPECT_TRUE(RunAction(L"UNDOMINIMIZE_ALL"));
    // Nothing runs inside the caller.
    EXPECT_TRUE(fake.log.empty());
    PumpUntil([&] { return fake.log.size() >= 2; }, 2000);
    EXPECT_EQ(fake.log, (CallLog{L"ShowDesktop(1)", L"ShowDesktop(0)"}));
    EXPECT_EQ(frame->GetActionQueue().GetCount(), 0);
    EXPECT_EQ(frame->ExecuteAction(L"BACKUP"), 0);
    EXPECT_EQ(frame->ExecuteAction(L"nonsense"), 0);
    EXPECT_EQ(frame->ExecuteAction(L"LOCK_WINDOWS"), 1);
    EXPECT_EQ(fake.log.back(), L"LockSession");
}

// The tray's Uninstall (Ctrl held) starts the uninstaller of the program
// folder, when there is one.
TEST_F(MainFrameActionsTest, UninstallCommandStartsTheUninstaller) {
    const CString uninstaller = g_ProgramFolder + L"ZorelUninstall.exe";
    ::SendMessageW(window, WM_COMMAND, ID_UNINSTALL_ZOREL, 0);
    EXPECT_TRUE(fake.log.empty());
    fake.files[uninstaller.str()] = true;
    ::SendMessageW(window, WM_COMMAND, ID_UNINSTALL_ZOREL, 0);
    EXPECT_EQ(fake.log, CallLog{L"ShellOpen(" + uninstaller.str() + L")"});
}

TEST_F(MainFrameActionsTest, HotKeyRunsItsOperationAndARepeatOpensTheKeyboard) {
    // Id 19 minimises every window; a second press within half a second
    // opens the keyboard for that key instead of minimising again.
    frame->SendMessage(WM_HOTKEY, 19, 0);
    frame->SendMessage(WM_HOTKEY, 19, 0);
    EXPECT_EQ(fake.log, (CallLog{L"ShowDesktop(1)"}));
    EXPECT_TRUE(g_DirectHotKeyboardOpen);
    HWND keyboard = nullptr;
    PumpUntil(
        [&] {
            HWND wnd = nullptr;
            while ((wnd = FindWindowExW(nullptr, wnd, L"#32770", nullptr)) != nullptr)
                if (IsWindowVisible(wnd) && GetDlgItem(wnd, IDC_HKB_NOT_USE)) keyboard = wnd;
            return keyboard != nullptr;
        },
        1000);
    ASSERT_NE(keyboard, nullptr);
    ::SendMessageW(keyboard, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(keyboard); }, 2000));
    EXPECT_FALSE(g_DirectHotKeyboardOpen);
    // An id outside the table is ignored.
    frame->SendMessage(WM_HOTKEY, 38, 0);
    EXPECT_EQ(fake.log.size(), 1u);
}

TEST_F(MainFrameActionsTest, NotesReceivedOnWorkersAreTakenWholeAndInOrder) {
    std::thread first([this] { frame->QueueReceivedMessage(L"1401010101010001.rtf", "10 20 300 200|first"); });
    first.join();
    Sleep(20);
    std::thread second([this] { frame->QueueReceivedMessage(L"1401010101010021.rtx", CStringA()); });
    second.join();
    // The workers only queued and posted; the frame arms its timer when the
    // posts arrive.
    std::vector<ReceivedNote> notes = frame->TakeReceivedNotes();
    PumpFor(100);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].fileName, L"1401010101010001.rtf");
    EXPECT_EQ(notes[0].text, L"10 20 300 200|first");
    EXPECT_EQ(notes[1].fileName, L"1401010101010021.rtx");
    EXPECT_EQ(notes[1].text, L"");
}

TEST_F(MainFrameActionsTest, WebCheckResultSetsTheIntervalAndFailuresCount) {
    CString result = GetWebCheckResultPath();
    WriteText(result, "<?xml version=\"1.0\" ?><ZorelCheck><SYSTEM><CheckDelay>0</CheckDelay></SYSTEM></ZorelCheck>");
    g_CheckFailCount = 0;
    SetCheckInterval(5);
    frame->SendMessage(WM_WEBCHECK_DONE, 1, 0);
    EXPECT_EQ(g_CheckFailCount.load(), 10);
    EXPECT_EQ(GetCheckInterval(), 86400);

    WriteText(result, "<NotTheCheck/>");
    frame->SendMessage(WM_WEBCHECK_DONE, 1, 0);
    EXPECT_EQ(g_CheckFailCount.load(), 11);
    EXPECT_EQ(GetCheckInterval(), 86400);
    // A failed request was counted by its own thread.
    frame->SendMessage(WM_WEBCHECK_DONE, 0, 0);
    EXPECT_EQ(g_CheckFailCount.load(), 11);
    g_CheckFailCount = 0;
}

TEST_F(MainFrameActionsTest, TodayInfoStartsACheckThatLeavesNothingInFlight) {
    g_Settings.ForceCheck = 0;
    EXPECT_EQ(frame->ExecuteAction(L"TODAY_INFO"), 1);
    EXPECT_EQ(g_Settings.ForceCheck, 1);
    EXPECT_EQ(fake.log, (CallLog{L"RemoveFile(" + std::wstring(GetWebCheckResultPath().GetString()) + L")"}));
    // Without a request to send, the check ends at once; the next may start.
    EXPECT_TRUE(CWebCheckResult::TryBeginCheck());
    // While one is in flight a second start is refused quietly.
    frame->StartWebCheck();
    EXPECT_FALSE(CWebCheckResult::TryBeginCheck());
    CWebCheckResult::EndCheck();
    g_Settings.ForceCheck = 0;
}

TEST_F(MainFrameActionsTest, FrameOwnsTheFloatingWindowsWhileItLives) {
    CZDialogOwner& owner = GetZDialogOwner();
    g_SaveTickCount = 0;
    owner.RequestSaveSoon();
    EXPECT_EQ(g_SaveTickCount, 59);
    g_SaveTickCount = 0;

    CString asked;
    int askedType = 0, answer = IDNO;
    SetMessageBoxAnswerer([&](const CString& text, int type) {
        asked = text;
        askedType = type;
        return answer;
    });
    EXPECT_FALSE(owner.ConfirmExit());
    EXPECT_EQ(asked, g_LanguageTable[10147]);
    EXPECT_EQ(askedType, 4);
    answer = IDYES;
    EXPECT_TRUE(owner.ConfirmExit());

    ::DestroyWindow(window);
    EXPECT_NE(&GetZDialogOwner(), &owner);
    EXPECT_EQ(CActionQueue::GetMain(), nullptr);
}

TEST_F(MainFrameActionsTest, ControlSettingsFollowTheSettings) {
    EXPECT_EQ(g_ControlSettings.MemoDBFile, L"Work.zmd");
    EXPECT_TRUE(g_ControlSettings.MouseOverHiding);
    g_Settings.General.MemoDBFile = L"Home.zmd";
    g_Settings.General.MouseOverHiding = 0;
    int report = g_Settings.ReportErrors;
    g_Settings.ReportErrors = 0;
    frame->SendMessage(WM_SETTINGS_CLOSED, 1, 0);
    g_Settings.ReportErrors = report;
    EXPECT_EQ(g_ControlSettings.MemoDBFile, L"Home.zmd");
    EXPECT_FALSE(g_ControlSettings.MouseOverHiding);
}

TEST(FloatingOptionsPlatformTest, LayeredWindowsOnlyOnTheNtFamily) {
    int saved = g_PlatformId;
    const struct {
        int platform;
        bool nt;
    } cases[] = {{0, false}, {1, false}, {2, true}};
    for (const auto& c : cases) {
        g_PlatformId = c.platform;
        EXPECT_EQ(FloatingOptionsFromSettings().PlatformNT, c.nt) << c.platform;
    }
    g_PlatformId = saved;
}

// "Homepage..." and "Make a Donation..." open the maker's pages, in the
// language's form, through the shell.
TEST_F(MainFrameActionsTest, HomepageAndDonationOpenTheMakersPages) {
    CString saved = g_Settings.System.language;
    const struct {
        const wchar_t* language;
        UINT command;
        const wchar_t* opened;
    } cases[] = {
        {L"english", ID_HOMEPAGE, L"ShellOpen(http://www.example.com/zorel/)"},
        {L"english", ID_DONATION, L"ShellOpen(http://www.example.com/zorel/donate/)"},
        {L"korean", ID_HOMEPAGE, L"ShellOpen(http://www.example.com/ko/zorel/)"},
        {L"Korea", ID_DONATION, L"ShellOpen(http://www.example.com/ko/zorel/donate/)"},
    };
    for (const auto& c : cases) {
        g_Settings.System.language = c.language;
        fake.log.clear();
        ::SendMessageW(window, WM_COMMAND, c.command, 0);
        EXPECT_EQ(fake.log, (CallLog{c.opened})) << c.language;
    }
    g_Settings.System.language = saved;
}
