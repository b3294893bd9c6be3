// Desktop widgets in the running program: two widgets opened from the tray's
// Widgets menu, one moved, the other set always on top and half transparent;
// hidden and shown all at once; then Zorel quits on its broadcast and starts
// again, and both widgets come back at the same place, level and opacity.
#include "ZorelTest.h"

#include "ScreenPicture.h"
#include "TestFiles.h"

#include "shell/ShellIds.h"
#include "ui/UiIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n</ZorelConfig>\n";

void WriteText(const std::wstring& path, const std::string& text) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

struct Sized {
    DWORD pid;
    int width, height;
    std::vector<HWND> found;
};

// The visible top-level windows of the process with that outer size.
std::vector<HWND> WindowsSized(DWORD pid, SIZE size) {
    Sized q = {pid, size.cx, size.cy, {}};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            Sized* q = (Sized*)param;
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            RECT r;
            if (owner == q->pid && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left == q->width &&
                r.bottom - r.top == q->height)
                q->found.push_back(wnd);
            return TRUE;
        },
        (LPARAM)&q);
    return q.found;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

const SIZE kOne = {120, 40}, kTwo = {90, 60};

class WidgetsE2ETest : public ZorelTest {
protected:
    ZorelProcess zorel;
    HWND frame = nullptr;

    void Start(const std::wstring& folder) {
        ASSERT_TRUE(zorel.Start(folder));
        frame = zorel.WaitForFrame(15000);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zorel.WaitForStartUp());
    }
    // The widget of that size once it shows, or null.
    HWND Widget(SIZE size, DWORD timeoutMs = 10000) {
        HWND found = nullptr;
        WaitFor(
            [&] {
                std::vector<HWND> all = WindowsSized(zorel.Id(), size);
                found = all.size() == 1 ? all[0] : nullptr;
                return found != nullptr;
            },
            timeoutMs);
        return found;
    }
    bool WaitHidden(SIZE size) {
        return WaitFor([&] { return WindowsSized(zorel.Id(), size).empty(); });
    }
    void Quit() {
        UINT broadcast = RegisterWindowMessageW(L"ZOREL_BROADCAST_REGISTERWINDOW_TARN");
        PostMessageW(frame, broadcast, 3074, 0);
        DWORD code = 1;
        ASSERT_TRUE(zorel.WaitForExit(15000, &code));
        EXPECT_EQ(code, 0u);
    }
};

