// The main frame's notes and alarms in this process, on real note windows:
// the minute check driven by a test clock, an alarm flashing its note,
// switching groups, searching, the recycle bin and a note closing itself;
// the real mouse and keys on a note: its menu, its find box, its title
// dialog. Message boxes are answered by the tests.
#include <cstdio>
#include "TestFiles.h"
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "calendar/AlarmInfo.h"
#include "notes/AlarmStore.h"
#include "notes/FrameNotes.h"
#include "notes/LifecycleSystemHost.h"
#include "notes/MemoDlg.h"
#include "notes/MemoStore.h"
#include "notes/EditMemoGroupDlg.h"
#include "ui/ControlSettings.h"
#include "notes/RestoreHistoryDlg.h"
#include "notes/RestoreMemoDlg.h"
#include "notes/StyleBar.h"
#include "notes/TitleBar.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "notes/NoteIds.h"
#include "shell/ProgramFolder.h"
#include "app/SearchMemoDlg.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "shell/SafeFileWriter.h"
#include "shell/SaveFailureReport.h"
#include "shell/Seams.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/FloatingOptions.h"
#include "ui/ShareButtonEx.h"
#include "ui/ShowEffectDlg.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {
SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second = 0) {
    return MakeSystemTime(year, month, day, hour, minute, second);
}

class FrameNotesTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"frame-notes"));
        folder = scratch->Path();
        UseAsProgramFolder(*scratch);
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.ViewMemoOnStart = 1;
        g_Settings.General.HistoryLevel = 0;
        g_Settings.Clock.ViewMode = 0;
        SetMessageBoxAnswerer([this](const CString& text, int) {
            boxes.push_back(text);
            return 6;
        });
        clock = At(2014, 3, 3, 9, 0);
    }
    void TearDown() override {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
        scratch.reset();
    }
    void StartFrame(bool waitForGroup = true) {
        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->m_clock = [this] { return clock; };
        frame->PostCreateInit();
        ASSERT_NE(frame->GetNotes(), nullptr);
        if (waitForGroup) WaitForGroup();
    }
    // The group's windows open a few at a time from the message loop.
    void WaitForGroup() { ASSERT_TRUE(PumpUntil([this] { return !frame->GetNotes()->IsOpeningMemos(); }, 60000)); }
    void Tick(const SYSTEMTIME& now) {
        clock = now;
        frame->CheckMinuteAndDay();
    }
    CMemoDlg* NewNote(const wchar_t* text) {
        int before = frame->GetMemoCount();
        frame->NewMemo();
        EXPECT_EQ(frame->GetMemoCount(), before + 1);
        CMemoDlg* note = frame->GetNotes()->Memos()[before].m_pWindow;
        note->GetEditor().ReplaceSel(text);
        return note;
    }
    CArray<CMemoInfo> ReadGroup(const wchar_t* group) {
        CArray<CMemoInfo> memos;
        frame->GetNotes()->Store().SerializeGroupFile(group, memos, 0);
        return memos;
    }
    // Writes a group file of the memo folder with its notes' text files:
    // one per entry, expanded or folded, with its title.
    struct NoteSpec {
        std::wstring text;
        std::wstring title;
        bool folded;
    };
    void WriteGroup(const wchar_t* group, const wchar_t* prefix, const std::vector<NoteSpec>& notes) {
        CArray<CMemoInfo> list;
        for (size_t i = 0; i < notes.size(); ++i) {
            CMemoInfo record;
            wchar_t name[64];
            swprintf(name, 64, L"%ls%03d.rtf", prefix, (int)i);
            record.m_strFileName = name;
            int x = 20 + (int)(i % 30) * 25, y = 20 + (int)(i % 20) * 30;
            record.m_rcWindow = CRect(x, y, x + 200, y + 120);
            record.m_nExpandedWidth = 200;
            record.m_nExpandedHeight = 120;
            record.m_bExpanded = notes[i].folded ? 0 : 1;
            record.m_strTitle = notes[i].title.c_str();
            list.Add(record);
            std::string rtf = "{\\rtf1\\ansi ";
            for (wchar_t c : notes[i].text) rtf += (char)c;
            rtf += "\\par}";
            WriteFile(folder + L"memo_data\\" + name, rtf);
        }
        std::vector<BYTE> bytes = CMemoStore::BuildListBytes(list);
        WriteFile(folder + L"memo_data\\" + group, std::string(bytes.begin(), bytes.end()));
    }
    static void WriteFile(const CString& path, const std::string& bytes) { ASSERT_TRUE(WriteFileBytes(path, bytes)); }
    static std::string ReadFile(const CString& path) { return ReadFileBytes(path); }
    // The note windows alive on this thread.
    static std::vector<CMemoDlg*> LiveNoteWindows() {
        std::vector<CMemoDlg*> found;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND wnd, LPARAM param) -> BOOL {
                if (CMemoDlg* note = dynamic_cast<CMemoDlg*>(CWnd::FromHandlePermanent(wnd)))
                    ((std::vector<CMemoDlg*>*)param)->push_back(note);
                return TRUE;
            },
            (LPARAM)&found);
        return found;
    }
    // The texts of the boxes and of the notice windows alive, in order.
    std::vector<CString> Notices() const {
        std::vector<CString> texts = boxes;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND wnd, LPARAM param) -> BOOL {
                CWnd* window = CWnd::FromHandlePermanent(wnd);
                const NoticeText* text = nullptr;
                if (CPopUpDlg* popup = dynamic_cast<CPopUpDlg*>(window)) text = &popup->GetText();
                if (CSlideUpDlg* slide = dynamic_cast<CSlideUpDlg*>(window)) text = &slide->GetText();
                if (text) ((std::vector<CString>*)param)->push_back(text->title + L"   " + text->body);
                return TRUE;
            },
            (LPARAM)&texts);
        return texts;
    }
    int NoticeCount(const wchar_t* words) const {
        int n = 0;
        for (const CString& text : Notices()) n += text.Find(words) >= 0;
        return n;
    }

    std::unique_ptr<CScratchFolder> scratch;
    CString folder;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
    SYSTEMTIME clock;
    std::vector<CString> boxes;
};
// The system's message box, counted and answered at once.
class CCountingSystemBox : public ISystemMessageBox {
public:
    std::vector<CString> texts;
    CCountingSystemBox() { SetSystemMessageBox(this); }
    ~CCountingSystemBox() override { SetSystemMessageBox(nullptr); }
    int Show(HWND, const CString& text, const CString&, UINT) override {
        texts.push_back(text);
        return IDOK;
    }
};

std::string FileBytes(const CString& path) {
    std::vector<BYTE> bytes;
    CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes);
    return std::string(bytes.begin(), bytes.end());
}
}  // namespace

TEST_F(FrameNotesTest, TestClockFiresADesignatedDayAlarmOnceAtItsMinuteAndWritesItDone) {
    StartFrame();
    CAlarmInfo alarm;
    alarm.m_bEnabled = 1;
    alarm.m_nKind = 2;
    alarm.m_nNoticeStyle = 1;
    alarm.m_nYear = 2014;
    alarm.m_nMonth = 3;
    alarm.m_nDay = 3;
    alarm.m_nHour = 9;
    alarm.m_nMinute = 5;
    alarm.m_nAdvance = 0;
    alarm.m_nTimeMode = 0;
    alarm.m_strContents = L"Dentist";
    CAlarmInfo copy;
    copy = alarm;  // assignment works out the minute key
    frame->GetNotes()->AlarmStore().AddAlarm(copy);

    Tick(At(2014, 3, 3, 9, 4, 30));
    EXPECT_EQ(NoticeCount(L"Dentist"), 0);
    Tick(At(2014, 3, 3, 9, 5, 0));
    ASSERT_EQ(NoticeCount(L"Dentist"), 1);
    EXPECT_GE(Notices().back().Find(L"2014]/3/3 9:5"), 0) << Notices().back().GetString();
    Tick(At(2014, 3, 3, 9, 5, 40));  // the same minute is not checked twice
    Tick(At(2014, 3, 3, 9, 6, 0));
    frame->SetLastMinuteKey(0);  // an alarm dialog's reset runs the present minute again
    Tick(At(2014, 3, 3, 9, 6, 1));
    EXPECT_EQ(NoticeCount(L"Dentist"), 1);

    std::string bytes;
    {
        FILE* file = _wfopen(folder + L"schedule_data\\schedule_data.zra", L"rb");
        ASSERT_NE(file, nullptr);
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
        fclose(file);
    }
    std::vector<CAlarmInfo> stored;
    CAlarmStore::ParseFile((const BYTE*)bytes.data(), bytes.size(), stored, 10);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].m_bEnabled, 0);
}

