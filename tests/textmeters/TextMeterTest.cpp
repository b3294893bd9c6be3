// Text, date and user meters: the text they compose from their keys, their
// measure and the date, and where and in which colours it lands in an
// off-screen back buffer.
#include "InkBox.h"
#include "MeterTestSupport.h"

#include "widgets/MeasureCPU.h"
#include "widgets/MeasureUser.h"
#include "widgets/MeterDateString.h"
#include "widgets/MeterString.h"
#include "widgets/MeterUserString.h"
#include "widgets/SkinDefinition.h"

#include "calendar/LunarCalendar.h"
#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <array>

namespace {

GdiplusSession g_Gdiplus;

struct BuiltinTexts {
    BuiltinTexts() {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    }
} g_Texts;

// A measure that hands back its value formatted as asked, and remembers how.
class FormattingMeasure : public CMeasure {
public:
    explicit FormattingMeasure(double value) { m_Value = value; }
    bool Update() override { return true; }
    CString GetStringValue(bool autoScale, double scale, int decimals, bool percentual) override {
        askedDecimals = decimals;
        askedPercentual = percentual;
        CString s;
        askedScale = scale;
        s.Format(L"%.*f", decimals, m_Value);
        return s;
    }
    int askedDecimals = -2;
    double askedScale = 0;
    bool askedPercentual = false;
};

CString Num(int n) {
    CString s;
    s.Format(L"%d", n);
    return s;
}

CMeterString* AsText(const std::unique_ptr<CMeter>& meter) { return static_cast<CMeterString*>(meter.get()); }

TEST(TextMeter, ComposedText) {
    FakeHost host;
    FormattingMeasure measure(7);
    const struct {
        Keys keys;
        bool bound;
        const wchar_t* shown;
    } cases[] = {
        {{{L"Text", L"Hello"}}, false, L"Hello"},
        {{{L"Prefix", L"<"}, {L"Postfix", L">"}}, false, L"<>"},
        {{{L"Prefix", L"a"}}, true, L"a7"},
        {{{L"Text", L"%1 of %2"}}, true, L"7 of %2"},  // a mark without a value stays
        {{{L"Text", L"A#BR#B"}}, false, L"A\nB"},
        {{{L"TextID", L"31006"}}, false, L"Docking Windows"},
        {{{L"Text", L"Own"}, {L"TextID", L"31006"}}, false, L"Own"},
    };
    for (const auto& c : cases) {
        auto meter = MakeMeter(L"STRING", &host, c.keys);
        ASSERT_NE(meter, nullptr);
        if (c.bound) meter->SetMeasure(&measure);
        meter->Update();
        EXPECT_EQ(AsText(meter)->GetDrawnText(), c.shown) << c.shown;
    }
}

TEST(TextMeter, ProcessorLoadInTheMiddleOfTheText) {
    FakeEnvironment env;
    env.processorCount = 2;
    env.cpuSamples = {{std::array<LONGLONG, 3>{100, 200, 100}, std::array<LONGLONG, 3>{300, 300, 100}}};
    CMeasureCPU cpu;
    cpu.ReadConfig(CInfoSection());
    ASSERT_TRUE(cpu.Update());
    FakeHost host;
    auto meter = MakeMeter(L"STRING", &host, {{L"Text", L"CPU %1%"}, {L"Percentual", L"1"}});
    meter->SetMeasure(&cpu);
    EXPECT_TRUE(meter->Update());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"CPU 46%");
}

TEST(TextMeter, DecimalsFollowScaleUnlessGiven) {
    FakeHost host;
    const struct {
        Keys keys;
        int decimals;
        double scale;
        const wchar_t* shown;
    } cases[] = {
        {{}, 0, 1.0, L"12"},
        {{{L"Scale", L"1"}}, 0, 1.0, L"12"},
        {{{L"Scale", L"1.0"}}, 1, 1.0, L"12.4"},
        {{{L"Scale", L"1024"}}, 0, 1024.0, L"12"},
        {{{L"Scale", L""}}, 0, 0.0, L"12"},  // an empty scale counts as whole
        {{{L"AutoScale", L"1"}}, 1, 1.0, L"12.4"},
        {{{L"Scale", L"1.0"}, {L"NumOfDecimals", L"3"}}, 3, 1.0, L"12.400"},
        {{{L"Scale", L"1"}, {L"NumOfDecimals", L"2"}}, 2, 1.0, L"12.40"},
    };
    for (const auto& c : cases) {
        FormattingMeasure measure(12.4);
        auto meter = MakeMeter(L"STRING", &host, c.keys);
        meter->SetMeasure(&measure);
        EXPECT_TRUE(meter->Update());
        EXPECT_EQ(measure.askedDecimals, c.decimals) << c.shown;
        EXPECT_EQ(measure.askedScale, c.scale) << c.shown;
        EXPECT_EQ(AsText(meter)->GetDrawnText(), c.shown);
    }
}

