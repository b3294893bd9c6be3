#include "shell/StartupLogic.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/ShellIds.h"
#include "shell/TextUtil.h"

#include <shellapi.h>

LanguageSwitch ParseLanguageSwitch(const CString& argument) {
    LanguageSwitch result;
    if (argument.GetLength() <= 2 || argument[0] != L'-') return result;
    wchar_t kind = argument[1];
    if (kind != L'l' && kind != L'L') return result;
    CString word = argument.Mid(2);
    if (word == L"korean" || word == L"english") {
        result.setLanguage = true;
        result.language = word;
    }
    result.endStartup = kind == L'L';
    return result;
}

CString GetFirstArgument(LPCWSTR commandLine) {
    CString first;
    if (!commandLine || !*commandLine) return first;
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(commandLine, &count);
    if (!args) return first;
    if (count > 1) first = args[1];
    ::LocalFree(args);
    return first;
}

// ---- Single instance -----------------------------------------------------

namespace {
enum {
    CLOSE_FIRST_WAIT_MS = 2000,
    CLOSE_RETRY_WAIT_MS = 2000,
    CLOSE_RETRIES = 4,  // with the first wait, at most ten seconds
};

HWND FindAnyFrame(IInstanceSystem& system) {
    HWND frame = system.FindFrame(ZOREL_OLD_FRAME_TITLE);
    return frame ? frame : system.FindFrame(ZOREL_FRAME_TITLE);
}

class RealInstanceSystem : public IInstanceSystem {
public:
    bool CreateInstanceMutex() override;
    HWND FindFrame(const wchar_t* title) override { return ::FindWindowW(nullptr, title); }
    void CloseFrame(HWND frame) override {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(frame, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    }
    void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
    bool AskYesNo(const CString& text) override {
        return ::MessageBoxW(nullptr, text, L"Zorel", MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
    }
    void ShowNotice(const CString& text) override {
        ::MessageBoxW(nullptr, text, L"Zorel", MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    }
    void BroadcastShowAllMemos() override;
};

IInstanceSystem* g_instanceSystem = nullptr;
}  // namespace

bool RealInstanceSystem::CreateInstanceMutex() {
    g_InstanceMutex = ::CreateMutexW(nullptr, FALSE, ZOREL_MUTEX_NAME);
    bool exists = ::GetLastError() == ERROR_ALREADY_EXISTS;
    g_BroadcastMessage = ::RegisterWindowMessageW(ZOREL_BROADCAST_NAME);
    return exists;
}

void RealInstanceSystem::BroadcastShowAllMemos() {
    // A time-out, so that a hung window elsewhere cannot hold this start.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, g_BroadcastMessage, BROADCAST_SHOW_ALL_MEMOS, 0, SMTO_ABORTIFHUNG, 5000,
                          &result);
}

IInstanceSystem& GetInstanceSystem() {
    static RealInstanceSystem real;
    return g_instanceSystem ? *g_instanceSystem : real;
}

void SetInstanceSystem(IInstanceSystem* system) { g_instanceSystem = system; }

bool CloseRunningInstance(IInstanceSystem& system) {
    HWND frame = FindAnyFrame(system);
    if (!frame) return true;
    system.CloseFrame(frame);
    system.Sleep(CLOSE_FIRST_WAIT_MS);
    for (int i = 0; i < CLOSE_RETRIES && FindAnyFrame(system); ++i) system.Sleep(CLOSE_RETRY_WAIT_MS);
    if (FindAnyFrame(system)) {
        system.ShowNotice(g_LanguageTable[TXT_CLOSE_FAILED]);
        return false;
    }
    return true;
}

InstanceDecision CheckSingleInstance(IInstanceSystem& system) {
    if (!system.CreateInstanceMutex()) return INSTANCE_RUN;
    if (system.AskYesNo(g_LanguageTable[TXT_ALREADY_RUNNING]) && CloseRunningInstance(system))
        return INSTANCE_RUN_AFTER_CLOSE;
    system.BroadcastShowAllMemos();
    return INSTANCE_EXIT;
}

// ---- Housekeeping ------------------------------------------------------

bool PeriodicSaveTick(int& tickCount) {
    if (tickCount >= SAVE_TICK_LIMIT) {
        tickCount = 0;
        return true;
    }
    ++tickCount;
    return false;
}

int MakeSuspendDateKey(int month, int day) { return month * 31 + day; }

bool HasDayChangedSinceSuspend(int suspendKey, int resumeKey) {
    return suspendKey != -1 && suspendKey != resumeKey;
}

bool AdjustWorkMonitor(int& workMonitor, int monitorCount) {
    int last = monitorCount - 1;
    if (workMonitor >= last && workMonitor != last) {
        workMonitor = last;
        return true;
    }
    return false;
}

CString MakeMemoLimitText(const CString& text, int memoCount, int memoLimit) {
    CString result = text;
    ReplaceNumber(result, L"#MAX_MEMO#", memoLimit);
    ReplaceNumber(result, L"#CURRENT_MEMO#", memoCount);
    result.Replace(L"#BR#", L"\n");
    return result;
}
