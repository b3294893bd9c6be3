// The frame's shutdown countdown window with its notes running in this
// process, a test clock for the widgets and a recording stand-in for the
// system: the countdown actions, the scheduler command, and a restart
// scheduled in the dialog that the countdown runs at zero.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "ScreenPicture.h"
#include "ShutdownTestSupport.h"
#include "TestFiles.h"
#include "app/MainFrame.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "tools/ShutdownTimerLogic.h"
#include "widgets/CountDownSet.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/RegUserDlg.h"
#include "widgets/SetShutdownDlg.h"
#include "widgets/SkinInfoDlg.h"
#include "widgets/WeatherSetDlg.h"
#include "widgets/WidgetDialog.h"
#include "widgets/WidgetIds.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

using namespace shutdowntest;

namespace {

void StartGdiPlus() {
    static ULONG_PTR token = 0;
    if (token) return;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
}

// The countdown skin as the build puts it beside the program.
void CopyCountdownSkin(const CScratchFolder& folder) {
    const char* source = getenv("ZOREL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    folder.MakeFolder(L"system\\skin\\shutdown");
    CString from = CString(source) + L"\\data\\system\\skin\\shutdown\\shutdown.xml";
    from.Replace(L'/', L'\\');
    ASSERT_TRUE(CopyFileW(from, folder.Path() + L"system\\skin\\shutdown\\shutdown.xml", FALSE));
}

// The scheduler dialogs on the screen, newest first.
std::vector<HWND> SchedulerDialogs() {
    std::vector<HWND> found;
    CString title = g_LanguageTable[25313];
    HWND wnd = nullptr;
    while ((wnd = FindWindowExW(nullptr, wnd, L"#32770", title)) != nullptr)
        if (IsWindowVisible(wnd)) found.push_back(wnd);
    return found;
}

CMeasureCountDown* CountdownOf(CWidgetDialog* window) {
    return static_cast<CMeasureCountDown*>(window->FindMeasureByKind(MEASURE_COUNTDOWN));
}

class ShutdownFrame : public ::testing::Test {
protected:
    void SetUp() override {
        StartGdiPlus();
        UseAsProgramFolder(scratch);
        CopyCountdownSkin(scratch);
        g_Settings.General.ShowTrayIcon = 0;
        SetMessageBoxAnswerer([](const CString&, int) { return IDYES; });
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->PostCreateInit();
    }
    void TearDown() override {
        for (HWND dialog : SchedulerDialogs()) DestroyWindow(dialog);
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        frame = nullptr;
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
    }
    void Command(UINT id) { SendMessageW(wnd, WM_COMMAND, id, 0); }

    CScratchFolder scratch{L"shutdown-frame"};
    CRecordingSystem system;
    CTestClock clock;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
};

}  // namespace

TEST_F(ShutdownFrame, TheWidgetActionKeepsTheSkinsCountdownOrCountsTheGivenSeconds) {
    frame->ExecuteAction(L"SHUTDOWN_WIDGET");
    CWidgetDialog* window = frame->GetShutdownCountdown();
    ASSERT_NE(window, nullptr);
    CMeasureCountDown* countdown = CountdownOf(window);
    ASSERT_NE(countdown, nullptr);
    // The skin's own: an hour ahead, its target shown as there is no label.
    EXPECT_EQ(clock.now + 3600, countdown->GetTarget());
    EXPECT_TRUE(countdown->GetLabel().IsEmpty());
    EXPECT_EQ(CString(L"SHUTDOWN:30"), countdown->GetCommand());
    // Neither listed nor open to editing, and on top of other windows.
    EXPECT_TRUE(frame->GetWidgets().empty());
    EXPECT_FALSE(window->IsEditable());
    EXPECT_NE(0, GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Centred and lifted by 300 pixels, never above the top edge.
    CRect placed, work;
    window->GetWindowRect(&placed);
    HMONITOR monitor = MonitorFromWindow(window->m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {sizeof(info)};
    GetMonitorInfoW(monitor, &info);
    work = info.rcWork;
    int centredTop = work.top + (work.Height() - placed.Height()) / 2;
    EXPECT_NEAR(std::max(0, centredTop - 300), placed.top, 1);
    EXPECT_NEAR(work.left + (work.Width() - placed.Width()) / 2, placed.left, 1);
    EXPECT_EQ(1, system.aborts) << "a pending system shutdown is cancelled first";

    // With seconds: they are counted, and the action passes no label. The
    // first window fades out and goes; the second stays remembered.
    HWND first = window->m_hWnd;
    frame->ExecuteAction(L"SHUTDOWN_WIDGET:300");
    CWidgetDialog* second = frame->GetShutdownCountdown();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second->m_hWnd);
    EXPECT_EQ(clock.now + 300, CountdownOf(second)->GetTarget());
    EXPECT_TRUE(CountdownOf(second)->GetLabel().IsEmpty());
    EXPECT_EQ(2, system.aborts);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(first); }, 5000));
    EXPECT_EQ(second, frame->GetShutdownCountdown());
    EXPECT_TRUE(system.shutdowns.empty());
}

