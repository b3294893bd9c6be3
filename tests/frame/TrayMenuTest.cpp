// The tray menu as the program's resource holds it, translated and filled.
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "app/TrayMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::wstring TextAt(HMENU menu, int position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

bool IsChecked(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0; }
bool IsGrey(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Settings = CSettings();
        g_LanguageTable.RemoveAll();
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
        for (int i = 0; i < HOTKEY_COUNT; ++i) g_Settings.HotKeyTable[i].key = -1;
        resource = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU));
        ASSERT_NE(resource, nullptr);
        menu = GetSubMenu(resource, 0);
    }
    void TearDown() override {
        if (resource) DestroyMenu(resource);
    }
    HMENU resource = nullptr;
    HMENU menu = nullptr;
};
}  // namespace

TEST_F(TrayMenuTest, ItemsSitWhereTheTableSaysAndTakeTheirTexts) {
    g_LanguageTable.SetAt(11070, L"Neues Memo");
    TrayMenuState state;
    state.userName = L"Kim";
    TranslateMemoMenu(menu, state);
    EXPECT_EQ(GetMenuItemCount(menu), 37);
    for (const TrayMenuItem& item : GetTrayMainItems()) {
        EXPECT_EQ(TextAt(menu, item.position), std::wstring((LPCWSTR)g_LanguageTable[item.textId])) << item.position;
        if (item.command) EXPECT_EQ(GetMenuItemID(menu, item.position), item.command) << item.position;
        else EXPECT_NE(GetSubMenu(menu, item.position), nullptr) << item.position;
    }
    EXPECT_EQ(TextAt(menu, 0), L"Neues Memo");
    EXPECT_EQ(TextAt(menu, TRAY_POS_USER), L"User: Kim");
    EXPECT_EQ(TextAt(menu, TRAY_POS_EXIT), L"Exit Zorel");
    EXPECT_EQ(GetMenuItemID(menu, TRAY_POS_EXIT), (UINT)ID_APP_EXIT_ZOREL);
    HMENU capture = GetSubMenu(menu, TRAY_POS_CAPTURE);
    EXPECT_EQ(TextAt(GetSubMenu(capture, CAPTURE_POS_DESTINATION), 3), std::wstring((LPCWSTR)g_LanguageTable[22033]));
}

TEST_F(TrayMenuTest, HotKeysFollowTheirItems) {
    g_Settings.General.EnableHotKey = 1;
    g_Settings.HotKeyTable[0].ctrl = 1;
    g_Settings.HotKeyTable[0].key = 'N';
    g_Settings.HotKeyTable[0].SetName(L"N");
    g_Settings.HotKeyTable[34].alt = 1;
    g_Settings.HotKeyTable[34].key = VK_F4;
    g_Settings.HotKeyTable[34].SetName(L"F4");
    TranslateMemoMenu(menu, TrayMenuState());
    EXPECT_EQ(TextAt(menu, 0), std::wstring(L"New Memo\t") + (LPCWSTR)g_LanguageTable[10048] + L"+N");
    EXPECT_EQ(TextAt(menu, TRAY_POS_EXIT), std::wstring(L"Exit Zorel\t") + (LPCWSTR)g_LanguageTable[10049] + L"+F4");
    EXPECT_EQ(TextAt(menu, 14), L"Settings...");  // slot 11 has no key

    // Ctrl held: the last item uninstalls, without a hot key.
    TrayMenuState ctrl;
    ctrl.ctrlHeld = true;
    RefreshTrayMenu(menu, ctrl);
    EXPECT_EQ(TextAt(menu, TRAY_POS_EXIT), L"Uninstall Zorel");
    EXPECT_EQ(GetMenuItemID(menu, TRAY_POS_EXIT), (UINT)ID_UNINSTALL_ZOREL);
}

TEST_F(TrayMenuTest, ChecksMirrorTheProgram) {
    TrayMenuState state;
    state.clockVisible = true;
    state.scheduleVisible = true;
    state.captureOut = 2;
    state.lastCaptureValid = false;
    TranslateMemoMenu(menu, state);
    EXPECT_TRUE(IsChecked(menu, ID_SEE_CLOCK));
    EXPECT_FALSE(IsChecked(menu, ID_SEE_CALENDAR));
    EXPECT_TRUE(IsChecked(menu, ID_SEE_SCHEDULE));
    EXPECT_FALSE(IsChecked(menu, ID_SHOW_QUICK_MENU));
    EXPECT_TRUE(IsChecked(menu, ID_CAPTURE_OUT_SAVE_AS));
    EXPECT_FALSE(IsChecked(menu, ID_CAPTURE_OUT_MEMO));
    EXPECT_TRUE(IsGrey(menu, ID_CAPTURE_LAST));
    state.lastCaptureValid = true;
    TranslateMemoMenu(menu, state);
    EXPECT_FALSE(IsGrey(menu, ID_CAPTURE_LAST));
}

TEST_F(TrayMenuTest, DesktopLevelOnlyWhenEnabledAndTranslatingTwiceKeepsIt) {
    HMENU location = GetSubMenu(menu, TRAY_POS_LOCATION);
    TrayMenuState state;
    TranslateMemoMenu(menu, state);
    EXPECT_EQ(GetMenuItemCount(location), 2);
    state.enableDesktop = true;
    TranslateMemoMenu(menu, state);
    TranslateMemoMenu(menu, state);
    ASSERT_EQ(GetMenuItemCount(location), 3);
    EXPECT_EQ(GetMenuItemID(location, 2), (UINT)ID_ALL_DESKTOP);
    EXPECT_EQ(TextAt(location, 2), std::wstring((LPCWSTR)g_LanguageTable[11090]));
}

