#include "TestSupport.h"

#include "shell/FileTreeOp.h"

#include <winioctl.h>

namespace {

// Exposes the naming step for a table of cases.
class NamingOp : public CFileTreeOp {
public:
    using CFileTreeOp::GetUniqueName;
};

bool IsLink(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Makes a junction at link that points at target; false when the file
// system does not offer them (Wine has none).
bool MakeJunction(const CString& link, const CString& target) {
    if (!CreateDirectoryW(link, nullptr)) return false;
    HANDLE h = CreateFileW(link, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CString substitute = L"\\??\\" + target;
    const USHORT subBytes = (USHORT)(substitute.GetLength() * 2), printBytes = (USHORT)(target.GetLength() * 2);
    std::vector<BYTE> buffer(8 + 8 + subBytes + 2 + printBytes + 2, 0);
    auto put16 = [&](size_t at, USHORT v) { memcpy(&buffer[at], &v, 2); };
    DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    memcpy(&buffer[0], &tag, 4);
    put16(4, (USHORT)(buffer.size() - 8));
    put16(8, 0);
    put16(10, subBytes);
    put16(12, (USHORT)(subBytes + 2));
    put16(14, printBytes);
    memcpy(&buffer[16], substitute.GetString(), subBytes);
    memcpy(&buffer[16 + subBytes + 2], target.GetString(), printBytes);
    DWORD done = 0;
    BOOL ok = DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), (DWORD)buffer.size(), nullptr, 0, &done,
                              nullptr);
    CloseHandle(h);
    if (ok && IsLink(link)) return true;
    RemoveDirectoryW(link);
    return false;
}

}  // namespace

TEST(FileTreeNaming, CollidingCopiesCountUp) {
    struct Case {
        const wchar_t *path, *next;
    };
    const Case cases[] = {
        {L"C:\\d\\a.txt", L"C:\\d\\Copy of a.txt"},
        {L"C:\\d\\Copy of a.txt", L"C:\\d\\Copy (1) of a.txt"},
        {L"C:\\d\\Copy (1) of a.txt", L"C:\\d\\Copy (2) of a.txt"},
        {L"C:\\d\\Copy (41) of a.b.txt", L"C:\\d\\Copy (42) of a.b.txt"},
        {L"noext", L"Copy of noext"},
        {L"C:\\d\\Copy (x of a", L"C:\\d\\Copy of Copy (x of a"},
    };
    for (const Case& c : cases) EXPECT_EQ(NamingOp::GetUniqueName(c.path), c.next) << CString(c.path);
}

class FileTree : public TempFolderTest {};

TEST_F(FileTree, CopiesWithoutOverwritingGetNewNames) {
    WriteFile(L"src\\a.txt", "new");
    WriteFile(L"dst\\a.txt", "old");
    for (int i = 0; i < 3; ++i) {
        CFileTreeOp op;
        EXPECT_TRUE(op.Copy(Path(L"src\\a.txt"), Path(L"dst"))) << op.m_strError;
    }
    EXPECT_EQ(ReadFile(L"dst\\a.txt"), "old");
    EXPECT_EQ(ReadFile(L"dst\\Copy of a.txt"), "new");
    EXPECT_EQ(ReadFile(L"dst\\Copy (1) of a.txt"), "new");
    EXPECT_EQ(ReadFile(L"dst\\Copy (2) of a.txt"), "new");

    CFileTreeOp overwrite;
    overwrite.m_bOverwriteMode = true;
    EXPECT_TRUE(overwrite.Copy(Path(L"src\\a.txt"), Path(L"dst\\a.txt")));
    EXPECT_EQ(ReadFile(L"dst\\a.txt"), "new");
    EXPECT_FALSE(Exists(L"dst\\Copy (3) of a.txt"));
}

TEST_F(FileTree, CopiesAFolderTreeIntoAnExistingFolder) {
    WriteFile(L"src\\top.txt", "1");
    WriteFile(L"src\\sub\\mid.txt", "2");
    WriteFile(L"src\\sub\\deeper\\low.txt", "3");
    WriteFile(L"dst\\src\\sub\\mid.txt", "old");
    CFileTreeOp op;
    op.m_bOverwriteMode = true;
    EXPECT_TRUE(op.Copy(Path(L"src"), Path(L"dst"))) << op.m_strError;
    EXPECT_EQ(ReadFile(L"dst\\src\\top.txt"), "1");
    EXPECT_EQ(ReadFile(L"dst\\src\\sub\\mid.txt"), "2");
    EXPECT_EQ(ReadFile(L"dst\\src\\sub\\deeper\\low.txt"), "3");
    EXPECT_EQ(ReadFile(L"src\\sub\\deeper\\low.txt"), "3");
    EXPECT_EQ(op.m_iRecursionLimit, -1);
}

