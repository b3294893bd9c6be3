// Drawn shapes, the dial line and the rotated picture, drawn into an
// off-screen back buffer without anti-aliasing where pixels are compared.
#include "MeterTestSupport.h"

#include "widgets/MeterDrawObject.h"
#include "widgets/MeterRotator.h"
#include "widgets/MeterRoundLine.h"
#include "widgets/MeterShading.h"
#include "widgets/SkinDefinition.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

GdiplusSession g_Gdiplus;

const double kPi = 3.14159265358979;

DWORD Shade(DWORD color, double s) {
    auto ch = [&](int shift) { return (DWORD)(int)(s * ((color >> shift) & 0xFF)) << shift; };
    return (color & 0xFF000000) | ch(16) | ch(8) | ch(0);
}

TEST(ShapeXml, AnglesRemainderAndOffsets) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Widget Type=\"RoundLine\"><Width Value=\"2\"/><Length Value=\"30\"/><Color Value=\"255,0,0\"/>"
        "<Start Value=\"5\"/><Solid Value=\"1\"/><AntiAlias Value=\"1\"/><DegreeAngle Start=\"270\" Rotation=\"90\"/>"
        "<Value Reminder=\"60\"/></Widget>"
        "<Widget Type=\"Rotator\"><Image Image=\"hand.png\" CacheID=\"3\"/><Offset X=\"4.5\" Y=\"60\"/>"
        "<Angle Start=\"1\" Rotation=\"2\"/><DegreeAngle Start=\"90\"/></Widget>"
        "<Widget Type=\"Rotator\"><DegreeAngle Rotation=\"-180\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{AntiAlias=1;DrawType=ROUNDLINE;LineColor=255,0,0;LineLength=30;LineStart=5;LineWidth=2;"
              L"RotationAngle=1.570796;Solid=1;StartAngle=4.712389;ValueReminder=60}"
              L"WIDGET{CacheID=3;DrawType=ROTATOR;ImageName=hand.png;OffsetX=4.5;OffsetY=60;RotationAngle=2;"
              L"StartAngle=1}"  // an Angle element wins over DegreeAngle
              L"WIDGET{DrawType=ROTATOR;RotationAngle=-3.141593}");
}

TEST(ShapeXml, ObjectsOfUnknownTypeAreSkippedAndTheRestNumberedInOrder) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget><Widget Type=\"DrawObject\"><Origin X=\"1\" Y=\"1\"/>"
        "<Object Type=\"line\" SX=\"1\" SY=\"2\" EX=\"3\" EY=\"4\" Color=\"255,0,0\" Width=\"2\" AntiAlias=\"0\"/>"
        "<Object Type=\"Triangle\" SX=\"9\"/>"
        "<Object Type=\"ELLIPSE3D\" SX=\"20\" EX=\"0\"/>"
        "<Object SX=\"7\"/>"
        "<Object Type=\"Rectangle\" SX=\"8\"/>"
        "</Widget></ZorelWidget>"));
    // The object without a Type ends the list.
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{AntiAlias0=0;Color0=255,0,0;DrawType=DRAWOBJECT;EX0=3;EX1=0;EY0=4;ObjectCount=2;SX0=1;"
              L"SX1=20;SY0=2;Type0=Line;Type1=Ellipse3D;Width0=2;X=1;Y=1}");
}

