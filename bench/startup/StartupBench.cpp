// Start-up of Zorel.exe with a full memo group, side by side with programs of
// ours that do the least a program showing the same windows must do:
//   - 1000 notes against 1000 plain top-level windows of the notes' size;
//   - no note against one hello window.
// Each run ends when every window is on the screen and the process has
// stopped working: no look every 50 ms for kQuietMs found it using more than
// a third of the processor; the end is the last look that did. While Zorel starts, another thread asks its
// frame a question (SendMessageTimeout) every 50 ms and keeps the longest
// wait for the answer. The same program, started with "--plain" or
// "--hello", is the baseline.
//
// Usage: bench_startup.exe [notes] [runs] [screenshot.png]
#include "BenchSupport.h"
#include "ScreenPicture.h"
#include "ZorelDriver.h"


#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {
const int kNoteWidth = 200, kNoteHeight = 150;
const DWORD kQuietMs = 1200;  // as the end-to-end driver: longer than the gap between start-up steps
const wchar_t kPlainClass[] = L"ZorelBenchPlain";

// Where note i stands: the notes cascade over the screen in columns.
RECT Place(int i) {
    int perColumn = 40, column = i / perColumn, row = i % perColumn;
    int x = 10 + (column * 37) % 1000 + row * 2, y = 10 + row * 20;
    return RECT{x, y, x + kNoteWidth, y + kNoteHeight};
}

// ---- The baselines --------------------------------------------------------------------

LRESULT CALLBACK PlainProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && GetWindowLongPtrW(wnd, GWLP_USERDATA) == 1) PostQuitMessage(0);
    return DefWindowProcW(wnd, message, wParam, lParam);
}

