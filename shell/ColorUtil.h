// Colour shading and the window region cut from a bitmap by a transparent
// colour. Results of the shading functions have the high byte cleared; each
// channel is multiplied by the factor and truncated toward zero.
#pragma once

#include <windows.h>

// Factors are limited to 0..1 (not-a-number counts as 1).
COLORREF DarkenColor(COLORREF color, float factor);
// Factors of 1 or less (and not-a-number) leave the colour; channels stop at 255.
COLORREF LightenColor(COLORREF color, float factor);
// Any factor; channels stay within 0..255.
COLORREF ScaleColor(COLORREF color, float factor);

// The region of the bitmap's pixels that are not within tolerance of the
// transparent colour, moved by the offsets. Owned by the caller; an empty
// region when the bitmap is null or cannot be read.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance, int xOffset, int yOffset);
