#include "SkinTestSupport.h"

#include "widgets/Meter.h"
#include "widgets/MeterFactory.h"
#include "widgets/WebIcons.h"

#include "shell/ProgramFolder.h"

#include <gtest/gtest.h>

namespace {

GdiplusSession g_Gdiplus;

class TestImageMeter : public CMeter {
public:
    explicit TestImageMeter(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_IMAGE; }
};

CMeter* MakeTestImage(ISkinHost* owner) { return new TestImageMeter(owner); }

std::unique_ptr<CMeter> Configured(ISkinHost* owner,
                                   std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
    auto meter = std::make_unique<CMeter>(owner);
    CInfoSection s(L"M");
    for (const auto& kv : keys) s.SetValue(kv.first, kv.second);
    meter->ReadConfig(s);
    return meter;
}

const DWORD kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000, kClear = 0x00000000;

TEST(Meter, DrawTypeIsMatchedInExactCase) {
    MeterMaker real = GetMeterMaker(METER_IMAGE);
    SetMeterMaker(METER_IMAGE, MakeTestImage);
    FakeHost host;
    std::unique_ptr<CMeter> image(CreateMeter(L"IMAGE", &host));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetKind(), METER_IMAGE);
    EXPECT_EQ(image->GetOwner(), &host);
    EXPECT_EQ(CreateMeter(L"Image", &host), nullptr);
    EXPECT_EQ(CreateMeter(L"image", &host), nullptr);
    EXPECT_EQ(CreateMeter(L"PICTURE", &host), nullptr);
    MeterMaker editBox = GetMeterMaker(METER_EDITBOX);
    SetMeterMaker(METER_EDITBOX, nullptr);
    EXPECT_EQ(CreateMeter(L"EDITBOX", &host), nullptr);  // a kind not plugged in creates nothing
    SetMeterMaker(METER_EDITBOX, editBox);
    EXPECT_EQ(CreateMeter(nullptr, &host), nullptr);
    SetMeterMaker(METER_IMAGE, real);
}

TEST(Meter, CommonKeysAndDefaults) {
    auto plain = Configured(nullptr, {});
    EXPECT_EQ(plain->GetID(), -1);
    EXPECT_EQ(plain->GetW(), 1);
    EXPECT_EQ(plain->GetH(), 1);
    EXPECT_EQ(plain->GetSolidColor(), 0u);
    EXPECT_FALSE(plain->IsButton());
    EXPECT_EQ(plain->GetCacheKey(17), 17);
    EXPECT_EQ(plain->GetImageUrl(), L"");

    auto m = Configured(nullptr, {{L"X", L"3"}, {L"Y", L"4"}, {L"W", L"-5"}, {L"H", L"6"}, {L"ID", L"9"},
                                  {L"BevelType", L"2"}, {L"SolidColor", L"10,20,30"},
                                  {L"MeasureSection", L"\"MeasureCpu\""}, {L"Hidden", L"1"}});
    EXPECT_EQ(m->GetX(), 3);
    EXPECT_EQ(m->GetY(), 4);
    EXPECT_EQ(m->GetID(), 9);
    EXPECT_EQ(m->GetBevelType(), 2);
    EXPECT_EQ(m->GetSolidColor(), 0xFF0A141Eu);
    EXPECT_EQ(m->GetMeasureSection(), L"MeasureCpu");
    // Hidden meters report no size.
    EXPECT_EQ(m->GetW(), 0);
    EXPECT_EQ(m->GetH(), 0);
    m->SetHidden(false);
    EXPECT_EQ(m->GetW(), 0);  // a negative width reads as 0
    EXPECT_EQ(m->GetH(), 6);
}

