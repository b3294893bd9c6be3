// The fade window's pixel work: the two-colour tint ramp, the faded image of
// a captured picture at a given percent, and the frame steps of the
// animation. No window needed.
#pragma once

#include <windows.h>

#include <vector>

// Entry d per channel = (A x d + B x (255 - d)) / 256.
std::vector<COLORREF> BuildTintRamp(COLORREF a, COLORREF b);

// Grey index of a pixel: (54 R + 182 G + 19 B) / 256.
int TintIndex(int red, int green, int blue);

// Fades 32-bit pixels (bytes blue, green, red, unused) in place towards the
// ramp at percent p; the fourth byte becomes 0.
void FadePixels(unsigned char* bgrx, size_t pixelCount, int percent,
                const std::vector<COLORREF>& ramp);

// Step in percent so the whole fade takes about 1.5 s: frames = 1500 / the
// first frame's milliseconds (20 when that is 0 or gives 20 or fewer), step =
// 100 / frames, at least 3.
int FadeStepForFrameTime(unsigned long frameMs);

// The percents shown: 0, step, 2 step ... while below 100.
std::vector<int> FadePercents(int step);

const int FADE_STILL_PERCENT = 64;  // the one image shown without animation
