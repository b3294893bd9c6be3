// A folder of a test's own under the temporary folder, deleted with all it
// holds when the test is done.
#pragma once

#include "fw/Afx.h"

#include <string>
#include <vector>

class CScratchFolder {
public:
    // The tag goes into the folder's name, so a folder left by a crashed run
    // tells whose it was; it may hold letters outside the ANSI code page.
    explicit CScratchFolder(const wchar_t* tag = L"test");
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const CString& Path() const { return m_path; }  // ends with a backslash
    CString operator+(const wchar_t* relative) const { return m_path + relative; }

    // Makes a folder below this one, with the folders on its way.
    bool MakeFolder(const CString& relative) const;
    // Writes a file below this one, making the folders on its way, and
    // gives its full path.
    CString Write(const CString& relative, const std::string& bytes) const;
    bool Has(const CString& relative) const;
    // Names of the files (not folders) directly in a folder below this one
    // ("" for this one) that match the pattern, in order.
    std::vector<CString> List(const CString& relative = CString(), const wchar_t* pattern = L"*") const;

private:
    CString m_path;
};
