#include "tools/zip/ZipPath.h"

#include <cwctype>

CString CZipPath::RemoveDrive(const CString& path) {
    CString p = path;
    if (p.GetLength() >= 2 && p[1] == L':') {
        p = p.Mid(2);
    } else if (p.Left(2) == L"\\\\") {
        // \\server\share\rest: drop server and share.
        int server = p.Find(L'\\', 2);
        int share = server < 0 ? -1 : p.Find(L'\\', server + 1);
        p = share < 0 ? CString() : p.Mid(share);
    }
    p.TrimLeft(L'\\');
    return p;
}

CString CZipPath::RemoveTrailingSeparators(CString path) {
    path.TrimRight(L"\\/");
    return path;
}

CString CZipPath::GetFileName(const CString& path) {
    CString p = RemoveTrailingSeparators(path);
    int slash = std::max(p.ReverseFind(L'\\'), p.ReverseFind(L'/'));
    return slash < 0 ? p : p.Mid(slash + 1);
}

bool CZipPath::IsSafeEntryName(const CString& name) {
    CString n = name;
    n.Replace(L'/', L'\\');
    // A folder entry ends with one separator.
    if (n.GetLength() > 0 && n[n.GetLength() - 1] == L'\\') n = n.Left(n.GetLength() - 1);
    if (n.IsEmpty()) return false;
    static const wchar_t* const devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    int start = 0;
    while (start <= n.GetLength()) {
        int end = n.Find(L'\\', start);
        if (end < 0) end = n.GetLength();
        CString part = n.Mid(start, end - start);
        if (part.IsEmpty() || part == L"." || part == L"..") return false;
        for (int i = 0; i < part.GetLength(); ++i) {
            wchar_t c = part[i];
            if (c < 32 || c == 127 || wcschr(L":*?\"<>|", c)) return false;
        }
        wchar_t last = part[part.GetLength() - 1];
        if (last == L'.' || last == L' ') return false;
        // Device names count with any extension ("nul.txt" is the device).
        CString base = part;
        int dot = base.Find(L'.');
        if (dot >= 0) base = base.Left(dot);
        base.TrimRight(L' ');
        base.MakeUpper();
        for (const wchar_t* d : devices)
            if (base == d) return false;
        if (base.GetLength() == 4 && (base.Left(3) == L"COM" || base.Left(3) == L"LPT") && base[3] >= L'0' &&
            base[3] <= L'9')
            return false;
        start = end + 1;
    }
    return true;
}

bool CZipPath::FolderExists(const CString& path) {
    DWORD attr = GetFileAttributesW(path);
    if (attr != INVALID_FILE_ATTRIBUTES) return (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // A drive root that the query does not report: try to make it current.
    wchar_t previous[MAX_PATH * 2];
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, previous);
    if (!SetCurrentDirectoryW(path)) return false;
    if (n && n < MAX_PATH * 2) SetCurrentDirectoryW(previous);
    return true;
}

bool CZipPath::CreateFolderPath(const CString& path) {
    CString p = RemoveTrailingSeparators(path);
    if (p.IsEmpty()) return true;
    int slash = p.ReverseFind(L'\\');
    CString parent = slash < 0 ? CString() : p.Left(slash);
    // A drive ("C:") is its own parent.
    if (p.GetLength() == 2 && p[1] == L':') return true;
    if (FolderExists(p)) return true;
    if (!parent.IsEmpty() && !CreateFolderPath(parent)) return false;
    if (CreateDirectoryW(p, nullptr)) return true;
    return GetLastError() == ERROR_ALREADY_EXISTS && FolderExists(p);
}
