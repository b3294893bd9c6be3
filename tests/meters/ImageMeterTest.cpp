// Picture, frame-strip, digit-strip and bitmap meters drawn into an
// off-screen back buffer from strips with one colour per cell, so that a
// test reads which cell landed where.
#include "MeterTestSupport.h"

#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterNumImage.h"
#include "widgets/MeterPicture.h"
#include "widgets/SkinDefinition.h"

#include "shell/ProgramFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

GdiplusSession g_Gdiplus;

CString Num(int n) {
    CString s;
    s.Format(L"%d", n);
    return s;
}

struct ImageMeters : ::testing::Test {
    CScratchFolder folder{L"meters"};
    FrameHost host{140, 140};
    // Ten 6 x 8 cells for the digit strips and frame strips.
    CString strip = folder.Write(L"strip.bmp", StripBmp({kCell, kCell + 10}, 6, 8));
};

TEST_F(ImageMeters, EveryKindIsMadeByItsDrawTypeAndConvertedFromXml) {
    const struct {
        const wchar_t* drawType;
        const char* xmlType;
        MeterKind kind;
    } kinds[] = {
        {L"IMAGE", "Image", METER_IMAGE},           {L"FRAMEIMAGE", "FrameImage", METER_FRAMEIMAGE},
        {L"NUMIMAGE", "NumImage", METER_NUMIMAGE},  {L"BITMAP", "Bitmap", METER_BITMAP},
        {L"DRAWOBJECT", "DrawObject", METER_DRAWOBJECT}, {L"ROUNDLINE", "RoundLine", METER_ROUNDLINE},
        {L"ROTATOR", "Rotator", METER_ROTATOR},
    };
    for (const auto& k : kinds) {
        std::unique_ptr<CMeter> meter(CreateMeter(k.drawType, &host));
        ASSERT_NE(meter, nullptr) << k.drawType;
        EXPECT_EQ(meter->GetKind(), k.kind) << k.drawType;
        EXPECT_EQ(meter->GetOwner(), &host);

        SkinDefinition skin;
        std::string xml = std::string("<ZorelWidget><Widget Type=\"") + k.xmlType +
                          "\" ID=\"4\"><Origin X=\"3\" Y=\"5\"/></Widget></ZorelWidget>";
        ASSERT_TRUE(skin.LoadXmlText(xml.c_str()));
        CString drawType;
        ASSERT_TRUE(skin.GetSection(0)->Lookup(L"DrawType", drawType)) << k.xmlType;
        EXPECT_EQ(drawType, k.drawType);
        EXPECT_EQ(skin.GetSection(0)->GetInt(L"X", 0), 3) << k.xmlType;
        EXPECT_EQ(skin.GetSection(0)->GetInt(L"ID", 0), 4) << k.xmlType;
    }
}

TEST_F(ImageMeters, XmlPictureAndValueKeys) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Widget Type=\"NumImage\"><Origin X=\"1\" Y=\"2\"/><Size W=\"3\" H=\"4\"/>"
        "<Image Image=\"d.png\" ImageUrl=\"http://x/\" CacheID=\"5\" W=\"6\" Vertical=\"1\"/>"
        "<Value Max=\"60\" Div=\"2\" Revision=\"1\" Cipher=\"3\" Space=\"2\" Default=\"9\"/>"
        "<AlignLeftTop Value=\"0\"/><FitCipher Value=\"0\"/><CipherSizeFit Value=\"1\"/></Widget>"
        "<Widget Type=\"FrameImage\"><Image ImageID=\"100001\" Vertical=\"1\"/>"
        "<Value Max=\"8\" MaxFrame=\"12\" Div=\"1.5\" Revision=\"2\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{AlignLeftTop=0;CacheID=5;Cipher=3;CipherSizeFit=1;DrawType=NUMIMAGE;FitCipher=0;H=4;"
              L"ImageName=d.png;ImageUrl=http://x/;RevisionVal=1;Space=2;ValueDefault=9;ValueDiv=2;ValueMax=60;"
              L"Vertical=1;W=6;X=1;Y=2}"  // the Image element's W wins over Size
              L"WIDGET{DrawType=FRAMEIMAGE;ImageID=100001;RevisionVal=2;ValueDiv=1.5;ValueMax=8;ValueMaxFrame=12;"
              L"VerticalFrame=1}");
}

