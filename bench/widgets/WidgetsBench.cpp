// Desktop widgets in the real Zorel.exe, each figure beside a baseline of the
// same program measured in the same run:
//   - start-up with 20 listed widgets against start-up with an empty list:
//     from the start until every widget shows and the process has stopped
//     working (no look every 50 ms for kQuietMs found it using more than a
//     third of the processor);
//   - with the desktop clock, the desktop calendar and five widgets open, the
//     processor time used over kIdleMs of idling and the private memory (both
//     read from /proc, see ProcDir), against the program with the clock alone.
// The widgets are the skins the program ships (processor, memory, disk,
// battery, digital clock), which update every second.
//
// Usage: bench_widgets.exe [runs]
#include "BenchSupport.h"
#include "ZorelDriver.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const DWORD kQuietMs = 1200;
const DWORD kIdleMs = 10000;
const wchar_t* const kSkins[] = {L"processor\\processor.xml", L"memory\\memory.xml", L"disk\\disk.xml",
                                 L"battery\\battery.xml", L"clock\\digital.xml"};

std::string Config(bool clock, bool calendar) {
    return std::string("<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n"
                       "  </System>\n  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n  <Clock>\n"
                       "    <ViewMode>") +
           (clock ? "0" : "1") + "</ViewMode>\n  </Clock>\n  <Calendar>\n    <AutoStart>" + (calendar ? "1" : "0") +
           "</AutoStart>\n  </Calendar>\n</ZorelConfig>\n";
}

std::wstring ShippedWidgets() {
    const char* binary = getenv("ZOREL_BINARY_DIR");
    std::wstring path = L"Z:";
    for (const char* c = binary ? binary : ""; *c; ++c) path += (wchar_t)(*c == '/' ? '\\' : *c);
    return path + L"\\bin\\skin\\widgets\\";
}

// A program folder whose widget list holds `widgets` entries of the shipped
// skins, in a grid clear of each other.
std::wstring MakeFolder(int widgets, bool clock, bool calendar = false) {
    std::wstring folder = MakeProgramFolder(Config(clock, calendar).c_str());
    std::wstring target = folder + L"skin\\widgets\\";
    CreateDirectoryW((folder + L"skin").c_str(), nullptr);
    CreateDirectoryW(target.c_str(), nullptr);
    for (const wchar_t* skin : kSkins) {
        std::wstring name = skin;
        std::wstring sub = name.substr(0, name.find(L'\\'));
        CreateDirectoryW((target + sub).c_str(), nullptr);
        CopyFileW((ShippedWidgets() + name).c_str(), (target + name).c_str(), FALSE);
    }
    std::string list = "<WidgetList>\n";
    for (int i = 0; i < widgets; ++i) {
        char entry[512];
        std::wstring path = kSkins[i % 5];
        snprintf(entry, sizeof entry,
                 "  <WidgetWindow>\n    <SkinFile Path = \"%ls\"/>\n    <Transparence Value = \"255\"/>\n"
                 "    <MouseOverHiding Value = \"0\"/>\n    <ZPosition Value = \"0\"/>\n"
                 "    <Position X = \"%d\" Y = \"%d\"/>\n    <AllowMove Value = \"1\"/>\n  </WidgetWindow>\n",
                 path.c_str(), 400 + (i % 4) * 170, 40 + (i / 4) * 80);
        list += entry;
    }
    list += "</WidgetList>";
    FILE* file = _wfopen((target + L"WidgetList.xml").c_str(), L"w");
    if (file) {
        fputs(list.c_str(), file);
        fclose(file);
    }
    return folder;
}

int VisibleWindows(DWORD pid) {
    struct Count {
        DWORD pid;
        int n;
    } count = {pid, 0};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            Count* c = (Count*)param;
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == c->pid && IsWindowVisible(wnd)) ++c->n;
            return TRUE;
        },
        (LPARAM)&count);
    return count.n;
}

std::string ReadWhole(const std::wstring& path) {
    std::string text;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// The Linux process that runs the program started from the folder: Wine
// gives another process's times and memory counters as zeros, so the idle
// figures are read from /proc, found by the folder in the command line.
std::wstring ProcDir(const std::wstring& folder) {
    std::wstring name = folder.substr(0, folder.size() - 1);
    name = name.substr(name.find_last_of(L'\\') + 1);
    std::string key(name.begin(), name.end());
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE) return std::wstring();
    std::wstring result;
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
        std::wstring dir = std::wstring(L"Z:\\proc\\") + found.cFileName + L"\\";
        std::string command = ReadWhole(dir + L"cmdline");
        if (command.find(key) != std::string::npos && command.find("Zorel.exe") != std::string::npos) {
            result = dir;
            break;
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return result;
}

// User and system time of the process so far, in ms (clock ticks of 10 ms).
double ProcCpuMs(const std::wstring& dir) {
    std::string stat = ReadWhole(dir + L"stat");
    size_t close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    // After the name: state (field 3) ... utime (14), stime (15).
    const char* p = stat.c_str() + close + 2;
    double fields[13] = {};
    for (int i = 0; i < 13 && *p; ++i) {
        fields[i] = atof(p);
        while (*p && *p != ' ') ++p;
        while (*p == ' ') ++p;
    }
    return (fields[11] + fields[12]) * 10;
}

// Resident anonymous memory (RssAnon), the private memory of the process, in KB.
double ProcPrivateKb(const std::wstring& dir) {
    std::string status = ReadWhole(dir + L"status");
    size_t at = status.find("RssAnon:");
    return at == std::string::npos ? 0 : atof(status.c_str() + at + 8);
}

void ListWindows(DWORD pid) {
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            RECT r;
            if (owner == (DWORD)param && IsWindowVisible(wnd) && GetWindowRect(wnd, &r))
                printf("      window %ld,%ld %ldx%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            return TRUE;
        },
        (LPARAM)pid);
}

