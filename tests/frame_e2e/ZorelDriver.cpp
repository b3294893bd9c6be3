#include "ZorelDriver.h"

#include "MessagePump.h"
#include "notes/MemoInfo.h"
#include "notes/MemoStore.h"
#include "shell/FileUtil.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::wstring Widen(const char* text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring result(n ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, &result[0], n);
    return result;
}

std::wstring ZorelExePath() {
    const char* binary = getenv("ZOREL_BINARY_DIR");
    std::wstring path = L"Z:" + Widen(binary ? binary : "") + L"/bin/Zorel.exe";
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

struct FindData {
    DWORD pid;
    const wchar_t* title;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND wnd, LPARAM param) {
    FindData* data = (FindData*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != data->pid) return TRUE;
    wchar_t text[256] = {};
    if (data->title) {
        GetWindowTextW(wnd, text, 256);
        if (wcscmp(text, data->title) != 0) return TRUE;
    }
    if (data->className) {
        GetClassNameW(wnd, text, 256);
        if (wcscmp(text, data->className) != 0 || !IsWindowVisible(wnd)) return TRUE;
    }
    data->found = wnd;
    return FALSE;
}

HWND WaitForWindow(DWORD pid, const wchar_t* title, const wchar_t* className, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        FindData data = {pid, title, className, nullptr};
        EnumWindows(FindProcessWindow, (LPARAM)&data);
        if (data.found) return data.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}
}  // namespace

ZorelProcess::~ZorelProcess() {
    Kill();
    if (m_info.hProcess) CloseHandle(m_info.hProcess);
    if (m_info.hThread) CloseHandle(m_info.hThread);
}

bool ZorelProcess::Start(const std::wstring& folder, const std::wstring& arguments) {
    std::wstring exe = folder + L"Zorel.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &m_info) != FALSE;
}

HWND ZorelProcess::WaitForFrame(DWORD timeoutMs) { return WaitForWindow(Id(), L"Zorel Program", nullptr, timeoutMs); }

HWND ZorelProcess::WaitForWindowOfClass(const wchar_t* className, DWORD timeoutMs) {
    return WaitForWindow(Id(), nullptr, className, timeoutMs);
}

bool ZorelProcess::WaitForStartUp(DWORD timeoutMs, DWORD* lastBusyTick) {
    // WaitForInputIdle answers as soon as the frame exists, before the timer
    // ticks that open the windows and take the hot keys, so watch the
    // processor time instead. The two steps run a second apart and the tick
    // between them may use too little time to show, so quiet for longer than
    // that second means the start-up work is over.
    const DWORD quietMs = 1200;
    auto used = [this] { return ProcessorTime(); };
    DWORD start = GetTickCount();
    ULONGLONG last = used();
    DWORD quietSince = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (WaitForSingleObject(m_info.hProcess, 50) == WAIT_OBJECT_0) return false;
        ULONGLONG now = used();
        if (now != last) {
            last = now;
            quietSince = GetTickCount();
        } else if (GetTickCount() - quietSince >= quietMs) {
            if (lastBusyTick) *lastBusyTick = quietSince;
            return true;
        }
    }
    return false;
}

