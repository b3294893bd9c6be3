#include "LifecycleFixture.h"
#include "notes/EditMemoGroupLogic.h"
#include "notes/NoteCreate.h"
#include "notes/NoteMove.h"
#include "notes/RestoreHistoryLogic.h"
#include "notes/RestoreMemoLogic.h"

class GroupTest : public LifecycleTest {
protected:
    CEditMemoGroupLogic Logic() { return CEditMemoGroupLogic(host, store, [this] { ++saves; }); }
    std::vector<CEditMemoGroupLogic::Group> List(CString& current, int& selected) {
        return Logic().ListGroups(current, selected);
    }
    int saves = 0;
};

TEST(GroupNames, TypedNamesThatCannotBeFileNamesAreRefused) {
    struct Case {
        const wchar_t* name;
        bool ok;
    } cases[] = {
        {L"Work", true}, {L"회사 일", true}, {L"a.b", true}, {L"", false}, {L"..\\x", false}, {L"a/b", false},
        {L"c:x", false}, {L"what?", false}, {L"trailing.", false}, {L"trailing ", false}, {L"CON", false},
        {L"nul.txt", false}, {L"COM1", false}, {L"lpt9", false}, {L"COM0", false}, {L"tab\there", false},
        {L"CONIN$", false}, {L"clock$", false}, {L"COM\u00B9", false}, {L"del\x7F", false}, {L"a..b", true},
        {L"twenty-one letters ok", true}, {L"twenty-two letters long", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.ok, CEditMemoGroupLogic::IsValidGroupName(c.name)) << c.name;
    EXPECT_EQ(CString(L"Work"), CEditMemoGroupLogic::DisplayName(L"Work.zrd"));
    EXPECT_EQ(CString(L"RecycleBin"), CEditMemoGroupLogic::DisplayName(L"RecycleBin.zrr"));
    EXPECT_EQ(CString(L"a.zrdx"), CEditMemoGroupLogic::DisplayName(L"a.zrdx"));
}

TEST_F(GroupTest, AFolderWithoutGroupsListsTheDefaultGroupAlone) {
    CString current = L"Gone.zrd";
    int selected = -1;
    auto groups = List(current, selected);
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(CString(L"DefaultMemo.zrd"), current);
    EXPECT_EQ(0, selected);
}

TEST_F(GroupTest, GroupsAreListedWithTheRecycleBinLastAndTheButtonRules) {
    MakeGroup(L"DefaultMemo.zrd", 2);
    CString current = L"DefaultMemo.zrd";
    int selected = -1;
    auto groups = List(current, selected);
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(2, groups[0].count);
    EXPECT_EQ(CString(L"RecycleBin.zrr"), groups[1].name);
    EXPECT_FALSE(CEditMemoGroupLogic::CanDelete(2, 0));
    EXPECT_FALSE(CEditMemoGroupLogic::CanDelete(2, 1));
    EXPECT_TRUE(CEditMemoGroupLogic::CanRename(2, 0));
    EXPECT_FALSE(CEditMemoGroupLogic::CanRename(2, 1));
    EXPECT_TRUE(CEditMemoGroupLogic::CanDelete(3, 1));
}

TEST_F(GroupTest, AddingRefusesCaseOnlyDuplicatesAndPathNames) {
    MakeGroup(L"Work.zrd", 0);
    CString current = L"Work.zrd";
    int selected = -1;
    auto groups = List(current, selected);
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().AddGroup(groups, L"WORK"));
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(CString(L"That group already exists."), host.messages[0].text);
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().AddGroup(groups, L"..\\..\\evil"));
    EXPECT_EQ(CEditMemoGroupLogic::Cancelled, Logic().AddGroup(groups, L""));
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().AddGroup(groups, L"Home"));
    EXPECT_EQ(1, saves);
    EXPECT_TRUE(folder.Has(L"Home.zrd"));
    EXPECT_EQ(0u, store.CountMemosInFile(L"Home.zrd"));
}

