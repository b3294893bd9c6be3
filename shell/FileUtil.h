// Files, folders and paths: the small services every subsystem uses to test,
// measure, move and delete files, create and remove folders, take paths apart,
// pick a folder and report a failed save. Failures are false, 0 or an empty
// text; nothing here throws.
#pragma once

#include "fw/Afx.h"
#include "shell/Settings.h"

#include <cstdio>

// The folder the shell's folder picker opens on (set by BrowseForFolder).
extern CString g_BrowseStartFolder;
// Save failures are shown only while g_Settings.ReportErrors (Settings.h) is 1; the
// application's exit and the session's end clear it so that saving then never
// shows a box.

// The running program's folder, ending in a backslash. Kept in UTF-16 all the
// way, so a folder name outside the ANSI code page survives.
void GetProgramFolder(CString& folder);

// True when the path or wildcard pattern finds at least one entry.
bool FileExists(const CString& path);
// Low 32 bits of the file's size; 0 when nothing is found.
DWORD GetFileLength(const CString& path);
// Last-write time as a FILETIME value; 0 for an empty path or on failure.
ULONGLONG GetFileWriteTime(const CString& path);
bool MoveFileQuiet(const CString& oldPath, const CString& newPath);
bool DeleteFileQuiet(const CString& path);
// Creates one folder level when it does not exist; false only when that fails.
bool EnsureFolder(CString folder);
// Deletes a folder with everything in it, for good. Refuses paths of fewer
// than 8 characters (drive roots and the like); false when the path does not
// exist or the shell reports a failure.
bool DeleteFolderTree(CString folder);

CString GetFolderOfPath(const CString& path);
CString GetFileOfPath(const CString& path);
CString GetExtensionOfPath(const CString& path);
CString GetTitleOfPath(const CString& path);
// The first entry other than "." and ".." that the pattern finds; empty when none.
CString GetFirstFolderEntry(const CString& pattern);
// The path's small icon in the shell's system image list; the path need not exist.
int GetShellIconIndex(const CString& path, bool isFolder, bool open);
// The shell's folder picker, opened on initialFolder. Returns the chosen
// folder or empty. The process's current folder is the same afterwards.
CString BrowseForFolder(HWND owner, const CString& title, UINT flags, const CString& initialFolder);

// Fixed-size fields of the older schedule and anniversary files. Each returns
// false when the stream gave fewer bytes; the value is then left unchanged.
bool ExchangeFileInt(FILE* file, int* value, bool store);
bool ExchangeFileByte(FILE* file, BYTE* value, bool store);
// A 32-bit little-endian byte count followed by that many UTF-8 bytes. A count
// beyond the end of the file or above the cap fails: the text is emptied and
// the stream is left where the count ended. With lengthOnly set only the count
// is read and the text is left alone.
bool ReadFileUtf8String(FILE* file, CString& text, int lengthOnly = 0);
bool WriteFileUtf8String(FILE* file, const CString& text);
const DWORD kMaxFileUtf8StringBytes = 1 << 20;

// Tells the user that the file could not be saved, unless exit has begun or
// the user was told of this file already and no save of it has succeeded
// since (CSaveFailureReport).
void ReportSaveFailure(const CString& path, HWND owner = nullptr);
// A save of the file succeeded: a later failure of it is told again.
void ReportSaveSucceeded(const CString& path);
// The text of that message for a Windows major version and the Program Files
// folder of the system (kept apart so the choice is tested without a box).
CString MakeSaveFailureText(const CString& path, DWORD majorVersion, CString programFilesDir);
