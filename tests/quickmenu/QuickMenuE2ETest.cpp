// Zorel.exe end to end with its quick-menu bar: the docked bar appears at
// start, opens when the mouse rests on it, a click on its new-note tool makes
// a note; it undocks to its skin and docks again, and the program keeps its
// state.
#include "ScreenPicture.h"
#include "ZorelTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n"
    "  <QuickMenu>\n    <AutoStart2>1</AutoStart2>\n    <DockMode>1</DockMode>\n    <SlideEffect>0</SlideEffect>\n"
    "    <MenuDelay>0</MenuDelay>\n  </QuickMenu>\n"
    "</ZorelConfig>\n";

const int kMemoEditId = 4677;
const UINT kUndock = 32987, kDock = 33012, kHideAllWidgets = 32940;



template <typename Test>
HWND WaitForWindow(DWORD pid, Test test, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        for (HWND wnd : ProcessWindows(pid))
            if (test(wnd)) return wnd;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

SIZE SizeOf(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool IsBar(HWND wnd, int width, int height) {
    SIZE s = SizeOf(wnd);
    return s.cx == width && s.cy == height && !GetDlgItem(wnd, kMemoEditId);
}

void CopySkins(const std::wstring& folder) {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    std::wstring source = L"Z:";
    for (const char* c = root ? root : ""; *c; ++c) source += (wchar_t)(*c == '/' ? '\\' : *c);
    source += L"\\data\\skin\\Menu\\default\\";
    std::wstring target = folder + L"skin\\";
    CreateDirectoryW(target.c_str(), nullptr);
    target += L"Menu\\";
    CreateDirectoryW(target.c_str(), nullptr);
    target += L"default\\";
    CreateDirectoryW(target.c_str(), nullptr);
    for (const wchar_t* name : {L"memo_extend.xml", L"memo_contract.xml", L"memo_extend_top.xml",
                                L"memo_contract_top.xml"})
        CopyFileW((source + name).c_str(), (target + name).c_str(), FALSE);
}

void ClickAt(int x, int y) {
    SetCursorPos(x, y);
    Sleep(100);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(50);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

class QuickMenuE2E : public ZorelTest {};

}  // namespace

TEST_F(QuickMenuE2E, DockedBarOpensOnHoverMakesANoteAndUndocksAndDocks) {
    std::wstring folder = NewFolderWith(kConfig);
    CopySkins(folder);
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    HWND bar = WaitForWindow(zorel.Id(), [](HWND w) { return IsBar(w, 500, 51); });
    ASSERT_NE(bar, nullptr) << "the docked bar did not appear at start";
    RECT r = {};
    GetWindowRect(bar, &r);
    EXPECT_EQ(r.top, 0);
    EXPECT_NE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ASSERT_TRUE(zorel.WaitForStartUp());
    // Hiding all widgets leaves the docked bar where it is.
    PostMessageW(frame, WM_COMMAND, kHideAllWidgets, 0);
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(bar));
    // At rest the program with its docked bar uses next to no processor time.
    ULONGLONG before = zorel.ProcessorTime();
    Sleep(2000);
    printf("idle processor time with the docked bar: %.1f ms in 2 s\n", (zorel.ProcessorTime() - before) / 10000.0);

    // The mouse rests on the hidden strip: the bar slides open under it.
    SetCursorPos(r.left + 100, r.top + 2);
    Sleep(100);
    SetCursorPos(r.left + 101, r.top + 2);
    Sleep(600);
    if (ScreenshotsWanted()) {
        SetCursorPos(r.left + 146, r.top + 12);
        Sleep(400);
        SaveScreenPicture(L"quickmenu_e2e_docked_open_en", {bar});
    }
    // Its new-note tool makes a note.
    ClickAt(r.left + 146, r.top + 12);
    HWND note = WaitForWindow(zorel.Id(), [](HWND w) { return GetDlgItem(w, kMemoEditId) != nullptr; });
    EXPECT_NE(note, nullptr) << "the new-note tool made no note";

    // Undocked it shows its skin; docked again, the strip.
    PostMessageW(bar, WM_COMMAND, kUndock, 0);
    EXPECT_NE(WaitForWindow(zorel.Id(), [&](HWND w) { return w == bar && SizeOf(w).cx == 232; }, 5000), nullptr);
    if (ScreenshotsWanted()) {
        Sleep(300);
        SaveScreenPicture(L"quickmenu_e2e_undocked_en", {bar});
    }
    PostMessageW(bar, WM_COMMAND, kDock, 0);
    EXPECT_NE(WaitForWindow(zorel.Id(), [&](HWND w) { return w == bar && IsBar(w, 500, 51); }, 5000), nullptr);
    SetCursorPos(0, 700);
    CloseAndExpectCleanExit(zorel, frame);
    std::string config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "DockMode"), "1");
    EXPECT_NE(ConfigValue(config, "SkinFileXML2").find("memo_extend.xml"), std::string::npos);
}
