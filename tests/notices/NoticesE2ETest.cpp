// Alarms firing their notices through the real main frame in this process,
// driven by a test clock: one alarm of each notice style shows a sliding
// notice, a pop-up, a pop-up that closes itself and a pop-up in note
// colours; each window frees itself after its fade-out, and the tray's
// click shows the tooltip widget.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "TestFiles.h"

#include "app/MainFrame.h"
#include "calendar/AlarmInfo.h"
#include "notes/AlarmStore.h"
#include "notes/FrameNotes.h"
#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/ZDialogList.h"
#include "widgets/NoticeDisplay.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"
#include "widgets/ToolTipWidgetDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct LiveNotices {
    std::vector<CSlideUpDlg*> slides;
    std::vector<CPopUpDlg*> popups;
};

LiveNotices FindNotices() {
    LiveNotices found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            LiveNotices* f = (LiveNotices*)param;
            CWnd* window = CWnd::FromHandlePermanent(wnd);
            if (CSlideUpDlg* slide = dynamic_cast<CSlideUpDlg*>(window)) f->slides.push_back(slide);
            if (CPopUpDlg* popup = dynamic_cast<CPopUpDlg*>(window)) f->popups.push_back(popup);
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

class NoticesE2ETest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"notices-e2e"));
        UseAsProgramFolder(*scratch);
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.ViewMemoOnStart = 0;
        g_Settings.General.TrayIconClickRun = 0;
        g_Settings.Clock.ViewMode = 0;
        g_Settings.Alarm.AutoCloseTime = 2;
        SetMessageBoxAnswerer([this](const CString& text, int) {
            boxes.push_back(text);
            return 6;
        });
        clock = MakeSystemTime(2014, 3, 3, 9, 0, 0);
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->m_clock = [this] { return clock; };
        frame->PostCreateInit();
        ASSERT_NE(frame->GetNotes(), nullptr);
        PumpFor(200);
    }
    void TearDown() override {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        scratch.reset();
    }
    void AddAlarm(int style, const wchar_t* text) {
        CAlarmInfo alarm;
        alarm.m_bEnabled = 1;
        alarm.m_nKind = 2;
        alarm.m_nNoticeStyle = style;
        alarm.m_nYear = 2014;
        alarm.m_nMonth = 3;
        alarm.m_nDay = 3;
        alarm.m_nHour = 9;
        alarm.m_nMinute = 5;
        alarm.m_nAdvance = 0;
        alarm.m_nTimeMode = 0;
        alarm.m_strContents = text;
        CAlarmInfo copy;
        copy = alarm;
        frame->GetNotes()->AlarmStore().AddAlarm(copy);
    }

    std::unique_ptr<CScratchFolder> scratch;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
    SYSTEMTIME clock;
    std::vector<CString> boxes;
};

}  // namespace

TEST_F(NoticesE2ETest, EachNoticeStyleShowsItsWindowAndEveryWindowIsFreedAfterItsFadeOut) {
    UseScreenshotLanguage();
    const int before = (int)GetRegisteredDialogs().size();
    const wchar_t* texts[] = {L"Water the plants", L"Call the bank", L"Stretch a little", L"Buy a cake"};
    for (int style = 0; style < 4; ++style) AddAlarm(style, texts[style]);
    clock = MakeSystemTime(2014, 3, 3, 9, 5, 0);
    frame->CheckMinuteAndDay();

    LiveNotices live = FindNotices();
    ASSERT_EQ(live.slides.size(), 1u);
    ASSERT_EQ(live.popups.size(), 3u);
    EXPECT_TRUE(boxes.empty());  // no notice uses the message box
    EXPECT_EQ(live.slides[0]->GetText().body, texts[0]);
    EXPECT_GE(live.slides[0]->GetText().title.Find(L"[Schedule]"), 0);
    for (CPopUpDlg* popup : live.popups) {
        int style = popup->GetStyle();
        ASSERT_GE(style, 1);
        EXPECT_EQ(popup->GetText().body, texts[style]);
        // Only style 2 closes itself; the others stay until closed.
        EXPECT_EQ(popup->GetAutoCloseTime(), style == 2 ? 2000 : -1);
        EXPECT_EQ(popup->GetMeters().size(), style == 3 ? 3u : 4u);
    }
    // The slide-up stays two seconds, so it is still there in full view.
    ASSERT_TRUE(PumpUntil([&] { return live.slides[0]->GetMotion().State() == CSlideMotion::STATE_STAY; }, 5000));
    // Found again from here on: the self-closing pop-up may have gone.
    live = FindNotices();
    if (ScreenshotsWanted()) {
        SaveScreenPicture(L"notice_slide_up", {live.slides[0]->m_hWnd});
        for (CPopUpDlg* popup : live.popups) {
            const wchar_t* names[] = {L"", L"notice_popup", L"notice_popup_closing", L"notice_popup_note"};
            // One at a time, as they cascade over each other.
            for (CPopUpDlg* other : live.popups) other->ShowWindow(other == popup ? SW_SHOWNOACTIVATE : SW_HIDE);
            PumpWaiting();
            SaveScreenPicture(names[popup->GetStyle()], {popup->m_hWnd});
        }
        for (CPopUpDlg* other : live.popups) other->ShowWindow(SW_SHOWNOACTIVATE);
    }

    // The slide-up slides out after its stay, style 2 fades after its time;
    // styles 1 and 3 are closed by their close button's command.
    for (CPopUpDlg* popup : FindNotices().popups)
        if (popup->GetStyle() != 2) popup->PostCommand(L"Hide");
    EXPECT_TRUE(PumpUntil([] { return CountNoticeWindows() == 0; }, 15000));
    EXPECT_EQ((int)GetRegisteredDialogs().size(), before);
}

TEST_F(NoticesE2ETest, TheTraysClickShowsTheQuickMenuTooltipWidget) {
    const CString saved = g_ProgramFolder;
    const char* source = getenv("ZOREL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    CString data(source);
    data.Replace(L'/', L'\\');
    g_ProgramFolder = L"Z:" + data + L"\\data\\";
    frame->CreateToolTipWidget();
    CToolTipWidgetDlg* popup = frame->ShowToolTipWidget(400, 400, CString());
    g_ProgramFolder = saved;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, frame->GetToolTipWidget());
    EXPECT_EQ(popup->GetMode(), CToolTipWidgetDlg::MODE_PLAIN);
    EXPECT_TRUE(popup->HasArrows());
    EXPECT_GT(popup->GetMeters().size(), 5u);
    ASSERT_TRUE(PumpUntil([&] { return popup->IsVisible() && popup->GetFadeStep() >= 15; }));
    if (ScreenshotsWanted()) SaveScreenPicture(L"tooltip_widget_quick_menu", {popup->m_hWnd});
    // A click on another skinned window hides it at once.
    frame->HideToolTipWidget(nullptr);
    EXPECT_FALSE(::IsWindowVisible(popup->m_hWnd));
}
