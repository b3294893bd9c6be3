// What the vault tests share: entries, files and a fixed local time.
#pragma once

#include "TestFiles.h"
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

inline std::string ReadBytes(const CString& path) { return ReadFileBytes(path); }
inline void WriteBytes(const CString& path, const std::string& bytes) { WriteFileBytes(path, bytes); }
inline SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second) {
    return MakeSystemTime(year, month, day, hour, minute, second);
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