TEST(TextMeter, WordsOfAlignmentAndStyle) {
    const struct {
        const wchar_t* word;
        int align, valign, style;
    } cases[] = {
        {L"LEFT", 0, 0, 0},   {L"right", 1, 0, 0},   {L"Center", 2, 2, 0}, {L"BOTTOM", 0, 1, 0},
        {L"bold", 0, 0, 1},   {L"ITALIC", 0, 0, 2},  {L"BoldItalic", 0, 0, 3}, {L"middle", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseStringAlign(c.word), c.align) << c.word;
        EXPECT_EQ(ParseStringVAlign(c.word), c.valign) << c.word;
        EXPECT_EQ(ParseStringStyle(c.word), c.style) << c.word;
    }
}

// ---- Drawing ----

struct TextDrawing : ::testing::Test {
    FakeHost host{220, 60};
    InkBox Draw(Keys keys) {
        ClearHost(host);
        meter = MakeMeter(L"STRING", &host, keys);
        meter->Draw();
        return FindInk(host);
    }
    std::unique_ptr<CMeter> meter;
};

TEST_F(TextDrawing, AnchorByAlignment) {
    const struct {
        const wchar_t* align;
        int x;
    } cases[] = {{L"LEFT", 20}, {L"RIGHT", 100}, {L"CENTER", 100}};
    for (const auto& c : cases) {
        InkBox box = Draw({{L"Text", L"Anchor"}, {L"StringAlign", c.align}, {L"X", Num(c.x)}, {L"Y", L"10"},
                           {L"W", L"80"}, {L"H", L"20"}});
        ASSERT_FALSE(box.Empty()) << c.align;
        if (CString(c.align) == L"LEFT") {
            EXPECT_GE(box.left, c.x);
            EXPECT_LE(box.left, c.x + 5);  // the format's padding and the first letter's bearing
        } else if (CString(c.align) == L"RIGHT") {
            EXPECT_LE(box.right, c.x + 1);  // a blended edge may touch the anchor's pixel
            EXPECT_GE(box.right, c.x - 6);
            EXPECT_EQ(meter->GetX(false), c.x - 80);
            EXPECT_EQ(meter->GetX(true), c.x);
        } else {
            EXPECT_LE(std::abs((box.left + box.right) / 2 - c.x), 2);
            EXPECT_EQ(meter->GetX(false), c.x - 40);
        }
    }
}

TEST_F(TextDrawing, ColoursExactlyAsGiven) {
    InkBox text = Draw({{L"Text", L"Colour"}, {L"FontColor", L"0,0,255,255"}, {L"X", L"10"}, {L"Y", L"10"},
                        {L"W", L"150"}, {L"H", L"30"}});
    ASSERT_FALSE(text.Empty());
    EXPECT_FALSE(FindInk(host, [](DWORD c) { return c == 0xFF0000FF; }).Empty());
    InkBox other = FindOtherColour(host, 0x0000FF);
    EXPECT_TRUE(other.Empty());  // edges blend with transparency only
}

