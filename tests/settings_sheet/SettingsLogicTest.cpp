// The settings pages' decisions without windows: the start-up Run value, the
// language list and the colour preview's pixels in an off-screen DC.
#include "ScratchFolder.h"
#include "app/ColorSampleDlg.h"
#include "app/ProgramSetLogic.h"
#include "shell/ColorUtil.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const wchar_t kModule[] = L"C:\\Program Files\\Zorel\\Zorel.exe";
}

TEST(RunValueTest, OwnValueIsRecognisedWithOrWithoutQuotesAndSuffix) {
    struct Case {
        const wchar_t* value;
        bool own;
    } cases[] = {
        {L"\"C:\\Program Files\\Zorel\\Zorel.exe\" /login", true},
        {L"\"C:\\Program Files\\Zorel\\Zorel.exe\"", true},
        {L"C:\\Program Files\\Zorel\\Zorel.exe /login", true},
        {L"C:\\Program Files\\Zorel\\Zorel.exe", true},
        {L"\"C:\\Other\\Zorel.exe\" /login", false},
        {L"\"c:\\program files\\zorel\\zorel.exe\" /login", false},  // compared exactly
        {L"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsOwnRunValue(c.value, kModule), c.own) << (const wchar_t*)c.value;
}

TEST(RunValueTest, OnlyAnEmptyValueOrExactlyOursMayBeDeleted) {
    EXPECT_EQ(MakeRunValue(kModule), L"\"C:\\Program Files\\Zorel\\Zorel.exe\" /login");
    struct Case {
        const wchar_t* found;
        bool deletable;
    } cases[] = {
        {L"", true},
        {L"\"C:\\Program Files\\Zorel\\Zorel.exe\" /login", true},
        {L"C:\\Program Files\\Zorel\\Zorel.exe", false},  // recognised as ours, yet not written by us
        {L"\"C:\\Other\\Zorel.exe\" /login", false},
    };
    for (const Case& c : cases) EXPECT_EQ(MayDeleteRunValue(c.found, kModule), c.deletable) << (const wchar_t*)c.found;
}

TEST(LanguageListTest, TextFilesWithoutTheirExtension) {
    CScratchFolder folder(L"languages");
    folder.Write(L"english.txt", "x");
    folder.Write(L"korean.txt", "x");
    folder.Write(L".txt", "x");  // nothing left once the extension is cut
    folder.Write(L"notes.md", "x");
    folder.MakeFolder(L"old.txt");
    std::vector<CString> names = ListLanguageNames(folder.Path());
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    EXPECT_EQ(names, (std::vector<CString>{L"english", L"korean"}));
    EXPECT_TRUE(ListLanguageNames(folder.Path() + L"missing\\").empty());
}

namespace {
// The preview painted into a fresh 32-bit bitmap.
class SamplePicture {
public:
    SamplePicture(int width, int height, COLORREF color) : m_width(width), m_height(height) {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        RECT client = {0, 0, width, height};
        CColorSampleDlg::Paint(m_dc, client, color);
    }
    ~SamplePicture() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};
}  // namespace

TEST(ColorSampleTest, PixelsFollowTheShadesOfTheColour) {
    const COLORREF c = RGB(0x80, 0x60, 0x40);
    SamplePicture p(60, 50, c);
    const int w = p.Width(), h = p.Height(), mid = w / 2;
    const COLORREF body = LightenColor(c, 1.2f);
    struct Case {
        int x, y;
        COLORREF expected;
        const char* what;
    } cases[] = {
        {0, 0, ScaleColor(c, 1.3f), "left edge, top"},
        {0, 15, ScaleColor(c, 1.3f), "left edge, row 15"},
        {0, 16, ScaleColor(c, 0.55f), "left edge, row 16"},
        {w - 1, 8, ScaleColor(c, 0.55f), "last column"},
        {w - 2, 0, ScaleColor(c, 1.3f), "column before it, top"},
        {w - 2, 8, ScaleColor(c, 0.85f), "column before it, middle"},
        {w - 2, 16, ScaleColor(c, 0.55f), "column before it, row 16"},
        {mid, 0, ScaleColor(c, 1.3f), "title, row 0"},
        {mid, 1, ScaleColor(c, 1.075f), "title, row 1"},
        {mid, 14, ScaleColor(c, (float)(1 + 7 * (0.15 / 14) - 13 * (0.15 / 14))), "title, row 14"},
        {mid, 15, ScaleColor(c, 0.85f), "title, row 15"},
        {mid, 16, ScaleColor(c, 0.55f), "title, row 16"},
        {mid, 30, body, "body"},
        {2, h - 7, ScaleColor(c, 0.8f), "left corner mark, top"},
        {5, h - 4, ScaleColor(c, 0.8f), "left corner mark, tip"},
        {5, h - 5, body, "beside the left mark"},
        {w - 4, h - 7, ScaleColor(c, 0.8f), "right corner mark, top"},
        {w - 7, h - 4, ScaleColor(c, 0.8f), "right corner mark, tip"},
        {mid, 17, ScaleColor(c, 1.5f), "frame, light edge"},
        {mid, h - 1, ScaleColor(body, 0.5f), "frame, dark edge"},
    };
    for (const Case& k : cases) EXPECT_EQ(p.At(k.x, k.y), k.expected) << k.what;
}

TEST(ColorSampleTest, PureWhiteStillShowsItsTitleStrip) {
    SamplePicture p(60, 50, RGB(255, 255, 255));
    const COLORREF body = p.At(30, 30);
    EXPECT_EQ(p.At(30, 1), RGB(255, 255, 255));  // capped, not wrapped round
    EXPECT_NE(p.At(30, 15), body);
    EXPECT_NE(p.At(30, 16), body);
    EXPECT_NE(p.At(59, 8), body);
}
