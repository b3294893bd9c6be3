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
