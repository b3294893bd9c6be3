// zdriver: drives a running program from shell scripts, one action per run.
//   zdriver start <exe> [arguments]        start a program (prints its pid)
//   zdriver wait <window> [ms]             wait until the window exists
//   zdriver gone <window> [ms]             wait until it has gone
//   zdriver command <window> <id>          WM_COMMAND id, as from a menu
//   zdriver click <window> <control id>    click a button
//   zdriver send|post <window> <message> [wParam] [lParam]
//   zdriver text <window> [control id]     print the window's text
//   zdriver state <window> [control id]    print visibility, rectangle ...
//   zdriver close <window>                 post WM_CLOSE
//   zdriver exited <pid> [ms]              wait for the process to end
//                                          (prints its exit code, or "ended"
//                                          when it has already gone)
//   zdriver kill <pid>                     end a process that is left over
//   zdriver list                           list the top-level windows
// <window> is an exact title or "class:NAME"; <message> a number or
// "registered:NAME". Output is UTF-8; the exit code is 0 on success.
#include "WindowDriver.h"

#include <string>

static void Print(const std::wstring& text) {
    std::wstring line = text + L"\n";
    int size = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), (int)line.size(), nullptr, 0, nullptr, nullptr);
    std::string bytes((size_t)size, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), (int)line.size(), &bytes[0], size, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), (DWORD)bytes.size(), &written, nullptr);
}

static int Fail(const std::wstring& why) {
    std::wstring line = L"zdriver: " + why + L"\n";
    DWORD written = 0;
    std::string bytes(line.begin(), line.end());
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    return 1;
}

static LONG_PTR Number(const wchar_t* text) { return (LONG_PTR)wcstoll(text, nullptr, 0); }

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Fail(L"no action");
    std::wstring action = argv[1];
    if (action == L"list") {
        for (const auto& w : zdriver::TopLevelWindows()) {
            wchar_t line[64];
            swprintf(line, 64, L"%p\t%lu\t", (void*)w.wnd, (unsigned long)w.processId);
            Print(line + w.className + L"\t" + w.title);
        }
        return 0;
    }
    if (argc < 3) return Fail(L"no window or program given");
    if (action == L"start") {
        std::wstring arguments;
        for (int i = 3; i < argc; ++i) arguments += (i > 3 ? L" " : L"") + std::wstring(argv[i]);
        DWORD pid = zdriver::Start(argv[2], arguments);
        if (!pid) return Fail(L"cannot start " + std::wstring(argv[2]));
        Print(std::to_wstring(pid));
        return 0;
    }
    if (action == L"exited") {
        long code = zdriver::WaitExit((DWORD)Number(argv[2]), argc > 3 ? (DWORD)Number(argv[3]) : 10000);
        if (code == -1) return Fail(L"process still running");
        Print(code == -2 ? std::wstring(L"ended") : std::to_wstring(code));
        return 0;
    }
    if (action == L"kill") {
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, (DWORD)Number(argv[2]));
        if (!process) return Fail(L"no such process");
        BOOL ended = ::TerminateProcess(process, 1);
        ::CloseHandle(process);
        return ended ? 0 : Fail(L"cannot end the process");
    }
    std::wstring target = argv[2];
    if (action == L"wait" || action == L"gone") {
        DWORD timeout = argc > 3 ? (DWORD)Number(argv[3]) : 10000;
        bool ok = action == L"gone" ? zdriver::WaitGone(target, timeout) : zdriver::WaitFor(target, timeout) != nullptr;
        return ok ? 0 : Fail(L"timed out: " + target);
    }
    HWND wnd = zdriver::Find(target);
    if (!wnd) return Fail(L"no window " + target);
    if (action == L"command") {
        if (argc < 4) return Fail(L"no command id");
        zdriver::Command(wnd, (UINT)Number(argv[3]));
        return 0;
    }
    if (action == L"click") {
        if (argc < 4) return Fail(L"no control id");
        return zdriver::Click(wnd, (int)Number(argv[3])) ? 0 : Fail(L"no such control");
    }
    if (action == L"send" || action == L"post") {
        if (argc < 4) return Fail(L"no message");
        UINT message = zdriver::MessageNumber(argv[3]);
        WPARAM wParam = argc > 4 ? (WPARAM)Number(argv[4]) : 0;
        LPARAM lParam = argc > 5 ? (LPARAM)Number(argv[5]) : 0;
        if (action == L"post") return ::PostMessageW(wnd, message, wParam, lParam) ? 0 : Fail(L"post failed");
        Print(std::to_wstring((long long)::SendMessageW(wnd, message, wParam, lParam)));
        return 0;
    }
    if (action == L"text" || action == L"state") {
        HWND target = zdriver::Control(wnd, argc > 3 ? (int)Number(argv[3]) : 0);
        if (!target) return Fail(L"no such control");
        Print(action == L"text" ? zdriver::Text(target) : zdriver::State(target));
        return 0;
    }
    if (action == L"close") return ::PostMessageW(wnd, WM_CLOSE, 0, 0) ? 0 : Fail(L"post failed");
    return Fail(L"unknown action " + action);
}