TEST_F(TrayMenuTest, OpenGroupListWithTheCurrentGroupChecked) {
    HMENU groups = GetSubMenu(menu, TRAY_POS_OPEN_GROUP);
    CStringArray names;
    FillOpenGroupMenu(groups, {L"a.zrd", L"b.zrd"}, L"b.zrd", names);
    ASSERT_EQ(GetMenuItemCount(groups), 4);
    EXPECT_EQ(TextAt(groups, 0), L"a");
    EXPECT_EQ(TextAt(groups, 1), L"b");
    EXPECT_EQ(GetMenuState(groups, 2, MF_BYPOSITION) & MF_SEPARATOR, (UINT)MF_SEPARATOR);
    EXPECT_EQ(TextAt(groups, 3), L"Temporary Storage");
    EXPECT_FALSE(IsChecked(groups, ID_OPEN_GROUP_FIRST));
    EXPECT_TRUE(IsChecked(groups, ID_OPEN_GROUP_FIRST + 1));
    EXPECT_FALSE(IsChecked(groups, ID_OPEN_GROUP_FIRST + 2));
    EXPECT_EQ(GetGroupMenuFile(names, ID_OPEN_GROUP_FIRST, ID_OPEN_GROUP_FIRST + 2), CString(L"RecycleBin.zrr"));
    EXPECT_EQ(GetGroupMenuFile(names, ID_OPEN_GROUP_FIRST, ID_OPEN_GROUP_FIRST + 3), CString());

    // Built again for a folder without groups: nothing at all.
    FillOpenGroupMenu(groups, {}, L"b.zrd", names);
    EXPECT_EQ(GetMenuItemCount(groups), 0);
    EXPECT_EQ(names.GetSize(), 0);

    // A note's move-to list greys the current group instead.
    FillMoveToGroupMenu(groups, {L"a.zrd", L"b.zrd"}, L"a.zrd", names);
    EXPECT_TRUE(IsGrey(groups, ID_MOVE_GROUP_FIRST));
    EXPECT_FALSE(IsChecked(groups, ID_MOVE_GROUP_FIRST));
}

TEST_F(TrayMenuTest, LongGroupListsStayInsideTheirIdRange) {
    std::vector<CString> files;
    for (int i = 0; i < 300; ++i) {
        CString name;
        name.Format(L"g%03d.zrd", i);
        files.push_back(name);
    }
    CStringArray names;
    std::vector<GroupMenuEntry> entries = MakeGroupMenuEntries(files, L"", ID_OPEN_GROUP_FIRST, names);
    EXPECT_EQ(names.GetSize(), GROUP_MENU_ID_COUNT);
    UINT highest = 0;
    for (const GroupMenuEntry& entry : entries) highest = std::max(highest, entry.id);
    EXPECT_EQ(highest, (UINT)ID_OPEN_GROUP_LAST);
    EXPECT_EQ(entries.back().text, CString(L"Temporary Storage"));
}

TEST_F(TrayMenuTest, WindowContextSubmenus) {
    HMENU position = CreatePopupMenu();
    for (int i = 0; i < 3; ++i) AppendMenuW(position, MF_STRING, 1 + i, L"x");
    TranslatePositionMenu(position);
    EXPECT_EQ(GetMenuItemID(position, 0), (UINT)ID_POS_NORMAL);
    EXPECT_EQ(GetMenuItemID(position, 1), (UINT)ID_POS_TOPMOST);
    EXPECT_EQ(GetMenuItemID(position, 2), (UINT)ID_POS_DESKTOP);
    EXPECT_EQ(TextAt(position, 2), std::wstring((LPCWSTR)g_LanguageTable[11022]));
    DestroyMenu(position);

    HMENU align = CreatePopupMenu();
    for (int i = 0; i < 6; ++i) AppendMenuW(align, i == 1 ? MF_SEPARATOR : MF_STRING, 1 + i, L"x");
    TranslateAlignMenu(align);
    EXPECT_EQ(GetMenuItemID(align, 0), 32806u);
    EXPECT_EQ(GetMenuItemID(align, 5), 32810u);
    DestroyMenu(align);

    HMENU alpha = CreatePopupMenu();
    for (int i = 0; i < 10; ++i) AppendMenuW(alpha, MF_STRING, 1 + i, L"x");
    TranslateTransparencyMenu(alpha);
    EXPECT_EQ(GetMenuItemID(alpha, 0), 32844u);
    EXPECT_EQ(GetMenuItemID(alpha, 9), 32853u);
    EXPECT_EQ(TextAt(alpha, 9), std::wstring((LPCWSTR)g_LanguageTable[11049]));
    DestroyMenu(alpha);
}

// Every command of the tray menu is available (only the repeat capture
// waits for a first capture).
TEST_F(TrayMenuTest, EveryCommandIsAvailable) {
    TranslateMemoMenu(menu, TrayMenuState());
    for (UINT id : {ID_SEE_SCHEDULE, ID_SHARE, ID_SEE_CALENDAR, ID_NEW_MEMO, ID_SEARCH_MEMO, ID_BACKUP, ID_RESTORE_DELETED, ID_MEMO_GROUP_MANAGER, ID_PASSWORD_MANAGER,
                    ID_APP_EXIT_ZOREL, ID_SEE_CLOCK, ID_CAPTURE_REGION, ID_CAPTURE_OUT_CLIPBOARD, ID_CAPTURE_FOLDER,
                    ID_CAPTURE_PREFERENCE, ID_SETTINGS, ID_APP_ABOUT_ZOREL, ID_HOMEPAGE, ID_DONATION})
        EXPECT_FALSE(IsGrey(menu, id)) << id;
}