// The shadow copies widen the plain text's box by their reach on each side.
TEST_F(TextDrawing, ShadowSmearAndOutline) {
    Keys plainKeys = {{L"Text", L"Shadow"}, {L"X", L"40"}, {L"Y", L"15"}, {L"W", L"150"}, {L"H", L"30"}};
    InkBox plain = Draw(plainKeys);
    ASSERT_FALSE(plain.Empty());
    InkBox plainBlack = FindInk(host, [](DWORD p) { return p == 0xFF000000; });
    const struct {
        const wchar_t* x;
        const wchar_t* y;
        int left, top, right, bottom;  // growth of the box on each side
        int shadowCopies;
    } cases[] = {
        {L"1", L"1", 0, 0, 1, 1, 1},
        {L"101", L"101", 1, 1, 1, 1, 8},
        {L"102", L"0", 2, 0, 2, 0, 3},
        {L"0", L"102", 0, 2, 0, 2, 3},
        {L"-2", L"0", 2, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        Keys keys = {{L"Text", L"Shadow"}, {L"X", L"40"}, {L"Y", L"15"},       {L"W", L"150"},
                     {L"H", L"30"},        {L"OffsetX", c.x}, {L"OffsetY", c.y}, {L"ShadowColor", L"255,0,0,255"}};
        InkBox all = Draw(keys);
        EXPECT_EQ(plain.left - all.left, c.left) << c.x << "/" << c.y;
        EXPECT_EQ(plain.top - all.top, c.top) << c.x << "/" << c.y;
        EXPECT_EQ(all.right - plain.right, c.right) << c.x << "/" << c.y;
        EXPECT_EQ(all.bottom - plain.bottom, c.bottom) << c.x << "/" << c.y;
        EXPECT_FALSE(FindInk(host, [](DWORD p) { return p == 0xFFFF0000; }).Empty());
        InkBox black = FindInk(host, [](DWORD p) { return p == 0xFF000000; });
        EXPECT_EQ(black.left, plainBlack.left);  // the text itself stays in place, on top
        EXPECT_EQ(black.right, plainBlack.right);
    }
}

TEST_F(TextDrawing, LongTextEndsWithEllipsisOrRunsPastWidth) {
    const wchar_t* kLong = L"A rather long line of text that cannot fit";
    InkBox single = Draw({{L"Text", kLong}, {L"X", L"10"}, {L"Y", L"10"}, {L"W", L"60"}, {L"H", L"30"}, {L"SingleLine", L"1"}});
    ASSERT_FALSE(single.Empty());
    EXPECT_LE(single.right, 70);
    EXPECT_LT(single.bottom, 10 + 20);  // one line only
    InkBox clipped = Draw({{L"Text", kLong}, {L"X", L"10"}, {L"Y", L"10"}, {L"W", L"60"}, {L"H", L"14"}, {L"ClipString", L"1"}});
    EXPECT_LE(clipped.right, 70);
    InkBox free = Draw({{L"Text", kLong}, {L"X", L"10"}, {L"Y", L"10"}, {L"W", L"60"}, {L"H", L"30"}});
    EXPECT_GT(free.right, 70 + 40);
    EXPECT_LT(free.bottom, 10 + 20);  // not wrapped either
    // The ellipsis takes the place of the end: the single line is not the
    // free text cut at W.
    EXPECT_GT(single.Width(), 30);
}

TEST_F(TextDrawing, MissingFaceFallsBackToSansSerif) {
    Draw({{L"Text", L"Face"}, {L"FontFace", L"No Such Face Anywhere"}, {L"W", L"100"}, {L"H", L"30"}});
    WCHAR sans[LF_FACESIZE] = {};
    Gdiplus::FontFamily::GenericSansSerif()->GetFamilyName(sans);
    EXPECT_EQ(AsText(meter)->GetFontFamilyName(), CString(sans));
    EXPECT_FALSE(FindInk(host).Empty());
    Draw({{L"Text", L"Face"}, {L"FontFace", L"Tahoma"}, {L"W", L"100"}, {L"H", L"30"}});
    EXPECT_EQ(AsText(meter)->GetFontFamilyName(), L"Tahoma");
}

TEST_F(TextDrawing, DrawOffsetPutsPositionAndColourBack) {
    InkBox plain = Draw({{L"Text", L"Day"}, {L"X", L"30"}, {L"Y", L"10"}, {L"W", L"80"}, {L"H", L"30"}});
    ClearHost(host);
    CMeterString* text = AsText(meter);
    EXPECT_TRUE(text->DrawOffset(5, 3, 0xFF00FF00));
    InkBox moved = FindColour(host, 0x00FF00);
    EXPECT_EQ(moved.left, plain.left + 5);
    EXPECT_EQ(moved.top, plain.top + 3);
    EXPECT_EQ(text->GetX(true), 30);
    EXPECT_EQ(text->GetY(), 10);
    EXPECT_EQ(text->GetFontColor(), 0xFF000000u);
    text->SetHidden(true);
    EXPECT_FALSE(text->DrawOffset(1, 1, 0xFF00FF00));
}

// ---- Dates ----

TEST(DateMeter, Placeholders) {
    const struct {
        int y, m, d;
        const wchar_t* format;
        const wchar_t* shown;
    } cases[] = {
        {2010, 2, 14, L"#SOL_LY#/#SOL_D#/#HANJA_WEEKDAY#", L"2010/14/\x65e5"},
        {2005, 6, 1, L"#SOL_SY#", L"5"},
        {2010, 2, 14, L"#DAYOFYEAR# #WEEKORDER# #WEEKORDEROFYEAR#", L"45 2 7"},
        {2010, 2, 14, L"#LUN_LY#.#LUN_D# #HANJA_YEAR#", L"2010.1 \x5e9a\x5bc5"},
        {2010, 2, 14, L"a#BR#b #UNKNOWN#", L"a\nb #UNKNOWN#"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMeterDateString::FormatDate(c.format, c.y, c.m, c.d, GetDateInfo(c.y, c.m, c.d)), c.shown)
            << c.format;
}

TEST(DateMeter, NamesFromTheTextTable) {
    EXPECT_EQ(CMeterDateString::FormatDate(L"#SOL_LM# #SOL_SM# #SOL_LWEEKDAY# #SOL_SWEEKDAY# #LUN_DTYPE#", 2010, 2,
                                           14, GetDateInfo(2010, 2, 14)),
              L"February Feb Sunday Sun " + g_LanguageTable[805]);
}

struct DateClock : ::testing::Test {
    FakeEnvironment env;
    FakeHost host;
    __time64_t At(int y, int mo, int d, int h, int mi, int s) {
        struct tm t = {};
        t.tm_year = y - 1900, t.tm_mon = mo - 1, t.tm_mday = d, t.tm_hour = h, t.tm_min = mi, t.tm_sec = s;
        return env.FromLocal(t);
    }
};

TEST_F(DateClock, TextChangesOnceWhenTheDateChanges) {
    auto meter = MakeMeter(L"DATESTRING", &host, {{L"DateFormat", L"#SOL_LY#-#SOL_LM#-#SOL_D#"}});
    CString last;
    int changes = 0;
    for (int second = -3; second <= 3; ++second) {
        env.now = At(2010, 2, 14, 23, 59, 57) + 3 + second;
        EXPECT_TRUE(meter->Update());
        CString shown = AsText(meter)->GetDrawnText();
        if (second > -3 && shown != last) ++changes;
        last = shown;
    }
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(last.Find(L"-15") > 0) << (LPCWSTR)last;
}

TEST_F(DateClock, DateOutsideTheLunarTablesHasNoValue) {
    auto meter = MakeMeter(L"DATESTRING", &host, {{L"DateFormat", L"#SOL_LY#"}, {L"Prefix", L"["}, {L"Postfix", L"]"}});
    env.now = At(2043, 12, 31, 12, 0, 0);
    EXPECT_TRUE(meter->Update());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"[2043]");
    env.now = At(2044, 1, 1, 12, 0, 0);
    EXPECT_FALSE(meter->Update());
    EXPECT_TRUE(AsText(meter)->GetValues().empty());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"[]");
}

