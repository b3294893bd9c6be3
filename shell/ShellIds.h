// Ids of the application shell: commands of the tray menu and the forwarded
// commands, the main frame's timers and window messages, resources and the
// text numbers the shell shows.
#pragma once

#include <windows.h>

// ---- Commands ---------------------------------------------------------------
enum : UINT {
    ID_APP_EXIT_ZOREL = 32773,
    ID_NEW_MEMO = 32774,
    ID_APP_ABOUT_ZOREL = 32775,
    ID_SEE_ALL_MEMOS = 32776,
    ID_SETTINGS = 32777,
    ID_ARRANGE_ALL = 32778,
    ID_POS_TOPMOST = 32787,
    ID_EXPAND_ARRANGE = 32789,
    ID_FOLD_ARRANGE = 32790,
    ID_EXPAND_ALL = 32791,
    ID_FOLD_ALL = 32792,
    ID_HIDE_ALL_MEMOS = 32793,
    ID_ALL_TOPMOST = 32795,
    ID_ALL_NORMAL = 32796,
    ID_SCHEDULE_MANAGER = 32804,
    ID_ALIGN_FIRST = 32806,  // 32806 .. 32810
    ID_SETTINGS_CLOCK = 32811,
    ID_RESTORE_DELETED = 32817,
    ID_POS_NORMAL = 32819,
    ID_POS_DESKTOP = 32820,
    ID_SEE_CALENDAR = 32823,
    ID_CAPTURE_REGION = 32824,
    ID_SEE_CLOCK = 32830,
    ID_ALL_DESKTOP = 32837,
    ID_TRANSPARENCY_FIRST = 32844,  // 32844 .. 32853
    ID_SEE_SCHEDULE = 32854,
    ID_SEARCH_MEMO = 32860,
    ID_MEMO_GROUP_MANAGER = 32862,
    ID_GROUP_PLACEHOLDER = 32863,
    ID_ARRANGE_CURRENT = 32865,
    ID_BACKUP_PROGRAM = 32880,
    ID_RESTORE_SCHEDULE = 32883,
    ID_RESTORE_MEMO_FILE = 32886,
    ID_RESTORE_ANNIVERSARY = 32887,
    ID_BACKUP = 32888,
    ID_HOMEPAGE = 32890,
    ID_CAPTURE_WINDOW = 32901,
    ID_CAPTURE_FULL = 32903,
    ID_CAPTURE_LAST = 32904,
    ID_CAPTURE_OUT_SAVE_AS = 32916,
    ID_CAPTURE_OUT_CLIPBOARD = 32917,
    ID_CAPTURE_OUT_MEMO = 32918,
    ID_CAPTURE_OUT_SAVE = 32919,
    ID_CAPTURE_PREFERENCE = 32920,
    ID_CAPTURE_FOLDER = 32921,
    ID_SHOW_ALL_WIDGETS = 32939,
    ID_HIDE_ALL_WIDGETS = 32940,
    ID_DONATION = 32948,
    ID_SHARE = 32955,
    ID_SYNC_SCHEDULE = 32956,
    ID_SHUTDOWN_SCHEDULER = 32967,
    ID_UNINSTALL_ZOREL = 32968,
    ID_PASSWORD_MANAGER = 32970,
    ID_SHOW_QUICK_MENU = 32973,
    ID_SHOW_FAVORITE_MEMO = 32983,
    ID_USER_INFO = 32986,
    ID_COLOR_PICKER = 32991,
    ID_ZOOM_WINDOW = 32992,
    ID_RULER = 32993,
    ID_DAMAGED_MEMO_LIST = 129,
    ID_CLOSE_ABOUT = 1524,
    ID_FRAMEWORK_ABOUT = 57664,

    // Item ranges of the generated submenus. 200 ids each, so a long list
    // never reaches into the next range.
    ID_OPEN_GROUP_FIRST = 5224,
    ID_MOVE_GROUP_FIRST = 5424,
    ID_WIDGET_FIRST = 5624,
    GROUP_MENU_ID_COUNT = 200,
    ID_OPEN_GROUP_LAST = ID_OPEN_GROUP_FIRST + GROUP_MENU_ID_COUNT - 1,
    ID_MOVE_GROUP_LAST = ID_MOVE_GROUP_FIRST + GROUP_MENU_ID_COUNT - 1,
    ID_WIDGET_LAST = ID_WIDGET_FIRST + GROUP_MENU_ID_COUNT - 1,
};

// ---- Timers of the main frame ----------------------------------------------
enum : UINT_PTR {
    TIMER_PERIODIC_SAVE = 1001,  // 10 s, repeating
    TIMER_DEFERRED_CLOSE = 1003,  // 1 s after WM_CLOSE found open message boxes
    TIMER_WEBCHECK_DELAY = 1004,
    TIMER_STARTUP = 1005,         // 500 ms, the staged start-up
    TIMER_SYNC_DIALOG = 1006,     // 300 ms
    TIMER_RECEIVED_NOTES = 1007,  // 50 ms
};
enum : UINT {
    PERIODIC_SAVE_MS = 10000,
    DEFERRED_CLOSE_MS = 1000,
    STARTUP_TICK_MS = 500,
    SYNC_DIALOG_MS = 300,
    RECEIVED_NOTES_MS = 50,
};

