// A skinned window of 300 x 300 pixels with 50 meters: composing and
// presenting one frame against a plain GDI+ copy of a picture of the same
// size, in alternating rounds so a busy machine slows both sides alike; then
// the processor time a window redrawn every second costs, against the same
// message loop with no window. Prints medians and ratios.
#include "BenchSupport.h"
#include "PopupTemplate.h"
#include "MessagePump.h"
#include "ScratchFolder.h"

#include "widgets/GDIDialog.h"
#include "widgets/Meter.h"
#include "widgets/MeterFactory.h"
#include "widgets/WidgetIds.h"

#include "ui/FloatingOptions.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& f) { return (double)(((ULONGLONG)f.dwHighDateTime << 32) | f.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

class BenchWindow : public CGDIDialog {
public:
    bool timed = false;
    void OnSkinLoaded() override {
        if (timed && GetUpdateCycle() > 0) SetTimer(TIMER_SKIN_UPDATE, (UINT)GetUpdateCycle());
    }
    bool Open(const CString& skin, bool withTimer) {
        static PopupTemplate tmpl(100, 100);
        timed = withTimer;
        SetSkinFile(skin);
        SetPosition(100, 100);
        if (!CreateIndirect(&tmpl.t, nullptr)) return false;
        ShowWindow(SW_SHOWNOACTIVATE);
        return true;
    }
};

// Every meter of the skin draws its face and a bevel.
CMeter* MakeBoxMeter(ISkinHost* owner) { return new CMeter(owner); }

bool WritePng(const CString& path, int width, int height) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> bytes(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(bytes.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, L"image/png") != 0) continue;
        Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
        Gdiplus::Graphics g(&bitmap);
        Gdiplus::LinearGradientBrush brush(Gdiplus::Point(0, 0), Gdiplus::Point(width, height),
                                           Gdiplus::Color(230, 40, 60, 90), Gdiplus::Color(200, 120, 160, 200));
        g.FillRectangle(&brush, 0, 0, width, height);
        return bitmap.Save(path, &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}

std::string SkinText(double cycleSeconds) {
    std::string text = "[WINDOW]\nBackground=back.png\n[SYSTEM]\nUpdateCycle=" + std::to_string(cycleSeconds) + "\n";
    for (int i = 0; i < 50; ++i) {
        int x = 5 + (i % 10) * 29, y = 5 + (i / 10) * 58;
        text += "[M" + std::to_string(i) + "]\nDrawType=STRING\nX=" + std::to_string(x) + "\nY=" + std::to_string(y) +
                "\nW=22\nH=48\nSolidColor=" + std::to_string(i * 5) + ",120,200,255\nBevelType=" +
                std::to_string(1 + i % 2) + "\n";
    }
    return text;
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    SetMeterMaker(METER_STRING, MakeBoxMeter);
    {
        CScratchFolder folder(L"skinbench");
        if (!WritePng(folder + L"back.png", 300, 300)) {
            wprintf(L"could not write the background\n");
            return 1;
        }
        CString skin = folder.Write(L"bench.ini", SkinText(1.0));

        BenchWindow* window = new BenchWindow;
        if (!window->Open(skin, false) || !window->GetBackBuffer()) {
            wprintf(L"could not open the skinned window\n");
            return 1;
        }
        Gdiplus::Bitmap picture((folder + L"back.png").GetString());
        Gdiplus::Bitmap target(300, 300, PixelFormat32bppPARGB);

        const int rounds = 15, perRound = 40;
        std::vector<double> frame, copy, present;
        for (int r = 0; r < rounds; ++r) {
            double t0 = NowMs();
            for (int i = 0; i < perRound; ++i) window->Redraw();
            double t1 = NowMs();
            for (int i = 0; i < perRound; ++i) {
                Gdiplus::Graphics g(&target);
                g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
                g.DrawImage(&picture, Gdiplus::Rect(0, 0, 300, 300), 0, 0, 300, 300, Gdiplus::UnitPixel);
            }
            double t2 = NowMs();
            for (int i = 0; i < perRound; ++i) window->UpdateLayered();
            double t3 = NowMs();
            frame.push_back((t1 - t0) / perRound);
            copy.push_back((t2 - t1) / perRound);
            present.push_back((t3 - t2) / perRound);
        }
        double f = Median(frame), c = Median(copy), p = Median(present);
        wprintf(L"one frame, 300 x 300 with 50 meters (compose + present): %.3f ms\n", f);
        wprintf(L"baseline, GDI+ DrawImage of a 300 x 300 picture:          %.3f ms\n", c);
        wprintf(L"present only (UpdateLayeredWindow of the back buffer):    %.3f ms\n", p);
        wprintf(L"ratio frame / baseline: %.1f\n", c > 0 ? f / c : 0.0);
        window->DestroyWindow();
        window->Release();

        // Processor time over a few seconds: a window redrawn every second
        // against the same message loop with nothing to draw.
        const DWORD seconds = 5;
        double idle0 = ProcessCpuMs();
        PumpFor(seconds * 1000);
        double idle = ProcessCpuMs() - idle0;

        BenchWindow* ticking = new BenchWindow;
        ticking->Open(skin, true);
        int before = ticking->GetPresentCount();
        double busy0 = ProcessCpuMs();
        PumpFor(seconds * 1000);
        double busy = ProcessCpuMs() - busy0;
        int frames = ticking->GetPresentCount() - before;
        ticking->DestroyWindow();
        ticking->Release();
        wprintf(L"processor time over %lu s, window redrawn every second: %.1f ms (%d frames)\n", seconds, busy, frames);
        wprintf(L"processor time over %lu s, message loop alone:          %.1f ms\n", seconds, idle);
        wprintf(L"cost per redraw: %.2f ms of processor time; %.3f%% of one processor\n",
                frames > 0 ? (busy - idle) / frames : 0.0, (busy - idle) / (seconds * 10.0));
    }
    SetMeterMaker(METER_STRING, nullptr);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
