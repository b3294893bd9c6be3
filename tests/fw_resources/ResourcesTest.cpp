// The program's resource script: images at the sizes the drawing code
// assumes, strips that cut into whole cells, the icon, cursors and the
// common-controls manifest.
#include "fw/AfxWin.h"
#include "fw/GdiPlusImage.h"
#include "notes/NoteIds.h"
#include "res/resource.h"
#include "ui/ControlIds.h"
#include "ui/ShareButtonEx.h"
#include "ui/ShareCheckButton.h"

#include <gtest/gtest.h>


namespace {

class GdiPlus : public ::testing::Test {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token); }
    ULONG_PTR token = 0;
};

TEST_F(GdiPlus, PngImagesHaveTheirFixedSizes) {
    struct Case {
        UINT id;
        UINT width, height;
    } cases[] = {
        {262, 264, 338}, {279, 307, 307}, {297, 52, 26}, {289, 216, 39}, {290, 240, 30}, {300, 48, 48},
        {366, 467, 26},  {368, 493, 312}, {280, 15, 15}, {283, 28, 14},  {308, 32, 16},
    };
    for (const Case& c : cases) {
        auto image = LoadImageResource(c.id);
        ASSERT_NE(image, nullptr) << c.id;
        EXPECT_EQ(image->GetWidth(), c.width) << c.id;
        EXPECT_EQ(image->GetHeight(), c.height) << c.id;
    }
}

TEST_F(GdiPlus, EveryImageTheProgramAddressesByNumberLoads) {
    // The skin image numbers, the action icons and the built-in backgrounds.
    UINT ids[] = {205, 239, 241, 242, 246, 247, 259, 260, 264, 270, 281, 291, 292, 293, 294, 295, 296, 299,
                  301, 309, 310, 311, 312, 313, 314, 315, 316, 317, 318, 319, 320, 321, 330, 333, 334, 335,
                  337, 338, 339, 340};
    for (UINT id : ids) EXPECT_NE(LoadImageResource(id), nullptr) << id;
    for (UINT id = 341; id <= 364; ++id) EXPECT_NE(LoadImageResource(id), nullptr) << id;
}

// Each strip against the control that cuts it: the cell size the control
// asks for, and as many cells as the pictures it draws need. A strip shorter
// than that leaves the control's last buttons blank.
TEST(Resources, EveryStripHoldsTheCellsItsControlDraws) {
    const COLORREF magenta = RGB(255, 0, 255);
    struct Case {
        const char* control;
        UINT id;
        int cellWidth, cellHeight, cells;
        bool masked;  // magenta is transparent: every cell must hold a picture
    } cases[] = {
        {"note push buttons", IDB_SHARE_BUTTON_STRIP, CShareButtonEx::CellWidth, CShareButtonEx::CellHeight,
         CShareButtonEx::CellsPerImage * NoteButtonImageCount, true},
        {"note check buttons", IDB_SHARE_CHECK_STRIP, CShareCheckButton::CellWidth, CShareCheckButton::CellHeight,
         CShareCheckButton::CellsPerImage * NoteCheckImageCount, true},
        {"font list's TrueType mark", IDB_TRUETYPE_MARK, 15, 13, 1, false},
        {"grid sort arrows", IDB_GRID_SORT_ARROWS, 15, 9, 2, true},
        {"group manager's ticks", IDB_TICKS, 24, 20, 2, true},
        {"restore list", IDB_RESTORE_FILES, 14, 16, 2, true},
        {"friend list", IDB_FRIENDS, 16, 16, 4, true},
        {"listen button", IDB_LISTEN, 20, 20, 4, true},
        {"alarm kinds", IDB_ALARM_KINDS, 24, 20, 25, true},
        {"anniversary kinds", IDB_DAY_KINDS, 20, 20, 6, true},
        {"file server start", IDB_SHARE_START, 88, 48, 3, true},
        {"file server stop", IDB_SHARE_STOP, 71, 38, 3, true},
        {"vault key button", IDB_VAULT_KEY, 26, 26, 4, true},
        {"vault restart button", IDB_VAULT_RESTART, 30, 30, 4, true},
        {"done check", IDB_DONE_CHECK, 16, 16, 3, true},
        {"tray date", IDB_TRAY_DATE, 16, 16, 1, false},
        {"spotlight texture", IDB_GREY_NOISE, 126, 126, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(c.id)) << c.id;
        EXPECT_EQ(bitmap.GetSize(), CSize(c.cellWidth * c.cells, c.cellHeight)) << c.id;
        CImageList list;
        ASSERT_TRUE(list.Create(c.id, c.cellWidth, 1, magenta)) << c.id;
        EXPECT_EQ(list.GetImageCount(), c.cells) << c.id;
        if (!c.masked) continue;
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, (HBITMAP)bitmap);
        for (int cell = 0; cell < c.cells; ++cell) {
            int drawn = 0;
            for (int y = 0; y < c.cellHeight; ++y)
                for (int x = 0; x < c.cellWidth; ++x) drawn += ::GetPixel(dc, cell * c.cellWidth + x, y) != magenta;
            EXPECT_GT(drawn, 0) << c.id << " cell " << cell << " is empty";
        }
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
}

TEST(Resources, IconCursorsAndManifest) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HICON big = (HICON)::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 32, 32, 0);
    HICON small = (HICON)::LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0);
    EXPECT_NE(big, nullptr);
    EXPECT_NE(small, nullptr);
    for (UINT id : {287u, 322u, 323u}) EXPECT_NE(::LoadIconW(instance, MAKEINTRESOURCEW(id)), nullptr) << id;
    for (UINT id = 249; id <= 255; ++id) EXPECT_NE(::LoadCursorW(instance, MAKEINTRESOURCEW(id)), nullptr) << id;

    // The manifest asks for common controls 6.
    ASSERT_NE(::FindResourceW(instance, MAKEINTRESOURCEW(1), (LPCWSTR)RT_MANIFEST), nullptr);
    AfxInitCommonControls();
    HMODULE comctl = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    // The side-by-side copy of version 6 is the one loaded (Wine's copy
    // reports 5.81 from DllGetVersion, so the path is the witness).
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(comctl, path, MAX_PATH);
    CString loaded = path;
    loaded.MakeLower();
    EXPECT_NE(loaded.Find(L"common-controls"), -1) << loaded;
    EXPECT_NE(loaded.Find(L"_6.0."), -1) << loaded;
}

}  // namespace
