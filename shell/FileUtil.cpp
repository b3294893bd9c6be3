#include "FileUtil.h"

#include "LanguageTable.h"
#include "ProgramFolder.h"
#include "RegUtil.h"
#include "SaveFailureReport.h"
#include "Seams.h"
#include "TextUtil.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

CString g_BrowseStartFolder;

void GetProgramFolder(CString& folder) { folder = GetExecutableFolder(); }

bool FileExists(const CString& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path, &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

DWORD GetFileLength(const CString& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path, &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    FindClose(find);
    return data.nFileSizeLow;
}

ULONGLONG GetFileWriteTime(const CString& path) {
    if (path.IsEmpty()) return 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
    return ((ULONGLONG)data.ftLastWriteTime.dwHighDateTime << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool MoveFileQuiet(const CString& oldPath, const CString& newPath) { return MoveFileW(oldPath, newPath) != 0; }

bool DeleteFileQuiet(const CString& path) { return DeleteFileW(path) != 0; }

bool EnsureFolder(CString folder) {
    folder.TrimRight(L'\\');
    if (FileExists(folder + L"\\*.*")) return true;
    return CreateDirectoryW(folder, nullptr) != 0;
}

bool DeleteFolderTree(CString folder) {
    // Counted before the trailing backslash goes, so "C:\abcd\" passes.
    if (folder.GetLength() < 8) return false;
    folder.TrimRight(L'\\');
    if (!FileExists(folder)) return false;
    // The shell wants a list of paths, each ended by a zero, the list by a second zero.
    std::vector<wchar_t> from((size_t)folder.GetLength() + 2, L'\0');
    std::copy(folder.GetString(), folder.GetString() + folder.GetLength(), from.begin());
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.data();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI;
    int status = SHFileOperationW(&op);
    return status == 0 && !op.fAnyOperationsAborted;
}

CString GetFolderOfPath(const CString& path) {
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? path : path.Left(slash + 1);
}

CString GetFileOfPath(const CString& path) {
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}

CString GetExtensionOfPath(const CString& path) {
    int dot = path.ReverseFind(L'.');
    return dot < 0 ? path : path.Mid(dot + 1);
}

CString GetTitleOfPath(const CString& path) {
    CString name = GetFileOfPath(path);
    int dot = name.ReverseFind(L'.');
    return dot <= 0 ? CString() : name.Left(dot);
}

CString GetFirstFolderEntry(const CString& pattern) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return CString();
    CString name;
    do {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0) {
            name = data.cFileName;
            break;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return name;
}

int GetShellIconIndex(const CString& path, bool isFolder, bool open) {
    SHFILEINFOW info = {};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;
    if (open) flags |= SHGFI_OPENICON;
    DWORD attributes = isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    SHGetFileInfoW(path, attributes, &info, sizeof(info), flags);
    return info.iIcon;
}

CString BrowseForFolder(HWND owner, const CString& title, UINT flags, const CString& initialFolder) {
    g_BrowseStartFolder = initialFolder;
    // The picker runs from the root so that it holds no folder open that the
    // user might want to rename or delete meanwhile; the caller's current
    // folder is put back afterwards.
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    CString previous;
    if (needed > 0) previous.ReleaseBuffer((int)GetCurrentDirectoryW(needed, previous.GetBuffer((int)needed)));
    SetCurrentDirectoryW(L"C:\\");
    CString path;
    int result = GetFolderPicker().Browse(owner, title, flags, g_BrowseStartFolder, path);
    if (!previous.IsEmpty()) SetCurrentDirectoryW(previous);
    if (result < 0 || (result > 0 && path.IsEmpty())) {
        GetSystemMessageBox().Show(owner, L"Failed to get directory", L"Zorel", MB_OK | MB_ICONERROR);
        return CString();
    }
    return result > 0 ? path : CString();
}

bool ExchangeFileInt(FILE* file, int* value, bool store) {
    if (!file || !value) return false;
    if (store) return fwrite(value, 4, 1, file) == 1;
    int read = 0;
    if (fread(&read, 4, 1, file) != 1) return false;
    *value = read;
    return true;
}

bool ExchangeFileByte(FILE* file, BYTE* value, bool store) {
    if (!file || !value) return false;
    if (store) return fwrite(value, 1, 1, file) == 1;
    BYTE read = 0;
    if (fread(&read, 1, 1, file) != 1) return false;
    *value = read;
    return true;
}

bool ReadFileUtf8String(FILE* file, CString& text, int lengthOnly) {
    if (!file) return false;
    BYTE raw[4];
    if (fread(raw, 1, 4, file) != 4) {
        if (!lengthOnly) text.Empty();
        return false;
    }
    DWORD length = raw[0] | (raw[1] << 8) | (raw[2] << 16) | ((DWORD)raw[3] << 24);
    if (lengthOnly) return true;
    text.Empty();
    // The count comes from the file: it must fit in what is left of it.
    long here = ftell(file);
    if (length > kMaxFileUtf8StringBytes) return false;
    if (here >= 0 && fseek(file, 0, SEEK_END) == 0) {
        long end = ftell(file);
        fseek(file, here, SEEK_SET);
        if (end < here || (DWORD)(end - here) < length) return false;
    }
    std::vector<char> bytes((size_t)length + 1, '\0');
    if (length && fread(bytes.data(), 1, length, file) != length) return false;
    Utf8ToString(bytes.data(), text);
    return true;
}

bool WriteFileUtf8String(FILE* file, const CString& text) {
    if (!file) return false;
    CStringA bytes = StringToUtf8(text);
    DWORD length = (DWORD)bytes.GetLength();
    BYTE raw[4] = {(BYTE)length, (BYTE)(length >> 8), (BYTE)(length >> 16), (BYTE)(length >> 24)};
    if (fwrite(raw, 1, 4, file) != 4) return false;
    return length == 0 || fwrite(bytes.GetString(), 1, length, file) == length;
}

CString MakeSaveFailureText(const CString& path, DWORD majorVersion, CString programFilesDir) {
    int textId = 12;
    if (majorVersion > 5) {
        // A "Program Files (x86)" folder counts as the plain one of its drive.
        programFilesDir.TrimRight(L" (x86)");
        bool underProgramFiles = !programFilesDir.IsEmpty() && path.GetLength() >= programFilesDir.GetLength() &&
                                 path.Left(programFilesDir.GetLength()).CompareNoCase(programFilesDir) == 0;
        bool underWindows = path.Mid(3, 8).CompareNoCase(L"WINDOWS\\") == 0;
        if (underProgramFiles || underWindows) textId = 13;
    }
    return L"\"" + path + L"\"\n\n" + g_LanguageTable[textId];
}

void ReportSaveFailure(const CString& path, HWND owner) {
    // While reports are off (exit, session end) nothing counts as told.
    if (g_Settings.ReportErrors != 1) return;
    // Marked before the box shows: autosave ticks go on under it.
    if (!GetSaveFailureReport().Failed(path)) return;
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    CString programFiles;
    if (version.dwMajorVersion > 5)
        ReadRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", L"ProgramFilesDir",
                      programFiles);
    CString text = MakeSaveFailureText(path, version.dwMajorVersion, programFiles);
    GetSystemMessageBox().Show(owner, text, L"Zorel", MB_OK);
}

void ReportSaveSucceeded(const CString& path) { GetSaveFailureReport().Succeeded(path); }
