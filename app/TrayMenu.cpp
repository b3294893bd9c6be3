#include "app/TrayMenu.h"

#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"

namespace {
const std::vector<TrayMenuItem> kMainItems = {
    {0, ID_NEW_MEMO, 11070, 0},
    {1, ID_SEARCH_MEMO, 11116, 20},
    {3, 0, 11085, -1},
    {4, 0, 11086, -1},
    {5, 0, 11087, -1},
    {7, 0, 11113, -1},
    {8, ID_MEMO_GROUP_MANAGER, 11114, -1},
    {10, ID_BACKUP, 11118, -1},
    {11, 0, 11117, -1},
    {12, ID_SHARE, 24000, -1},
    {14, ID_SETTINGS, 11119, 11},
    {16, ID_SCHEDULE_MANAGER, 11120, 13},
    {17, ID_PASSWORD_MANAGER, 27000, 36},
    {19, ID_SEE_CLOCK, 11123, 14},
    {20, ID_SEE_CALENDAR, 11124, 15},
    {21, ID_SEE_SCHEDULE, 11121, 17},
    {22, ID_SHOW_QUICK_MENU, 27300, 12},
    {24, 0, 11011, -1},
    {26, 0, 11126, -1},
    {27, ID_CAPTURE_PREFERENCE, 22026, -1},
    {29, ID_APP_ABOUT_ZOREL, 11128, -1},
    {30, ID_HOMEPAGE, 11129, -1},
    {31, ID_DONATION, 23201, -1},
    {35, ID_SHUTDOWN_SCHEDULER, 25312, -1},
};
const std::vector<TrayMenuItem> kViewItems = {
    {0, ID_SEE_ALL_MEMOS, 11100, 1}, {1, ID_HIDE_ALL_MEMOS, 11101, 2}, {2, ID_EXPAND_ALL, 11102, -1},
    {3, ID_FOLD_ALL, 11103, -1},     {5, ID_SHOW_FAVORITE_MEMO, 28208, -1},
    {7, ID_SHOW_ALL_WIDGETS, 221, 21}, {8, ID_HIDE_ALL_WIDGETS, 240, 22},
};
const std::vector<TrayMenuItem> kArrangementItems = {
    {0, ID_ARRANGE_ALL, 11104, -1},
    {1, ID_EXPAND_ARRANGE, 11105, -1},
    {2, ID_FOLD_ARRANGE, 11106, -1},
    {3, ID_ARRANGE_CURRENT, 11107, -1},
};
const std::vector<TrayMenuItem> kLocationItems = {
    {0, ID_ALL_TOPMOST, 11088, -1},
    {1, ID_ALL_NORMAL, 11089, -1},
};
const std::vector<TrayMenuItem> kRestorationItems = {
    {0, ID_RESTORE_DELETED, 11140, -1},
    {1, ID_RESTORE_MEMO_FILE, 11141, -1},
    {2, ID_RESTORE_SCHEDULE, 11142, -1},
    {3, ID_RESTORE_ANNIVERSARY, 11143, -1},
};
const std::vector<TrayMenuItem> kCaptureItems = {
    {0, ID_CAPTURE_REGION, 22020, 16}, {1, ID_CAPTURE_WINDOW, 22021, 23}, {2, ID_CAPTURE_FULL, 22022, -1},
    {3, ID_CAPTURE_LAST, 22023, -1},   {5, 0, 22024, -1},                 {7, ID_CAPTURE_FOLDER, 22025, -1},
};
const std::vector<TrayMenuItem> kDestinationItems = {
    {0, ID_CAPTURE_OUT_MEMO, 22030, -1},
    {1, ID_CAPTURE_OUT_SAVE, 22031, -1},
    {2, ID_CAPTURE_OUT_SAVE_AS, 22032, -1},
    {3, ID_CAPTURE_OUT_CLIPBOARD, 22033, -1},
};
const std::vector<TrayMenuItem> kUserItems = {
    {0, ID_USER_INFO, 30001, -1},
    {2, ID_COLOR_PICKER, 31008, -1},
    {3, ID_ZOOM_WINDOW, 31009, -1},
    {4, ID_RULER, 31013, -1},
};
// Capture destinations in the order of the CaptureOut setting.
const UINT kDestinationByOut[] = {ID_CAPTURE_OUT_MEMO, ID_CAPTURE_OUT_SAVE, ID_CAPTURE_OUT_SAVE_AS,
                                  ID_CAPTURE_OUT_CLIPBOARD};

CString ItemText(const TrayMenuItem& item) {
    CString text = g_LanguageTable[item.textId];
    if (item.hotKeySlot >= 0 && item.hotKeySlot < HOTKEY_COUNT)
        text += FormatHotKeyMenuText(g_Settings.HotKeyTable[item.hotKeySlot]);
    return text;
}

void SetTextAt(HMENU menu, int position, const CString& text) {
    if (!menu) return;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    CString copy = text;
    info.dwTypeData = copy.GetBuffer(copy.GetLength() + 1);
    ::SetMenuItemInfoW(menu, position, TRUE, &info);
    copy.ReleaseBuffer();
}

void SetTexts(HMENU menu, const std::vector<TrayMenuItem>& items, bool onlyHotKeys = false) {
    for (const TrayMenuItem& item : items)
        if (!onlyHotKeys || item.hotKeySlot >= 0) SetTextAt(menu, item.position, ItemText(item));
}

// Replaces the item at a position by a command item with that id and text.
void ReplaceItem(HMENU menu, int position, UINT command, const CString& text) {
    if (menu && position < ::GetMenuItemCount(menu))
        ::ModifyMenuW(menu, position, MF_BYPOSITION | MF_STRING, command, text);
}

void CheckCommand(HMENU menu, UINT command, bool check) {
    ::CheckMenuItem(menu, command, MF_BYCOMMAND | (check ? MF_CHECKED : MF_UNCHECKED));
}

void SetChecks(HMENU menu, const TrayMenuState& state) {
    CheckCommand(menu, ID_SEE_CLOCK, state.clockVisible);
    CheckCommand(menu, ID_SEE_CALENDAR, state.calendarVisible);
    CheckCommand(menu, ID_SEE_SCHEDULE, state.scheduleVisible);
    CheckCommand(menu, ID_SHOW_QUICK_MENU, state.quickMenuVisible);
    for (int out = 0; out < 4; ++out) CheckCommand(menu, kDestinationByOut[out], out == state.captureOut);
}

void SetLocationItems(HMENU location, bool enableDesktop) {
    if (!location) return;
    SetTexts(location, kLocationItems);
    // Everything after the two fixed items goes, so a second translation of
    // the same menu gives the same list.
    while (::GetMenuItemCount(location) > 2) ::DeleteMenu(location, 2, MF_BYPOSITION);
    if (enableDesktop) ::AppendMenuW(location, MF_STRING, ID_ALL_DESKTOP, g_LanguageTable[11090]);
}

void ClearGroupMenu(HMENU submenu, UINT firstId) {
    ::DeleteMenu(submenu, ID_GROUP_PLACEHOLDER, MF_BYCOMMAND);
    int count = ::GetMenuItemCount(submenu);
    for (int i = 0; i < count; ++i) ::DeleteMenu(submenu, firstId + i, MF_BYCOMMAND);
    // Whatever is left (separators) goes too.
    while (::GetMenuItemCount(submenu) > 0) ::DeleteMenu(submenu, 0, MF_BYPOSITION);
}

void FillGroupMenu(HMENU submenu, const std::vector<GroupMenuEntry>& entries, UINT currentFlag) {
    for (const GroupMenuEntry& entry : entries) {
        if (entry.id == 0)
            ::AppendMenuW(submenu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(submenu, MF_STRING | (entry.current ? currentFlag : 0), entry.id, entry.text);
    }
}
}  // namespace

const std::vector<TrayMenuItem>& GetTrayMainItems() { return kMainItems; }

void SetExitItem(HMENU menu, bool ctrlHeld) {
    if (ctrlHeld)
        ReplaceItem(menu, TRAY_POS_EXIT, ID_UNINSTALL_ZOREL, g_LanguageTable[26001]);
    else
        ReplaceItem(menu, TRAY_POS_EXIT, ID_APP_EXIT_ZOREL, ItemText({TRAY_POS_EXIT, ID_APP_EXIT_ZOREL, 11131, 34}));
}

void TranslateMemoMenu(HMENU menu, const TrayMenuState& state) {
    if (!menu) return;
    SetTexts(menu, kMainItems);
    SetChecks(menu, state);
    HMENU user = ::GetSubMenu(menu, TRAY_POS_USER);
    SetTextAt(menu, TRAY_POS_USER, g_LanguageTable[TXT_USER] + L": " + state.userName);
    SetTexts(user, kUserItems);
    SetExitItem(menu, state.ctrlHeld);
    SetTexts(::GetSubMenu(menu, TRAY_POS_MEMO_VIEW), kViewItems);
    SetTexts(::GetSubMenu(menu, TRAY_POS_ARRANGEMENT), kArrangementItems);
    SetLocationItems(::GetSubMenu(menu, TRAY_POS_LOCATION), state.enableDesktop);
    SetTexts(::GetSubMenu(menu, TRAY_POS_RESTORATION), kRestorationItems);
    HMENU capture = ::GetSubMenu(menu, TRAY_POS_CAPTURE);
    SetTexts(capture, kCaptureItems);
    SetTexts(capture ? ::GetSubMenu(capture, CAPTURE_POS_DESTINATION) : nullptr, kDestinationItems);
    for (int out = 0; out < 4; ++out) CheckCommand(menu, kDestinationByOut[out], out == state.captureOut);
    ::EnableMenuItem(menu, ID_CAPTURE_LAST, MF_BYCOMMAND | (state.lastCaptureValid ? MF_ENABLED : MF_GRAYED));
}

void RefreshTrayMenu(HMENU menu, const TrayMenuState& state) {
    if (!menu) return;
    SetExitItem(menu, state.ctrlHeld);
    for (const TrayMenuItem& item : kMainItems)
        if (item.position <= 22 && item.hotKeySlot >= 0) SetTextAt(menu, item.position, ItemText(item));
    SetTexts(::GetSubMenu(menu, TRAY_POS_MEMO_VIEW), kViewItems, true);
    SetChecks(menu, state);
}

void TranslatePositionMenu(HMENU menu) {
    ReplaceItem(menu, 0, ID_POS_NORMAL, g_LanguageTable[11020]);
    ReplaceItem(menu, 1, ID_POS_TOPMOST, g_LanguageTable[11021]);
    ReplaceItem(menu, 2, ID_POS_DESKTOP, g_LanguageTable[11022]);
}

void TranslateAlignMenu(HMENU menu) {
    ReplaceItem(menu, 0, ID_ARRANGE_MEMO_COLUMN, g_LanguageTable[11030]);
    for (int i = 0; i < 4; ++i) ReplaceItem(menu, 2 + i, ID_ARRANGE_TOP_LEFT + i, g_LanguageTable[11032 + i]);
}

void TranslateTransparencyMenu(HMENU menu) {
    for (int i = 0; i < 10; ++i) ReplaceItem(menu, i, ID_TRANSPARENCY_FIRST + i, g_LanguageTable[11040 + i]);
}

std::vector<GroupMenuEntry> MakeGroupMenuEntries(const std::vector<CString>& files, const CString& currentFile,
                                                 UINT firstId, CStringArray& names) {
    std::vector<GroupMenuEntry> entries;
    names.RemoveAll();
    if (files.empty()) return entries;
    // One id stays for the recycle bin.
    size_t most = GROUP_MENU_ID_COUNT - 1;
    for (size_t i = 0; i < files.size() && i < most; ++i) {
        GroupMenuEntry entry;
        entry.id = firstId + (UINT)i;
        entry.text = files[i].GetLength() > 4 ? files[i].Left(files[i].GetLength() - 4) : CString();
        entry.current = files[i].CompareNoCase(currentFile) == 0;
        names.Add(files[i]);
        entries.push_back(entry);
    }
    entries.push_back(GroupMenuEntry());
    GroupMenuEntry bin;
    bin.id = firstId + (UINT)names.GetSize();
    bin.text = g_LanguageTable[TXT_TEMPORARY_STORAGE];
    bin.current = currentFile.CompareNoCase(L"RecycleBin.zrr") == 0;
    names.Add(L"RecycleBin.zrr");
    entries.push_back(bin);
    return entries;
}

std::vector<CString> ListGroupFiles(const CString& memoFolder) {
    std::vector<CString> files;
    // Without a memo folder the search would run in the current folder.
    if (memoFolder.IsEmpty()) return files;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(memoFolder + L"*.zrd", &data);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(data.cFileName);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return files;
}

void FillOpenGroupMenu(HMENU submenu, const std::vector<CString>& files, const CString& currentFile,
                       CStringArray& names) {
    if (!submenu) return;
    ClearGroupMenu(submenu, ID_OPEN_GROUP_FIRST);
    FillGroupMenu(submenu, MakeGroupMenuEntries(files, currentFile, ID_OPEN_GROUP_FIRST, names), MF_CHECKED);
}

void FillMoveToGroupMenu(HMENU submenu, const std::vector<CString>& files, const CString& currentFile,
                         CStringArray& names) {
    if (!submenu) return;
    ClearGroupMenu(submenu, ID_MOVE_GROUP_FIRST);
    FillGroupMenu(submenu, MakeGroupMenuEntries(files, currentFile, ID_MOVE_GROUP_FIRST, names), MF_GRAYED);
}

CString GetGroupMenuFile(const CStringArray& names, UINT firstId, UINT id) {
    if (id < firstId) return CString();
    UINT index = id - firstId;
    return index < (UINT)names.GetSize() ? names[index] : CString();
}
