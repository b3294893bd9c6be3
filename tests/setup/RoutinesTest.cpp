// Resources, shortcuts, special folders and deleting folder trees.
#include "SetupTestFiles.h"
#include "ScratchFolder.h"
#include "setup/SetupRoutines.h"
#include "shell/FileUtil.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

CString PayloadFile(const wchar_t* name) { return EnvFolder("ZOREL_SETUP_DATA") + name; }

}  // namespace

TEST(SetupRoutinesTest, ResourceToMemoryAndFile) {
    DWORD size = 1;
    std::unique_ptr<BYTE[]> block(CopyResourceToMemory(GetModuleHandleW(nullptr), 148, L"DATA", &size));
    ASSERT_TRUE(block);
    std::string expected = ReadFileBytes(PayloadFile(L"payload.zip"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, std::string((const char*)block.get(), size));

    EXPECT_EQ(nullptr, CopyResourceToMemory(GetModuleHandleW(nullptr), 4711, L"DATA", &size));
    EXPECT_EQ(0u, size);

    CScratchFolder folder(L"resfile");
    folder.Write(L"anniversary.xzrn", std::string(5000, 'z'));  // longer than the resource: replaced whole
    EXPECT_EQ(1, WriteResourceToFile(GetModuleHandleW(nullptr), 147, L"DATA", folder + L"anniversary.xzrn"));
    EXPECT_EQ(ReadFileBytes(PayloadFile(L"anniversary.xzrn")), ReadFileBytes(folder + L"anniversary.xzrn"));
    EXPECT_EQ(0, WriteResourceToFile(GetModuleHandleW(nullptr), 4711, L"DATA", folder + L"none.bin"));
    EXPECT_FALSE(folder.Has(L"none.bin"));
}

TEST(SetupRoutinesTest, RemoveFolderTreeRefusesShortPaths) {
    // Seven characters is a drive root's neighbourhood: never deleted.
    const CString shortPath = L"C:\\abcd", longEnough = L"C:\\abcde";
    for (const CString& path : {shortPath, longEnough}) {
        DeleteFolderTree(path);
        ASSERT_TRUE(CreateDirectoryW(path, nullptr));
        ASSERT_TRUE(CreateDirectoryW(path + L"\\inner", nullptr));
        ASSERT_TRUE(WriteFileBytes(path + L"\\inner\\file.txt", "x"));
    }
    EXPECT_EQ(0, RemoveFolderTree(shortPath));
    EXPECT_EQ(0, RemoveFolderTree(longEnough));
    EXPECT_TRUE(FileExists(shortPath + L"\\inner\\file.txt"));
    EXPECT_FALSE(FileExists(longEnough));
    DeleteFileW(shortPath + L"\\inner\\file.txt");
    RemoveDirectoryW(shortPath + L"\\inner");
    RemoveDirectoryW(shortPath);
    EXPECT_FALSE(FileExists(shortPath));
}

TEST(SetupRoutinesTest, RemoveFolderTreeRefusesPathsLongerThanItsBuffer) {
    CScratchFolder folder(L"longpath");
    // A folder whose path just fills the buffer, and a child below it: cut
    // to the buffer, the child's path would name its parent, which would go
    // with everything in it.
    CString parent = folder.Path();
    parent.TrimRight(L'\\');
    while (parent.GetLength() < MAX_PATH - 2) {
        int room = MAX_PATH - 2 - parent.GetLength() - 1;
        parent += L"\\" + CString(L'p', room > 100 ? 100 : room);
        ASSERT_TRUE(CreateDirectoryW(L"\\\\?\\" + parent, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    ASSERT_EQ(MAX_PATH - 2, parent.GetLength());
    const CString child = parent + L"\\child";
    ASSERT_TRUE(CreateDirectoryW(L"\\\\?\\" + child, nullptr));
    ASSERT_TRUE(WriteFileBytes(L"\\\\?\\" + parent + L"\\sibling.txt", "b"));

    EXPECT_EQ(0, RemoveFolderTree(child));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"\\\\?\\" + parent + L"\\sibling.txt"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"\\\\?\\" + child));
    DeleteFileW(L"\\\\?\\" + parent + L"\\sibling.txt");
    RemoveDirectoryW(L"\\\\?\\" + child);
    // Folders this deep are taken down level by level.
    while (parent.GetLength() > folder.Path().GetLength()) {
        RemoveDirectoryW(L"\\\\?\\" + parent);
        parent = parent.Left(parent.ReverseFind(L'\\'));
    }
}

TEST(SetupRoutinesTest, ShortcutReadsBack) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    CScratchFolder folder(L"shortcut");
    CString target = folder.Write(L"Zorel.exe", "MZ");
    CString link = folder + L"Zorel.lnk";
    EXPECT_EQ(S_OK, CreateShortcut(target, link, L"/login", L"Zorel"));
    ASSERT_TRUE(folder.Has(L"Zorel.lnk"));

    IShellLinkW* shell = nullptr;
    ASSERT_TRUE(SUCCEEDED(
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void**)&shell)));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(shell->QueryInterface(IID_IPersistFile, (void**)&file)));
    ASSERT_TRUE(SUCCEEDED(file->Load(link, STGM_READ)));
    wchar_t text[MAX_PATH] = {};
    shell->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_EQ(0, CString(text).CompareNoCase(target));
    shell->GetDescription(text, MAX_PATH);
    EXPECT_EQ(CString(L"Zorel"), CString(text));
    shell->GetArguments(text, MAX_PATH);
    EXPECT_EQ(CString(L"/login"), CString(text));
    file->Release();
    shell->Release();

    // A folder that does not exist cannot take the link.
    EXPECT_TRUE(FAILED(CreateShortcut(target, folder + L"missing\\Zorel.lnk", L"", L"Zorel")));
    CoUninitialize();
}

TEST(SetupRoutinesTest, SpecialFolders) {
    CString programs, documents;
    EXPECT_TRUE(GetSpecialFolderPath(nullptr, CSIDL_PROGRAMS, programs));
    EXPECT_TRUE(FileExists(programs));
    EXPECT_TRUE(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL, documents));
    EXPECT_NE(programs, documents);
}