TEST_F(FrameNotesTest, AlarmTiedToAnOpenNoteRaisesItWithoutANotice) {
    StartFrame();
    CMemoDlg* note = NewNote(L"call the plumber");
    CAlarmInfo alarm;
    alarm.m_bEnabled = 1;
    alarm.m_nKind = 0;
    alarm.m_nNoticeStyle = 0;
    alarm.m_nHour = 8;
    alarm.m_nMinute = 0;
    alarm.m_nAdvance = 0;
    alarm.m_nTimeMode = 0;
    alarm.m_strContents = L"plumber";
    alarm.m_strMemoFile = note->GetInfo().m_strFileName;
    CAlarmInfo copy;
    copy = alarm;
    frame->GetNotes()->AlarmStore().AddAlarm(copy);
    EXPECT_EQ(note->GetInfo().m_nLevel, 0);
    Tick(At(2014, 3, 4, 8, 0));
    EXPECT_EQ(NoticeCount(L"plumber"), 0);
    EXPECT_EQ(note->GetInfo().m_nLevel, 1);
    EXPECT_TRUE(GetWindowLongPtrW(note->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// A note's menu as the frame finishes it: sending, attaching a schedule
// and the rest are there and enabled.
TEST_F(FrameNotesTest, NoteMenuGreysWhatIsStillToCome) {
    StartFrame();
    // The NT family, where the schedule command is on the menu at all.
    SetFloatingOptionsProvider([] {
        CFloatingOptions options = FloatingOptionsFromSettings();
        options.PlatformNT = true;
        return options;
    });
    CMemoDlg* note = NewNote(L"menu");
    HMENU menu = note->BuildContextMenu();
    SetFloatingOptionsProvider(nullptr);
    auto grey = [menu](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grey(ID_MEMO_SEND));
    EXPECT_NE(GetMenuState(menu, ID_MEMO_ALARM, MF_BYCOMMAND), (UINT)-1);
    EXPECT_FALSE(grey(ID_MEMO_ALARM));
    EXPECT_FALSE(grey(ID_NEW_MEMO));
    EXPECT_FALSE(grey(ID_MEMO_DELETE));
    DestroyMenu(menu);
}

TEST_F(FrameNotesTest, SwitchingGroupsSavesClosesAndOpensTheirNotes) {
    StartFrame();
    NewNote(L"first group's note");
    CArray<CMemoInfo> none;
    ASSERT_EQ(frame->GetNotes()->Store().SerializeGroupFile(L"b.zrd", none, 1), 1);

    frame->SwitchMemoGroup(L"b.zrd");
    EXPECT_EQ(frame->GetMemoCount(), 0);
    EXPECT_EQ(g_Settings.General.MemoDBFile, CString(L"b.zrd"));
    EXPECT_EQ(g_ControlSettings.MemoDBFile, CString(L"b.zrd"));  // the group list's current row follows
    CArray<CMemoInfo> first = ReadGroup(L"DefaultMemo.zrd");
    ASSERT_EQ(first.GetSize(), 1);
    // The note was written when its group was put away.
    EXPECT_NE(GetFileAttributesW(folder + L"memo_data\\" + first[0].m_strFileName), INVALID_FILE_ATTRIBUTES);

    frame->SwitchMemoGroup(L"DefaultMemo.zrd");
    WaitForGroup();
    ASSERT_EQ(frame->GetMemoCount(), 1);
    CMemoDlg* back = frame->GetNotes()->Memos()[0].m_pWindow;
    ASSERT_NE(back, nullptr);
    CString text;
    back->GetEditor().GetWindowText(text);
    EXPECT_EQ(text, CString(L"first group's note"));
}

TEST_F(FrameNotesTest, SearchFindsTitlesAndKoreanTextAndPutsTheFoundOnTop) {
    StartFrame();
    CMemoDlg* apple = NewNote(L"an apple a day");
    CMemoDlg* korean = NewNote(L"\uC0AC\uACFC \uD55C \uAC1C");  // "an apple" in Korean
    CMemoDlg* other = NewNote(L"nothing here");
    other->GetInfo().m_strTitle = L"Shopping";

    struct Case {
        const wchar_t* text;
        CMemoDlg* found;
    } cases[] = {{L"apple", apple}, {L"\uC0AC\uACFC", korean}, {L"Shopping", other}};
    for (const Case& c : cases) {
        for (int i = 0; i < frame->GetMemoCount(); ++i) frame->GetNotes()->Memos()[i].m_pWindow->SetLevel(0);
        frame->OpenSearchMemoDialog();
        SearchMemoOptions options;
        options.text = c.text;
        options.foundOnTop = 1;
        frame->SearchMemos(options);
        EXPECT_EQ(frame->GetSearchMemoDialog(), nullptr);  // found: the dialog closes
        for (int i = 0; i < frame->GetMemoCount(); ++i) {
            CMemoDlg* note = frame->GetNotes()->Memos()[i].m_pWindow;
            EXPECT_EQ(note->GetInfo().m_nLevel, note == c.found ? 1 : 0) << CString(c.text).GetString();
        }
    }

    // Nothing found: Retry keeps the dialog open.
    frame->GetNotes()->LifecycleHost().messageBox = [](const CString&, UINT) { return IDRETRY; };
    frame->OpenSearchMemoDialog();
    SearchMemoOptions options;
    options.text = L"pear";
    frame->SearchMemos(options);
    EXPECT_NE(frame->GetSearchMemoDialog(), nullptr);
    frame->CloseSearchMemoDialog();
}

TEST_F(FrameNotesTest, RecycleBinAndClosingANoteRewriteTheList) {
    StartFrame();
    CMemoDlg* keep = NewNote(L"keep me");
    CMemoDlg* away = NewNote(L"throw me away");
    CMemoDlg* gone = NewNote(L"close me");
    CString awayFile = away->GetInfo().m_strFileName;

    SendMessageW(wnd, WM_MEMO_TO_RECYCLE_BIN, (WPARAM)away, 0);
    EXPECT_EQ(frame->GetMemoCount(), 2);
    CArray<CMemoInfo> bin = ReadGroup(L"RecycleBin.zrr");
    ASSERT_EQ(bin.GetSize(), 1);
    EXPECT_EQ(bin[0].m_strFileName, awayFile);

    SendMessageW(wnd, WM_MEMO_CLOSED, (WPARAM)gone, 0);
    PumpUntil([&] { return frame->GetMemoCount() == 1; }, 2000);
    ASSERT_EQ(frame->GetMemoCount(), 1);
    EXPECT_EQ(frame->GetNotes()->Memos()[0].m_pWindow, keep);
    CArray<CMemoInfo> current = ReadGroup(L"DefaultMemo.zrd");
    ASSERT_EQ(current.GetSize(), 1);
    EXPECT_EQ(current[0].m_strFileName, keep->GetInfo().m_strFileName);
}

TEST_F(FrameNotesTest, FrameWithoutNotesWritesNothing) {
    // A frame that never loaded its group (the tests of the shell make such
    // frames) must not write an empty list over the group.
    CArray<CMemoInfo> one;
    one.Add(CMemoInfo());
    one[0].m_strFileName = L"20140303090000000.rtf";
    FILE* file = _wfopen(folder + L"memo_data\\DefaultMemo.zrd", L"wb");
    ASSERT_NE(file, nullptr);
    std::vector<BYTE> bytes = CMemoStore::BuildListBytes(one);
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    frame = new CMainFrame;
    wnd = frame->GetSafeHwnd();
    for (int i = 0; i < 3; ++i) SendMessageW(wnd, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    frame = nullptr;
    g_FrameAlive = 1;
    FILE* again = _wfopen(folder + L"memo_data\\DefaultMemo.zrd", L"rb");
    ASSERT_NE(again, nullptr);
    fseek(again, 0, SEEK_END);
    EXPECT_EQ((size_t)ftell(again), bytes.size());
    fclose(again);
}

namespace {
// A note deleted with a copy kept, as the restore dialogs find it.
bool WriteDeletedNote(const char* rtf) {
    FILE* file = _wfopen(g_ProgramFolder + L"memo_data\\20140303090000000.brt", L"wb");
    if (!file) return false;
    fputs(rtf, file);
    return fclose(file) == 0;
}
}  // namespace

TEST_F(FrameNotesTest, GroupManagerAndRestoreDialogsOpenFromTheFrameCommandsAndRestoreANote) {
    StartFrame();
    ASSERT_TRUE(WriteDeletedNote("{\\rtf1 restored text}"));

    SendMessageW(wnd, WM_COMMAND, ID_MEMO_GROUP_MANAGER, 0);
    CEditMemoGroupDlg* groups = frame->GetNotes()->Dialogs().GetGroupManager();
    ASSERT_NE(groups, nullptr);
    EXPECT_TRUE(IsWindowVisible(groups->m_hWnd));
    SendMessageW(wnd, WM_COMMAND, ID_MEMO_GROUP_MANAGER, 0);  // kept once
    EXPECT_EQ(frame->GetNotes()->Dialogs().GetGroupManager(), groups);

    SendMessageW(wnd, WM_COMMAND, ID_RESTORE_DELETED, 0);
    CRestoreMemoDlg* restore = frame->GetNotes()->Dialogs().GetRestoreMemo();
    ASSERT_NE(restore, nullptr);
    ASSERT_EQ(restore->List().GetItemCount(), 1);
    SendMessageW(restore->m_hWnd, WM_COMMAND, CRestoreMemoDlg::IDC_RESTORE, 0);
    ASSERT_EQ(frame->GetMemoCount(), 1);
    CMemoDlg* note = frame->GetNotes()->Memos()[0].m_pWindow;
    EXPECT_EQ(note->GetInfo().m_strFileName, CString(L"20140303090000000.rtf"));
    CString text;
    note->GetEditor().GetWindowText(text);
    EXPECT_EQ(text, CString(L"restored text"));
    EXPECT_EQ(ReadGroup(L"DefaultMemo.zrd").GetSize(), 1);

    SendMessageW(wnd, WM_COMMAND, ID_RESTORE_SCHEDULE, 0);
    EXPECT_NE(frame->GetNotes()->Dialogs().GetRestoreSchedule(), nullptr);
    frame->CloseAllDialogs(0);
    PumpUntil([&] {
        return !frame->GetNotes()->Dialogs().GetGroupManager() && !frame->GetNotes()->Dialogs().GetRestoreSchedule();
    }, 2000);
    EXPECT_EQ(frame->GetNotes()->Dialogs().GetGroupManager(), nullptr);
    EXPECT_EQ(frame->GetNotes()->Dialogs().GetRestoreSchedule(), nullptr);
}

TEST_F(FrameNotesTest, ReceivedNotesBecomeNoteWindowsWithTheirPlaceAndTitle) {
    StartFrame();
    for (const wchar_t* name : {L"20140303090000001.rtf", L"20140303090000002.rtf"}) {
        FILE* file = _wfopen(folder + L"memo_data\\" + name, L"wb");
        ASSERT_NE(file, nullptr);
        fputs("{\\rtf1 sent to you}", file);
        fclose(file);
    }
    g_Settings.General.StartDX = 180;
    g_Settings.General.StartDY = 100;
    frame->QueueReceivedMessage(L"20140303090000001.rtf", "100 200 300 150|hello");
    frame->QueueReceivedMessage(L"20140303090000002.rtf", "100 200 300 150 without a bar");
    PumpUntil([&] { return frame->GetMemoCount() != 0; }, 3000);
    PumpFor(100);  // time for the second, which must not open
    ASSERT_EQ(frame->GetMemoCount(), 1);
    CMemoDlg* note = frame->GetNotes()->Memos()[0].m_pWindow;
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"hello"));
    CRect rect;
    note->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(100, 200, 400, 350));
    EXPECT_EQ(ReadGroup(L"DefaultMemo.zrd").GetSize(), 1);
}

TEST_F(FrameNotesTest, NoteLogicWorksByThePresentSettingsAndTheFrameKeepsTheRecentNote) {
    StartFrame();
    CMemoDlg* first = NewNote(L"first");
    CMemoDlg* second = NewNote(L"second");
    EXPECT_EQ(g_Settings.RecentMemo, second->GetInfo().m_strFileName);

    // Settings changed while running reach the next placement.
    g_Settings.General.StartDX = 200;
    g_Settings.General.SortStart = 40;
    CRect work = CLifecycleSystemHost::MonitorWorkArea(g_Settings.General.WorkMonitor);
    EXPECT_EQ(frame->GetNotes()->GetNewMemoRect(),
              CRect(work.right - 200, work.top + 40, work.right, work.top + 40 + g_Settings.General.StartDY));

    // The note the autosave last wrote becomes the recent note.
    frame->GetNotes()->AutoSaveMemos(true);
    first->GetEditor().ReplaceSel(L" and more");
    frame->GetNotes()->AutoSaveMemos(true);
    EXPECT_EQ(g_Settings.RecentMemo, first->GetInfo().m_strFileName);
}

namespace {
// What a button draws into a bitmap of its own size when asked to paint,
// as its parent asks it on screen.
std::vector<COLORREF> DrawnButton(HWND button) {
    CRect r;
    GetClientRect(button, &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, r.Width(), r.Height());
    HGDIOBJ old = SelectObject(dc, bits);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = (UINT)GetDlgCtrlID(button);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = button;
    dis.hDC = dc;
    dis.rcItem = r;
    SendMessageW(GetParent(button), WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bits);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A picture shows more than the one colour the button fills its ground with.
bool ShowsAPicture(const std::vector<COLORREF>& pixels) {
    for (COLORREF p : pixels)
        if (p != pixels.front()) return true;
    return false;
}
}  // namespace

// Every picture of the note's buttons reaches the screen: the title bar's,
// the locked fold, the folded strip's two and the formatting bar's three;
// and no two buttons of a bar look alike.
TEST_F(FrameNotesTest, EveryNoteButtonDrawsItsOwnPicture) {
    StartFrame();
    CMemoDlg* note = NewNote(L"buttons");
    note->ToggleStyleBar();
    PumpFor(50);
    struct Button {
        const char* name;
        HWND bar;
        int id;
        int image;  // -1: as the note set it; otherwise set first
    };
    HWND title = note->GetTitleBar()->m_hWnd, style = note->GetStyleBar()->m_hWnd;
    std::vector<Button> buttons = {
        {"always on top", title, IDC_TB_PIN, -1},        {"note menu", title, IDC_TB_MENU, -1},
        {"new note", title, IDC_TB_NEW, -1},             {"formatting bar", title, IDC_TB_STYLE, -1},
        {"next colour", title, IDC_TB_NEXT_COLOR, -1},   {"delete", title, IDC_TB_DELETE, -1},
        {"fold", title, IDC_TB_FOLD, -1},                {"fold, locked", title, IDC_TB_FOLD, NBI_FOLD_LOCKED},
        {"bold", style, IDC_SB_BOLD, -1},                {"italic", style, IDC_SB_ITALIC, -1},
        {"underline", style, IDC_SB_UNDERLINE, -1},
    };
    auto check = [](const std::vector<Button>& set) {
        std::vector<std::vector<COLORREF>> seen;
        for (const Button& b : set) {
            SCOPED_TRACE(b.name);
            HWND wnd = GetDlgItem(b.bar, b.id);
            ASSERT_NE(wnd, nullptr);
            EXPECT_TRUE(IsWindowVisible(wnd));
            // Nothing of the note lies over the button.
            CRect button, editor, overlap;
            GetWindowRect(wnd, &button);
            GetWindowRect(GetDlgItem(GetAncestor(wnd, GA_ROOT), IDC_MEMO_EDIT), &editor);
            EXPECT_FALSE(overlap.IntersectRect(button, editor))
                << "editor " << editor.left << "-" << editor.right << ", button " << button.left << "-" << button.right;
            if (b.image >= 0) static_cast<CShareButtonEx*>(CWnd::FromHandlePermanent(wnd))->SetImageIndex(b.image);
            std::vector<COLORREF> pixels = DrawnButton(wnd);
            EXPECT_TRUE(ShowsAPicture(pixels));
            for (const auto& other : seen) EXPECT_NE(pixels, other);
            seen.push_back(pixels);
        }
    };
    check(buttons);

    note->SetExpanded(FALSE, FALSE);
    PumpFor(50);
    HWND strip = note->m_hWnd;
    check({{"unfold", strip, IDC_FOLDED_UNFOLD, -1},
           {"title", strip, IDC_FOLDED_TITLE, -1},
           {"unfold, locked", strip, IDC_FOLDED_UNFOLD, NBI_UNFOLD_LOCKED}});
    if (getenv("ZOREL_SCREENSHOT_PAUSE")) {
        note->SetWindowPos(nullptr, 300, 450, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        CMemoDlg* open = NewNote(L"An expanded note\r\nwith its formatting bar");
        open->ToggleStyleBar();
        open->MoveWindow(300, 200, 320, 220);
        PumpFor((DWORD)atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));
    }
}

namespace {
// The input box the group manager opens, seen from inside its modal loop:
// where it stands, then cancelled.
CRect g_inputBoxRect;
CString g_inputBoxTitle;
int g_inputBoxTries = 0;
void CALLBACK CloseInputBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowW(L"#32770", g_inputBoxTitle);
    if (!box && ++g_inputBoxTries < 200) return;  // about two seconds
    if (box) {
        GetWindowRect(box, &g_inputBoxRect);
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
}
}  // namespace

// The group manager's buttons show their whole captions, and its name box
// opens over it rather than in a corner of the screen.
TEST_F(FrameNotesTest, GroupManagerCaptionsFitAndItsNameBoxOpensOverIt) {
    StartFrame();
    SendMessageW(wnd, WM_COMMAND, ID_MEMO_GROUP_MANAGER, 0);
    CEditMemoGroupDlg* groups = frame->GetNotes()->Dialogs().GetGroupManager();
    ASSERT_NE(groups, nullptr);
    for (int id : {(int)CEditMemoGroupDlg::IDC_ADD_GROUP, (int)CEditMemoGroupDlg::IDC_RENAME_GROUP,
                   (int)CEditMemoGroupDlg::IDC_DELETE_GROUP, (int)CEditMemoGroupDlg::IDC_OPEN_GROUP,
                   (int)CEditMemoGroupDlg::IDC_MOVE,
                   (int)CEditMemoGroupDlg::IDC_DELETE_MEMOS, IDCANCEL}) {
        HWND button = GetDlgItem(groups->m_hWnd, id);
        wchar_t caption[100] = {};
        GetWindowTextW(button, caption, 100);
        SCOPED_TRACE(CStringA(caption).GetString());
        EXPECT_NE(caption[0], L'\0');
        HDC dc = GetDC(button);
        HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(button, WM_GETFONT, 0, 0));
        SIZE text = {};
        GetTextExtentPoint32W(dc, caption, (int)wcslen(caption), &text);
        SelectObject(dc, old);
        ReleaseDC(button, dc);
        CRect client;
        GetClientRect(button, &client);
        EXPECT_LE(text.cx + 8, client.Width()) << "clipped";  // the frame and a margin at each side
    }

    g_inputBoxTitle = g_LanguageTable[10052];
    g_inputBoxTries = 0;
    g_inputBoxRect.SetRectEmpty();
    UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseInputBox);
    SendMessageW(groups->m_hWnd, WM_COMMAND, MAKEWPARAM(CEditMemoGroupDlg::IDC_ADD_GROUP, BN_CLICKED),
                 (LPARAM)GetDlgItem(groups->m_hWnd, CEditMemoGroupDlg::IDC_ADD_GROUP));
    KillTimer(nullptr, timer);
    ASSERT_FALSE(g_inputBoxRect.IsRectEmpty()) << "no name box";
    CRect manager;
    GetWindowRect(groups->m_hWnd, &manager);
    EXPECT_TRUE(manager.PtInRect(g_inputBoxRect.CenterPoint()))
        << g_inputBoxRect.left << "," << g_inputBoxRect.top << " outside the manager at " << manager.left << ","
        << manager.top;
    if (getenv("ZOREL_SCREENSHOT_PAUSE")) PumpFor((DWORD)atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));
}

