// The weather meter without a network: its refresh rule on a test clock,
// feeds from a fixture (and variants of it) parsed on the spot, the
// download's size rule and address, and the XML form.
#include "MeterTestSupport.h"
#include "TestFiles.h"
#include "WeatherHostOverride.h"

#include "widgets/MeterImage.h"
#include "widgets/MeterString.h"
#include "widgets/MeterWeather.h"
#include "widgets/SkinDefinition.h"
#include "widgets/WeatherRequest.h"
#include "widgets/WidgetDialogRewrite.h"
#include "widgets/MeterBiorhythm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

GdiplusSession g_Gdiplus;

class WeatherEnvironment : public FakeEnvironment {
public:
    WidgetUserProfile GetUserProfile() override {
        WidgetUserProfile p;
        p.regionName = L"Mapo";
        return p;
    }
};

std::string Fixture(const char* name) {
    const char* source = getenv("ZOREL_SOURCE_DIR");
    CString path = CString(source ? source : ".") + L"\\tests\\weather\\feeds\\" + CString(name);
    path.Replace(L'/', L'\\');
    return ReadFileBytes(path);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

struct Started {
    CMeterWeather* meter;
    CString woeid, unit;
};

class WeatherTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMeterWeather::SetRequestStarter(
            [this](CMeterWeather* m, const CString& w, const CString& u) { started.push_back({m, w, u}); });
    }
    void TearDown() override { CMeterWeather::SetRequestStarter(nullptr); }

    std::unique_ptr<CMeter> Make(Keys keys) { return MakeMeter(L"WEATHER", &host, keys); }
    static CMeterWeather* W(const std::unique_ptr<CMeter>& m) { return static_cast<CMeterWeather*>(m.get()); }
    static CString Text(const std::unique_ptr<CMeter>& m, CMeterWeather::TextPart part) {
        return W(m)->GetText(part)->GetText();
    }
    static CString IconName(const std::unique_ptr<CMeter>& m) {
        return W(m)->GetIconSection().GetString(L"ImageName");
    }
    static void Feed(const std::unique_ptr<CMeter>& m, const std::string& feed) {
        W(m)->ParseWeatherFeed(feed.data(), (int)feed.size());
    }
    __time64_t At(int y, int mo, int d, int h, int mi) {
        struct tm t = {};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        return env.FromLocal(t);
    }

    WeatherEnvironment env;
    FakeHost host{80, 60};
    std::vector<Started> started;
};

TEST_F(WeatherTest, RefreshRuleOnATestClock) {
    auto m = Make({{L"WOEID", L"1132599"}, {L"Unit", L"f"}, {L"UpdateTimeFormat", L"#H#:#N# #y#"}});
    env.now = At(2005, 3, 31, 9, 5);
    EXPECT_TRUE(m->Update());
    ASSERT_EQ(started.size(), 1u);  // the first update after loading
    EXPECT_EQ(started[0].meter, W(m));
    EXPECT_EQ(started[0].woeid, L"1132599");
    EXPECT_EQ(started[0].unit, L"f");
    EXPECT_EQ(Text(m, CMeterWeather::UPDATE_TIME), L"09:05 5");
    // Before any feed, the icon shows the placeholder beside the skin file.
    EXPECT_EQ(IconName(m), L"C:\\Zorel\\skin\\widgets\\timer\\na.png");

    env.now = At(2005, 3, 31, 9, 6);
    m->Update();
    env.now = At(2005, 3, 31, 9, 20);  // 15 units later: not yet
    m->Update();
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(Text(m, CMeterWeather::UPDATE_TIME), L"09:05 5");
    env.now = At(2005, 3, 31, 9, 21);
    m->Update();
    EXPECT_EQ(started.size(), 2u);
    // Across the end of a month the stamp still grows.
    env.now = At(2005, 4, 1, 0, 0);
    m->Update();
    EXPECT_EQ(started.size(), 3u);
    // The update command makes the very next update fetch again.
    W(m)->RequestRefresh();
    m->Update();
    EXPECT_EQ(started.size(), 4u);
    EXPECT_EQ(Text(m, CMeterWeather::UPDATE_TIME), L"00:00 5");
}

