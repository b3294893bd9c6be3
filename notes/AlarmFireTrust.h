// CAlarmFireTrust: alarm commands that arrived with a schedule file from
// another computer. Such a command runs a program on this one, so it is run
// only after the user agreed once; the list of commands still waiting for
// that agreement is kept in a small text file beside the alarm file, so it
// survives a restart.
#pragma once

#include "calendar/AlarmInfo.h"

#include <set>
#include <string>

class CAlarmFireTrust {
public:
    // path: the file of waiting commands ("schedule_data\synced_commands.txt").
    explicit CAlarmFireTrust(const CString& path = CString()) : m_path(path) {}

    void SetPath(const CString& path) { m_path = path; }
    // Reads the waiting commands (UTF-8, one a line); none when the file is missing.
    bool Load();
    bool Save() const;

    // A received schedule file replaced the alarms: every command the alarms
    // before it did not already hold waits for the user.
    void NoteSynchronised(const CArray<CAlarmInfo>& before, const CArray<CAlarmInfo>& after);
    bool NeedsConfirmation(const CString& command) const;
    // The user agreed: the command runs from now on.
    void Confirm(const CString& command);
    size_t GetWaitingCount() const { return m_waiting.size(); }

private:
    CString m_path;
    std::set<std::wstring> m_waiting;
};
