#include "notes/MemoStore.h"

#include "StoreTestSupport.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"

#include <climits>

namespace {

CMemoInfo Memo(const wchar_t* file, int left = 10, int top = 10) {
    CMemoInfo m;
    m.m_strFileName = file;
    m.m_strDate = L"2014-2-9 15:30";
    m.m_rcWindow.SetRect(left, top, left + 180, top + 200);
    m.m_nExpandedWidth = 180;
    m.m_nExpandedHeight = 200;
    return m;
}

CArray<CMemoInfo> ThreeMemos() {
    CArray<CMemoInfo> memos;
    memos.Add(Memo(L"1.rtf"));
    memos.Add(Memo(L"2.rtf", 200));
    memos.Add(Memo(L"3.rtx", 400));
    return memos;
}

std::vector<BYTE> RecordBytes(const CMemoInfo& memo, int version = 230) {
    CMemoInfo copy = memo;
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    copy.Serialize(ar);
    ar.Close();
    std::vector<BYTE> bytes = f.Data();
    // Versions up to 149 end after the first visible line.
    if (version <= 149) bytes.resize(13 * 4 + 4 + 2 * (size_t)memo.m_strFileName.GetLength() + 4);
    bytes[0] = (BYTE)version;
    bytes[1] = (BYTE)(version >> 8);
    return bytes;
}

class MemoStoreTest : public ::testing::Test {
protected:
    MemoStoreTest() : store(host, folder.Path()) {
        g_LanguageTable.SetAt(10091, L"Cannot read memo properly.");
        g_LanguageTable.SetAt(10092, L"Cannot open the memo. Check if the file is locked.");
        g_LanguageTable.SetAt(39052, L"This memo list was not saved: it could not be read whole.");
        g_LanguageTable.SetAt(39053, L"The damaged list is kept as:");
    }
    CScratchFolder folder;
    CRecordingHost host;
    CMemoStore store;
};

}  // namespace

TEST_F(MemoStoreTest, ThreeNotesListBeginsWithSignatureAndCountAndReadsBack) {
    ASSERT_TRUE(store.WriteMemoList(ThreeMemos()));
    std::vector<BYTE> bytes = ReadAll(folder + L"DefaultMemo.zrd");
    std::vector<BYTE> head = {0xFF, 0xFE, 0xFF, 0x11};
    for (const char* c = "250MEMO SIGNATURE"; *c; ++c) {
        head.push_back((BYTE)*c);
        head.push_back(0);
    }
    AppendBytes(head, {0x03, 0x00, 0x00, 0x00});
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_EQ(bytes.size(), 42 + 3 * RecordBytes(Memo(L"1.rtf")).size());

    CArray<CMemoInfo> read;
    EXPECT_EQ(store.ReadMemoList(read, false), 1);
    ASSERT_EQ(read.GetSize(), 3);
    EXPECT_EQ(read[0].m_strFileName, L"1.rtf");
    EXPECT_EQ(read[1].m_rcWindow.left, 200);
    EXPECT_EQ(read[2].m_strFileName, L"3.rtx");
    EXPECT_EQ(store.CountMemosInFile(L"DefaultMemo.zrd"), 3u);
    EXPECT_TRUE(host.messages.empty());
    // Nothing but the list is left in the folder (no temporary files).
    EXPECT_EQ(folder.List(L"").size(), 1u);
}