TEST_F(ImageMeters, PictureSizeRule) {
    CString picture = folder.Write(L"p.bmp", StripBmp({kCell[0]}, 12, 8));
    const struct {
        const wchar_t* drawType;
        const wchar_t *w, *h;  // null: key absent
        int expectW, expectH;
    } cases[] = {
        {L"IMAGE", nullptr, nullptr, 12, 8},  // no size: the picture's
        {L"IMAGE", L"0", L"0", 12, 8},        // 0 x 0 lets the picture's size win
        {L"IMAGE", L"40", nullptr, 12, 8},    // both are needed
        {L"IMAGE", L"40", L"20", 40, 20},
        {L"IMAGE", L"-1", L"20", 12, 8},
        {L"FRAMEIMAGE", L"0", L"0", 0, 0},  // only the image kind makes the zero test
        {L"FRAMEIMAGE", L"40", nullptr, 12, 8},
        {L"NUMIMAGE", L"5", L"6", 5, 6},
        {L"ROTATOR", nullptr, nullptr, 12, 8},
    };
    for (const auto& c : cases) {
        CInfoSection s(L"M");
        s.SetValue(L"ImageName", picture);
        if (c.w) s.SetValue(L"W", c.w);
        if (c.h) s.SetValue(L"H", c.h);
        std::unique_ptr<CMeter> m(CreateMeter(c.drawType, &host));
        m->ReadConfig(s);
        EXPECT_EQ(m->GetW(), c.expectW) << c.drawType << " " << (c.w ? c.w : L"-") << " " << (c.h ? c.h : L"-");
        EXPECT_EQ(m->GetH(), c.expectH) << c.drawType << " " << (c.w ? c.w : L"-") << " " << (c.h ? c.h : L"-");
    }
    // A built-in number loads a resource; an unknown one loads nothing and
    // keeps the skin's size.
    auto builtIn = MakeMeter(L"IMAGE", &host, {{L"ImageID", L"290"}});
    EXPECT_TRUE(static_cast<CMeterImage*>(builtIn.get())->HasImage());
    EXPECT_EQ(builtIn->GetW(), 240);
    auto missing = MakeMeter(L"IMAGE", &host, {{L"ImageID", L"99999"}, {L"W", L"7"}, {L"H", L"9"}});
    EXPECT_FALSE(static_cast<CMeterImage*>(missing.get())->HasImage());
    EXPECT_EQ(missing->GetW(), 7);
}

TEST_F(ImageMeters, ImageIsScaledIntoItsRectangleAndReplacedByItsDownload) {
    CString saved = g_ProgramFolder;
    g_ProgramFolder = folder.Path();
    CString file = folder.Write(L"two.bmp", StripBmp({kCell[0], kCell[1]}, 4, 4));
    auto m = MakeMeter(L"IMAGE", &host,
                       {{L"ImageName", file}, {L"ImageUrl", L"http://example.com/a.png"}, {L"X", L"2"},
                        {L"Y", L"2"}, {L"W", L"16"}, {L"H", L"8"}});
    EXPECT_EQ(m->GetImageUrl(), L"http://example.com/a.png");
    m->SetImageState(IMAGE_STATE_LOADING);
    m->SetDownloadNumber(3);
    ASSERT_TRUE(m->Draw());
    // The file's picture, stretched two times, while the download runs.
    EXPECT_EQ(host.Pixel(4, 6), kCell[0]);
    EXPECT_EQ(host.Pixel(15, 6), kCell[1]);
    EXPECT_EQ(host.Pixel(19, 6), kClear);

    // A failed download keeps the picture; the meter counts as loaded.
    m->OnImageDownloaded(false);
    EXPECT_EQ(m->GetImageState(), IMAGE_STATE_LOADED);
    host.Clear();
    m->Draw();
    EXPECT_EQ(host.Pixel(4, 6), kCell[0]);

    // The downloaded file replaces it.
    folder.Write(L"system\\caches\\3", StripBmp({kCell[2], kCell[3]}, 4, 4));
    m->OnImageDownloaded(true);
    host.Clear();
    m->Draw();
    EXPECT_EQ(host.Pixel(4, 6), kCell[2]);
    EXPECT_EQ(host.Pixel(15, 6), kCell[3]);
    EXPECT_EQ(m->GetW(), 16);  // the skin's size stays

    // A downloaded file that is no picture leaves the meter without one.
    folder.Write(L"system\\caches\\3", "<html>not found</html>");
    m->OnImageDownloaded(true);
    EXPECT_FALSE(static_cast<CMeterImage*>(m.get())->HasImage());
    g_ProgramFolder = saved;
}