TEST(WeatherTime, Placeholders) {
    struct tm t = {};
    t.tm_year = 2005 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_wday = 1;
    EXPECT_EQ(CMeterWeather::FillTimeTemplate(L"#H#:#N#", t), L"09:05");
    EXPECT_EQ(CMeterWeather::FillTimeTemplate(L"#y#|#Y#|#M#|#m#|#D#|#d#|#h#|#n#|#H##H#", t),
              L"5|2005|03|3|07|7|9|5|0909");
}

TEST(WeatherCondition, TextByLanguageAndCode) {
    struct Case {
        int code;
        const wchar_t* language;
        const wchar_t* shown;
    } cases[] = {
        {3200, L"korea", L"정보 없음"}, {3200, L"English", L"Feed"}, {-1, L"KOREA", L"Feed"},
        {45, L"Korea", L"뇌우"},        {0, L"KOREA", L"회오리 바람"}, {47, L"KOREA", L"국지성 뇌우"},
        {48, L"KOREA", L"Feed"},        {31, L"KOREAN", L"Feed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMeterWeather::GetConditionText(L"Feed", c.code, c.language), c.shown) << c.code;
}

TEST_F(WeatherTest, CompleteFeedSetsEveryText) {
    auto m = Make({{L"InfoTextFormat", L"#CITY#: #I#"}, {L"HumidityFormat", L"#X#%"}, {L"LowTempFormat", L"L#X#"}});
    Feed(m, Fixture("forecast.xml"));
    auto* w = W(m);
    EXPECT_EQ(w->IsBusy(), 0);
    EXPECT_EQ(w->GetConditionCode(), 26);
    EXPECT_EQ(Text(m, CMeterWeather::CITY), L"Seoul");
    EXPECT_EQ(Text(m, CMeterWeather::CURRENT_TEMP), L"-3\x00B0");
    EXPECT_EQ(Text(m, CMeterWeather::LOW_TEMP), L"L-7");  // truncated toward zero
    EXPECT_EQ(Text(m, CMeterWeather::HIGH_TEMP), L"2\x00B0");
    EXPECT_EQ(Text(m, CMeterWeather::HUMIDITY), L"63%");
    EXPECT_EQ(Text(m, CMeterWeather::INFO_TEXT), L"Mapo: Cloudy");
    EXPECT_EQ(w->GetDetailLink(), L"http://weather.example.com/forecast/KSXX0037.html");
    EXPECT_EQ(IconName(m), L"C:\\Zorel\\skin\\widgets\\timer\\26.png");
    EXPECT_GE(host.refreshes, 1);
}

TEST_F(WeatherTest, FeedVariants) {
    const std::string full = Fixture("forecast.xml");
    ASSERT_FALSE(full.empty());
    struct Case {
        const char* name;
        std::string feed;
        const wchar_t* language;
        const wchar_t* icon;
        const wchar_t* info;
        const wchar_t* low;
        const wchar_t* high;
        const wchar_t* link;
    } cases[] = {
        {"na", Replaced(full, "code=\"26\" temp", "code=\"NA\" temp"), L"KOREA", L"na.png", L"Cloudy", L"-7\x00B0",
         L"2\x00B0", L"http://weather.example.com/forecast/KSXX0037.html"},
        {"3200 korea", Replaced(full, "code=\"26\" temp", "code=\"3200\" temp"), L"korea", L"na.png", L"정보 없음",
         L"-7\x00B0", L"2\x00B0", L"http://weather.example.com/forecast/KSXX0037.html"},
        {"3200 English", Replaced(full, "code=\"26\" temp", "code=\"3200\" temp"), L"English", L"na.png",
         L"Cloudy", L"-7\x00B0", L"2\x00B0", L"http://weather.example.com/forecast/KSXX0037.html"},
        {"code 48", Replaced(full, "code=\"26\" temp", "code=\"48\" temp"), L"KOREA", L"na.png", L"Cloudy",
         L"-7\x00B0", L"2\x00B0", L"http://weather.example.com/forecast/KSXX0037.html"},
        {"code 0 korea", Replaced(full, "code=\"26\" temp", "code=\"0\" temp"), L"KOREA", L"0.png", L"회오리 바람",
         L"-7\x00B0", L"2\x00B0", L"http://weather.example.com/forecast/KSXX0037.html"},
        {"no low", Replaced(full, "low=\"-7.6\" ", ""), L"English", L"26.png", L"Cloudy", L"", L"2\x00B0",
         L"http://weather.example.com/forecast/KSXX0037.html"},
        {"no link", Replaced(full, "<link>http://weather.example.com/forecast/KSXX0037.html</link>", ""),
         L"English", L"26.png", L"Cloudy", L"-7\x00B0", L"2\x00B0", L""},
        {"empty link", Replaced(full, "<link>http://weather.example.com/forecast/KSXX0037.html</link>", "<link/>"),
         L"English", L"26.png", L"Cloudy", L"-7\x00B0", L"2\x00B0", L"http://old.example.com/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto m = Make({{L"InfoTextLanguage", c.language}});
        // An earlier feed with another link, so that a kept link shows.
        Feed(m, Replaced(full, "http://weather.example.com/forecast/KSXX0037.html", "http://old.example.com/"));
        if (CString(c.low).IsEmpty()) W(m)->GetText(CMeterWeather::LOW_TEMP)->SetText(L"");
        Feed(m, c.feed);
        EXPECT_EQ(W(m)->IsBusy(), 0);
        EXPECT_EQ(IconName(m), CString(L"C:\\Zorel\\skin\\widgets\\timer\\") + c.icon);
        EXPECT_EQ(Text(m, CMeterWeather::INFO_TEXT), c.info);
        EXPECT_EQ(Text(m, CMeterWeather::LOW_TEMP), c.low);
        EXPECT_EQ(Text(m, CMeterWeather::HIGH_TEMP), c.high);
        EXPECT_EQ(W(m)->GetDetailLink(), c.link);
    }
}

TEST_F(WeatherTest, LaterFeedsChangeTheConditionLine) {
    auto m = Make({{L"InfoTextFormat", L"[#I#]"}, {L"CurrentTempFormat", L"#X#C"}});
    const std::string full = Fixture("forecast.xml");
    Feed(m, full);
    EXPECT_EQ(Text(m, CMeterWeather::INFO_TEXT), L"[Cloudy]");
    Feed(m, Replaced(Replaced(full, "text=\"Cloudy\" code=\"26\" temp=\"-3\"", "text=\"Sunny\" code=\"32\" temp=\"4\""),
                     "", ""));
    EXPECT_EQ(Text(m, CMeterWeather::INFO_TEXT), L"[Sunny]");
    EXPECT_EQ(Text(m, CMeterWeather::CURRENT_TEMP), L"4C");
    EXPECT_EQ(IconName(m), L"C:\\Zorel\\skin\\widgets\\timer\\32.png");
}

TEST_F(WeatherTest, IncompleteFeedsKeepTheValuesAndDrawOnlyTheBase) {
    const std::string full = Fixture("forecast.xml");
    auto m = Make({{L"W", L"80"}, {L"H", L"60"}, {L"SolidColor", L"0,0,255,255"}, {L"UseCity", L"1"},
                   {L"CityW", L"80"}, {L"CityH", L"60"}, {L"CityFontColor", L"255,0,0,255"}, {L"CityFontSize", L"30"}});
    Feed(m, full);
    const std::string broken[] = {
        "",
        full.substr(0, full.size() / 2),                                      // cut off
        "<feed><channel><item/></channel></feed>",                           // not rss
        "<rss><item/></rss>",                                                 // no channel
        "<rss><channel><yweather:location city=\"Busan\"/></channel></rss>",  // no item
    };
    auto reddish = [&]() {
        int n = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                DWORD c = host.Pixel(x, y);
                n += ((c >> 16) & 0xFF) > 150 && (c & 0xFF) < 100 ? 1 : 0;
            }
        return n;
    };
    EXPECT_TRUE(m->Draw());
    EXPECT_GT(reddish(), 10);  // the city text
    for (const auto& feed : broken) {
        Feed(m, feed);
        EXPECT_EQ(W(m)->IsBusy(), 1);
        EXPECT_EQ(W(m)->GetCurrentTemp(), -3.0);
        EXPECT_EQ(W(m)->GetDetailLink(), L"http://weather.example.com/forecast/KSXX0037.html");
        EXPECT_TRUE(m->Draw());
        EXPECT_EQ(reddish(), 0);  // the base only
    }
    EXPECT_EQ(Text(m, CMeterWeather::CITY), L"Busan");  // what came before the missing item stays applied
    Feed(m, full);
    EXPECT_EQ(W(m)->IsBusy(), 0);
    m->Draw();
    EXPECT_GT(reddish(), 10);
}

TEST(WeatherDownload, FeedSizeRule) {
    struct Case {
        std::vector<int> chunks;
        bool applied;
        int total;
    } cases[] = {
        {{4082, 4082, 4082, 4082, 4082, 60}, true, kWeatherFeedLimit},
        {{4082, 4082, 4082, 4082, 4082, 61}, false, 20410},
        {{kWeatherFeedLimit}, true, kWeatherFeedLimit},
        {{kWeatherFeedLimit + 1}, false, 0},
        {{1, -1}, false, 1},
    };
    std::vector<char> chunk(kWeatherFeedBufferSize, 'x');
    for (const auto& c : cases) {
        std::vector<char> buffer(kWeatherFeedBufferSize, 0);
        int total = 0;
        bool ok = true;
        for (int n : c.chunks) ok = ok && AppendFeedChunk(buffer.data(), total, chunk.data(), n);
        EXPECT_EQ(ok, c.applied);
        EXPECT_EQ(total, c.total);
        EXPECT_EQ(buffer[kWeatherFeedLimit], 0);  // never past the limit
    }
}

TEST(WeatherDownload, AddressEncodesItsValues) {
    WeatherHostOverride local(L"127.0.0.1:8080");
    EXPECT_EQ(CWeatherRequest::BuildUrl(L"1132599", L"c"), L"http://127.0.0.1:8080/forecastrss?w=1132599&u=c");
    EXPECT_EQ(CWeatherRequest::BuildUrl(L"1 2&u=f#", L"c/d"),
              L"http://127.0.0.1:8080/forecastrss?w=1%202%26u%3Df%23&u=c%2Fd");
    EXPECT_EQ(CWeatherRequest::BuildUrl(L"서울", L"c"),
              L"http://127.0.0.1:8080/forecastrss?w=%EC%84%9C%EC%9A%B8&u=c");
}

// The service's own host unless overridden; "off" builds no address, and a
// request then starts nothing.
TEST(WeatherDownload, HostOverride) {
    {
        WeatherHostOverride none(nullptr);
        EXPECT_EQ(CWeatherRequest::BuildUrl(L"1", L"c"), L"http://weather.example.com/forecastrss?w=1&u=c");
    }
    WeatherHostOverride off(L"OFF");
    EXPECT_EQ(CWeatherRequest::BuildUrl(L"1", L"c"), L"");
    EXPECT_EQ((new CWeatherRequest((CWnd*)nullptr))->Start(L"1", L"c"), 0);
}

TEST(WeatherXml, Converted) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget><Widget Type=\"Weather\" ID=\"2\"><Weather WOEID=\"1132599\" Unit=\"f\"/>"
        "<Image W=\"48\" H=\"48\" X=\"4\" BaseUri=\"#SYSTEM#weather\\\"/>"
        "<City W=\"90\"><Font Size=\"12\" Face=\"Arial\"/><Align Align=\"LEFT\"/><Format Value=\"x\"/></City>"
        "<HumidityText Y=\"30\"><Format Value=\"#X#%\"/><AntiAlias Value=\"0\"/></HumidityText>"
        "<InfoText><Language Value=\"KOREA\"/></InfoText></Widget></ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"WIDGET{CityAlign=LEFT;CityFontFace=Arial;CityFontSize=12;CityW=90;DrawType=WEATHER;"
              L"HumidityAntiAlias=0;HumidityFormat=#X#%;HumidityY=30;ID=2;ImageBaseUri=#SYSTEM#weather\\;ImageH=48;"
              L"ImageW=48;ImageX=4;InfoTextLanguage=KOREA;Unit=f;UseCity=1;UseHumidityText=1;UseInfoText=1;"
              L"WOEID=1132599}");
}

}  // namespace

