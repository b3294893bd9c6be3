#include "SetupTestFiles.h"

#include <cstdio>
#include <cstdlib>

std::string ReadBytes(const CString& path) {
    std::string bytes;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return bytes;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

bool WriteBytes(const CString& path, const std::string& bytes) {
    FILE* file = _wfopen(path, L"wb");
    if (!file) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

CString EnvFolder(const char* name) {
    const char* value = getenv(name);
    CString folder = value ? CString(value) : CString();
    folder.Replace(L'/', L'\\');
    // A Unix path from the build reaches Wine through its Z: drive.
    if (folder.Left(1) == L"\\") folder = L"Z:" + folder;
    if (!folder.IsEmpty() && folder.Right(1) != L"\\") folder += L"\\";
    return folder;
}
