#include "shell/ActionSystemWin.h"

#include "shell/FileUtil.h"
#include "shell/SystemUtil.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {
IActionSystem* g_actionSystem = nullptr;
}  // namespace

IActionSystem& GetActionSystem() {
    static CActionSystemWin real;
    return g_actionSystem ? *g_actionSystem : real;
}

void SetActionSystem(IActionSystem* system) { g_actionSystem = system; }

void CActionSystemWin::StartSystemShutdown(DWORD seconds, bool force, bool restart) {
    ::StartSystemShutdown(seconds, force, restart);
}

void CActionSystemWin::AbortShutdown() { ::AbortShutdown(); }

void CActionSystemWin::LogOff(bool force) { LogOffNow(force); }

void CActionSystemWin::ShellOpen(const CString& target) {
    ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

bool CActionSystemWin::ShellOpenChecked(const CString& target) {
    // Results up to 32 are the shell's error codes.
    return (INT_PTR)ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL) > 32;
}

void CActionSystemWin::RunWinExec(const CStringA& commandLine) { WinExec(commandLine, SW_SHOW); }

void CActionSystemWin::ShowDesktop(bool minimise) { ::ShowDesktop(minimise); }

void CActionSystemWin::MonitorPowerOff() {
    // SendMessageTimeout, so that one hung top-level window cannot stop the
    // user-interface thread.
    SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, 2, SMTO_ABORTIFHUNG, 2000, nullptr);
}

void CActionSystemWin::LockSession() { LockWorkStation(); }

void CActionSystemWin::Pause(DWORD milliseconds) { Sleep(milliseconds); }

bool CActionSystemWin::FileExists(const CString& path) { return ::FileExists(path); }

bool CActionSystemWin::RemoveFile(const CString& path) { return DeleteFileQuiet(path); }

CString CActionSystemWin::GetSystemFolder() {
    wchar_t buf[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(buf, MAX_PATH);
    return n > 0 && n < MAX_PATH ? CString(buf) : CString();
}

CString CActionSystemWin::GetWindowsFolder() {
    wchar_t buf[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_WINDOWS, nullptr, 0, buf))) return CString();
    return CString(buf);
}