// The restore dialogs show the file picture before every deleted note, and
// the history dialogs their icon list and their coloured buttons.
TEST_F(FrameNotesTest, RestoreDialogsShowTheirListPicturesAndColouredButtons) {
    StartFrame();
    ASSERT_TRUE(WriteDeletedNote("{\\rtf1 deleted}"));
    SendMessageW(wnd, WM_COMMAND, ID_RESTORE_DELETED, 0);
    CRestoreMemoDlg* restore = frame->GetNotes()->Dialogs().GetRestoreMemo();
    ASSERT_NE(restore, nullptr);
    ASSERT_EQ(restore->List().GetItemCount(), 1);
    HIMAGELIST pictures = ListView_GetImageList(restore->List().m_hWnd, LVSIL_SMALL);
    ASSERT_NE(pictures, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(pictures), 2);
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    ASSERT_TRUE(ListView_GetItem(restore->List().m_hWnd, &item));
    EXPECT_EQ(item.iImage, 1);

    SendMessageW(wnd, WM_COMMAND, ID_RESTORE_SCHEDULE, 0);
    SendMessageW(wnd, WM_COMMAND, ID_RESTORE_ANNIVERSARY, 0);
    for (CRestoreHistoryDlg* history : {frame->GetNotes()->Dialogs().GetRestoreSchedule(),
                                        frame->GetNotes()->Dialogs().GetRestoreAnniversary()}) {
        ASSERT_NE(history, nullptr);
        EXPECT_TRUE(history->List().GetStyle() & LBS_OWNERDRAWFIXED);
        struct Face {
            CColorButton& button;
            COLORREF face, text;
        } faces[] = {{history->RestoreButton(), RGB(164, 164, 255), RGB(0, 0, 0)},
                     {history->DeleteButton(), RGB(255, 164, 164), RGB(0, 0, 200)},
                     {history->DeleteAllButton(), RGB(255, 132, 132), RGB(0, 0, 255)}};
        for (const Face& f : faces) {
            ASSERT_NE(f.button.m_hWnd, nullptr);
            EXPECT_EQ(f.button.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
            EXPECT_EQ(f.button.GetColor(), f.face);
            EXPECT_EQ(f.button.GetTextColor(), f.text);
        }
    }
    if (getenv("ZOREL_SCREENSHOT_PAUSE")) PumpFor((DWORD)atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));
}