TEST(DrawObject, ShapeListFromKeys) {
    FakeHost host(60, 60);
    auto m = MakeMeter(L"DRAWOBJECT", &host,
                       {{L"ObjectCount", L"5"}, {L"Type0", L"Bogus"}, {L"Type1", L"FRectangle"}, {L"SX1", L"2"},
                        {L"Type2", L"Circle"}, {L"Type3", L"Ellipse3D"}, {L"Color3", L"1,2,3"},
                        {L"Width3", L"4"}, {L"AntiAlias3", L"0"}});
    const auto& objects = static_cast<CMeterDrawObject*>(m.get())->GetObjects();
    ASSERT_EQ(objects.size(), 4u);  // the unknown first word has no shape before it to follow
    EXPECT_EQ(objects[0].type, DRAWOBJ_FRECTANGLE);
    EXPECT_EQ(objects[0].SX, 2.0f);
    EXPECT_EQ(objects[1].type, DRAWOBJ_FRECTANGLE);  // an unknown word follows the shape before
    EXPECT_EQ(objects[1].color, 0xFF000000u);
    EXPECT_EQ(objects[1].width, 1.0f);
    EXPECT_EQ(objects[1].antiAlias, 1.0f);
    EXPECT_EQ(objects[2].type, DRAWOBJ_ELLIPSE3D);
    EXPECT_EQ(objects[2].color, 0xFF010203u);
    EXPECT_EQ(objects[2].width, 4.0f);
    EXPECT_EQ(objects[2].antiAlias, 0.0f);
    EXPECT_EQ(objects[3].type, DRAWOBJ_ELLIPSE3D);
    EXPECT_EQ(CMeterDrawObject::TypeOfWord(L"line"), -1);  // exact case in INI skins

    // A damaged count reads a bounded number of shapes.
    auto damaged = MakeMeter(L"DRAWOBJECT", &host, {{L"ObjectCount", L"2000000000"}, {L"Type0", L"Line"}});
    EXPECT_EQ(static_cast<CMeterDrawObject*>(damaged.get())->GetObjects().size(), 1000u);
}

