#include "shell/SaveFailureReport.h"

#include <cwctype>

std::wstring CSaveFailureReport::Key(const CString& path) {
    std::wstring key = (const wchar_t*)path;
    for (auto& c : key) c = (wchar_t)towlower(c);
    return key;
}

bool CSaveFailureReport::Failed(const CString& path) { return m_reported.insert(Key(path)).second; }

void CSaveFailureReport::Succeeded(const CString& path) { m_reported.erase(Key(path)); }

bool CSaveFailureReport::IsReported(const CString& path) const { return m_reported.count(Key(path)) != 0; }

CSaveFailureReport& GetSaveFailureReport() {
    static CSaveFailureReport report;
    return report;
}
