// CSafeFileWriter: writes a file so that it is either wholly replaced or left
// as it was: the bytes go to a temporary file in the same folder, which then
// replaces the old file. Also keeps dated copies of files that could not be
// read, so that nothing the user had is lost.
#pragma once

#include "fw/Afx.h"

#include <vector>

class CSafeFileWriter {
public:
    // True when the file now holds exactly the bytes; on false the old file
    // is untouched and no temporary file is left behind.
    static bool WriteFile(const CString& path, const void* data, size_t size);
    static bool WriteFile(const CString& path, const std::vector<BYTE>& data) {
        return WriteFile(path, data.data(), data.size());
    }
    // Copies a file through a temporary file, replacing the target.
    static bool CopyFile(const CString& from, const CString& to);
    // Copies an unreadable file to "<path>.<yyyymmdd-hhmmss>.bad" (stepping a
    // number when that exists) and gives the copy's path; empty on failure.
    static CString KeepDatedCopy(const CString& path, const SYSTEMTIME& now);

    static bool ReadFile(const CString& path, std::vector<BYTE>& data);
    static bool FileExists(const CString& path);
};
