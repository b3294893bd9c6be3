#include "TestSupport.h"

#include "shell/Monitors.h"
#include "shell/RegUtil.h"
#include "shell/SystemUtil.h"

namespace {

// One key per test process: the plain and the Korean run share a registry.
CString TestRoot() {
    CString root;
    root.Format(L"Software\\ZorelTest%lu", GetCurrentProcessId());
    return root;
}
const CString kKey = TestRoot() + L"\\Services";

class Registry : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestRoot()); }
    void StoreRaw(const wchar_t* name, const void* data, DWORD bytes) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_SZ, (const BYTE*)data, bytes);
        RegCloseKey(key);
    }
};

}  // namespace

TEST_F(Registry, StringsRoundTrip) {
    CString text;
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Recent", text), 0);  // no key yet
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, L"Recent", L"140102030405006.rtf"), 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Recent", text), 1);
    EXPECT_EQ(text, L"140102030405006.rtf");
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, L"Recent", L"메모 ✓"), 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Recent", text), 1);
    EXPECT_EQ(text, L"메모 ✓");
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, L"Empty", L""), 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Empty", text), 1);
    EXPECT_EQ(text, L"");
    // A null text only makes sure the key exists.
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey + L"\\Sub", L"None", nullptr), 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey + L"\\Sub", L"None", text), 0);

    EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, kKey, L"Recent"), 1);
    EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, kKey, L"Recent"), 0);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Recent", text), 0);
    EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, TestRoot() + L"\\Missing", L"x"), 0);
    // The system's refusal is reported.
    EXPECT_EQ(WriteRegString((HKEY)(ULONG_PTR)0x1234, kKey, L"x", L"y"), 0);
}

TEST_F(Registry, ValuesLongerThanTheBufferFail) {
    CString text = L"untouched";
    const CString fits(L'a', 124);  // 250 bytes with its zero
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, L"Fits", fits), 1);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Fits", text), 1);
    EXPECT_EQ(text, fits);
    for (int length : {125, 130, 1000}) {
        text = L"untouched";
        EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, L"Long", CString(L'b', length)), 1);
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Long", text), 0) << length;
        EXPECT_EQ(text, L"untouched");
    }
}

TEST_F(Registry, ValuesWithoutTheirZeroAreEndedSafely) {
    StoreRaw(L"Bare", L"abc", 6);
    StoreRaw(L"Odd", L"abcd", 7);
    const CString almost(L'y', 124);
    StoreRaw(L"Almost", almost.GetString(), 248);
    const CString full(L'z', 125);  // fills the whole buffer, no room for a zero
    StoreRaw(L"Full", full.GetString(), 250);
    CString text;
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Bare", text), 1);
    EXPECT_EQ(text, L"abc");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Odd", text), 1);
    EXPECT_EQ(text, L"abc");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"Almost", text), 1);
    EXPECT_EQ(text, almost);
    // Some systems want room for the zero they add; either way nothing past
    // the value is read.
    text = L"untouched";
    if (ReadRegString(HKEY_CURRENT_USER, kKey, L"Full", text)) EXPECT_EQ(text, full);
    else EXPECT_EQ(text, L"untouched");
}

TEST(System, KeyboardLocaleNamesAreKept) {
    CStringA language = GetKeyboardLanguageName(), country = GetKeyboardCountryName();
    EXPECT_FALSE(language.IsEmpty());
    EXPECT_FALSE(country.IsEmpty());
    EXPECT_EQ(GetKeyboardLanguageName(), language);
    EXPECT_EQ(GetKeyboardCountryName(), country);
}

TEST(System, MissingResourceGivesNull) {
    DWORD size = 77;
    EXPECT_EQ(LoadResourceCopy(GetModuleHandleW(nullptr), 4242, L"DATA", &size), nullptr);
    EXPECT_EQ(size, 77u);
}

TEST(System, CenterDialogUsesTheClientSize) {
    HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_TRUE(wnd);
    CenterDialog(wnd);
    RECT r;
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
    DestroyWindow(wnd);
}

namespace {
class FakeSession : public ISessionControl {
public:
    FakeSession() { SetSessionControl(this); }
    ~FakeSession() override { SetSessionControl(nullptr); }
    void AbortShutdown() override { calls.push_back("abort"); }
    void InitiateShutdown(DWORD timeout, bool force, bool reboot) override {
        calls.push_back("shutdown " + std::to_string(timeout) + (force ? " force" : "") + (reboot ? " reboot" : ""));
    }
    BOOL LogOff(bool force) override {
        calls.push_back(force ? "logoff force" : "logoff");
        return TRUE;
    }
    std::vector<std::string> calls;
};
}  // namespace