// count windows of the notes' size, or one hello window; they run until the
// first is closed.
int RunBaseline(int count, bool hello) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kPlainClass;
    RegisterClassW(&wc);
    for (int i = 0; i < count; ++i) {
        RECT r = hello ? RECT{100, 100, 400, 300} : Place(i);
        HWND wnd = CreateWindowExW(hello ? 0 : WS_EX_TOOLWINDOW, kPlainClass, hello ? L"Hello" : L"",
                                   (hello ? WS_OVERLAPPEDWINDOW : WS_POPUP) | WS_VISIBLE, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
        if (i == 0) SetWindowLongPtrW(wnd, GWLP_USERDATA, 1);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// ---- Measuring a process ------------------------------------------------------------------

struct WindowCount {
    DWORD pid;
    const wchar_t* className;
    int visible;
    HWND first;
};

BOOL CALLBACK CountWindow(HWND wnd, LPARAM param) {
    WindowCount* count = (WindowCount*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != count->pid || !IsWindowVisible(wnd)) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    if (wcscmp(name, count->className) != 0) return TRUE;
    if (!count->visible) count->first = wnd;
    ++count->visible;
    return TRUE;
}

WindowCount CountWindows(DWORD pid, const wchar_t* className) {
    WindowCount count = {pid, className, 0, nullptr};
    EnumWindows(CountWindow, (LPARAM)&count);
    return count;
}

struct Run {
    double idleMs = 0;     // every window mapped and the processor quiet
    double mappedMs = 0;   // every window mapped
    double longestAnswerMs = 0;
    int probes = 0;
    bool ok = false;
};

// Waits until `windows` windows of the class are visible and the process
// has stopped working (see above) for kQuietMs; the end is the last busy moment.
// Probes `probe` (when not null) meanwhile.
Run Measure(ZorelProcess& process, double start, const wchar_t* className, int windows, HWND probe) {
    Run run;
    std::atomic<bool> stop(false);
    std::atomic<double> longest(0);
    std::atomic<int> probes(0);
    std::thread prober;
    if (probe) {
        prober = std::thread([&] {
            while (!stop) {
                double asked = NowMs();
                DWORD_PTR answer = 0;
                SendMessageTimeoutW(probe, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &answer);
                double waited = NowMs() - asked;
                if (waited > longest) longest = waited;
                ++probes;
                double next = asked + 50 - NowMs();
                if (next > 0) Sleep((DWORD)next);
            }
        });
    }
    ULONGLONG used = process.ProcessorTime();
    double lastUse = NowMs(), sampled = NowMs();
    double deadline = NowMs() + 600000;
    while (NowMs() < deadline && !process.HasEnded()) {
        Sleep(50);
        ULONGLONG now = process.ProcessorTime();
        double at = NowMs();
        // Busy: more than a third of the processor since the last look. The
        // program's own second timer and the system's 10 ms accounting show
        // as single small steps, which are no start-up work.
        if ((now - used) / 10000.0 > (at - sampled) / 3) lastUse = at;
        used = now;
        sampled = at;
        if (run.mappedMs == 0 && CountWindows(process.Id(), className).visible >= windows) run.mappedMs = NowMs() - start;
        if (run.mappedMs > 0 && NowMs() - lastUse >= kQuietMs) {
            run.idleMs = std::max(run.mappedMs, lastUse - start);
            run.ok = true;
            break;
        }
    }
    stop = true;
    if (prober.joinable()) prober.join();
    run.longestAnswerMs = longest;
    run.probes = probes;
    return run;
}

std::wstring SelfPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

Run RunBaselineProcess(int count, bool hello) {
    // The baseline is this program again, started from its own folder.
    std::wstring self = SelfPath();
    std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
    ZorelProcess process;
    double start = NowMs();
    std::wstring args = hello ? L"--hello" : L"--plain " + std::to_wstring(count);
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    std::wstring commandLine = L"\"" + self + L"\" " + args;
    Run run;
    if (!CreateProcessW(self.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
        return run;
    process.Adopt(info);
    run = Measure(process, start, kPlainClass, hello ? 1 : count, nullptr);
    WindowCount first = CountWindows(process.Id(), kPlainClass);
    if (first.first) {
        // The first window made is the one whose end ends the program; any will do to find it.
        EnumWindows(
            [](HWND wnd, LPARAM pid) -> BOOL {
                DWORD owner = 0;
                GetWindowThreadProcessId(wnd, &owner);
                if (owner == (DWORD)pid && GetWindowLongPtrW(wnd, GWLP_USERDATA) == 1) PostMessageW(wnd, WM_CLOSE, 0, 0);
                return TRUE;
            },
            (LPARAM)process.Id());
    }
    process.WaitForExit(30000);
    return run;
}

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n    <ViewMemoOnStart>1</ViewMemoOnStart>\n  </General>\n"
    "</ZorelConfig>\n";

enum GroupLook { AllExpanded, AllFolded };

POINT PlaceNote(int i) {
    RECT r = Place(i);
    return POINT{r.left, r.top};
}

std::wstring MakeGroup(int notes, GroupLook look) {
    std::wstring folder = MakeProgramFolder(kConfig);
    WriteMemoGroup(folder, notes, look == AllExpanded, kNoteWidth, kNoteHeight, PlaceNote);
    return folder;
}

Run RunZorel(int notes, GroupLook look, const std::wstring& screenshot) {
    std::wstring folder = MakeGroup(notes, look);
    ZorelProcess zorel;
    Run run;
    double start = NowMs();
    if (!zorel.Start(folder)) return run;
    HWND frame = zorel.WaitForFrame(60000);
    if (!frame) return run;
    run = Measure(zorel, start, L"#32770", notes, frame);
    if (!screenshot.empty()) SaveScreenArea(CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), screenshot.c_str());
    PostMessageW(frame, WM_CLOSE, 0, 0);
    if (!zorel.WaitForExit(120000)) zorel.Kill();
    RemoveProgramFolder(folder);
    return run;
}

void Compare(const char* what, int notes, GroupLook look, int runs, const std::wstring& screenshot) {
    std::vector<double> ours, base, answer;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        Run z = RunZorel(notes, look, i == 0 ? screenshot : std::wstring());
        Run b = notes > 0 ? RunBaselineProcess(notes, false) : RunBaselineProcess(1, true);
        ok = ok && z.ok && b.ok;
        ours.push_back(z.idleMs);
        base.push_back(b.idleMs);
        answer.push_back(z.longestAnswerMs);
        printf("   run %d: Zorel %.0f ms (all mapped at %.0f ms, %d probes, longest answer %.0f ms), baseline %.0f ms\n",
               i + 1, z.idleMs, z.mappedMs, z.probes, z.longestAnswerMs, b.idleMs);
        fflush(stdout);
    }
    double o = Median(ours), b = Median(base);
    printf("%s: Zorel %.0f ms, %s %.0f ms, ratio %.2fx; longest frame answer %.0f ms (medians of %d)%s\n", what, o,
           notes > 0 ? "plain windows" : "hello window", b, b > 0 ? o / b : 0.0, Median(answer), runs,
           ok ? "" : "  [a run did not reach idle]");
    fflush(stdout);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && wcscmp(argv[1], L"--plain") == 0) return RunBaseline(argc >= 3 ? _wtoi(argv[2]) : 1000, false);
    if (argc >= 2 && wcscmp(argv[1], L"--hello") == 0) return RunBaseline(1, true);
    if (!getenv("ZOREL_BINARY_DIR") && getenv("ZOREL_BUILD"))
        _putenv_s("ZOREL_BINARY_DIR", getenv("ZOREL_BUILD"));
    int notes = argc >= 2 ? _wtoi(argv[1]) : 1000;
    int runs = argc >= 3 ? std::max(1, _wtoi(argv[2])) : 1;
    std::wstring screenshot = argc >= 4 ? argv[3] : L"startup-1000-notes.png";
    Compare("0 notes", 0, AllExpanded, runs, std::wstring());
    std::string expanded = std::to_string(notes) + " expanded notes", folded = std::to_string(notes) + " folded notes";
    Compare(expanded.c_str(), notes, AllExpanded, runs, screenshot);
    Compare(folded.c_str(), notes, AllFolded, runs, std::wstring());
    return 0;
}
