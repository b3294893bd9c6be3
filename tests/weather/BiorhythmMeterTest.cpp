// The biorhythm chart: its geometry as points, its pixels in an off-screen
// back buffer, its labels and its XML form.
#include "MeterTestSupport.h"

#include "widgets/MeasureBiorhythm.h"
#include "widgets/MeterBiorhythm.h"
#include "widgets/MeterString.h"
#include "widgets/SkinDefinition.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

GdiplusSession g_Gdiplus;

CMeterBiorhythm* Bio(const std::unique_ptr<CMeter>& m) { return static_cast<CMeterBiorhythm*>(m.get()); }

TEST(Biorhythm, FactoryMakesTheKind) {
    FakeHost host;
    std::unique_ptr<CMeter> m(CreateMeter(L"BIORHYTHM", &host));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetKind(), METER_BIORHYTHM);
}

TEST(Biorhythm, CurveGeometry) {
    struct Case {
        const wchar_t *before, *after, *h;
        int days;
        size_t points;
        float step, todayX;
        bool healthOnCentre, allOnCentre;
    } cases[] = {
        // Defaults: 16 points over 30 pixels, today a third of the way.
        {nullptr, nullptr, L"20", 7, 16, 2.0f, 10.0f, false, false},
        // Two points are one pixel apart, whatever the width.
        {L"0", L"1", L"20", 7, 2, 1.0f, 0.0f, false, false},
        {nullptr, nullptr, L"20", 23 * 400, 16, 2.0f, 10.0f, true, false},
        {nullptr, nullptr, L"20", 23 * 28 * 33, 16, 2.0f, 10.0f, true, true},
        {nullptr, nullptr, L"20", 0, 16, 2.0f, 10.0f, true, true},
    };
    for (const auto& c : cases) {
        FakeHost host(60, 60);
        auto m = MakeMeter(L"BIORHYTHM", &host, {});
        CInfoSection s;
        s.SetValue(L"W", L"30");
        s.SetValue(L"H", c.h);
        if (c.before) s.SetValue(L"BeforeOffset", c.before);
        if (c.after) s.SetValue(L"AfterOffset", c.after);
        m->ReadConfig(s);
        SCOPED_TRACE(c.days);
        for (int curve = 0; curve < 3; ++curve) {
            CMeterBiorhythm::Point today = {};
            auto points = Bio(m)->CurvePoints(curve, c.days, &today);
            ASSERT_EQ(points.size(), c.points);
            EXPECT_FLOAT_EQ(points[1].x - points[0].x, c.step);
            EXPECT_FLOAT_EQ(today.x, c.todayX);
            bool onCentre = std::fabs(today.y - 10.0f) < 0.01f;
            if (curve == 0) EXPECT_EQ(onCentre, c.healthOnCentre);
            else if (c.allOnCentre) EXPECT_TRUE(onCentre);
            else EXPECT_FALSE(onCentre);
        }
    }
}

TEST(Biorhythm, OddHeightStaysInsideAndEmptyWindowsDrawNoCurve) {
    FakeHost host(60, 60);
    auto m = MakeMeter(L"BIORHYTHM", &host,
                       {{L"X", L"3"}, {L"Y", L"4"}, {L"W", L"40"}, {L"H", L"21"}, {L"BeforeOffset", L"0"},
                        {L"AfterOffset", L"66"}});
    float top = 1e9f, bottom = -1e9f;
    for (int curve = 0; curve < 3; ++curve)
        for (const auto& p : Bio(m)->CurvePoints(curve, 0, nullptr)) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    EXPECT_NEAR(top, 4.0f, 0.05f);
    EXPECT_NEAR(bottom, 4.0f + 21 - 1, 0.05f);

    for (auto offsets : {std::make_pair(L"-1", L"-1"), std::make_pair(L"-2147483648", L"0")}) {
        auto bad = MakeMeter(L"BIORHYTHM", &host, {{L"BeforeOffset", offsets.first}, {L"AfterOffset", offsets.second}});
        EXPECT_TRUE(Bio(bad)->CurvePoints(0, 100, nullptr).empty());
        CMeasureBiorhythm measure;
        bad->SetMeasure(&measure);
        EXPECT_TRUE(bad->Draw());  // background only, no crash
    }
}

TEST(Biorhythm, DrawsCurvesOnlyWithABiorhythmMeasure) {
    FakeHost host(60, 40);
    Keys keys = {{L"W", L"60"}, {L"H", L"40"}, {L"SolidColor", L"255,255,255,255"}};
    auto m = MakeMeter(L"BIORHYTHM", &host, keys);
    auto count = [&](auto pred) {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) n += pred(host.Pixel(x, y)) ? 1 : 0;
        return n;
    };
    auto reddish = [](DWORD c) { return ((c >> 16) & 0xFF) > 150 && ((c >> 8) & 0xFF) < 80 && (c & 0xFF) < 80; };
    auto bluish = [](DWORD c) { return (c & 0xFF) > 150 && ((c >> 16) & 0xFF) < 80 && ((c >> 8) & 0xFF) < 80; };

    EXPECT_FALSE(m->Draw());  // no measure: only the background
    EXPECT_EQ(count([](DWORD c) { return c == 0xFFFFFFFF; }), 60 * 40);

    TestMeasure other(5.0);
    m->SetMeasure(&other);
    EXPECT_FALSE(m->Draw());  // a measure of another kind draws no curve either
    EXPECT_EQ(count(reddish), 0);

    CMeasureBiorhythm measure;
    measure.m_DaysLived = 23 * 100;
    m->SetMeasure(&measure);
    EXPECT_TRUE(m->Update());
    EXPECT_TRUE(m->Draw());
    EXPECT_GT(count(reddish), 20);
    EXPECT_GT(count(bluish), 20);
    // Health's dot sits on the centre line a third of the way across.
    EXPECT_TRUE(reddish(host.Pixel(20, 20))) << std::hex << host.Pixel(20, 20);
}