TEST_F(MemoStoreTest, OlderFormsAreReadWithoutACount) {
    for (const wchar_t* signature : {L"150MEMO SIGNATURE", L"MEMO SIGNATURE"}) {
        std::vector<BYTE> file = ArchiveString(signature);
        AppendBytes(file, RecordBytes(Memo(L"a.rtf"), 150));
        AppendBytes(file, RecordBytes(Memo(L"b.rtf"), 230));
        WriteAll(folder + L"Old.zrd", file);
        CArray<CMemoInfo> read;
        EXPECT_EQ(store.SerializeGroupFile(L"Old.zrd", read, 0), 1);
        ASSERT_EQ(read.GetSize(), 2) << (const wchar_t*)signature;
        EXPECT_EQ(read[1].m_strFileName, L"b.rtf");
        EXPECT_EQ(store.CountMemosInFile(L"Old.zrd"), 65535u);
        EXPECT_FALSE(store.IsHeld(L"Old.zrd"));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MemoStoreTest, OldestListIsConvertedAndKept) {
    std::vector<BYTE> file = ArchiveString(L"MEMO SIGNATURE");
    AppendBytes(file, RecordBytes(Memo(L"a.rtf"), 100));
    WriteAll(folder + L"memolist", file);
    store.SetCurrentGroup(L"Missing.zrd");
    CArray<CMemoInfo> read;
    EXPECT_EQ(store.ReadMemoList(read, true), 1);
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_EQ(store.GetCurrentGroup(), L"DefaultMemo.zrd");
    EXPECT_TRUE(Exists(folder + L"memolist"));
    EXPECT_EQ(store.CountMemosInFile(L"DefaultMemo.zrd"), 1u);
}

// Lists much longer than what the store reads or writes at a time: texts
// of every length form cross the places where one piece of the file ends
// and the next begins.
TEST_F(MemoStoreTest, LongListsReadBackWholeInEveryForm) {
    CArray<CMemoInfo> memos;
    for (int i = 0; i < 400; ++i) {
        CMemoInfo m = Memo(L"");
        m.m_strFileName.Format(L"20140209153045%03d.rtf", i);
        m.m_strTitle = CString(i % 2 ? L'\xBA54' : L'x', i * 7 % 300);  // empty up to 2-byte lengths
        m.m_strDate.Format(L"2014-2-%d 15:%02d", 1 + i % 28, i % 60);
        m.m_rcWindow.SetRect(i, i + 1, i + 180, i + 200);
        m.m_nImportance = (BYTE)(i % 4);
        memos.Add(m);
    }
    ASSERT_TRUE(store.WriteMemoList(memos));
    std::vector<BYTE> current = ReadAll(folder + L"DefaultMemo.zrd");
    ASSERT_GT(current.size(), 100000u);
    // Written through the file as it would be built whole in memory.
    EXPECT_EQ(current, CMemoStore::BuildListBytes(memos));

    std::vector<BYTE> older = ArchiveString(L"150MEMO SIGNATURE");
    for (int i = 0; i < memos.GetSize(); ++i) AppendBytes(older, RecordBytes(memos[i]));
    std::vector<BYTE> cut(current.begin(), current.end() - 7);
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        int loaded;
        bool held;
    } cases[] = {
        {"current form", current, 400, false},
        {"older form", older, 400, false},
        {"last record cut short", cut, 399, true},
    };
    for (const Case& c : cases) {
        WriteAll(folder + L"Long.zrd", c.bytes);
        CArray<CMemoInfo> read;
        EXPECT_EQ(store.SerializeGroupFile(L"Long.zrd", read, 0), 1) << c.what;
        EXPECT_EQ(store.IsHeld(L"Long.zrd"), c.held) << c.what;
        store.ReleaseHold(L"Long.zrd");
        ASSERT_EQ(read.GetSize(), c.loaded) << c.what;
        for (int i = 0; i < read.GetSize(); ++i) {
            EXPECT_EQ(read[i].m_strFileName, memos[i].m_strFileName) << c.what << " " << i;
            EXPECT_EQ(read[i].m_strTitle, memos[i].m_strTitle) << c.what << " " << i;
            EXPECT_EQ(read[i].m_strDate, memos[i].m_strDate) << c.what << " " << i;
            EXPECT_EQ(read[i].m_rcWindow, memos[i].m_rcWindow) << c.what << " " << i;
            EXPECT_EQ(read[i].m_nImportance, memos[i].m_nImportance) << c.what << " " << i;
        }
    }
    EXPECT_EQ(store.CountMemosInFile(L"DefaultMemo.zrd"), 400u);
}

TEST_F(MemoStoreTest, MissingGroupFallsBackOrReportsNothingToRead) {
    CArray<CMemoInfo> read;
    store.SetCurrentGroup(L"Work.zrd");
    EXPECT_EQ(store.ReadMemoList(read, false), 0);
    EXPECT_EQ(store.ReadMemoList(read, true), 0);  // nothing at all in the folder
    store.SetCurrentGroup(L"Home.zrd");
    ASSERT_TRUE(store.WriteMemoList(ThreeMemos()));
    store.SetCurrentGroup(L"Work.zrd");
    EXPECT_EQ(store.ReadMemoList(read, true), 1);
    EXPECT_EQ(store.GetCurrentGroup(), L"Home.zrd");
    EXPECT_EQ(read.GetSize(), 3);
}

