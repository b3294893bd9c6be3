// Button meters drawn into an off-screen back buffer: which frame of the
// strip shows in each state, the darkened and highlighted single face, the
// tooltip, the label and the XML form.
#include "InkBox.h"
#include "MeterTestSupport.h"

#include "widgets/MeterButton.h"
#include "widgets/MeterString.h"
#include "widgets/SkinDefinition.h"

#include "shell/LanguageTable.h"
#include "ui/ControlSettings.h"

#include <gtest/gtest.h>

namespace {

GdiplusSession g_Gdiplus;

struct BuiltinTexts {
    BuiltinTexts() {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    }
} g_Texts;

CString Num(int n) {
    CString s;
    s.Format(L"%d", n);
    return s;
}

CMeterButton* AsButton(const std::unique_ptr<CMeter>& meter) { return static_cast<CMeterButton*>(meter.get()); }

DWORD Solid(int, int) { return 0xFFC86432; }  // 200, 100, 50

struct Buttons : ::testing::Test {
    CScratchFolder folder{L"textmeters"};
    FakeHost host{80, 40};
    // Four 12 x 11 frames: pressed, normal, over, disabled.
    CString strip = folder.Write(L"strip.bmp", StripBmp({kCell[0], kCell[1], kCell[2], kCell[3]}, 12, 11));
    CString face = folder.Write(L"face.bmp", PictureBmp(20, 20, Solid));
    // The frame colour at the middle of a 12 x 11 button at (10, 5).
    DWORD Shown(CMeter& meter) {
        ClearHost(host);
        meter.Draw();
        return host.Pixel(16, 10);
    }
};

TEST_F(Buttons, StripFramesFollowThePressedState) {
    const Keys sized[] = {
        {{L"ImageName", strip}, {L"X", L"10"}, {L"Y", L"5"}},
        {{L"ImageName", strip}, {L"X", L"10"}, {L"Y", L"5"}, {L"W", L"12"}, {L"H", L"11"}},
    };
    for (const Keys& keys : sized) {
        auto meter = MakeMeter(L"BUTTON", &host, keys);
        ASSERT_NE(meter, nullptr);
        CMeterButton& button = *AsButton(meter);
        EXPECT_EQ(button.GetW(), 12);
        EXPECT_EQ(button.GetH(), 11);
        EXPECT_TRUE(button.IsButton());
        EXPECT_EQ(Shown(button), kCell[1]);
        const struct {
            bool down;
            CPoint point;
            bool changed;
            DWORD frame;
        } steps[] = {
            {false, CPoint(15, 8), false, kCell[1]},  // hovering changes nothing
            {true, CPoint(15, 8), true, kCell[0]},    // pressed
            {true, CPoint(22, 16), false, kCell[0]},  // the right and bottom edges still hit
            {true, CPoint(40, 30), true, kCell[1]},   // moved off while held
            {false, CPoint(40, 30), false, kCell[1]}, // released outside: nothing to run
        };
        for (const auto& s : steps) {
            EXPECT_EQ(button.UpdateButtonState(s.down, s.point), s.changed) << s.point.x;
            EXPECT_EQ(Shown(button), s.frame) << s.point.x;
        }
        button.SetState(CMeterButton::STATE_DISABLED);
        EXPECT_FALSE(button.UpdateButtonState(true, CPoint(15, 8)));
        EXPECT_EQ(Shown(button), kCell[3]);
    }
}

TEST_F(Buttons, PressedSingleFaceDarkensOrGlows) {
    auto dark = MakeMeter(L"BUTTON", &host, {{L"ImageName", face}, {L"X", L"10"}, {L"Y", L"5"}, {L"SingleFrame", L"1"},
                                             {L"TouchHighlight", L"0"}});
    ASSERT_EQ(dark->GetW(), 20);  // one face: no division by four
    EXPECT_EQ(Shown(*dark), 0xFFC86432u);
    ASSERT_TRUE(AsButton(dark)->UpdateButtonState(true, CPoint(12, 7)));
    Gdiplus::Color c(Shown(*dark));
    EXPECT_NEAR(c.GetR(), 130, 1);
    EXPECT_NEAR(c.GetG(), 65, 1);
    EXPECT_NEAR(c.GetB(), 32, 1);
    EXPECT_EQ(c.GetA(), 255);

    // With the highlight the face keeps its colour and the 48 x 48 glow is
    // laid over it: at its own size in the middle of a larger button,
    // stretched over a smaller one.
    FakeHost big(100, 100);
    const struct {
        int size;
        CPoint outsideGlow;  // a point of the face the glow leaves alone, or (-1, -1)
    } cases[] = {{60, CPoint(13, 13)}, {8, CPoint(-1, -1)}};
    for (const auto& c : cases) {
        auto glow = MakeMeter(L"BUTTON", &big, {{L"ImageName", face}, {L"X", L"10"}, {L"Y", L"10"},
                                                {L"W", Num(c.size)}, {L"H", Num(c.size)}, {L"SingleFrame", L"1"},
                                                {L"TouchHighlight", L"1"}});
        int middle = 10 + c.size / 2;
        AsButton(glow)->UpdateButtonState(true, CPoint(middle, middle));
        ClearHost(big);
        glow->Draw();
        InkBox pressed = FindInk(big);
        EXPECT_NEAR(pressed.left, 10, 1) << c.size;
        EXPECT_NEAR(pressed.Width(), c.size, 2) << c.size;
        Gdiplus::Color centre(big.Pixel(middle, middle));
        EXPECT_GT(centre.GetG(), 100 + 20) << c.size;  // brighter than the face
        if (c.outsideGlow.x >= 0) {
            EXPECT_EQ(big.Pixel(c.outsideGlow.x, c.outsideGlow.y), 0xFFC86432u);
        }
    }
}

TEST_F(Buttons, ToolTipFromItsTextOrTheTextTable) {
    const struct {
        Keys keys;
        const wchar_t* tip;
    } cases[] = {
        {{{L"ToolTip", L"Open"}, {L"ToolTipID", L"31006"}}, L"Open"},
        {{{L"ToolTip", L""}, {L"ToolTipID", L"31006"}}, nullptr},  // text 31006
        {{{L"ToolTipID", L"0"}}, L""},
        {{}, L""},
    };
    for (const auto& c : cases) {
        Keys keys = c.keys;
        auto meter = MakeMeter(L"BUTTON", &host, keys);
        CMeterButton& button = *AsButton(meter);
        CString expected = c.tip ? CString(c.tip) : g_LanguageTable[31006];
        EXPECT_EQ(button.GetToolTipText(), expected);
        EXPECT_EQ(button.HitTestToolTip(CPoint(0, 0)), !expected.IsEmpty());
        EXPECT_FALSE(button.HitTestToolTip(CPoint(50, 50)));
    }
    EXPECT_EQ(g_LanguageTable[31006], L"Docking Windows");
}

TEST_F(Buttons, LabelFromATextIdAlone) {
    auto meter = MakeMeter(L"BUTTON", &host, {{L"X", L"10"}, {L"Y", L"5"}, {L"W", L"60"}, {L"H", L"20"},
                                              {L"LabelID", L"31006"}});
    CMeterButton& button = *AsButton(meter);
    CMeterString* label = button.GetLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), g_LanguageTable[31006]);
    EXPECT_EQ(label->GetAlign(), 2);
    EXPECT_EQ(label->GetVAlign(), 2);
    EXPECT_EQ(label->GetStyle(), 1);
    EXPECT_EQ(label->GetFontSize(), 9);
    EXPECT_EQ(label->GetFontFace(), g_ControlSettings.DefaultFontFace);
    EXPECT_TRUE(label->IsSingleLine());
    EXPECT_FALSE(label->IsAntiAlias());
    EXPECT_EQ(label->GetW(), 60);
    EXPECT_EQ(label->GetH(), 20);
    EXPECT_EQ(button.GetLabelRelativeX(), 30);

    ClearHost(host);
    button.Draw();
    InkBox black = FindColour(host, 0x000000);
    ASSERT_FALSE(black.Empty());
    EXPECT_LE(std::abs((black.left + black.right) / 2 - 40), 3);  // centred on the button
    EXPECT_TRUE(FindOtherColour(host, 0x000000).Empty());
    EXPECT_LE(black.bottom - black.top, 14);                      // one line

    button.UpdateButtonState(true, CPoint(20, 10));
    ClearHost(host);
    button.Draw();
    InkBox white = FindColour(host, 0xFFFFFF);
    EXPECT_NEAR(white.left, black.left, 1);
    EXPECT_TRUE(FindColour(host, 0x000000).Empty());
}

