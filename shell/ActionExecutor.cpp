#include "shell/ActionExecutor.h"

#include "shell/ActionHost.h"
#include "shell/ActionIds.h"
#include "shell/ActionSystem.h"
#include "shell/ActionVocabulary.h"
#include "shell/HotKeyTable.h"
#include "shell/ProgramFolder.h"
#include "shell/WebCheckResult.h"

#include <algorithm>

CString ExpandActionTarget(const CString& target) {
    CString expanded = target;
    expanded.Replace(L"$(TARGETPATH)\\", g_ProgramFolder);
    return expanded;
}

bool IsDownloadedTarget(const CString& target) {
    if (g_ProgramFolder.IsEmpty()) return false;
    CString caches = g_ProgramFolder + L"system\\caches\\";
    caches.MakeLower();
    CString text = target;
    text.Replace(L'/', L'\\');
    text.Trim();
    text.Trim(L'"');
    CString lower = text;
    lower.MakeLower();
    if (lower.Find(caches) >= 0) return true;
    // "..\" and the like are resolved before comparing again.
    wchar_t full[MAX_PATH * 2] = {};
    DWORD n = GetFullPathNameW(text, MAX_PATH * 2, full, nullptr);
    if (n == 0 || n >= MAX_PATH * 2) return false;
    CString resolved = full;
    resolved.MakeLower();
    return resolved.Find(caches) == 0;
}

int CActionExecutor::Shutdown(const ActionKeyword& k, const CString& text, bool force, bool restart) {
    int seconds = 0;
    // A sign would either wrap into a delay of years or turn into "now":
    // neither is what the user wrote, so the action is refused.
    if (ParseActionNumber(text, k.argumentPos, seconds) == ACTION_NUMBER_NEGATIVE) return 0;
    seconds = std::min(seconds, kMaxActionShutdownSeconds);
    m_host.AutoSaveMemos(1);
    m_system.StartSystemShutdown((DWORD)seconds, force, restart);
    return k.result;
}

int CActionExecutor::ExecuteAction(const CString& text) {
    const ActionKeyword* found = FindActionKeyword(text);
    if (!found) return 0;
    const ActionKeyword& k = *found;
    int number = 0;
    switch (k.effect) {
    case ACTION_SHELL_EXECUTE: {
        CString target = ExpandActionTarget(text.Mid(k.argumentPos));
        if (IsDownloadedTarget(target)) return 0;
        if (!target.IsEmpty()) m_system.ShellOpen(target);
        break;
    }
    case ACTION_WIN_EXEC: {
        CString command = ExpandActionTarget(text.Mid(k.argumentPos));
        if (IsDownloadedTarget(command)) return 0;
        if (!command.IsEmpty()) m_system.RunWinExec(StringToMultiByte(command, command.GetLength(), CP_THREAD_ACP));
        break;
    }
    case ACTION_HOTKEY_SETUP:
        if (ParseActionNumber(text, k.argumentPos, number) == ACTION_NUMBER_NEGATIVE) return 0;
        // A number that names no launcher slot (a web button without a slot
        // asks for 98) is taken and does nothing.
        if (!IsHotKeySlotItem(number)) break;
        m_host.OpenSettings(SETTINGS_PAGE_HOTKEY, number);
        break;
    case ACTION_SHUTDOWN_NOW:
        m_host.AutoSaveMemos(1);
        m_system.StartSystemShutdown(0, true, false);
        break;
    case ACTION_SHUTDOWN:
        return Shutdown(k, text, true, false);
    case ACTION_SAFE_SHUTDOWN:
        return Shutdown(k, text, false, false);
    case ACTION_SHUTDOWN_RESTART:
        return Shutdown(k, text, true, true);
    case ACTION_SHUTDOWN_WIDGET:
        if (ParseActionNumber(text, k.argumentPos, number) == ACTION_NUMBER_NEGATIVE) return 0;
        m_host.ShowShutdownCountdown(std::min(number, kMaxActionShutdownSeconds), CString());
        break;
    case ACTION_CANCEL_SHUTDOWN:
        m_system.AbortShutdown();
        m_host.ForgetShutdownCountdown();
        break;
    case ACTION_CANCEL_SHUTDOWN_WIDGET:
        m_host.CloseShutdownCountdown();
        break;
    case ACTION_FADE_WINDOW:
        m_host.ShowFadeWindow();
        break;
    case ACTION_POST_COMMAND:
        m_host.PostCommand((UINT)k.param);
        break;
    case ACTION_POST_MESSAGE:
        m_host.PostFrameMessage((UINT)k.param);
        break;
    case ACTION_LOG_OFF:
        m_host.AutoSaveMemos(1);
        m_system.LogOff(false);
        break;
    case ACTION_OPEN_SETTINGS:
        m_host.OpenSettings(k.param, -1);
        break;
    case ACTION_TODAY_INFO:
        if (m_host.IsServerCheckIdle()) {
            m_host.ResetServerCheckCounter();
            m_system.RemoveFile(GetWebCheckResultPath());
            m_host.SetForceCheck();
            m_host.StartWebCheck();
        }
        break;
    case ACTION_SCHEDULE_MANAGER:
        m_host.OpenScheduleManager();
        break;
    case ACTION_QUICK_MENU_BAR:
        m_host.ShowQuickMenuBar();
        break;
    case ACTION_CAPTURE:
        m_host.StartCapture(k.param);
        break;
    case ACTION_CAPTURE_PREVIOUS:
        if (m_host.GetLastCaptureRegionWidth() >= 1) m_host.PostCommand(ID_CAPTURE_LAST);
        break;
    case ACTION_NOTHING:
        break;
    case ACTION_SHOW_ALL_MEMOS:
        m_host.ShowAllMemos(true);
        break;
    case ACTION_HIDE_ALL_MEMOS:
        m_host.ShowAllMemos(false);
        break;
    case ACTION_SPOTLIGHT_FAVOURITES:
        m_host.SpotlightMemos(1);
        break;
    case ACTION_SHOW_RECENT_MEMOS:
        switch (ParseActionNumber(text, k.argumentPos, number)) {
        case ACTION_NUMBER_NEGATIVE: return 0;
        case ACTION_NUMBER_MISSING: number = m_host.GetActiveMemoCount(); break;
        case ACTION_NUMBER_VALID: break;
        }
        m_host.ShowRecentMemo(number);
        break;
    case ACTION_SHOW_DESKTOP:
        m_system.ShowDesktop(k.param != 0);
        break;
    case ACTION_UNINSTALL: {
        CString uninstaller = g_ProgramFolder + L"ZorelUninstall.exe";
        if (m_system.FileExists(uninstaller)) m_system.ShellOpen(uninstaller);
        break;
    }
    case ACTION_MONITOR_OFF_LOCK:
        m_system.MonitorPowerOff();
        m_system.Pause(1000);
        m_system.LockSession();
        break;
    case ACTION_LOCK:
        m_system.LockSession();
        break;
    case ACTION_MONITOR_OFF:
        m_system.MonitorPowerOff();
        break;
    case ACTION_TOOLTIP_WIDGET:
        // The skinned windows run it themselves; the frame has nothing to do.
        return 0;
    }
    return k.result;
}
