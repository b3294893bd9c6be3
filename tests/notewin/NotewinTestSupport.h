// Small helpers of the note window tests: the shared scratch folder and a
// file held open without sharing, as another program might hold it.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"

class CHeldOpen {
public:
    explicit CHeldOpen(const CString& path);
    ~CHeldOpen();

private:
    HANDLE m_h;
};
