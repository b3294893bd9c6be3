// Zorel.exe end to end: the tray menu's Settings command opens the sheet;
// options changed on the Basic page are applied and saved, the Color page is
// confirmed with OK, and the settings file read back holds them. The Run
// value goes to the Wine prefix's real registry and is taken out again.
#include "../frame_e2e/ZorelTest.h"
#include "ScreenPicture.h"
#include "app/ProgramSetLogic.h"
#include "app/SettingsIds.h"
#include "shell/RegUtil.h"
#include "shell/ShellIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <Docking>1</Docking>\n    <HotKeyToggle>0</HotKeyToggle>\n    <HistoryLevel>1</HistoryLevel>\n"
    "  </General>\n</ZorelConfig>\n";

struct PageSearch {
    int controlId;
    HWND found;
};
BOOL CALLBACK FindPage(HWND wnd, LPARAM param) {
    PageSearch* search = (PageSearch*)param;
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, 32);
    if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(wnd) && GetDlgItem(wnd, search->controlId)) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}
// The page of the sheet that shows and holds the control.
HWND ShownPage(HWND sheet, int controlId) {
    PageSearch search = {controlId, nullptr};
    EnumChildWindows(sheet, FindPage, (LPARAM)&search);
    return search.found;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

struct SheetSearch {
    DWORD pid;
    HWND found;
};
BOOL CALLBACK FindSheet(HWND wnd, LPARAM param) {
    SheetSearch* search = (SheetSearch*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    wchar_t text[64] = {};
    GetWindowTextW(wnd, text, 64);
    if (pid == search->pid && IsWindowVisible(wnd) && wcscmp(text, L"Settings") == 0) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}
// The process's visible sheet (its clock is a dialog too, without a title).
HWND FindSettingsSheet(DWORD pid) {
    SheetSearch search = {pid, nullptr};
    EnumWindows(FindSheet, (LPARAM)&search);
    return search.found;
}

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

CString RunValue() {
    CString value;
    if (!ReadRegString(HKEY_CURRENT_USER, kRunKey, kRunValueName, value)) return L"<none>";
    return value;
}

class SettingsE2ETest : public ZorelTest {};
}  // namespace

TEST_F(SettingsE2ETest, OptionsAppliedOnBothPagesAreSavedAndReadBack) {
    DeleteRegValue(HKEY_CURRENT_USER, kRunKey, kRunValueName);
    std::wstring folder = NewFolderWith(kConfig);
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(zorel.WaitForStartUp());

    PostMessageW(frame, WM_COMMAND, ID_SETTINGS, 0);
    HWND sheet = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (sheet = FindSettingsSheet(zorel.Id())) != nullptr; }));
    HWND basic = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (basic = ShownPage(sheet, IDC_PS_DOCKING)) != nullptr; }));
    if (ScreenshotsWanted()) SaveScreenPicture(L"settings-e2e-basic", {sheet});

    Click(basic, IDC_PS_DOCKING);
    Click(basic, IDC_PS_HOTKEY_TOGGLE);
    Click(basic, IDC_PS_START_WITH_WINDOWS);
    HWND backup = GetDlgItem(basic, IDC_PS_BACKUP_LIST);
    SendMessageW(backup, CB_SETCURSEL, 2, 0);
    Click(sheet, IDC_SM_APPLY);
    std::string config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "Docking"), "0");
    EXPECT_EQ(ConfigValue(config, "HotKeyToggle"), "1");
    EXPECT_EQ(ConfigValue(config, "HistoryLevel"), "2");
    CString own = MakeRunValue((folder + L"Zorel.exe").c_str());
    EXPECT_EQ(RunValue().CompareNoCase(own), 0) << (const wchar_t*)RunValue();

    Click(basic, IDC_PS_START_WITH_WINDOWS);
    Click(sheet, IDC_SM_APPLY);
    EXPECT_EQ(RunValue(), L"<none>");

    // Asked to open again, the open sheet only switches its tab.
    PostMessageW(frame, WM_REOPEN_SETTINGS, 2, -1);
    HWND colours = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (colours = ShownPage(sheet, IDC_MC_RANDOM)) != nullptr; }));
    EXPECT_EQ(FindSettingsSheet(zorel.Id()), sheet);
    if (ScreenshotsWanted()) SaveScreenPicture(L"settings-e2e-color", {sheet});
    Click(colours, IDC_MC_RANDOM);
    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "RandomColor"), "1");
    EXPECT_EQ(ConfigValue(config, "Type00"), std::to_string(0xC6C6C6));
    EXPECT_EQ(ConfigValue(config, "Type11"), std::to_string(0x329632));
    EXPECT_EQ(ConfigValue(config, "Docking"), "0");

    // The share command opens the sheet on the file-share page.
    PostMessageW(frame, WM_COMMAND, ID_SHARE, 0);
    ASSERT_TRUE(WaitFor([&] { return (sheet = FindSettingsSheet(zorel.Id())) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return ShownPage(sheet, IDC_FS_START) != nullptr; }));
    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));

    // The clock's settings open the sheet on the clock's page.
    PostMessageW(frame, WM_COMMAND, ID_SETTINGS_CLOCK, 0);
    ASSERT_TRUE(WaitFor([&] { return (sheet = FindSettingsSheet(zorel.Id())) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return ShownPage(sheet, IDC_CP_VIEW_ALWAYS) != nullptr; }));
    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    CloseAndExpectCleanExit(zorel, frame);
    DeleteRegValue(HKEY_CURRENT_USER, kRunKey, kRunValueName);
}
