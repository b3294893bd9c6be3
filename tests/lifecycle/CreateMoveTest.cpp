#include "LifecycleFixture.h"
#include "notes/NoteCreate.h"
#include "notes/NoteMove.h"

namespace {
bool Contains(const CString& text, const wchar_t* part) { return text.Find(part) >= 0; }
}  // namespace

TEST_F(LifecycleTest, NewNotesTakeTheNextPlaceAndAreListedAtOnce) {
    CNoteCreate create(host, store, memos, {});
    ILifecycleNote* first = create.NewMemo();
    ILifecycleNote* second = create.NewMemo();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(CRect(1740, 15, 1920, 115), first->Record().m_rcWindow);
    EXPECT_EQ(CRect(1740, 115, 1920, 215), second->Record().m_rcWindow);
    EXPECT_NE(first->Record().m_strFileName, second->Record().m_strFileName);
    EXPECT_EQ(2u, Current().size());
    EXPECT_EQ(second->Record().m_strFileName, host.recentMemo);
    EXPECT_EQ(2, host.listChanged);
    // An untouched new note has no text file yet.
    EXPECT_TRUE(folder.List(L"*.rtf").empty());
}

TEST_F(LifecycleTest, TheNoteLimitRefusesTheNextNote) {
    NoteCreateSettings settings;
    settings.memoLimit = 3;
    CNoteCreate create(host, store, memos, settings);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(create.NewMemo());
    EXPECT_EQ(nullptr, create.NewMemo());
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(CString(L"One group cannot include memos more than 3."), host.messages[0].text);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONSTOP), host.messages[0].type);
    EXPECT_EQ(3, memos.GetSize());
}

TEST_F(LifecycleTest, AFailedWindowLeavesTheStoreAlone) {
    host.failOpen = true;
    EXPECT_EQ(nullptr, CNoteCreate(host, store, memos, {}).NewMemo());
    EXPECT_EQ(0, memos.GetSize());
    EXPECT_FALSE(folder.Has(L"DefaultMemo.zrd"));
}

TEST(ReceivedNote, TextsAreGeometryABarAndAMessage) {
    struct Case {
        const wchar_t* text;
        bool note;
        bool geometry;
        CRect rect;
        const wchar_t* message;
    } cases[] = {
        {L"100 200 300 150|hello", true, true, CRect(100, 200, 400, 350), L"hello"},
        {L"100 200 300 150|", true, true, CRect(100, 200, 400, 350), L""},
        {L"100 200 300 150", false, false, CRect(), L""},
        {L"", false, false, CRect(), L""},
        {L"garbage|hi|there", true, false, CRect(), L"hi|there"},
    };
    for (const Case& c : cases) {
        CRect rect;
        bool geometry = false;
        CString message;
        EXPECT_EQ(c.note, CNoteCreate::ParseReceivedText(c.text, rect, geometry, message)) << c.text;
        if (!c.note) continue;
        EXPECT_EQ(c.geometry, geometry) << c.text;
        if (c.geometry) {
            EXPECT_EQ(c.rect, rect) << c.text;
        }
        EXPECT_EQ(CString(c.message), message) << c.text;
    }
}

TEST_F(LifecycleTest, ReceivedPairsMakeNotesWithOneListWriteAndOneSound) {
    folder.Write(L"r1.rtf");
    folder.Write(L"r2.rtf");
    folder.Write(L"memoreceive.wav", "RIFF");
    std::vector<std::pair<CString, CString>> pairs = {
        {L"r1.rtf", L"100 200 300 150|hello"}, {L"r2.rtf", L"10 20 50 40|small"}, {L"r3.rtf", L"no bar"},
        {L"..\\evil.rtf", L"1 2 3 4|x"}};
    NoteCreateSettings settings;
    int made = CNoteCreate(host, store, memos, settings).ProcessReceived(pairs, folder.Path() + L"memoreceive.wav");
    EXPECT_EQ(2, made);
    ASSERT_EQ(2, memos.GetSize());
    CFakeNote* hello = host.Fake(memos[0]);
    EXPECT_EQ(CString(L"hello"), hello->record.m_strTitle);
    EXPECT_EQ(CRect(100, 200, 400, 350), hello->record.m_rcWindow);
    EXPECT_EQ(CMemoInfo::LevelTopMost, hello->record.m_nLevel);
    EXPECT_EQ(1, hello->flashes);
    // Raised to the default note size.
    EXPECT_EQ(CRect(10, 20, 190, 120), host.Fake(memos[1])->record.m_rcWindow);
    EXPECT_EQ((std::vector<CString>{L"r1.rtf", L"r2.rtf"}), Current());
    EXPECT_EQ(1u, host.sounds.size());

    settings.receiveSound = false;
    CNoteCreate(host, store, memos, settings).ProcessReceived({}, folder.Path() + L"memoreceive.wav");
    EXPECT_EQ(1u, host.sounds.size());
}

