#include "shell/SafeFileWriter.h"

#include <io.h>

namespace {
// A save writes "<file>.<process>.<n>.tmp"; once every byte is on the disk
// the name becomes "<file>.<process>.<n>.ready", which then replaces the
// file. So a ".ready" file left behind is known to be whole.
const wchar_t kWritingSuffix[] = L".tmp";
const wchar_t kReadySuffix[] = L".ready";

CString TempNameFor(const CString& path) {
    static LONG counter = 0;
    CString temp;
    temp.Format(L"%s.%lu.%ld%s", (const wchar_t*)path, GetCurrentProcessId(), InterlockedIncrement(&counter),
                kWritingSuffix);
    return temp;
}

// Marks a finished temporary file whole and puts it in place of path.
bool Finish(const CString& temp, const CString& path) {
    // The mark only matters while there is no live file: a whole temporary
    // file is only ever put in place of a missing one. With the live file
    // there, the old file stays until the one rename replaces it, which
    // saves a rename (a costly call under Wine) on every save.
    if (CSafeFileWriter::FileExists(path)) return CSafeFileWriter::ReplaceWith(temp, path);
    CString ready = temp.Left(temp.GetLength() - (int)wcslen(kWritingSuffix)) + kReadySuffix;
    if (!MoveFileExW(temp, ready, MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temp);
        return false;
    }
    return CSafeFileWriter::ReplaceWith(ready, path);
}

// Splits "<live>.<process>.<n><suffix>"; false for any other name.
bool SplitTempName(const CString& name, const wchar_t* suffix, CString& live, DWORD& process) {
    int suffixLength = (int)wcslen(suffix);
    if (name.GetLength() <= suffixLength || name.Right(suffixLength).CompareNoCase(suffix) != 0) return false;
    CString rest = name.Left(name.GetLength() - suffixLength);
    for (int part = 0; part < 2; ++part) {
        int dot = rest.ReverseFind(L'.');
        int digits = rest.GetLength() - dot - 1;
        if (dot <= 0 || digits < 1 || digits > 10) return false;
        for (int i = dot + 1; i < rest.GetLength(); ++i)
            if (rest[i] < L'0' || rest[i] > L'9') return false;
        if (part == 1) process = (DWORD)wcstoul(rest.GetString() + dot + 1, nullptr, 10);
        rest = rest.Left(dot);
    }
    live = rest;
    return true;
}

// The file name of a process's program, upper-cased; empty when unknown.
CString ProgramNameOf(HANDLE process) {
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameW(process, 0, path, &size)) return CString();
    const wchar_t* name = wcsrchr(path, L'\\');
    CString result = name ? name + 1 : path;
    result.MakeUpper();
    return result;
}

// Whether the process that named a temporary file may still be writing it.
// Process ids are reused soon after a program ends (under Wine within
// seconds), so a running process with that id counts only when it is one of
// our programs and was started before the file was last written.
bool MayStillBeWriting(DWORD process, const FILETIME& written) {
    if (process == GetCurrentProcessId()) return false;
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (!h) return false;
    DWORD code = 0;
    bool writing = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    if (writing) {
        CString name = ProgramNameOf(h);
        // Unknown names are given the benefit of the doubt.
        writing = name.IsEmpty() || name == ProgramNameOf(GetCurrentProcess()) || name.Left(5) == L"ZOREL";
    }
    FILETIME created, ended, kernel, user;
    if (writing && GetProcessTimes(h, &created, &ended, &kernel, &user) &&
        (created.dwLowDateTime || created.dwHighDateTime) && CompareFileTime(&created, &written) > 0)
        writing = false;
    CloseHandle(h);
    return writing;
}

bool IsNewer(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) > 0; }
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
    return Finish(temp, path);
}

bool CSafeFileWriter::CopyFile(const CString& from, const CString& to) {
    CString temp = TempNameFor(to);
    if (!::CopyFileW(from, temp, FALSE)) {
        DeleteFileW(temp);
        return false;
    }
    // On the disk before it is marked whole.
    HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool flushed = h != INVALID_HANDLE_VALUE && FlushFileBuffers(h);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    if (!flushed) {
        DeleteFileW(temp);
        return false;
    }
    return Finish(temp, to);
}

