// Shaded drawing shared by the shape meters and the biorhythm meter: a line
// and a ball drawn in layers from a dark rim to the full colour, which gives
// them a rounded, lit look.
#pragma once

#include <windows.h>

namespace Gdiplus {
class Graphics;
class PointF;
}  // namespace Gdiplus

// The polyline drawn n times (n = width rounded half up), from the full
// width in the darkest shade down to a narrow line in the full colour.
void DrawLine3D(Gdiplus::Graphics& graphics, const Gdiplus::PointF* points, int count, float width, BYTE red,
                BYTE green, BYTE blue, BYTE alpha);

// Concentric discs from the darkest outer ring to the full colour in the
// middle. A radius below 1 draws nothing.
void DrawEllipse3D(Gdiplus::Graphics& graphics, float x, float y, float radius, BYTE red, BYTE green, BYTE blue,
                   BYTE alpha);
