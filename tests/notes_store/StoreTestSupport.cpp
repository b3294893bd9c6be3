#include "StoreTestSupport.h"

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
