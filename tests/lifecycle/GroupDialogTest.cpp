// The memo-group manager on a real window, with the frame's side recorded.
#include "LifecycleFixture.h"
#include "notes/EditMemoGroupDlg.h"

namespace {

int IndexOf(CListBox& list, const wchar_t* name) {
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetText(i) == name) return i;
    return -1;
}

class GroupDialogTest : public LifecycleTest {
protected:
    void SetUp() override {
        LifecycleTest::SetUp();
        g_Settings.General.MemoDBFile = CMemoStore::DefaultGroupFile;
        AddNote(L"d0.rtf");
        AddNote(L"d1.rtf");
        CAutosave(host, store, memos).WriteMemoList();
        MakeGroup(L"Work.zrd", 3, L"w");
        for (const wchar_t* f : {L"w0.rtf", L"w1.rtf", L"w2.rtf"}) folder.Write(f, "{\\rtf1\\ansi work note}");
        dialog = std::make_unique<CEditMemoGroupDlg>(host, store, memos);
        dialog->saveChanged = [this] { ++saves; };
        dialog->switchGroup = [this](const CString& g) { switched.push_back(g); };
        dialog->askText = [this](CWnd*, int, const CString&, int, CString& out) {
            if (typed.empty()) return false;
            out = typed.front();
            typed.erase(typed.begin());
            return true;
        };
        dialog->askDeleteGroup = [this](int) { return groupAnswer; };
        dialog->askDeleteMemos = [this](const CArray<CMemoInfo>&) { return memosAnswer; };
        ASSERT_TRUE(dialog->CreateModeless(nullptr));
    }
    void TearDown() override {
        if (dialog && dialog->m_hWnd) dialog->DestroyWindow();
    }
    void Select(const wchar_t* group) {
        dialog->Groups().SetCurSel(IndexOf(dialog->Groups(), group));
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(CEditMemoGroupDlg::IDC_GROUPS, LBN_SELCHANGE),
                            (LPARAM)dialog->Groups().m_hWnd);
    }
    bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(dialog->m_hWnd, id)) != FALSE; }

    std::unique_ptr<CEditMemoGroupDlg> dialog;
    int saves = 0;
    std::vector<CString> switched, typed;
    int groupAnswer = 2, memosAnswer = 7;
};

}  // namespace

TEST_F(GroupDialogTest, ListsGroupsWithCountsAndShowsTheCurrentGroup) {
    CListBox& groups = dialog->Groups();
    ASSERT_EQ(3, groups.GetCount());
    EXPECT_EQ(CString(L"RecycleBin.zrr"), groups.GetText(2));
    EXPECT_EQ(2, (int)groups.GetItemData(IndexOf(groups, L"DefaultMemo.zrd")));
    EXPECT_EQ(3, (int)groups.GetItemData(IndexOf(groups, L"Work.zrd")));
    EXPECT_EQ(2, dialog->Grid().GetItemCount());
    EXPECT_EQ(CString(L"2/1000"), dialog->GetCountLabel());
    EXPECT_TRUE(Enabled(CEditMemoGroupDlg::IDC_DELETE_GROUP));

    Select(L"RecycleBin.zrr");
    EXPECT_FALSE(Enabled(CEditMemoGroupDlg::IDC_DELETE_GROUP));
    EXPECT_FALSE(Enabled(CEditMemoGroupDlg::IDC_RENAME_GROUP));
    Select(L"Work.zrd");
    EXPECT_EQ(3, dialog->Grid().GetItemCount());
    EXPECT_EQ(CString(L"w1.rtf"), dialog->Grid().GetItemText(1, 1));
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
    EXPECT_EQ(1, dialog->Grid().GetItemCount());
    EXPECT_EQ(4, (int)dialog->Groups().GetItemData(IndexOf(dialog->Groups(), L"DefaultMemo.zrd")));

    dialog->Grid().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
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
    EXPECT_EQ(2, dialog->Grid().GetItemCount());

    // In the current group the notes' windows close too.
    Select(L"DefaultMemo.zrd");
    dialog->SetTicked(0, true);
    memosAnswer = 3;
    dialog->OnDeleteMemos();
    EXPECT_EQ((std::vector<CString>{L"d1.rtf"}), Current());
    EXPECT_EQ(1, memos.GetSize());
}
