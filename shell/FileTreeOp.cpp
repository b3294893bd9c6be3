#include "FileTreeOp.h"

#include "FExeption.h"
#include "Seams.h"

namespace {

// Every entry of a folder pattern other than "." and "..", in the file
// system's order. False when the pattern finds nothing at all.
bool ListEntries(const CString& pattern, std::vector<WIN32_FIND_DATAW>& entries) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0) entries.push_back(data);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

bool IsFolderLink(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Drops trailing backslashes, but keeps the one of a drive root ("C:\").
CString WithoutTrailingSlash(CString path) {
    while (path.GetLength() > 3 && path[path.GetLength() - 1] == L'\\') path.Truncate(path.GetLength() - 1);
    return path;
}

CString FullPath(const CString& path) {
    DWORD needed = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (!needed) return WithoutTrailingSlash(path);
    CString full;
    DWORD n = GetFullPathNameW(path, needed, full.GetBuffer((int)needed), nullptr);
    full.ReleaseBuffer(n < needed ? (int)n : 0);
    return WithoutTrailingSlash(full);
}

bool SamePath(const CString& a, const CString& b) { return FullPath(a).CompareNoCase(FullPath(b)) == 0; }

// True when inner is outer itself or lies below it, by whole path components.
bool IsSameOrInside(const CString& inner, const CString& outer) {
    CString in = FullPath(inner), out = FullPath(outer);
    if (in.CompareNoCase(out) == 0) return true;
    if (!out.IsEmpty() && out[out.GetLength() - 1] != L'\\') out += L'\\';
    return in.GetLength() > out.GetLength() && in.Left(out.GetLength()).CompareNoCase(out) == 0;
}

// Restores the read-only question when a move ends, however it ends.
class AskRestorer {
public:
    explicit AskRestorer(bool& flag) : m_flag(flag), m_saved(flag) { flag = false; }
    ~AskRestorer() { m_flag = m_saved; }

private:
    bool& m_flag;
    bool m_saved;
};

}  // namespace

void CFileTreeOp::Init() {
    m_strError = L"No error";
    m_dwError = 0;
    m_bAskIfReadOnly = true;
    m_bOverwriteMode = false;
    m_bAborted = false;
    m_iRecursionLimit = -1;
}

bool CFileTreeOp::IsFileExist(const CString& path) {
    // Any entry counts, also one that cannot be opened for reading, so that a
    // copy never picks a name that is already taken.
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int CFileTreeOp::CheckPath(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : -1;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 2 : 1;
}

void CFileTreeOp::PreparePath(CString& path) {
    if (path.IsEmpty() || path[path.GetLength() - 1] != L'\\') path += L'\\';
}

CString CFileTreeOp::ParseFolderName(CString path) {
    int slash = path.ReverseFind(L'\\');
    if (slash < 0) return CString();
    path.Truncate(slash);
    slash = path.ReverseFind(L'\\');
    return slash < 0 ? CString() : path.Mid(slash + 1);
}

bool CFileTreeOp::CheckSelfCopy(const CString& source, const CString& destination) {
    if (CheckPath(source) != 2) return false;
    CString folder = WithoutTrailingSlash(source);
    int slash = folder.ReverseFind(L'\\');
    if (slash < 0) return false;
    // A folder at the top of a drive lies in "C:\", not in "C:" (which
    // names the drive's current folder).
    CString parent = slash == 2 && folder[1] == L':' ? folder.Left(3) : folder.Left(slash);
    // The folder already lies in the destination: nothing to do.
    return SamePath(parent, destination);
}

void CFileTreeOp::CheckSelfRecursion(const CString& source, const CString& destination) {
    if (CheckPath(source) == 2 && IsSameOrInside(destination, source))
        throw CFExeption(source + L" cannot be copied into itself");
}

bool CFileTreeOp::CanDelete(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
    if (m_bAskIfReadOnly) {
        CString name = path.Mid(path.ReverseFind(L'\\') + 1);
        int answer = GetSystemMessageBox().Show(nullptr, name + L" is read olny. Do you want delete it?", L"Warning",
                                                MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDNO) return false;
        if (answer != IDYES) {
            m_bAborted = true;
            throw CFExeption((DWORD)0);
        }
    }
    return SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL) != 0;
}

CString CFileTreeOp::GetUniqueName(const CString& path) {
    // Split as the runtime's path splitter does: drive, folder, name, extension.
    CString drive, folder, name, extension;
    int start = 0;
    if (path.GetLength() >= 2 && path[1] == L':') {
        drive = path.Left(2);
        start = 2;
    }
    int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    if (slash >= start) {
        folder = path.Mid(start, slash + 1 - start);
        start = slash + 1;
    }
    name = path.Mid(start);
    int dot = name.ReverseFind(L'.');
    if (dot >= 0) {
        extension = name.Mid(dot);
        name.Truncate(dot);
    }

    CString result;
    int open = name.Find(L'('), close = name.Find(L')');
    if (name.Find(L"Copy ") < 0) {
        result = L"Copy of " + name;
    } else if (open >= 0 && close >= 0) {
        int n = _wtoi(name.Mid(open + 1, close - open - 1));
        result.Format(L"Copy (%d) of %s", n + 1, name.Mid(close + 5).GetString());
    } else if (open >= 0) {
        result = L"Copy of " + name;
    } else {
        result = L"Copy (1) of " + name.Mid(8);
    }
    return drive + folder + result + extension;
}

void CFileTreeOp::DoDelete(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    if (CheckPath(path) == 1) {
        if (!CanDelete(path)) {
            m_bAborted = true;
            return;
        }
        if (!DeleteFileW(path)) throw CFExeption(GetLastError());
        return;
    }
    // A folder link goes as a link: the folder it points to belongs elsewhere.
    if (IsFolderLink(attributes)) {
        if (!RemoveDirectoryW(path)) throw CFExeption(GetLastError());
        return;
    }
    std::vector<WIN32_FIND_DATAW> entries;
    ListEntries(path + L"\\*.*", entries);
    for (const WIN32_FIND_DATAW& entry : entries) DoDelete(path + L"\\" + entry.cFileName);
    if (!RemoveDirectoryW(path) && !m_bAborted) throw CFExeption(GetLastError());
}

void CFileTreeOp::DoFileCopy(const CString& source, CString target, bool deleteSource) {
    if (m_bOverwriteMode) {
        // Replacing a file by itself: nothing to copy, and removing the
        // "source" would remove the only copy.
        if (SamePath(source, target)) return;
    } else {
        for (int tries = 0; IsFileExist(target); ++tries) {
            if (tries >= 10000) throw CFExeption((DWORD)ERROR_FILE_EXISTS);
            target = GetUniqueName(target);
        }
    }
    if (!CopyFileW(source, target, !m_bOverwriteMode)) throw CFExeption(GetLastError());
    if (deleteSource) DoDelete(source);
}

void CFileTreeOp::DoFolderCopy(const CString& sourcePattern, const CString& destination, bool deleteSource) {
    CString folder = sourcePattern.Left(sourcePattern.ReverseFind(L'\\') + 1);
    std::vector<WIN32_FIND_DATAW> entries;
    ListEntries(sourcePattern, entries);
    for (const WIN32_FIND_DATAW& entry : entries) {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // Links are not followed: their contents are not part of this tree.
            if (IsFolderLink(entry.dwFileAttributes) || m_iRecursionLimit == 0) continue;
            CString target = destination + entry.cFileName + L"\\";
            if (CheckPath(target) == 0 && !CreateDirectoryW(target, nullptr)) throw CFExeption(GetLastError());
            if (m_iRecursionLimit > 0) --m_iRecursionLimit;
            DoFolderCopy(folder + entry.cFileName + L"\\*.*", target, deleteSource);
        } else {
            DoFileCopy(folder + entry.cFileName, destination + entry.cFileName, deleteSource);
        }
    }
}

