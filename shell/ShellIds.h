// Ids of the application shell: its dialogs, controls and menu commands
// (plain #defines, read by the resource script too), the main frame's timers
// and window messages, the names shared with other programs and the text
// numbers the shell shows. The program's icon, the tray date picture and the
// cursor are in res/images.h.
#pragma once

#include "res/resource.h"

// ---- Resources -------------------------------------------------------------
#define IDR_TRAY_MENU 130
#define IDD_ABOUT 100
#define IDD_ZMSGBOX 190
#define IDD_SEARCH_MEMO 235
#define IDD_TIME_SELECT 228
#define IDD_INPUT_STRING 1077
#define IDD_FIND 1093

// ---- Controls of the small dialogs ------------------------------------------
#define IDC_MSGBOX_ICON 1037
#define IDC_MSGBOX_TEXT 1038
#define IDC_INPUT_PROMPT 248
#define IDC_INPUT_EDIT 249
#define IDC_FIND_LABEL 1360
#define IDC_FIND_TEXT 1232
#define IDC_FIND_WHOLE_WORD 1248
#define IDC_FIND_MATCH_CASE 1249
#define IDC_FIND_NEXT 1459
#define IDC_FIND_PREV 1460
#define IDC_SEARCH_ON_TOP 1250
#define IDC_SEARCH_UNFOLD 1251
#define IDC_SEARCH_TITLES 1252
#define IDC_SEARCH_CONTENTS 1083
#define IDC_HOUR_FIRST 1140  // 1140 .. 1163
#define IDC_MINUTE_FIRST 1170  // 1170 .. 1229
#define IDC_HOUR_GROUP 1362
#define IDC_MINUTE_GROUP 1363
#define IDC_TIME_NOW 3

// ---- Commands ----------------------------------------------------------------
#define ID_APP_EXIT_ZOREL 32773
#define ID_NEW_MEMO 32774
#define ID_APP_ABOUT_ZOREL 32775
#define ID_SEE_ALL_MEMOS 32776
#define ID_SETTINGS 32777
#define ID_ARRANGE_ALL 32778
#define ID_POS_TOPMOST 32787
#define ID_EXPAND_ARRANGE 32789
#define ID_FOLD_ARRANGE 32790
#define ID_EXPAND_ALL 32791
#define ID_FOLD_ALL 32792
#define ID_HIDE_ALL_MEMOS 32793
#define ID_ALL_TOPMOST 32795
#define ID_ALL_NORMAL 32796
#define ID_SCHEDULE_MANAGER 32804
// The align submenu of the tray and the floating windows: 32806 .. 32810.
#define ID_ARRANGE_MEMO_COLUMN 32806
#define ID_ARRANGE_TOP_LEFT 32807
#define ID_ARRANGE_BOTTOM_LEFT 32808
#define ID_ARRANGE_TOP_RIGHT 32809
#define ID_ARRANGE_BOTTOM_RIGHT 32810
#define ID_SETTINGS_CLOCK 32811
#define ID_RESTORE_DELETED 32817
#define ID_POS_NORMAL 32819
#define ID_POS_DESKTOP 32820
#define ID_SEE_CALENDAR 32823
#define ID_CAPTURE_REGION 32824
#define ID_SEE_CLOCK 32830
#define ID_ALL_DESKTOP 32837
#define ID_TRANSPARENCY_FIRST 32844  // 32844 .. 32853
#define ID_SEE_SCHEDULE 32854
#define ID_SEARCH_MEMO 32860
#define ID_MEMO_GROUP_MANAGER 32862
#define ID_GROUP_PLACEHOLDER 32863
#define ID_ARRANGE_CURRENT 32865
#define ID_BACKUP_PROGRAM 32880
#define ID_RESTORE_SCHEDULE 32883
#define ID_RESTORE_MEMO_FILE 32886
#define ID_RESTORE_ANNIVERSARY 32887
#define ID_BACKUP 32888
#define ID_HOMEPAGE 32890
#define ID_CAPTURE_WINDOW 32901
#define ID_CAPTURE_FULL 32903
#define ID_CAPTURE_LAST 32904
#define ID_CAPTURE_OUT_SAVE_AS 32916
#define ID_CAPTURE_OUT_CLIPBOARD 32917
#define ID_CAPTURE_OUT_MEMO 32918
#define ID_CAPTURE_OUT_SAVE 32919
#define ID_CAPTURE_PREFERENCE 32920
#define ID_CAPTURE_FOLDER 32921
#define ID_SHOW_ALL_WIDGETS 32939
#define ID_HIDE_ALL_WIDGETS 32940
#define ID_DONATION 32948
#define ID_SHARE 32955
#define ID_SYNC_SCHEDULE 32956
#define ID_SHUTDOWN_SCHEDULER 32967
#define ID_UNINSTALL_ZOREL 32968
#define ID_PASSWORD_MANAGER 32970
#define ID_SHOW_QUICK_MENU 32973
#define ID_SHOW_FAVORITE_MEMO 32983
#define ID_USER_INFO 32986
#define ID_COLOR_PICKER 32991
#define ID_ZOOM_WINDOW 32992
#define ID_RULER 32993
#define ID_DAMAGED_MEMO_LIST 129
#define ID_CLOSE_ABOUT 1524
#define ID_FRAMEWORK_ABOUT 57664

// Item ranges of the generated submenus, the same in the tray's and every
// floating window's menus: the groups to open, a note's groups to move it
// to, and the widgets. 200 ids each, so a long list never reaches into the
// next range.
#define ID_OPEN_GROUP_FIRST 5224
#define ID_MOVE_GROUP_FIRST 5424
#define ID_WIDGET_FIRST 5624
#define GROUP_MENU_ID_COUNT 200
#define ID_OPEN_GROUP_LAST (ID_OPEN_GROUP_FIRST + GROUP_MENU_ID_COUNT - 1)
#define ID_MOVE_GROUP_LAST (ID_MOVE_GROUP_FIRST + GROUP_MENU_ID_COUNT - 1)
#define ID_WIDGET_LAST (ID_WIDGET_FIRST + GROUP_MENU_ID_COUNT - 1)

#ifndef RC_INVOKED

#include <windows.h>

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
// (the note windows send the memo ones with themselves in wParam)
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
    WM_RECEIVED_NOTE_QUEUED = WM_USER + 1010,  // a file-server thread queued a note
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
    TXT_CLOSE = 31,
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
    TXT_SETTINGS_DAMAGED = 39050,             // what was read is in use; the damaged copy's name follows
    TXT_SETTINGS_DAMAGED_NOT_COPIED = 39051,  // the same when no copy could be made
};

#endif  // RC_INVOKED
