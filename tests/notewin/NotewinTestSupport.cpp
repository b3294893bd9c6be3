#include "NotewinTestSupport.h"

#include <shellapi.h>

CScratchDir::CScratchDir() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_path.Format(L"%snotewin_%lu_%d\\", temp, GetCurrentProcessId(), ++counter);
    CreateDirectoryW(m_path, nullptr);
}

CScratchDir::~CScratchDir() {
    // SHFileOperation wants a double-zero-terminated list without the slash.
    CString from = m_path.Left(m_path.GetLength() - 1);
    std::wstring list(from.GetString());
    list.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = list.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}

CHeldOpen::CHeldOpen(const CString& path)
    : m_h(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

CHeldOpen::~CHeldOpen() {
    if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
}
