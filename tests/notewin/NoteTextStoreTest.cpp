// Writing, reading, locking and unlocking a note's text file, with the
// editor replaced by a buffer.
#include "notes/MemoDlg.h"
#include "notes/MemoInfo.h"
#include "notes/NoteIds.h"
#include "notes/NoteTextStore.h"
#include "notes/RtfCheck.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/SaveFailureReport.h"
#include "shell/Seams.h"
#include "shell/Settings.h"

#include "NotewinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class CBufferEditor : public INoteEditor {
public:
    std::string rtf;
    bool modified = false;
    bool openFailed = false;
    int loads = 0;

    bool GetRtfBytes(std::vector<BYTE>& out) override {
        out.assign(rtf.begin(), rtf.end());
        return true;
    }
    bool LoadRtfBytes(const BYTE* data, size_t length) override {
        rtf.assign((const char*)data, length);
        ++loads;
        return true;
    }
    bool LoadRtfFile(const CString& path) override {
        std::vector<BYTE> bytes;
        if (!CSafeFileWriter::ReadFile(path, bytes)) {
            openFailed = CSafeFileWriter::FileExists(path);
            return false;
        }
        return LoadRtfBytes(bytes.data(), bytes.size());
    }
    void EmptyText() override { rtf = "{\\rtf1 }"; }
    bool IsOpenFailed() const override { return openFailed; }
    bool IsTextModified() const override { return modified; }
    void SetTextModified(bool m) override { modified = m; }
    long GetTextLength() const override { return (long)rtf.size(); }
};

SYSTEMTIME Clock() {
    SYSTEMTIME t = {};
    t.wYear = 2014;
    t.wMonth = 2;
    t.wDay = 9;
    t.wHour = 15;
    t.wMinute = 30;
    t.wSecond = 45;
    t.wMilliseconds = 123;
    return t;
}

const char kText[] = "{\\rtf1 Hello \\b note\\b0}";

// One RTF group with depth groups nested in all.
std::string Nested(int depth) {
    return "{\\rtf1 " + std::string(depth - 1, '{') + "x" + std::string(depth, '}');
}

// The system's message box, answered at once.
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

// Save failures shown for the test's length only.
struct ReportsOn {
    ReportsOn() { g_Settings.ReportErrors = 1; }
    ~ReportsOn() { g_Settings.ReportErrors = 0; }
};

class NoteTextStoreTest : public ::testing::Test {
protected:
    CScratchFolder dir{L"notewin"};
    CMemoCipher cipher;
    CLockedMemoFile locked{cipher, GetNoteLockKeys()};
    CMemoInfo record;
    CBufferEditor editor;
    CNoteTextStore store{record, dir.Path(), locked, Clock};

    void SetUp() override {
        record.m_strFileName = L"20140101000000000.rtf";
        editor.rtf = kText;
        editor.modified = true;
        store.SetTextLoaded(true);
    }
    std::string FileText(const CString& name) {
        std::vector<BYTE> bytes;
        CSafeFileWriter::ReadFile(dir.Path() + name, bytes);
        return std::string(bytes.begin(), bytes.end());
    }
};

}  // namespace

TEST_F(NoteTextStoreTest, PlainSaveAndLoad) {
    ASSERT_TRUE(store.Save(editor));
    EXPECT_FALSE(editor.modified);
    EXPECT_EQ(FileText(record.m_strFileName), kText);

    CBufferEditor other;
    CNoteTextStore reader(record, dir.Path(), locked, Clock);
    EXPECT_TRUE(reader.LoadForRecord(other));
    EXPECT_TRUE(reader.IsTextLoaded());
    EXPECT_EQ(other.rtf, kText);
}

TEST_F(NoteTextStoreTest, AnUnreadableFileIsNeverOverwritten) {
    ASSERT_TRUE(store.Save(editor));
    CBufferEditor other;
    CNoteTextStore reader(record, dir.Path(), locked, Clock);
    {
        CHeldOpen held(dir.Path() + record.m_strFileName);
        EXPECT_FALSE(reader.LoadForRecord(other));
    }
    EXPECT_TRUE(reader.IsOpenFailed());
    other.rtf = "{\\rtf1 Failed to open}";
    EXPECT_FALSE(reader.Save(other));
    EXPECT_EQ(FileText(record.m_strFileName), kText);
    EXPECT_EQ(reader.Lock(other, L"pw", L""), CNoteTextStore::LockResult::ReadFailed);
}