// A clock that reads any local date, also before 1970.
class CalendarEnvironment : public FakeEnvironment {
public:
    bool ToLocal(__time64_t, struct tm& local) override {
        local = today;
        return true;
    }
    struct tm today = {};
};

TEST(DateMeter, OnlyDatesOfTheLunarTablesHaveAValue) {
    CalendarEnvironment env;
    FakeHost host;
    auto meter = MakeMeter(L"DATESTRING", &host, {{L"DateFormat", L"#SOL_LY#"}, {L"Text", L"%1"}, {L"Prefix", L"["}});
    const struct {
        int y, m, d;
        bool value;
    } cases[] = {{1841, 6, 1, true}, {1840, 12, 31, false}, {2043, 12, 31, true}, {2044, 1, 1, false}, {1700, 1, 1, false}};
    for (const auto& c : cases) {
        env.today.tm_year = c.y - 1900, env.today.tm_mon = c.m - 1, env.today.tm_mday = c.d;
        EXPECT_EQ(meter->Update(), c.value) << c.y;
        EXPECT_EQ(AsText(meter)->GetDrawnText(), c.value ? L"[" + Num(c.y) : CString(L"[%1")) << c.y;
    }
}

// ---- User facts ----

class UserEnvironment : public FakeEnvironment {
public:
    WidgetUserProfile GetUserProfile() override { return profile; }
    WidgetUserProfile profile;
};