TEST_F(MemoStoreTest, EmptyFileBecomesAnEmptyListAndOffersRestore) {
    WriteAll(folder + L"DefaultMemo.zrd", {});
    CArray<CMemoInfo> read = ThreeMemos();
    EXPECT_EQ(store.ReadMemoList(read, true), 1);
    EXPECT_EQ(read.GetSize(), 0);
    EXPECT_EQ(host.restoreOffers, 1);
    EXPECT_EQ(store.CountMemosInFile(L"DefaultMemo.zrd"), 0u);
    EXPECT_EQ(store.ReadMemoList(read, true), 1);
    EXPECT_EQ(host.restoreOffers, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MemoStoreTest, DamagedListIsKeptLoadedAsFarAsPossibleAndNotWrittenBack) {
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        int loaded;
    };
    std::vector<BYTE> good;
    {
        CMemoStore writer(host, folder.Path());
        writer.SetCurrentGroup(L"g.zrd");
        writer.WriteMemoList(ThreeMemos());
        good = ReadAll(folder + L"g.zrd");
        DeleteFileW(folder + L"g.zrd");
    }
    std::vector<BYTE> cut(good.begin(), good.end() - 7);
    std::vector<BYTE> unknown = ArchiveString(L"SOMETHING ELSE");
    AppendBytes(unknown, RecordBytes(Memo(L"a.rtf")));
    std::vector<BYTE> cutCount(good.begin(), good.begin() + 40);
    std::vector<BYTE> badLength = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    std::vector<BYTE> huge = good;
    huge.resize(CSafeFileWriter::MaxListFileBytes + 1);
    Case cases[] = {
        {"larger than any list", huge, 0},
        {"last record cut short", cut, 2},
        {"unknown signature", unknown, 0},
        {"count cut short", cutCount, 0},
        {"absurd signature length", badLength, 0},
    };
    for (const Case& c : cases) {
        CScratchFolder f;
        CRecordingHost h;
        CMemoStore s(h, f.Path());
        WriteAll(f + L"DefaultMemo.zrd", c.bytes);
        CArray<CMemoInfo> read;
        EXPECT_EQ(s.ReadMemoList(read, true), 1) << c.what;
        EXPECT_EQ(read.GetSize(), c.loaded) << c.what;
        EXPECT_TRUE(s.IsHeld(L"DefaultMemo.zrd")) << c.what;
        ASSERT_EQ(h.messages.size(), 1u) << c.what;
        EXPECT_EQ(h.messages[0].Find(L"Cannot read memo properly."), 0) << c.what;
        EXPECT_EQ(h.restoreOffers, 1) << c.what;
        // A dated copy of the damaged file is kept, and the file itself stays.
        std::vector<CString> copies = f.List(L"", L"DefaultMemo.zrd.*.bad");
        ASSERT_EQ(copies.size(), 1u) << c.what;
        EXPECT_EQ(copies[0], L"DefaultMemo.zrd.20140209-153045.bad");
        EXPECT_EQ(ReadAll(f + copies[0]), c.bytes);
        // Saving the group does not replace what could not be read, and the
        // user hears why once, with the copy's name: no word of permissions.
        EXPECT_FALSE(s.WriteMemoList(read)) << c.what;
        EXPECT_FALSE(s.WriteMemoList(read)) << c.what;
        EXPECT_TRUE(h.saveFailures.empty()) << c.what;
        ASSERT_EQ(h.messages.size(), 2u) << c.what;
        EXPECT_EQ(h.messages[1].Find(L"This memo list was not saved"), 0) << c.what;
        EXPECT_GE(h.messages[1].Find(copies[0]), 0) << c.what;
        EXPECT_EQ(ReadAll(f + L"DefaultMemo.zrd"), c.bytes) << c.what;
        // Once the user restored a good list, the group reads and saves again.
        WriteAll(f + L"DefaultMemo.zrd", good);
        EXPECT_EQ(s.ReadMemoList(read, true), 1);
        EXPECT_FALSE(s.IsHeld(L"DefaultMemo.zrd"));
        EXPECT_TRUE(s.WriteMemoList(read));
    }
}