// ---- Real mouse and keys on the frame's notes ----

namespace {
void MouseAt(POINT at, DWORD down, DWORD up) {
    int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = at.x * 65535 / w;
        i.mi.dy = at.y * 65535 / h;
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    in[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    in[1].mi.dwFlags |= down;
    in[2].mi.dwFlags |= up;
    SendInput(3, in, sizeof(INPUT));
}
void LeftClick(POINT at) { MouseAt(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void RightClick(POINT at) { MouseAt(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void PressKey(WORD key) {
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
    }
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

void CtrlKey(WORD key) {
    INPUT in[4] = {};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = key;
    in[2].ki.wVk = key;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_CONTROL;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
}

POINT CentreOf(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A visible top-level window of a thread that has a child with that id.
HWND FindThreadWindowWith(DWORD thread, int childId) {
    struct Search {
        int id;
        HWND found;
    } s = {childId, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND wnd, LPARAM lp) -> BOOL {
            Search* s = (Search*)lp;
            if (!IsWindowVisible(wnd) || !GetDlgItem(wnd, s->id)) return TRUE;
            s->found = wnd;
            return FALSE;
        },
        (LPARAM)&s);
    return s.found;
}

// The user's side, on its own thread, of a step that runs a modal loop on
// the test's thread: it waits for a window, acts, and frees the test's thread
// itself when the program does not answer in time.
class CUserThread {
public:
    explicit CUserThread(std::function<void(CUserThread&)> play) : m_play(std::move(play)) {
        m_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~CUserThread() {
        WaitForSingleObject(m_thread, 30000);
        CloseHandle(m_thread);
        CloseHandle(m_done);
    }
    bool Finished() const { return WaitForSingleObject(m_done, 0) == WAIT_OBJECT_0; }
    // Waits for a condition of the other thread's making, up to the time-out.
    template <class Condition>
    static bool WaitFor(Condition done, DWORD timeoutMs) {
        DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > timeoutMs) return false;
            Sleep(20);
        }
        return true;
    }
    DWORD testThread = GetCurrentThreadId();
    std::vector<std::string> failures;

private:
    static DWORD WINAPI Run(void* self) {
        CUserThread* t = (CUserThread*)self;
        t->m_play(*t);
        SetEvent(t->m_done);
        return 0;
    }
    std::function<void(CUserThread&)> m_play;
    HANDLE m_thread = nullptr, m_done = nullptr;
};

// The popup menu on the screen, if one is.
HWND FindVisibleMenu() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(wnd, name, 16);
            if (wcscmp(name, L"#32768") != 0 || !IsWindowVisible(wnd)) return TRUE;
            *(HWND*)lp = wnd;
            return FALSE;
        },
        (LPARAM)&found);
    return found;
}

// The distinct colours of a window's pixels on the screen.
int ColoursOnScreen(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    HDC screen = GetDC(nullptr);
    std::set<COLORREF> colours;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) colours.insert(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return (int)colours.size();
}
}  // namespace

// A right-click on the title strip of a note, or anywhere on a folded note,
// opens its menu; the command chosen runs at once and the program goes on
// answering without waiting for another right-click.
TEST_F(FrameNotesTest, RightClickMenuCommandRunsAtOnceAndTheProgramAnswers) {
    StartFrame();
    struct Case {
        bool folded;
    } cases[] = {{false}, {true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folded ? "folded" : "expanded");
        CMemoDlg* note = NewNote(L"right-click me");
        if (c.folded) {
            note->GetInfo().m_strTitle = L"Folded";  // the strip is all title: no editor in it
            note->SetExpanded(FALSE, TRUE);
        }
        PumpFor(100);
        RECT r = {};
        GetWindowRect(note->m_hWnd, &r);
        POINT at = {(r.left + r.right) / 2, r.top + 8};  // clear of the title bar's buttons
        bool before = note->IsExpanded() != FALSE;
        std::atomic<bool> answered(false), frozen(false);
        {
            CUserThread user([&](CUserThread& u) {
                HWND menu = nullptr;
                if (!CUserThread::WaitFor([&] { return (menu = FindVisibleMenu()) != nullptr; }, 10000)) {
                    u.failures.push_back("no menu");
                    PressKey(VK_ESCAPE);  // in case it comes late
                    return;
                }
                // A click the menu missed is tried again; a menu still open
                // at the end is closed with Escape so that the test goes on.
                for (int attempt = 0; attempt < 3 && IsWindowVisible(menu); ++attempt) {
                    HMENU items = (HMENU)SendMessageW(menu, MN_GETHMENU, 0, 0);
                    int position = -1;
                    for (int i = 0; i < GetMenuItemCount(items); ++i)
                        if (GetMenuItemID(items, i) == ID_MEMO_FOLD) position = i;
                    RECT item = {};
                    if (position >= 0 && GetMenuItemRect(nullptr, items, position, &item))
                        LeftClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
                    CUserThread::WaitFor([&] { return !IsWindowVisible(menu); }, 3000);
                }
                if (IsWindowVisible(menu)) {
                    u.failures.push_back("the fold item could not be chosen");
                    PressKey(VK_ESCAPE);
                    PressKey(VK_ESCAPE);
                }
                if (!CUserThread::WaitFor([&] { return answered.load(); }, 5000)) {
                    frozen = true;
                    RightClick(at);  // lets a held program go
                }
            });
            RightClick(at);
            EXPECT_TRUE(PumpUntil([&] { return (note->IsExpanded() != FALSE) != before; }, 15000));
            answered = true;
            PumpUntil([&] { return user.Finished(); }, 10000);
            for (const std::string& failure : user.failures) ADD_FAILURE() << failure;
        }
        EXPECT_FALSE(frozen) << "the program waited for another right-click";
        PumpFor(100);
    }
}

// The note menu's expanded submenu is the tray's main menu with its texts,
// its group list to open included.
TEST_F(FrameNotesTest, NoteMenuExpandedSubmenuHoldsTheMainMenu) {
    StartFrame();
    CMemoDlg* note = NewNote(L"menu");
    HMENU menu = note->BuildContextMenu();
    HMENU expanded = GetSubMenu(menu, GetMenuItemCount(menu) - 1);
    ASSERT_NE(expanded, nullptr);
    const int kExitPosition = 36, kOpenGroupPosition = 7;
    ASSERT_GT(GetMenuItemCount(expanded), kExitPosition);
    wchar_t text[128] = {};
    GetMenuStringW(expanded, ID_NEW_MEMO, text, 128, MF_BYCOMMAND);
    EXPECT_STRNE(text, L"");
    HMENU groups = GetSubMenu(expanded, kOpenGroupPosition);
    ASSERT_NE(groups, nullptr);
    EXPECT_GE(GetMenuItemCount(groups), 1);
    DestroyMenu(menu);
}

// Ctrl+F in a note opens the find box below it; it finds in the note, and
// after it is cancelled Ctrl+F opens it again.
TEST_F(FrameNotesTest, CtrlFOpensTheFindBoxThatFindsInTheNote) {
    StartFrame();
    CMemoDlg* note = NewNote(L"apple banana cherry");
    COleRichEditCtrl& editor = note->GetEditor();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        SetForegroundWindow(note->m_hWnd);
        editor.SetFocus();
        editor.SetSel(0, 0);
        PumpFor(50);
        CtrlKey('F');
        HWND box = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (box = FindThreadWindowWith(GetCurrentThreadId(), IDC_FIND_NEXT)) != nullptr; },
                              5000));
        RECT boxRect = {}, editorRect = {};
        GetWindowRect(box, &boxRect);
        GetWindowRect(editor.m_hWnd, &editorRect);
        EXPECT_EQ(boxRect.top, editorRect.bottom);  // below the editor
        SetDlgItemTextW(box, IDC_FIND_TEXT, L"banana");
        SendMessageW(GetDlgItem(box, IDC_FIND_NEXT), BM_CLICK, 0, 0);
        PumpFor(50);
        CHARRANGE sel = {};
        editor.GetSel(sel);
        EXPECT_EQ(sel.cpMin, 6);
        EXPECT_EQ(sel.cpMax, 12);
        SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
        PumpFor(50);
        EXPECT_FALSE(IsWindowVisible(box));
    }
}

