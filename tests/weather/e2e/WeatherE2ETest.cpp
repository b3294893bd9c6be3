// The shipped weather and biorhythm widgets in the running program: the
// weather widget asks the local weather service (run-with-feed-server.sh)
// and shows the city, temperatures, condition and icon of its feed; the
// biorhythm widget draws the program's fixed birth date (1 January 2000,
// while no user information is given) up to today. Then the weather set-up
// dialog changes the widget's location.
#include "ZorelTest.h"

#include "ScreenPicture.h"
#include "TestFiles.h"
#include "WeatherHostOverride.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n</ZorelConfig>\n";

const SIZE kWeather = {200, 110}, kBiorhythm = {220, 120};
const POINT kWeatherAt = {300, 200}, kBiorhythmAt = {300, 360};

// A path of the test's environment (a Unix path) as Wine reads it.
std::wstring FromEnvironment(const char* name) {
    const char* value = getenv(name);
    std::wstring path;
    for (const char* c = value ? value : ""; *c; ++c) path += (wchar_t)(*c == '/' ? '\\' : *c);
    if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
    return path;
}

void CopyFolder(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((from + L"\\*.*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << "no files in the skin folder";
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        EXPECT_TRUE(CopyFileW((from + L"\\" + data.cFileName).c_str(), (to + L"\\" + data.cFileName).c_str(), FALSE));
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

std::string ListEntry(const char* path, POINT at) {
    char text[400];
    snprintf(text, sizeof text,
             "  <WidgetWindow>\n    <SkinFile Path = \"%s\"/>\n    <Transparence Value = \"255\"/>\n"
             "    <MouseOverHiding Value = \"0\"/>\n    <ZPosition Value = \"0\"/>\n"
             "    <Position X = \"%ld\" Y = \"%ld\"/>\n    <AllowMove Value = \"1\"/>\n  </WidgetWindow>\n",
             path, at.x, at.y);
    return text;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 15000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(100);
    }
    return true;
}

// What the screen shows in a window's area, as 0x00RRGGBB rows.
struct Shot {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[(size_t)y * width + x]; }
    // Pixels of the rectangle within tolerance of the colour.
    int Count(RECT r, int red, int green, int blue, int tolerance) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                DWORD c = At(x, y);
                if (abs((int)((c >> 16) & 255) - red) <= tolerance && abs((int)((c >> 8) & 255) - green) <= tolerance &&
                    abs((int)(c & 255) - blue) <= tolerance)
                    ++n;
            }
        return n;
    }
};

Shot TakeShot(HWND wnd) {
    Shot shot;
    RECT r;
    if (!GetWindowRect(wnd, &r)) return shot;
    shot.width = r.right - r.left;
    shot.height = r.bottom - r.top;
    shot.pixels.assign((size_t)shot.width * shot.height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD* p = (const DWORD*)bits;
    for (size_t i = 0; i < shot.pixels.size(); ++i) shot.pixels[i] = p[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

struct Found {
    DWORD pid;
    SIZE size;
    HWND wnd;
};

// The visible top-level window of the process with that outer size.
HWND WindowSized(DWORD pid, SIZE size) {
    Found q = {pid, size, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            Found* q = (Found*)param;
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            RECT r;
            if (owner == q->pid && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left == q->size.cx &&
                r.bottom - r.top == q->size.cy)
                q->wnd = wnd;
            return TRUE;
        },
        (LPARAM)&q);
    return q.wnd;
}

// The visible dialog of the process that has a control of that id (the
// widgets are dialogs too).
HWND DialogWith(DWORD pid, int controlId) {
    struct Query {
        DWORD pid;
        int id;
        HWND found;
    } q = {pid, controlId, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            Query* q = (Query*)param;
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == q->pid && IsWindowVisible(wnd) && GetDlgItem(wnd, q->id)) q->found = wnd;
            return TRUE;
        },
        (LPARAM)&q);
    return q.found;
}

class WeatherE2ETest : public ZorelTest {};