CString CSafeFileWriter::KeepDatedCopy(const CString& path, const SYSTEMTIME& now) {
    // A file found damaged at every start is kept once, not once a start.
    CString same = FindSameCopy(path);
    if (!same.IsEmpty()) return same;
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

CString CSafeFileWriter::FindSameCopy(const CString& path) {
    WIN32_FILE_ATTRIBUTE_DATA original;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &original)) return CString();
    int slash = path.ReverseFind(L'\\');
    CString folder = path.Left(slash + 1);
    const int kMostCopiesCompared = 100;
    int compared = 0;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(path + L".*.bad", &data);
    if (h == INVALID_HANDLE_VALUE) return CString();
    CString found;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (data.nFileSizeHigh != original.nFileSizeHigh || data.nFileSizeLow != original.nFileSizeLow) continue;
        if (++compared > kMostCopiesCompared) break;
        if (SameBytes(path, folder + data.cFileName)) found = folder + data.cFileName;
    } while (found.IsEmpty() && FindNextFileW(h, &data));
    FindClose(h);
    return found;
}

bool CSafeFileWriter::SameBytes(const CString& a, const CString& b) {
    HANDLE ha = CreateFileW(a, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    HANDLE hb = CreateFileW(b, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    bool same = ha != INVALID_HANDLE_VALUE && hb != INVALID_HANDLE_VALUE;
    std::vector<BYTE> ba(1 << 16), bb(1 << 16);
    while (same) {
        DWORD ra = 0, rb = 0;
        if (!::ReadFile(ha, ba.data(), (DWORD)ba.size(), &ra, nullptr) ||
            !::ReadFile(hb, bb.data(), (DWORD)bb.size(), &rb, nullptr) || ra != rb) {
            same = false;
            break;
        }
        if (ra == 0) break;
        same = memcmp(ba.data(), bb.data(), ra) == 0;
    }
    if (ha != INVALID_HANDLE_VALUE) CloseHandle(ha);
    if (hb != INVALID_HANDLE_VALUE) CloseHandle(hb);
    return same;
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

CSafeFileWriter::Leftovers CSafeFileWriter::CleanLeftovers(const CString& folder, int budget) {
    Leftovers result;
    CString base = folder;
    if (!base.IsEmpty() && base[base.GetLength() - 1] != L'\\') base += L'\\';
    struct Found {
        CString name;
        CString live;
        FILETIME written;
        bool whole;
    };
    std::vector<Found> found;
    for (const wchar_t* suffix : {kReadySuffix, kWritingSuffix}) {
        WIN32_FIND_DATAW data;
        HANDLE h = FindFirstFileW(base + L"*" + suffix, &data);
        if (h == INVALID_HANDLE_VALUE) continue;
        do {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            CString live;
            DWORD process = 0;
            if (!SplitTempName(data.cFileName, suffix, live, process)) continue;
            if ((int)found.size() >= budget) {
                result.more = true;
                break;
            }
            if (MayStillBeWriting(process, data.ftLastWriteTime)) continue;
            found.push_back({data.cFileName, live, data.ftLastWriteTime, suffix == kReadySuffix});
        } while (FindNextFileW(h, &data));
        FindClose(h);
    }

    // For each missing live file, the newest whole copy takes its place.
    std::vector<size_t> chosen;
    for (size_t i = 0; i < found.size(); ++i) {
        if (!found[i].whole || FileExists(base + found[i].live)) continue;
        size_t* same = nullptr;
        for (size_t& c : chosen)
            if (found[c].live.CompareNoCase(found[i].live) == 0) same = &c;
        if (!same)
            chosen.push_back(i);
        else if (IsNewer(found[i].written, found[*same].written))
            *same = i;
    }
    for (size_t c : chosen)
        if (MoveFileExW(base + found[c].name, base + found[c].live, MOVEFILE_WRITE_THROUGH)) ++result.recovered;
    for (const Found& f : found)
        if (DeleteFileW(base + f.name)) ++result.removed;
    return result;
}
