#include "StoreTestSupport.h"

#include "TestFiles.h"

SYSTEMTIME CRecordingHost::MakeTime(int y, int mo, int d, int h, int mi, int s, int ms) {
    return MakeSystemTime(y, mo, d, h, mi, s, ms);
}

std::vector<BYTE> ReadAll(const CString& path) {
    std::string bytes = ReadFileBytes(path);
    return std::vector<BYTE>(bytes.begin(), bytes.end());
}

void WriteAll(const CString& path, const std::vector<BYTE>& bytes) {
    ASSERT_TRUE(WriteFileBytes(path, std::string(bytes.begin(), bytes.end())));
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
