// zkill: the kill test's hands inside Wine.
//   zkill start <program folder>      start Zorel.exe there, wait until its
//                                     start-up is over, print its pid
//   zkill work <pid> <seed> <ms>      make changes the way a user would
//                                     (new notes, typing, the next colour,
//                                     which saves the settings), call the
//                                     save tick, and kill the program at a
//                                     random moment within ms; prints what
//                                     it did
// The exit code is 0 on success.
#include "notes/NoteIds.h"
#include "shell/ShellIds.h"

#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND wnd, LPARAM param) {
    Found* found = (Found*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == found->pid && IsWindowVisible(wnd)) found->windows.push_back(wnd);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    Found found = {pid, {}};
    EnumWindows(CollectTopLevel, (LPARAM)&found);
    return found.windows;
}

HWND FrameOf(DWORD pid) {
    for (HWND wnd = FindWindowW(nullptr, ZOREL_FRAME_TITLE); wnd; wnd = FindWindowExW(nullptr, wnd, nullptr, ZOREL_FRAME_TITLE)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        wchar_t title[64] = {};
        GetWindowTextW(wnd, title, 64);
        if (owner == pid && wcscmp(title, ZOREL_FRAME_TITLE) == 0) return wnd;
    }
    return nullptr;
}

struct ChildSearch {
    int id;                  // a control id, or 0
    const wchar_t* classPart;  // a part of the class name, or null
    HWND found;
};

BOOL CALLBACK FindChild(HWND wnd, LPARAM param) {
    ChildSearch* search = (ChildSearch*)param;
    if (search->id && GetDlgCtrlID(wnd) == search->id) {
        search->found = wnd;
        return FALSE;
    }
    if (search->classPart) {
        wchar_t name[64] = {};
        GetClassNameW(wnd, name, 64);
        CharUpperW(name);
        if (wcsstr(name, search->classPart)) {
            search->found = wnd;
            return FALSE;
        }
    }
    return TRUE;
}

HWND ChildOf(HWND parent, int id, const wchar_t* classPart) {
    ChildSearch search = {id, classPart, nullptr};
    EnumChildWindows(parent, FindChild, (LPARAM)&search);
    return search.found;
}

// The note windows: visible top-level windows of the program with an editor.
std::vector<HWND> NotesOf(DWORD pid) {
    std::vector<HWND> notes;
    for (HWND wnd : VisibleWindowsOf(pid))
        if (ChildOf(wnd, 0, L"RICHEDIT")) notes.push_back(wnd);
    return notes;
}

ULONGLONG CpuTime(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    return (((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime) +
           (((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime);
}

int Start(const std::wstring& folderIn) {
    std::wstring folder = folderIn;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    std::wstring exe = folder + L"Zorel.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        fprintf(stderr, "zkill: cannot start Zorel.exe\n");
        return 1;
    }
    DWORD begin = GetTickCount();
    while (!FrameOf(info.dwProcessId)) {
        if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0 || GetTickCount() - begin > 30000) {
            fprintf(stderr, "zkill: no frame window\n");
            return 1;
        }
    }
    // The start-up steps run on timer ticks a second apart: quiet for longer
    // than that means they are over.
    ULONGLONG last = CpuTime(info.hProcess);
    DWORD quietSince = GetTickCount();
    while (GetTickCount() - quietSince < 1500) {
        if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0 || GetTickCount() - begin > 60000) {
            fprintf(stderr, "zkill: the program ended or never settled\n");
            return 1;
        }
        ULONGLONG now = CpuTime(info.hProcess);
        if (now != last) {
            last = now;
            quietSince = GetTickCount();
        }
    }
    printf("%lu\n", info.dwProcessId);
    return 0;
}

int Work(DWORD pid, unsigned seed, DWORD budgetMs) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) {
        fprintf(stderr, "zkill: no process %lu\n", pid);
        return 1;
    }
    HWND frame = FrameOf(pid);
    if (!frame) {
        fprintf(stderr, "zkill: no frame\n");
        return 1;
    }
    std::mt19937 random(seed);
    DWORD killAt = 50 + random() % (budgetMs > 50 ? budgetMs - 50 : 1);
    // Now and then the kill falls into the exit save.
    bool closeFirst = random() % 8 == 0;
    int typed = 0, created = 0, colours = 0, ticks = 0;
    DWORD begin = GetTickCount();
    while (GetTickCount() - begin < killAt) {
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) break;
        std::vector<HWND> notes = NotesOf(pid);
        unsigned pick = random() % 100;
        if (notes.empty() || (pick < 8 && notes.size() < 6)) {
            PostMessageW(frame, WM_COMMAND, ID_NEW_MEMO, 0);
            ++created;
            Sleep(30);
        } else if (pick < 60) {
            HWND note = notes[random() % notes.size()];
            HWND editor = ChildOf(note, 0, L"RICHEDIT");
            char token[40];
            snprintf(token, sizeof(token), " k%un%d", seed, typed++);
            for (const char* c = token; *c; ++c) PostMessageW(editor, WM_CHAR, (WPARAM)*c, 1);
        } else if (pick < 70) {
            HWND note = notes[random() % notes.size()];
            HWND button = ChildOf(note, IDC_TB_NEXT_COLOR, nullptr);
            if (button) {
                PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_TB_NEXT_COLOR, BN_CLICKED), (LPARAM)button);
                ++colours;
            }
        } else {
            // Two ticks: the first notes each changed note's length, the
            // second saves those whose length held.
            PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
            PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
            ticks += 2;
        }
        Sleep(random() % 15);
    }
    // The kill comes a few milliseconds after a save was asked for, so it
    // often lands inside one.
    if (closeFirst) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        Sleep(random() % 60);
    } else {
        std::vector<HWND> notes = NotesOf(pid);
        HWND button = notes.empty() ? nullptr : ChildOf(notes[random() % notes.size()], IDC_TB_NEXT_COLOR, nullptr);
        if (button && random() % 3 == 0)
            PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_TB_NEXT_COLOR, BN_CLICKED), (LPARAM)button);
        PostMessageW(frame, WM_TIMER, TIMER_PERIODIC_SAVE, 0);
        Sleep(random() % 8);
    }
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
    printf("notes=%d typed=%d colours=%d ticks=%d close=%d after=%lums\n", created, typed, colours, ticks,
           closeFirst ? 1 : 0, GetTickCount() - begin);
    CloseHandle(process);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && wcscmp(argv[1], L"start") == 0) return Start(argv[2]);
    if (argc >= 5 && wcscmp(argv[1], L"work") == 0)
        return Work((DWORD)wcstoul(argv[2], nullptr, 10), (unsigned)wcstoul(argv[3], nullptr, 10),
                    (DWORD)wcstoul(argv[4], nullptr, 10));
    fprintf(stderr, "zkill start <folder> | zkill work <pid> <seed> <ms>\n");
    return 2;
}
