// CSafeFileWriter: writes a file so that it is either wholly replaced or left
// as it was: the bytes go to a temporary file in the same folder, which then
// replaces the old file. Also keeps dated copies of files that could not be
// read, so that nothing the user had is lost.
#pragma once

#include "fw/Afx.h"

#include <cstdio>
#include <functional>
#include <vector>

class CSafeFileWriter {
public:
    // True when the file now holds exactly the bytes; on false the old file
    // is untouched and no temporary file is left behind.
    static bool WriteFile(const CString& path, const void* data, size_t size);
    static bool WriteFile(const CString& path, const std::vector<BYTE>& data) {
        return WriteFile(path, data.data(), data.size());
    }
    // The same for content that is printed rather than held: fill writes it
    // to the stream and says whether it could. In text mode every LF goes to
    // the file as CR LF.
    static bool WriteStream(const CString& path, const std::function<bool(FILE*)>& fill, bool textMode = false);
    // What a save cut short (the program killed, the machine off) leaves in
    // a folder is cleared at start-up: a temporary file that was written
    // whole becomes the live file when that is missing; every other
    // temporary file of a save is removed, except those of a program still
    // running. At most budget files are taken; more tells that some were
    // left for the next time.
    struct Leftovers {
        int recovered = 0;
        int removed = 0;
        bool more = false;
    };
    static Leftovers CleanLeftovers(const CString& folder, int budget);
    // Puts a finished temporary file, written beside path, in place of path.
    // On false the temporary file is gone and path is untouched.
    static bool ReplaceWith(const CString& temp, const CString& path);
    // Copies a file through a temporary file, replacing the target.
    static bool CopyFile(const CString& from, const CString& to);
    // Copies an unreadable file to "<path>.<yyyymmdd-hhmmss>.bad" (stepping a
    // number when that exists) and gives the copy's path; empty on failure.
    // When such a copy with the same bytes is there already, that one is
    // given instead of making another.
    static CString KeepDatedCopy(const CString& path, const SYSTEMTIME& now);

    // The most the program reads whole of a file: a note's text (pictures
    // included), a memo list of up to 1000 records or another short list,
    // and the alarm file of up to 20000 records. A bigger file is damaged.
    static const size_t MaxNoteFileBytes = 64u << 20;
    static const size_t MaxListFileBytes = 16u << 20;
    static const size_t MaxAlarmFileBytes = 64u << 20;

    // The whole file, when it holds at most maxBytes. On false data is empty
    // and tooLarge (when given) tells a file over the limit from one that
    // could not be read.
    static bool ReadFile(const CString& path, std::vector<BYTE>& data, size_t maxBytes = MaxNoteFileBytes,
                         bool* tooLarge = nullptr);
    static bool FileExists(const CString& path);

private:
    static CString FindSameCopy(const CString& path);
    static bool SameBytes(const CString& a, const CString& b);
};
