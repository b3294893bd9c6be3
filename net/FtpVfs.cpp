#include "net/FtpVfs.h"

#include "net/FtpPath.h"

#include <cstdio>
#include <cstring>

bool VfsIsDirectory(const FtpMountNode* root, const std::string& path) {
    if (FindMountNode(root, path)) return true;
    // A name Windows would not take literally is no folder of ours.
    if (!IsSafeVirtualPath(path)) return false;
    std::string local;
    if (!ResolvePath(root, path, local)) return true;
    DWORD attributes = GetFileAttributesA(local.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HANDLE VfsOpenFile(const FtpMountNode* root, const std::string& path, DWORD access, DWORD sharing,
                   DWORD disposition) {
    std::string local;
    if (!ResolvePath(root, path, local) || local.empty()) return INVALID_HANDLE_VALUE;
    return CreateFileA(local.c_str(), access, sharing, nullptr, disposition, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

bool VfsDeleteFile(const FtpMountNode* root, const std::string& path) {
    std::string local;
    return ResolvePath(root, path, local) && !local.empty() && DeleteFileA(local.c_str());
}

bool VfsCreateDirectory(const FtpMountNode* root, const std::string& path) {
    std::string local;
    return ResolvePath(root, path, local) && !local.empty() && CreateDirectoryA(local.c_str(), nullptr);
}

bool VfsRemoveDirectory(const FtpMountNode* root, const std::string& path) {
    std::string local;
    return ResolvePath(root, path, local) && !local.empty() && RemoveDirectoryA(local.c_str());
}

bool VfsMoveFile(const FtpMountNode* root, const std::string& source, const std::string& target) {
    std::string from, to;
    return ResolvePath(root, source, from) && ResolvePath(root, target, to) && !from.empty() && !to.empty() &&
           MoveFileA(from.c_str(), to.c_str());
}

FtpFindState* VfsFindFirst(const FtpMountNode* root, const std::string& patternPath, WIN32_FIND_DATAA& entry) {
    size_t slash = patternPath.rfind('/');
    if (slash == std::string::npos) return nullptr;
    auto* state = new FtpFindState;
    state->patternPath = patternPath;
    state->pattern = patternPath.substr(slash + 1);
    std::string folder = patternPath.substr(0, slash);
    state->folder = FindMountNode(root, folder.empty() ? "/" : folder);
    if (!VfsFindNext(root, state, entry)) {
        VfsFindClose(state);
        return nullptr;
    }
    return state;
}

bool VfsFindNext(const FtpMountNode* root, FtpFindState* state, WIN32_FIND_DATAA& entry) {
    while (state->folder && state->cursor < state->folder->children.size()) {
        const FtpMountNode* node = state->folder->children[state->cursor++].get();
        // A folder name without a dot still matches "*.*".
        std::string name = node->name;
        if (name.find('.') == std::string::npos) name += '.';
        if (!MatchWildcard(state->pattern, name)) continue;
        memset(&entry, 0, sizeof entry);
        HANDLE search = INVALID_HANDLE_VALUE;
        if (!node->localPath.empty()) search = FindFirstFileA(node->localPath.c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
        } else {
            memset(&entry, 0, sizeof entry);
            entry.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
            SYSTEMTIME epoch = {1980, 1, 2, 1, 0, 0, 0, 0};
            SystemTimeToFileTime(&epoch, &entry.ftLastWriteTime);
        }
        lstrcpynA(entry.cFileName, node->name.c_str(), (int)sizeof entry.cFileName);
        return true;
    }
    if (state->localStarted) {
        return state->localSearch != INVALID_HANDLE_VALUE && FindNextFileA(state->localSearch, &entry);
    }
    state->localStarted = true;
    std::string local;
    if (!ResolvePath(root, state->patternPath, local, true) || local.empty()) return false;
    state->localSearch = FindFirstFileA(local.c_str(), &entry);
    return state->localSearch != INVALID_HANDLE_VALUE;
}

void VfsFindClose(FtpFindState* state) {
    if (!state) return;
    if (state->localSearch != INVALID_HANDLE_VALUE) FindClose(state->localSearch);
    delete state;
}

bool VfsExists(const FtpMountNode* root, const std::string& path) {
    WIN32_FIND_DATAA entry;
    FtpFindState* state = VfsFindFirst(root, path, entry);
    VfsFindClose(state);
    return state != nullptr;
}

bool FormatListLine(const FtpMountNode* root, const std::string& path, bool namesOnly, FtpListing& listing,
                    const SYSTEMTIME& nowUtc) {
    std::string search = VfsIsDirectory(root, path) ? JoinPath(path, "*") : path;
    WIN32_FIND_DATAA entry;
    FtpFindState* state = VfsFindFirst(root, search, entry);
    if (!state) return false;
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int limit = (nowUtc.wYear - 1) * 10000 + nowUtc.wMonth * 100 + nowUtc.wDay;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        char line[600];
        if (namesOnly) {
            snprintf(line, sizeof line, "%s%s", name.c_str(), folder ? "/" : "");
        } else {
            SYSTEMTIME t = {};
            FileTimeToSystemTime(&entry.ftLastWriteTime, &t);
            int month = (t.wMonth >= 1 && t.wMonth <= 12) ? t.wMonth : 1;
            int n = snprintf(line, sizeof line, "%c--------- 1 ftp ftp %10u %s %2u ", folder ? 'd' : '-',
                             (unsigned)entry.nFileSizeLow, months[month - 1], (unsigned)t.wDay);
            if (t.wYear * 10000 + t.wMonth * 100 + t.wDay > limit)
                n += snprintf(line + n, sizeof line - n, "%.2u:%.2u ", (unsigned)t.wHour, (unsigned)t.wMinute);
            else
                n += snprintf(line + n, sizeof line - n, "%5u ", (unsigned)t.wYear);
            snprintf(line + n, sizeof line - n, "%s", name.c_str());
        }
        // A line with its CR LF fits the 511 characters a client may expect.
        std::string text(line, strnlen(line, 509));
        listing[name] = text + "\r\n";
    } while (VfsFindNext(root, state, entry));
    VfsFindClose(state);
    return true;
}

bool FormatListLine(const FtpMountNode* root, const std::string& path, bool namesOnly, FtpListing& listing) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return FormatListLine(root, path, namesOnly, listing, now);
}
