#include "ScratchFolder.h"

#include "shell/FileUtil.h"

#include <algorithm>

CScratchFolder::CScratchFolder(const wchar_t* tag) {
    static LONG counter = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    m_path.Format(L"%szorel-%s-%lu-%ld\\", temp, tag, GetCurrentProcessId(), InterlockedIncrement(&counter));
    // One left by an earlier run that had the same process id.
    DeleteFolderTree(m_path);
    CreateDirectoryW(m_path, nullptr);
}

CScratchFolder::~CScratchFolder() { DeleteFolderTree(m_path); }

bool CScratchFolder::MakeFolder(const CString& relative) const {
    CString path = m_path + relative;
    path.TrimRight(L'\\');
    for (int i = m_path.GetLength(); i < path.GetLength(); ++i)
        if (path[i] == L'\\') CreateDirectoryW(path.Left(i), nullptr);
    return CreateDirectoryW(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

CString CScratchFolder::Write(const CString& relative, const std::string& bytes) const {
    int slash = relative.ReverseFind(L'\\');
    if (slash > 0) MakeFolder(relative.Left(slash));
    CString path = m_path + relative;
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return CString();
    DWORD written = 0;
    bool ok = ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    CloseHandle(h);
    return ok ? path : CString();
}

bool CScratchFolder::Has(const CString& relative) const {
    return GetFileAttributesW(m_path + relative) != INVALID_FILE_ATTRIBUTES;
}

std::vector<CString> CScratchFolder::List(const CString& relative, const wchar_t* pattern) const {
    std::vector<CString> names;
    CString folder = m_path + relative;
    if (!folder.IsEmpty() && folder.Right(1) != L"\\") folder += L"\\";
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(folder + pattern, &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(h, &data));
    FindClose(h);
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return names;
}
