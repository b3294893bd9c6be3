// The desktop clock's cost: the tick's own work (one million ticks of the
// state machine against as many reads of the local time, which the tick
// needs anyway), one redraw of the built-in analogue clock against plain
// GDI+ drawing of the same four pictures into the same buffer, and the idle
// processor share and private memory of a process that shows only the
// clock for ten seconds of real ticks.
#include "BenchSupport.h"
#include "widgets/ClockDlg.h"
#include "widgets/ClockTick.h"

#include "shell/AppGlobals.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <cstdio>
#include <memory>

namespace {

class BenchHost : public IClockHost {
public:
    SYSTEMTIME ClockNow() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return t;
    }
    void OnMinuteTick(int&, int&) override { ++minutes; }
    void OnDayChanged() override {}
    void DrawTrayDate() override {}
    void StartWebCheck() override {}
    CWnd* GetFrameWindow() override { return nullptr; }
    int minutes = 0;
};

std::unique_ptr<Gdiplus::Bitmap> ResourcePicture(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!found) return nullptr;
    DWORD size = SizeofResource(module, found);
    const void* bytes = LockResource(LoadResource(module, found));
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(memory, TRUE, &stream);
    std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
    std::unique_ptr<Gdiplus::Bitmap> copy(decoded->Clone(0, 0, (INT)decoded->GetWidth(), (INT)decoded->GetHeight(),
                                                         PixelFormat32bppPARGB));
    decoded.reset();
    stream->Release();
    return copy;
}

double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (k.QuadPart + u.QuadPart) / 10000.0;
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    g_ProgramFolder = CString(temp) + L"zorel_bench_clock\\";
    CreateDirectoryW(g_ProgramFolder, nullptr);
    g_PlatformId = 2;
    g_Settings.Clock.ViewMode = 0;
    g_Settings.Clock.TransVal = 255;
    g_Settings.Clock.AllowMove = 1;
    g_Settings.Clock.WinX = g_Settings.Clock.WinY = 100;
    g_Settings.CheckInterval = 86400;

    {
        // The tick's own work.
        const int kTicks = 1000000;
        ClockChimeSettings settings;
        settings.alarmSoundDefault = 1;
        ClockWindowState window;
        CClockTick tick;
        double ours = 0, plain = 0;
        volatile int sink = 0;
        for (int pass = 0; pass < 2; ++pass) {
            double t0 = NowMs();
            ClockTime time;
            time.year = 2026;
            time.month = 12;
            time.day = 11;
            for (int i = 0; i < kTicks; ++i) {
                int s = i % 86400;
                time.hour = s / 3600;
                time.minute = s / 60 % 60;
                time.second = s % 60;
                ClockTickResult r = tick.Tick(time, settings, window, 86400, [] { return 1.0; });
                sink += r.minuteCall;
            }
            double t1 = NowMs();
            for (int i = 0; i < kTicks; ++i) {
                SYSTEMTIME now;
                GetLocalTime(&now);
                sink += now.wSecond;
            }
            double t2 = NowMs();
            ours = t1 - t0;
            plain = t2 - t1;
        }
        printf("%-40s tick %8.1f ms   GetLocalTime %8.1f ms   ratio %.2f   (%.3f us per tick)\n",
               "1000000 ticks", ours, plain, ours / plain, ours * 1000.0 / kTicks);
    }

    BenchHost host;
    CClockDlg* clock = new CClockDlg(host);
    if (!clock->Create(IDD_CLOCK, nullptr)) {
        printf("the clock window could not be made\n");
        return 1;
    }
    clock->ShowWindow(SW_SHOWNOACTIVATE);
    {
        // One redraw of the built-in analogue clock.
        const int kRounds = 1000;
        std::unique_ptr<Gdiplus::Bitmap> face = ResourcePicture(205), hour = ResourcePicture(267),
                                         minute = ResourcePicture(268), second = ResourcePicture(269);
        Gdiplus::Bitmap* buffer = clock->GetBackBuffer();
        double ours = 0, plain = 0;
        for (int pass = 0; pass < 2; ++pass) {
            double t0 = NowMs();
            for (int i = 0; i < kRounds; ++i) clock->Redraw();
            double t1 = NowMs();
            for (int i = 0; i < kRounds; ++i) {
                Gdiplus::Graphics g(buffer);
                g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
                g.DrawImage(face.get(), 0, 0, 130, 130);
                g.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
                g.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
                const float angles[3] = {300.0f, 60.0f, 180.0f};
                Gdiplus::Bitmap* hands[3] = {hour.get(), minute.get(), second.get()};
                for (int h = 0; h < 3; ++h) {
                    g.TranslateTransform(65, 65);
                    g.RotateTransform(angles[h]);
                    g.DrawImage(hands[h], 0.0f, 0.0f);
                    g.ResetTransform();
                }
            }
            double t2 = NowMs();
            ours = t1 - t0;
            plain = t2 - t1;
        }
        printf("%-40s clock %8.1f ms   plain GDI+ %8.1f ms   ratio %.2f   (%.3f ms per redraw, presenting included)\n",
               "1000 redraws of the analogue clock", ours, plain, ours / plain, ours / kRounds);
        // How much of a redraw is handing the frame to the window.
        double t0 = NowMs();
        for (int i = 0; i < kRounds; ++i) clock->UpdateLayered();
        double present = NowMs() - t0;
        printf("%-40s present %8.1f ms   of the redraw %.0f %%\n", "1000 presentations alone", present,
               present * 100.0 / ours);
    }
    {
        // Idle: ten seconds of real one-second ticks with only the clock shown.
        double cpu0 = CpuMs(), wall0 = NowMs();
        MSG msg;
        while (NowMs() - wall0 < 10000.0) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        }
        double cpu = CpuMs() - cpu0, wall = NowMs() - wall0;
        PROCESS_MEMORY_COUNTERS_EX memory = {};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        // Wine does not fill in the private usage; the committed pages
        // (page-file usage) are the same figure on Windows.
        SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        printf("%-40s cpu %.1f ms in %.0f ms   share %.3f %%   private memory %.1f MB   working set %.1f MB\n",
               "only the clock shown, 10 s", cpu, wall, cpu * 100.0 / wall, privateBytes / 1048576.0,
               memory.WorkingSetSize / 1048576.0);
    }
    clock->DestroyWindow();
    clock->Release();
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
