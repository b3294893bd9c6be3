// The real system effects of actions and hot keys.
#pragma once

#include "shell/ActionSystem.h"

class CActionSystemWin : public IActionSystem {
public:
    void StartSystemShutdown(DWORD seconds, bool force, bool restart) override;
    void AbortShutdown() override;
    void LogOff(bool force) override;
    void ShellOpen(const CString& target) override;
    bool ShellOpenChecked(const CString& target) override;
    void RunWinExec(const CStringA& commandLine) override;
    void ShowDesktop(bool minimise) override;
    void MonitorPowerOff() override;
    void LockSession() override;
    void Pause(DWORD milliseconds) override;
    bool FileExists(const CString& path) override;
    bool RemoveFile(const CString& path) override;
    CString GetSystemFolder() override;
    CString GetWindowsFolder() override;
};
