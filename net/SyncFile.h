// Received synchronisation files: another copy of the program or the phone
// app uploads schedules or anniversaries, the server keeps each upload as
// "KKK_YYYY_MM_DD_HH_MM_SS.sync" (KKK the kind, then the local receive time)
// and the user later applies, deletes or keeps them. This is the part that
// reads those names and orders the list; the dialog shows it.
#pragma once

#include "fw/Afx.h"

#include <vector>

// The kind and receive time a sync file's name carries.
struct SyncFile {
    int kind = 0;  // 0 alarms, 1 anniversaries, 2-4 the phone forms
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    // Reads a bare file name. Only names of exactly 28 characters with digits
    // and underscores in their places and the ".sync" ending are read, and
    // only kinds 0 to 4; anything else is not a sync file of ours.
    static bool Parse(const CString& name, SyncFile& out);
};

// Orders the rows by receive minute; seconds do not count, so two files of
// one minute tie. 64-bit, so no year a name can carry overflows it.
long long SyncListKey(const SyncFile& file);

// One row of the list: its text, the file's bare name and its kind.
struct SyncListRow {
    CString text;
    CString name;
    int kind = 0;
};

// The text of a row in the current language: receive date and time, then
// the kind's label in brackets.
CString SyncRowText(const SyncFile& file);

// Builds the rows from the names in the order the folder search gave them,
// skipping names that are not sync files. Returns the row to preselect: the
// latest minute, the first found among equals; -1 when there is no row.
int BuildSyncList(const std::vector<CString>& names, std::vector<SyncListRow>& rows);
