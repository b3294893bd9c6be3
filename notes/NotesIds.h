// Ids of the notes subsystem: texts of the text table.
#pragma once

enum NotesTextId {
    IDS_MEMO_DATA = 10010,          // "[Memo Data]"
    IDS_TOO_MANY_ALARMS = 10087,    // "Too many alarms[#N# memos exist]. \n Delete overdue alarms."
    IDS_CANNOT_READ_SCHEDULE = 10088,  // "Could not read schedule."
    IDS_CANNOT_SAVE_SCHEDULE = 10089,  // "Could not save schedule."
    IDS_CANNOT_RUN = 10090,         // "Cannot run the program properly."
    IDS_CANNOT_READ_MEMO = 10091,   // "Cannot read memo properly."
    IDS_CANNOT_OPEN_MEMO = 10092,   // "Cannot open the memo. Check if the file is locked."
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