TEST_F(WeatherE2ETest, WidgetsShowTheFeedAndTheChart) {
    const char* port = getenv("ZOREL_TEST_HTTP_PORT");
    if (!port) GTEST_SKIP() << "needs the local weather service";
    std::wstring source = FromEnvironment("ZOREL_SOURCE_DIR");
    std::wstring queryLog = FromEnvironment("ZOREL_TEST_QUERY_LOG");
    std::wstring folder = NewFolderWith(kConfig);
    std::wstring widgets = folder + L"skin\\widgets\\";
    CreateDirectoryW((folder + L"skin").c_str(), nullptr);
    CreateDirectoryW(widgets.c_str(), nullptr);
    CopyFolder(source + L"\\data\\skin\\widgets\\weather", widgets + L"weather");
    CopyFolder(source + L"\\data\\skin\\widgets\\biorhythm", widgets + L"biorhythm");
    std::string list = "<WidgetList>\n" + ListEntry("weather\\weather.xml", kWeatherAt) +
                       ListEntry("biorhythm\\biorhythm.xml", kBiorhythmAt) + "</WidgetList>";
    ASSERT_TRUE(WriteFileBytes(CString((widgets + L"WidgetList.xml").c_str()), list));

    // The program reads the weather service's host from its environment.
    WeatherHostOverride service((L"127.0.0.1:" + std::wstring(CString(port))).c_str());
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame(15000);
    ASSERT_NE(frame, nullptr);
    HWND weather = nullptr, biorhythm = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        weather = WindowSized(zorel.Id(), kWeather);
        biorhythm = WindowSized(zorel.Id(), kBiorhythm);
        return weather && biorhythm;
    }));

    // The skin's location and unit went to the service.
    ASSERT_TRUE(WaitFor([&] {
        return ReadFileBytes(CString(queryLog.c_str())).find("w=1132599&u=c\n") != std::string::npos;
    })) << ReadFileBytes(CString(queryLog.c_str()));

    // The feed's "Cloudy" (code 26) picture takes the icon's place, whose
    // light cloud colour the placeholder does not have.
    const RECT icon = {8, 28, 56, 76};
    Shot shot;
    EXPECT_TRUE(WaitFor([&] {
        shot = TakeShot(weather);
        return shot.width == kWeather.cx && shot.Count(icon, 225, 230, 240, 4) > 600;
    })) << "cloud pixels: " << shot.Count(icon, 225, 230, 240, 4);
    // Each text in its own colour where the skin places it: city, current,
    // low and high temperature, humidity and the condition line.
    struct Text {
        const char* name;
        RECT area;
        int r, g, b;
    } texts[] = {
        {"city", {8, 4, 192, 24}, 255, 255, 255},
        {"current", {62, 30, 132, 60}, 255, 255, 255},
        {"low", {136, 30, 166, 46}, 150, 200, 255},
        {"high", {166, 30, 196, 46}, 255, 180, 120},
        {"humidity", {136, 46, 196, 62}, 220, 220, 220},
        {"condition", {62, 64, 192, 82}, 255, 255, 255},
        {"update time", {8, 88, 192, 104}, 180, 180, 190},
    };
    auto textsShown = [&] {
        for (const Text& t : texts)
            if (shot.Count(t.area, t.r, t.g, t.b, 30) <= 4) return false;
        return true;
    };
    // Until the fade-in has ended.
    WaitFor([&] { return shot = TakeShot(weather), textsShown(); });
    for (const Text& t : texts) EXPECT_GT(shot.Count(t.area, t.r, t.g, t.b, 30), 4) << t.name;
    // Nothing of the texts' colours elsewhere in the icon's column below it.
    EXPECT_EQ(shot.Count({8, 78, 56, 86}, 255, 255, 255, 12), 0);

    // The chart: the three curves in their colours inside the chart area,
    // and the labels under it.
    const RECT area = {10, 10, 210, 90};
    Shot chart;
    WaitFor([&] {
        chart = TakeShot(biorhythm);
        return chart.width == kBiorhythm.cx && chart.Count(area, 220, 40, 40, 30) > 40;
    });
    ASSERT_EQ(chart.width, kBiorhythm.cx);
    EXPECT_GT(chart.Count(area, 220, 40, 40, 30), 40) << "health";
    EXPECT_GT(chart.Count(area, 0, 150, 0, 30), 40) << "intelligence";
    EXPECT_GT(chart.Count(area, 40, 40, 220, 30), 40) << "emotion";
    EXPECT_GT(chart.Count({10, 98, 76, 114}, 200, 0, 0, 40), 4) << "health label";
    EXPECT_GT(chart.Count({77, 98, 143, 114}, 0, 120, 0, 40), 4) << "intelligence label";
    EXPECT_GT(chart.Count({144, 98, 210, 114}, 0, 0, 200, 40), 4) << "emotion label";

    SaveScreenPicture(L"weather-widget", {weather});
    SaveScreenPicture(L"biorhythm-widget", {biorhythm});

    // The weather set-up that a skin's "WEATHER_SETUPID:1" button asks for:
    // the dialog starts from the skin's location; its answer goes into the
    // skin file, and the reloaded widget asks for the new place at once.
    PostMessageW(weather, WM_USER + 31, 1, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = DialogWith(zorel.Id(), 1403)) != nullptr; }));
    wchar_t shown[32] = {};
    GetDlgItemTextW(dialog, 1403, shown, 32);
    EXPECT_STREQ(shown, L"1132599");
    SetDlgItemTextW(dialog, 1403, L"2345");
    SendDlgItemMessageW(dialog, 1467, BM_SETCHECK, BST_UNCHECKED, 0);
    SendDlgItemMessageW(dialog, 1468, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] {
        return ReadFileBytes(CString(queryLog.c_str())).find("w=2345&u=f\n") != std::string::npos;
    })) << ReadFileBytes(CString(queryLog.c_str()));
    std::string skin = ReadFileBytes(CString((widgets + L"weather\\weather.xml").c_str()));
    EXPECT_NE(skin.find("\t<Weather WOEID = \"2345\" Unit = \"f\"/>"), std::string::npos) << skin;
    EXPECT_TRUE(IsWindow(weather));
    CloseAndExpectCleanExit(zorel, frame);
}

}  // namespace