TEST_F(NoteTextStoreTest, LockWritesTheLockedFileBeforeRemovingTheOldOne) {
    ASSERT_TRUE(store.Save(editor));
    CString oldName = record.m_strFileName;
    ASSERT_EQ(store.Lock(editor, L"secret", L"My title"), CNoteTextStore::LockResult::Done);
    EXPECT_TRUE(IsLockedMemoFileName(record.m_strFileName));
    EXPECT_EQ(record.m_strFileName, CString(L"20140209153045123.rtx"));
    EXPECT_TRUE(record.m_bLocked);
    EXPECT_EQ(record.m_strTitle, CString(L"My title"));
    EXPECT_FALSE(record.m_strPassword.IsEmpty());
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + oldName));
    // The file holds no plain text and ends in the 512-byte trailer.
    std::string bytes = FileText(record.m_strFileName);
    EXPECT_EQ(bytes.find("Hello"), std::string::npos);
    EXPECT_EQ(bytes.size(), ((sizeof kText) / 16 + 1) * 16 + 512);

    // A window made for the locked record reads only the token.
    CBufferEditor fresh;
    CMemoInfo copy = record;
    copy.m_strPassword.Empty();
    CNoteTextStore reader(copy, dir.Path(), locked, Clock);
    EXPECT_TRUE(reader.LoadForRecord(fresh));
    EXPECT_FALSE(reader.IsTextLoaded());
    EXPECT_EQ(fresh.loads, 0);
    EXPECT_EQ(copy.m_strPassword, record.m_strPassword);
    // Saving before the text was decrypted writes nothing.
    fresh.rtf = "{\\rtf1 }";
    EXPECT_FALSE(reader.Save(fresh));
    EXPECT_FALSE(reader.CheckPassword(L"Secret"));
    ASSERT_TRUE(reader.CheckPassword(L"secret"));
    ASSERT_TRUE(reader.LoadLockedText(fresh));
    EXPECT_EQ(fresh.rtf, kText);
    // Once decrypted, saves re-encrypt the editor's text.
    fresh.rtf = "{\\rtf1 changed}";
    EXPECT_TRUE(reader.Save(fresh));
    std::vector<BYTE> plain;
    ASSERT_TRUE(locked.Unlock(dir.Path() + copy.m_strFileName, L"secret", plain));
    EXPECT_EQ(std::string(plain.begin(), plain.end()), "{\\rtf1 changed}");
}

TEST_F(NoteTextStoreTest, UnlockWithTheRightPasswordRestoresThePlainFile) {
    ASSERT_EQ(store.Lock(editor, L"abc", L""), CNoteTextStore::LockResult::Done);
    CString lockedName = record.m_strFileName;
    std::string lockedBytes = FileText(lockedName);

    // A fresh window: the text is still encrypted.
    CMemoInfo copy = record;
    CBufferEditor fresh;
    CNoteTextStore reader(copy, dir.Path(), locked, Clock);
    reader.LoadForRecord(fresh);

    EXPECT_EQ(reader.Unlock(fresh, L"abd"), CNoteTextStore::LockResult::WrongPassword);
    EXPECT_EQ(copy.m_strFileName, lockedName);
    EXPECT_TRUE(copy.m_bLocked);
    EXPECT_EQ(FileText(lockedName), lockedBytes);
    EXPECT_EQ(fresh.loads, 0);

    ASSERT_EQ(reader.Unlock(fresh, L"abc"), CNoteTextStore::LockResult::Done);
    EXPECT_FALSE(copy.m_bLocked);
    EXPECT_TRUE(copy.m_strPassword.IsEmpty());
    EXPECT_FALSE(IsLockedMemoFileName(copy.m_strFileName));
    EXPECT_EQ(FileText(copy.m_strFileName), kText);
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + lockedName));
}