TEST_F(ShutdownFrame, CancelShutdownForgetsTheWindowAndStopsItsCountdown) {
    frame->ExecuteAction(L"SHUTDOWN_WIDGET:60");
    CWidgetDialog* window = frame->GetShutdownCountdown();
    ASSERT_NE(window, nullptr);
    HWND shown = window->m_hWnd;
    frame->ExecuteAction(L"CANCEL_SHUTDOWN");
    EXPECT_EQ(nullptr, frame->GetShutdownCountdown());
    EXPECT_TRUE(CountdownOf(window)->IsPaused());
    // Forgotten: the window no longer answers to the widget's cancel.
    frame->ExecuteAction(L"CANCEL_SHUTDOWN_WIDGET");
    EXPECT_FALSE(window->IsClosedByUser());
    // Long after its target, the cancelled countdown never shuts down.
    clock.now += 600;
    PumpFor(1500);
    EXPECT_TRUE(IsWindow(shown));
    EXPECT_TRUE(system.shutdowns.empty());
    EXPECT_FALSE(CountdownOf(window)->HasFired());
    DestroyWindow(shown);

    // The widget's cancel closes a remembered window.
    frame->ExecuteAction(L"SHUTDOWN_WIDGET:60");
    window = frame->GetShutdownCountdown();
    ASSERT_NE(window, nullptr);
    HWND remembered = window->m_hWnd;
    frame->ExecuteAction(L"CANCEL_SHUTDOWN_WIDGET");
    EXPECT_EQ(nullptr, frame->GetShutdownCountdown());
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(remembered); }, 5000));
}

TEST_F(ShutdownFrame, EachSchedulerCommandOpensAnotherDialogAndTheUserInformationOnlyOne) {
    Command(ID_SHUTDOWN_SCHEDULER);
    Command(ID_SHUTDOWN_SCHEDULER);
    std::vector<HWND> dialogs = SchedulerDialogs();
    ASSERT_EQ(2u, dialogs.size());
    // No countdown yet: nothing to cancel.
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialogs[0], CSetShutdownDlg::IDC_CANCEL_SCHEDULED)));
    for (HWND dialog : dialogs) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(SchedulerDialogs().empty());

    Command(ID_USER_INFO);
    CRegUserDlg* info = frame->GetUserInfoDialog();
    ASSERT_NE(info, nullptr);
    Command(ID_USER_INFO);
    EXPECT_EQ(info, frame->GetUserInfoDialog());
    HWND infoWnd = info->m_hWnd;
    SendMessageW(infoWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(nullptr, frame->GetUserInfoDialog());
    EXPECT_FALSE(IsWindow(infoWnd));
}

TEST_F(ShutdownFrame, ARestartScheduledInTwoMinutesRunsAtZeroWithATenSecondWarning) {
    UseScreenshotLanguage();
    Command(ID_SHUTDOWN_SCHEDULER);
    std::vector<HWND> dialogs = SchedulerDialogs();
    ASSERT_EQ(1u, dialogs.size());
    HWND dialog = dialogs[0];
    SetDlgItemInt(dialog, CSetShutdownDlg::IDC_AMOUNT, 2, TRUE);
    SendDlgItemMessageW(dialog, CSetShutdownDlg::IDC_UNIT, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageW(dialog, CSetShutdownDlg::IDC_ACTION, CB_SETCURSEL, 2, 0);
    PumpFor(200);
    SaveScreenPicture(L"shutdown-scheduler", {dialog});
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(CSetShutdownDlg::IDC_AFTER, BN_CLICKED),
                 (LPARAM)GetDlgItem(dialog, CSetShutdownDlg::IDC_AFTER));
    EXPECT_FALSE(IsWindow(dialog));

    CWidgetDialog* window = frame->GetShutdownCountdown();
    ASSERT_NE(window, nullptr);
    CMeasureCountDown* countdown = CountdownOf(window);
    EXPECT_EQ(clock.now + 120, countdown->GetTarget());
    EXPECT_EQ(CShutdownTimerLogic::Label(g_LanguageTable[25316], clock.now + 120), countdown->GetLabel());
    PumpFor(300);
    SaveScreenPicture(L"shutdown-countdown", {window->m_hWnd});

    // A second scheduler now offers to cancel the running countdown.
    Command(ID_SHUTDOWN_SCHEDULER);
    dialogs = SchedulerDialogs();
    ASSERT_EQ(1u, dialogs.size());
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialogs[0], CSetShutdownDlg::IDC_CANCEL_SCHEDULED)));
    SendMessageW(dialogs[0], WM_COMMAND, IDCANCEL, 0);

    clock.now += 60;
    PumpFor(1500);
    EXPECT_TRUE(system.shutdowns.empty()) << "a minute is left";
    clock.now += 60;
    ASSERT_TRUE(PumpUntil([&] { return !system.shutdowns.empty(); }, 5000));
    ASSERT_EQ(1u, system.shutdowns.size());
    EXPECT_EQ((ShutdownCall{10, true, true}), system.shutdowns[0]);
}

