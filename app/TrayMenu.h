// The main menu of the tray icon (menu resource 130, first submenu) and the
// small context submenus that note and skinned windows append: their texts in
// the current language with the hot keys, the checks that mirror the state of
// the program, and the generated lists of memo groups.
#pragma once

#include "fw/Afx.h"

#include <vector>

// One item of a menu table: position in its menu, command (0 for a
// submenu), text number and the hot-key slot shown after it (-1 for none).
struct TrayMenuItem {
    int position;
    UINT command;
    int textId;
    int hotKeySlot;
};

// Positions of the main menu's submenus.
enum {
    TRAY_POS_MEMO_VIEW = 3,
    TRAY_POS_ARRANGEMENT = 4,
    TRAY_POS_LOCATION = 5,
    TRAY_POS_OPEN_GROUP = 7,
    TRAY_POS_RESTORATION = 11,
    TRAY_POS_WIDGETS = 24,
    TRAY_POS_CAPTURE = 26,
    TRAY_POS_USER = 33,
    TRAY_POS_EXIT = 36,
    CAPTURE_POS_DESTINATION = 5,
};

// What the menu shows of the program's state.
struct TrayMenuState {
    bool clockVisible = false;
    bool calendarVisible = false;
    bool scheduleVisible = false;
    bool quickMenuVisible = false;
    bool ctrlHeld = false;
    bool enableDesktop = false;
    bool lastCaptureValid = false;  // the stored last capture region is at least 1 wide
    int captureOut = 0;
    CString userName;
};

const std::vector<TrayMenuItem>& GetTrayMainItems();

// Sets every text of the main menu and its fixed submenus, the checks and
// the Exit/Uninstall choice. Safe to run again on the same menu.
void TranslateMemoMenu(HMENU menu, const TrayMenuState& state);
// What the tray refreshes before each showing: the Exit/Uninstall item, the
// texts that carry hot keys, the visibility checks and the capture choice.
void RefreshTrayMenu(HMENU menu, const TrayMenuState& state);
// "Exit Zorel" with its hot key, or "Uninstall Zorel" while Ctrl is held.
void SetExitItem(HMENU menu, bool ctrlHeld);

void TranslatePositionMenu(HMENU menu);
void TranslateAlignMenu(HMENU menu);
void TranslateTransparencyMenu(HMENU menu);

// ---- Memo-group submenus ----------------------------------------------------

struct GroupMenuEntry {
    UINT id = 0;  // 0 for the separator
    CString text;
    bool current = false;
};

// The items of a group list for the group files found (in the order found):
// one per file (name less its extension), then, when there was any, a
// separator and the recycle bin. names receives the file behind each id, in
// id order. At most GROUP_MENU_ID_COUNT ids are given out, so the list never
// reaches the next id range.
std::vector<GroupMenuEntry> MakeGroupMenuEntries(const std::vector<CString>& files, const CString& currentFile,
                                                 UINT firstId, CStringArray& names);

// The "*.zrd" files of the folder, in the order the file system gives them.
std::vector<CString> ListGroupFiles(const CString& memoFolder);

// Fills the tray's "Open Other Group" submenu (current group checked) and a
// note window's "move to group" submenu (current group greyed).
void FillOpenGroupMenu(HMENU submenu, const std::vector<CString>& files, const CString& currentFile,
                       CStringArray& names);
void FillMoveToGroupMenu(HMENU submenu, const std::vector<CString>& files, const CString& currentFile,
                         CStringArray& names);

// The group file behind a command of a group submenu, or empty.
CString GetGroupMenuFile(const CStringArray& names, UINT firstId, UINT id);
