// What the shutdown tests share: a recording stand-in for the system
// effects, so no test ever ends the session, and a widget clock the test
// moves.
#pragma once

#include "fw/Afx.h"
#include "shell/ActionSystem.h"
#include "widgets/WidgetEnvironment.h"

#include <vector>

namespace shutdowntest {

struct ShutdownCall {
    DWORD seconds;
    bool force, restart;
    bool operator==(const ShutdownCall& o) const {
        return seconds == o.seconds && force == o.force && restart == o.restart;
    }
};

class CRecordingSystem : public IActionSystem {
public:
    CRecordingSystem() { SetActionSystem(this); }
    ~CRecordingSystem() override { SetActionSystem(nullptr); }
    void StartSystemShutdown(DWORD seconds, bool force, bool restart) override {
        shutdowns.push_back({seconds, force, restart});
    }
    void AbortShutdown() override { ++aborts; }
    void LogOff(bool force) override { logOffs.push_back(force); }
    void ShellOpen(const CString& target) override { opened.push_back(target); }
    void RunWinExec(const CStringA&) override {}
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD) override {}
    bool FileExists(const CString& path) override { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }

    std::vector<ShutdownCall> shutdowns;
    std::vector<bool> logOffs;
    std::vector<CString> opened;
    int aborts = 0;
};

// The widgets' clock, standing at a moment the test sets and moves; the
// rest is the real environment's (sounds and the shell are not reached by
// these tests' skins).
class CTestClock : public CWidgetEnvironment {
public:
    CTestClock() : now(_time64(nullptr)) { SetWidgetEnvironment(this); }
    ~CTestClock() override { SetWidgetEnvironment(nullptr); }
    __time64_t Now() override { return now; }
    void PlaySoundAsync(const CString&) override {}
    void ShellOpen(const CString&) override {}
    __time64_t now;
};

}  // namespace shutdowntest
