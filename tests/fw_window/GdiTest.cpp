// The GDI wrappers: drawing into a memory DC, selection and ownership.
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Gdi, MemoryDcDrawsAndRestoresItsSelection) {
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
    EXPECT_EQ(bitmap.GetSize(), CSize(20, 10));
    CBitmap* old = dc.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    dc.FillSolidRect(CRect(0, 0, 20, 10), RGB(255, 0, 0));
    dc.FillSolidRect(5, 5, 2, 2, RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(6, 6), RGB(0, 0, 255));

    CPen pen(PS_SOLID, 1, RGB(0, 255, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.MoveTo(0, 9);
    dc.LineTo(20, 9);
    EXPECT_EQ(dc.GetPixel(10, 9), RGB(0, 255, 0));
    EXPECT_EQ(dc.SelectObject(oldPen)->m_hObject, pen.m_hObject);
    EXPECT_EQ(dc.SelectObject(old)->m_hObject, bitmap.m_hObject);
}

TEST(Gdi, FontsRegionsAndBrushes) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
    LOGFONTW lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_LT(lf.lfHeight, 0);  // pixels, character height
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");

    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(20, 0, 30, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(25, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 30, 10));

    CBrush brush(RGB(1, 2, 3));
    LOGBRUSH lb = {};
    ASSERT_TRUE(brush.GetLogBrush(&lb));
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    HGDIOBJ handle = brush.Detach();
    EXPECT_EQ(brush.m_hObject, nullptr);
    EXPECT_TRUE(::DeleteObject(handle));  // detached: ours to delete
}
