// The file operations of one account, on virtual paths: each path is
// resolved through the account's mount tree and then handed to the ANSI
// Windows file functions. Directory searches list the virtual folders of the
// mount tree first and the local folder's entries after them.
#pragma once

#include "net/FtpUserTable.h"

#include <windows.h>

#include <map>
#include <string>

struct FtpFindState {
    std::string patternPath;  // the whole virtual pattern path
    std::string pattern;      // its text after the last '/'
    HANDLE localSearch = INVALID_HANDLE_VALUE;
    bool localStarted = false;
    const FtpMountNode* folder = nullptr;  // whose children are still to report
    size_t cursor = 0;
};

// File name (byte order) to its whole listing line.
typedef std::map<std::string, std::string> FtpListing;

bool VfsIsDirectory(const FtpMountNode* root, const std::string& path);
HANDLE VfsOpenFile(const FtpMountNode* root, const std::string& path, DWORD access, DWORD sharing,
                   DWORD disposition);
bool VfsDeleteFile(const FtpMountNode* root, const std::string& path);
bool VfsCreateDirectory(const FtpMountNode* root, const std::string& path);
bool VfsRemoveDirectory(const FtpMountNode* root, const std::string& path);
bool VfsMoveFile(const FtpMountNode* root, const std::string& source, const std::string& target);
// None when nothing matches; the caller closes what it gets.
FtpFindState* VfsFindFirst(const FtpMountNode* root, const std::string& patternPath, WIN32_FIND_DATAA& entry);
bool VfsFindNext(const FtpMountNode* root, FtpFindState* state, WIN32_FIND_DATAA& entry);
void VfsFindClose(FtpFindState* state);
bool VfsExists(const FtpMountNode* root, const std::string& path);

// The listing lines of a folder, a file or a pattern; false when nothing was
// found. nowUtc dates the lines: within the last year they show the time of
// day, older ones the year.
bool FormatListLine(const FtpMountNode* root, const std::string& path, bool namesOnly, FtpListing& listing,
                    const SYSTEMTIME& nowUtc);
bool FormatListLine(const FtpMountNode* root, const std::string& path, bool namesOnly, FtpListing& listing);
