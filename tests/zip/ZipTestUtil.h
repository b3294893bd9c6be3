// Helpers of the zip tests: temporary folders, files and trees.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "shell/FileUtil.h"
#include "tools/zip/ZipException.h"

#include <gtest/gtest.h>

#include "zlib.h"

#include <functional>
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

// A file, not a folder (the program's FileExists also finds folders).
inline bool IsFile(const CString& path) {
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

// The cause of the zip error f throws; 0 when it throws none.
inline int CauseOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CZipException& e) {
        return e.m_iCause;
    }
    return 0;
}

// One entry of a hand-made archive: its name as stored, its data as stored
// and the header fields that tests set to odd values.
struct RawEntry {
    std::string name;
    Bytes data;
    WORD flag = 0;
    WORD method = 0;
    DWORD crc = 0;
    DWORD comprSize = 0;
    DWORD uncomprSize = 0;
    // Claimed in the local header without any bytes behind it.
    WORD localExtraLen = 0;
    // A local extra field with its bytes, written after the name.
    Bytes localExtra;
};

inline RawEntry StoredEntry(const std::string& name, const Bytes& content) {
    RawEntry e;
    e.name = name;
    e.data = content;
    e.crc = crc32(0, content.data(), (uInt)content.size());
    e.comprSize = e.uncomprSize = (DWORD)content.size();
    return e;
}

inline RawEntry DeflatedEntry(const std::string& name, const Bytes& content) {
    RawEntry e = StoredEntry(name, content);
    e.method = 8;
    z_stream s = {};
    deflateInit2(&s, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    e.data.resize(deflateBound(&s, (uLong)content.size()));
    s.next_in = (Bytef*)content.data();
    s.avail_in = (uInt)content.size();
    s.next_out = e.data.data();
    s.avail_out = (uInt)e.data.size();
    deflate(&s, Z_FINISH);
    e.data.resize(s.total_out);
    deflateEnd(&s);
    e.comprSize = (DWORD)e.data.size();
    return e;
}

inline void Put16(Bytes& b, WORD v) {
    b.push_back((BYTE)v);
    b.push_back((BYTE)(v >> 8));
}
inline void Put32(Bytes& b, DWORD v) {
    Put16(b, (WORD)v);
    Put16(b, (WORD)(v >> 16));
}

// The local headers and data of the entries in order, then a central header
// for each index in central (each entry once when it is empty) and the end
// record.
inline Bytes BuildArchive(const std::vector<RawEntry>& entries, std::vector<size_t> central = {}) {
    if (central.empty())
        for (size_t i = 0; i < entries.size(); ++i) central.push_back(i);
    Bytes b;
    std::vector<DWORD> offsets;
    for (const RawEntry& e : entries) {
        offsets.push_back((DWORD)b.size());
        Put32(b, 0x04034b50);
        Put16(b, 20);
        Put16(b, e.flag);
        Put16(b, e.method);
        Put16(b, 0);
        Put16(b, 0x21);
        Put32(b, e.crc);
        Put32(b, e.comprSize);
        Put32(b, e.uncomprSize);
        Put16(b, (WORD)e.name.size());
        Put16(b, (WORD)(e.localExtraLen + e.localExtra.size()));
        b.insert(b.end(), e.name.begin(), e.name.end());
        b.insert(b.end(), e.localExtra.begin(), e.localExtra.end());
        b.insert(b.end(), e.data.begin(), e.data.end());
    }
    DWORD start = (DWORD)b.size();
    for (size_t i : central) {
        const RawEntry& e = entries[i];
        Put32(b, 0x02014b50);
        Put16(b, 20);
        Put16(b, 20);
        Put16(b, e.flag);
        Put16(b, e.method);
        Put16(b, 0);
        Put16(b, 0x21);
        Put32(b, e.crc);
        Put32(b, e.comprSize);
        Put32(b, e.uncomprSize);
        Put16(b, (WORD)e.name.size());
        Put16(b, 0);
        Put16(b, 0);
        Put16(b, 0);
        Put16(b, 0);
        Put32(b, 0x20);
        Put32(b, offsets[i]);
        b.insert(b.end(), e.name.begin(), e.name.end());
    }
    DWORD size = (DWORD)b.size() - start;
    Put32(b, 0x06054b50);
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, (WORD)central.size());
    Put16(b, (WORD)central.size());
    Put32(b, size);
    Put32(b, start);
    Put16(b, 0);
    return b;
}

// The shared scratch folder, named without its trailing backslash.
class TempFolder {
public:
    explicit TempFolder(const wchar_t* tag)
        : m_scratch(tag), m_path(m_scratch.Path().Left(m_scratch.Path().GetLength() - 1)) {}
    const CString& Path() const { return m_path; }
    CString operator/(const wchar_t* rel) const { return m_path + L"\\" + rel; }

private:
    CScratchFolder m_scratch;
    CString m_path;
};

}  // namespace ziptest
