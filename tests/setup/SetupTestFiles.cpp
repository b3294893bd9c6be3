#include "SetupTestFiles.h"

#include <cstdio>
#include <cstdlib>

CString EnvFolder(const char* name) {
    const char* value = getenv(name);
    CString folder = value ? CString(value) : CString();
    folder.Replace(L'/', L'\\');
    // A Unix path from the build reaches Wine through its Z: drive.
    if (folder.Left(1) == L"\\") folder = L"Z:" + folder;
    if (!folder.IsEmpty() && folder.Right(1) != L"\\") folder += L"\\";
    return folder;
}

namespace {

void Collect(const CString& root, const CString& relative, std::map<CString, std::string>& files) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(root + relative + L"*", &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        CString name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(root, relative + name + L"\\", files);
        else
            files[relative + name] = ReadFileBytes(root + relative + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

std::map<CString, std::string> Tree(const CString& root) {
    std::map<CString, std::string> files;
    Collect(root, CString(), files);
    return files;
}
