// The weather meter in a real widget window: the replies its window takes
// and drops, and the commands its skin's buttons send (details, refresh,
// set-up). Requests are recorded instead of sent.
#include "SkinHostTestSupport.h"

#include "widgets/MeterString.h"
#include "widgets/MeterWeather.h"
#include "widgets/WidgetDialog.h"
#include "widgets/WidgetIds.h"

#include "TestFiles.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct QuietWidgetHost : IWidgetHost {
    bool IsWidgetOpen(const CString&) override { return false; }
    CWidgetDialog* OpenWidget(const CString&) override { return nullptr; }
    void CloseWidgetBySkin(const CString&) override {}
    void RemoveWidget(CWidgetDialog*) override {}
};

struct Asked {
    CMeterWeather* meter;
    CString woeid, unit;
};

// A weather widget of one meter (ID 3) written the way the shipped skin is.
const char kSkin[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<ZorelWidget>\r\n"
    "    <Window>\r\n        <Size W=\"120\" H=\"60\" />\r\n    </Window>\r\n"
    "    <Widget Type=\"WEATHER\" ID=\"3\">\r\n"
    "\t<Weather WOEID = \"1132599\" Unit = \"c\"/>\r\n"
    "        <Size W=\"120\" H=\"60\" />\r\n"
    "        <City W=\"100\" H=\"20\" />\r\n"
    "    </Widget>\r\n</ZorelWidget>\r\n";

std::string Feed(const char* city, const char* link) {
    std::string feed =
        "<rss><channel><yweather:location city=\"" + std::string(city) +
        "\"/><item><yweather:condition code=\"26\" temp=\"-3\" text=\"Cloudy\"/>";
    if (link) feed += "<link>" + std::string(link) + "</link>";
    return feed + "</item></channel></rss>";
}

class WeatherWindowTest : public SkinHostTest {
protected:
    void SetUp() override {
        SkinHostTest::SetUp();
        // The program's own weather meter, not the host tests' stand-in.
        SetMeterMaker(METER_WEATHER, savedMakers[METER_WEATHER]);
        CMeterWeather::SetRequestStarter([this](CMeterWeather* m, const CString& w, const CString& u) {
            asked.push_back({m, w, u});
        });
        environment.now = 1765443600;  // 2025-12-11 09:00 UTC
        path = Skin(L"skin\\widgets\\sky\\sky.xml", kSkin);
        WidgetListEntry entry;
        entry.path = L"sky\\sky.xml";
        entry.x = 240;
        entry.y = 160;
        widget = new CWidgetDialog(host, &entry);
        ASSERT_TRUE(widget->Create(IDD_SKIN_WINDOW, nullptr));
        ASSERT_TRUE(widget->IsSkinLoaded());
        widget->ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        CWidgetDialog::SetWeatherAsker(nullptr);
        CMeterWeather::SetRequestStarter(nullptr);
        if (widget) {
            if (widget->m_hWnd) widget->DestroyWindow();
            widget->Release();
        }
        SkinHostTest::TearDown();
    }

    CMeterWeather* Meter() { return static_cast<CMeterWeather*>(widget->FindMeter(METER_WEATHER, 3)); }
    CString City() { return Meter()->GetText(CMeterWeather::CITY)->GetText(); }
    // Posts a reply as the download's worker does and lets the window take it.
    void Reply(CMeter* meter, unsigned long long serial, const std::string& feed) {
        auto* record = new WeatherDataRecord;
        record->length = (int)feed.size();
        record->buffer = new char[feed.size() + 4]();
        memcpy(record->buffer, feed.data(), feed.size());
        record->meter = meter;
        record->serial = serial;
        ASSERT_TRUE(::PostMessageW(widget->m_hWnd, WM_WEATHER_DATA, (WPARAM)record, 0));
        PumpWaiting();
    }
    // One update cycle of the window, as its timer runs it.
    void Tick() { widget->Redraw(); }

    QuietWidgetHost host;
    CWidgetDialog* widget = nullptr;
    CString path;
    std::vector<Asked> asked;
};

// The new skin's meter may be built where the old one was: a reply asked
// by the old one carries its serial and is dropped, whatever the address.
TEST_F(WeatherWindowTest, ReplyOfAnEarlierSkinIsDropped) {
    CMeterWeather* before = Meter();
    ASSERT_NE(before, nullptr);
    unsigned long long oldSerial = before->GetReplySerial();
    Reply(before, oldSerial, Feed("Seoul", nullptr));
    EXPECT_EQ(City(), L"Seoul");

    widget->LoadSkin(path);
    CMeterWeather* after = Meter();
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after->GetReplySerial(), oldSerial);
    Reply(after, oldSerial, Feed("Busan", nullptr));
    EXPECT_EQ(City(), L"");
    EXPECT_EQ(after->GetCity(), L"");
    Reply(after, after->GetReplySerial(), Feed("Incheon", nullptr));
    EXPECT_EQ(City(), L"Incheon");
}