TEST_F(ShutdownFrame, PicturesOfTheWidgetsSideDialogs) {
    if (!ScreenshotsWanted()) GTEST_SKIP() << "no pictures asked for";
    UseScreenshotLanguage();
    {
        CountdownSetting preset;
        preset.year = 2027;
        preset.month = 1;
        preset.day = 1;
        preset.label = L"New Year";
        CCountDownSet dialog(nullptr);
        dialog.Preset(preset);
        dialog.SetPoint(CPoint(400, 300));
        WhenShown([&dialog] {
            SaveScreenPicture(L"countdown-setup", {dialog.m_hWnd});
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
    }
    {
        CWeatherSetDlg dialog(L"20069923", false, nullptr);
        dialog.SetPoint(CPoint(400, 300));
        WhenShown([&dialog] {
            SaveScreenPicture(L"weather-setup", {dialog.m_hWnd});
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
    }
    {
        CSkinInfoDlg dialog(scratch.Path() + L"system\\skin\\shutdown\\shutdown.xml", nullptr);
        WhenShown([&dialog] {
            SaveScreenPicture(L"skin-editor", {dialog.m_hWnd});
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
    }
    Command(ID_USER_INFO);
    ASSERT_NE(frame->GetUserInfoDialog(), nullptr);
    PumpFor(300);
    SaveScreenPicture(L"user-information", {frame->GetUserInfoDialog()->m_hWnd});
    frame->CloseUserInfoDialog();
}

TEST_F(ShutdownFrame, AWidgetsCountdownSetUpAndSkinEditorRewriteAndReloadItsSkin) {
    ASSERT_TRUE(scratch.MakeFolder(L"skin\\widgets\\timer"));
    CString skin = scratch.Path() + L"skin\\widgets\\timer\\timer.xml";
    ASSERT_TRUE(CopyFileW(scratch.Path() + L"system\\skin\\shutdown\\shutdown.xml", skin, FALSE));
    CWidgetDialog* widget = frame->OpenUnlistedWidget(skin);
    ASSERT_NE(widget, nullptr);
    HWND widgetWnd = widget->m_hWnd;

    // "Later" by 90 minutes in the countdown set-up.
    bool asked = false;
    WhenShown([&asked] {
        HWND dialog = FindWindowW(L"#32770", g_LanguageTable[2300]);
        if (!dialog) return;
        asked = true;
        SetDlgItemInt(dialog, CCountDownSet::IDC_AMOUNT, 90, TRUE);
        SendDlgItemMessageW(dialog, CCountDownSet::IDC_UNIT, CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(CCountDownSet::IDC_LATER, BN_CLICKED),
                     (LPARAM)GetDlgItem(dialog, CCountDownSet::IDC_LATER));
    });
    widget->ExecuteCommand(L"SETCOUNTDOWNTARGETDAY:SHUTDOWN");
    ASSERT_TRUE(PumpUntil([&] { return asked && CountdownOf(widget)->GetTarget() == clock.now + 5400; }, 5000));
    EXPECT_NE(std::string::npos, ReadFileBytes(skin).find("Section= \"SHUTDOWN\""));

    // The skin editor: what OK writes is what the window loads next.
    CString edited;
    WhenShown([&edited] {
        HWND dialog = GetForegroundWindow();
        wchar_t text[8192] = {};
        GetDlgItemTextW(dialog, CSkinInfoDlg::IDC_TEXT, text, 8192);
        edited = text;
        edited.Replace(L"SHUTDOWN:30", L"LOG_OFF");
        SetDlgItemTextW(dialog, CSkinInfoDlg::IDC_TEXT, edited);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(widgetWnd, WM_COMMAND, ID_SKIN_EDIT, 0);
    EXPECT_NE(-1, edited.Find(L"LOG_OFF"));
    EXPECT_EQ(CString(L"LOG_OFF"), CountdownOf(widget)->GetCommand());
    EXPECT_EQ(std::string::npos, ReadFileBytes(skin).find("SHUTDOWN:30"));
    frame->RemoveWidget(widget);
}
