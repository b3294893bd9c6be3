// The memo-group manager on a real window, with the frame's side recorded.
#include "GroupDialogFixture.h"

TEST_F(GroupDialogTest, ListsGroupsWithCountsAndShowsTheCurrentGroup) {
    CListBox& groups = dialog->Groups();
    ASSERT_EQ(3, groups.GetCount());
    EXPECT_EQ(CString(L"RecycleBin.zrr"), groups.GetText(2));
    EXPECT_EQ(2, (int)groups.GetItemData(IndexOf(groups, L"DefaultMemo.zrd")));
    EXPECT_EQ(3, (int)groups.GetItemData(IndexOf(groups, L"Work.zrd")));
    EXPECT_EQ(2, dialog->Grid().GetRowCount());
    EXPECT_EQ(CString(L"2/1000"), dialog->GetCountLabel());
    EXPECT_TRUE(Enabled(CEditMemoGroupDlg::IDC_DELETE_GROUP));

    Select(L"RecycleBin.zrr");
    EXPECT_FALSE(Enabled(CEditMemoGroupDlg::IDC_DELETE_GROUP));
    EXPECT_FALSE(Enabled(CEditMemoGroupDlg::IDC_RENAME_GROUP));
    Select(L"Work.zrd");
    EXPECT_EQ(3, dialog->Grid().GetRowCount());
    EXPECT_EQ(CString(L"w1.rtf"), dialog->Grid().GetItemText(1, 1));
}

TEST_F(GroupDialogTest, GroupRowsShowTheirIconLabelAndGround) {
    CGroupListBox& groups = dialog->Groups();
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
    Select(L"Work.zrd");
    int current = IndexOf(groups, L"DefaultMemo.zrd"), work = IndexOf(groups, L"Work.zrd");
    EXPECT_EQ(CString(L"DefaultMemo (2)"), groups.GetItemLabel(current));
    EXPECT_EQ(CString(L"Work (3)"), groups.GetItemLabel(work));
    EXPECT_EQ(CEditMemoGroupDlg::GroupItemHeight, groups.GetItemHeight(0));
    groups.Invalidate();
    groups.UpdateWindow();
    CRect currentRow, workRow;
    groups.GetItemRect(current, &currentRow);
    groups.GetItemRect(work, &workRow);
    HDC dc = GetDC(groups);
    // Right of the label: the row's ground; inside the icon's cell: the
    // front sheet of the program's picture of a group, the current one's
    // yellow, the others' white.
    EXPECT_EQ(CGroupListBox::CurrentFill, GetPixel(dc, currentRow.right - 4, currentRow.top + 10));
    EXPECT_EQ(CGroupListBox::SelectedFill, GetPixel(dc, workRow.right - 4, workRow.top + 10));
    EXPECT_EQ(RGB(255, 245, 170), GetPixel(dc, currentRow.left + CGroupListBox::IconLeft + 3, currentRow.top + 6));
    EXPECT_EQ(RGB(250, 250, 250), GetPixel(dc, workRow.left + CGroupListBox::IconLeft + 4, workRow.top + 6));
    ReleaseDC(groups, dc);
}

TEST_F(GroupDialogTest, MovesTheTickedNotesOrTheSelectedOne) {
    Select(L"Work.zrd");
    dialog->OnMoveToGroupCommand(IndexOf(dialog->Groups(), L"DefaultMemo.zrd"));
    EXPECT_EQ(CString(L"No Memo selected."), host.messages.back().text);

    dialog->SetTicked(0, true);
    dialog->SetTicked(2, true);
    dialog->OnMoveToGroupCommand(IndexOf(dialog->Groups(), L"DefaultMemo.zrd"));
    EXPECT_EQ((std::vector<CString>{L"d0.rtf", L"d1.rtf", L"w0.rtf", L"w2.rtf"}), Current());
    EXPECT_EQ((std::vector<CString>{L"w1.rtf"}), GroupNames(store, L"Work.zrd"));
    EXPECT_EQ(4, memos.GetSize());
    EXPECT_EQ(1, dialog->Grid().GetRowCount());
    EXPECT_EQ(4, (int)dialog->Groups().GetItemData(IndexOf(dialog->Groups(), L"DefaultMemo.zrd")));

    dialog->Grid().SelectRows(0, 0);
    dialog->OnMoveToGroupCommand(IndexOf(dialog->Groups(), L"RecycleBin.zrr"));
    EXPECT_EQ((std::vector<CString>{L"w1.rtf"}), GroupNames(store, L"RecycleBin.zrr"));
}

TEST_F(GroupDialogTest, AddsRenamesAndDeletesGroups) {
    typed = {L"home", L"Home"};
    dialog->OnAddGroup();  // not a duplicate of anything yet
    EXPECT_EQ(4, dialog->Groups().GetCount());
    dialog->OnAddGroup();
    EXPECT_EQ(CString(L"That group already exists."), host.messages.back().text);
    EXPECT_EQ(4, dialog->Groups().GetCount());
    EXPECT_EQ(CString(L"RecycleBin.zrr"), dialog->Groups().GetText(3));

    Select(L"DefaultMemo.zrd");
    typed = {L"Main"};
    dialog->OnRenameGroup();
    EXPECT_EQ(CString(L"Main.zrd"), g_Settings.General.MemoDBFile);
    EXPECT_GE(IndexOf(dialog->Groups(), L"Main.zrd"), 0);

    Select(L"Main.zrd");
    dialog->OnDeleteGroup();
    EXPECT_TRUE(host.messages.back().text.Find(L"in use") >= 0);

    Select(L"Work.zrd");
    groupAnswer = 1;
    dialog->OnDeleteGroup();
    EXPECT_FALSE(folder.Has(L"Work.zrd"));
    EXPECT_EQ(3u, folder.List(L"w*.brt").size());
    EXPECT_EQ(-1, IndexOf(dialog->Groups(), L"Work.zrd"));
}

TEST_F(GroupDialogTest, DeletesTheTickedNotesAsTheConfirmationSays) {
    Select(L"Work.zrd");
    dialog->SetTicked(1, true);
    memosAnswer = 7;
    dialog->OnDeleteMemos();
    EXPECT_EQ(3u, GroupNames(store, L"Work.zrd").size());
    memosAnswer = 1;
    dialog->OnDeleteMemos();
    EXPECT_EQ((std::vector<CString>{L"w0.rtf", L"w2.rtf"}), GroupNames(store, L"Work.zrd"));
    EXPECT_TRUE(folder.Has(L"w1.brt"));
    EXPECT_EQ(2, dialog->Grid().GetRowCount());

    // In the current group the notes' windows close too.
    Select(L"DefaultMemo.zrd");
    dialog->SetTicked(0, true);
    memosAnswer = 3;
    dialog->OnDeleteMemos();
    EXPECT_EQ((std::vector<CString>{L"d1.rtf"}), Current());
    EXPECT_EQ(1, memos.GetSize());
}