TEST(System, ShutdownReplacesAPendingCountdown) {
    FakeSession session;
    StartSystemShutdown(30, true, false);
    AbortShutdown();
    StartSystemShutdown(0, false, true);
    EXPECT_TRUE(LogOffNow(true));
    const std::vector<std::string> want = {"abort", "shutdown 30 force", "abort", "abort", "shutdown 0 reboot",
                                           "logoff force"};
    EXPECT_EQ(session.calls, want);
}

namespace {
// Monitors as a test lays them out, handed out as fake handles 1, 2, ...
class FakeMonitors : public IMonitorSource {
public:
    FakeMonitors() { SetMonitorSource(this); }
    ~FakeMonitors() override { SetMonitorSource(nullptr); }
    int GetSystemCount() override { return (int)screens.size(); }
    std::vector<HMONITOR> Enumerate() override {
        std::vector<HMONITOR> list;
        for (size_t i = 0; i < screens.size(); ++i) list.push_back((HMONITOR)(ULONG_PTR)(i + 1));
        return list;
    }
    bool GetInfo(HMONITOR monitor, MONITORINFO& info) override {
        size_t i = (size_t)(ULONG_PTR)monitor - 1;
        if (i >= screens.size()) return false;
        info.rcMonitor = screens[i].first;
        info.rcWork = screens[i].second;
        return true;
    }
    HMONITOR FromPoint(POINT pt) override {
        // Nearest by distance to each monitor's rectangle.
        size_t best = 0;
        long bestDistance = LONG_MAX;
        for (size_t i = 0; i < screens.size(); ++i) {
            const RECT& r = screens[i].first;
            long dx = pt.x < r.left ? r.left - pt.x : pt.x >= r.right ? pt.x - r.right + 1 : 0;
            long dy = pt.y < r.top ? r.top - pt.y : pt.y >= r.bottom ? pt.y - r.bottom + 1 : 0;
            if (dx + dy < bestDistance) bestDistance = dx + dy, best = i;
        }
        return screens.empty() ? nullptr : (HMONITOR)(ULONG_PTR)(best + 1);
    }
    std::vector<std::pair<CRect, CRect>> screens;
};
}  // namespace

TEST(Monitors, ListRefreshesWhenTheCountChanges) {
    FakeMonitors fake;
    fake.screens = {{CRect(0, 0, 1280, 1024), CRect(0, 0, 1280, 984)}};
    CMonitors monitors;
    EXPECT_EQ(monitors.GetCount(), 1);
    EXPECT_FALSE(monitors.IsMultiMonitor());

    fake.screens.push_back({CRect(-1024, 0, 0, 768), CRect(-1024, 0, 0, 740)});
    EXPECT_FALSE(monitors.IsMultiMonitor());  // not noticed before GetCount
    EXPECT_EQ(monitors.GetCount(), 2);
    EXPECT_TRUE(monitors.IsMultiMonitor());
    CRect rect;
    monitors.GetMonitor(1).GetMonitorRect(rect);
    EXPECT_EQ(rect, CRect(-1024, 0, 0, 768));
    monitors.GetMonitor(1).GetWorkAreaRect(rect);
    EXPECT_EQ(rect, CRect(-1024, 0, 0, 740));
    // Indexes out of range are clamped, not thrown.
    monitors.GetMonitor(7).GetMonitorRect(rect);
    EXPECT_EQ(rect, CRect(-1024, 0, 0, 768));
    monitors.GetMonitor(-1).GetMonitorRect(rect);
    EXPECT_EQ(rect, CRect(0, 0, 1280, 1024));

    GetVirtualDesktopRect(rect);
    EXPECT_EQ(rect, CRect(-1024, 0, 1280, 1024));
    GetMonitorFromPoint(CPoint(-50000, 300)).GetMonitorRect(rect);
    EXPECT_EQ(rect, CRect(-1024, 0, 0, 768));
    GetMonitorFromPoint(CPoint(90000, 90000)).GetWorkAreaRect(rect);
    EXPECT_EQ(rect, CRect(0, 0, 1280, 984));

    fake.screens.clear();
    EXPECT_EQ(monitors.GetCount(), 0);
    EXPECT_EQ(monitors.GetMonitor(0).GetHandle(), nullptr);
    monitors.GetMonitor(0).GetMonitorRect(rect);
    EXPECT_TRUE(rect.IsRectNull());
    rect.SetRect(1, 2, 3, 4);
    GetVirtualDesktopRect(rect);
    EXPECT_TRUE(rect.IsRectNull());
}

TEST(Monitors, TheRealScreenIsListed) {
    EXPECT_GE(g_Monitors.GetCount(), 1);
    CRect rect;
    g_Monitors.GetMonitor(0).GetMonitorRect(rect);
    EXPECT_FALSE(rect.IsRectEmpty());
    CRect desktop;
    GetVirtualDesktopRect(desktop);
    EXPECT_GE(desktop.Width(), rect.Width());
}
