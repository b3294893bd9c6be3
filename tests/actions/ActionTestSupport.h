// A frame and a system that write down what an action or hot key asked of
// them, one line per call, so a test compares the whole effect in one go.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "shell/ActionHost.h"
#include "shell/ActionSystem.h"
#include "shell/HotKeyHost.h"
#include "shell/HotKeyView.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

typedef std::vector<std::wstring> CallLog;

inline std::wstring Call(const wchar_t* format, ...) {
    wchar_t buf[512];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buf, 511, format, args);
    va_end(args);
    buf[511] = 0;
    return buf;
}

// One desktop window; its calls go into the shared log under its name.
class CRecordingView : public IHotKeyView {
public:
    CRecordingView(CallLog& log, const wchar_t* name) : m_log(log), m_name(name) {}
    bool visible = false;
    int level = 0;

    bool IsVisible() override { return visible; }
    int GetLevel() override { return level; }
    void ArmAutoHide(int fadeIn, int stayMs) override { Log(Call(L"ArmAutoHide(%d,%d)", fadeIn, stayMs)); }
    void SetZPosition(int lv, bool remember) override { Log(Call(L"SetZPosition(%d,%d)", lv, remember ? 1 : 0)); }
    void SetForeground() override { Log(L"SetForeground"); }
    void FadeOut() override { Log(L"FadeOut"); }
    void ShowWithEffect() override { Log(L"ShowWithEffect"); }
    void AddToSpotlightIfActive() override { Log(L"AddToSpotlight"); }

private:
    void Log(const std::wstring& what) { m_log.push_back(m_name + L"." + what); }
    CallLog& m_log;
    std::wstring m_name;
};

class CRecordingFrame : public IActionHost, public IActionSystem, public IHotKeyHost {
public:
    CallLog log;
    int lastCaptureWidth = 0;
    int activeMemoCount = 5;
    bool checkIdle = true;
    bool keyboardCreates = true;
    bool runActionResult = false;
    std::map<std::wstring, bool> files;  // what FileExists answers
    CString systemFolder = L"C:\\windows\\system32";
    CString windowsFolder = L"C:\\windows";
    CRecordingView clock{log, L"clock"}, calendar{log, L"calendar"}, schedule{log, L"schedule"},
        quickMenu{log, L"quickmenu"};
    bool hasClock = true, hasCalendar = true, hasSchedule = true, hasQuickMenu = true;

    // IActionHost
    void PostCommand(UINT id) override { log.push_back(Call(L"PostCommand(%u)", id)); }
    void PostFrameMessage(UINT message) override { log.push_back(Call(L"PostMessage(WM_USER+%u)", message - WM_USER)); }
    void OpenSettings(int page, int item) override { log.push_back(Call(L"OpenSettings(%d,%d)", page, item)); }
    void AutoSaveMemos(int force) override { log.push_back(Call(L"AutoSaveMemos(%d)", force)); }
    void ShowShutdownCountdown(int seconds, const CString& text) override {
        log.push_back(Call(L"ShowShutdownCountdown(%d,'%s')", seconds, text.GetString()));
    }
    void CloseShutdownCountdown() override { log.push_back(L"CloseShutdownCountdown"); }
    void ForgetShutdownCountdown() override { log.push_back(L"ForgetShutdownCountdown"); }
    void ShowFadeWindow() override { log.push_back(L"ShowFadeWindow"); }
    void OpenScheduleManager() override { log.push_back(L"OpenScheduleManager"); }
    void ShowQuickMenuBar() override { log.push_back(L"ShowQuickMenuBar"); }
    void StartCapture(int mode) override { log.push_back(Call(L"StartCapture(%d)", mode)); }
    int GetLastCaptureRegionWidth() override { return lastCaptureWidth; }
    void ShowAllMemos(bool show) override { log.push_back(Call(L"ShowAllMemos(%d)", show ? 1 : 0)); }
    void SpotlightMemos(int favourites) override { log.push_back(Call(L"SpotlightMemos(%d)", favourites)); }
    void ShowRecentMemo(int count) override { log.push_back(Call(L"ShowRecentMemo(%d)", count)); }
    int GetActiveMemoCount() override { return activeMemoCount; }
    bool IsServerCheckIdle() override { return checkIdle; }
    void ResetServerCheckCounter() override { log.push_back(L"ResetServerCheckCounter"); }
    void SetForceCheck() override { log.push_back(L"SetForceCheck"); }
    void StartWebCheck() override { log.push_back(L"StartWebCheck"); }

