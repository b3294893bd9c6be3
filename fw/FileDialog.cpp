#include "FileDialog.h"

#include "Dialog.h"
#include "Wnd.h"

// Room for many file names when several may be chosen.
static const size_t kFileBufferChars = 64 * 1024;

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : m_bOpenFileDialog(openFileDialog), m_fileBuffer(kFileBufferChars, 0) {
    m_ofn = {};
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (fileName) lstrcpynW(m_fileBuffer.data(), fileName, (int)m_fileBuffer.size());
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = (DWORD)m_fileBuffer.size();
    if (defaultExt) {
        m_defaultExt = defaultExt;
        m_ofn.lpstrDefExt = m_defaultExt;
    }
    if (filter) {
        m_filter = MakeFilter(filter);
        m_ofn.lpstrFilter = m_filter.data();
    }
}

std::vector<wchar_t> CFileDialog::MakeFilter(LPCTSTR filter) {
    std::vector<wchar_t> result;
    for (const wchar_t* p = filter; p && *p; ++p) result.push_back(*p == L'|' ? L'\0' : *p);
    // The list ends with two zeros whatever the caller wrote.
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

INT_PTR CFileDialog::DoModal() {
    if (!m_ofn.hwndOwner) m_ofn.hwndOwner = CDialog::GetSafeOwner(nullptr);
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = (DWORD)m_fileBuffer.size();
    BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

CStringArray CFileDialog::SplitSelection(const wchar_t* buffer, size_t length) {
    CStringArray parts;
    size_t i = 0;
    while (i < length && buffer[i]) {
        size_t start = i;
        while (i < length && buffer[i]) ++i;
        parts.Add(CString(buffer + start, (int)(i - start)));
        ++i;
    }
    CStringArray paths;
    if (parts.GetSize() <= 1) return parts;  // one full path
    CString folder = parts[0];
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    for (int k = 1; k < parts.GetSize(); ++k) paths.Add(folder + parts[k]);
    return paths;
}

CStringArray CFileDialog::GetPathNames() const { return SplitSelection(m_fileBuffer.data(), m_fileBuffer.size()); }

CString CFileDialog::GetPathName() const {
    CStringArray paths = GetPathNames();
    return paths.IsEmpty() ? CString() : paths[0];
}

CString CFileDialog::GetFileName() const {
    CString path = GetPathName();
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
    CString path = GetPathName();
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? CString() : path.Left(slash);
}
