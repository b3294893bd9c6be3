// The frame's single instances of the group manager and restore dialogs.
#include "LifecycleFixture.h"
#include "MessagePump.h"
#include "notes/LifecycleDialogs.h"
#include "notes/NoteCreate.h"

TEST_F(LifecycleTest, DialogsExistOnceAndCloseOutsideTheirHandlers) {
    g_Settings.General.MemoDBFile = CMemoStore::DefaultGroupFile;
    CNoteCreate create(host, store, memos, {});
    CLifecycleDialogs::FrameSide side;
    side.addNote = [&](const CString& name, bool write) { return create.AddMemoFromFile(name, write) != nullptr; };
    side.programFolder = folder.Path();
    side.scheduleFolder = folder.Path();
    CLifecycleDialogs dialogs(host, store, memos, side);

    dialogs.OnEditMemoGroup();
    CEditMemoGroupDlg* manager = dialogs.GetGroupManager();
    ASSERT_TRUE(manager && manager->m_hWnd);
    dialogs.OnEditMemoGroup();
    EXPECT_EQ(manager, dialogs.GetGroupManager());
    HWND managerWindow = manager->m_hWnd;
    manager->SendMessage(WM_COMMAND, IDCANCEL, 0);  // the Cancel button
    EXPECT_EQ(nullptr, dialogs.GetGroupManager());
    PumpUntil([&] { return !IsWindow(managerWindow); }, 2000);
    EXPECT_FALSE(IsWindow(managerWindow));

    folder.Write(L"a.rtf");
    dialogs.OnMemoListDamaged();
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(CString(L"Memo list is damaged. Manual restoration will be tried"), host.messages[0].text);
    ASSERT_TRUE(dialogs.GetRestoreMemo());
    EXPECT_EQ(1, dialogs.GetRestoreMemo()->GetMode());
    dialogs.OnMemoListDamaged();  // already open: only shown again
    EXPECT_EQ(1u, host.messages.size());

    dialogs.OnRestoreDeletedMemos();  // replaces the open one
    EXPECT_EQ(0, dialogs.GetRestoreMemo()->GetMode());
    folder.Write(L"b.brt");
    dialogs.AddToRestoreMemoDialog(folder.Path() + L"b.brt");
    EXPECT_EQ(1, dialogs.GetRestoreMemo()->List().GetItemCount());

    dialogs.OnRestoreSchedule();
    dialogs.OnRestoreAnniversary();
    EXPECT_TRUE(dialogs.GetRestoreSchedule() && dialogs.GetRestoreAnniversary());
    dialogs.CloseAllDialogs();
    EXPECT_FALSE(dialogs.GetRestoreMemo() || dialogs.GetRestoreSchedule() || dialogs.GetRestoreAnniversary());
    PumpFor(100);
}
