// The off-screen picture that note and button paints share.
#include "ui/PaintBuffer.h"

#include <gtest/gtest.h>

namespace {
SIZE BitmapSize(HDC dc) {
    BITMAP bm = {};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}
}  // namespace

// Each paint gets a picture at least as large as it asks for and a DC in the
// state a fresh one has, whatever the paint before it left behind.
TEST(PaintBuffer, GrowsAndStartsEveryPaintFromAFreshState) {
    CPaintBuffer buffer;
    HDC dc = buffer.Begin(200, 150);
    ASSERT_NE(dc, nullptr);
    EXPECT_GE(BitmapSize(dc).cx, 200);
    EXPECT_GE(BitmapSize(dc).cy, 150);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(10, 20, 30));
    SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    SetPixel(dc, 5, 5, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    buffer.End();

    struct Case {
        int cx, cy, wantWidth, wantHeight;
    } cases[] = {{50, 40, 200, 150}, {300, 100, 300, 150}, {0, 0, 300, 150}};
    for (const Case& c : cases) {
        dc = buffer.Begin(c.cx, c.cy);
        ASSERT_NE(dc, nullptr) << c.cx;
        EXPECT_EQ(BitmapSize(dc).cx, c.wantWidth) << c.cx;
        EXPECT_EQ(BitmapSize(dc).cy, c.wantHeight) << c.cx;
        EXPECT_EQ(GetBkMode(dc), OPAQUE) << c.cx;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0)) << c.cx;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT)) << c.cx;
        SetBkMode(dc, TRANSPARENT);
        buffer.End();
    }
}
