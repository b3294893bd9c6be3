#include "ui/StaticCounterLogic.h"

#include <gtest/gtest.h>

TEST(StaticCounterLogic, SegmentSizesFromHeight) {
    struct Case { int bottom; BYTE panel; int t, L; } cases[] = {
        {30, 0, 1, 10},
        {10, 0, 1, 3},   // 0.6 is raised to 1
        {100, 0, 6, 35},
        {40, 1, 1, 11},  // the bottom panel takes 10 - 2 pixels: H = 32
        {1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        CStaticCounterLogic k;
        k.m_bBottomPanel = c.panel;
        k.ComputeGeometry(c.bottom);
        EXPECT_EQ(c.t, k.m_nSegOffset) << c.bottom;
        EXPECT_EQ(c.t, k.m_nPenWidth) << c.bottom;
        EXPECT_EQ(c.L, k.m_nSegLength) << c.bottom;
    }
}

TEST(StaticCounterLogic, GeometryIsComputedOnce) {
    CStaticCounterLogic k;
    k.ComputeGeometry(30);
    k.ComputeGeometry(100);  // a resize after the first paint
    EXPECT_EQ(1, k.m_nSegOffset);
    EXPECT_EQ(10, k.m_nSegLength);
}

TEST(StaticCounterLogic, AdvanceAroundAColon) {
    CStaticCounterLogic k;
    k.ComputeGeometry(30);  // t = 1, L = 10
    k.m_strText = _T("12:05");
    auto cells = k.Layout();
    ASSERT_EQ(5u, cells.size());
    EXPECT_EQ(2, cells[0].x);
    EXPECT_EQ(2 + 14, cells[1].x);       // L + 4t
    EXPECT_EQ(16 + 11, cells[2].x);      // the colon: t + L
    EXPECT_EQ(27 + 11, cells[3].x);      // after the colon: L + 1
    EXPECT_EQ(38 + 14, cells[4].x);
    EXPECT_EQ(CStaticCounterLogic::CodeColon, cells[2].code);
    EXPECT_FALSE(cells[2].unlit);        // no dim 8 behind a colon
    EXPECT_TRUE(cells[0].unlit);
    EXPECT_EQ(96, cells[0].code);
    EXPECT_EQ(252, cells[3].code);
}

TEST(StaticCounterLogic, PadWidthPutsBlanksInFront) {
    CStaticCounterLogic k;
    k.ComputeGeometry(30);
    k.m_nPadWidth = 3;
    k.m_strText = _T("7");
    auto cells = k.Layout();
    ASSERT_EQ(3u, cells.size());
    EXPECT_EQ(0, cells[0].code);
    EXPECT_TRUE(cells[0].unlit);
    EXPECT_EQ(0, cells[1].code);
    EXPECT_EQ(224, cells[2].code);
    k.m_nPadWidth = 100;  // at most 40 blanks
    EXPECT_EQ(41, k.PaddedText().GetLength());
}

TEST(StaticCounterLogic, StrokesOfCodes) {
    CStaticCounterLogic k;
    k.ComputeGeometry(30);
    EXPECT_EQ(7u, k.Strokes(CStaticCounterLogic::CodeAllUnlit, 0).size());
    EXPECT_EQ(6u, k.Strokes(CStaticCounterLogic::CharCode(L'0'), 0).size());
    EXPECT_EQ(2u, k.Strokes(CStaticCounterLogic::CharCode(L'1'), 0).size());
    auto top = k.Strokes(0x80, 5);
    ASSERT_EQ(1u, top.size());
    EXPECT_EQ((CStaticCounterLogic::Stroke{7, 2, 15, 2}), top[0]);
    auto point = k.Strokes(CStaticCounterLogic::CodePoint, 0);
    ASSERT_EQ(1u, point.size());
    EXPECT_EQ((CStaticCounterLogic::Stroke{2, 25, 5, 25}), point[0]);
    EXPECT_EQ(2u, k.Strokes(CStaticCounterLogic::CodeColon, 0).size());
    EXPECT_EQ(0, CStaticCounterLogic::CharCode(L' '));
    EXPECT_EQ(0, CStaticCounterLogic::CharCode(L'A'));
}

TEST(StaticCounterLogic, UnlitColour) {
    CStaticCounterLogic k;
    EXPECT_EQ(RGB(33, 85, 33), k.UnlitColor());
    k.m_bOwnUnlitColor = 1;
    k.m_crUnlit = RGB(40, 0, 0);
    EXPECT_EQ(RGB(40, 0, 0), k.UnlitColor());
}

TEST(StaticCounterLogic, ClickAtTheMinimumStaysAndShowsFormat) {
    CStaticCounterLogic k;
    k.OnButtonDown(true, 5);
    EXPECT_TRUE(k.OnButtonUp(true));
    EXPECT_FLOAT_EQ(0.0f, k.m_fValue);
    EXPECT_EQ(CString(_T("000")), k.m_strText);
    k.OnButtonDown(false, 5);
    k.OnButtonUp(false);
    EXPECT_FLOAT_EQ(1.0f, k.m_fValue);
    EXPECT_EQ(CString(_T("001")), k.m_strText);
}

TEST(StaticCounterLogic, DragsByPixelsAndByHundredths) {
    CStaticCounterLogic k;
    k.OnButtonDown(true, 0);
    k.OnMouseMove(250);
    EXPECT_FLOAT_EQ(100.0f, k.m_fValue);  // clamped at the maximum
    EXPECT_EQ(CString(_T("100")), k.m_strText);
    EXPECT_FALSE(k.OnButtonUp(true));      // a drag is no click
    EXPECT_FLOAT_EQ(100.0f, k.m_fValue);

    CStaticCounterLogic f;
    f.SetFloatText(0, TRUE, _T("%.2f"));
    f.OnButtonDown(false, 0);
    f.OnMouseMove(30);  // 30 pixels: 0.3, not truncated to nothing
    EXPECT_NEAR(0.3, f.m_fValue, 1e-5);
    EXPECT_EQ(CString(_T("0.30")), f.m_strText);
    f.OnMouseMove(20);
    EXPECT_NEAR(0.2, f.m_fValue, 1e-5);
    f.OnButtonUp(false);
    EXPECT_NEAR(0.2, f.m_fValue, 1e-5);
    f.OnButtonDown(false, 0);
    f.OnButtonUp(false);  // a click in float mode steps 0.01
    EXPECT_NEAR(0.21, f.m_fValue, 1e-5);
}

TEST(StaticCounterLogic, NotChangeableKeepsValue) {
    CStaticCounterLogic k;
    k.m_bChangeable = 0;
    k.m_fValue = 5;
    k.OnButtonDown(true, 0);
    k.OnMouseMove(50);
    k.OnButtonUp(true);
    EXPECT_FLOAT_EQ(5.0f, k.m_fValue);
    EXPECT_EQ(0, k.m_bLeftDown);
}

TEST(StaticCounterLogic, OwnerFormatsAreChecked) {
    struct Case { const wchar_t* format; double value; bool floatMode; const wchar_t* expected; } cases[] = {
        {L"%.3d", 7, false, L"007"},
        {L"%.3d", 7.9, true, L"007"},     // an integer format in float mode gets an integer
        {L"%.1f", 7, false, L"7.0"},
        {L"%s", 7, false, L"7"},          // would read a missing string
        {L"%d%d", 7, false, L"7"},        // two conversions, one number
        {L"%n", 7, false, L"7"},
        {L"%*d", 7, false, L"7"},
        {L"", 1.5, true, L"1.50"},
        {L"%5.2f%%", 2.5, true, L" 2.50%"},
        {L"v%02d", 3, false, L"v03"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), CStaticCounterLogic::FormatNumber(c.format, c.value, c.floatMode)) << c.format;
}