TEST_F(GroupTest, RenamingTheCurrentGroupRenamesMemoDBFile) {
    MakeGroup(L"DefaultMemo.zrd", 1);
    MakeGroup(L"Other.zrd", 1);
    CString current = L"DefaultMemo.zrd";
    int selected = -1;
    auto groups = List(current, selected);
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().RenameGroup(groups, L"Other.zrd", L"Else", current));
    EXPECT_EQ(CString(L"DefaultMemo.zrd"), current);
    groups = List(current, selected);
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().RenameGroup(groups, L"DefaultMemo.zrd", L"Main", current));
    EXPECT_EQ(CString(L"Main.zrd"), current);
    EXPECT_EQ(CString(L"Main.zrd"), store.GetCurrentGroup());
    EXPECT_TRUE(folder.Has(L"Main.zrd"));
    // A rename that fails changes nothing.
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().RenameGroup(groups, L"Missing.zrd", L"New", current));
    EXPECT_EQ(CString(L"Main.zrd"), current);
}

TEST_F(GroupTest, DeletingGroups) {
    MakeGroup(L"DefaultMemo.zrd", 1);
    MakeGroup(L"Empty.zrd", 0);
    MakeGroup(L"Full.zrd", 2, L"20140209153045");
    folder.Write(L"201402091530450.rtf");
    folder.Write(L"201402091530451.rtf");
    int notes = -1;
    CString current = L"DefaultMemo.zrd";
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().CheckDeleteGroup(1, L"Empty.zrd", current, notes));
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().CheckDeleteGroup(4, L"defaultmemo.zrd", current, notes));
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().CheckDeleteGroup(4, L"Empty.zrd", current, notes));
    EXPECT_EQ(0, notes);
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().DeleteGroup(L"Empty.zrd", CEditMemoGroupLogic::DeleteGroupFileOnly));
    EXPECT_FALSE(folder.Has(L"Empty.zrd"));

    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().CheckDeleteGroup(4, L"Full.zrd", current, notes));
    EXPECT_EQ(2, notes);
    EXPECT_EQ(CEditMemoGroupLogic::Cancelled, Logic().DeleteGroup(L"Full.zrd", CEditMemoGroupLogic::DeleteCancel));
    EXPECT_TRUE(folder.Has(L"Full.zrd"));
    EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().DeleteGroup(L"Full.zrd", CEditMemoGroupLogic::DeleteRestorable));
    EXPECT_FALSE(folder.Has(L"Full.zrd"));
    EXPECT_EQ((std::vector<CString>{L"201402091530450.brt", L"201402091530451.brt"}), folder.List(L"*.brt"));

    folder.Write(L"Broken.zrd", "damaged list");
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().CheckDeleteGroup(4, L"Broken.zrd", current, notes));
    EXPECT_EQ(CEditMemoGroupLogic::Refused, Logic().DeleteGroup(L"Broken.zrd", CEditMemoGroupLogic::DeleteEverything));
    EXPECT_TRUE(folder.Has(L"Broken.zrd"));
}

