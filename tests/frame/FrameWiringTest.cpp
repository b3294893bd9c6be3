// The frame with its notes and alarms running in this process: the group
// menus it fills reach their commands from the tray and from a note.
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/MainFrame.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
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
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        folder.Format(L"%szorel-frame-wiring-%lu-%d\\", temp, GetCurrentProcessId(), ++counter);
        CreateDirectoryW(folder, nullptr);
        CreateDirectoryW(folder + L"memo_data", nullptr);
        CreateDirectoryW(folder + L"schedule_data", nullptr);
        g_ProgramFolder = folder;
        g_Settings = CSettings();
        AppConfigStore().Reset();
        SetDefaultSettings();
        LoadConfig(AppConfigStore());
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
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
        DeleteFolderTree(folder);
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

    // The same menu in a note's own menu, sent to the note.
    frame->BuildOpenGroupMenu(&open);
    UINT openDefault = ItemWithText(open, L"DefaultMemo");
    ASSERT_NE(openDefault, 0u);
    ::SendMessageW(frame->GetNotes()->Memos()[0].m_pWindow->m_hWnd, WM_COMMAND, openDefault, 0);
    EXPECT_EQ(g_Settings.General.MemoDBFile, CString(L"DefaultMemo.zrd"));
    EXPECT_EQ(frame->GetMemoCount(), 0);
}
