// Starts Zorel.exe from a temporary program folder and finds its windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ZorelProcess {
public:
    ZorelProcess() = default;
    ~ZorelProcess();
    ZorelProcess(const ZorelProcess&) = delete;
    ZorelProcess& operator=(const ZorelProcess&) = delete;

    // Starts folder\Zorel.exe with the arguments; false when it cannot.
    bool Start(const std::wstring& folder, const std::wstring& arguments = L"");
    // Takes over a process started elsewhere.
    void Adopt(const PROCESS_INFORMATION& info) { m_info = info; }
    // The process's window "Zorel Program", waiting up to the time-out.
    HWND WaitForFrame(DWORD timeoutMs = 10000);
    // A visible dialog (message box) of the process.
    HWND WaitForDialog(DWORD timeoutMs = 10000) { return WaitForWindowOfClass(L"#32770", timeoutMs); }
    // A visible top-level window of the process with that class.
    HWND WaitForWindowOfClass(const wchar_t* className, DWORD timeoutMs = 10000);
    // Waits until the process waits for input with nothing left to do.
    void WaitForIdle(DWORD timeoutMs) { WaitForInputIdle(m_info.hProcess, timeoutMs); }
    // Waits until the staged start-up that follows the frame's creation has
    // run: the program has used no processor time for longer than the gap
    // between its start-up steps. False on time-out.
    // lastBusyTick, when given, takes the GetTickCount of the last moment the
    // process was seen using the processor: the end of its start-up.
    bool WaitForStartUp(DWORD timeoutMs = 20000, DWORD* lastBusyTick = nullptr);
    // The processor time the process has used so far, in 100 ns units.
    ULONGLONG ProcessorTime() const;
    bool HasEnded() const { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // The same, while this thread's windows keep receiving messages.
    bool WaitForExitPumping(DWORD timeoutMs, DWORD* exitCode = nullptr);
    DWORD Id() const { return m_info.dwProcessId; }
    // Ends a process that is still there after a failed test.
    void Kill();

private:
    PROCESS_INFORMATION m_info = {};
};

// A top-level window of the driver that records what the program's
// broadcast message carried.
class BroadcastListener {
public:
    BroadcastListener();
    ~BroadcastListener();
    bool Received(WPARAM command) const;

private:
    HWND m_wnd = nullptr;
};

// A fresh program folder holding a copy of Zorel.exe; the optional settings
// file text is written as ZorelConfig.xml.
std::wstring MakeProgramFolder(const char* settingsXml = nullptr);
void RemoveProgramFolder(const std::wstring& folder);
// Writes the default memo group of a program folder: notes notes with two
// lines of text each, all expanded or all folded under a title, placed
// (left, top) by place(i) at width x height.
void WriteMemoGroup(const std::wstring& folder, int notes, bool expanded, int width, int height,
                    POINT (*place)(int index));
std::string ReadFileText(const std::wstring& path);
// The text of a key element in a settings file's text, or "(none)".
std::string ConfigValue(const std::string& xml, const std::string& key);
// Whether the notification area holds the icon of that window and id.
bool TrayIconExists(HWND window, UINT id);

// The visible top-level windows of a process, in z-order.
std::vector<HWND> ProcessWindows(DWORD pid);
