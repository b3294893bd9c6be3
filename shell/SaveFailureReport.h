// CSaveFailureReport: which files the user has been told could not be
// saved. Autosave retries a failed file at every tick, so the user hears of
// a file once, when its saves start failing, and again only after a save of
// it has succeeded in between. Paths compare without regard to case.
#pragma once

#include "fw/Afx.h"

#include <set>
#include <string>

class CSaveFailureReport {
public:
    // A save of the file failed: true when the user is to be told now (the
    // first failure since the file last saved).
    bool Failed(const CString& path);
    // A save of the file succeeded: its next failure is told again.
    void Succeeded(const CString& path);
    bool IsReported(const CString& path) const;
    void Clear() { m_reported.clear(); }

private:
    static std::wstring Key(const CString& path);
    std::set<std::wstring> m_reported;
};

// The program's one list; every save failure goes through ReportSaveFailure
// (FileUtil.h), which consults it.
CSaveFailureReport& GetSaveFailureReport();
