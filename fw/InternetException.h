// CInternetException: a failure of the internet classes, with the system's
// error code (ERROR_INTERNET_...). Thrown by value.
#pragma once

#include "Exception.h"

#include <windows.h>
#include <wininet.h>

class CInternetException : public CException {
public:
    explicit CInternetException(DWORD error, DWORD_PTR context = 0) : m_dwError(error), m_dwContext(context) {}
    CString GetErrorMessage() const override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
};

// Throws for the given error, or for the thread's last error when it is 0.
[[noreturn]] void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);
