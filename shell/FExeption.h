// The folder-tree engine's internal failure: a message and the Win32 error
// code behind it (0 for the engine's own messages and for a cancelled delete).
// It never leaves CFileTreeOp.
#pragma once

#include "fw/Afx.h"

class CFExeption {
public:
    explicit CFExeption(const CString& message) : m_message(message) {}
    // The system's text for the code, in the user's default language.
    explicit CFExeption(DWORD code);

    const CString& GetErrorText() const { return m_message; }

    CString m_message;
    DWORD m_code = 0;
};