TEST_F(NoteTextStoreTest, FailuresLeaveTheNoteAsItWas) {
    ASSERT_TRUE(store.Save(editor));
    CString name = record.m_strFileName;
    EXPECT_EQ(store.Lock(editor, L"", L"t"), CNoteTextStore::LockResult::NoToken);
    EXPECT_EQ(record.m_strFileName, name);
    EXPECT_FALSE(record.m_bLocked);

    // A locked note whose file cannot be written keeps its old file.
    CNoteTextStore nowhere(record, dir.Path() + L"missing\\", locked, Clock);
    EXPECT_EQ(nowhere.Lock(editor, L"pw", L"t"), CNoteTextStore::LockResult::WriteFailed);
    EXPECT_EQ(record.m_strFileName, name);
    EXPECT_EQ(FileText(name), kText);

    // A locked file too short to hold a trailer does not decrypt.
    std::vector<BYTE> junk(511, 1);
    CSafeFileWriter::WriteFile(dir.Path() + L"short.rtx", junk);
    CMemoInfo shortRecord;
    shortRecord.m_strFileName = L"short.rtx";
    CNoteTextStore reader(shortRecord, dir.Path(), locked, Clock);
    CBufferEditor fresh;
    reader.LoadForRecord(fresh);
    EXPECT_TRUE(shortRecord.m_strPassword.IsEmpty());
    EXPECT_FALSE(reader.LoadLockedText(fresh));
    EXPECT_EQ(reader.Unlock(fresh, L""), CNoteTextStore::LockResult::WrongPassword);
}

// A record from another computer's list may name any path: its file is never
// read, written or removed, and no window is made for it.
TEST_F(NoteTextStoreTest, AnUnsafeFileNameIsNeverTouched) {
    // Back into the memo folder by way of "..", so the file is there to see.
    CString leaf = dir.Path().Left(dir.Path().GetLength() - 1);
    leaf = leaf.Mid(leaf.ReverseFind(L'\\') + 1);
    const char victim[] = "{\\rtf1 not a note of this folder}";
    ASSERT_TRUE(CSafeFileWriter::WriteFile(dir.Path() + L"victim.rtf", victim, sizeof victim - 1));
    const CString names[] = {L"..\\" + leaf + L"\\victim.rtf", L"sub\\..\\victim.rtf", L"CON.rtf",
                             L"..\\" + leaf + L"\\victim.rtx"};
    for (const CString& name : names) {
        CMemoInfo unsafe;
        unsafe.m_strFileName = name;
        CNoteTextStore reader(unsafe, dir.Path(), locked, Clock);
        CBufferEditor other;
        other.rtf = "{\\rtf1 typed}";
        EXPECT_FALSE(reader.LoadForRecord(other)) << name;
        EXPECT_EQ(other.loads, 0) << name;
        EXPECT_TRUE(reader.GetPath().IsEmpty()) << name;
        EXPECT_FALSE(reader.Save(other)) << name;
        CNoteTextStore::LockResult change =
            unsafe.m_bLocked ? reader.Unlock(other, L"pw") : reader.Lock(other, L"pw", L"");
        EXPECT_EQ(change, CNoteTextStore::LockResult::ReadFailed) << name;
        EXPECT_EQ(unsafe.m_strFileName, name);

        CMemoDlg* window = new CMemoDlg();
        EXPECT_FALSE(window->LoadMemo(IDD_MEMO, nullptr, &unsafe)) << name;
        EXPECT_EQ(window->m_hWnd, nullptr);
        if (window->m_hWnd)
            window->DestroyWindow();
        else
            window->Release();
        EXPECT_EQ(unsafe.m_pWindow, nullptr) << name;
    }
    EXPECT_EQ(FileText(L"victim.rtf"), victim);
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + L"victim.rtx"));
}

