// The tray icon's date picture and tip.
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "app/TrayIconImage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_LanguageTable.RemoveAll();
        LoadBuiltinOnly();
    }
    static void LoadBuiltinOnly() {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    }
};

// Counts the pixels of a colour in a 16 x 16 bitmap.
int CountPixels(HDC dc, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (::GetPixel(dc, x, y) == colour) ++n;
    return n;
}
}  // namespace

TEST_F(TrayIconTest, TipForFriday7March2014) {
    g_LanguageTable.SetAt(20223, L"Mar.");
    g_LanguageTable.SetAt(20123, L"Fri.");
    CString tip = MakeTrayTip(L"Kim", 2014, 3, 7, 6);
    EXPECT_EQ(tip, CString(L"User: Kim\nZorel ver 3.1.1\n07-Mar.-2014 Fri."));
}

TEST_F(TrayIconTest, EveryDateMarker) {
    CString text = FormatTrayDateText(L"#VER#|#Y#|#y#|#M#|#m#|#MM#|#mm#|#D#|#d#|#W#|#w#", 2009, 3, 7, 7);
    EXPECT_EQ(text, CString(L"3.1.1|2009|9|03|3|March|Mar|07|7|Saturday|Sat"));
}

TEST_F(TrayIconTest, TipIsCutToWhatTheRecordHolds) {
    CString longName(L'x', 300);
    EXPECT_EQ(MakeTrayTip(longName, 2014, 3, 7, 6).GetLength(), 127);
}

TEST_F(TrayIconTest, ColoursByWeekdayAndHoliday) {
    EXPECT_EQ(GetTrayDateTextColor(1), RGB(255, 0, 0));
    EXPECT_EQ(GetTrayDateTextColor(7), RGB(60, 60, 255));
    for (int weekday = 2; weekday <= 6; ++weekday) EXPECT_EQ(GetTrayDateTextColor(weekday), RGB(50, 50, 50));
    EXPECT_EQ(GetTrayDateFrameColor(true), RGB(255, 96, 96));
    EXPECT_EQ(GetTrayDateFrameColor(false), RGB(0, 0, 0));
    EXPECT_TRUE(IsTrayHoliday(0x80000000u, 0));
    EXPECT_TRUE(IsTrayHoliday(0, 0x80000001u));
    EXPECT_FALSE(IsTrayHoliday(0x7FFFFFFFu, 0x00000004u));
}

TEST_F(TrayIconTest, DatePictureHasTheFrameAndTheDigits) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    DrawTrayDate(dc, nullptr, 7, GetTrayDateTextColor(1), GetTrayDateFrameColor(true));
    // The frame: all 60 edge pixels light red.
    int edge = 0;
    for (int i = 0; i < 16; ++i) {
        edge += ::GetPixel(dc, i, 0) == RGB(255, 96, 96);
        edge += ::GetPixel(dc, i, 15) == RGB(255, 96, 96);
        if (i > 0 && i < 15) {
            edge += ::GetPixel(dc, 0, i) == RGB(255, 96, 96);
            edge += ::GetPixel(dc, 15, i) == RGB(255, 96, 96);
        }
    }
    EXPECT_EQ(edge, 60);
    // Something of the red digit is drawn inside.
    int inside = 0;
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x) {
            COLORREF c = ::GetPixel(dc, x, y);
            if (c != RGB(255, 255, 255) && GetRValue(c) > GetGValue(c)) ++inside;
        }
    EXPECT_GT(inside, 5);
    EXPECT_EQ(CountPixels(dc, RGB(0, 0, 0)), 0);

    HICON icon = MakeOpaqueIcon(bitmap);
    ::SelectObject(dc, old);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP mask = {};
    ::GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmBitsPixel, 1);  // a real monochrome mask
    EXPECT_EQ(mask.bmWidth, 16);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DestroyIcon(icon);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST_F(TrayIconTest, TipInKoreanFromTheShippedLanguageFile) {
    if (GetACP() != 949) GTEST_SKIP() << "the Korean language file is read in code page 949";
    const char* source = getenv("ZOREL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    CString folder = L"Z:" + AnsiToString(source) + L"\\data\\";
    folder.Replace(L'/', L'\\');
    CString oldFolder = g_ProgramFolder;
    g_ProgramFolder = folder;
    g_Settings.System.language = L"korean";
    LoadLanguageTexts();
    g_ProgramFolder = oldFolder;
    CString tip = MakeTrayTip(L"Kim", 2014, 3, 7, 6);
    EXPECT_EQ(tip, CString(L"\uC0AC\uC6A9\uC790: Kim\nZorel ver 3.1.1\n2014-3\uC6D4-07 \uAE08"));
}
