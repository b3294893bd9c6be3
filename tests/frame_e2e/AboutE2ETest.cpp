// The About box in the running program: "About Zorel..." opens it once, a
// second request only brings it forward, its close button fades it out and
// the program deletes it. A picture of it is taken per language.
#include "ZorelTest.h"

#include "ScreenPicture.h"

#include "shell/ShellIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Config(const char* language) {
    return std::string("<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>") + language +
           "</language>\n  </System>\n</ZorelConfig>\n";
}

struct SizedQuery {
    DWORD pid;
    int width, height;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectSized(HWND wnd, LPARAM param) {
    SizedQuery* q = (SizedQuery*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    RECT r;
    if (pid == q->pid && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left == q->width &&
        r.bottom - r.top == q->height)
        q->found.push_back(wnd);
    return TRUE;
}

// The visible windows of the process with that size.
std::vector<HWND> WindowsSized(DWORD pid, int width, int height) {
    SizedQuery q = {pid, width, height, {}};
    EnumWindows(CollectSized, (LPARAM)&q);
    return q.found;
}

HWND WaitForSized(DWORD pid, int width, int height, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        std::vector<HWND> found = WindowsSized(pid, width, height);
        if (!found.empty()) return found[0];
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

void Click(HWND wnd, int x, int y) {
    RECT r;
    GetWindowRect(wnd, &r);
    LPARAM at = MAKELPARAM(r.left + x, r.top + y);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCLIENT, at);
    SendMessageW(wnd, WM_NCLBUTTONUP, HTCLIENT, at);
}

class AboutE2ETest : public ZorelTest {};

TEST_F(AboutE2ETest, OpenedOnceClosedByItsButtonAndDeleted) {
    for (const char* language : {"english", "korean"}) {
        ZorelProcess zorel;
        ASSERT_TRUE(zorel.Start(NewFolderWith(Config(language).c_str())));
        HWND frame = zorel.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zorel.WaitForStartUp());

        PostMessageW(frame, WM_COMMAND, ID_APP_ABOUT_ZOREL, 0);
        HWND box = WaitForSized(zorel.Id(), 264, 338);
        ASSERT_NE(box, nullptr) << language;
        EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
        Sleep(300);  // the first frame presented
        SaveScreenPicture(CString(L"about_e2e_") + (language[0] == 'k' ? L"ko" : L"en"), {box});

        // A second request brings the same box forward.
        PostMessageW(frame, WM_COMMAND, ID_APP_ABOUT_ZOREL, 0);
        zorel.WaitForIdle(2000);
        Sleep(200);
        std::vector<HWND> boxes = WindowsSized(zorel.Id(), 264, 338);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], box);

        // Its close button fades it out; the program then destroys it.
        Click(box, 221 + 13, 38 + 13);
        DWORD start = GetTickCount();
        while (IsWindow(box) && GetTickCount() - start < 10000) Sleep(50);
        EXPECT_FALSE(IsWindow(box)) << language;

        // And it opens again afterwards.
        PostMessageW(frame, WM_COMMAND, ID_APP_ABOUT_ZOREL, 0);
        EXPECT_NE(WaitForSized(zorel.Id(), 264, 338), nullptr);
        CloseAndExpectCleanExit(zorel, frame);
    }
}

}  // namespace
