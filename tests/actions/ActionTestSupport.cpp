#include "ActionTestSupport.h"

#include <shellapi.h>

namespace {
void RemoveTree(const CString& folder) {
    std::wstring from = folder.str();
    if (!from.empty() && from.back() == L'\\') from.pop_back();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}
}  // namespace

CScratchProgramFolder::CScratchProgramFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_path.Format(L"%szorel-actions-\uD56B\uD0A4-%lu-%d\\", temp, GetCurrentProcessId(), ++counter);
    RemoveTree(m_path);
    CreateDirectoryW(m_path, nullptr);
}

CScratchProgramFolder::~CScratchProgramFolder() { RemoveTree(m_path); }

void CScratchProgramFolder::Write(const CString& relative, const std::string& bytes) const {
    CString path = m_path + relative;
    // Create the folders on the way.
    for (int i = m_path.GetLength(); i < path.GetLength(); ++i)
        if (path[i] == L'\\') CreateDirectoryW(path.Left(i), nullptr);
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
}