TEST_F(ImageMeters, CacheKeyFromCacheId) {
    CString saved = g_ProgramFolder;
    g_ProgramFolder = folder.Path();
    for (const wchar_t* kind : {L"IMAGE", L"FRAMEIMAGE", L"NUMIMAGE", L"ROTATOR"}) {
        EXPECT_EQ(MakeMeter(kind, &host, {{L"CacheID", L"5"}})->GetCacheKey(17), 10000005) << kind;
        EXPECT_EQ(MakeMeter(kind, &host, {{L"CacheID", L"0"}})->GetCacheKey(17), 17) << kind;
        EXPECT_EQ(MakeMeter(kind, &host, {})->GetCacheKey(17), 17) << kind;
    }
    EXPECT_EQ(ImageCachePath(10000005), folder.Path() + L"system\\caches\\10000005");
    // A meter made after a restart takes its picture from the file kept
    // under its cache key.
    folder.Write(L"system\\caches\\10000005", StripBmp({kCell[4]}, 5, 5));
    auto m = MakeMeter(L"IMAGE", &host, {{L"CacheID", L"5"}, {L"ImageUrl", L"http://example.com/x.png"}});
    m->SetDownloadNumber(m->GetCacheKey(1));
    m->OnImageDownloaded(true);
    EXPECT_TRUE(static_cast<CMeterImage*>(m.get())->HasImage());
    EXPECT_EQ(m->GetW(), 5);
    g_ProgramFolder = saved;
}

TEST_F(ImageMeters, FrameFollowsTheMeasure) {
    const struct {
        const wchar_t* name;
        Keys keys;
        double value, minimum, maximum;
        long long frame;
    } cases[] = {
        {L"top of the range", {{L"ValueMaxFrame", L"12"}}, 50, 0, 50, 11},
        {L"bottom of the range", {{L"ValueMaxFrame", L"12"}}, 0, 0, 50, 0},
        {L"middle, rounded", {{L"ValueMaxFrame", L"12"}}, 25, 0, 50, 6},
        {L"empty range", {{L"ValueMaxFrame", L"12"}}, 5, 5, 5, 0},
        {L"ValueDiv first", {{L"ValueMaxFrame", L"12"}, {L"ValueDiv", L"10"}}, 50, 0, 50, 5},
        {L"minute within the hour", {{L"ValueDiv", L"60"}, {L"ValueMax", L"60"}}, 7 * 3600 + 23 * 60 + 59, 0, 1, 23},
        {L"revision before the modulo", {{L"ValueDiv", L"1"}, {L"ValueMax", L"10"}, {L"RevisionVal", L"3"}}, 8, 0, 1,
         1},
        {L"plain value", {{L"RevisionVal", L"1"}}, 4.9, 0, 10, 5},
        {L"negative keeps its sign", {{L"ValueMax", L"10"}}, -13, -20, 0, -3},
    };
    for (const auto& c : cases) {
        CInfoSection s(L"M");
        for (const auto& kv : c.keys) s.SetValue(kv.first, kv.second);
        CMeterFrameImage m(&host);
        m.ReadConfig(s);
        TestMeasure measure(c.value, c.minimum, c.maximum);
        EXPECT_FALSE(m.Update()) << c.name;  // nothing bound: the frame stays
        m.SetMeasure(&measure);
        EXPECT_TRUE(m.Update()) << c.name;
        EXPECT_EQ(m.GetFrame(), c.frame) << c.name;
    }
}