TEST_F(FileTree, RefusesWrongAndSelfCopies) {
    WriteFile(L"a\\x.txt", "x");
    WriteFile(L"a\\b\\y.txt", "y");
    WriteFile(L"ab\\z.txt", "z");
    WriteFile(L"file.txt", "f");

    CFileTreeOp missing;
    EXPECT_FALSE(missing.Copy(Path(L"nothing"), Path(L"ab")));
    EXPECT_EQ(missing.m_strError, Path(L"nothing") + L" not found");
    EXPECT_EQ(missing.m_dwError, 0u);

    CFileTreeOp ontoFile;
    EXPECT_FALSE(ontoFile.Copy(Path(L"a"), Path(L"file.txt")));
    EXPECT_EQ(ontoFile.m_strError, L"Wrong operation");

    // A folder into the folder that already holds it: nothing to do, with or
    // without a trailing backslash, in any case.
    for (const wchar_t* holder : {L"a", L"A\\"}) {
        CFileTreeOp op;
        EXPECT_TRUE(op.Copy(Path(L"a\\b"), Path(holder)));
    }
    EXPECT_FALSE(Exists(L"a\\b\\b"));

    // A folder into itself or one of its own subfolders is refused...
    for (const wchar_t* inside : {L"a\\b", L"a", L"a\\"}) {
        CFileTreeOp op;
        EXPECT_FALSE(op.Copy(Path(L"a"), Path(inside))) << CString(inside);
        EXPECT_NE(op.m_strError, L"No error");
    }
    EXPECT_FALSE(Exists(L"a\\b\\a"));
    EXPECT_FALSE(Exists(L"a\\a"));
    // ...by whole path components: "a" is not a prefix of "ab".
    CFileTreeOp sibling;
    EXPECT_TRUE(sibling.Copy(Path(L"a"), Path(L"ab"))) << sibling.m_strError;
    EXPECT_EQ(ReadFile(L"ab\\a\\b\\y.txt"), "y");

    // A folder onto a destination that does not exist copies nothing.
    CFileTreeOp nowhere;
    EXPECT_TRUE(nowhere.Copy(Path(L"a"), Path(L"none")));
    EXPECT_FALSE(Exists(L"none"));
}

