// CFileDialog: the system's open and save file dialogs.
#pragma once

#include "Array.h"
#include "StringT.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

class CWnd;

class CFileDialog {
public:
    // filter: pairs "description|pattern|" ending in "||", as
    // "Text (*.txt)|*.txt|All files (*.*)|*.*||".
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

    CString GetPathName() const;  // the first file when several were chosen
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    // Every chosen file (OFN_ALLOWMULTISELECT), as full paths.
    CStringArray GetPathNames() const;

    // The system's filter form: the '|' separators become zeros.
    static std::vector<wchar_t> MakeFilter(LPCTSTR filter);
    // Splits the buffer a multi-selection fills: a folder and file names
    // separated by zeros, or one full path.
    static CStringArray SplitSelection(const wchar_t* buffer, size_t length);

    OPENFILENAMEW m_ofn;

protected:
    BOOL m_bOpenFileDialog;
    std::vector<wchar_t> m_fileBuffer;
    std::vector<wchar_t> m_filter;
    CString m_defaultExt;
};