// Lists arrive from other computers: a record naming a path or a device is
// kept exactly as it came, and the user hears of it once.
TEST_F(MemoStoreTest, UnsafeNoteNamesAreKeptAsStoredAndReportedOnce) {
    CArray<CMemoInfo> memos;
    for (const wchar_t* name : {L"..\\victim.txt", L"CON.rtf", L"sub\\x.rtf", L"C:\\x.rtf"}) {
        CMemoInfo m = Memo(name, -300, 50);  // off the screen
        m.m_strDate.Empty();
        m.m_bStyleBar = 1;
        memos.Add(m);
    }
    ASSERT_TRUE(store.WriteMemoList(memos));
    std::vector<BYTE> stored = ReadAll(folder + L"DefaultMemo.zrd");
    MemoPlacement p;
    p.screenWidth = 1280;
    p.screenHeight = 1024;
    p.workAreas = {CRect(0, 0, 1280, 994)};
    store.SetPlacement(p);

    CArray<CMemoInfo> read;
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(store.ReadMemoList(read, false), 1);
        ASSERT_EQ(read.GetSize(), memos.GetSize());
        EXPECT_FALSE(store.IsHeld(L"DefaultMemo.zrd"));
        ASSERT_TRUE(store.WriteMemoList(read));
        EXPECT_EQ(ReadAll(folder + L"DefaultMemo.zrd"), stored);
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].Find(L"Cannot read memo properly."), 0);
    for (int i = 0; i < memos.GetSize(); ++i) EXPECT_GE(host.messages[0].Find(memos[i].m_strFileName), 0);
    EXPECT_EQ(host.restoreOffers, 0);
}

TEST_F(MemoStoreTest, FailedWriteLeavesTheOldListAndIsReported) {
    ASSERT_TRUE(store.WriteMemoList(ThreeMemos()));
    std::vector<BYTE> before = ReadAll(folder + L"DefaultMemo.zrd");
    // A folder where the temporary file would go makes the write fail.
    store.SetCurrentGroup(L"sub\\DefaultMemo.zrd");
    EXPECT_FALSE(store.WriteMemoList(CArray<CMemoInfo>()));
    ASSERT_EQ(host.saveFailures.size(), 1u);
    EXPECT_EQ(host.saveFailures[0], folder + L"sub\\DefaultMemo.zrd");

    // A list that another program holds open keeps its bytes.
    store.SetCurrentGroup(L"DefaultMemo.zrd");
    {
        CHeldFile held(folder + L"DefaultMemo.zrd");
        EXPECT_FALSE(store.WriteMemoList(CArray<CMemoInfo>()));
    }
    EXPECT_EQ(ReadAll(folder + L"DefaultMemo.zrd"), before);
    EXPECT_EQ(folder.List(L"", L"*.tmp").size(), 0u);
}

TEST_F(MemoStoreTest, CountOfUnreadableFilesIsZero) {
    EXPECT_EQ(store.CountMemosInFile(L"none.zrd"), 0u);
    WriteAll(folder + L"short.zrd", ArchiveString(L"250MEMO SIGNATURE"));
    EXPECT_EQ(store.CountMemosInFile(L"short.zrd"), 0u);
}

TEST_F(MemoStoreTest, RecycleBinIsCreatedOnce) {
    EXPECT_TRUE(store.EnsureRecycleBin());
    EXPECT_EQ(store.CountMemosInFile(L"RecycleBin.zrr"), 0u);
    store.SetCurrentGroup(L"RecycleBin.zrr");
    store.WriteMemoList(ThreeMemos());
    store.SetCurrentGroup(L"DefaultMemo.zrd");
    EXPECT_TRUE(store.EnsureRecycleBin());
    EXPECT_EQ(store.CountMemosInFile(L"RecycleBin.zrr"), 3u);
    EXPECT_EQ(store.GetCurrentGroup(), L"DefaultMemo.zrd");
}

