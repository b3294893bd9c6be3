// The restore dialogs on real windows: lists filled from the folders,
// restoring and deleting through their buttons.
#include "LifecycleFixture.h"
#include "notes/NoteCreate.h"
#include "notes/RestoreAnniversaryDlg.h"
#include "notes/RestoreMemoDlg.h"
#include "notes/RestoreScheduleDlg.h"

namespace {
void Click(CWnd& dialog, int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog.m_hWnd, id)); }
}  // namespace

TEST_F(LifecycleTest, DeletedNoteDialogListsPreviewsAndRestores) {
    folder.Write(L"20140209153045123.brt", "{\\rtf1\\ansi first note}");
    folder.Write(L"20140209153045124.brt", "{\\rtf1\\ansi second note}");
    folder.Write(L"20140209153045125.rtf", "{\\rtf1\\ansi live}");
    CNoteCreate create(host, store, memos, {});
    CRestoreMemoDlg dialog(host, folder.Path(), 0);
    int refreshed = 0;
    dialog.isOpen = [](const CString&) { return false; };
    dialog.currentCount = [&] { return memos.GetSize(); };
    dialog.addNote = [&](const CString& name, bool write) { return create.AddMemoFromFile(name, write) != nullptr; };
    dialog.onGroupsChanged = [&] { ++refreshed; };
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_EQ(2, dialog.List().GetItemCount());
    EXPECT_EQ(CString(L"Deleted Memo Restoration"), [&] {
        wchar_t t[128] = {};
        ::GetWindowTextW(dialog.m_hWnd, t, 127);
        return CString(t);
    }());
    EXPECT_TRUE(dialog.GetPreviewText().Find(L"note") >= 0);

    // A note deleted while the dialog is open joins the list.
    folder.Write(L"20140209153045126.brt");
    dialog.AddFileItem(folder.Path() + L"20140209153045126.brt");
    EXPECT_EQ(3, dialog.List().GetItemCount());

    host.answers = {IDNO};
    Click(dialog, CRestoreMemoDlg::IDC_RESTORE);
    EXPECT_EQ(3, dialog.List().GetItemCount());
    host.answers = {IDYES};
    Click(dialog, CRestoreMemoDlg::IDC_RESTORE);
    EXPECT_EQ(2, dialog.List().GetItemCount());
    EXPECT_EQ(1, memos.GetSize());
    EXPECT_EQ(1, refreshed);
    EXPECT_EQ(2u, folder.List(L"*.brt").size());

    host.answers = {IDYES};
    Click(dialog, CRestoreMemoDlg::IDC_RESTORE_ALL);
    EXPECT_EQ(0, dialog.List().GetItemCount());
    EXPECT_EQ(3, memos.GetSize());
    EXPECT_TRUE(folder.List(L"*.brt").empty());
    EXPECT_EQ(3u, Current().size());
    dialog.DestroyWindow();
}

TEST_F(LifecycleTest, NoteFileDialogSkipsOpenNotesAndDeletes) {
    folder.Write(L"open.rtf");
    folder.Write(L"lost.rtf");
    CRestoreMemoDlg dialog(host, folder.Path(), 1);
    dialog.isOpen = [](const CString& name) { return name == L"open.rtf"; };
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_EQ(1, dialog.List().GetItemCount());
    EXPECT_EQ(CString(L"lost.rtf"), dialog.List().GetItemText(0, 0));
    // Restoring is refused at the limit, whatever is selected.
    g_Settings.MemoLimit = 0;
    Click(dialog, CRestoreMemoDlg::IDC_RESTORE);
    EXPECT_EQ(CString(L"One group cannot include memos more than 0."), host.messages.back().text);
    host.answers = {IDYES};
    Click(dialog, CRestoreMemoDlg::IDC_DELETE);
    EXPECT_EQ(0, dialog.List().GetItemCount());
    EXPECT_FALSE(folder.Has(L"lost.rtf"));
    EXPECT_TRUE(dialog.GetPreviewText().IsEmpty());
    // Mode 1 keeps its list to what is on disk.
    dialog.AddFileItem(folder.Path() + L"open.rtf");
    EXPECT_EQ(0, dialog.List().GetItemCount());
    dialog.DestroyWindow();
}

TEST_F(LifecycleTest, ScheduleHistoryDialogRestoresTheChosenCopy) {
    CreateDirectoryW(folder.Path() + L"history", nullptr);
    folder.Write(L"schedule_data.zra", "live");
    folder.Write(L"history\\2014_01_15.sbak", "january");
    folder.Write(L"history\\2014_02_01.sbak", "february");
    CRestoreScheduleDlg dialog(host, folder.Path(), 2);
    int restored = 0, closed = 0;
    dialog.onRestored = [&] { ++restored; };
    dialog.onClose = [&] { ++closed; };
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_EQ(2, dialog.List().GetCount());
    EXPECT_EQ(1, dialog.List().GetCurSel());  // the latest copy
    dialog.List().SetCurSel(0);
    host.answers = {IDYES};
    Click(dialog, CRestoreHistoryDlg::IDC_RESTORE);
    EXPECT_EQ(1, restored);
    FILE* f = _wfopen(folder.Path() + L"schedule_data.zra", L"rb");
    ASSERT_TRUE(f);
    char buf[32] = {};
    fread(buf, 1, 31, f);
    fclose(f);
    EXPECT_STREQ("january", buf);
    EXPECT_EQ(CString(L"Would you like to restore the schedule on 2014/01/15"), host.messages.back().text);

    host.answers = {IDYES};
    Click(dialog, CRestoreHistoryDlg::IDC_DELETE_ALL);
    EXPECT_EQ(0, dialog.List().GetCount());
    Click(dialog, IDCANCEL);
    EXPECT_EQ(1, closed);
    dialog.DestroyWindow();
}

TEST_F(LifecycleTest, AnniversaryHistoryDialogMakesTodaysCopyFirst) {
    CreateDirectoryW(folder.Path() + L"anniversary_data", nullptr);
    CreateDirectoryW(folder.Path() + L"anniversary_data\\history", nullptr);
    folder.Write(L"anniversary_data\\anniversary_data.xzrn", "live");
    folder.Write(L"anniversary_data\\history\\2014_02_01.xbak", "february");
    CRestoreAnniversaryDlg dialog(host, folder.Path(), 1);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_EQ(1, dialog.List().GetCount());
    host.answers = {IDYES};
    Click(dialog, CRestoreHistoryDlg::IDC_RESTORE);
    EXPECT_EQ(2, dialog.List().GetCount());
    EXPECT_EQ(CString(L"2014_02_09"), dialog.List().GetText(1));
    dialog.DestroyWindow();
}
