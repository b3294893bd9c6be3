// Helpers of the meter tests: synthetic picture strips with one colour per
// cell, a measure whose value the test sets, a host whose loading frame the
// test sets, and meters made and configured from a list of keys.
#pragma once

#include "SkinTestSupport.h"

#include "widgets/Measure.h"
#include "widgets/Meter.h"
#include "widgets/MeterFactory.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Opaque cell colours, cell i of a strip gets kCell[i].
extern const DWORD kCell[12];
const DWORD kClear = 0x00000000;

// A 24-bit BMP file of cells side by side (or one under the other), each
// cellW x cellH and filled with its colour.
std::string StripBmp(const std::vector<DWORD>& colours, int cellW, int cellH, bool vertical = false);
// A picture of w x h given pixel by pixel.
std::string PictureBmp(int w, int h, DWORD (*pixel)(int x, int y));

class TestMeasure : public CMeasure {
public:
    TestMeasure(double value, double minimum = 0.0, double maximum = 1.0) {
        m_Value = value;
        m_MinValue = minimum;
        m_MaxValue = maximum;
    }
    bool Update() override { return true; }
    void Set(double value) { m_Value = value; }
};

class FrameHost : public FakeHost {
public:
    FrameHost(int width, int height) : FakeHost(width, height) {}
    int GetLoadingFrame() const override { return frame; }
    void Clear();
    int frame = 0;
};

typedef std::initializer_list<std::pair<const wchar_t*, CString>> Keys;

// A meter of the DrawType configured with the keys, as the host makes it.
std::unique_ptr<CMeter> MakeMeter(const wchar_t* drawType, ISkinHost* host, Keys keys);