// The window's first update, as the skin loads, asks; updates within the
// refresh period do not, unless the refresh command came in between.
TEST_F(WeatherWindowTest, RefreshCommandMakesTheNextUpdateAskAgain) {
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].meter, Meter());
    EXPECT_EQ(asked[0].woeid, L"1132599");
    environment.now += 60;
    Tick();
    EXPECT_EQ(asked.size(), 1u);

    EXPECT_EQ(widget->ExecuteCommand(L"WEATHER_UPDATEID:9"), 1);  // no such meter
    Tick();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(widget->ExecuteCommand(L"weather_updateid:3"), 1);
    EXPECT_EQ(asked.size(), 1u);  // not at once: at the next update
    Tick();
    EXPECT_EQ(asked.size(), 2u);
    Tick();
    EXPECT_EQ(asked.size(), 2u);
}

// The detail link is the last feed's; only a web page is opened, through
// the shell, and a feed without a link leaves nothing to open.
TEST_F(WeatherWindowTest, DetailCommandOpensTheFeedsLink) {
    struct Case {
        const char* link;
        std::vector<CString> opened;
    } cases[] = {
        {"http://weather.example.com/forecast/KSXX0037.html", {L"http://weather.example.com/forecast/KSXX0037.html"}},
        {"C:\\Windows\\notepad.exe", {}},
        {nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link ? c.link : "(none)");
        system.shellOpened.clear();
        Reply(Meter(), Meter()->GetReplySerial(), Feed("Seoul", c.link));
        EXPECT_EQ(widget->ExecuteCommand(L"WEATHER_DETAILID:3"), 1);
        widget->ExecuteCommand(L"WEATHER_DETAILID:");
        widget->ExecuteCommand(L"WEATHER_DETAILID:4");
        EXPECT_EQ(system.shellOpened, c.opened);
    }
}

// The set-up starts from the skin's location, writes the answer into the
// meter's Weather line and reloads: the new meter asks for the new place in
// the new unit.
TEST_F(WeatherWindowTest, SetUpRewritesTheWeatherLineAndTheReloadAsksForTheNewPlace) {
    ASSERT_EQ(asked.size(), 1u);
    int asks = 0;
    CString shownId;
    bool shownF = true;
    CWidgetDialog::SetWeatherAsker([&](CWnd*, CString& woeid, bool& fahrenheit) {
        ++asks;
        shownId = woeid;
        shownF = fahrenheit;
        woeid = L"2345";
        fahrenheit = true;
        return true;
    });
    EXPECT_EQ(widget->ExecuteCommand(L"WEATHER_SETUPID:3"), 1);
    EXPECT_EQ(asks, 0);  // posted, not run inside the command
    PumpUntil([&] { return asks > 0; }, 5000);
    PumpWaiting();
    ASSERT_EQ(asks, 1);
    EXPECT_EQ(shownId, L"1132599");
    EXPECT_FALSE(shownF);

    std::string expected = kSkin;
    std::string line = "\t<Weather WOEID = \"1132599\" Unit = \"c\"/>";
    expected.replace(expected.find(line), line.size(), "\t<Weather WOEID = \"2345\" Unit = \"f\"/>");
    EXPECT_EQ(ReadFileBytes(path), expected);
    ASSERT_NE(Meter(), nullptr);
    EXPECT_EQ(Meter()->GetWoeid(), L"2345");
    EXPECT_EQ(Meter()->GetUnit(), L"f");
    // The reloaded skin's meter asks as it loads.
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].woeid, L"2345");
    EXPECT_EQ(asked[1].unit, L"f");

    // A cancelled set-up changes nothing.
    CWidgetDialog::SetWeatherAsker([&](CWnd*, CString& woeid, bool&) {
        ++asks;
        woeid = L"999";
        return false;
    });
    widget->ExecuteCommand(L"WEATHER_SETUPID:3");
    PumpUntil([&] { return asks > 1; }, 5000);
    EXPECT_EQ(asks, 2);
    EXPECT_EQ(ReadFileBytes(path), expected);
}

}  // namespace
