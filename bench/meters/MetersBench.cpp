// Drawing speed of the meters a clock or counter skin redraws every second:
// a six-digit number image and a clock of three rotating hands, each drawn
// 10000 times into an off-screen back buffer, against plain GDI+ drawing of
// the same pictures (one graphics object and the same image calls per
// round) measured beside it.
#include "BenchSupport.h"
#include "widgets/Measure.h"
#include "widgets/Meter.h"
#include "widgets/MeterFactory.h"
#include "widgets/MeterNumImage.h"
#include "widgets/SkinHost.h"

#include "shell/ProgramFolder.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kRounds = 10000;

class BenchHost : public ISkinHost {
public:
    BenchHost() : buffer(new Gdiplus::Bitmap(300, 300, PixelFormat32bppPARGB)) {}
    Gdiplus::Bitmap* GetBackBuffer() override { return buffer.get(); }
    int ExecuteCommand(const CString&) override { return 0; }
    bool LoadBackgroundFile(const CString&) override { return false; }
    void RefreshWindow() override {}
    CString GetSkinFile() const override { return CString(); }
    std::unique_ptr<Gdiplus::Bitmap> buffer;
};

class ValueMeasure : public CMeasure {
public:
    explicit ValueMeasure(double value) { m_Value = value; }
    bool Update() override { return true; }
};

// A picture file of w x h, coloured by cell, written as a 32-bit PNG.
CString WritePicture(const CString& path, int w, int h, int cellW, bool hand) {
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Gdiplus::Color c = hand ? (std::abs(y - h / 2) <= 2 ? Gdiplus::Color(255, 20, 20, 80)
                                                                 : Gdiplus::Color(0, 0, 0, 0))
                                    : Gdiplus::Color(255, (BYTE)(x / cellW * 25), 100, (BYTE)(y * 10));
            bitmap.SetPixel(x, y, c);
        }
    CLSID png = {};
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) png = codecs[i].Clsid;
    bitmap.Save(path, &png, nullptr);
    return path;
}

std::unique_ptr<CMeter> Make(const wchar_t* type, ISkinHost* host,
                             std::initializer_list<std::pair<const wchar_t*, CString>> keys) {
    std::unique_ptr<CMeter> meter(CreateMeter(type, host));
    CInfoSection section(L"M");
    for (const auto& kv : keys) section.SetValue(kv.first, kv.second);
    meter->ReadConfig(section);
    meter->Initialize();
    return meter;
}

void Report(const char* name, double ours, double baseline) {
    printf("%-34s meters %8.1f ms   plain GDI+ %8.1f ms   ratio %.2f\n", name, ours, baseline, ours / baseline);
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        CString folder = CString(temp) + L"zorel_bench_meters\\";
        CreateDirectoryW(folder, nullptr);
        CString digits = WritePicture(folder + L"digits.png", 120, 18, 12, false);
        CString handPicture = WritePicture(folder + L"hand.png", 60, 9, 60, true);
        BenchHost host;

        // Six digits.
        auto number = Make(L"NUMIMAGE", &host,
                           {{L"ImageName", digits}, {L"X", L"10"}, {L"Y", L"10"}, {L"W", L"12"}, {L"H", L"18"},
                            {L"Cipher", L"6"}, {L"Space", L"1"}});
        ValueMeasure value(123456);
        number->SetMeasure(&value);
        number->Update();
        std::unique_ptr<Gdiplus::Image> strip(Gdiplus::Image::FromFile(digits));
        double ours = 0, plain = 0;
        for (int pass = 0; pass < 2; ++pass) {  // the first pass warms both sides
            double t0 = NowMs();
            for (int i = 0; i < kRounds; ++i) number->Draw();
            double t1 = NowMs();
            for (int i = 0; i < kRounds; ++i) {
                Gdiplus::Graphics g(host.buffer.get());
                g.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
                const int text[6] = {1, 2, 3, 4, 5, 6};
                for (int d = 0; d < 6; ++d)
                    g.DrawImage(strip.get(), Gdiplus::Rect(10 + d * 13, 10, 12, 18), text[d] * 12, 0, 12, 18,
                                Gdiplus::UnitPixel);
            }
            double t2 = NowMs();
            ours = t1 - t0;
            plain = t2 - t1;
        }
        Report("six-digit number image x10000", ours, plain);

        // Three hands about one centre: hour, minute, second.
        std::vector<std::unique_ptr<CMeter>> hands;
        ValueMeasure time(10 * 3600 + 8 * 60 + 42);
        for (const wchar_t* remainder : {L"43200", L"3600", L"60"}) {
            hands.push_back(Make(L"ROTATOR", &host,
                                 {{L"ImageName", handPicture}, {L"X", L"20"}, {L"Y", L"20"}, {L"W", L"128"},
                                  {L"H", L"128"}, {L"OffsetX", L"4"}, {L"OffsetY", L"4"},
                                  {L"StartAngle", L"4.712389"}, {L"ValueRemainder", remainder}}));
            hands.back()->SetMeasure(&time);
            hands.back()->Update();
        }
        std::unique_ptr<Gdiplus::Image> hand(Gdiplus::Image::FromFile(handPicture));
        const float angles[3] = {304.0f, 318.0f, 162.0f};
        for (int pass = 0; pass < 2; ++pass) {
            double t0 = NowMs();
            for (int i = 0; i < kRounds; ++i)
                for (auto& h : hands) h->Draw();
            double t1 = NowMs();
            for (int i = 0; i < kRounds; ++i)
                for (float angle : angles) {
                    Gdiplus::Graphics g(host.buffer.get());
                    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
                    g.TranslateTransform(84, 84);
                    g.RotateTransform(angle);
                    g.TranslateTransform(-4, -4);
                    g.DrawImage(hand.get(), 0.0f, 0.0f, 60.0f, 9.0f);
                }
            double t2 = NowMs();
            ours = t1 - t0;
            plain = t2 - t1;
        }
        Report("three-hand rotator clock x10000", ours, plain);
        strip.reset();
        hand.reset();
        hands.clear();
        number.reset();
        DeleteFileW(digits);
        DeleteFileW(handPicture);
        RemoveDirectoryW(folder);
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
