// The main frame in this process with a test clock: the action
// "ADD_SCHEDULE" opens the alarm dialog, the alarm made for the next minute
// is written, listed by the schedule manager, read back after a restart and
// fired at its minute. A note's schedule command edits the note's alarm.
// With ZOREL_SCREENSHOT_DIR set, both dialogs are pictured.
#include "AlarmDialogTestSupport.h"
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "app/MainFrame.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "notes/NoteIds.h"
#include "shell/Action.h"
#include "shell/AppGlobals.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"

#include <cstdlib>

namespace {
// The alarm dialog open on this thread, if any.
CAddAlarmDlg* OpenAlarmDialog() {
    CAddAlarmDlg* found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            if (auto* d = dynamic_cast<CAddAlarmDlg*>(CWnd::FromHandlePermanent(wnd))) {
                *(CAddAlarmDlg**)param = d;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

// The program's pictures of the alarm kinds and icons, as the build puts
// them beside the program.
void CopyAlarmPictures(const CScratchFolder& folder) {
    const char* source = getenv("ZOREL_SOURCE_DIR");
    if (!source) return;
    folder.MakeFolder(L"system\\res");
    CString from = CString(source) + L"\\data\\system\\res\\";
    from.Replace(L'/', L'\\');
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(from + L"*.bmp", &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        CopyFileW(from + data.cFileName, folder.Path() + L"system\\res\\" + data.cFileName, FALSE);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

class FrameAlarms : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        CopyAlarmPictures(scratch);
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.HistoryLevel = 0;
        g_Settings.Clock.ViewMode = 0;
        SetMessageBoxAnswerer([this](const CString& text, int) {
            boxes.push_back(text);
            return IDYES;
        });
        CAlarmInfo::SetDefaults(AlarmDefaults());
    }
    void TearDown() override {
        StopFrame();
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        CAlarmInfo::SetDefaults(AlarmDefaults());
    }
    void StartFrame() {
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->m_clock = [this] { return clock; };
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
    void StopFrame() {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        frame = nullptr;
        g_FrameAlive = 1;
    }
    void Tick(const SYSTEMTIME& now) {
        clock = now;
        frame->CheckMinuteAndDay();
    }
    int Notices(const wchar_t* words) const {
        int n = 0;
        for (const CString& box : boxes) n += box.Find(words) >= 0;
        return n;
    }

    CScratchFolder scratch{L"frame-alarms"};
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
    SYSTEMTIME clock = MakeSystemTime(2014, 3, 3, 9, 30, 20);
    std::vector<CString> boxes;
};
}  // namespace

TEST_F(FrameAlarms, AddedFromTheActionListedKeptAcrossARestartAndFiredAtItsMinute) {
    StartFrame();
    Tick(clock);
    bool opened = false;
    WhenShown([&opened] {
        CAddAlarmDlg* dialog = OpenAlarmDialog();
        if (!dialog) return;
        opened = true;
        CAddAlarmLogic::Form f = dialog->ReadControls();
        f.kind = CAlarmInfo::KindTargetDay;
        f.minute += 1;  // 9:31, the next minute
        f.style = 2;    // a pop-up notice, which the test answers
        dialog->WriteControls(f);
        dialog->OnKindChanged();
        dialog->SetDlgItemText(CAddAlarmDlg::IDC_CONTENTS, L"Call the bakery");
        dialog->ShowWindow(SW_SHOW);
        dialog->UpdateWindow();
        SaveScreenPicture(L"add-alarm-dialog", {dialog->m_hWnd});
        dialog->SendMessage(WM_COMMAND, IDOK);
    });
    ASSERT_TRUE(RunAction(L"ADD_SCHEDULE"));
    ASSERT_TRUE(PumpUntil([this] { return frame->GetNotes()->AlarmStore().Alarms().GetSize() == 1; }, 10000));
    EXPECT_TRUE(opened);
    const CAlarmInfo& added = frame->GetNotes()->AlarmStore().Alarms()[0];
    EXPECT_EQ(added.m_nHour, 9);
    EXPECT_EQ(added.m_nMinute, 31);
    EXPECT_EQ(added.m_bEnabled, 1);
    EXPECT_FALSE(ReadFileBytes(scratch.Path() + L"schedule_data\\schedule_data.zra").empty());

    frame->SendMessage(WM_COMMAND, ID_SCHEDULE_MANAGER);
    CAlarmSetDlg* manager = frame->GetScheduleManager();
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(::IsWindowVisible(manager->m_hWnd));
    ASSERT_EQ(manager->GetGrid()->GetRowCount(), 2);
    EXPECT_EQ(manager->GetGrid()->GetItemText(1, 0), CString(L"Specific Day (2014/03/03)"));
    EXPECT_EQ(manager->GetGrid()->GetItemText(1, 2), CString(L"Call the bakery"));
    PumpWaiting();
    SaveScreenPicture(L"schedule-manager", {manager->m_hWnd});

    StopFrame();
    StartFrame();
    ASSERT_EQ(frame->GetNotes()->AlarmStore().Alarms().GetSize(), 1);
    Tick(MakeSystemTime(2014, 3, 3, 9, 30, 50));
    EXPECT_EQ(Notices(L"Call the bakery"), 0);
    Tick(MakeSystemTime(2014, 3, 3, 9, 31, 0));
    EXPECT_EQ(Notices(L"Call the bakery"), 1);
}

TEST_F(FrameAlarms, AnAlarmForTheCurrentMinuteFiresAtTheNextTick) {
    StartFrame();
    Tick(clock);
    WhenShown([] {
        if (CAddAlarmDlg* dialog = OpenAlarmDialog()) {
            CAddAlarmLogic::Form f = dialog->ReadControls();
            f.kind = CAlarmInfo::KindEveryDay;
            f.style = 2;
            dialog->WriteControls(f);
            dialog->SetDlgItemText(CAddAlarmDlg::IDC_CONTENTS, L"Right now");
            dialog->SendMessage(WM_COMMAND, IDOK);
        }
    });
    frame->SendMessage(WM_ADD_SCHEDULE);
    ASSERT_EQ(frame->GetNotes()->AlarmStore().Alarms().GetSize(), 1);
    Tick(MakeSystemTime(2014, 3, 3, 9, 30, 40));  // the same minute, looked at again
    EXPECT_EQ(Notices(L"Right now"), 1);
}

TEST_F(FrameAlarms, EditAlarmDeletesOrKeepsByTheDialogsAnswer) {
    StartFrame();
    CAlarmInfo a;
    a.m_nKind = 0;
    a.m_strContents = L"Stand up";
    int id = frame->GetNotes()->AlarmStore().AddAlarm(a).m_nId;
    ASSERT_TRUE(frame->GetNotes()->AlarmStore().Save());
    CString file = scratch.Path() + L"schedule_data\\schedule_data.zra";
    std::string before = ReadFileBytes(file);

    WhenShown([] {
        if (CAddAlarmDlg* dialog = OpenAlarmDialog()) dialog->SendMessage(WM_COMMAND, IDCANCEL);
    });
    frame->EditAlarm(id);
    EXPECT_EQ(frame->GetNotes()->AlarmStore().Alarms().GetSize(), 1);
    EXPECT_EQ(ReadFileBytes(file), before);

    WhenShown([] {
        if (CAddAlarmDlg* dialog = OpenAlarmDialog()) dialog->SendMessage(WM_COMMAND, CAddAlarmDlg::IDC_DELETE);
    });
    frame->EditAlarm(id);
    EXPECT_EQ(frame->GetNotes()->AlarmStore().Alarms().GetSize(), 0);
    EXPECT_NE(ReadFileBytes(file), before);
}

TEST_F(FrameAlarms, ANotesScheduleCommandEditsItsOwnAlarm) {
    StartFrame();
    CMemoDlg* note = frame->GetNotes()->NewMemo();
    ASSERT_NE(note, nullptr);
    CString memoFile = note->GetInfo().m_strFileName;
    for (const wchar_t* text : {L"first", L"second"}) {
        WhenShown([text] {
            if (CAddAlarmDlg* dialog = OpenAlarmDialog()) {
                dialog->SetDlgItemText(CAddAlarmDlg::IDC_SOUND, text);
                dialog->SendMessage(WM_COMMAND, IDOK);
            }
        });
        note->SendMessage(WM_COMMAND, ID_MEMO_ALARM);
        PumpWaiting();
    }
    CAlarmStore& store = frame->GetNotes()->AlarmStore();
    ASSERT_EQ(store.Alarms().GetSize(), 1);
    EXPECT_EQ(store.Alarms()[0].m_strMemoFile, memoFile);
    EXPECT_EQ(store.Alarms()[0].m_strSound, CString(L"second"));
}
