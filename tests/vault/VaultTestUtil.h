// What the vault tests share: entries, files and a fixed local time.
#pragma once

#include "fw/Afx.h"
#include "tools/PwdInfo.h"

#include <string>
#include <vector>

namespace vaulttest {

inline CPwdInfo Entry(const wchar_t* title, const wchar_t* id = L"", const wchar_t* password = L"",
                      const wchar_t* url = L"", const wchar_t* email = L"", const wchar_t* phone = L"",
                      const wchar_t* memo = L"") {
    CPwdInfo e;
    e.m_szTitle = title;
    e.m_szID = id;
    e.m_szPassword = password;
    e.m_szURL = url;
    e.m_szEmail = email;
    e.m_szPhone = phone;
    e.m_szMemo = memo;
    return e;
}

inline std::string ReadBytes(const CString& path) {
    std::string bytes;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

inline void WriteBytes(const CString& path, const std::string& bytes) {
    FILE* f = _wfopen(path, L"wb");
    if (!f) return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME t = {};
    t.wYear = (WORD)year;
    t.wMonth = (WORD)month;
    t.wDay = (WORD)day;
    t.wHour = (WORD)hour;
    t.wMinute = (WORD)minute;
    t.wSecond = (WORD)second;
    return t;
}

inline CString EnvPath(const wchar_t* name) {
    const wchar_t* v = _wgetenv(name);
    if (!v || !*v) return CString();
    CString p = v;
    p.Replace(L'/', L'\\');
    // The tests get Unix paths; Wine shows the Unix root as drive Z.
    if (p.Left(1) == L"\\") p = L"Z:" + p;
    return p;
}

}  // namespace vaulttest
