// Where drawing landed in an off-screen back buffer: the bounding box of
// the pixels a test picks. Text is checked this way, since the system's
// glyphs differ from machine to machine but their extent does not.
#pragma once

#include "SkinTestSupport.h"

#include <cstdlib>
#include <functional>

struct InkBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
    bool Empty() const { return left > right; }
    int Width() const { return Empty() ? 0 : right - left + 1; }
};

inline InkBox FindInk(const FakeHost& host, const std::function<bool(DWORD)>& pick) {
    InkBox box;
    int w = (int)host.buffer->GetWidth(), h = (int)host.buffer->GetHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pick(host.Pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// Any pixel that is not clear.
inline InkBox FindInk(const FakeHost& host) {
    return FindInk(host, [](DWORD c) { return (c >> 24) != 0; });
}

// Whether a pixel shows the colour at some coverage: glyph edges blend with
// transparency only, never with another colour. A faint pixel reads back
// its colour only roughly (the buffer keeps it premultiplied), so it counts
// from an alpha of 32 on, within a few steps per channel.
inline bool ShowsColour(DWORD pixel, DWORD rgb) {
    if ((pixel >> 24) < 32) return false;
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs((int)((pixel >> shift) & 0xFF) - (int)((rgb >> shift) & 0xFF)) > 4) return false;
    return true;
}

inline InkBox FindColour(const FakeHost& host, DWORD rgb) {
    return FindInk(host, [rgb](DWORD c) { return ShowsColour(c, rgb); });
}

// Pixels of at least that coverage that show another colour.
inline InkBox FindOtherColour(const FakeHost& host, DWORD rgb) {
    return FindInk(host, [rgb](DWORD c) { return (c >> 24) >= 32 && !ShowsColour(c, rgb); });
}

inline void ClearHost(FakeHost& host) {
    Gdiplus::Graphics g(host.buffer.get());
    g.Clear(Gdiplus::Color(0, 0, 0, 0));
}
