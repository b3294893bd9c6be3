// Ids of the note window, its bars, its editor, the hover tip and the title
// dialog: templates, controls, commands, timers, messages and texts. The
// commands every floating window has, those of the tray menu, the group
// ranges and the messages to the main frame are the shell's and the window
// framework's.
#pragma once

#include "ui/UiIds.h"

#include <windows.h>

// ---- Templates ----
enum NoteTemplateId {
    IDD_MEMO = 133,
    IDD_TITLE_BAR = 151,
    IDD_STYLE_BAR = 154,
    IDD_TITLE_INPUT = 229,
    IDD_MEMO_TIP = 233,
    IDR_EDITOR_MENU = 155,
    IDR_MEMO_MENU = 167,
    IDD_MEMO_LOCK = 1086,
    IDD_MEMO_PASSWORD = 1087,
};

// ---- Controls ----
enum NoteControlId {
    IDC_MEMO_EDIT = 4677,
    IDC_TB_DELETE = 1003,
    IDC_TB_NEW = 1004,
    IDC_TB_PIN = 1005,
    IDC_TB_STYLE = 1006,
    IDC_TB_NEXT_COLOR = 1007,
    IDC_TB_FOLD = 1008,
    IDC_TB_MENU = 1009,
    IDC_TB_ICON = 1010,
    IDC_FOLDED_UNFOLD = 1009,
    IDC_FOLDED_TITLE = 1010,
    IDC_SB_BOLD = 1005,
    IDC_SB_ITALIC = 1006,
    IDC_SB_UNDERLINE = 1007,
    IDC_SB_SIZE = 1008,
    IDC_SB_COLOR = 1009,
    IDC_SB_FACE = 1011,
    IDC_TI_TITLE = 1232,
    IDC_TI_FACE = 1011,
    IDC_TI_SIZE = 1008,
    IDC_TI_COLOR = 1009,
    IDC_TI_BOLD = 1005,
    IDC_TI_ITALIC = 1006,
    IDC_TI_UNDERLINE = 1007,
    IDC_LOCK_PASSWORD = 1233,
    IDC_LOCK_REPEAT = 1234,
    IDC_LOCK_TITLE = 1422,
    IDC_LOCK_PASSWORD_LABEL = 1423,
    IDC_LOCK_REPEAT_LABEL = 1424,
    IDC_LOCK_TITLE_LABEL = 1425,
    IDC_LOCK_WARNING = 1426,
    IDC_PWD_EDIT = 1424,
    IDC_PWD_LABEL = 1423,
    IDC_PWD_LABEL2 = 1475,
};

// ---- Pictures of the note's buttons ----
// Pictures of the shared push-button strip (bitmap 327), in strip order.
enum NoteButtonImage {
    NBI_MENU,
    NBI_NEW,
    NBI_UNFOLD,
    NBI_FOLD,
    NBI_NEXT_COLOR,
    NBI_DELETE,
    NBI_TITLE,
    NBI_UNFOLD_LOCKED,
    NBI_FOLD_LOCKED,
    NoteButtonImageCount
};
// Pictures of the shared check-button strip (bitmap 328), in strip order.
enum NoteCheckImage { NCI_PIN, NCI_STYLE_BAR, NCI_BOLD, NCI_ITALIC, NCI_UNDERLINE, NoteCheckImageCount };

// ---- Commands ----
enum NoteCommandId {
    ID_MEMO_FOLD = 32783,
    ID_MEMO_WORDPAD = 32785,
    ID_MEMO_DELETE = 32786,
    ID_MEMO_ARRANGE = 32788,
    ID_MEMO_ALARM = 32815,
    ID_MEMO_SAVE_TO_FILE = 32818,
    ID_MEMO_TOPMOST = 32838,
    ID_MEMO_NORMAL = 32839,
    ID_MEMO_DESKTOP = 32840,
    ID_MEMO_SKIN_COLOR = 32841,
    ID_MEMO_FIT_HEIGHT = 32893,
    ID_MEMO_LOCK = 32943,
    ID_MEMO_SEND = 32958,
    ID_MEMO_REMINDER = 32960,
    ID_MEMO_READ_ONLY = 32978,
    ID_IMPORTANCE_NORMAL = 32980,
    ID_IMPORTANCE_FAVOURITE = 32981,
    ID_IMPORTANCE_IMPORTANT = 32982,
    ID_IMPORTANCE_VERY = 32990,
    ID_MEMO_PRINT = 57607,
    // A note whose file could not be read starts again empty (the damaged
    // file kept as a dated copy first).
    ID_MEMO_START_AFRESH = 33090,

    // The editor's own commands.
    ID_EDIT_UNDO_CMD = 57643,
    ID_EDIT_REDO_CMD = 57644,
    ID_EDIT_CUT_CMD = 57635,
    ID_EDIT_COPY_CMD = 57634,
    ID_EDIT_PASTE_CMD = 57637,
    ID_EDIT_ALIGN_LEFT = 32798,
    ID_EDIT_ALIGN_CENTER = 32799,
    ID_EDIT_ALIGN_RIGHT = 32800,
    ID_EDIT_BULLETS = 32801,
    ID_EDIT_TEXT_COLOR = 32802,
    ID_EDIT_STRIKEOUT = 32835,
    ID_EDIT_GROW = 32855,
    ID_EDIT_SHRINK = 32856,
    ID_EDIT_HIGHLIGHT = 32952,
    ID_EDIT_FIND_DIALOG = 32963,
    ID_EDIT_MACRO_FIRST = 32866,
    ID_EDIT_MACRO_LAST = 33065,
};

