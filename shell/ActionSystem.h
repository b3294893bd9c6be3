// IActionSystem: the system effects of actions and hot keys (ending the
// session, starting programs, the monitor, the lock screen, files). The
// program runs on CActionSystemWin; tests install a recording fake, so a test
// never shuts down, starts a program or locks the screen.
#pragma once

#include "fw/Afx.h"

class IActionSystem {
public:
    virtual ~IActionSystem() = default;

    // Asks the system to end the session in seconds (0 = now).
    virtual void StartSystemShutdown(DWORD seconds, bool force, bool restart) = 0;
    virtual void AbortShutdown() = 0;
    virtual void LogOff(bool force) = 0;

    // ShellExecuteW "open" without parameters, SW_SHOWNORMAL.
    virtual void ShellOpen(const CString& target) = 0;
    // ShellOpen that tells whether the shell could open the target.
    // Fakes that only record may keep this answer of success.
    virtual bool ShellOpenChecked(const CString& target) {
        ShellOpen(target);
        return true;
    }
    // WinExec with SW_SHOW of a command line in the ANSI code page.
    virtual void RunWinExec(const CStringA& commandLine) = 0;

    // Minimises every window (true) or undoes that (false).
    virtual void ShowDesktop(bool minimise) = 0;
    virtual void MonitorPowerOff() = 0;
    virtual void LockSession() = 0;
    virtual void Pause(DWORD milliseconds) = 0;

    virtual bool FileExists(const CString& path) = 0;
    virtual bool RemoveFile(const CString& path) = 0;

    // The system and Windows folders without a trailing backslash; empty
    // when unknown.
    virtual CString GetSystemFolder() = 0;
    virtual CString GetWindowsFolder() = 0;
};

// The seam in use. Setting null puts the real one back.
IActionSystem& GetActionSystem();
void SetActionSystem(IActionSystem* system);
