// Ids the action strings and the global hot keys reach: the icons and texts
// that name an action, and the settings-sheet pages and capture modes they
// open.
#pragma once

// The commands and private messages of the main frame that actions post are
// the frame's own ids.
#include "shell/ShellIds.h"

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
    IDS_ACTION_CLOCK = 94,
    IDS_ACTION_CALENDAR = 95,
    IDS_ACTION_SETTINGS = 100,
    IDS_ACTION_SCHEDULE_MANAGE = 223,
    IDS_ACTION_ADD_ANNIVERSARY = 800,
    IDS_ACTION_SCHEDULE = 10007,
    IDS_ACTION_ADD_SCHEDULE = 10016,
    IDS_ACTION_EDIT_SCHEDULE = 10017,
    IDS_ACTION_INPUT_PROGRAM = 10081,
    IDS_ACTION_INPUT_WEB_ADDRESS = 10082,
    IDS_ACTION_NEW_MEMO = 10149,
    IDS_ACTION_CAPTURE_REGION = 22020,
    IDS_ACTION_CAPTURE_WINDOW = 22021,
    IDS_ACTION_CAPTURE_FULL_SCREEN = 22022,
    IDS_ACTION_CAPTURE_LAST_REGION = 22023,
    IDS_ACTION_SHARE = 24070,
    IDS_ACTION_SHUTDOWN = 25311,
    IDS_ACTION_RESTART = 25316,
    IDS_ACTION_PASSWORD_MANAGEMENT = 27009,
    IDS_ACTION_TODAY = 27203,
    IDS_ACTION_SHOW_MENU_WIDGET = 27300,
    IDS_ACTION_LOCK = 28003,
    IDS_ACTION_SHUTDOWN_SHORT = 28004,
    IDS_ACTION_COLOR_PICKER = 31008,
    IDS_ACTION_ZOOM_WINDOW = 31009,
    IDS_ACTION_CONTROL_CAPTURE = 31010,
    IDS_ACTION_RULER = 31013,
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
