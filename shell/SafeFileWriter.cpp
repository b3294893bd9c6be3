#include "shell/SafeFileWriter.h"

#include <io.h>

namespace {
CString TempNameFor(const CString& path) {
    static LONG counter = 0;
    CString temp;
    temp.Format(L"%s.%lu.%ld.tmp", (const wchar_t*)path, GetCurrentProcessId(), InterlockedIncrement(&counter));
    return temp;
}
}  // namespace

bool CSafeFileWriter::ReplaceWith(const CString& temp, const CString& path) {
    if (MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(temp);
    return false;
}

bool CSafeFileWriter::FileExists(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CSafeFileWriter::WriteFile(const CString& path, const void* data, size_t size) {
    return WriteStream(path, [data, size](FILE* file) { return size == 0 || fwrite(data, 1, size, file) == size; });
}

bool CSafeFileWriter::WriteStream(const CString& path, const std::function<bool(FILE*)>& fill, bool textMode) {
    CString temp = TempNameFor(path);
    FILE* file = _wfopen(temp, textMode ? L"w" : L"wb");
    if (!file) return false;
    bool ok = fill(file);
    ok = fflush(file) == 0 && ok && !ferror(file);
    // On the disk before it replaces the old file, so a crash cannot leave
    // an empty file in its place.
    ok = ok && FlushFileBuffers((HANDLE)_get_osfhandle(_fileno(file)));
    ok = fclose(file) == 0 && ok;
    if (!ok) {
        DeleteFileW(temp);
        return false;
    }
    return ReplaceWith(temp, path);
}

bool CSafeFileWriter::CopyFile(const CString& from, const CString& to) {
    CString temp = TempNameFor(to);
    if (!::CopyFileW(from, temp, FALSE)) {
        DeleteFileW(temp);
        return false;
    }
    return ReplaceWith(temp, to);
}

CString CSafeFileWriter::KeepDatedCopy(const CString& path, const SYSTEMTIME& now) {
    CString base;
    base.Format(L"%s.%04d%02d%02d-%02d%02d%02d", (const wchar_t*)path, now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
    for (int n = 0; n < 1000; ++n) {
        CString copy = base;
        if (n) copy.AppendFormat(L"-%d", n);
        copy += L".bad";
        if (FileExists(copy)) continue;
        return ::CopyFileW(path, copy, TRUE) ? copy : CString();
    }
    return CString();
}

bool CSafeFileWriter::ReadFile(const CString& path, std::vector<BYTE>& data, size_t maxBytes, bool* tooLarge) {
    data.clear();
    if (tooLarge) *tooLarge = false;
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(h, &size) != FALSE;
    if (ok && (ULONGLONG)size.QuadPart > maxBytes) {
        ok = false;
        if (tooLarge) *tooLarge = true;
    }
    if (ok) {
        data.resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok = data.empty() || (::ReadFile(h, data.data(), (DWORD)data.size(), &read, nullptr) && read == data.size());
    }
    CloseHandle(h);
    if (!ok) data.clear();
    return ok;
}