namespace {

std::string Shipped(const char* relative, CString* folder = nullptr) {
    const char* source = getenv("ZOREL_SOURCE_DIR");
    CString path = CString(source ? source : ".") + L"\\data\\skin\\widgets\\" + CString(relative);
    path.Replace(L'/', L'\\');
    if (folder) *folder = path.Left(path.ReverseFind(L'\\') + 1);
    return ReadFileBytes(path);
}

CInfoSection* MeterSection(const SkinDefinition& skin, const wchar_t* drawType) {
    for (int i = 0; i < skin.GetSectionCount(); ++i)
        if (skin.GetSection(i)->GetString(L"DrawType") == drawType) return skin.GetSection(i);
    return nullptr;
}

TEST(ShippedSkins, WeatherSkinItsIconsAndItsSetupLine) {
    CString folder;
    std::string text = Shipped("weather\\weather.xml", &folder);
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(text.c_str()));
    CInfoSection* weather = MeterSection(skin, L"WEATHER");
    ASSERT_NE(weather, nullptr);
    for (const wchar_t* use : {L"UseCity", L"UseLowTemp", L"UseHighTemp", L"UseCurrentTemp", L"UseUpdateTime",
                               L"UseInfoText", L"UseHumidityText"})
        EXPECT_EQ(weather->GetInt(use, 0), 1) << CStringA(use).GetString();
    // The weather set-up finds and rewrites the skin's Weather line.
    CString woeid, unit;
    ASSERT_TRUE(CWidgetDialogRewrite::ReadWeather(text, weather->GetInt(L"ID", -1), woeid, unit));
    EXPECT_EQ(woeid, weather->GetString(L"WOEID"));
    EXPECT_EQ(unit, L"c");
    for (int code = -1; code <= 47; ++code) {
        CString name;
        if (code < 0) name = L"na.png";
        else name.Format(L"%d.png", code);
        EXPECT_EQ(GetFileAttributesW(folder + name) != INVALID_FILE_ATTRIBUTES, true) << code;
    }
}

TEST(ShippedSkins, BiorhythmSkinBindsTheMeasure) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(Shipped("biorhythm\\biorhythm.xml").c_str()));
    CInfoSection* bio = MeterSection(skin, L"BIORHYTHM");
    ASSERT_NE(bio, nullptr);
    CString measure = bio->GetString(L"MeasureSection");
    ASSERT_FALSE(measure.IsEmpty());
    CInfoSection* section = skin.FindSection(measure);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->GetString(L"MeasureType").CompareNoCase(L"Biorhythm"), 0);
    EXPECT_EQ(FormatBiorhythmLabel(bio->GetString(L"HealthFormat"), 0.5), L"H 50%");
}

}  // namespace
