// CInternetSession: one WinINet session. Failures throw CInternetException;
// the files and connections it returns belong to the caller (delete them).
#pragma once

#include "StringT.h"

#include <windows.h>
#include <wininet.h>

class CHttpConnection;
class CInternetFile;

class CInternetSession {
public:
    explicit CInternetSession(LPCTSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, LPCTSTR proxyName = nullptr,
                              LPCTSTR proxyBypass = nullptr, DWORD flags = 0);
    virtual ~CInternetSession() { Close(); }
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // An http, https or ftp URL opened for reading.
    CInternetFile* OpenURL(LPCTSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                           LPCTSTR headers = nullptr, DWORD headersLength = (DWORD)-1);
    CHttpConnection* GetHttpConnection(LPCTSTR server, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR userName = nullptr, LPCTSTR password = nullptr);
    CHttpConnection* GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port, LPCTSTR userName = nullptr,
                                       LPCTSTR password = nullptr);
    BOOL SetOption(DWORD option, DWORD value);
    BOOL SetOption(DWORD option, LPVOID buffer, DWORD length);
    virtual void Close();

    operator HINTERNET() const { return m_hSession; }
    DWORD_PTR GetContext() const { return m_dwContext; }

    HINTERNET m_hSession = nullptr;

protected:
    DWORD_PTR m_dwContext;
};
