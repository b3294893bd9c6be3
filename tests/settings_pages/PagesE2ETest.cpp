// Zorel.exe end to end: a note default applied on the Memo page shapes the
// next new note, and a program slot filled on the Shortcut page makes its
// hot key run the action it holds; every tab opens, applies and closes, and
// a widget closed from its own menu unchecks its entry on the Widgets page.
#include "../frame_e2e/ZorelTest.h"
#include "ScreenPicture.h"
#include "app/SettingsIds.h"
#include "shell/ShellIds.h"
#include "widgets/WidgetDialog.h"
#include "widgets/WidgetList.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n    <ViewMemoOnStart>1</ViewMemoOnStart>\n  </General>\n"
    "</ZorelConfig>\n";
const UINT kNewMemoCommand = 32774;
const int kMemoEditId = 4677;

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

std::vector<HWND> Notes(DWORD pid) {
    std::vector<HWND> notes;
    for (HWND wnd : ProcessWindows(pid))
        if (GetDlgItem(wnd, kMemoEditId)) notes.push_back(wnd);
    return notes;
}
HWND FindSettingsSheet(DWORD pid) {
    for (HWND wnd : ProcessWindows(pid)) {
        wchar_t text[64] = {};
        GetWindowTextW(wnd, text, 64);
        if (wcscmp(text, L"Settings") == 0) return wnd;
    }
    return nullptr;
}
struct PageSearch {
    int controlId;
    HWND found;
};
// The visible dialog inside the sheet that holds the control.
HWND ShownPage(HWND sheet, int controlId) {
    PageSearch search = {controlId, nullptr};
    EnumChildWindows(
        sheet,
        [](HWND wnd, LPARAM param) -> BOOL {
            PageSearch* s = (PageSearch*)param;
            wchar_t name[32] = {};
            GetClassNameW(wnd, name, 32);
            if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(wnd) && GetDlgItem(wnd, s->controlId)) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}
void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void Choose(HWND dialog, int id, int item) { SendDlgItemMessageW(dialog, id, CB_SETCURSEL, (WPARAM)item, 0); }

class SettingsPagesE2ETest : public ZorelTest {};
}  // namespace

TEST_F(SettingsPagesE2ETest, NoteDefaultsShapeNewNotesAndSlotHotKeysRunTheirActions) {
    std::wstring folder = NewFolderWith(kConfig);
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(zorel.WaitForStartUp());

    // The Memo page: new notes 220 x 150.
    PostMessageW(frame, WM_REOPEN_SETTINGS, 1, -1);
    HWND sheet = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (sheet = FindSettingsSheet(zorel.Id())) != nullptr; }));
    HWND memo = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (memo = ShownPage(sheet, IDC_MS_START_DX)) != nullptr; }));
    if (ScreenshotsWanted()) SaveScreenPicture(L"settings-e2e-memo", {sheet});
    Choose(memo, IDC_MS_START_DX, 12);
    Choose(memo, IDC_MS_START_DY, 9);
    Click(sheet, IDC_SM_APPLY);
    std::string config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "StartDX"), "220");
    EXPECT_EQ(ConfigValue(config, "StartDY"), "150");

    size_t before = Notes(zorel.Id()).size();
    PostMessageW(frame, WM_COMMAND, kNewMemoCommand, 0);
    ASSERT_TRUE(WaitFor([&] { return Notes(zorel.Id()).size() > before; }));
    HWND note = Notes(zorel.Id()).back();
    RECT rect = {};
    GetWindowRect(note, &rect);
    EXPECT_EQ(rect.right - rect.left, 220);

    // The Shortcut page: run slot 0 holds "NEW_MEMO"; its hot key makes a note.
    PostMessageW(frame, WM_REOPEN_SETTINGS, 3, 0);
    HWND run = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (run = ShownPage(sheet, 2201)) != nullptr; }));
    if (ScreenshotsWanted()) SaveScreenPicture(L"settings-e2e-shortcut", {sheet});
    SendDlgItemMessageW(run, 2001, WM_SETTEXT, 0, (LPARAM)L"NEW_MEMO");
    Click(sheet, IDC_SM_APPLY);
    config = ReadFileText(folder + L"ZorelConfig.xml");
    EXPECT_EQ(ConfigValue(config, "HotKey01"), "NEW_MEMO");

    before = Notes(zorel.Id()).size();
    PostMessageW(frame, WM_HOTKEY, 3, 0);
    ASSERT_TRUE(WaitFor([&] { return Notes(zorel.Id()).size() > before; }));

    // The Clock page shows with the clock's skins.
    PostMessageW(frame, WM_REOPEN_SETTINGS, 4, -1);
    HWND clock = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (clock = ShownPage(sheet, IDC_CP_SKIN)) != nullptr; }));
    if (ScreenshotsWanted()) SaveScreenPicture(L"settings-e2e-clock", {sheet});
    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    CloseAndExpectCleanExit(zorel, frame);
}