TEST(UserMeter, Placeholders) {
    CMeasureUser user;
    user.m_LifetimeRevision = 0;
    const struct {
        int lifetime;
        const wchar_t* format;
        const wchar_t* shown;
    } cases[] = {
        {12345, L"#LIFE_TIME#", L"12,345"},
        {999, L"#LIFE_TIME#", L"999"},
        {1000, L"#LIFE_TIME# #LIFETIME#", L"1,000 1000"},
        {1234567, L"#LIFE_TIME#", L"1234,567"},  // one comma, before the last three digits
    };
    WidgetUserProfile profile;
    for (const auto& c : cases) {
        user.m_LifetimeDays = c.lifetime;
        EXPECT_EQ(CMeterUserString::FormatUser(c.format, user, profile), c.shown) << c.format;
    }
    user.m_Age = 30;
    user.m_DaysToBirthday = 10;
    profile.userName = L"Kim";
    profile.regionName = L"Busan";
    profile.birthYear = 1980, profile.birthMonth = 3, profile.birthDay = 9;
    EXPECT_EQ(CMeterUserString::FormatUser(L"#NAME# #CITY# #AGE# #NEXTBIRTHDAY# #BIRTHYEAR#.#BIRTHMONTH#.#BIRTHDAY#",
                                           user, profile),
              L"Kim Busan 31 10 1980.3.9");
}

TEST(UserMeter, BirthCalendarMarks) {
    CMeasureUser user;
    WidgetUserProfile profile;
    const struct {
        int calendar;
        int typeText;  // 0: empty
        int nameText;  // 0: the marks stay
    } cases[] = {{0, 0, 811}, {1, 805, 812}, {2, 806, 813}, {7, 0, 0}};
    for (const auto& c : cases) {
        profile.birthCalendar = c.calendar;
        CString expected = c.nameText ? (c.typeText ? L"(" + g_LanguageTable[c.typeText] + L")" : CString()) + L"|" +
                                            g_LanguageTable[c.nameText]
                                      : CString(L"#BIRTHTYPE#|#BIRTH_TYPE#");
        EXPECT_EQ(CMeterUserString::FormatUser(L"#BIRTHTYPE#|#BIRTH_TYPE#", user, profile), expected) << c.calendar;
    }
}

TEST(UserMeter, KeepsItsTextOverAnotherKindOfMeasure) {
    UserEnvironment env;
    env.profile.userName = L"Lee";
    FakeHost host;
    auto meter = MakeMeter(L"USERSTRING", &host, {{L"UserFormat", L"#NAME#"}, {L"Text", L"Hi %1"}});
    EXPECT_TRUE(meter->Update());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"Hi %1");
    TestMeasure other(5);
    meter->SetMeasure(&other);
    EXPECT_TRUE(meter->Update());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"Hi %1");
    CMeasureUser user;
    meter->SetMeasure(&user);
    EXPECT_TRUE(meter->Update());
    EXPECT_EQ(AsText(meter)->GetDrawnText(), L"Hi Lee");
}

// ---- XML forms ----

TEST(TextMeterXml, ElementsBecomeKeys) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Widget Type=\"String\"><Origin X=\"1\" Y=\"2\"/><Font Color=\"1,2,3,255\" Size=\"12\" Face=\"Tahoma\" "
        "Style=\"BOLD\"/><Align Align=\"RIGHT\" VAlign=\"CENTER\"/><Text Value=\"t\" ValueID=\"5\"/>"
        "<Prefix Value=\"p\"/><Postfix Value=\"q\"/><AntiAlias Value=\"1\"/><Percentual Value=\"1\"/>"
        "<AutoScale Value=\"1\"/><ClipString Value=\"1\"/><SingleLine Value=\"1\"/><Scale Value=\"1.0\"/>"
        "<Offset X=\"101\" Y=\"101\" Color=\"9,9,9,9\"/></Widget>"
        "<Widget Type=\"DateString\"><DateFormat Value=\"#SOL_D#\"/></Widget>"
        "<Widget Type=\"UserString\"><UserFormat Value=\"#NAME#\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{AntiAlias=1;AutoScale=1;ClipString=1;DrawType=STRING;FontColor=1,2,3,255;FontFace=Tahoma;"
              L"FontSize=12;OffsetX=101;OffsetY=101;Percentual=1;Postfix=q;Prefix=p;Scale=1.0;ShadowColor=9,9,9,9;"
              L"SingleLine=1;StringAlign=RIGHT;StringStyle=BOLD;StringVAlign=CENTER;Text=t;TextID=5;X=1;Y=2}"
              L"WIDGET{DateFormat=#SOL_D#;DrawType=DATESTRING}"
              L"WIDGET{DrawType=USERSTRING;UserFormat=#NAME#}");
}

}  // namespace