TEST_F(Buttons, LabelKeysAndTheirDefaults) {
    const struct {
        Keys keys;
        bool label;
        CString text;
        int relativeX;
    } cases[] = {
        {{{L"W", L"40"}, {L"H", L"10"}}, false, L"", 0},
        {{{L"W", L"40"}, {L"H", L"10"}, {L"Label", L""}}, true, L"", 20},
        {{{L"W", L"40"}, {L"H", L"10"}, {L"Label", L"Go#BR#on"}}, true, L"Go\non", 20},
        {{{L"W", L"40"}, {L"H", L"10"}, {L"Label", L"Go"}, {L"LabelID", L"31006"}}, true, g_LanguageTable[31006], 20},
        {{{L"W", L"40"}, {L"H", L"10"}, {L"LabelID", L"abc"}}, true, g_LanguageTable[0], 20},
        {{{L"W", L"40"}, {L"H", L"10"}, {L"Label", L"Go"}, {L"LabelRelativeX", L"0"}}, true, L"Go", 0},
    };
    for (const auto& c : cases) {
        auto meter = MakeMeter(L"BUTTON", &host, c.keys);
        CMeterString* label = AsButton(meter)->GetLabel();
        ASSERT_EQ(label != nullptr, c.label) << (LPCWSTR)c.text;
        if (!label) continue;
        EXPECT_EQ(label->GetText(), c.text);
        EXPECT_EQ(AsButton(meter)->GetLabelRelativeX(), c.relativeX);
    }
}

