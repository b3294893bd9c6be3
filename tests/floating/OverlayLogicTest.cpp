#include "ui/FadeWndLogic.h"
#include "ui/RaisedWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CZDialog* FakeWindow(int n) { return reinterpret_cast<CZDialog*>((intptr_t)(n * 16)); }

TEST(SpotlightRamp, StartsAt96ThenClimbsHalfAStepPerMillisecond) {
    EXPECT_EQ(SPOTLIGHT_START_ALPHA, 96);
    EXPECT_EQ(SpotlightAlphaAt(10), 69);  // the first 10 ms tick
    EXPECT_EQ(SpotlightAlphaAt(11), 69);
    EXPECT_EQ(SpotlightAlphaAt(100), 114);
    EXPECT_EQ(SpotlightAlphaAt(263), 195);
    EXPECT_EQ(SpotlightAlphaAt(264), 196);  // reached and held
    EXPECT_EQ(SpotlightAlphaAt(100000), 196);
    EXPECT_EQ(SpotlightAlphaAt(0xFFFFFFFFul), 196);  // no overflow past the top
}

TEST(RaisedWindows, OneEntryPerSerialRestoredOnceInSerialOrder) {
    CRaisedWindows raised;
    EXPECT_TRUE(raised.Add(7, FakeWindow(7)));
    EXPECT_FALSE(raised.Add(7, FakeWindow(7)));  // raising twice keeps one entry
    EXPECT_TRUE(raised.Add(3, FakeWindow(3)));
    EXPECT_FALSE(raised.Add(9, nullptr));
    EXPECT_EQ(raised.GetCount(), 2);
    std::vector<CZDialog*> restored;
    raised.Restore([](int, CZDialog*) { return true; }, [&](CZDialog* w) { restored.push_back(w); });
    EXPECT_EQ(restored, (std::vector<CZDialog*>{FakeWindow(3), FakeWindow(7)}));
    EXPECT_EQ(raised.GetCount(), 0);
}

TEST(RaisedWindows, DestroyedWindowsAreSkippedBySerialEvenWhenTheAddressIsReused) {
    CRaisedWindows raised;
    raised.Add(1, FakeWindow(1));
    raised.Add(2, FakeWindow(2));
    raised.Add(4, FakeWindow(4));
    // Window 2 is gone and a new window (serial 5) took its address; 4 is
    // gone entirely.
    auto alive = [](int serial, CZDialog* w) {
        return (serial == 1 && w == FakeWindow(1));
    };
    std::vector<CZDialog*> restored;
    raised.Restore(alive, [&](CZDialog* w) { restored.push_back(w); });
    EXPECT_EQ(restored, std::vector<CZDialog*>{FakeWindow(1)});
}

TEST(FadeWindow, TintRampFromTwoColours) {
    std::vector<COLORREF> grey = BuildTintRamp(RGB(255, 255, 255), RGB(0, 0, 0));
    ASSERT_EQ(grey.size(), 256u);
    EXPECT_EQ(grey[0], RGB(0, 0, 0));
    EXPECT_EQ(grey[128], RGB(127, 127, 127));
    EXPECT_EQ(grey[255], RGB(254, 254, 254));
    std::vector<COLORREF> two = BuildTintRamp(RGB(200, 0, 40), RGB(0, 100, 40));
    EXPECT_EQ(two[0], RGB(0, 99, 39));
    EXPECT_EQ(two[255], RGB(199, 0, 39));
    EXPECT_EQ(two[100], RGB(78, 60, 39));  // (200x100)/256, (100x155)/256, (40x255)/256
}

TEST(FadeWindow, GreyIndexFormula) {
    EXPECT_EQ(TintIndex(255, 255, 255), 254);
    EXPECT_EQ(TintIndex(255, 0, 0), 53);
    EXPECT_EQ(TintIndex(0, 255, 0), 181);
    EXPECT_EQ(TintIndex(0, 0, 255), 18);
    EXPECT_EQ(TintIndex(10, 20, 30), (540 + 3640 + 570) / 256);
}

TEST(FadeWindow, FadedPixels) {
    std::vector<COLORREF> ramp = BuildTintRamp(RGB(255, 255, 255), RGB(0, 0, 0));
    // blue, green, red, x
    unsigned char px[] = {30, 20, 10, 0xFF, 255, 255, 255, 0xFF, 0, 0, 255, 0x7F};
    unsigned char zero[sizeof px];
    memcpy(zero, px, sizeof px);
    // p = 0: every channel becomes value x 255 / 256, the fourth byte 0
    FadePixels(zero, 3, 0, ramp);
    const unsigned char expected0[] = {29, 19, 9, 0, 254, 254, 254, 0, 0, 0, 254, 0};
    EXPECT_EQ(0, memcmp(zero, expected0, sizeof px));
    // p = 64: m = 163, l = 92; pure red has grey index 53, ramp entry 52
    FadePixels(px, 3, 64, ramp);
    EXPECT_EQ(px[2], (92 * 10 + 163 * 17) / 256);  // grey index 18, ramp entry 17
    EXPECT_EQ(px[8 + 2], (92 * 255 + 163 * 52) / 256);
    EXPECT_EQ(px[8 + 1], (163 * 52) / 256);
    EXPECT_EQ(px[4], (92 * 255 + 163 * 253) / 256);
}

TEST(FadeWindow, AnimationStepsAdaptToTheFrameTime) {
    struct { unsigned long ms; int step; } cases[] = {
        {0, 5},     // no time measured: 20 frames
        {75, 5},    // exactly 20 frames
        {100, 5},   // 15 frames count as 20
        {60, 4},    // 25 frames
        {45, 3},    // 33 frames
        {10, 3},    // 150 frames would be steps of 0: at least 3
    };
    for (auto& c : cases) EXPECT_EQ(FadeStepForFrameTime(c.ms), c.step) << c.ms;
    std::vector<int> five = FadePercents(5);
    ASSERT_EQ(five.size(), 20u);
    EXPECT_EQ(five.front(), 0);
    EXPECT_EQ(five.back(), 95);
    EXPECT_EQ(FadePercents(3).back(), 99);
}

}  // namespace