// ---- Timers ----
enum NoteTimerId {
    TIMER_MEMO_FLASH = 100,
    TIMER_MEMO_REMINDER = 101,
    TIMER_MEMO_FIRST_REMINDER = 102,
    TIMER_TIP_WATCH = 100,
};

// ---- Messages among the note's own windows ----
enum NoteMessageId {
    WM_NULLBUTTON_DBLCLK = WM_USER + 1,
};

// ---- Texts ----
enum NoteTextId {
    IDS_CAPTION = 1,
    IDS_OK = 23,
    IDS_ADJUST_HEIGHT = 123,
    IDS_INPUT_TITLE = 1900,
    IDS_EXPANSION = 10136,
    IDS_INPUT_TITLE_MENU = 10137,
    IDS_FIX_LOCATION = 11003,
    IDS_EXPANDED_MENU = 11014,
    IDS_NORMAL_POSITION = 11020,
    IDS_ALWAYS_ON_TOP = 11021,
    IDS_DESKTOP = 11022,
    IDS_NEW_MEMO = 11070,
    IDS_FOLD = 11071,
    IDS_HIDE = 11072,
    IDS_ARRANGEMENT = 11073,
    IDS_SKIN_COLOR = 11074,
    IDS_ATTACH_SCHEDULE = 11075,
    IDS_MEMO_DELETE = 11077,
    IDS_SAVE_TO_FILE = 11078,
    IDS_OPEN_WORDPAD = 11079,
    IDS_PRINT = 11080,
    IDS_SEND_TO_GROUP = 11081,
    IDS_OPEN_GROUP = 11113,
    IDS_EDIT_UNDO = 11200,
    IDS_EDIT_REDO = 11201,
    IDS_EDIT_MACRO = 11203,
    IDS_EDIT_CUT = 11205,
    IDS_EDIT_COPY = 11206,
    IDS_EDIT_PASTE = 11207,
    IDS_EDIT_TEXT_COLOR = 11209,
    IDS_EDIT_SMALLER = 11211,
    IDS_EDIT_LARGER = 11212,
    IDS_EDIT_LEFT = 11214,
    IDS_EDIT_CENTER = 11215,
    IDS_EDIT_RIGHT = 11216,
    IDS_EDIT_BULLETS = 11218,
    IDS_EDIT_STRIKEOUT = 11219,
    IDS_PASSWORD_ON = 23001,
    IDS_PASSWORD_OFF = 23002,
    IDS_LOCKED_TITLE = 23003,
    IDS_WRONG_PASSWORD = 23004,
    IDS_PASSWORD_FAILED = 23010,
    IDS_PASSWORD_MISMATCH = 23005,
    IDS_PASSWORD_WARNING = 23006,
    IDS_PASSWORD_LABEL = 23007,
    IDS_PASSWORD_REENTER = 23008,
    IDS_PASSWORD_ENTER = 23009,
    IDS_SEND_MEMO = 24020,
    IDS_EDIT_FIND = 25308,
    IDS_HIDE_OTHERS = 27306,
    IDS_READ_ONLY = 28002,
    IDS_IMPORTANCE_NORMAL = 28205,
    IDS_IMPORTANCE_FAVOURITE = 28206,
    IDS_IMPORTANCE_IMPORTANT = 28207,
    IDS_IMPORTANCE_VERY = 31014,
    IDS_EDIT_HIGHLIGHT = 23401,
};

// Texts of the note and alarm stores.
enum NotesTextId {
    IDS_MEMO_DATA = 10010,          // "[Memo Data]"
    IDS_TOO_MANY_ALARMS = 10087,    // "Too many alarms[#N# memos exist]. \n Delete overdue alarms."
    IDS_CANNOT_READ_SCHEDULE = 10088,  // "Could not read schedule."
    IDS_CANNOT_SAVE_SCHEDULE = 10089,  // "Could not save schedule."
    IDS_CANNOT_RUN = 10090,         // "Cannot run the program properly."
    IDS_CANNOT_READ_MEMO = 10091,   // "Cannot read memo properly."
    IDS_CANNOT_OPEN_MEMO = 10092,   // "Cannot open the memo. Check if the file is locked."
    IDS_NOTE_UNREADABLE = 39000,    // "This note's file could not be read."
    IDS_NOTE_READ_ONLY_HINT = 39001,  // "The note is shown read-only: ... "Start afresh" ..."
    IDS_START_AFRESH = 39002,       // "Start afresh"
    IDS_AFRESH_NO_COPY = 39003,     // "The damaged file could not be kept as a copy, ..."
    IDS_MEMO_LIST_HELD = 39052,     // a list that did not read whole is not saved
    IDS_DAMAGED_LIST_KEPT = 39053,  // "The damaged list is kept as:"
};

// Kinds of the received synchronisation files, the first three digits of
// their names.
enum SyncKind {
    SYNC_SCHEDULE = 0,           // "ZOREL_SCHEDULE": another copy's alarm file
    SYNC_ANNIVERSARY = 1,        // "ZOREL_ANNIVERSARY": another copy's anniversary file
    SYNC_PHONE_ALL = 2,          // "IPHONE_ALL": phone-format alarms and anniversaries
    SYNC_PHONE_SCHEDULE = 3,     // "IPHONE_SCHEDULE"
    SYNC_PHONE_ANNIVERSARY = 4,  // "IPHONE_ANNIVERSARY"
};
