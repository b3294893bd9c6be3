// Ids of the application shell beside the resource, control and command ids
// of res/resource.h: the main frame's timers and window messages, the names
// shared with other programs and the text numbers the shell shows.
#pragma once

#include <windows.h>

#include "res/resource.h"

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