TEST(MemoPosition, CorrectionOnlyOffEveryWorkArea) {
    MemoPlacement one;
    one.screenWidth = 1280;
    one.screenHeight = 1024;
    one.workAreas = {CRect(0, 0, 1280, 994)};
    MemoPlacement two = one;
    two.workAreas.push_back(CRect(-1280, 0, 0, 1024));
    MemoPlacement off = one;
    off.revisionPosition = false;
    MemoPlacement otherMonitor = one;
    otherMonitor.workMonitor = 1;

    struct Case {
        const char* what;
        const MemoPlacement* placement;
        CRect in, out;
    } cases[] = {
        {"left of the screen", &one, CRect(-300, 50, -120, 250), CRect(0, 50, 180, 250)},
        {"above the screen", &one, CRect(40, -290, 220, -90), CRect(40, 0, 220, 200)},
        {"top off but centre on the screen", &one, CRect(40, -90, 220, 110), CRect(40, -90, 220, 110)},
        {"right of the screen", &one, CRect(1275, 50, 1455, 250), CRect(1100, 50, 1280, 250)},
        {"below the screen", &one, CRect(40, 1020, 220, 1220), CRect(40, 824, 220, 1024)},
        {"on the screen", &one, CRect(40, 50, 220, 250), CRect(40, 50, 220, 250)},
        {"centre on a second monitor", &two, CRect(-300, 50, -120, 250), CRect(-300, 50, -120, 250)},
        {"repair switched off", &off, CRect(-300, 50, -120, 250), CRect(-300, 50, -120, 250)},
        {"notes on another monitor", &otherMonitor, CRect(-300, 50, -120, 250), CRect(-300, 50, -120, 250)},
    };
    for (const Case& c : cases) {
        CMemoInfo m;
        m.m_rcWindow = c.in;
        CMemoStore::CorrectPosition(m, *c.placement);
        EXPECT_EQ(m.m_rcWindow, c.out) << c.what;
    }
}

TEST_F(MemoStoreTest, LoadingRepairsPositionsOfTheCurrentGroupOnly) {
    MemoPlacement p;
    p.screenWidth = 1280;
    p.screenHeight = 1024;
    p.workAreas = {CRect(0, 0, 1280, 994)};
    store.SetPlacement(p);
    CArray<CMemoInfo> memos;
    memos.Add(Memo(L"a.rtf", -300, 50));
    ASSERT_TRUE(store.WriteMemoList(memos));
    store.SerializeGroupFile(L"DefaultMemo.zrd", memos, 1);
    CArray<CMemoInfo> other;
    store.SerializeGroupFile(L"DefaultMemo.zrd", other, 0);
    ASSERT_EQ(other.GetSize(), 1);
    EXPECT_EQ(other[0].m_rcWindow.left, -300);
    CArray<CMemoInfo> read;
    store.ReadMemoList(read, true);
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_EQ(read[0].m_rcWindow, CRect(0, 50, 180, 250));
}

TEST_F(MemoStoreTest, AnsiTextsOfOldListsUseTheAnsiCodePage) {
    if (GetACP() != 949) GTEST_SKIP() << "needs the Korean code page";
    // An old list whose strings carry no UTF-16 marker: bytes in code page 949.
    std::vector<BYTE> file = {14};
    for (const char* c = "MEMO SIGNATURE"; *c; ++c) file.push_back((BYTE)*c);
    std::vector<BYTE> record;
    for (int x : {100, 0, 0, 0, 180, 200, 0, 0, 0, 1, 180, 200, 0}) AppendInt(record, x);
    AppendBytes(record, {8, 0xB8, 0xDE, 0xB8, 0xF0, '.', 'r', 't', 'f'});  // "메모.rtf"
    AppendInt(record, 0);
    AppendBytes(file, record);
    WriteAll(folder + L"old.zrd", file);
    CArray<CMemoInfo> read;
    EXPECT_EQ(store.SerializeGroupFile(L"old.zrd", read, 0), 1);
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_EQ(read[0].m_strFileName, L"\xBA54\xBAA8.rtf");
    // Written back, it takes the UTF-16 form.
    EXPECT_EQ(store.SerializeGroupFile(L"new.zrd", read, 1), 1);
    CArray<CMemoInfo> again;
    store.SerializeGroupFile(L"new.zrd", again, 0);
    ASSERT_EQ(again.GetSize(), 1);
    EXPECT_EQ(again[0].m_strFileName, L"\xBA54\xBAA8.rtf");
}