// A list from another computer may name a file outside the memo folder:
// whatever happens to its group, that file stays where and as it is.
TEST_F(GroupTest, FilesNamedByUnsafeRecordsAreNeverDeletedOrMoved) {
    // Back into the memo folder by way of "..", so the file is there to see.
    CString leaf = folder.Path().Left(folder.Path().GetLength() - 1);
    leaf = leaf.Mid(leaf.ReverseFind(L'\\') + 1);
    CString escape = L"..\\" + leaf + L"\\victim.txt";
    enum Action { GroupDeleted, GroupDeletedRestorably, NotesDeleted, NotesDeletedRestorably, CurrentNotesDeleted };
    for (Action action : {GroupDeleted, GroupDeletedRestorably, NotesDeleted, NotesDeletedRestorably,
                          CurrentNotesDeleted}) {
        DeleteFileW(folder.Path() + L"safe.brt");
        folder.Write(L"safe.rtf");
        folder.Write(L"victim.txt", "not a note");
        CArray<CMemoInfo> list;
        list.Add(MakeRecord(L"safe.rtf"));
        list.Add(MakeRecord(escape));
        memos.RemoveAll();
        const wchar_t* group = action == CurrentNotesDeleted ? CMemoStore::DefaultGroupFile : L"Other.zrd";
        ASSERT_EQ(1, store.SerializeGroupFile(group, list, 1));
        switch (action) {
        case GroupDeleted:
            EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().DeleteGroup(group, CEditMemoGroupLogic::DeleteEverything));
            break;
        case GroupDeletedRestorably:
            EXPECT_EQ(CEditMemoGroupLogic::Done, Logic().DeleteGroup(group, CEditMemoGroupLogic::DeleteRestorable));
            break;
        case NotesDeleted:
        case NotesDeletedRestorably:
            EXPECT_TRUE(CNoteMove(host, store, memos).DeleteMemosFromGroup(list, group, action == NotesDeletedRestorably));
            break;
        case CurrentNotesDeleted:
            memos.Copy(list);
            host.Attach(memos[0]);
            EXPECT_TRUE(CNoteMove(host, store, memos).DeleteMemosFromGroup(list, group, false));
            EXPECT_EQ(0, memos.GetSize());
            break;
        }
        EXPECT_FALSE(folder.Has(L"safe.rtf")) << action;
        EXPECT_EQ((std::vector<CString>{L"victim.txt"}), folder.List(L"victim*")) << action;
    }
    EXPECT_EQ(1u, host.storeMessages.size());  // told once, however often the group was read
}

TEST_F(LifecycleTest, DeletedNotesAreListedAndRestoredIntoTheCurrentGroup) {
    folder.Write(L"20140209153045123.brt");
    folder.Write(L"20140209153045124.brt");
    folder.Write(L"open.brt");
    CRestoreMemoLogic logic(host, folder.Path(), 0);
    auto items = logic.ListFiles([](const CString& name) { return name == L"open.brt"; });
    ASSERT_EQ(2u, items.size());
    EXPECT_FALSE(items[0].modified.IsEmpty());

    CNoteCreate create(host, store, memos, {});
    auto add = [&](const CString& name, bool write) { return create.AddMemoFromFile(name, write) != nullptr; };
    host.answers = {IDNO};
    EXPECT_FALSE(logic.Restore(L"20140209153045123.brt", 0, add));
    EXPECT_TRUE(folder.Has(L"20140209153045123.brt"));
    host.answers = {IDYES};
    EXPECT_TRUE(logic.Restore(L"20140209153045123.brt", 0, add));
    EXPECT_TRUE(folder.Has(L"20140209153045123.rtf"));
    EXPECT_EQ((std::vector<CString>{L"20140209153045123.rtf"}), Current());
    EXPECT_EQ(CRect(1740, 15, 1920, 115), memos[0].m_rcWindow);
}

TEST_F(LifecycleTest, RestoringIsRefusedAtTheLimitAndAfterAFailedRename) {
    folder.Write(L"a.brt");
    CRestoreMemoLogic logic(host, folder.Path(), 0);
    int added = 0;
    auto add = [&](const CString&, bool) { return ++added, true; };
    EXPECT_FALSE(logic.Restore(L"a.brt", 1000, add));
    EXPECT_EQ(CString(L"One group cannot include memos more than 1000."), host.messages.back().text);

    host.answers = {IDYES};
    EXPECT_FALSE(logic.Restore(L"gone.brt", 0, add));
    EXPECT_EQ(CString(L"Could not restore."), host.messages.back().text);
    EXPECT_EQ(0, added);
}

