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
