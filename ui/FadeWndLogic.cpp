#include "ui/FadeWndLogic.h"

std::vector<COLORREF> BuildTintRamp(COLORREF a, COLORREF b) {
    std::vector<COLORREF> ramp(256);
    for (int d = 0; d < 256; ++d) {
        int red = (GetRValue(a) * d + GetRValue(b) * (255 - d)) / 256;
        int green = (GetGValue(a) * d + GetGValue(b) * (255 - d)) / 256;
        int blue = (GetBValue(a) * d + GetBValue(b) * (255 - d)) / 256;
        ramp[(size_t)d] = RGB(red, green, blue);
    }
    return ramp;
}

int TintIndex(int red, int green, int blue) { return (54 * red + 182 * green + 19 * blue) / 256; }

void FadePixels(unsigned char* bgrx, size_t pixelCount, int percent,
                const std::vector<COLORREF>& ramp) {
    int m = percent * 255 / 100;
    int l = 255 - m;
    for (size_t i = 0; i < pixelCount; ++i, bgrx += 4) {
        int blue = bgrx[0], green = bgrx[1], red = bgrx[2];
        COLORREF t = ramp[(size_t)TintIndex(red, green, blue)];
        bgrx[2] = (unsigned char)((l * red + m * GetRValue(t)) / 256);
        bgrx[1] = (unsigned char)((l * green + m * GetGValue(t)) / 256);
        bgrx[0] = (unsigned char)((l * blue + m * GetBValue(t)) / 256);
        bgrx[3] = 0;
    }
}

int FadeStepForFrameTime(unsigned long frameMs) {
    unsigned long frames = frameMs ? 1500 / frameMs : 20;
    if (frames <= 20) frames = 20;
    int step = (int)(100 / frames);
    return step < 3 ? 3 : step;
}

std::vector<int> FadePercents(int step) {
    std::vector<int> percents;
    if (step <= 0) step = 3;
    for (int p = 0; p < 100; p += step) percents.push_back(p);
    return percents;
}
