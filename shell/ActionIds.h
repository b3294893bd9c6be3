// Ids the action strings and the global hot keys reach: the main frame's
// commands and private messages, the icons and texts that name an action, and
// the settings-sheet pages they open.
#pragma once

#include <windows.h>

// Commands of the main frame (WM_COMMAND ids of its menus).
enum ActionCommandId : UINT {
    CMD_ABOUT = 32775,
    CMD_ALIGN_ALL = 32778,
    CMD_EDIT_SCHEDULE = 32804,
    CMD_SEE_CALENDAR = 32823,
    CMD_CAPTURE_REGION = 32824,
    CMD_SEE_CLOCK = 32830,
    CMD_SEE_SCHEDULE = 32854,
    CMD_FIND_MEMO = 32860,
    CMD_GROUP_MANAGER = 32862,
    CMD_BACKUP = 32888,
    CMD_CAPTURE_WINDOW = 32901,
    CMD_CAPTURE_FULL_SCREEN = 32903,
    CMD_CAPTURE_PREVIOUS_REGION = 32904,
    CMD_SHOW_ALL_WIDGETS = 32939,
    CMD_HIDE_ALL_WIDGETS = 32940,
    CMD_DONATE = 32948,
    CMD_SHUTDOWN_SCHEDULER = 32967,
    CMD_PASSWORD_MANAGER = 32970,
    CMD_QUICK_MENU = 32973,
};

// Private messages of the main frame.
enum ActionFrameMessage : UINT {
    WM_FRAME_NEW_ALARM = WM_USER + 801,
    WM_FRAME_NEW_ANNIVERSARY = WM_USER + 802,
    WM_FRAME_TOGGLE_MEMOS = WM_USER + 803,
    WM_FRAME_RUN_ACTIONS = WM_USER + 810,
    WM_FRAME_NEW_MEMO = WM_USER + 1001,
    WM_FRAME_WEBCHECK_DONE = WM_USER + 1005,
    WM_FRAME_NOTICE_DOWNLOAD = WM_USER + 1006,
};

// PNG resources that picture an action.
enum ActionIconId {
    ICON_ACTION_NONE = -1,
    ICON_ACTION_SHUTDOWN = 309,
    ICON_ACTION_CAPTURE = 312,
    ICON_ACTION_TOOLS = 313,
    ICON_ACTION_ANNIVERSARY = 314,
    ICON_ACTION_SCHEDULE = 315,
    ICON_ACTION_TOOLTIP_WIDGET = 316,
    ICON_ACTION_VAULT = 317,
    ICON_ACTION_CALENDAR = 318,
    ICON_ACTION_CLOCK = 319,
    ICON_ACTION_NEW_MEMO = 320,
    ICON_ACTION_LOCK = 321,
};

// Texts of the text table.
enum ActionTextId {
    IDS_ACTION_NONE = 0,
    IDS_CLOCK = 94,
    IDS_CALENDAR = 95,
    IDS_SETTINGS = 100,
    IDS_SCHEDULE_MANAGE = 223,
    IDS_ADD_ANNIVERSARY = 800,
    IDS_SCHEDULE = 10007,
    IDS_ADD_SCHEDULE = 10016,
    IDS_EDIT_SCHEDULE = 10017,
    IDS_INPUT_PROGRAM = 10081,
    IDS_INPUT_WEB_ADDRESS = 10082,
    IDS_NEW_MEMO = 10149,
    IDS_CAPTURE_REGION = 22020,
    IDS_CAPTURE_WINDOW = 22021,
    IDS_CAPTURE_FULL_SCREEN = 22022,
    IDS_CAPTURE_LAST_REGION = 22023,
    IDS_SHARE = 24070,
    IDS_SHUTDOWN = 25311,
    IDS_RESTART = 25316,
    IDS_PASSWORD_MANAGEMENT = 27009,
    IDS_TODAY = 27203,
    IDS_SHOW_MENU_WIDGET = 27300,
    IDS_LOCK = 28003,
    IDS_SHUTDOWN_SHORT = 28004,
    IDS_COLOR_PICKER = 31008,
    IDS_ZOOM_WINDOW = 31009,
    IDS_CONTROL_CAPTURE = 31010,
    IDS_RULER = 31013,
};

// Pages of the settings sheet.
enum SettingsSheetPage {
    SETTINGS_PAGE_DEFAULT = -1,  // the sheet's own first page
    SETTINGS_PAGE_HOTKEY = 3,
    SETTINGS_PAGE_CLOCK = 4,
    SETTINGS_PAGE_CALENDAR = 5,
    SETTINGS_PAGE_SHARE = 7,
};

// Modes of the screen capture window.
enum CaptureMode {
    CAPTURE_MODE_REGION = 0,
    CAPTURE_MODE_WINDOW = 1,
    CAPTURE_MODE_CONTROL = 4,
    CAPTURE_MODE_COLOR_PICKER = 6,
    CAPTURE_MODE_ZOOM = 7,
    CAPTURE_MODE_RULER = 8,
    CAPTURE_MODE_TOPMOST = 9,
};

// The longest delay a shutdown action may ask for: one year, as the shutdown
// scheduler allows.
const int kMaxActionShutdownSeconds = 31536000;