    // IActionSystem
    void StartSystemShutdown(DWORD seconds, bool force, bool restart) override {
        log.push_back(Call(L"StartSystemShutdown(%lu,%s,%s)", seconds, force ? L"forced" : L"asking",
                           restart ? L"restart" : L"off"));
    }
    void AbortShutdown() override { log.push_back(L"AbortShutdown"); }
    void LogOff(bool force) override { log.push_back(Call(L"LogOff(%d)", force ? 1 : 0)); }
    void ShellOpen(const CString& target) override { log.push_back(Call(L"ShellOpen(%s)", target.GetString())); }
    void RunWinExec(const CStringA& command) override {
        log.push_back(Call(L"WinExec(%s)", CString(command).GetString()));
    }
    void ShowDesktop(bool minimise) override { log.push_back(Call(L"ShowDesktop(%d)", minimise ? 1 : 0)); }
    void MonitorPowerOff() override { log.push_back(L"MonitorPowerOff"); }
    void LockSession() override { log.push_back(L"LockSession"); }
    void Pause(DWORD ms) override { log.push_back(Call(L"Pause(%lu)", ms)); }
    bool FileExists(const CString& path) override { return files[path.str()]; }
    bool RemoveFile(const CString& path) override {
        log.push_back(Call(L"RemoveFile(%s)", path.GetString()));
        return true;
    }
    CString GetSystemFolder() override { return systemFolder; }
    CString GetWindowsFolder() override { return windowsFolder; }

    // IHotKeyHost
    void NewMemo() override { log.push_back(L"NewMemo"); }
    void NewMemoFromClipboard() override { log.push_back(L"NewMemoFromClipboard"); }
    void OpenMemoSearch() override { log.push_back(L"OpenMemoSearch"); }
    void OpenPasswordManager(int force) override { log.push_back(Call(L"OpenPasswordManager(%d)", force)); }
    void ShowAllWidgets(bool show) override { log.push_back(Call(L"ShowAllWidgets(%d)", show ? 1 : 0)); }
    void ShowQuickMenu(int fade) override { log.push_back(Call(L"ShowQuickMenu(%d)", fade)); }
    void ShowDaySchedule(int fade) override {
        log.push_back(Call(L"ShowDaySchedule(%d)", fade));
        hasSchedule = true;
    }
    IHotKeyView* GetClock() override { return hasClock ? &clock : nullptr; }
    IHotKeyView* GetCalendar() override { return hasCalendar ? &calendar : nullptr; }
    IHotKeyView* GetDaySchedule() override { return hasSchedule ? &schedule : nullptr; }
    IHotKeyView* GetQuickMenu() override { return hasQuickMenu ? &quickMenu : nullptr; }
    void ExitProgram() override { log.push_back(L"ExitProgram"); }
    int ExecuteAction(const CString& text) override {
        log.push_back(Call(L"ExecuteAction(%s)", text.GetString()));
        return 1;
    }
    bool RunAction(const CString& text) override {
        log.push_back(Call(L"RunAction(%s)", text.GetString()));
        return runActionResult;
    }
    void ShowMessageBox(const CString& text) override { log.push_back(Call(L"MessageBox(%s)", text.GetString())); }
    void CloseSpotlight() override { log.push_back(L"CloseSpotlight"); }
    bool OpenDirectHotKeyboard(int id) override {
        log.push_back(Call(L"OpenDirectHotKeyboard(%d)", id));
        return keyboardCreates;
    }
};

// A scratch program folder under the temporary folder (with Korean letters
// in its name, so it is no ANSI path under the default code page).
class CScratchProgramFolder : public CScratchFolder {
public:
    CScratchProgramFolder() : CScratchFolder(L"actions-\uD56B\uD0A4") {}
    void Write(const CString& relative, const std::string& bytes) const {
        ASSERT_FALSE(CScratchFolder::Write(relative, bytes).IsEmpty());
    }
};