TEST(Biorhythm, LabelFormats) {
    const CString hundred(L'x', 100), ninetyNine = CString(L'x', 97) + L"%%";
    struct Case {
        CString format;
        double value;
        CString shown;
    } cases[] = {
        {L"%.0f%%", 0.5, L"50%"},
        {L"H %+06.1f", -0.25, L"H -025.0"},
        {L"%5.1f", 0.123, L" 12.3"},
        {L"%%", 0.3, L"%"},
        {ninetyNine, 0.0, CString(L'x', 97) + L"%"},
        {hundred, 0.0, L""},
        {L"", 0.5, L""},
        {L"%s", 0.5, L""},
        {L"%n", 0.5, L""},
        {L"%d", 0.5, L""},
        {L"%f %f", 0.5, L""},
        {L"%", 0.5, L""},
        {L"%999f", 0.5, L""},
        {L"%.999f", 0.5, L""},
    };
    for (const auto& c : cases) {
        CString shown = FormatBiorhythmLabel(c.format, c.value);
        EXPECT_EQ(shown, c.shown) << c.format.GetLength();
    }
}

TEST(Biorhythm, EachLabelDependsOnItsOwnFormat) {
    FakeHost host(200, 100);
    auto m = MakeMeter(L"BIORHYTHM", &host,
                       {{L"W", L"100"}, {L"H", L"50"}, {L"HealthFormat", CString(L'x', 100)},
                        {L"IntelligentFormat", L"%.0f%%"}, {L"EmotionFormat", L"E%.0f"},
                        {L"EmotionX", L"120"}});
    CMeasureBiorhythm measure;
    measure.m_DaysLived = 33 * 28 * 7;  // Intelligent and Emotion at zero
    m->SetMeasure(&measure);
    ASSERT_TRUE(m->Draw());
    const auto& b = *Bio(m);
    EXPECT_EQ(b.GetCurve(0).label->GetText(), L"");
    EXPECT_EQ(b.GetCurve(1).label->GetText(), L"0%");
    EXPECT_TRUE(b.GetCurve(2).label->GetText() == L"E0" || b.GetCurve(2).label->GetText() == L"E-0");
}

TEST(Biorhythm, KeysAndXmlForm) {
    FakeHost host;
    auto m = MakeMeter(L"BIORHYTHM", &host,
                       {{L"HealthLineColor", L"1,2,3,4"}, {L"EmotionMarkRadius", L"5.5"}, {L"IntelligentFontSize", L"12"}});
    const auto& b = *Bio(m);
    EXPECT_EQ(b.GetBeforeOffset(), 5);
    EXPECT_EQ(b.GetAfterOffset(), 10);
    EXPECT_EQ(b.GetCurve(0).lineColor, 0x04010203u);
    EXPECT_EQ(b.GetCurve(0).markColor, 0xFFFF0000u);
    EXPECT_EQ(b.GetCurve(1).lineColor, 0xFF008000u);
    EXPECT_EQ(b.GetCurve(2).markRadius, 5.5f);
    EXPECT_EQ(b.GetCurve(2).lineWidth, 2.0f);
    EXPECT_EQ(b.GetCurve(1).label->GetFontSize(), 12);
    EXPECT_EQ(b.GetCurve(0).label->GetFontSize(), 9);
    EXPECT_EQ(b.GetCurve(0).label->GetStyle(), ParseStringStyle(L"BOLD"));
    EXPECT_EQ(b.GetCurve(0).label->GetAlign(), ParseStringAlign(L"CENTER"));
    EXPECT_TRUE(b.GetCurve(0).label->IsAntiAlias());

    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget><Widget Type=\"Biorhythm\" ID=\"3\"><Offset Before=\"2\" After=\"4\"/>"
        "<Health W=\"50\" X=\"1\"><Text Color=\"1,1,1\" Format=\"%.1f%%\" VAlign=\"TOP\"/>"
        "<Graph Width=\"3\" MarkRadius=\"4\"/></Health>"
        "<Emotion><Graph Color=\"0,0,9\"/></Emotion><Emotion H=\"7\"/><health Y=\"9\"/></Widget></ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{AfterOffset=4;BeforeOffset=2;DrawType=BIORHYTHM;EmotionLineColor=0,0,9;"
              L"HealthFontColor=1,1,1;HealthFormat=%.1f%%;HealthLineWidth=3;HealthMarkRadius=4;HealthVAlign=TOP;"
              L"HealthW=50;HealthX=1;ID=3}");
}

}  // namespace
