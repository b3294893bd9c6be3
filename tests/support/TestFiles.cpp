#include "TestFiles.h"

#include <cstdio>

std::string ReadFileBytes(const CString& path) {
    std::string bytes;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

bool WriteFileBytes(const CString& path, const std::string& bytes) {
    FILE* file = _wfopen(path, L"wb");
    if (!file) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
    SYSTEMTIME t = {};
    t.wYear = (WORD)year;
    t.wMonth = (WORD)month;
    t.wDay = (WORD)day;
    t.wHour = (WORD)hour;
    t.wMinute = (WORD)minute;
    t.wSecond = (WORD)second;
    t.wMilliseconds = (WORD)milliseconds;
    return t;
}