TEST_F(MemoStoreTest, ADamagedListIsCopiedOncePerDamage) {
    std::vector<BYTE> good;
    {
        CMemoStore writer(host, folder.Path());
        writer.WriteMemoList(ThreeMemos());
        good = ReadAll(folder + L"DefaultMemo.zrd");
    }
    std::vector<BYTE> cut(good.begin(), good.end() - 7);
    std::vector<BYTE> cutMore(good.begin(), good.end() - 9);
    std::vector<BYTE> sameSizeOtherBytes = cut;
    sameSizeOtherBytes.back() ^= 0x55;
    struct Start {
        const std::vector<BYTE>* bytes;
        int minute;
        size_t copies;  // copies after this start
    } starts[] = {
        {&cut, 1, 1},
        {&cut, 2, 1},  // started again with the same damage: no new copy
        {&cut, 3, 1},
        {&cutMore, 4, 2},
        {&sameSizeOtherBytes, 5, 3},
        {&cut, 6, 3},
    };
    for (const Start& start : starts) {
        WriteAll(folder + L"DefaultMemo.zrd", *start.bytes);
        CRecordingHost h;
        h.now = CRecordingHost::MakeTime(2014, 2, 9, 15, start.minute, 0);
        CMemoStore s(h, folder.Path());
        CArray<CMemoInfo> read;
        s.ReadMemoList(read, true);
        std::vector<CString> copies = folder.List(L"", L"DefaultMemo.zrd.*.bad");
        ASSERT_EQ(copies.size(), start.copies) << start.minute;
        // The message names the copy that holds these very bytes.
        bool named = false;
        for (const CString& copy : copies)
            if (h.messages[0].Find(copy) >= 0) named = ReadAll(folder + copy) == *start.bytes;
        EXPECT_TRUE(named) << start.minute;
    }
}

TEST_F(MemoStoreTest, NotesOfADamagedListArePlacedOnScreen) {
    MemoPlacement p;
    p.screenWidth = 1280;
    p.screenHeight = 1024;
    p.workAreas = {CRect(0, 0, 1280, 994), CRect(1280, 0, 2560, 1024)};
    // The position settings that leave a sound list's notes alone.
    p.revisionPosition = false;
    p.workMonitor = 1;
    const CRect junk[] = {
        CRect(-300, 50, -120, 250),           // left of every screen
        CRect(5000, 6000, 5180, 6200),        // far off
        CRect(100, 100, 100000, 100000),      // larger than the screen
        CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX),
        CRect(700, 700, 300, 300),            // inside out
        CRect(2400, 900, 2600, 1100),         // over the second screen's edge
        CRect(10, 10, 190, 210),              // well placed
    };
    // An older list ending inside its last record, as damage leaves it.
    std::vector<BYTE> file = ArchiveString(L"150MEMO SIGNATURE");
    int n = 0;
    for (const CRect& r : junk) {
        CString name;
        name.Format(L"%d.rtf", n++);
        CMemoInfo memo = Memo(name);
        memo.m_rcWindow = r;
        memo.m_nExpandedWidth = n % 2 ? 90000 : -5;
        memo.m_nExpandedHeight = n % 3 ? 70000 : 0;
        AppendBytes(file, RecordBytes(memo, 230));
    }
    file.resize(file.size() - 3);
    WriteAll(folder + L"DefaultMemo.zrd", file);
    store.SetPlacement(p);
    CArray<CMemoInfo> read;
    store.ReadMemoList(read, true);
    ASSERT_TRUE(store.IsHeld(L"DefaultMemo.zrd"));
    ASSERT_EQ(read.GetSize(), 6);
    for (int i = 0; i < read.GetSize(); ++i) {
        const CRect& r = read[i].m_rcWindow;
        bool onOne = false;
        for (const CRect& area : p.workAreas)
            onOne = onOne || (r.left >= area.left && r.top >= area.top && r.right <= area.right &&
                              r.bottom <= area.bottom && r.Width() > 0 && r.Height() > 0);
        EXPECT_TRUE(onOne) << i << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        // Unfolded it fits as well.
        EXPECT_GT(read[i].m_nExpandedWidth, 0) << i;
        EXPECT_GT(read[i].m_nExpandedHeight, 0) << i;
        EXPECT_LE(read[i].m_nExpandedWidth, 1280) << i;
        EXPECT_LE(read[i].m_nExpandedHeight, 1024) << i;
    }
    EXPECT_EQ(read[0].m_rcWindow, CRect(0, 50, 180, 250));
    EXPECT_EQ(read[5].m_rcWindow, CRect(2360, 824, 2560, 1024));
}