TEST_F(LifecycleTest, ReceivedNamesThatAreNoPlainFileNamesMakeNoNote) {
    const wchar_t* names[] = {L"CON.rtf", L"NUL", L"COM1", L"LPT1.rtf", L"CONIN$", L"CLOCK$", L"COM\u00B2.rtf",
                              L"x.rtf.", L"x.rtf ", L"del\x7F.rtf", L"..\\x.rtf", L"sub/x.rtf", L""};
    for (const wchar_t* name : names) {
        EXPECT_EQ(0, CNoteCreate(host, store, memos, {}).ProcessReceived({{name, L"1 2 300 200|x"}}, CString()))
            << CString(name);
        EXPECT_EQ(nullptr, CNoteCreate(host, store, memos, {}).AddMemoFromFile(name, true)) << CString(name);
    }
    EXPECT_EQ(0, memos.GetSize());
    EXPECT_TRUE(host.live.empty());
}

TEST_F(LifecycleTest, AnUnsafeRecordMovesWithItsListButOpensNoWindow) {
    CArray<CMemoInfo> list;
    list.Add(MakeRecord(L"ok.rtf"));
    list.Add(MakeRecord(L"..\\away.rtf"));
    ASSERT_EQ(1, store.SerializeGroupFile(L"Other.zrd", list, 1));
    CArray<CMemoInfo> picked;
    store.SerializeGroupFile(L"Other.zrd", picked, 0);
    EXPECT_EQ(2, CNoteMove(host, store, memos).MoveMemosToGroup(picked, L"Other.zrd", CMemoStore::DefaultGroupFile));
    EXPECT_EQ((std::vector<CString>{L"ok.rtf", L"..\\away.rtf"}), Current());
    ASSERT_EQ(2, memos.GetSize());
    EXPECT_NE(nullptr, host.NoteOf(memos[0]));
    EXPECT_EQ(nullptr, host.NoteOf(memos[1]));
}

TEST_F(LifecycleTest, ANoteGoesToTheRecycleBinWithItsFile) {
    CFakeNote* a = AddNote(L"a.rtf");
    AddNote(L"b.rtf");
    folder.Write(L"a.rtf");
    CNoteMove move(host, store, memos);
    EXPECT_TRUE(move.DeleteMemoToRecycleBin(a, CMemoStore::RecycleBinFile));
    EXPECT_EQ((std::vector<CString>{L"b.rtf"}), Current());
    EXPECT_EQ((std::vector<CString>{L"a.rtf"}), GroupNames(store, CMemoStore::RecycleBinFile));
    EXPECT_TRUE(folder.Has(L"a.rtf"));
    EXPECT_FALSE(host.IsNoteRegistered(a));
    // A window already gone is ignored.
    EXPECT_FALSE(move.DeleteMemoToRecycleBin(a, CMemoStore::RecycleBinFile));
}

TEST_F(LifecycleTest, AFullTargetGroupRefusesTheNote) {
    struct Case {
        int inTarget;
        bool moves;
    } cases[] = {{1000, false}, {999, true}};
    for (const Case& c : cases) {
        MakeGroup(L"Full.zrd", c.inTarget);
        memos.RemoveAll();
        host.messages.clear();
        CFakeNote* a = AddNote(L"a.rtf");
        EXPECT_EQ(c.moves, CNoteMove(host, store, memos).DeleteMemoToRecycleBin(a, L"Full.zrd"));
        EXPECT_EQ(1000u, GroupNames(store, L"Full.zrd").size());
        EXPECT_EQ(c.moves ? 0 : 1, memos.GetSize());
        EXPECT_EQ(c.moves ? 0u : 1u, host.messages.size());
        if (!c.moves) {
            EXPECT_TRUE(Contains(host.messages[0].text, L"1000"));
        }
    }
}