TEST_F(LifecycleTest, RestoringOntoALiveFileKeepsACopyOfIt) {
    folder.Write(L"a.brt", "deleted");
    folder.Write(L"a.rtf", "live");
    CRestoreMemoLogic logic(host, folder.Path(), 0);
    host.answers = {IDYES};
    EXPECT_TRUE(logic.Restore(L"a.brt", 0, nullptr));
    EXPECT_EQ(1u, folder.List(L"a.rtf.*.old").size());
    EXPECT_FALSE(folder.Has(L"a.brt"));
}

TEST_F(LifecycleTest, RestoringAllWritesTheListOnce) {
    folder.Write(L"a.brt");
    folder.Write(L"b.brt");
    CRestoreMemoLogic logic(host, folder.Path(), 0);
    std::vector<bool> writes;
    auto add = [&](const CString&, bool write) { return writes.push_back(write), true; };
    EXPECT_EQ(0, logic.RestoreAll({L"a.brt", L"b.brt"}, 999, add));
    host.answers = {IDYES};
    EXPECT_EQ(2, logic.RestoreAll({L"a.brt", L"b.brt"}, 998, add));
    EXPECT_EQ((std::vector<bool>{false, true}), writes);
    EXPECT_EQ((std::vector<CString>{L"a.rtf", L"b.rtf"}), folder.List(L"*.rtf"));
}

TEST_F(LifecycleTest, HistoryCopiesAreListedAndRestoredWithTodaysCopyFirst) {
    CreateDirectoryW(folder.Path() + L"history", nullptr);
    folder.Write(L"schedule_data.zra", "today's alarms");
    folder.Write(L"history\\2014_02_01.sbak", "february");
    folder.Write(L"history\\2014_01_15_10_20_30.sbak", "january");
    CRestoreHistoryLogic logic = CRestoreHistoryLogic::ForSchedule(host, folder.Path());
    EXPECT_EQ((std::vector<CString>{L"2014_01_15_10_20_30", L"2014_02_01"}), logic.ListItems());
    EXPECT_EQ(CString(L"Would you like to restore the schedule on 2014/01/15"),
              logic.RestoreQuestion(L"2014_01_15_10_20_30"));

    bool listChanged = false;
    host.answers = {IDYES};
    EXPECT_TRUE(logic.Restore(L"2014_02_01", 1, listChanged));
    EXPECT_TRUE(listChanged);
    EXPECT_EQ(3u, logic.ListItems().size());  // today's date is listed as well
    EXPECT_TRUE(folder.Has(L"history\\2014_02_09.sbak"));

    // At another history level no dated copy: the live file is kept aside.
    host.answers = {IDYES};
    EXPECT_TRUE(logic.Restore(L"2014_01_15_10_20_30", 2, listChanged));
    EXPECT_FALSE(listChanged);
    EXPECT_EQ(1u, folder.List(L"schedule_data.zra.*.old").size());

    // Short items and a No change nothing.
    EXPECT_FALSE(logic.Restore(L"2014_01", 2, listChanged));
    host.answers = {IDNO};
    EXPECT_FALSE(logic.Restore(L"2014_02_01", 2, listChanged));

    host.answers = {IDYES};
    EXPECT_TRUE(logic.Delete(L"2014_02_01"));
    EXPECT_EQ(CString(L"\"2014_02_01\" Do you want to Delete?"), host.messages.back().text);
    EXPECT_EQ(2u, logic.ListItems().size());
}

TEST(GroupRows, TickedRowsOrElseTheSelectedRow) {
    EXPECT_EQ((std::vector<int>{0, 2}), CEditMemoGroupLogic::CollectRows({true, false, true, true}, 3, 1));
    EXPECT_EQ((std::vector<int>{1}), CEditMemoGroupLogic::CollectRows({false, false, false}, 3, 1));
    EXPECT_TRUE(CEditMemoGroupLogic::CollectRows({false, false}, 2, -1).empty());
    EXPECT_TRUE(CEditMemoGroupLogic::CollectRows({false, false}, 2, 5).empty());
}
