// CHttpConnection: a connection to one HTTP server, made by
// CInternetSession::GetHttpConnection.
#pragma once

#include "StringT.h"

#include <windows.h>
#include <wininet.h>

class CHttpFile;

class CHttpConnection {
public:
    enum { HTTP_VERB_POST = 0, HTTP_VERB_GET = 1, HTTP_VERB_HEAD = 2, HTTP_VERB_PUT = 3, HTTP_VERB_DELETE = 6 };

    CHttpConnection(HINTERNET connection, LPCTSTR server, INTERNET_PORT port, DWORD_PTR context, DWORD flags)
        : m_hConnection(connection), m_strServer(server), m_nPort(port), m_dwContext(context), m_dwFlags(flags) {}
    virtual ~CHttpConnection() { Close(); }
    CHttpConnection(const CHttpConnection&) = delete;
    CHttpConnection& operator=(const CHttpConnection&) = delete;

    // The request is only prepared; CHttpFile::SendRequest sends it.
    CHttpFile* OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
                           DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    CHttpFile* OpenRequest(int verb, LPCTSTR object, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
                           DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    virtual void Close();

    operator HINTERNET() const { return m_hConnection; }
    HINTERNET m_hConnection;
    CString m_strServer;
    INTERNET_PORT m_nPort;

protected:
    DWORD_PTR m_dwContext;
    DWORD m_dwFlags;
};