TEST_F(LifecycleTest, MovingFiveNotesIntoAGroupOf998MovesTwo) {
    MakeGroup(L"Other.zrd", 998, L"o");
    CArray<CMemoInfo> picked;
    for (const wchar_t* name : {L"1.rtf", L"2.rtf", L"3.rtf", L"4.rtf", L"5.rtf"}) {
        AddNote(name);
        picked.Add(memos[memos.GetSize() - 1]);
    }
    AddNote(L"stays.rtf");
    EXPECT_EQ(2, CNoteMove(host, store, memos).MoveMemosToGroup(picked, CMemoStore::DefaultGroupFile, L"Other.zrd"));
    std::vector<CString> other = GroupNames(store, L"Other.zrd");
    ASSERT_EQ(1000u, other.size());
    EXPECT_EQ(CString(L"1.rtf"), other[998]);
    EXPECT_EQ(CString(L"2.rtf"), other[999]);
    EXPECT_EQ((std::vector<CString>{L"3.rtf", L"4.rtf", L"5.rtf", L"stays.rtf"}), Current());
    EXPECT_EQ(4, memos.GetSize());
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_TRUE(Contains(host.messages[0].text, L"1000"));
}

TEST_F(LifecycleTest, MovingIntoTheCurrentGroupOpensTheNotes) {
    AddNote(L"here.rtf");
    CAutosave(host, store, memos).WriteMemoList();
    MakeGroup(L"Other.zrd", 3, L"o");
    CArray<CMemoInfo> picked;
    store.SerializeGroupFile(L"Other.zrd", picked, 0);
    picked.RemoveAt(1);
    EXPECT_EQ(2, CNoteMove(host, store, memos).MoveMemosToGroup(picked, L"Other.zrd", CMemoStore::DefaultGroupFile));
    EXPECT_EQ((std::vector<CString>{L"here.rtf", L"o0.rtf", L"o2.rtf"}), Current());
    EXPECT_EQ((std::vector<CString>{L"o1.rtf"}), GroupNames(store, L"Other.zrd"));
    ASSERT_EQ(3, memos.GetSize());
    EXPECT_NE(nullptr, host.NoteOf(memos[2]));
}

TEST_F(LifecycleTest, AnUnreadableTargetGroupIsNeverWrittenAndNothingMoves) {
    folder.Write(L"Broken.zrd", "not a memo list at all");
    CFakeNote* a = AddNote(L"a.rtf");
    CAutosave(host, store, memos).WriteMemoList();
    EXPECT_FALSE(CNoteMove(host, store, memos).DeleteMemoToRecycleBin(a, L"Broken.zrd"));
    CArray<CMemoInfo> picked;
    picked.Add(memos[0]);
    EXPECT_EQ(0, CNoteMove(host, store, memos).MoveMemosToGroup(picked, CMemoStore::DefaultGroupFile, L"Broken.zrd"));
    EXPECT_EQ((std::vector<CString>{L"a.rtf"}), Current());
    FILE* f = _wfopen(folder.Path() + L"Broken.zrd", L"rb");
    ASSERT_TRUE(f);
    char buf[64] = {};
    fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    EXPECT_STREQ("not a memo list at all", buf);
}

TEST_F(LifecycleTest, DeletingNotesRestorablyLeavesBrtFilesAndTellsTheRestoreDialog) {
    MakeGroup(L"Other.zrd", 3, L"20140209153045");
    for (int i = 0; i < 3; ++i) {
        CString name;
        name.Format(L"20140209153045%d.rtf", i);
        folder.Write(name);
    }
    CArray<CMemoInfo> picked;
    store.SerializeGroupFile(L"Other.zrd", picked, 0);
    picked.RemoveAt(2);
    EXPECT_TRUE(CNoteMove(host, store, memos).DeleteMemosFromGroup(picked, L"Other.zrd", true));
    EXPECT_EQ((std::vector<CString>{L"201402091530452.rtf"}), GroupNames(store, L"Other.zrd"));
    EXPECT_TRUE(folder.Has(L"201402091530450.brt"));
    EXPECT_FALSE(folder.Has(L"201402091530450.rtf"));
    EXPECT_EQ(2u, host.restoreItems.size());

    picked.RemoveAll();
    store.SerializeGroupFile(L"Other.zrd", picked, 0);
    EXPECT_TRUE(CNoteMove(host, store, memos).DeleteMemosFromGroup(picked, L"Other.zrd", false));
    EXPECT_FALSE(folder.Has(L"201402091530452.rtf"));
    EXPECT_FALSE(folder.Has(L"201402091530452.brt"));
}