// The title button of a folded note opens the title dialog; its OK button
// is drawn and the first click on it, the dialog's first click, keeps the
// typed title.
TEST_F(FrameNotesTest, TitleButtonOpensTheTitleDialogWhoseOkTakesTheFirstClick) {
    StartFrame();
    CMemoDlg* note = NewNote(L"to be titled");
    note->SetExpanded(FALSE, TRUE);
    PumpFor(100);
    HWND titleButton = GetDlgItem(note->m_hWnd, IDC_FOLDED_TITLE);
    ASSERT_NE(titleButton, nullptr);
    std::atomic<int> okColours(0);
    {
        CUserThread user([&](CUserThread& u) {
            HWND dialog = nullptr;
            if (!CUserThread::WaitFor([&] { return (dialog = FindThreadWindowWith(u.testThread, IDC_TI_TITLE)) != nullptr; },
                                      10000)) {
                u.failures.push_back("no title dialog");
                return;
            }
            SendMessageW(GetDlgItem(dialog, IDC_TI_TITLE), WM_SETTEXT, 0, (LPARAM)L"Groceries");
            HWND ok = GetDlgItem(dialog, IDOK);
            CUserThread::WaitFor([&] { return (okColours = ColoursOnScreen(ok)) >= 3; }, 3000);
            // A real user clicks a dialog the system has finished bringing
            // forward; still the dialog's first click.
            CUserThread::WaitFor([&] { return GetForegroundWindow() == dialog; }, 3000);
            // ... and one whose button is not under another window: on a
            // loaded machine other start-up windows may still be coming.
            CUserThread::WaitFor([&] { return WindowFromPoint(CentreOf(ok)) == ok; }, 3000);
            if (getenv("ZOREL_SCREENSHOT_PAUSE")) Sleep(atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));
            HWND under = WindowFromPoint(CentreOf(ok));
            LeftClick(CentreOf(ok));
            if (!CUserThread::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000)) {
                wchar_t cls[64] = L"";
                GetClassNameW(GetAncestor(under, GA_ROOT), cls, 64);
                char what[160];
                snprintf(what, sizeof what, "the click on OK did not close the dialog (under the pointer: %ls%s)", cls,
                         under == ok ? ", the OK button" : "");
                u.failures.push_back(what);
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        });
        LeftClick(CentreOf(titleButton));
        PumpUntil([&] { return user.Finished(); }, 20000);
        for (const std::string& failure : user.failures) ADD_FAILURE() << failure;
    }
    EXPECT_GE(okColours.load(), 3) << "the OK button is not drawn";
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"Groceries"));
}