TEST_F(ImageMeters, FrameIsCutFromTheStrip) {
    CString vertical = folder.Write(L"vertical.bmp", StripBmp({kCell, kCell + 10}, 6, 8, true));
    for (bool isVertical : {false, true}) {
        auto m = MakeMeter(L"FRAMEIMAGE", &host,
                           {{L"ImageName", isVertical ? vertical : strip}, {L"VerticalFrame", isVertical ? L"1" : L"0"},
                            {L"X", L"10"}, {L"Y", L"20"}, {L"W", L"6"}, {L"H", L"8"}, {L"ValueMaxFrame", L"10"}});
        TestMeasure measure(0, 0, 9);
        m->SetMeasure(&measure);
        for (int frame : {0, 3, 9}) {
            measure.Set(frame);
            m->Update();
            host.Clear();
            ASSERT_TRUE(m->Draw());
            EXPECT_EQ(host.Pixel(13, 24), kCell[frame]) << isVertical << " frame " << frame;
            EXPECT_EQ(host.Pixel(17, 24), kClear);
        }
    }
    // A frame beyond the strip draws nothing.
    auto beyond = MakeMeter(L"FRAMEIMAGE", &host,
                            {{L"ImageName", strip}, {L"X", L"10"}, {L"Y", L"20"}, {L"W", L"6"}, {L"H", L"8"}});
    TestMeasure measure(12);
    beyond->SetMeasure(&measure);
    beyond->Update();
    host.Clear();
    beyond->Draw();
    EXPECT_EQ(host.Pixel(13, 24), kClear);
}

// The cells a number image drew: per cell of W x H at X + i * step, the
// index of its colour, or -1 for an empty cell.
std::vector<int> CellsAt(FrameHost& host, int x, int y, int step, int count, bool vertical = false) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) {
        DWORD p = vertical ? host.Pixel(x + 3, y + i * step + 4) : host.Pixel(x + i * step + 3, y + 4);
        int found = -1;
        for (int k = 0; k < 10; ++k)
            if (p == kCell[k]) found = k;
        cells.push_back(found);
    }
    return cells;
}