RECT RectOf(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    return r;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WidgetsE2ETest, WidgetsOpenFromTheMenuHideShowAndComeBackAfterARestart) {
    std::wstring folder = NewFolderWith(kConfig);
    std::wstring widgets = folder + L"skin\\widgets\\";
    CreateDirectoryW((folder + L"skin").c_str(), nullptr);
    CreateDirectoryW(widgets.c_str(), nullptr);
    CreateDirectoryW((widgets + L"a").c_str(), nullptr);
    // An ampersand in a folder name must not spoil the list file.
    CreateDirectoryW((widgets + L"b&w").c_str(), nullptr);
    WriteText(widgets + L"a\\one.xml", WidgetBoxSkin(kOne.cx, kOne.cy, "200,40,40,255"));
    WriteText(widgets + L"b&w\\two.xml", WidgetBoxSkin(kTwo.cx, kTwo.cy, "40,40,200,255"));
    Start(folder);

    // The tray menu builds the Widgets submenu from the skins on disk; its
    // items stay chosen by id after the menu closed.
    PostMessageW(frame, WM_USER + 100, 128, WM_RBUTTONDOWN);
    HWND menu = zorel.WaitForWindowOfClass(L"#32768");
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!WaitFor([&] { return !IsWindowVisible(menu); }, 2000)) SendMessageW(frame, WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(menu); }));

    PostMessageW(frame, WM_COMMAND, ID_WIDGET_FIRST, 0);
    PostMessageW(frame, WM_COMMAND, ID_WIDGET_FIRST + 1, 0);
    HWND one = Widget(kOne), two = Widget(kTwo);
    ASSERT_TRUE(one && two);
    // The first item is now checked: choosing it again closes its widget,
    // and once more opens it again.
    PostMessageW(frame, WM_COMMAND, ID_WIDGET_FIRST, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(one) || !IsWindow(two); }));
    SIZE closed = IsWindow(one) ? kTwo : kOne;
    EXPECT_TRUE(WaitHidden(closed));
    PostMessageW(frame, WM_COMMAND, ID_WIDGET_FIRST, 0);
    HWND reopened = Widget(closed);
    ASSERT_NE(reopened, nullptr);
    (closed.cx == kOne.cx ? one : two) = reopened;

    // One is moved; the other goes on top at half opacity.
    SetWindowPos(one, nullptr, 333, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageW(two, WM_COMMAND, ID_POS_TOPMOST, 0);
    PostMessageW(two, WM_COMMAND, 32848, 0);
    ASSERT_TRUE(WaitFor([&] { return (GetWindowLongPtrW(two, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));

    // Hide all, show all, and hide the others of one widget.
    PostMessageW(frame, WM_COMMAND, ID_HIDE_ALL_WIDGETS, 0);
    EXPECT_TRUE(WaitHidden(kOne) && WaitHidden(kTwo));
    PostMessageW(frame, WM_COMMAND, ID_SHOW_ALL_WIDGETS, 0);
    EXPECT_EQ(Widget(kOne), one);
    EXPECT_EQ(Widget(kTwo), two);
    PostMessageW(one, WM_COMMAND, ID_HIDE_OTHER_WIDGETS, 0);
    EXPECT_TRUE(WaitHidden(kTwo));
    EXPECT_EQ(Widget(kOne, 0), one);
    PostMessageW(frame, WM_COMMAND, ID_SHOW_ALL_WIDGETS, 0);
    ASSERT_EQ(Widget(kTwo), two);
    Sleep(600);  // the fade-in ends

    RECT oneAt = RectOf(one), twoAt = RectOf(two);
    EXPECT_EQ(oneAt.left, 333);
    EXPECT_EQ(oneAt.top, 222);
    SaveScreenPicture(L"widgets-before-restart", {one, two});
    Quit();
    std::string list = ReadFileText(widgets + L"WidgetList.xml");
    EXPECT_NE(list.find("    <SkinFile Path = \"b&amp;w\\two.xml\"/>\r\n"), std::string::npos) << list;
    EXPECT_NE(list.find("    <Position X = \"333\" Y = \"222\"/>\r\n"), std::string::npos) << list;
    EXPECT_NE(list.find("    <ZPosition Value = \"1\"/>\r\n"), std::string::npos) << list;

    Start(folder);
    HWND oneAgain = Widget(kOne), twoAgain = Widget(kTwo);
    ASSERT_TRUE(oneAgain && twoAgain);
    EXPECT_TRUE(RectOf(oneAgain) == oneAt);
    EXPECT_TRUE(RectOf(twoAgain) == twoAt);
    EXPECT_TRUE(GetWindowLongPtrW(twoAgain, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrW(oneAgain, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Sleep(600);
    SaveScreenPicture(L"widgets-after-restart", {oneAgain, twoAgain});
    Quit();
    // Same widgets, places, levels and opacities: the same file.
    EXPECT_EQ(ReadFileText(widgets + L"WidgetList.xml"), list);

    // Left for the check with another XML reader.
    if (const char* data = getenv("ZOREL_WIDGETS_DATA")) {
        std::wstring target;
        for (const char* c = data; *c; ++c) target += (wchar_t)(*c == '/' ? '\\' : *c);
        if (!target.empty() && target[0] == L'\\') target = L"Z:" + target;
        CreateDirectoryW(target.c_str(), nullptr);
        EXPECT_TRUE(CopyFileW((widgets + L"WidgetList.xml").c_str(), (target + L"\\WidgetList.xml").c_str(), FALSE));
    }
}

}  // namespace