TEST(NoteRtfShape, OnlyOneClosedGroupWithinTheNestingLimitIsANote) {
    struct Case {
        std::string bytes;
        RtfShape shape;
        const char* what;
    };
    const Case cases[] = {
        {"{\\rtf1 Hello}", RtfShape::Whole, "plain"},
        {std::string("\r\n{\\rtf1 Hello}\r\n\0", 18), RtfShape::Whole, "blanks around it"},
        {"{\\rtf1 a \\{ b \\} c \\\\}", RtfShape::Whole, "escaped braces"},
        {"{\\rtf1 {\\pict\\bin3 }}{}}", RtfShape::Whole, "binary data holding braces"},
        {Nested(kMaxRtfGroupDepth), RtfShape::Whole, "at the limit"},
        {Nested(kMaxRtfGroupDepth + 1), RtfShape::TooDeep, "one beyond the limit"},
        {Nested(100000), RtfShape::TooDeep, "100,000 deep"},
        {"{\\rtf1 a}" + std::string(2000, '{'), RtfShape::TooDeep, "a deep tail after the group"},
        {"", RtfShape::Empty, "no bytes"},
        {"Buy milk", RtfShape::NotRtf, "plain text"},
        {"\x89PNG\r\n\x1a\n{\\rtf1 }", RtfShape::NotRtf, "other bytes first"},
        {"{\\rt", RtfShape::NotRtf, "too short"},
        {"{\\rtf1 {\\b half of it", RtfShape::Cut, "cut off"},
        {"{\\rtf1 x\\}", RtfShape::Cut, "only an escaped brace at the end"},
        {"{\\rtf1 {\\pict\\bin99 }}", RtfShape::Cut, "binary data past the end"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckNoteRtf((const BYTE*)c.bytes.data(), c.bytes.size()), c.shape) << c.what;
}

// Whatever stands at a note's path and is no whole note text: the note opens
// in the open-failed state, the editor never sees the bytes and nothing is
// written over them; starting afresh keeps them first.
TEST_F(NoteTextStoreTest, ADamagedFileIsKeptAndTheNoteStartsAfresh) {
    struct Case {
        const char* what;
        std::string bytes;
        bool folder;
    };
    std::string random(3000, 0);
    for (size_t i = 0; i < random.size(); ++i) random[i] = (char)((i * 7919 + 13) % 251);
    const Case cases[] = {
        {"random bytes", random, false},
        {"half an RTF", std::string(kText, sizeof kText / 2), false},
        {"0 bytes", "", false},
        {"100,000 nested groups", Nested(100000), false},
        {"a folder", "", true},
    };
    for (const Case& c : cases) {
        CScratchFolder here{L"notewin"};
        CMemoInfo damaged;
        damaged.m_strFileName = L"20140101000000000.rtf";
        CString path = here.Path() + damaged.m_strFileName;
        if (c.folder)
            ASSERT_TRUE(CreateDirectoryW(path, nullptr)) << c.what;
        else
            ASSERT_TRUE(CSafeFileWriter::WriteFile(path, c.bytes.data(), c.bytes.size())) << c.what;
        CNoteTextStore reader(damaged, here.Path(), locked, Clock);
        CBufferEditor typed;
        EXPECT_FALSE(reader.LoadForRecord(typed)) << c.what;
        EXPECT_TRUE(reader.IsOpenFailed()) << c.what;
        EXPECT_EQ(typed.loads, 0) << c.what;
        typed.rtf = "{\\rtf1 typed}";
        typed.modified = true;
        EXPECT_FALSE(reader.Save(typed)) << c.what;
        EXPECT_EQ(reader.Lock(typed, L"pw", L""), CNoteTextStore::LockResult::ReadFailed) << c.what;

        ASSERT_TRUE(reader.StartAfresh(typed)) << c.what;
        EXPECT_FALSE(reader.IsOpenFailed()) << c.what;
        EXPECT_EQ(typed.rtf, "{\\rtf1 }") << c.what;
        EXPECT_FALSE(typed.modified) << c.what;
        std::vector<CString> copies = here.List(L"", L"*.bad");
        if (c.folder) {
            // The folder stays as it was; the note has a file of its own.
            EXPECT_TRUE(copies.empty()) << c.what;
            EXPECT_TRUE(GetFileAttributesW(path) & FILE_ATTRIBUTE_DIRECTORY) << c.what;
            EXPECT_NE(damaged.m_strFileName, CString(L"20140101000000000.rtf")) << c.what;
            EXPECT_EQ(damaged.m_strFileName.Left(14), CString(L"20140209153045")) << c.what;
        } else {
            ASSERT_EQ(copies.size(), 1u) << c.what;
            EXPECT_EQ(copies[0], L"20140101000000000.rtf.20140209-153045.bad") << c.what;
            std::vector<BYTE> kept;
            CSafeFileWriter::ReadFile(here.Path() + copies[0], kept);
            EXPECT_EQ(std::string(kept.begin(), kept.end()), c.bytes) << c.what;
            EXPECT_EQ(damaged.m_strFileName, CString(L"20140101000000000.rtf")) << c.what;
        }
        // From now on the note saves as any other.
        typed.rtf = "{\\rtf1 a fresh start}";
        typed.modified = true;
        EXPECT_TRUE(reader.Save(typed)) << c.what;
        std::vector<BYTE> saved;
        CSafeFileWriter::ReadFile(here.Path() + damaged.m_strFileName, saved);
        EXPECT_EQ(std::string(saved.begin(), saved.end()), "{\\rtf1 a fresh start}") << c.what;
    }
}

TEST_F(NoteTextStoreTest, NoFreshStartWithoutACopyOfTheDamagedFile) {
    const char half[] = "{\\rtf1 {\\b cut";
    CString path = dir.Path() + record.m_strFileName;
    ASSERT_TRUE(CSafeFileWriter::WriteFile(path, half, sizeof half - 1));
    CBufferEditor other;
    CNoteTextStore reader(record, dir.Path(), locked, Clock);
    EXPECT_FALSE(reader.LoadForRecord(other));
    {
        CHeldOpen held(path);
        EXPECT_FALSE(reader.StartAfresh(other));
    }
    EXPECT_TRUE(reader.IsOpenFailed());
    EXPECT_EQ(FileText(record.m_strFileName), half);
    EXPECT_TRUE(dir.List(L"", L"*.bad").empty());
    // A note that was read whole has nothing to start afresh from.
    ASSERT_TRUE(store.Save(editor));
    EXPECT_FALSE(store.StartAfresh(editor));
    EXPECT_EQ(FileText(record.m_strFileName), kText);
}

// Autosave tries a failed note at every pass: the user hears of the file once,
// and once more only when it fails again after a save that worked.
TEST_F(NoteTextStoreTest, AFailedSaveIsToldOncePerFileAndTriedAgain) {
    CCountingBox box;
    ReportsOn reports;
    GetSaveFailureReport().Clear();
    CString path = dir.Path() + record.m_strFileName;
    ASSERT_TRUE(store.Save(editor));
    auto failTimes = [&](int times) {
        CHeldOpen held(path);
        for (int i = 0; i < times; ++i) {
            editor.rtf = "{\\rtf1 typed " + std::to_string(i) + "}";
            editor.modified = true;
            EXPECT_FALSE(store.Save(editor));
            EXPECT_TRUE(editor.modified);
        }
    };
    failTimes(3);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0].Find(L"\"" + path + L"\""), 0);
    EXPECT_TRUE(store.Save(editor));
    EXPECT_EQ(FileText(record.m_strFileName), "{\\rtf1 typed 2}");
    failTimes(2);
    EXPECT_EQ(box.texts.size(), 2u);
    // A note that could not be read is no failed save: its marker tells.
    CMemoInfo other;
    other.m_strFileName = L"other.rtf";
    ASSERT_TRUE(CSafeFileWriter::WriteFile(dir.Path() + L"other.rtf", "junk", 4));
    CNoteTextStore damaged(other, dir.Path(), locked, Clock);
    CBufferEditor typed;
    damaged.LoadForRecord(typed);
    typed.modified = true;
    EXPECT_FALSE(damaged.Save(typed));
    EXPECT_EQ(box.texts.size(), 2u);
}

// Every locked note on every disk was encrypted with these bytes: a change
// to how they are made would lock the user out of those notes.
TEST(NoteLockKeys, AreTheKeysOfExistingLockedNotes) {
    const BYTE key[16] = {0x99, 0x98, 0x8B, 0xA6, 0x88, 0xBD, 0x88, 0x5B,
                          0x93, 0xC0, 0x8A, 0xAC, 0xBF, 0xC0, 0x92, 0x88};
    const BYTE tokenIv[16] = {0x5A, 0x75, 0x62, 0x58, 0x79, 0x4E, 0x45, 0x65,
                              0x57, 0x54, 0x23, 0x23, 0x1D, 0x2D, 0x53, 0x5F};
    const MemoLockKeys& keys = GetNoteLockKeys();
    EXPECT_EQ(std::vector<BYTE>(key, key + 16), std::vector<BYTE>(keys.key, keys.key + 16));
    EXPECT_EQ(std::vector<BYTE>(tokenIv, tokenIv + 16), std::vector<BYTE>(keys.tokenIv, keys.tokenIv + 16));
}