TEST_F(ImageMeters, NumberImageDigits) {
    const struct {
        const wchar_t* name;
        Keys keys;
        bool bound;
        double value;
        int x, step;  // first cell and distance to the next
        std::vector<int> cells;
    } cases[] = {
        {L"zero padded", {{L"Cipher", L"2"}, {L"FitCipher", L"1"}}, true, 7, 10, 6, {0, 7, -1}},
        {L"blank padded", {{L"Cipher", L"2"}, {L"FitCipher", L"0"}}, true, 7, 10, 6, {-1, 7, -1}},
        {L"last places kept", {{L"Cipher", L"2"}, {L"CipherSizeFit", L"1"}}, true, 123, 10, 6, {2, 3, -1}},
        {L"longer numbers not cut", {{L"Cipher", L"2"}}, true, 123, 10, 6, {1, 2, 3}},
        {L"no measure: the default", {{L"Cipher", L"3"}, {L"ValueDefault", L"42"}}, false, 999, 10, 6, {0, 4, 2}},
        {L"space between digits", {{L"Cipher", L"3"}, {L"Space", L"2"}}, true, 305, 10, 8, {3, 0, 5}},
        {L"right to left", {{L"Cipher", L"3"}, {L"AlignLeftTop", L"0"}, {L"Space", L"1"}}, true, 125, 80, -7,
         {1, 2, 5}},
        {L"divided, revised, wrapped",
         {{L"Cipher", L"2"}, {L"ValueDiv", L"60"}, {L"ValueMax", L"60"}, {L"RevisionVal", L"1"}},
         true,
         3600 * 5 + 60 * 58,
         10,
         6,
         {5, 9, -1}},
        {L"negative keeps its minus sign", {{L"Cipher", L"3"}}, true, -42, 10, 6, {-1, 4, 2}},
        {L"negative divided", {{L"Cipher", L"2"}, {L"ValueDiv", L"2"}}, true, -7, 10, 6, {-1, 3, -1}},
        {L"ten places cut nothing", {{L"Cipher", L"10"}, {L"CipherSizeFit", L"1"}}, true, 1234567890, 10, 6,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {L"relative value without ValueDiv", {{L"Cipher", L"1"}, {L"ValueDiv", L"0"}}, true, 1, 10, 6, {1, -1}},
    };
    for (const auto& c : cases) {
        CInfoSection s(L"M");
        s.SetValue(L"ImageName", strip);
        s.SetValue(L"X", Num(c.x));
        s.SetValue(L"Y", L"30");
        s.SetValue(L"W", L"6");
        s.SetValue(L"H", L"8");
        for (const auto& kv : c.keys) s.SetValue(kv.first, kv.second);
        std::unique_ptr<CMeter> m(CreateMeter(L"NUMIMAGE", &host));
        m->ReadConfig(s);
        TestMeasure measure(c.value, 0, 1);
        if (c.bound) m->SetMeasure(&measure);
        EXPECT_EQ(m->Update(), c.bound) << c.name;
        host.Clear();
        ASSERT_TRUE(m->Draw());
        EXPECT_EQ(CellsAt(host, c.x, 30, c.step, (int)c.cells.size()), c.cells) << c.name;
    }
}

TEST_F(ImageMeters, NumberImageRunsDownOrUp) {
    for (bool leftTop : {true, false}) {
        int y = leftTop ? 10 : 100;
        auto m = MakeMeter(L"NUMIMAGE", &host,
                           {{L"ImageName", strip}, {L"X", L"5"}, {L"Y", Num(y)}, {L"W", L"6"}, {L"H", L"8"},
                            {L"Vertical", L"1"}, {L"Cipher", L"3"}, {L"Space", L"3"},
                            {L"AlignLeftTop", leftTop ? L"1" : L"0"}});
        TestMeasure measure(468);
        m->SetMeasure(&measure);
        m->Update();
        host.Clear();
        m->Draw();
        EXPECT_EQ(CellsAt(host, 5, y, leftTop ? 11 : -11, 3, true), (std::vector<int>{4, 6, 8})) << leftTop;
    }
}

TEST_F(ImageMeters, NumberRuleEdges) {
    CMeterNumImage::NumberRule rule;
    // A cipher beyond the field is clamped, so the text stays bounded.
    auto huge = MakeMeter(L"NUMIMAGE", &host, {{L"ImageName", strip}, {L"Cipher", L"100000"}, {L"W", L"1"},
                                                {L"H", L"1"}});
    huge->Draw();
    EXPECT_EQ(CMeterNumImage::DigitText(7, 100000, true).GetLength(), 64);
    EXPECT_EQ(CMeterNumImage::DigitText(-7, 3, true), L"-07");
    EXPECT_EQ(CMeterNumImage::DigitText(-7, 3, false), L" -7");
    EXPECT_EQ(CMeterNumImage::DigitText(12345, 2, true), L"12345");
    // Values beyond a number are held at its ends; NaN is 0.
    EXPECT_EQ(CMeterNumImage::NumberFor(1e300, 0, rule), 2147483647);
    EXPECT_EQ(CMeterNumImage::NumberFor(-1e300, 0, rule), -2147483647 - 1);
    EXPECT_EQ(CMeterNumImage::NumberFor(std::nan(""), 0, rule), 0);
    rule.cipher = 0;
    rule.cipherSizeFit = true;
    EXPECT_EQ(CMeterNumImage::NumberFor(123, 0, rule), 3);  // a cipher below 1 counts as 1
}

TEST_F(ImageMeters, BitmapDrawsNothingWhateverItsKeys) {
    auto m = MakeMeter(L"BITMAP", &host,
                       {{L"ImageName", strip}, {L"SolidColor", L"255,0,0,255"}, {L"BevelType", L"1"},
                        {L"X", L"10"}, {L"Y", L"10"}, {L"W", L"50"}, {L"H", L"50"}, {L"ID", L"7"}});
    host.Clear();
    EXPECT_TRUE(m->Draw());
    for (int y = 0; y < 140; y += 5)
        for (int x = 0; x < 140; x += 5) ASSERT_EQ(host.Pixel(x, y), kClear) << x << "," << y;
    EXPECT_EQ(m->GetID(), -1);  // not even the common keys are read
    EXPECT_EQ(m->GetW(), 1);
    EXPECT_EQ(m->GetImageUrl(), L"");
    EXPECT_FALSE(m->Update());
}

TEST_F(ImageMeters, LoadingIndicatorIsCentredAndCyclesThroughEightFrames) {
    // The strip as the program carries it, for reference.
    CMeter loader(nullptr);
    std::unique_ptr<Gdiplus::Image> strip290(loader.LoadPngResource(290, L"PNG", false));
    ASSERT_NE(strip290, nullptr);
    ASSERT_EQ(loader.GetW(), 240);
    ASSERT_EQ(loader.GetH(), 30);
    Gdiplus::Bitmap reference(240, 30, PixelFormat32bppPARGB);
    {
        Gdiplus::Graphics g(&reference);
        g.DrawImage(strip290.get(), Gdiplus::Rect(0, 0, 240, 30), 0, 0, 240, 30, Gdiplus::UnitPixel);
    }
    auto similar = [](DWORD a, DWORD b) {
        for (int shift = 0; shift < 32; shift += 8)
            if (std::abs((int)((a >> shift) & 0xFF) - (int)((b >> shift) & 0xFF)) > 3) return false;
        return true;
    };
    // Meter at (10, 20), 60 x 50: the 30 x 30 frame goes to (25, 30).
    for (const wchar_t* kind : {L"IMAGE", L"FRAMEIMAGE", L"NUMIMAGE", L"ROTATOR"}) {
        auto m = MakeMeter(kind, &host,
                           {{L"Indicator", L"1"}, {L"ImageUrl", L"http://example.com/"}, {L"X", L"10"}, {L"Y", L"20"},
                            {L"W", L"60"}, {L"H", L"50"}});
        m->SetImageState(IMAGE_STATE_LOADING);
        for (int f = 0; f < 8; ++f) {
            host.frame = f;
            host.Clear();
            ASSERT_TRUE(m->Draw());
            int differing = 0, drawn = 0;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) {
                    Gdiplus::Color expected;
                    reference.GetPixel(30 * f + x, y, &expected);
                    DWORD got = host.Pixel(25 + x, 30 + y);
                    if (expected.GetA() == 0 ? (got >> 24) != 0 : !similar(got, expected.GetValue())) ++differing;
                    if (got >> 24) ++drawn;
                }
            EXPECT_EQ(differing, 0) << kind << " frame " << f;
            EXPECT_GT(drawn, 0) << kind << " frame " << f;
            EXPECT_EQ(host.Pixel(24, 29), kClear);
            EXPECT_EQ(host.Pixel(55, 60), kClear);
        }
        // Not loading, or not asked for: no indicator.
        m->SetImageState(IMAGE_STATE_LOADED);
        host.Clear();
        m->Draw();
        EXPECT_EQ(host.Pixel(40, 45), kClear);
    }
    auto quiet = MakeMeter(L"IMAGE", &host, {{L"ImageUrl", L"http://example.com/"}, {L"W", L"60"}, {L"H", L"50"}});
    quiet->SetImageState(IMAGE_STATE_LOADING);
    host.frame = 0;
    host.Clear();
    quiet->Draw();
    bool any = false;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) any = any || (host.Pixel(x, y) >> 24) != 0;
    EXPECT_FALSE(any);
    FreeLoadingIndicator();
}

}  // namespace
