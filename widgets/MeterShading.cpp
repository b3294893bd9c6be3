#include "widgets/MeterShading.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

namespace {

const double kPi = 3.14159265358979;

// Layers beyond these add nothing that can be seen and only cost time; a
// skin with an absurd width or radius must not stall the window.
const int kMaxLineLayers = 256;
const int kMaxBallLayers = 4096;

BYTE Shade(double s, BYTE channel) { return (BYTE)(int)(s * channel); }

}  // namespace

void DrawLine3D(Gdiplus::Graphics& graphics, const Gdiplus::PointF* points, int count, float width, BYTE red,
                BYTE green, BYTE blue, BYTE alpha) {
    if (!points || count < 2 || !std::isfinite(width)) return;
    int layers = (int)std::floor(std::min((double)width, (double)kMaxLineLayers) + 0.5);
    for (int i = 1; i <= layers; ++i) {
        double s = std::sin(i * kPi / 2 / layers);
        Gdiplus::Pen pen(Gdiplus::Color(alpha, Shade(s, red), Shade(s, green), Shade(s, blue)), width - (i - 1));
        graphics.DrawLines(&pen, points, count);
    }
}

void DrawEllipse3D(Gdiplus::Graphics& graphics, float x, float y, float radius, BYTE red, BYTE green, BYTE blue,
                   BYTE alpha) {
    if (!std::isfinite(radius)) return;
    int layers = (int)std::min((double)radius, (double)kMaxBallLayers);
    for (int t = 1; t <= layers; ++t) {
        double s = std::sin(t * kPi / 2 / layers);
        Gdiplus::SolidBrush brush(Gdiplus::Color(alpha, Shade(s, red), Shade(s, green), Shade(s, blue)));
        float d = radius - (t - 1);
        graphics.FillEllipse(&brush, x - d, y - d, 2 * d, 2 * d);
    }
}