TEST(ButtonXml, ElementsBecomeKeys) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Widget Type=\"Button\"><Origin X=\"1\" Y=\"2\"/><Button Image=\"b.png\" X=\"3\" W=\"4\" CacheID=\"6\"/>"
        "<HyperLink Value=\"1\"/><ToolTip Value=\"t\" ValueID=\"7\"/><SingleFrame Value=\"1\"/>"
        "<TouchHighlight Value=\"0\"/><Command Value=\"Hide\"/>"
        "<Label><Text Value=\"L\" ValueID=\"8\"/><Align Align=\"LEFT\" VAlign=\"TOP\"/><Size W=\"5\" H=\"6\"/>"
        "<Relative X=\"7\" Y=\"8\"/><SingleLine Value=\"0\"/><AntiAlias Value=\"1\"/>"
        "<Font Size=\"10\" Style=\"NORMAL\" Face=\"Arial\"/><Color Normal=\"1,1,1,1\" Select=\"2,2,2,2\" "
        "Over=\"3,3,3,3\" Disable=\"4,4,4,4\"/><Offset X=\"1\" Y=\"2\" Color=\"5,5,5,5\"/></Label></Widget>"
        "<Widget Type=\"Button\"><Text Value=\"ignored without a Label\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{CacheID=6;Command=Hide;DrawType=BUTTON;HyperLink=1;ImageName=b.png;Label=L;LabelAlign=LEFT;"
              L"LabelAntiAlias=1;LabelDisableColor=4,4,4,4;LabelFontFace=Arial;LabelFontSize=10;LabelHeight=6;"
              L"LabelID=8;LabelNormalColor=1,1,1,1;LabelOffsetX=1;LabelOffsetY=2;LabelOverColor=3,3,3,3;"
              L"LabelRelativeX=7;LabelRelativeY=8;LabelSelectColor=2,2,2,2;LabelShadowColor=5,5,5,5;"
              L"LabelSingleLine=0;LabelStyle=NORMAL;LabelVAlign=TOP;LabelWidth=5;SingleFrame=1;ToolTip=t;"
              L"ToolTipID=7;TouchHighlight=0;W=4;X=3;Y=2}"
              L"WIDGET{DrawType=BUTTON}");
}

}  // namespace