TEST_F(SettingsPagesE2ETest, EveryTabOpensAppliesAndClosesAndWidgetEntriesFollowTheirWidgets) {
    std::wstring folder = NewFolderWith(kConfig);
    // One widget, open from the last run at a place no other window takes.
    std::wstring widgets = folder + L"skin\\widgets\\";
    CreateDirectoryW((folder + L"skin").c_str(), nullptr);
    CreateDirectoryW(widgets.c_str(), nullptr);
    CreateDirectoryW((widgets + L"clock").c_str(), nullptr);
    const char* binary = getenv("ZOREL_BINARY_DIR");
    std::wstring source = L"Z:" + std::wstring(CString(binary ? binary : "").GetString()) +
                          L"/bin/skin/widgets/clock/digital.xml";
    for (wchar_t& c : source)
        if (c == L'/') c = L'\\';
    ASSERT_TRUE(CopyFileW(source.c_str(), (widgets + L"clock\\digital.xml").c_str(), FALSE));
    WidgetListEntry entry;
    entry.path = L"clock\\digital.xml";
    entry.x = 333;
    entry.y = 222;
    ASSERT_TRUE(CWidgetList::WriteFile(CWidgetList::FilePath(widgets.c_str()), {entry}));

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(zorel.WaitForStartUp());

    // A control only each tab's page has.
    const int kPageControls[] = {IDC_PS_DOCKING, IDC_MS_START_DX, IDC_MC_RANDOM, IDC_HK_HISTORY,
                                 IDC_CP_SKIN,    IDC_CA_ADD,      IDC_WP_LIST,   IDC_FS_START};
    const wchar_t* kPictures[] = {nullptr, nullptr, nullptr, nullptr, nullptr,
                                  L"settings-e2e-calendar", L"settings-e2e-widgets", L"settings-e2e-share"};
    HWND sheet = nullptr;
    for (int tab = 0; tab < 8; ++tab) {
        PostMessageW(frame, WM_REOPEN_SETTINGS, tab, -1);
        ASSERT_TRUE(WaitFor([&] { return (sheet = FindSettingsSheet(zorel.Id())) != nullptr; }));
        HWND page = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (page = ShownPage(sheet, kPageControls[tab])) != nullptr; })) << tab;
        Click(sheet, IDC_SM_APPLY);
        EXPECT_TRUE(IsWindow(sheet)) << tab;
        if (kPictures[tab] && ScreenshotsWanted()) SaveScreenPicture(kPictures[tab], {sheet});
    }

    // The Widgets page lists the open widget checked; closed from its own
    // menu, the widget unchecks it.
    PostMessageW(frame, WM_REOPEN_SETTINGS, 6, -1);
    HWND page = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (page = ShownPage(sheet, IDC_WP_LIST)) != nullptr; }));
    HWND list = GetDlgItem(page, IDC_WP_LIST);
    ASSERT_EQ(ListView_GetItemCount(list), 1);
    EXPECT_TRUE(ListView_GetCheckState(list, 0));
    HWND widget = nullptr;
    for (HWND wnd : ProcessWindows(zorel.Id())) {
        RECT r = {};
        GetWindowRect(wnd, &r);
        if (r.left == 333 && r.top == 222) widget = wnd;
    }
    ASSERT_NE(widget, nullptr);
    PostMessageW(widget, WM_COMMAND, ID_WIDGET_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return !ListView_GetCheckState(list, 0); }));

    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    CloseAndExpectCleanExit(zorel, frame);
}