// Every text of the search dialog comes from the language table, the Close
// button's included.
TEST_F(FrameNotesTest, SearchDialogButtonsSpeakTheLanguage) {
    g_LanguageTable.SetAt(TXT_FIND, L"\uCC3E\uAE30");    // Korean "Find"
    g_LanguageTable.SetAt(TXT_CLOSE, L"\uB2EB\uAE30");   // Korean "Close"
    StartFrame();
    frame->OpenSearchMemoDialog();
    ASSERT_NE(frame->GetSearchMemoDialog(), nullptr);
    HWND dialog = frame->GetSearchMemoDialog()->GetSafeHwnd();
    wchar_t text[32] = {};
    struct Case {
        int button;
        const wchar_t* expected;
    } cases[] = {{IDOK, L"\uCC3E\uAE30"}, {IDCANCEL, L"\uB2EB\uAE30"}};
    for (const Case& c : cases) {
        GetDlgItemTextW(dialog, c.button, text, 32);
        EXPECT_STREQ(text, c.expected) << c.button;
    }
    frame->CloseSearchMemoDialog();
}

// Log-off and shut-down: every typed note, the list and the settings are on
// disk before the frame answers, and no box holds the session up, not even
// for a note that cannot be written.
TEST_F(FrameNotesTest, SessionEndSavesEveryChangeBeforeAnsweringWithoutABox) {
    CCountingSystemBox systemBox;
    GetSaveFailureReport().Clear();
    StartFrame();
    std::vector<CMemoDlg*> notes;
    for (const wchar_t* text : {L"first words", L"second words", L"third words", L"fourth words"})
        notes.push_back(NewNote(text));
    // The fourth note's file cannot be written: a folder stands in its place.
    CString blocked = folder + L"memo_data\\" + notes[3]->GetInfo().m_strFileName;
    ASSERT_TRUE(CreateDirectoryW(blocked, nullptr));
    notes[0]->GetInfo().m_strTitle = L"Titled at the end";
    notes[0]->m_bChanged = 1;
    g_Settings.General.DefaultColorType = 7;
    ASSERT_EQ(g_Settings.ReportErrors, 1);

    EXPECT_EQ(SendMessageW(wnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    for (int i = 0; i < 3; ++i) {
        std::string bytes = FileBytes(notes[i]->GetMemoPath());
        EXPECT_NE(bytes.find(i == 0 ? "first" : i == 1 ? "second" : "third"), std::string::npos) << i;
    }
    CArray<CMemoInfo> list = ReadGroup(L"DefaultMemo.zrd");
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0].m_strTitle, CString(L"Titled at the end"));
    EXPECT_NE(FileBytes(folder + L"ZorelConfig.xml").find("<DefaultColorType>7<"), std::string::npos);
    EXPECT_TRUE(systemBox.texts.empty());
    EXPECT_TRUE(boxes.empty());
    // Reports are on again for a session that goes on.
    EXPECT_EQ(g_Settings.ReportErrors, 1);

    // What is typed between the question and the end is written at the end.
    notes[1]->GetEditor().ReplaceSel(L" and more");
    SendMessageW(wnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(FileBytes(notes[1]->GetMemoPath()).find("and more"), std::string::npos);
    EXPECT_TRUE(systemBox.texts.empty());
    RemoveDirectoryW(blocked);
}

// A note that cannot be written is told once through the program's own
// autosave ticks, and its text reaches the file once it can.
TEST_F(FrameNotesTest, AutosaveTellsAFailedNoteOnceAndWritesItWhenItCan) {
    CCountingSystemBox systemBox;
    GetSaveFailureReport().Clear();
    StartFrame();
    CMemoDlg* note = NewNote(L"kept safe");
    CString path = note->GetMemoPath();
    ASSERT_TRUE(CreateDirectoryW(path, nullptr));
    for (int tick = 0; tick < 6; ++tick) frame->AutoSaveMemos(0);
    ASSERT_EQ(systemBox.texts.size(), 1u);
    EXPECT_GE(systemBox.texts[0].Find(path), 0);
    EXPECT_TRUE(note->GetEditor().GetModify());
    ASSERT_TRUE(RemoveDirectoryW(path));
    for (int tick = 0; tick < 3 && note->GetEditor().GetModify(); ++tick) frame->AutoSaveMemos(0);
    EXPECT_NE(FileBytes(path).find("kept safe"), std::string::npos);
    EXPECT_EQ(systemBox.texts.size(), 1u);
}

// A group opens without taking the focus from where the user has it, and a
// note folded under its title reads its file only when its text is needed:
// a save leaves the unread file alone, a search finds its text.
TEST_F(FrameNotesTest, OpeningGroupLeavesTheFocusAndReadsAFoldedNoteWhenSearched) {
    WriteGroup(L"DefaultMemo.zrd", L"2014030309000",
               {{L"an open note", L"", false}, {L"a needle in a folded note", L"Shopping", true}, {L"first line shows", L"", true}});
    const CString folded = folder + L"memo_data\\2014030309000001.rtf";
    const std::string stored = ReadFile(folded);
    HWND typing = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 900, 700, 100, 30, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(typing, nullptr);
    CloseSpotlight();  // one left open raises, and so activates, every note added to it
    SetFocus(typing);
    ASSERT_EQ(GetFocus(), typing);
    StartFrame();
    HWND focus = GetFocus();
    wchar_t focusClass[64] = {}, ownerClass[64] = {};
    GetClassNameW(focus, focusClass, 64);
    GetClassNameW(GetAncestor(focus, GA_ROOT), ownerClass, 64);
    EXPECT_EQ(focus, typing) << "the focus went to a " << CStringA(focusClass).GetString() << " in a "
                             << CStringA(ownerClass).GetString();
    DestroyWindow(typing);

    ASSERT_EQ(frame->GetMemoCount(), 3);
    CMemoDlg* open = frame->GetNotes()->Memos()[0].m_pWindow;
    CMemoDlg* shopping = frame->GetNotes()->Memos()[1].m_pWindow;
    ASSERT_NE(open, nullptr);
    ASSERT_NE(shopping, nullptr);
    EXPECT_FALSE(open->IsTextDeferred());
    EXPECT_TRUE(shopping->IsTextDeferred());
    // A folded note without a title shows its first line: read at once.
    EXPECT_FALSE(frame->GetNotes()->Memos()[2].m_pWindow->IsTextDeferred());

    frame->AutoSaveMemos(1);
    SendMessageW(wnd, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
    EXPECT_EQ(ReadFile(folded), stored) << "the unread note's file was written";

    NoteSearchOptions options;
    frame->GetNotes()->SearchMemos(L"needle", options);
    EXPECT_FALSE(shopping->IsTextDeferred());
    CString text;
    shopping->GetEditor().GetWindowText(text);
    EXPECT_GE(text.Find(L"needle"), 0);
    frame->AutoSaveMemos(1);
    EXPECT_NE(ReadFile(folded).find("needle"), std::string::npos);
}

// Switching groups while one is still opening, and back again before the
// second is open, leaves exactly the last group open, each record with its
// own window, and both lists whole.
TEST_F(FrameNotesTest, SwitchingGroupsWhileOneIsStillOpeningLeavesTheLastOneWhole) {
    std::vector<NoteSpec> a(120, NoteSpec{L"a note of group a", L"", false}), b(80, NoteSpec{L"b", L"Folded in b", true});
    WriteGroup(L"DefaultMemo.zrd", L"2014030309001", a);
    WriteGroup(L"b.zrd", L"2014030309002", b);
    StartFrame(false);
    ASSERT_TRUE(frame->GetNotes()->IsOpeningMemos());
    frame->AutoSaveMemos(1);  // a save half-way keeps the records not open yet
    EXPECT_EQ(ReadGroup(L"DefaultMemo.zrd").GetSize(), 120);
    frame->SwitchMemoGroup(L"b.zrd");
    ASSERT_TRUE(PumpUntil([this] { return LiveNoteWindows().size() >= 1; }, 10000));
    ASSERT_TRUE(frame->GetNotes()->IsOpeningMemos());
    frame->SwitchMemoGroup(L"DefaultMemo.zrd");
    WaitForGroup();

    ASSERT_EQ(frame->GetMemoCount(), 120);
    std::set<CMemoDlg*> windows;
    for (int i = 0; i < frame->GetMemoCount(); ++i) {
        CMemoDlg* window = frame->GetNotes()->Memos()[i].m_pWindow;
        ASSERT_NE(window, nullptr) << i;
        EXPECT_TRUE(IsWindow(window->m_hWnd));
        windows.insert(window);
    }
    EXPECT_EQ(windows.size(), 120u);
    EXPECT_EQ(LiveNoteWindows().size(), 120u);
    EXPECT_EQ(ReadGroup(L"b.zrd").GetSize(), 80);
    EXPECT_EQ(ReadGroup(L"DefaultMemo.zrd").GetSize(), 120);
}

namespace {
// The pixels of a rectangle of the screen.
std::vector<COLORREF> ScreenPixels(const CRect& r) {
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Where a folded note's button stands on the screen.
CRect FoldedButtonOnScreen(CMemoDlg* note, bool unfold) {
    CRect client;
    note->GetClientRect(&client);
    CPoint at = unfold ? NoteLogic::UnfoldButtonPos(client) : NoteLogic::TitleButtonPos(client);
    CRect r(at, CSize(CShareButtonEx::CellWidth, CShareButtonEx::CellHeight));
    note->ClientToScreen(&r);
    return r;
}
}  // namespace

// A folded note shows its unfold and title buttons on the screen, painted by
// the strip before their windows are made and by the buttons after; pointing
// at the note makes them, and a click on unfold unfolds it.
TEST_F(FrameNotesTest, FoldedNoteShowsItsTwoButtonsOnScreenAndTheyWork) {
    int simple = g_Settings.General.SimpleMemoInactive;
    g_Settings.General.SimpleMemoInactive = 0;
    WriteGroup(L"DefaultMemo.zrd", L"2014030309003", {{L"first of two", L"Strip one", true}, {L"second", L"", true}});
    StartFrame();
    CMemoDlg* first = frame->GetNotes()->Memos()[0].m_pWindow;
    CMemoDlg* last = frame->GetNotes()->Memos()[1].m_pWindow;
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    first->SetWindowPos(&CWnd::wndTopMost, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    last->SetWindowPos(&CWnd::wndTopMost, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    struct Case {
        const char* name;
        CMemoDlg* note;
        bool windows;
    } cases[] = {{"painted by the strip", first, false}, {"button windows of the active note", last, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetDlgItem(c.note->m_hWnd, IDC_FOLDED_UNFOLD) != nullptr, c.windows)
            << "active " << c.note->m_nActive << " expanded " << c.note->IsExpanded();
        std::vector<COLORREF> unfold, title;
        PumpUntil([&] {
            unfold = ScreenPixels(FoldedButtonOnScreen(c.note, true));
            title = ScreenPixels(FoldedButtonOnScreen(c.note, false));
            return ShowsAPicture(unfold) && ShowsAPicture(title) && unfold != title;
        }, 3000);
        EXPECT_TRUE(ShowsAPicture(unfold));
        EXPECT_TRUE(ShowsAPicture(title));
        EXPECT_NE(unfold, title);
    }
    if (getenv("ZOREL_SCREENSHOT_PAUSE")) PumpFor((DWORD)atoi(getenv("ZOREL_SCREENSHOT_PAUSE")));

    // The mouse over the strip makes its buttons; a click on unfold unfolds.
    CRect button = FoldedButtonOnScreen(first, true);
    SetCursorPos(button.CenterPoint().x, button.CenterPoint().y);
    ASSERT_TRUE(PumpUntil([&] { return GetDlgItem(first->m_hWnd, IDC_FOLDED_UNFOLD) != nullptr; }, 5000));
    HWND unfold = GetDlgItem(first->m_hWnd, IDC_FOLDED_UNFOLD);
    EXPECT_TRUE(IsWindowVisible(unfold));
    CRect made;
    GetWindowRect(unfold, &made);
    EXPECT_EQ(made.TopLeft(), button.TopLeft());
    LeftClick(CentreOf(unfold));
    EXPECT_TRUE(PumpUntil([&] { return first->IsExpanded() != FALSE; }, 5000));
    EXPECT_FALSE(first->IsTextDeferred());
    g_Settings.General.SimpleMemoInactive = simple;
}

// The staged start-up holds its steps while the group's windows open, so
// what came after the note windows still comes after all of them.
TEST_F(FrameNotesTest, StagedStartUpWaitsTillTheGroupIsOpen) {
    WriteGroup(L"DefaultMemo.zrd", L"2014030309004", std::vector<NoteSpec>(60, NoteSpec{L"waiting", L"", false}));
    int saved = g_StartupTick;
    StartFrame(false);
    KillTimer(wnd, TIMER_STARTUP);  // driven by hand below
    g_StartupTick = 2;              // the step that only moves on
    ASSERT_TRUE(frame->GetNotes()->IsOpeningMemos());
    SendMessageW(wnd, WM_TIMER, TIMER_STARTUP, 0);
    EXPECT_EQ(g_StartupTick, 2);
    WaitForGroup();
    SendMessageW(wnd, WM_TIMER, TIMER_STARTUP, 0);
    EXPECT_EQ(g_StartupTick, 3);
    g_StartupTick = saved;
}

// An expanded note of an opening group shows its title bar and its buttons
// on the screen, painted by the note until the mouse comes over it and the
// bar's windows are made; then they are at the same places.
TEST_F(FrameNotesTest, ExpandedNoteShowsItsTitleBarBeforeAndAfterItsWindowsAreMade) {
    int simple = g_Settings.General.SimpleMemoInactive;
    g_Settings.General.SimpleMemoInactive = 0;
    WriteGroup(L"DefaultMemo.zrd", L"2014030309005", {{L"pointed at later", L"", false}, {L"last", L"", false}});
    StartFrame();
    CMemoDlg* note = frame->GetNotes()->Memos()[0].m_pWindow;
    ASSERT_NE(note, nullptr);
    note->SetWindowPos(&CWnd::wndTopMost, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_NE(note->GetTitleBar(), nullptr);
    EXPECT_EQ(note->GetTitleBar()->m_hWnd, nullptr);
    CRect client;
    note->GetClientRect(&client);
    const UINT ids[] = {IDC_TB_PIN, IDC_TB_MENU, IDC_TB_NEW, IDC_TB_STYLE, IDC_TB_NEXT_COLOR, IDC_TB_DELETE, IDC_TB_FOLD};
    auto pictures = [&] {
        std::vector<std::vector<COLORREF>> seen;
        for (UINT id : ids) {
            CRect r = CTitleBar::ButtonRect(id, client.Width());
            note->ClientToScreen(&r);
            seen.push_back(ScreenPixels(r));
        }
        return seen;
    };
    auto allShown = [](const std::vector<std::vector<COLORREF>>& seen) {
        for (const auto& p : seen)
            if (!ShowsAPicture(p)) return false;
        return true;
    };
    std::vector<std::vector<COLORREF>> painted;
    PumpUntil([&] { return allShown(painted = pictures()); }, 3000);
    EXPECT_TRUE(allShown(painted)) << "the note did not paint its bar's buttons";

    CRect fold = CTitleBar::ButtonRect(IDC_TB_FOLD, client.Width());
    note->ClientToScreen(&fold);
    SetCursorPos(fold.CenterPoint().x, fold.CenterPoint().y);
    ASSERT_TRUE(PumpUntil([&] { return note->GetTitleBar()->m_hWnd && GetDlgItem(note->GetTitleBar()->m_hWnd, IDC_TB_FOLD); }, 5000));
    for (UINT id : ids) {
        HWND button = GetDlgItem(note->GetTitleBar()->m_hWnd, id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_TRUE(IsWindowVisible(button)) << id;
        CRect at, expected = CTitleBar::ButtonRect(id, client.Width());
        GetWindowRect(button, &at);
        note->ClientToScreen(&expected);
        EXPECT_EQ(at.TopLeft(), expected.TopLeft()) << id;
    }
    LeftClick(CentreOf(GetDlgItem(note->GetTitleBar()->m_hWnd, IDC_TB_FOLD)));
    EXPECT_TRUE(PumpUntil([&] { return !note->IsExpanded(); }, 5000));
    g_Settings.General.SimpleMemoInactive = simple;
}

// What works on every note of the group, asked for while the group is still
// opening, first opens the rest: no note is left out of it.
TEST_F(FrameNotesTest, GroupWideCommandsWhileOpeningReachEveryNote) {
    struct Case {
        const char* name;
        std::function<void(CFrameNotes&)> run;
        std::function<bool(CMemoDlg*)> done;
    } cases[] = {
        {"fold all", [](CFrameNotes& notes) { notes.FoldAllMemos(false); },
         [](CMemoDlg* note) { return !note->IsExpanded(); }},
        {"hide all", [](CFrameNotes& notes) { notes.ShowAllMemos(false); },
         [](CMemoDlg* note) { return !note->IsWindowVisible(); }},
        {"search", [](CFrameNotes& notes) { notes.SearchMemos(L"findable", NoteSearchOptions()); },
         [](CMemoDlg* note) { return !note->IsTextDeferred(); }},
    };
    std::vector<NoteSpec> notes(80, NoteSpec{L"findable text", L"Folded", true});
    for (int i = 0; i < 40; ++i) notes[i].folded = false;
    WriteGroup(L"DefaultMemo.zrd", L"2014030309006", notes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartFrame(false);
        ASSERT_TRUE(frame->GetNotes()->IsOpeningMemos());
        c.run(*frame->GetNotes());
        EXPECT_FALSE(frame->GetNotes()->IsOpeningMemos());
        ASSERT_EQ(frame->GetMemoCount(), 80);
        int reached = 0;
        for (int i = 0; i < 80; ++i) {
            CMemoDlg* note = frame->GetNotes()->Memos()[i].m_pWindow;
            reached += note && c.done(note);
        }
        EXPECT_EQ(reached, 80);
        SendMessageW(wnd, WM_CLOSE, 0, 0);
        frame = nullptr;
        g_FrameAlive = 1;
    }
}

// The server hands over a received note by the full path it stored it
// under: a file of the memo folder opens, shown, at the sender's place with
// the message as its title; a file anywhere else makes no note.
TEST_F(FrameNotesTest, ReceivedNoteByItsStoredPathOpensShown) {
    StartFrame();
    WriteFile(folder + L"memo_data\\received.rtf", "{\\rtf1\\ansi received\\par}");
    WriteFile(folder + L"elsewhere.rtf", "{\\rtf1\\ansi elsewhere\\par}");
    int before = frame->GetMemoCount();
    int made = frame->GetNotes()->ProcessReceived({{folder + L"memo_data\\received.rtf", L"150 130 300 200|hello"},
                                                   {folder + L"elsewhere.rtf", L"10 10 300 200|x"}});
    ASSERT_EQ(made, 1);
    ASSERT_EQ(frame->GetMemoCount(), before + 1);
    const CMemoInfo& record = frame->GetNotes()->Memos()[before];
    EXPECT_EQ(record.m_strFileName, CString(L"received.rtf"));
    EXPECT_EQ(record.m_strTitle, CString(L"hello"));
    ASSERT_NE(record.m_pWindow, nullptr);
    EXPECT_TRUE(record.m_pWindow->IsWindowVisible());
    CRect rect;
    record.m_pWindow->GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(150, 130));
}
