// The frame with its notes and alarms running in this process: the group
// menus it fills reach their commands from the tray and from a note, and the
// calendar's month marks ask the frame for its alarms.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "TestFiles.h"
#include "calendar/AlarmInfo.h"
#include "calendar/DayMarks.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ProgramFolder.h"
#include "shell/SaveFailureReport.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/SettingsStore.h"
#include "shell/ZMsgBox.h"

#include <gtest/gtest.h>

namespace {
// The id of the menu item with that text; 0 when there is none.
UINT ItemWithText(CMenu& menu, const wchar_t* text) {
    int count = menu.GetMenuItemCount();
    for (int i = 0; i < count; ++i) {
        if (menu.GetMenuString(i, MF_BYPOSITION) == text) return menu.GetMenuItemID(i);
    }
    return 0;
}

class FrameWiringTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"frame-wiring"));
        folder = scratch->Path();
        UseAsProgramFolder(*scratch);
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.HistoryLevel = 0;
        SetMessageBoxAnswerer([](const CString&, int) { return IDYES; });

        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->PostCreateInit();
        ASSERT_NE(frame->GetNotes(), nullptr);
    }
    void TearDown() override {
        CloseFrame();
        SetMessageBoxAnswerer(nullptr);
        scratch.reset();
    }
    void CloseFrame() {
        if (frame) SendMessageW(wnd, WM_CLOSE, 0, 0);
        frame = nullptr;
        g_FrameAlive = 1;
    }
    int CountInGroup(const wchar_t* group) {
        CArray<CMemoInfo> memos;
        frame->GetNotes()->Store().SerializeGroupFile(group, memos, 0);
        return memos.GetSize();
    }

    std::unique_ptr<CScratchFolder> scratch;
    CString folder;
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
};
}  // namespace

TEST_F(FrameWiringTest, GroupMenusOfTheTrayAndOfANoteReachTheirCommands) {
    CArray<CMemoInfo> none;
    ASSERT_EQ(frame->GetNotes()->Store().SerializeGroupFile(L"b.zrd", none, 1), 1);
    frame->NewMemo();
    ASSERT_EQ(frame->GetMemoCount(), 1);
    CMemoDlg* note = frame->GetNotes()->Memos()[0].m_pWindow;

    // A note's menu of groups to move it to, sent to the note.
    CMenu moveTo;
    ASSERT_TRUE(moveTo.CreatePopupMenu());
    frame->BuildMoveToGroupMenu(&moveTo);
    UINT toB = ItemWithText(moveTo, L"b");
    ASSERT_NE(toB, 0u);
    ::SendMessageW(note->m_hWnd, WM_COMMAND, toB, 0);
    EXPECT_EQ(frame->GetMemoCount(), 0);
    EXPECT_EQ(CountInGroup(L"b.zrd"), 1);

    // The tray's menu of groups to open, sent to the frame.
    CMenu open;
    ASSERT_TRUE(open.CreatePopupMenu());
    frame->BuildOpenGroupMenu(&open);
    UINT openB = ItemWithText(open, L"b");
    ASSERT_NE(openB, 0u);
    ::SendMessageW(wnd, WM_COMMAND, openB, 0);
    EXPECT_EQ(g_Settings.General.MemoDBFile, CString(L"b.zrd"));
    ASSERT_EQ(frame->GetMemoCount(), 1);  // the moved note
    // The group's windows open from the message loop.
    ASSERT_TRUE(PumpUntil([this] { return !frame->GetNotes()->IsOpeningMemos(); }, 10000));

    // The same menu in a note's own menu, sent to the note.
    frame->BuildOpenGroupMenu(&open);
    UINT openDefault = ItemWithText(open, L"DefaultMemo");
    ASSERT_NE(openDefault, 0u);
    ::SendMessageW(frame->GetNotes()->Memos()[0].m_pWindow->m_hWnd, WM_COMMAND, openDefault, 0);
    EXPECT_EQ(g_Settings.General.MemoDBFile, CString(L"DefaultMemo.zrd"));
    EXPECT_EQ(frame->GetMemoCount(), 0);
}