TEST(DrawObject, ShapesLandInWindowCoordinates) {
    FakeHost host(60, 60);
    auto m = MakeMeter(L"DRAWOBJECT", &host,
                       {{L"X", L"40"}, {L"Y", L"40"}, {L"ObjectCount", L"3"},
                        {L"Type0", L"FRectangle"}, {L"SX0", L"2"}, {L"SY0", L"3"}, {L"EX0", L"12"}, {L"EY0", L"8"},
                        {L"Color0", L"255,0,0"}, {L"AntiAlias0", L"0"},
                        {L"Type1", L"Line"}, {L"SX1", L"2"}, {L"SY1", L"20"}, {L"EX1", L"30"}, {L"EY1", L"20"},
                        {L"Color1", L"0,0,255"}, {L"Width1", L"3"}, {L"AntiAlias1", L"0"},
                        {L"Type2", L"Rectangle"}, {L"SX2", L"20"}, {L"SY2", L"30"}, {L"EX2", L"30"}, {L"EY2", L"40"},
                        {L"Color2", L"0,255,0"}, {L"AntiAlias2", L"0"}});
    ASSERT_TRUE(m->Draw());
    EXPECT_EQ(host.Pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(host.Pixel(13, 5), kClear);
    EXPECT_EQ(host.Pixel(15, 20), 0xFF0000FFu);
    EXPECT_EQ(host.Pixel(15, 23), kClear);
    EXPECT_EQ(host.Pixel(20, 35), 0xFF00FF00u);  // the outline
    EXPECT_EQ(host.Pixel(25, 35), kClear);       // not filled
    EXPECT_EQ(host.Pixel(45, 45), kClear);       // the meter's own place holds nothing
}

TEST(Shading, Line3DIsDrawnFromTheFullWidthInTheDarkestShadeToTheFullColour) {
    FakeHost host(40, 40);
    const DWORD color = 0xFFC86432;
    auto m = MakeMeter(L"DRAWOBJECT", &host,
                       {{L"ObjectCount", L"1"}, {L"Type0", L"Line3D"}, {L"SX0", L"5"}, {L"SY0", L"20"},
                        {L"EX0", L"35"}, {L"EY0", L"20"}, {L"Color0", L"200,100,50"}, {L"Width0", L"4"},
                        {L"AntiAlias0", L"0"}});
    ASSERT_TRUE(m->Draw());
    // Across the line: the widths 4, 3, 2 and 1 leave a band of each shade,
    // darkest outside, full colour on the line itself.
    std::vector<DWORD> across;
    for (int y = 15; y <= 25; ++y)
        if (host.Pixel(20, y) >> 24) across.push_back(host.Pixel(20, y));
    ASSERT_FALSE(across.empty());
    EXPECT_LE(across.size(), 5u);
    DWORD darkest = Shade(color, std::sin(kPi / 8));
    EXPECT_EQ(across.front(), darkest);
    bool full = false;
    for (DWORD p : across) {
        bool known = false;
        for (int i = 1; i <= 4; ++i) known = known || p == Shade(color, std::sin(i * kPi / 8));
        EXPECT_TRUE(known) << std::hex << p;
        full = full || p == color;
    }
    EXPECT_TRUE(full);
}

TEST(Shading, Ellipse3DIsABallBetweenStartAndEnd) {
    FakeHost host(40, 40);
    auto ball = MakeMeter(L"DRAWOBJECT", &host,
                          {{L"ObjectCount", L"1"}, {L"Type0", L"Ellipse3D"}, {L"SX0", L"20"}, {L"SY0", L"20"},
                           {L"EX0", L"0"}, {L"EY0", L"20"}, {L"Color0", L"32,160,240"}, {L"AntiAlias0", L"0"}});
    ASSERT_TRUE(ball->Draw());
    // Radius 10 around (10, 20): full colour in the middle, darker toward the rim.
    DWORD middle = host.Pixel(10, 20), rim = host.Pixel(1, 20);
    EXPECT_EQ(middle >> 24, 0xFFu);
    EXPECT_GE(middle & 0xFF, 0xE8u);
    EXPECT_EQ(rim >> 24, 0xFFu);
    EXPECT_LT(rim & 0xFF, 0x80u);
    EXPECT_EQ(host.Pixel(10, 12) >> 24, 0xFFu);
    EXPECT_EQ(host.Pixel(10, 6), kClear);
    EXPECT_EQ(host.Pixel(22, 20), kClear);

    FakeHost other(40, 40);
    auto nothing = MakeMeter(L"DRAWOBJECT", &other,
                             {{L"ObjectCount", L"1"}, {L"Type0", L"Ellipse3D"}, {L"SX0", L"0"}, {L"SY0", L"20"},
                              {L"EX0", L"20"}, {L"EY0", L"20"}, {L"AntiAlias0", L"0"}});
    ASSERT_TRUE(nothing->Draw());
    for (int y = 0; y < 40; y += 2)
        for (int x = 0; x < 40; x += 2) ASSERT_EQ(other.Pixel(x, y), kClear);
}

TEST(Shading, AbsurdSizesAreBounded) {
    FakeHost host(20, 20);
    Gdiplus::Graphics g(host.buffer.get());
    Gdiplus::PointF points[2] = {Gdiplus::PointF(0, 0), Gdiplus::PointF(10, 10)};
    DrawLine3D(g, points, 2, 1e30f, 1, 2, 3, 255);
    DrawLine3D(g, points, 2, std::nanf(""), 1, 2, 3, 255);
    DrawEllipse3D(g, 5, 5, 1e30f, 1, 2, 3, 255);
    DrawEllipse3D(g, 5, 5, -5, 1, 2, 3, 255);
    SUCCEED();  // returns at all
}

// A 128 x 128 picture in four quadrants: red top left, green top right,
// blue bottom right, yellow bottom left.
DWORD Quadrants(int x, int y) {
    if (y < 64) return x < 64 ? 0xFFFF0000 : 0xFF00FF00;
    return x < 64 ? 0xFFFFFF00 : 0xFF0000FF;
}

TEST(Rotator, TurnsAPictureAboutItsOwnCentre) {
    CScratchFolder folder(L"rotator");
    CString picture = folder.Write(L"q.bmp", PictureBmp(128, 128, Quadrants));
    FrameHost host(140, 140);
    const struct {
        const wchar_t* start;
        DWORD topLeft, topRight, bottomRight;
    } cases[] = {
        {L"0", 0xFFFF0000, 0xFF00FF00, 0xFF0000FF},
        {L"1.5707963", 0xFFFFFF00, 0xFFFF0000, 0xFF00FF00},  // a quarter turn clockwise
        {L"3.1415927", 0xFF0000FF, 0xFFFFFF00, 0xFFFF0000},
    };
    for (const auto& c : cases) {
        auto m = MakeMeter(L"ROTATOR", &host,
                           {{L"ImageName", picture}, {L"X", L"1"}, {L"Y", L"1"}, {L"W", L"128"}, {L"H", L"128"},
                            {L"OffsetX", L"64"}, {L"OffsetY", L"64"}, {L"StartAngle", c.start}});
        host.Clear();
        ASSERT_TRUE(m->Draw());
        EXPECT_EQ(host.Pixel(30, 30), c.topLeft) << c.start;
        EXPECT_EQ(host.Pixel(100, 30), c.topRight) << c.start;
        EXPECT_EQ(host.Pixel(100, 100), c.bottomRight) << c.start;
        EXPECT_EQ(host.Pixel(135, 135), kClear) << c.start;  // it stays within its square
    }
}

// A hand: a bar from the pivot at (4, 4) to the right.
DWORD Hand(int x, int y) { return (y >= 2 && y < 7 && x >= 2) ? 0xFF000080 : 0xFFFFFFFF; }

TEST(Rotator, SecondsTurnItOnceAMinuteFromStraightUp) {
    CScratchFolder folder(L"rotator");
    CString hand = folder.Write(L"hand.bmp", PictureBmp(40, 9, Hand));
    FrameHost host(100, 100);
    auto m = MakeMeter(L"ROTATOR", &host,
                       {{L"ImageName", hand}, {L"X", L"0"}, {L"Y", L"0"}, {L"W", L"100"}, {L"H", L"100"},
                        {L"OffsetX", L"4"}, {L"OffsetY", L"4"}, {L"StartAngle", L"4.7124"},
                        {L"ValueRemainder", L"60"}});
    TestMeasure seconds(0);
    m->SetMeasure(&seconds);
    const DWORD ink = 0xFF000080;
    const struct {
        double value;
        int x, y;  // a point of the hand, 25 pixels from the centre
    } cases[] = {
        {0, 50, 25},          // up
        {15, 75, 50},         // right
        {30, 50, 75},         // down
        {45, 25, 50},         // left
        {60 * 1000 + 15, 75, 50},  // whole minutes drop out
        {-15, 25, 50},        // before the start turns back
    };
    for (const auto& c : cases) {
        seconds.Set(c.value);
        ASSERT_TRUE(m->Update());
        host.Clear();
        m->Draw();
        EXPECT_EQ(host.Pixel(c.x, c.y), ink) << c.value;
        EXPECT_NE(host.Pixel(100 - c.x, 100 - c.y), ink) << c.value;
    }
    // Without a remainder the relative value gives the turn.
    auto relative = MakeMeter(L"ROTATOR", &host,
                              {{L"ImageName", hand}, {L"W", L"100"}, {L"H", L"100"}, {L"RotationAngle", L"3.1415927"}});
    TestMeasure half(5, 0, 10);
    relative->SetMeasure(&half);
    relative->Update();
    EXPECT_DOUBLE_EQ(static_cast<CMeterRotator*>(relative.get())->GetValue(), 0.5);
    // The old spelling of the key is read too; the new one wins.
    auto old = MakeMeter(L"ROTATOR", &host, {{L"ValueReminder", L"60"}});
    old->SetMeasure(&seconds);
    seconds.Set(90);
    old->Update();
    EXPECT_DOUBLE_EQ(static_cast<CMeterRotator*>(old.get())->GetValue(), 0.5);
    auto both = MakeMeter(L"ROTATOR", &host, {{L"ValueReminder", L"60"}, {L"ValueRemainder", L"120"}});
    both->SetMeasure(&seconds);
    both->Update();
    EXPECT_DOUBLE_EQ(static_cast<CMeterRotator*>(both.get())->GetValue(), 0.75);
}

TEST(RoundLine, SolidRingAndNeedle) {
    FakeHost host(60, 60);
    const DWORD red = 0xFFFF0000;
    // Centre (30, 30); a full turn.
    auto ring = MakeMeter(L"ROUNDLINE", &host,
                          {{L"W", L"60"}, {L"H", L"60"}, {L"Solid", L"1"}, {L"LineStart", L"15"},
                           {L"LineLength", L"20"}, {L"LineColor", L"255,0,0"}});
    TestMeasure full(1, 0, 1);
    ring->SetMeasure(&full);
    ASSERT_TRUE(ring->Update());
    ASSERT_TRUE(ring->Draw());
    const struct {
        int x, y;
        bool inked;
    } ringCases[] = {
        {30, 30, false}, {40, 30, false}, {44, 30, false},  // the hole
        {47, 30, true},  {30, 13, true},  {13, 30, true}, {30, 47, true},  // 17 away, all around
        {52, 30, false}, {30, 8, false},                    // beyond the length
    };
    for (const auto& c : ringCases) EXPECT_EQ(host.Pixel(c.x, c.y) == red, c.inked) << c.x << "," << c.y;

    // A needle pointing right from 5 pixels off the centre to 20.
    FakeHost other(60, 60);
    auto needle = MakeMeter(L"ROUNDLINE", &other,
                            {{L"W", L"60"}, {L"H", L"60"}, {L"LineStart", L"5"}, {L"LineLength", L"20"},
                             {L"LineWidth", L"3"}, {L"LineColor", L"255,0,0"}});
    TestMeasure zero(0, 0, 1);
    needle->SetMeasure(&zero);
    needle->Update();
    ASSERT_TRUE(needle->Draw());
    const struct {
        int x;
        bool inked;
    } needleCases[] = {{30, false}, {33, false}, {37, true}, {45, true}, {49, true}, {52, false}};
    for (const auto& c : needleCases) EXPECT_EQ(other.Pixel(c.x, 30) == red, c.inked) << c.x;
}

TEST(RoundLine, ArcSweepsWithTheValue) {
    FakeHost host(60, 60);
    auto arc = MakeMeter(L"ROUNDLINE", &host,
                         {{L"W", L"60"}, {L"H", L"60"}, {L"Solid", L"1"}, {L"LineLength", L"20"},
                          {L"StartAngle", L"4.712389"}, {L"ValueRemainder", L"60"}, {L"LineColor", L"0,0,255"}});
    TestMeasure seconds(15 + 120);  // a quarter past, two minutes on
    arc->SetMeasure(&seconds);
    arc->Update();
    EXPECT_DOUBLE_EQ(static_cast<CMeterRoundLine*>(arc.get())->GetValue(), 0.25);
    ASSERT_TRUE(arc->Draw());
    EXPECT_EQ(host.Pixel(37, 22), 0xFF0000FFu);  // the quarter from twelve to three
    EXPECT_EQ(host.Pixel(23, 22), kClear);
    EXPECT_EQ(host.Pixel(37, 38), kClear);

    // The dial line counts below zero as the rotator does: back from the
    // start, not from an arbitrary place.
    const struct {
        double value;
        double turn;
    } cases[] = {{-15, -0.25}, {59, 59.0 / 60}, {-60, 0}, {4294967296.0 + 30, 46.0 / 60}};  // 2^32 + 30: the whole value counts, not its low 32 bits
    for (const auto& c : cases) {
        seconds.Set(c.value);
        arc->Update();
        EXPECT_DOUBLE_EQ(static_cast<CMeterRoundLine*>(arc.get())->GetValue(), c.turn) << c.value;
    }
}

}  // namespace