// ---- Window messages of the main frame ---------------------------------------
enum : UINT {
    WM_TRAY_NOTIFY = WM_USER + 100,
    WM_SETTINGS_CLOSED = WM_USER + 200,
    WM_REOPEN_SETTINGS = WM_USER + 201,
    WM_MEMO_GROUP_MANAGER_CLOSED = WM_USER + 300,
    WM_ABOUT_CLOSED = WM_USER + 500,
    WM_CAPTURE_SETUP_CLOSE = WM_USER + 600,
    WM_ADD_SCHEDULE = WM_USER + 801,
    WM_ADD_ANNIVERSARY = WM_USER + 802,
    WM_TOGGLE_ALL_MEMOS = WM_USER + 803,
    WM_RUN_QUEUE = WM_USER + 810,
    WM_MEMO_CLOSED = WM_USER + 1000,
    WM_NEW_MEMO = WM_USER + 1001,
    WM_CAPTURE_DONE = WM_USER + 1003,
    WM_MEMO_TO_RECYCLE_BIN = WM_USER + 1004,
    WM_WEBCHECK_DONE = WM_USER + 1005,
    WM_DOWNLOAD_DONE = WM_USER + 1006,
};

// wParam of the broadcast message between copies of the program.
enum : WPARAM {
    BROADCAST_SHOW_ALL_MEMOS = 3034,
    BROADCAST_SAVE_AND_QUIT = 3074,
};

// ---- Names shared with the installer, the uninstaller and other copies ------
#define ZOREL_MUTEX_NAME L"MUTEX_DRENNCENTER_MEMO_TARN"
#define ZOREL_BROADCAST_NAME L"ZOREL_BROADCAST_REGISTERWINDOW_TARN"
#define ZOREL_FRAME_TITLE L"Zorel Program"
#define ZOREL_OLD_FRAME_TITLE L"Drenn Memo"
#define ZOREL_VERSION L"3.1.1.0"
#define ZOREL_SHORT_VERSION L"3.1.1"

// ---- Tray icon -------------------------------------------------------------------
enum : UINT {
    TRAY_ICON_ID = 128,
    TRAY_ICON_SIZE = 16,
    TRAY_TIP_CHARS = 127,  // what the record's tip holds, without the terminator
};

// ---- Resources ---------------------------------------------------------------------
enum : UINT {
    IDR_MAINFRAME_ICON = 128,
    IDR_TRAY_MENU = 130,
    IDB_TRAY_DATE_BACK = 243,
    IDC_FRAME_CURSOR = 249,
    IDD_ABOUT = 100,
    IDD_ZMSGBOX = 190,
    IDD_SEARCH_MEMO = 235,
    IDD_TIME_SELECT = 228,
    IDD_INPUT_STRING = 1077,
    IDD_FIND = 1093,
};

// ---- Controls of the small dialogs -------------------------------------------
enum : UINT {
    IDC_MSGBOX_ICON = 1037,
    IDC_MSGBOX_TEXT = 1038,
    IDC_INPUT_PROMPT = 248,
    IDC_INPUT_EDIT = 249,
    IDC_FIND_LABEL = 1360,
    IDC_FIND_TEXT = 1232,
    IDC_FIND_WHOLE_WORD = 1248,
    IDC_FIND_MATCH_CASE = 1249,
    IDC_FIND_NEXT = 1459,
    IDC_FIND_PREV = 1460,
    IDC_SEARCH_ON_TOP = 1250,
    IDC_SEARCH_UNFOLD = 1251,
    IDC_SEARCH_TITLES = 1252,
    IDC_SEARCH_CONTENTS = 1083,
    IDC_HOUR_FIRST = 1140,    // 1140 .. 1163
    IDC_MINUTE_FIRST = 1170,  // 1170 .. 1229
    IDC_HOUR_GROUP = 1362,
    IDC_MINUTE_GROUP = 1363,
    IDC_TIME_NOW = 3,
};

// ---- Texts -----------------------------------------------------------------------
enum : int {
    TXT_ALREADY_RUNNING = 10,
    TXT_CLOSE_FAILED = 11,
    TXT_ADD = 20,
    TXT_EDIT = 21,
    TXT_OK = 23,
    TXT_SEARCH_TITLE_FIND = 25307,
    TXT_CANCEL = 26,
    TXT_FIND = 27,
    TXT_YES = 29,
    TXT_NO = 30,
    TXT_SEARCH_MEMO = 1200,
    TXT_FIND_WHAT = 1201,
    TXT_WHOLE_WORD = 1202,
    TXT_MATCH_CASE = 1203,
    TXT_FOUND_ON_TOP = 1204,
    TXT_UNFOLD_FOUND = 1205,
    TXT_SEARCH_CONTENTS = 1206,
    TXT_SEARCH_TITLES = 1207,
    TXT_HOUR = 1601,
    TXT_MINUTE = 1602,
    TXT_CURRENT_TIME = 1603,
    TXT_TEMPORARY_STORAGE = 10060,
    TXT_TRAY_TIP = 23301,
    TXT_FIND_PREV = 25309,
    TXT_FIND_NEXT = 25310,
    TXT_MEMO_LIMIT = 28202,
    TXT_USER = 30000,
};
