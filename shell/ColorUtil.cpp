#include "ColorUtil.h"

#include <cmath>

namespace {

BYTE ScaleChannel(BYTE channel, float factor) {
    float value = channel * factor;
    if (!(value > 0.0f)) return 0;
    if (value >= 255.0f) return 255;
    return (BYTE)value;
}

COLORREF ScaleChannels(COLORREF color, float factor) {
    return RGB(ScaleChannel(GetRValue(color), factor), ScaleChannel(GetGValue(color), factor),
               ScaleChannel(GetBValue(color), factor));
}

}  // namespace

COLORREF DarkenColor(COLORREF color, float factor) {
    if (std::isnan(factor) || factor >= 1.0f) factor = 1.0f;
    if (factor <= 0.0f) factor = 0.0f;
    return ScaleChannels(color, factor);
}

COLORREF LightenColor(COLORREF color, float factor) {
    if (std::isnan(factor) || factor <= 1.0f) factor = 1.0f;
    return ScaleChannels(color, factor);
}

COLORREF ScaleColor(COLORREF color, float factor) { return ScaleChannels(color, factor); }

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance, int xOffset, int yOffset) {
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    if (!bitmap) return result;
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) return result;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    const int width = info.bmWidth, height = info.bmHeight;
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = height;  // bottom-up
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = width > 0 && height > 0
                          ? CreateDIBSection(memory, &header, DIB_RGB_COLORS, &bits, nullptr, 0)
                          : nullptr;
    if (!section || !bits) {
        if (section) DeleteObject(section);
        DeleteDC(memory);
        return result;
    }
    HGDIOBJ oldSection = SelectObject(memory, section);
    HDC source = CreateCompatibleDC(memory);
    if (source) {
        HGDIOBJ oldBitmap = SelectObject(source, bitmap);
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        SelectObject(source, oldBitmap);
        DeleteDC(source);
    }
    GdiFlush();

    auto low = [](BYTE c, BYTE t) { return t < c ? c - t : 0; };
    auto high = [](BYTE c, BYTE t) { return c + t <= 255 ? c + t : 255; };
    const int lr = low(GetRValue(transparent), GetRValue(tolerance)), hr = high(GetRValue(transparent), GetRValue(tolerance));
    const int lg = low(GetGValue(transparent), GetGValue(tolerance)), hg = high(GetGValue(transparent), GetGValue(tolerance));
    const int lb = low(GetBValue(transparent), GetBValue(tolerance)), hb = high(GetBValue(transparent), GetBValue(tolerance));

    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        // Bottom-up: image row y is stored height - 1 - y rows from the start.
        const DWORD* row = pixels + (size_t)(height - 1 - y) * (size_t)width;
        int x = 0;
        while (x < width) {
            auto isTransparent = [&](int px) {
                DWORD p = row[px];
                int b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
                return r >= lr && r <= hr && g >= lg && g <= hg && b >= lb && b <= hb;
            };
            while (x < width && isTransparent(x)) ++x;
            int x0 = x;
            while (x < width && !isTransparent(x)) ++x;
            if (x > x0) {
                HRGN run = CreateRectRgn(xOffset + x0, yOffset + y, xOffset + x, yOffset + y + 1);
                CombineRgn(result, result, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    SelectObject(memory, oldSection);
    DeleteObject(section);
    DeleteDC(memory);
    return result;
}