TEST_F(FrameWiringTest, CalendarMarksHoldTheAnniversariesAndTheFramesAlarmsOfTheMonth) {
    CArray<CAlarmInfo>& alarms = frame->GetNotes()->AlarmStore().Alarms();
    alarms.RemoveAll();
    CAlarmInfo weekly;
    weekly.m_nKind = CAlarmInfo::KindDaysOfWeek;
    weekly.m_nDayValue = 1 << 0;  // Sundays
    weekly.m_nIcon = 3;
    alarms.Add(weekly);
    CAlarmInfo period;
    period.m_nKind = CAlarmInfo::KindPeriod;
    period.m_nYear = 2010, period.m_nMonth = 2, period.m_nDay = 10;
    period.m_nEndDate = MakeDateCode(2010, 2, 12);
    period.m_nIcon = 4;
    alarms.Add(period);

    CArray<CDayInfo> anniversaries;
    CDayInfo seollal;
    seollal.m_nMonth = 1, seollal.m_nDay = 1, seollal.m_bLunar = 1, seollal.m_bHoliday = 1, seollal.m_nIcon = 5;
    anniversaries.Add(seollal);

    MarkMonthAnniversaries(&anniversaries, 2010, 2);
    MarkMonthRanges(2010, 2);
    // 14 February 2010, a Sunday, was the lunar new year.
    EXPECT_EQ(g_MonthDayMarks[1][13], kHolidayMark | (1u << 5) | (1u << 3));
    EXPECT_EQ(g_MonthDayMarks[1][6], 1u << 3);  // 7 February, a Sunday
    EXPECT_EQ(g_MonthDayMarks[1][7], 0u);
    EXPECT_EQ(g_MonthDayMarks[1][10], 1u << 4);  // inside the period
    EXPECT_EQ(g_RangeDayMarks[9], kRangeFirstDay);
    EXPECT_EQ(g_RangeDayMarks[10], kRangeInside);
    EXPECT_EQ(g_RangeDayMarks[11], kRangeLastDay);

    // A kind the calendar settings leave out is not marked.
    g_Settings.Calendar.DayOfWeek = 0;
    MarkMonthAnniversaries(&anniversaries, 2010, 2);
    EXPECT_EQ(g_MonthDayMarks[1][6], 0u);
    EXPECT_EQ(g_MonthDayMarks[1][10], 1u << 4);

    // The tray's date takes the alarms' marks too.
    ClearMonthMarks();
    ClearRangeMarks();
    frame->RebuildTrayMonthMarks(2010, 2);
    EXPECT_EQ(g_MonthDayMarks[1][10], 1u << 4);
    EXPECT_EQ(g_RangeDayMarks[9], kRangeFirstDay);

    // Once the frame has gone, the calendar marks its anniversaries alone.
    CloseFrame();
    MarkMonthAnniversaries(&anniversaries, 2010, 2);
    MarkMonthRanges(2010, 2);
    EXPECT_EQ(g_MonthDayMarks[1][13], kHolidayMark | (1u << 5));
    EXPECT_EQ(g_MonthDayMarks[1][10], 0u);
    EXPECT_EQ(g_RangeDayMarks[9], 0u);
}

namespace {
// The system's message box, counted and answered at once.
class CCountingBox : public ISystemMessageBox {
public:
    std::vector<CString> texts;
    CCountingBox() { SetSystemMessageBox(this); }
    ~CCountingBox() override { SetSystemMessageBox(nullptr); }
    int Show(HWND, const CString& text, const CString&, UINT) override {
        texts.push_back(text);
        return IDOK;
    }
};
}  // namespace

TEST_F(FrameWiringTest, ProgramFolderBackupCommandWritesTheArchiveOrSaysItCouldNot) {
    CCountingBox boxes;
    g_Settings.ReportErrors = 1;
    ASSERT_TRUE(WriteFileBytes(folder + L"kept.txt", "kept"));
    SendMessageW(wnd, WM_COMMAND, ID_BACKUP_PROGRAM, 0);
    std::string archive = ReadFileBytes(folder + L"backup.zip");
    ASSERT_GT(archive.size(), 22u);
    EXPECT_EQ(archive.substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_NE(archive.find("kept.txt"), std::string::npos);
    EXPECT_TRUE(boxes.texts.empty());

    // An archive that cannot take its place is told once, and what stood
    // there is left alone.
    ASSERT_TRUE(DeleteFileW(folder + L"backup.zip"));
    ASSERT_TRUE(CreateDirectoryW(folder + L"backup.zip", nullptr));
    SendMessageW(wnd, WM_COMMAND, ID_BACKUP_PROGRAM, 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].Find(L"backup.zip"), -1);
    EXPECT_TRUE(GetFileAttributesW(folder + L"backup.zip") & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW(folder + L"backup.zip.part"), INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryW(folder + L"backup.zip");
    GetSaveFailureReport().Clear();
    g_Settings.ReportErrors = 0;
}
