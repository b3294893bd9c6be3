#include "LifecycleFixture.h"
#include "notes/Autosave.h"

TEST(AutosaveRule, ReadinessFollowsTheLengthSeenAtTheTickBefore) {
    struct Case {
        const char* what;
        bool modified;
        std::vector<int> lengths;  // one per tick
        std::vector<bool> ready;
    } cases[] = {
        {"typing at every tick is never saved", true, {5, 9, 14, 20}, {false, false, false, false}},
        {"one quiet tick saves", true, {5, 9, 9}, {false, false, true}},
        {"the pause is needed again after a save", true, {9, 9, 9, 9}, {false, true, false, true}},
        {"an empty text waits for the exit", true, {0, 0, 0}, {false, false, false}},
        {"an unmodified note is never ready", false, {7, 7, 7}, {false, false, false}},
    };
    for (const Case& c : cases) {
        int remembered = 0;
        for (size_t i = 0; i < c.lengths.size(); ++i)
            EXPECT_EQ(c.ready[i], CAutosave::CheckReady(c.modified, c.lengths[i], remembered, false)) << c.what << " tick " << i;
    }
    int remembered = 0;
    EXPECT_TRUE(CAutosave::CheckReady(true, 0, remembered, true));
    EXPECT_FALSE(CAutosave::CheckReady(false, 5, remembered, true));
}

TEST_F(LifecycleTest, TypedNoteIsWrittenAfterOneQuietTickWithDateAndRecentNote) {
    CAutosave autosave(host, store, memos);
    CFakeNote* note = AddNote(L"20140209153045123.rtf");
    note->modified = true;
    note->text = L"hello";
    EXPECT_FALSE(autosave.AutoSaveMemos(false));
    note->text = L"hello world";
    EXPECT_FALSE(autosave.AutoSaveMemos(false));
    EXPECT_FALSE(folder.Has(L"20140209153045123.rtf"));

    host.now = CFakeHost::MakeTime(2014, 3, 4, 9, 5);
    EXPECT_TRUE(autosave.AutoSaveMemos(false));
    EXPECT_EQ(1, note->saves);
    EXPECT_TRUE(folder.Has(L"20140209153045123.rtf"));
    EXPECT_EQ(CString(L"2014-3-4 09:05"), note->record.m_strDate);
    EXPECT_EQ(CString(L"20140209153045123.rtf"), host.recentMemo);
    // The list carries the window's copy, with the new date.
    CArray<CMemoInfo> list;
    store.SerializeGroupFile(CMemoStore::DefaultGroupFile, list, 0);
    ASSERT_EQ(1, list.GetSize());
    EXPECT_EQ(CString(L"2014-3-4 09:05"), list[0].m_strDate);
}

TEST_F(LifecycleTest, EmptiedNoteIsWrittenOnlyAtExit) {
    CAutosave autosave(host, store, memos);
    CFakeNote* note = AddNote(L"a.rtf");
    note->modified = true;
    for (int tick = 0; tick < 4; ++tick) autosave.AutoSaveMemos(false);
    EXPECT_EQ(0, note->saves);
    EXPECT_TRUE(autosave.AutoSaveMemos(true));
    EXPECT_EQ(1, note->saves);
}

TEST_F(LifecycleTest, MovedWindowRewritesTheListButNoNoteFile) {
    CAutosave autosave(host, store, memos);
    CFakeNote* note = AddNote(L"a.rtf");
    note->record.m_rcWindow = CRect(500, 500, 680, 600);
    note->changed = true;
    EXPECT_TRUE(autosave.AutoSaveMemos(false));
    EXPECT_EQ(0, note->saves);
    EXPECT_FALSE(note->changed);
    CArray<CMemoInfo> list;
    store.SerializeGroupFile(CMemoStore::DefaultGroupFile, list, 0);
    ASSERT_EQ(1, list.GetSize());
    EXPECT_EQ(500, list[0].m_rcWindow.left);
    EXPECT_EQ(CString(L"a.rtf"), host.recentMemo);
    // Nothing changed since: the next tick writes nothing.
    EXPECT_FALSE(autosave.AutoSaveMemos(false));
}

TEST_F(LifecycleTest, AFailedNoteSaveDoesNotStopTheOthers) {
    CAutosave autosave(host, store, memos);
    CFakeNote* a = AddNote(L"a.rtf");
    CFakeNote* b = AddNote(L"b.rtf");
    a->modified = b->modified = true;
    a->failSave = true;
    autosave.AutoSaveMemos(true);
    EXPECT_EQ(1, a->saves);
    EXPECT_EQ(1, b->saves);
}

// A list write that failed is tried at the next pass, though nothing changed
// since; the host hears of every failure and of the write that worked.
TEST_F(LifecycleTest, AFailedListWriteIsTriedAgainAtTheNextPass) {
    CAutosave autosave(host, store, memos);
    CFakeNote* note = AddNote(L"a.rtf");
    CString list = folder.Path() + CMemoStore::DefaultGroupFile;
    ASSERT_TRUE(CreateDirectoryW(list, nullptr));
    note->changed = true;
    autosave.AutoSaveMemos(false);
    ASSERT_EQ(1u, host.saveFailures.size());
    EXPECT_TRUE(store.IsWriteRetryDue());
    autosave.AutoSaveMemos(false);
    EXPECT_EQ(2u, host.saveFailures.size());
    ASSERT_TRUE(RemoveDirectoryW(list));
    EXPECT_TRUE(autosave.AutoSaveMemos(false));
    EXPECT_FALSE(store.IsWriteRetryDue());
    EXPECT_EQ(std::vector<CString>{L"a.rtf"}, Current());
    EXPECT_EQ(std::vector<CString>{list}, host.saveSuccesses);
    // Written once: the next quiet pass writes nothing.
    EXPECT_FALSE(autosave.AutoSaveMemos(false));
}

TEST_F(LifecycleTest, ClosedNoteLeavesTheArrayAndTheList) {
    CAutosave autosave(host, store, memos);
    AddNote(L"a.rtf");
    CFakeNote* b = AddNote(L"b.rtf");
    AddNote(L"c.rtf");
    autosave.OnMemoClosed(b);
    EXPECT_EQ(2, memos.GetSize());
    EXPECT_FALSE(host.IsNoteRegistered(b));
    EXPECT_EQ((std::vector<CString>{L"a.rtf", L"c.rtf"}), Current());
    EXPECT_EQ(1, host.listChanged);
}

TEST_F(LifecycleTest, DestroyWritesTheListThenEveryChangedNote) {
    CAutosave autosave(host, store, memos);
    CFakeNote* a = AddNote(L"a.rtf");
    CFakeNote* b = AddNote(L"b.rtf");
    a->modified = true;
    autosave.SaveAtDestroy();
    EXPECT_EQ(1, a->saves);
    EXPECT_EQ(0, b->saves);
    EXPECT_EQ(2u, Current().size());
}

TEST_F(LifecycleTest, AFoldedNotesPreviewShowsItsPresentText) {
    CAutosave autosave(host, store, memos);
    CFakeNote* note = AddNote(L"a.rtf");
    note->modified = true;
    EXPECT_FALSE(autosave.PrepareMemoTip(note));  // unfolded: no preview
    note->record.m_bExpanded = 0;
    EXPECT_TRUE(autosave.PrepareMemoTip(note));
    EXPECT_EQ(1, note->saves);
    EXPECT_TRUE(autosave.PrepareMemoTip(note));
    EXPECT_EQ(1, note->saves);
    note->record.m_bLocked = 1;
    EXPECT_FALSE(autosave.PrepareMemoTip(note));
}
