// A small driver for end-to-end tests: starts a program, finds its windows
// by title or class, sends commands and messages, and reads text and state
// back. Header-only, so any test program (and the zdriver tool) can use it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zdriver {

struct WindowInfo {
    HWND wnd;
    std::wstring title;
    std::wstring className;
    DWORD processId;
};

// "class:NAME" finds by window class, anything else by exact title.
inline HWND Find(const std::wstring& target) {
    const std::wstring prefix = L"class:";
    if (target.compare(0, prefix.size(), prefix) == 0) return ::FindWindowW(target.c_str() + prefix.size(), nullptr);
    return ::FindWindowW(nullptr, target.c_str());
}

// Polls until the window exists; null when it did not appear in time.
inline HWND WaitFor(const std::wstring& target, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND wnd = Find(target)) return wnd;
        if (::GetTickCount() - start >= timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

// Polls until no such window is left; false when it stayed.
inline bool WaitGone(const std::wstring& target, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (Find(target)) {
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(50);
    }
    return true;
}

inline std::vector<WindowInfo> TopLevelWindows() {
    std::vector<WindowInfo> result;
    ::EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto list = (std::vector<WindowInfo>*)lp;
            wchar_t title[512] = {}, cls[256] = {};
            ::GetWindowTextW(wnd, title, 512);
            ::GetClassNameW(wnd, cls, 256);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(wnd, &pid);
            list->push_back({wnd, title, cls, pid});
            return TRUE;
        },
        (LPARAM)&result);
    return result;
}

// Starts a program (a Windows path) without waiting for it; 0 on failure.
inline DWORD Start(const std::wstring& exe, const std::wstring& arguments = L"", HANDLE* process = nullptr) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") == std::wstring::npos ? 0 : exe.find_last_of(L"\\/"));
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        return 0;
    ::CloseHandle(pi.hThread);
    if (process) *process = pi.hProcess;
    else ::CloseHandle(pi.hProcess);
    return pi.dwProcessId;
}

// Waits for a process to end; its exit code, -1 when it did not end in
// time, -2 when there is no such process any more (it ended and nobody
// holds it, so its code is gone with it).
inline long WaitExit(DWORD processId, DWORD timeoutMs) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return ::GetLastError() == ERROR_ACCESS_DENIED ? -1 : -2;
    DWORD code = (DWORD)-1;
    if (::WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0 || !::GetExitCodeProcess(process, &code))
        code = (DWORD)-1;
    ::CloseHandle(process);
    return (long)code;
}

// A control of the window by its id: a direct child, else a visible control
// of a page inside it (a wizard's or a property sheet's page).
inline HWND Control(HWND wnd, int id) {
    if (!id) return wnd;
    if (HWND child = ::GetDlgItem(wnd, id)) return child;
    struct Search {
        int id;
        HWND found;
    } search = {id, nullptr};
    ::EnumChildWindows(
        wnd,
        [](HWND child, LPARAM lp) -> BOOL {
            Search* s = (Search*)lp;
            if (::GetDlgCtrlID(child) != s->id || !::IsWindowVisible(child)) return TRUE;
            s->found = child;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

inline std::wstring Text(HWND wnd) {
    // WM_GETTEXT works across processes, unlike GetWindowText on controls.
    LRESULT length = ::SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text((size_t)length + 1, L'\0');
    LRESULT got = ::SendMessageW(wnd, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]);
    text.resize(got > 0 ? (size_t)got : 0);
    return text;
}

// Sends a menu or accelerator command, as a menu click would.
inline LRESULT Command(HWND wnd, UINT id) { return ::SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// Clicks a button of a dialog the way the user would.
inline bool Click(HWND dialog, int id) {
    HWND button = Control(dialog, id);
    if (!button) return false;
    ::SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

// A message number, or "registered:NAME" for a registered message.
inline UINT MessageNumber(const std::wstring& target) {
    const std::wstring prefix = L"registered:";
    if (target.compare(0, prefix.size(), prefix) == 0) return ::RegisterWindowMessageW(target.c_str() + prefix.size());
    return (UINT)wcstoul(target.c_str(), nullptr, 0);
}

inline std::wstring State(HWND wnd) {
    RECT r = {};
    ::GetWindowRect(wnd, &r);
    wchar_t text[256];
    swprintf(text, 256, L"visible=%d enabled=%d checked=%d rect=%ld,%ld,%ld,%ld exstyle=0x%08lx",
             ::IsWindowVisible(wnd) ? 1 : 0, ::IsWindowEnabled(wnd) ? 1 : 0,
             (int)::SendMessageW(wnd, BM_GETCHECK, 0, 0), r.left, r.top, r.right, r.bottom,
             (unsigned long)::GetWindowLongPtrW(wnd, GWL_EXSTYLE));
    return text;
}

}  // namespace zdriver
