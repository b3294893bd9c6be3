// Small helpers of the note window tests: a scratch folder and a file held
// open without sharing, as another program might hold it.
#pragma once

#include "fw/Afx.h"

class CScratchDir {
public:
    CScratchDir();
    ~CScratchDir();
    const CString& Path() const { return m_path; }  // ends with a backslash

private:
    CString m_path;
};

class CHeldOpen {
public:
    explicit CHeldOpen(const CString& path);
    ~CHeldOpen();

private:
    HANDLE m_h;
};