ULONGLONG ZorelProcess::ProcessorTime() const {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(m_info.hProcess, &created, &ended, &kernel, &user)) return 0;
    return (((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime) +
           (((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime);
}

bool ZorelProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!m_info.hProcess) return true;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

bool ZorelProcess::WaitForExitPumping(DWORD timeoutMs, DWORD* exitCode) {
    HANDLE process = m_info.hProcess;
    if (!PumpUntil([process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs)) return false;
    if (exitCode) GetExitCodeProcess(process, exitCode);
    return true;
}

namespace {
std::vector<WPARAM> g_broadcasts;
UINT g_broadcastMessage = 0;

LRESULT CALLBACK ListenerProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_broadcastMessage && message != 0) {
        g_broadcasts.push_back(wParam);
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}
}  // namespace

BroadcastListener::BroadcastListener() {
    g_broadcasts.clear();
    g_broadcastMessage = RegisterWindowMessageW(L"ZOREL_BROADCAST_REGISTERWINDOW_TARN");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ListenerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZorelBroadcastListener";
    RegisterClassW(&wc);
    m_wnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"listener", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            wc.hInstance, nullptr);
}

BroadcastListener::~BroadcastListener() {
    if (m_wnd) DestroyWindow(m_wnd);
}

bool BroadcastListener::Received(WPARAM command) const {
    for (WPARAM w : g_broadcasts)
        if (w == command) return true;
    return false;
}

void ZorelProcess::Kill() {
    if (m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
}

std::wstring MakeProgramFolder(const char* settingsXml) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    wchar_t name[64];
    swprintf(name, 64, L"zorel-e2e-%lu-%d\\", GetCurrentProcessId(), ++counter);
    std::wstring folder = std::wstring(temp) + name;
    RemoveProgramFolder(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(ZorelExePath().c_str(), (folder + L"Zorel.exe").c_str(), FALSE);
    if (settingsXml) {
        FILE* file = _wfopen((folder + L"ZorelConfig.xml").c_str(), L"wb");
        if (file) {
            fputs(settingsXml, file);
            fclose(file);
        }
    }
    return folder;
}

void RemoveProgramFolder(const std::wstring& folder) { DeleteFolderTree(folder.c_str()); }

void WriteMemoGroup(const std::wstring& folder, int notes, bool expanded, int width, int height,
                    POINT (*place)(int index)) {
    std::wstring memos = folder + L"memo_data\\";
    CreateDirectoryW(memos.c_str(), nullptr);
    CArray<CMemoInfo> list;
    for (int i = 0; i < notes; ++i) {
        CMemoInfo record;
        wchar_t name[64];
        swprintf(name, 64, L"2014010100%07d.rtf", i);
        record.m_strFileName = name;
        POINT at = place(i);
        record.m_rcWindow = CRect(at.x, at.y, at.x + width, at.y + height);
        record.m_nExpandedWidth = width;
        record.m_nExpandedHeight = height;
        record.m_bExpanded = expanded ? 1 : 0;
        record.m_nColorType = i % 12;
        if (!expanded) {
            wchar_t title[32];
            swprintf(title, 32, L"Note %d", i + 1);
            record.m_strTitle = title;
        }
        record.m_strDate = L"2014-01-01 10:00";
        list.Add(record);
        std::string text = "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs18 Note number " + std::to_string(i + 1) +
                           "\\par a second line of text\\par}";
        FILE* file = _wfopen((memos + name).c_str(), L"wb");
        if (file) {
            fwrite(text.data(), 1, text.size(), file);
            fclose(file);
        }
    }
    std::vector<BYTE> bytes = CMemoStore::BuildListBytes(list);
    FILE* file = _wfopen((memos + L"DefaultMemo.zrd").c_str(), L"wb");
    if (file) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
}

std::string ReadFileText(const std::wstring& path) {
    std::string text;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, n);
    fclose(file);
    return text;
}

std::string ConfigValue(const std::string& xml, const std::string& key) {
    std::string open = "<" + key + ">";
    size_t start = xml.find(open);
    if (start == std::string::npos) return "(none)";
    start += open.size();
    size_t end = xml.find("</" + key + ">", start);
    return end == std::string::npos ? "(none)" : xml.substr(start, end - start);
}

bool TrayIconExists(HWND window, UINT id) {
    // Modifying nothing succeeds only for an icon the notification area has.
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    data.uFlags = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

std::vector<HWND> ProcessWindows(DWORD pid) {
    struct Found {
        DWORD pid;
        std::vector<HWND> windows;
    } found = {pid, {}};
    EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            Found* f = (Found*)lp;
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == f->pid && IsWindowVisible(wnd)) f->windows.push_back(wnd);
            return TRUE;
        },
        (LPARAM)&found);
    return found.windows;
}
