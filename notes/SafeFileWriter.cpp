#include "notes/SafeFileWriter.h"

namespace {
CString TempNameFor(const CString& path) {
    static LONG counter = 0;
    CString temp;
    temp.Format(L"%s.%lu.%ld.tmp", (const wchar_t*)path, GetCurrentProcessId(), InterlockedIncrement(&counter));
    return temp;
}

bool ReplaceWith(const CString& temp, const CString& path) {
    if (MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(temp);
    return false;
}
}  // namespace

bool CSafeFileWriter::FileExists(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CSafeFileWriter::WriteFile(const CString& path, const void* data, size_t size) {
    CString temp = TempNameFor(path);
    HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const BYTE* p = (const BYTE*)data;
    bool ok = true;
    while (size > 0 && ok) {
        DWORD chunk = size > (1u << 30) ? (1u << 30) : (DWORD)size;
        DWORD written = 0;
        ok = ::WriteFile(h, p, chunk, &written, nullptr) && written == chunk;
        p += chunk;
        size -= chunk;
    }
    ok = ok && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
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
