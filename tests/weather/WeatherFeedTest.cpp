// The feed's download on its worker thread against a local weather service
// (run-with-feed-server.sh): what reaches the owner window, which queries
// the service saw, and the replies that must not be applied.
#include "MeterTestSupport.h"
#include "TestFiles.h"
#include "WeatherHostOverride.h"

#include "fw/Wnd.h"
#include "widgets/MeterFaces.h"
#include "widgets/MeterWeather.h"
#include "widgets/WeatherRequest.h"
#include "widgets/WidgetIds.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

GdiplusSession g_Gdiplus;

class WeatherFeed : public ::testing::Test {
protected:
    void SetUp() override {
        const char* port = getenv("ZOREL_TEST_HTTP_PORT");
        if (!port) GTEST_SKIP() << "needs the local weather service";
        service.reset(new WeatherHostOverride(CString(L"127.0.0.1:") + CString(port)));
        CString log = CString(getenv("ZOREL_TEST_QUERY_LOG"));
        log.Replace(L'/', L'\\');
        logPath = log;
        hwnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        owner.Attach(hwnd);
    }
    void TearDown() override {
        service.reset();
        if (hwnd) {
            owner.Detach();
            DestroyWindow(hwnd);
        }
    }

    // Starts one request and waits for its reply: true and the wParam when
    // one came within the time.
    bool Fetch(const CString& woeid, WPARAM& reply, DWORD waitMs = 15000) {
        auto* request = new CWeatherRequest(&owner);
        request->SetTarget(&meter);
        EXPECT_EQ(request->Start(woeid, L"c"), 1);
        DWORD until = GetTickCount() + waitMs;
        MSG msg;
        while (GetTickCount() < until) {
            if (PeekMessageW(&msg, hwnd, WM_WEATHER_DATA, WM_WEATHER_DATA, PM_REMOVE)) {
                reply = msg.wParam;
                return true;
            }
            Sleep(20);
        }
        return false;
    }
    // As the window does: applies the feed to its meter, frees the record.
    static int Apply(WPARAM reply) {
        auto* record = reinterpret_cast<WeatherDataRecord*>(reply);
        int length = record->length;
        EXPECT_EQ(record->buffer[length], 0);
        dynamic_cast<IWeatherMeter*>(record->meter)->ParseWeatherFeed(record->buffer, length);
        delete[] record->buffer;
        delete record;
        return length;
    }
    std::string Queries() { return ReadFileBytes(logPath); }

    FakeHost host{40, 40};
    CMeterWeather meter{&host};
    CWnd owner;
    HWND hwnd = nullptr;
    std::unique_ptr<WeatherHostOverride> service;
    CString logPath;
};

TEST_F(WeatherFeed, FeedReachesTheOwnerAndTheMeter) {
    WPARAM reply = 0;
    ASSERT_TRUE(Fetch(L"1132599", reply));
    ASSERT_NE(reply, 0u);
    EXPECT_EQ(reinterpret_cast<WeatherDataRecord*>(reply)->meter, &meter);
    EXPECT_EQ(reinterpret_cast<WeatherDataRecord*>(reply)->serial, meter.GetReplySerial());
    const char* source = getenv("ZOREL_SOURCE_DIR");
    CString fixture = CString(source ? source : ".") + L"\\tests\\weather\\feeds\\forecast.xml";
    fixture.Replace(L'/', L'\\');
    EXPECT_EQ(Apply(reply), (int)ReadFileBytes(fixture).size());
    EXPECT_EQ(meter.GetCity(), L"Seoul");
    EXPECT_EQ(meter.IsBusy(), 0);
    EXPECT_NE(Queries().find("w=1132599&u=c\n"), std::string::npos) << Queries();
}

TEST_F(WeatherFeed, ValuesAreEncodedInTheQuery) {
    WPARAM reply = 0;
    ASSERT_TRUE(Fetch(L"1 2&u=f", reply));
    if (reply) Apply(reply);
    EXPECT_NE(Queries().find("w=1%202%26u%3Df&u=c\n"), std::string::npos) << Queries();
}

TEST_F(WeatherFeed, SizeLimitAndErrors) {
    WPARAM reply = 0;
    ASSERT_TRUE(Fetch(L"exact", reply));
    ASSERT_NE(reply, 0u);
    EXPECT_EQ(Apply(reply), kWeatherFeedLimit);
    EXPECT_EQ(meter.IsBusy(), 0);

    // One byte more: nothing reaches the window at all.
    EXPECT_FALSE(Fetch(L"over", reply, 3000));

    // An error page is a failed download, not a feed.
    reply = 1;
    ASSERT_TRUE(Fetch(L"missing", reply));
    EXPECT_EQ(reply, 0u);
    EXPECT_EQ(meter.GetCity(), L"Seoul");
}

}  // namespace
