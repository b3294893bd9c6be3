#include "StoreTestSupport.h"
#include "shell/FileUtil.h"

#include <shellapi.h>

CScratchFolder::CScratchFolder() {
    static int counter = 0;
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    m_path.Format(L"%snotes_store_%lu_%d_%lu\\", dir, GetCurrentProcessId(), ++counter, GetTickCount());
    CreateDirectoryW(m_path.Left(m_path.GetLength() - 1), nullptr);
}

CScratchFolder::~CScratchFolder() { DeleteFolderTree(m_path); }

void CScratchFolder::MakeFolder(const wchar_t* relative) const { CreateDirectoryW(m_path + relative, nullptr); }

std::vector<CString> CScratchFolder::List(const wchar_t* relative, const wchar_t* pattern) const {
    std::vector<CString> names;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(m_path + relative + pattern, &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(h, &data));
    FindClose(h);
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return names;
}

SYSTEMTIME CRecordingHost::MakeTime(int y, int mo, int d, int h, int mi, int s, int ms) {
    SYSTEMTIME t = {};
    t.wYear = (WORD)y;
    t.wMonth = (WORD)mo;
    t.wDay = (WORD)d;
    t.wHour = (WORD)h;
    t.wMinute = (WORD)mi;
    t.wSecond = (WORD)s;
    t.wMilliseconds = (WORD)ms;
    return t;
}

std::vector<BYTE> ReadAll(const CString& path) {
    std::vector<BYTE> bytes;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return bytes;
    BYTE buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    fclose(f);
    return bytes;
}

void WriteAll(const CString& path, const std::vector<BYTE>& bytes) {
    FILE* f = _wfopen(path, L"wb");
    ASSERT_TRUE(f != nullptr);
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

bool Exists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

std::vector<BYTE> ArchiveString(const wchar_t* text) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    ar << CString(text);
    ar.Close();
    return f.Data();
}

void AppendInt(std::vector<BYTE>& v, int value) {
    for (int i = 0; i < 4; ++i) v.push_back((BYTE)((unsigned)value >> (8 * i)));
}

void AppendBytes(std::vector<BYTE>& v, const std::vector<BYTE>& more) { v.insert(v.end(), more.begin(), more.end()); }