void CFileTreeOp::DoCopy(const CString& source, const CString& destination, bool deleteSource) {
    CheckSelfRecursion(source, destination);
    int from = CheckPath(source), to = CheckPath(destination);
    if (from == 0) throw CFExeption(source + L" not found");
    if (from == 2 && to == 1) throw CFExeption(CString(L"Wrong operation"));
    if (from == 2 && to == 2) {
        CString notFound = source + L" not found";
        CString pattern = source, target = destination;
        PreparePath(pattern);
        PreparePath(target);
        pattern += L"*.*";
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(pattern, &data);
        if (find == INVALID_HANDLE_VALUE) throw CFExeption(notFound);
        FindClose(find);
        CString name = ParseFolderName(pattern);
        if (!name.IsEmpty()) {
            target += name + L"\\";
            if (!CreateDirectoryW(target, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
                throw CFExeption(GetLastError());
        }
        DoFolderCopy(pattern, target, deleteSource);
    }
    from = CheckPath(source);
    to = CheckPath(destination);
    if (from == 1 && (to == 1 || to == 0)) DoFileCopy(source, destination, deleteSource);
    from = CheckPath(source);
    to = CheckPath(destination);
    if (from == 1 && to == 2) {
        CString target = destination;
        PreparePath(target);
        DoFileCopy(source, target + source.Mid(source.ReverseFind(L'\\') + 1), deleteSource);
    }
}

void CFileTreeOp::RemoveEmptiedFolders(const CString& path) {
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) || IsFolderLink(attributes))
        return;
    std::vector<WIN32_FIND_DATAW> entries;
    ListEntries(path + L"\\*.*", entries);
    for (const WIN32_FIND_DATAW& entry : entries)
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveEmptiedFolders(path + L"\\" + entry.cFileName);
    // Fails, and keeps the folder, while anything that was not moved is left in it.
    RemoveDirectoryW(path);
}

bool CFileTreeOp::Delete(CString path) {
    path = WithoutTrailingSlash(path);
    try {
        DoDelete(path);
        return true;
    } catch (const CFExeption& e) {
        m_strError = e.m_message;
        m_dwError = e.m_code;
        return e.m_code == 0;
    }
}

bool CFileTreeOp::RunCopy(const CString& source, const CString& destination, bool deleteSource) {
    bool ok = true;
    try {
        DoCopy(source, destination, deleteSource);
        // Only folders emptied by the copy go; a file or folder that was not
        // copied keeps its source.
        if (deleteSource) RemoveEmptiedFolders(source);
    } catch (const CFExeption& e) {
        m_strError = e.m_message;
        m_dwError = e.m_code;
        ok = false;
    }
    m_iRecursionLimit = -1;
    return ok;
}

bool CFileTreeOp::Copy(CString source, CString destination) {
    source = WithoutTrailingSlash(source);
    if (CheckSelfCopy(source, destination)) return true;
    return RunCopy(source, destination, false);
}

bool CFileTreeOp::Move(CString source, CString destination) {
    source = WithoutTrailingSlash(source);
    if (CheckSelfCopy(source, destination)) return true;
    AskRestorer ask(m_bAskIfReadOnly);
    return RunCopy(source, destination, true);
}