TEST_F(LifecycleTest, DeletingFromTheCurrentGroupClosesTheWindows) {
    CFakeNote* a = AddNote(L"a.rtf");
    AddNote(L"b.rtf");
    folder.Write(L"a.rtf");
    CArray<CMemoInfo> picked;
    picked.Add(memos[0]);
    EXPECT_TRUE(CNoteMove(host, store, memos).DeleteMemosFromGroup(picked, CMemoStore::DefaultGroupFile, false));
    EXPECT_FALSE(host.IsNoteRegistered(a));
    EXPECT_EQ(1, memos.GetSize());
    EXPECT_EQ((std::vector<CString>{L"b.rtf"}), Current());
    EXPECT_FALSE(folder.Has(L"a.rtf"));
}

TEST_F(LifecycleTest, NoFileIsDeletedFromAGroupThatCannotBeRead) {
    folder.Write(L"Broken.zrd", "not a memo list at all");
    folder.Write(L"x.rtf");
    CArray<CMemoInfo> picked;
    picked.Add(MakeRecord(L"x.rtf"));
    EXPECT_FALSE(CNoteMove(host, store, memos).DeleteMemosFromGroup(picked, L"Broken.zrd", false));
    EXPECT_TRUE(folder.Has(L"x.rtf"));
}

TEST_F(LifecycleTest, CapturedAndClipboardNotesAreWrittenAtOnce) {
    struct Case {
        bool alwaysTop;
        int level;
    } cases[] = {{true, CMemoInfo::LevelTopMost}, {false, CMemoInfo::LevelNormal}};
    NoteCreateSettings settings;
    for (const Case& c : cases) {
        settings.captureAlwaysTop = c.alwaysTop;
        ILifecycleNote* note = CNoteCreate(host, store, memos, settings).AddPastedMemo(CRect(10, 20, 410, 320));
        ASSERT_TRUE(note);
        CFakeNote* fake = static_cast<CFakeNote*>(note);
        EXPECT_EQ(CRect(10, 20, 410, 320), fake->record.m_rcWindow);
        EXPECT_EQ(c.level, fake->record.m_nLevel);
        EXPECT_EQ(1, fake->saves);
        EXPECT_EQ(CString(L"[picture]"), fake->text);
        EXPECT_EQ(1, fake->flashes);
    }
    EXPECT_EQ(2u, Current().size());

    settings.memoLimit = 2;
    EXPECT_EQ(nullptr, CNoteCreate(host, store, memos, settings).NewMemoFromClipboard());
    settings.memoLimit = 3;
    ILifecycleNote* note = CNoteCreate(host, store, memos, settings).NewMemoFromClipboard();
    ASSERT_TRUE(note);
    EXPECT_EQ(CRect(1740, 15, 1920, 115), note->Record().m_rcWindow);
    EXPECT_EQ(note->Record().m_strFileName, host.recentMemo);
}

TEST_F(LifecycleTest, The1000thNoteIsMadeAndThe1001stRefused) {
    for (int i = 0; i < 999; ++i) {
        CString name;
        name.Format(L"n%d.rtf", i);
        memos.Add(MakeRecord(name));
    }
    CNoteCreate create(host, store, memos, {});
    EXPECT_NE(nullptr, create.NewMemo());
    EXPECT_EQ(1000, memos.GetSize());
    EXPECT_EQ(nullptr, create.NewMemo());
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(CString(L"One group cannot include memos more than 1000."), host.messages[0].text);
    EXPECT_EQ(1000u, Current().size());
}