TEST(Meter, HitTestIncludesTheRightAndBottomBorders) {
    auto m = Configured(nullptr, {{L"X", L"10"}, {L"Y", L"20"}, {L"W", L"5"}, {L"H", L"6"}});
    struct {
        int x, y;
        bool hit;
    } cases[] = {
        {10, 20, true}, {15, 26, true}, {15, 20, true}, {10, 26, true}, {12, 23, true},
        {16, 26, false}, {15, 27, false}, {9, 20, false}, {10, 19, false},
    };
    for (const auto& c : cases) EXPECT_EQ(m->HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
    m->SetHidden(true);
    EXPECT_TRUE(m->HitTest(10, 20));
    EXPECT_FALSE(m->HitTest(11, 20));
}

TEST(Meter, MapImageId) {
    struct {
        int skinId, resourceId;
    } cases[] = {
        {100001, 242}, {100003, 260}, {100101, 259}, {100114, 295}, {100115, 330}, {100122, 340},
        {100200, 319}, {100207, 314}, {100210, 310}, {100213, 321}, {100301, 341}, {100324, 364},
        {100004, 100004}, {100208, 100208}, {100325, 100325}, {207, 207}, {-1, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(MapImageId(c.skinId), c.resourceId) << c.skinId;
}

TEST(Meter, BaseDrawFillsAndBevels) {
    FakeHost host(30, 30);
    auto m = Configured(&host, {{L"X", L"10"}, {L"Y", L"10"}, {L"W", L"10"}, {L"H", L"10"},
                                {L"SolidColor", L"FF0000"}, {L"BevelType", L"1"}});
    EXPECT_TRUE(m->Draw());
    struct {
        int x, y;
        DWORD color;
    } raised[] = {
        {10, 10, kRed}, {19, 19, kRed}, {15, 15, kRed},
        // The bevel lies two pixels outside the rectangle (8..21).
        {8, 8, kWhite}, {8, 15, kWhite}, {15, 8, kWhite}, {9, 9, kWhite}, {9, 15, kWhite}, {15, 9, kWhite},
        {21, 15, kBlack}, {15, 21, kBlack}, {21, 21, kBlack}, {20, 15, kBlack}, {15, 20, kBlack},
        {7, 7, kClear}, {22, 22, kClear}, {7, 15, kClear},
    };
    for (const auto& c : raised) EXPECT_EQ(host.Pixel(c.x, c.y), c.color) << c.x << "," << c.y;

    FakeHost sunkenHost(30, 30);
    auto sunken = Configured(&sunkenHost, {{L"X", L"10"}, {L"Y", L"10"}, {L"W", L"10"}, {L"H", L"10"},
                                           {L"BevelType", L"2"}});
    EXPECT_TRUE(sunken->Draw());
    EXPECT_EQ(sunkenHost.Pixel(8, 15), kBlack);
    EXPECT_EQ(sunkenHost.Pixel(21, 15), kWhite);
    EXPECT_EQ(sunkenHost.Pixel(15, 15), kClear);  // no solid colour, no fill
}

TEST(Meter, TransparentOrHiddenDrawsNothing) {
    FakeHost host(20, 20);
    auto clear = Configured(&host, {{L"W", L"10"}, {L"H", L"10"}, {L"SolidColor", L"FF000000"}});
    EXPECT_TRUE(clear->Draw());
    EXPECT_EQ(host.Pixel(5, 5), kClear);

    auto hidden = Configured(&host, {{L"W", L"10"}, {L"H", L"10"}, {L"SolidColor", L"FF0000"}, {L"Hidden", L"1"}});
    EXPECT_FALSE(hidden->Draw());
    EXPECT_EQ(host.Pixel(5, 5), kClear);

    auto ownerless = Configured(nullptr, {{L"SolidColor", L"FF0000"}});
    EXPECT_TRUE(ownerless->Draw());
}

// Writes a small PNG of the given size.
bool WritePng(const CString& path, int width, int height) {
    CLSID png;
    CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    return bitmap.Save(path.GetString(), &png, nullptr) == Gdiplus::Ok;
}

TEST(Meter, ImagesFromFilesAndWebIcons) {
    CScratchFolder folder(L"skins");
    CreateDirectoryW(folder.Path() + L"system", nullptr);
    CString icons = folder.Path() + L"system\\webicon\\";
    CreateDirectoryW(icons, nullptr);
    ASSERT_TRUE(WritePng(icons + L"example.png", 7, 3));
    ASSERT_TRUE(WritePng(icons + L"ample.png", 5, 5));
    ASSERT_TRUE(WritePng(icons + L"x.png", 2, 2));  // a one-character name is ignored
    folder.Write(L"system\\webicon\\broken.png", "not a picture");
    for (const wchar_t* name : {L"example.png", L"ample.png", L"x.png", L"broken.png"})
        SetFileAttributesW(icons + name, FILE_ATTRIBUTE_ARCHIVE);

    std::vector<CString> names = ListWebIconNames(icons);
    EXPECT_EQ(names, (std::vector<CString>{L"example", L"broken", L"ample"}));
    EXPECT_EQ(FindWebIconName(names, L"http://www.example.com/"), L"example");
    EXPECT_EQ(FindWebIconName(names, L"http://www.sample.org/"), L"ample");
    EXPECT_EQ(FindWebIconName(names, L"http://www.EXAMPLE.com/"), L"");

    CString saved = g_ProgramFolder;
    g_ProgramFolder = folder.Path();
    CMeter meter(nullptr);
    std::unique_ptr<Gdiplus::Image> icon(meter.LoadWebIcon(L"http://www.example.com/", false));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(meter.GetW(), 7);  // the longer name won
    EXPECT_EQ(meter.GetH(), 3);
    std::unique_ptr<Gdiplus::Image> kept(meter.LoadWebIcon(L"http://sample.org/", true));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(meter.GetW(), 7);  // keep size: W and H stay
    // No match and a broken file both fall back to the built-in icon, which
    // this test program does not carry.
    EXPECT_EQ(meter.LoadWebIcon(L"http://nothing.net/", false), nullptr);
    EXPECT_EQ(meter.LoadWebIcon(L"http://broken.net/", false), nullptr);
    EXPECT_EQ(meter.LoadWebIcon(L"", false), nullptr);
    g_ProgramFolder = saved;

    EXPECT_EQ(meter.LoadImageFile(L"", false), nullptr);
    EXPECT_EQ(meter.LoadImageFile(folder.Path() + L"missing.png", false), nullptr);
    EXPECT_EQ(meter.LoadPngResource(99999, L"PNG", false), nullptr);
}

TEST(Meter, LoadingIndicatorIsMadeOnceAndFreed) {
    EXPECT_EQ(EnsureLoadingIndicator(), nullptr);  // no maker yet
    static int made = 0;
    SetLoadingIndicatorMaker([]() -> CMeter* {
        ++made;
        return new CMeter(nullptr);
    });
    CMeter* first = EnsureLoadingIndicator();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(EnsureLoadingIndicator(), first);
    EXPECT_EQ(made, 1);
    FreeLoadingIndicator();
    FreeLoadingIndicator();
    SetLoadingIndicatorMaker(nullptr);
}

}  // namespace
