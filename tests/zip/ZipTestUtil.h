// Helpers of the zip tests: temporary folders, files and trees.
#pragma once

#include "fw/Afx.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace ziptest {

typedef std::vector<BYTE> Bytes;

inline CString EnvPath(const wchar_t* name) {
    const wchar_t* v = _wgetenv(name);
    if (!v || !*v) return CString();
    CString p = v;
    p.Replace(L'/', L'\\');
    // The tests get Unix paths; Wine shows the Unix root as drive Z.
    if (p.Left(1) == L"\\") p = L"Z:" + p;
    return p;
}

inline bool MakeFolders(const CString& path) {
    CString p = path;
    p.TrimRight(L'\\');
    DWORD attr = GetFileAttributesW(p);
    if (attr != INVALID_FILE_ATTRIBUTES) return (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    int slash = p.ReverseFind(L'\\');
    if (slash > 0 && !MakeFolders(p.Left(slash))) return false;
    return CreateDirectoryW(p, nullptr) != 0;
}

inline void RemoveTree(const CString& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(path + L"\\*", &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            CString name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            CString child = path + L"\\" + name;
            SetFileAttributesW(child, FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path);
}

inline void WriteBytes(const CString& path, const Bytes& data) {
    int slash = path.ReverseFind(L'\\');
    if (slash > 0) MakeFolders(path.Left(slash));
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    if (!data.empty()) f.Write(data.data(), (UINT)data.size());
}

inline void WriteText(const CString& path, const char* text) {
    WriteBytes(path, Bytes(text, text + strlen(text)));
}

inline Bytes ReadBytes(const CString& path) {
    CFile f(path, CFile::modeRead | CFile::shareDenyNone);
    Bytes data((size_t)f.GetLength());
    if (!data.empty()) f.Read(data.data(), (UINT)data.size());
    return data;
}

inline bool FileExists(const CString& path) {
    DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

inline bool FolderExists(const CString& path) {
    DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

inline Bytes RandomBytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes b(n);
    for (BYTE& c : b) c = (BYTE)gen();
    return b;
}

// Every file under root by its relative path ("a\b.txt"), and every folder
// with a trailing backslash ("a\").
inline std::map<CString, Bytes> ReadTree(const CString& root, const CString& rel = CString()) {
    std::map<CString, Bytes> tree;
    WIN32_FIND_DATAW fd;
    CString base = rel.IsEmpty() ? root : root + L"\\" + rel;
    HANDLE h = FindFirstFileW(base + L"\\*", &fd);
    if (h == INVALID_HANDLE_VALUE) return tree;
    do {
        CString name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        CString r = rel.IsEmpty() ? name : rel + L"\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[r + L"\\"] = Bytes();
            auto sub = ReadTree(root, r);
            tree.insert(sub.begin(), sub.end());
        } else {
            tree[r] = ReadBytes(root + L"\\" + r);
        }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return tree;
}

// A fresh folder under the temporary folder, removed at the end of a test.
class TempFolder {
public:
    explicit TempFolder(const wchar_t* tag) {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        m_path.Format(L"%szorel_%s_%lu_%lu", tmp, tag, GetCurrentProcessId(), ++Counter());
        RemoveTree(m_path);
        MakeFolders(m_path);
    }
    ~TempFolder() { RemoveTree(m_path); }
    const CString& Path() const { return m_path; }
    CString operator/(const wchar_t* rel) const { return m_path + L"\\" + rel; }

private:
    static unsigned long& Counter() {
        static unsigned long n = 0;
        return n;
    }
    CString m_path;
};

}  // namespace ziptest
