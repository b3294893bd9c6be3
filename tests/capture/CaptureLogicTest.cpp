// The capture's decisions without a window: zooms, the ruler's scale, the
// colour text, clicks and drags, the panel, note rectangles, names and
// formats of saved pictures and the sliding effect.
#include "TestFiles.h"
#include "tools/CaptureLogic.h"

#include <gtest/gtest.h>

using namespace CaptureLogic;

TEST(CaptureLogicTest, KeysChooseTheZoomOfEachMode) {
    struct Case {
        int mode;
        int none, ctrl, shift, both;
    };
    const Case cases[] = {
        {modeRegion, 1, 2, 4, 8},
        {modeRuler, 1, 2, 4, 8},
        {modeColorPicker, 8, 2, 4, 16},
        {modeZoom, 2, 4, 8, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(c.none, ZoomForKeys(c.mode, false, false));
        EXPECT_EQ(c.ctrl, ZoomForKeys(c.mode, true, false));
        EXPECT_EQ(c.shift, ZoomForKeys(c.mode, false, true));
        EXPECT_EQ(c.both, ZoomForKeys(c.mode, true, true));
    }
    // The picker's cursor shows its zoom.
    EXPECT_EQ(251u, CursorFor(modeColorPicker, 2));
    EXPECT_EQ(255u, CursorFor(modeColorPicker, 4));
    EXPECT_EQ(254u, CursorFor(modeColorPicker, 8));
    EXPECT_EQ(253u, CursorFor(modeColorPicker, 16));
    EXPECT_EQ(252u, CursorFor(modeRuler, 1));
    EXPECT_EQ(250u, CursorFor(modeWindow, 1));
}

TEST(CaptureLogicTest, MagnifiersShowTheirSquareOfScreen) {
    struct Case {
        int zoom, source, side;
    };
    for (const Case& c : {Case{8, 6, 50}, Case{4, 6, 24}, Case{2, 12, 24}, Case{1, 0, 0}}) {
        Magnifier m = RegionMagnifier(c.zoom);
        EXPECT_EQ(c.source, m.source) << c.zoom;
        EXPECT_EQ(c.side, m.side) << c.zoom;
    }
    EXPECT_EQ(12, PickerSource(16));
    EXPECT_EQ(24, PickerSource(8));
    EXPECT_EQ(50, PickerSource(4));
    EXPECT_EQ(100, PickerSource(2));
    EXPECT_EQ(400, ZoomViewSource(2));
    EXPECT_EQ(50, ZoomViewSource(16));
    EXPECT_EQ(800, RulerSource(1));
    EXPECT_EQ(100, RulerSource(8));
}

TEST(CaptureLogicTest, RulerTicksAndLabelsByZoom) {
    struct Case {
        int zoom;
        int step;              // tick every
        int longest, tens;     // multiples giving 13 and 7 pixels
        int labelEvery, lastLabel, labelStep;
    };
    const Case cases[] = {
        {1, 2, 100, 10, 50, 800, 50},
        {2, 2, 100, 10, 50, 400, 25},
        {4, 4, 200, 20, 40, 200, 10},
        {8, 8, 400, 40, 80, 100, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        std::vector<RulerTick> ticks = RulerTicks(c.zoom);
        ASSERT_EQ((size_t)(800 / c.step + 1), ticks.size());
        std::vector<int> labels;
        for (const RulerTick& t : ticks) {
            EXPECT_EQ(0, t.offset % c.step);
            int expected = t.offset % c.longest == 0 ? 13 : t.offset % (c.longest / 2) == 0 ? 10
                           : t.offset % c.tens == 0 ? 7 : 3;
            EXPECT_EQ(expected, t.length) << t.offset;
            EXPECT_EQ(t.offset % c.labelEvery == 0, t.labelled) << t.offset;
            if (t.labelled) labels.push_back(t.label);
        }
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(0, labels.front());
        EXPECT_EQ(c.lastLabel, labels.back());
        EXPECT_EQ(c.labelStep, labels[1] - labels[0]);
    }
}

TEST(CaptureLogicTest, ColourTextInDecimalAndLowerCaseHex) {
    EXPECT_EQ(CString(L"RGB(10,5,255) #0a05ff"), ColorText(10, 5, 255));
    EXPECT_EQ(CString(L"RGB(0,0,0) #000000"), ColorText(0, 0, 0));
    EXPECT_EQ(CString(L"RGB(171,205,239) #abcdef"), ColorText(171, 205, 239));
}

TEST(CaptureLogicTest, AReleaseWithinFourPixelsIsAClick) {
    struct Case {
        POINT press, release;
        bool drag;
    };
    const Case cases[] = {
        {{100, 100}, {100, 100}, false}, {{100, 100}, {104, 100}, false}, {{100, 100}, {102, 98}, false},
        {{100, 100}, {105, 100}, true},  {{100, 100}, {97, 102}, true},   {{100, 100}, {100, 95}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.drag, IsDrag(c.press, c.release)) << c.release.x << "," << c.release.y;
}

TEST(CaptureLogicTest, PanelHitBoxes) {
    POINT anchor = {300, 40};
    struct Case {
        int x, y;
        PanelHitKind kind;
        int value;
    };
    const Case cases[] = {
        {18, 20, hitOutput, 0},     {140, 39, hitOutput, 0},  {60, 45, hitOutput, 1},   {60, 65, hitOutput, 2},
        {60, 99, hitOutput, 3},     {17, 110, hitPreference, 0}, {140, 122, hitPreference, 0},
        {60, 140, hitMode, modeRegion}, {60, 165, hitMode, modeWindow}, {60, 199, hitMode, modeControl},
        {17, 30, hitNone, 0},       {141, 30, hitNone, 0},    {60, 10, hitNone, 0},     {60, 125, hitNone, 0},
        {60, 200, hitNone, 0},      {16, 110, hitNone, 0},
    };
    for (const Case& c : cases) {
        PanelHit hit = HitPanel({anchor.x + c.x, anchor.y + c.y}, anchor);
        EXPECT_EQ(c.kind, hit.kind) << c.x << "," << c.y;
        EXPECT_EQ(c.value, hit.value) << c.x << "," << c.y;
    }
}

TEST(CaptureLogicTest, NoteRectangleAroundTheCapturedPicture) {
    struct Case {
        CRect region;
        POINT origin;
        bool made;
        CRect note;
    };
    const Case cases[] = {
        // 10 pixels high at the very top: moved down to 17, then the frame
        // puts its top 4 above the screen; 40 high is raised to 42 and the
        // width to 125.
        {CRect(0, 0, 50, 10), {0, 0}, true, CRect(-6, -4, 119, 38)},
        // The same on a virtual screen that starts left of and above the primary.
        {CRect(0, 0, 50, 10), {-1280, -200}, true, CRect(-1286, -204, -1161, -162)},
        {CRect(100, 200, 400, 500), {0, 0}, true, CRect(94, 179, 405, 509)},
        {CRect(400, 500, 100, 200), {0, 0}, true, CRect(94, 179, 405, 509)},
        {CRect(100, 100, 100, 300), {0, 0}, false, CRect()},
        {CRect(), {0, 0}, false, CRect()},
    };
    for (const Case& c : cases) {
        CRect note;
        ASSERT_EQ(c.made, NoteRectFor(c.region, c.origin, 125, 42, note)) << c.region.left;
        if (c.made) {
            EXPECT_TRUE(note == c.note) << note.left << " " << note.top << " " << note.right << " " << note.bottom;
        }
    }
    CRect top;
    ASSERT_TRUE(NoteRectFor(CRect(0, 0, 50, 10), {0, 0}, 125, 42, top));
    EXPECT_EQ(42, top.Height());
    EXPECT_GE(top.Width(), 125);
}

TEST(CaptureLogicTest, WindowRegionIsInOverlayCoordinatesAndClipped) {
    CRect screen(-300, -100, 1500, 900);
    struct Case {
        CRect window, region;
    };
    const Case cases[] = {
        {CRect(0, 0, 200, 100), CRect(300, 100, 500, 200)},
        {CRect(-400, -150, -200, 0), CRect(0, 0, 100, 100)},
        {CRect(1400, 800, 1700, 1000), CRect(1700, 900, 1800, 1000)},
        {CRect(2000, 0, 2100, 50), CRect()},
    };
    for (const Case& c : cases) {
        CRect region = WindowRegion(c.window, screen, screen.Width(), screen.Height());
        EXPECT_TRUE(region == c.region) << region.left << " " << region.top << " " << region.right << " " << region.bottom;
    }
}

TEST(CaptureLogicTest, NamesAndFormatsOfSavedPictures) {
    EXPECT_EQ(CString(L"20140209153007"), NameStamp(MakeSystemTime(2014, 2, 9, 15, 30, 7)));
    EXPECT_EQ(CString(L"20991231235959"), NameStamp(MakeSystemTime(2099, 12, 31, 23, 59, 59)));

    struct Format {
        const wchar_t* stored;
        const wchar_t* mime;
        int quality, filter, list;
    };
    const Format formats[] = {
        {L"png", L"image/png", 0, 1, 0},
        {L"jpg", L"image/jpeg", 95, 2, 1},
        {L"bmp", L"image/bmp", 0, 3, 2},
    };
    for (const Format& f : formats) {
        EXPECT_EQ(CString(f.mime), MimeForFormat(f.stored));
        EXPECT_EQ(f.quality, QualityForFormat(f.stored));
        EXPECT_EQ(f.filter, FilterIndexForFormat(f.stored));
        EXPECT_EQ(f.list, ListIndexForFormat(f.stored));
        EXPECT_EQ(CString(f.stored), FormatForListIndex(f.list));
    }

    struct Chosen {
        const wchar_t* name;
        bool accepted;
        const wchar_t* format;
    };
    const Chosen chosen[] = {
        {L"C:\\a\\shot.jpg", true, L"jpg"},  {L"C:\\a\\SHOT.PNG", true, L"png"},
        {L"C:\\a\\shot.Jpeg", true, L"jpg"}, {L"C:\\a\\shot.bmp", true, L"bmp"},
        {L"C:\\a\\shot.gif", false, L"kept"}, {L"C:\\a.b\\shot", false, L"kept"},
        {L"C:\\a\\shot.", false, L"kept"},
    };
    for (const Chosen& c : chosen) {
        CString format = L"kept";
        EXPECT_EQ(c.accepted, FormatOfFileName(c.name, format)) << CStringA(c.name).GetString();
        EXPECT_EQ(CString(c.format), format);
    }
}

TEST(CaptureLogicTest, SlidingEffectLasts) {
    // 1000 x 600 from the origin: the far corner is 583 away, so 300 ms.
    EXPECT_EQ(300, FlyAwayDuration(CRect(0, 0, 1000, 600), {1000, 600}, 1920, 1080));
    // Far on a large screen: half the distance.
    EXPECT_EQ(894, FlyAwayDuration(CRect(0, 0, 3200, 1600), {3200, 1600}, 7680, 4320));
    // The target stays 35 and 25 pixels inside the screen copy.
    CRect last = FlyAwayFrame(CRect(0, 0, 1920, 1080), {1920, 1080}, 1920, 1080, 300, 300);
    EXPECT_EQ(1885, last.left);
    EXPECT_EQ(1055, last.top);
    EXPECT_EQ(0, last.Width());
    CRect first = FlyAwayFrame(CRect(100, 100, 300, 200), {300, 200}, 1920, 1080, 0, 300);
    EXPECT_TRUE(first == CRect(100, 100, 300, 200));
}
