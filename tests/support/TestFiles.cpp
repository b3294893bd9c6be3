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

std::string WidgetBoxSkin(int width, int height, const char* colour) {
    char text[512];
    snprintf(text, sizeof text,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZorelWidget>\n  <Window>\n    <Size W=\"%d\" H=\"%d\" />\n"
             "  </Window>\n  <Widget Type=\"STRING\">\n    <Origin X=\"0\" Y=\"0\" />\n    <Size W=\"%d\" H=\"%d\" />\n"
             "    <SolidColor Value=\"%s\" />\n  </Widget>\n</ZorelWidget>\n",
             width, height, width, height, colour);
    return text;
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
