// The self-installing backup: a program, a zip archive of the data folders
// and a 1,024-byte trailer. This is the program's side: it finds the trailer
// at the end of its own file, takes the archive out and unpacks it into the
// program folder the user confirms.
#pragma once

#include "fw/Afx.h"

#include <functional>
#include <vector>

namespace BackupRestore {

const int kTrailerSize = 1024;

struct BackupInfo {
    DWORD setupLength = 0;    // where the archive starts
    DWORD archiveLength = 0;
    int year = 0, month = 0, day = 0, hour = -1, minute = -1, second = -1;
    CString language;
    CString comment;
};

// Reads the trailer at the end of a file of fileSize bytes (tail holds its
// last kTrailerSize bytes). False unless the marker is there and the two
// lengths and the trailer make up the whole file.
bool ParseTrailer(const BYTE* tail, ULONGLONG fileSize, BackupInfo& info);

// "2026-12-11 09:30" and the comment, for the question before restoring.
CString DescribeBackup(const BackupInfo& info);

// Unpacks every entry of the archive in memory below folder (ending in a
// backslash), replacing files of the same name; false when the archive
// cannot be read or an entry cannot be written (the rest are still tried).
// onEntry hears each entry's name, in order, once it is unpacked.
bool UnpackArchive(BYTE* archive, DWORD length, const CString& folder,
                   const std::function<void(const CString&)>& onEntry = nullptr);

}  // namespace BackupRestore
