// Saving a captured 1920 x 1080 region as PNG and as JPEG (quality 95), the
// way the capture does it (encoded in memory, then written whole through the
// atomic writer), against the imaging library saving the same picture
// straight to a file, measured side by side. The picture is a screen-like
// mix of flat areas, gradients and noisy text-like rows.
#include "BenchSupport.h"
#include "ScratchFolder.h"
#include "tools/CaptureImage.h"
#include "tools/CaptureLogic.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int kWidth = 1920, kHeight = 1080, kRounds = 7;

std::unique_ptr<Gdiplus::Bitmap> MakeScreenLikePicture(std::vector<BYTE>& pixels) {
    pixels.resize((size_t)kWidth * kHeight * 4);
    unsigned seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            BYTE* p = &pixels[((size_t)y * kWidth + x) * 4];
            BYTE r, g, b;
            if (y < 40) {
                r = 30, g = 60, b = (BYTE)(120 + x * 100 / kWidth);  // a title bar gradient
            } else if ((y / 18) % 3 == 1 && x > 100 && x < 1500) {
                seed = seed * 1103515245 + 12345;
                BYTE v = (seed >> 16) & 1 ? 20 : 240;  // rows of "text"
                r = g = b = v;
            } else {
                r = 240, g = 240, b = 235;
            }
            p[0] = b, p[1] = g, p[2] = r, p[3] = 255;
        }
    }
    return std::make_unique<Gdiplus::Bitmap>(kWidth, kHeight, kWidth * 4, PixelFormat32bppARGB, pixels.data());
}

double TimeOurs(Gdiplus::Bitmap& picture, const CString& path, const CString& format) {
    std::vector<double> runs;
    for (int i = 0; i < kRounds; ++i) {
        double start = NowMs();
        if (!SaveCaptureImage(picture, path, CaptureLogic::MimeForFormat(format), CaptureLogic::QualityForFormat(format)))
            return -1;
        runs.push_back(NowMs() - start);
    }
    return Median(runs);
}

double TimeBaseline(Gdiplus::Bitmap& picture, const CString& path, const CString& format) {
    CLSID clsid;
    if (GetEncoderClsid(CaptureLogic::MimeForFormat(format), &clsid) < 0) return -1;
    ULONG quality = 95;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    bool jpeg = format == L"jpg";
    std::vector<double> runs;
    for (int i = 0; i < kRounds; ++i) {
        double start = NowMs();
        if (picture.Save(path, &clsid, jpeg ? &parameters : nullptr) != Gdiplus::Ok) return -1;
        runs.push_back(NowMs() - start);
    }
    return Median(runs);
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        CScratchFolder folder(L"capture-bench");
        std::vector<BYTE> pixels;
        std::unique_ptr<Gdiplus::Bitmap> picture = MakeScreenLikePicture(pixels);
        printf("Saving a %d x %d capture, median of %d runs\n", kWidth, kHeight, kRounds);
        for (const wchar_t* format : {L"png", L"jpg"}) {
            double ours = TimeOurs(*picture, folder.Path() + L"ours." + format, format);
            double baseline = TimeBaseline(*picture, folder.Path() + L"plain." + format, format);
            DWORD size = 0;
            WIN32_FILE_ATTRIBUTE_DATA data;
            if (GetFileAttributesExW(folder.Path() + L"ours." + format, GetFileExInfoStandard, &data))
                size = data.nFileSizeLow;
            printf("%-4S capture %8.1f ms   GDI+ to file %8.1f ms   ratio %.2f   file %lu bytes\n", format, ours,
                   baseline, baseline > 0 ? ours / baseline : 0.0, (unsigned long)size);
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