struct Run {
    double readyMs = 0;  // the windows shown and the processor quiet
    int windows = 0;
    double idleCpuPercent = 0;
    double privateKb = 0;
    bool ok = false;
};

// Starts a folder's Zorel, waits until at least `windows` windows show and it
// is quiet; with idle, then measures its idling.
Run RunZorel(const std::wstring& folder, int windows, bool idle) {
    Run run;
    ZorelProcess zorel;
    double start = NowMs();
    if (!zorel.Start(folder)) return run;
    HWND frame = zorel.WaitForFrame(60000);
    if (!frame) return run;
    ULONGLONG used = zorel.ProcessorTime();
    double lastUse = NowMs(), sampled = NowMs(), shownAt = 0;
    double deadline = NowMs() + 30000;
    while (NowMs() < deadline && !zorel.HasEnded()) {
        Sleep(50);
        ULONGLONG now = zorel.ProcessorTime();
        double at = NowMs();
        if ((now - used) / 10000.0 > (at - sampled) / 3) lastUse = at;
        used = now;
        sampled = at;
        if (shownAt == 0 && VisibleWindows(zorel.Id()) >= windows) shownAt = at;
        if (shownAt > 0 && at - lastUse >= kQuietMs) {
            run.readyMs = std::max(shownAt, lastUse) - start;
            run.ok = true;
            break;
        }
    }
    run.windows = VisibleWindows(zorel.Id());
    if (getenv("ZOREL_BENCH_LIST_WINDOWS")) ListWindows(zorel.Id());
    if (run.ok && idle) {
        std::wstring dir = ProcDir(folder);
        double before = ProcCpuMs(dir), from = NowMs();
        Sleep(kIdleMs);
        run.idleCpuPercent = (ProcCpuMs(dir) - before) / (NowMs() - from) * 100;
        run.privateKb = ProcPrivateKb(dir);
    }
    PostMessageW(frame, WM_CLOSE, 0, 0);
    if (!zorel.WaitForExit(60000)) zorel.Kill();
    return run;
}

double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (!getenv("ZOREL_BINARY_DIR") && getenv("ZOREL_BUILD")) _putenv_s("ZOREL_BINARY_DIR", getenv("ZOREL_BUILD"));
    int runs = argc >= 2 ? std::max(1, _wtoi(argv[1])) : getenv("ZOREL_BENCH_RUNS") ? std::max(1, atoi(getenv("ZOREL_BENCH_RUNS"))) : 3;
    std::wstring empty = MakeFolder(0, false), twenty = MakeFolder(20, false);
    std::wstring clockOnly = MakeFolder(0, true), five = MakeFolder(5, true, true);

    std::vector<double> ours, base;
    int shownEmpty = 0, shownTwenty = 0;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        Run b = RunZorel(empty, 0, false);
        Run z = RunZorel(twenty, b.windows + 20, false);
        ok = ok && b.ok && z.ok;
        base.push_back(b.readyMs);
        ours.push_back(z.readyMs);
        shownEmpty = b.windows;
        shownTwenty = z.windows;
        printf("   run %d: 20 widgets %.0f ms (%d windows), empty list %.0f ms (%d windows)\n", i + 1, z.readyMs,
               z.windows, b.readyMs, b.windows);
        fflush(stdout);
    }
    double o = Median(ours), b = Median(base);
    printf("start-up, 20 listed widgets: %.0f ms, empty list %.0f ms, ratio %.2fx, %.1f ms a widget "
           "(%d and %d windows shown; medians of %d)%s\n",
           o, b, Ratio(o, b), (o - b) / 20, shownTwenty, shownEmpty, runs, ok ? "" : "  [a run did not reach idle]");
    fflush(stdout);

    std::vector<double> cpuOurs, cpuBase, memOurs, memBase;
    ok = true;
    for (int i = 0; i < runs; ++i) {
        Run b = RunZorel(clockOnly, 0, true);
        Run z = RunZorel(five, b.windows + 6, true);
        ok = ok && b.ok && z.ok;
        cpuBase.push_back(b.idleCpuPercent);
        cpuOurs.push_back(z.idleCpuPercent);
        memBase.push_back(b.privateKb);
        memOurs.push_back(z.privateKb);
        printf("   run %d: clock, calendar and 5 widgets %.2f%% CPU, %.0f KB private (%d windows); clock alone %.2f%% CPU, "
               "%.0f KB private (%d windows)\n",
               i + 1, z.idleCpuPercent, z.privateKb, z.windows, b.idleCpuPercent, b.privateKb, b.windows);
        fflush(stdout);
    }
    printf("idle over %lu s, clock, calendar and 5 widgets: %.2f%% CPU (clock alone %.2f%%, ratio %.2fx), "
           "%.0f KB private memory (clock alone %.0f KB, ratio %.2fx, %.0f KB more; medians of %d)%s\n",
           kIdleMs / 1000, Median(cpuOurs), Median(cpuBase), Ratio(Median(cpuOurs), Median(cpuBase)), Median(memOurs),
           Median(memBase), Ratio(Median(memOurs), Median(memBase)), Median(memOurs) - Median(memBase), runs,
           ok ? "" : "  [a run did not reach idle]");
    for (const std::wstring& folder : {empty, twenty, clockOnly, five}) RemoveProgramFolder(folder);
    return 0;
}