TEST_F(FileTree, DeleteAsksBeforeReadOnlyFiles) {
    WriteFile(L"t\\keep.txt", "k");
    WriteFile(L"t\\sub\\gone.txt", "g");
    WriteFile(L"t\\sub\\ro.txt", "r");
    SetFileAttributesW(Path(L"t\\sub\\ro.txt"), FILE_ATTRIBUTE_READONLY);

    FakeMessageBox box;
    box.answers = {IDNO};
    CFileTreeOp op;
    EXPECT_TRUE(op.Delete(Path(L"t")));
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], L"ro.txt is read olny. Do you want delete it?");
    EXPECT_EQ(box.captions[0], L"Warning");
    EXPECT_EQ(box.types[0], (UINT)(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_TRUE(Exists(L"t\\sub\\ro.txt"));
    EXPECT_FALSE(Exists(L"t\\sub\\gone.txt"));
    EXPECT_FALSE(Exists(L"t\\keep.txt"));
    EXPECT_TRUE(op.m_bAborted);

    box.answers = {IDYES};
    CFileTreeOp yes;
    EXPECT_TRUE(yes.Delete(Path(L"t")));
    EXPECT_FALSE(Exists(L"t"));

    // Without the question a read-only file simply goes.
    WriteFile(L"q\\ro.txt", "r");
    SetFileAttributesW(Path(L"q\\ro.txt"), FILE_ATTRIBUTE_READONLY);
    CFileTreeOp quiet;
    quiet.m_bAskIfReadOnly = false;
    EXPECT_TRUE(quiet.Delete(Path(L"q")));
    EXPECT_FALSE(Exists(L"q"));
    EXPECT_EQ(box.texts.size(), 2u);
}

TEST_F(FileTree, CancelAtTheQuestionStopsTheDelete) {
    WriteFile(L"t\\ro.txt", "r");
    SetFileAttributesW(Path(L"t\\ro.txt"), FILE_ATTRIBUTE_READONLY);
    FakeMessageBox box;
    box.answers = {IDCANCEL};
    CFileTreeOp op;
    EXPECT_TRUE(op.Delete(Path(L"t")));
    EXPECT_EQ(op.m_dwError, 0u);
    EXPECT_TRUE(Exists(L"t\\ro.txt"));
}

TEST_F(FileTree, DeleteOfAMissingPathFails) {
    CFileTreeOp op;
    EXPECT_FALSE(op.Delete(Path(L"missing")));
    EXPECT_EQ(op.m_dwError, (DWORD)ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(op.m_strError.IsEmpty());
    EXPECT_NE(op.m_strError, L"No error");
}

TEST_F(FileTree, MovesASingleFile) {
    WriteFile(L"a.txt", "a");
    MakeFolder(L"dst");
    CFileTreeOp op;
    op.m_bOverwriteMode = true;
    EXPECT_TRUE(op.Move(Path(L"a.txt"), Path(L"dst")));
    EXPECT_FALSE(Exists(L"a.txt"));
    EXPECT_EQ(ReadFile(L"dst\\a.txt"), "a");
    EXPECT_TRUE(op.m_bAskIfReadOnly);  // restored after the move

    // Onto itself with overwriting: the file stays.
    CFileTreeOp self;
    self.m_bOverwriteMode = true;
    EXPECT_TRUE(self.Move(Path(L"dst\\a.txt"), Path(L"dst\\a.txt")));
    EXPECT_EQ(ReadFile(L"dst\\a.txt"), "a");
}

TEST_F(FileTree, AMoveThatFailsPartWayRemovesOnlyWhatWasCopied) {
    WriteFile(L"src\\one.txt", "1");
    WriteFile(L"src\\two.txt", "2");
    WriteFile(L"src\\three.txt", "3");
    MakeFolder(L"dst");
    // Holding one source file open without sharing makes its copy fail.
    HANDLE locked = CreateFileW(Path(L"src\\two.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    CFileTreeOp op;
    op.m_bOverwriteMode = true;
    EXPECT_FALSE(op.Move(Path(L"src"), Path(L"dst")));
    CloseHandle(locked);
    EXPECT_NE(op.m_dwError, 0u);
    EXPECT_EQ(ReadFile(L"src\\two.txt"), "2");
    EXPECT_FALSE(Exists(L"dst\\src\\two.txt"));
    // Every file is in exactly one place.
    for (const wchar_t* name : {L"one.txt", L"two.txt", L"three.txt"})
        EXPECT_NE(Exists(CString(L"src\\") + name), Exists(CString(L"dst\\src\\") + name)) << CString(name);
}

TEST_F(FileTree, AMoveKeepsWhatItDidNotCopy) {
    WriteFile(L"src\\one.txt", "1");
    WriteFile(L"src\\sub\\two.txt", "2");
    WriteFile(L"src\\other\\three.txt", "3");
    MakeFolder(L"dst");
    CFileTreeOp op;
    op.m_bOverwriteMode = true;
    op.m_iRecursionLimit = 1;  // one subfolder is entered, the other skipped
    EXPECT_TRUE(op.Move(Path(L"src"), Path(L"dst"))) << op.m_strError;
    EXPECT_FALSE(Exists(L"src\\one.txt"));
    EXPECT_EQ(ReadFile(L"dst\\src\\one.txt"), "1");
    EXPECT_NE(Exists(L"src\\sub\\two.txt"), Exists(L"src\\other\\three.txt"));
    EXPECT_NE(Exists(L"dst\\src\\sub\\two.txt"), Exists(L"dst\\src\\other\\three.txt"));
    EXPECT_TRUE(Exists(L"src"));

    // A folder onto a missing destination copies nothing and removes nothing.
    WriteFile(L"keep\\k.txt", "k");
    CFileTreeOp nowhere;
    EXPECT_TRUE(nowhere.Move(Path(L"keep"), Path(L"none")));
    EXPECT_EQ(ReadFile(L"keep\\k.txt"), "k");
}

TEST_F(FileTree, DeleteDoesNotFollowJunctions) {
    WriteFile(L"outside\\precious.txt", "p");
    WriteFile(L"tree\\sub\\plain.txt", "x");
    if (!MakeJunction(Path(L"tree\\link"), Path(L"outside")))
        GTEST_SKIP() << "the file system offers no junctions here";
    ASSERT_EQ(ReadFile(L"tree\\link\\precious.txt"), "p");
    CFileTreeOp op;
    EXPECT_TRUE(op.Delete(Path(L"tree"))) << op.m_strError;
    EXPECT_FALSE(Exists(L"tree"));
    // What the link pointed at is untouched.
    EXPECT_EQ(ReadFile(L"outside\\precious.txt"), "p");
}
