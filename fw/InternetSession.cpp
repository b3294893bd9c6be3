#include "InternetSession.h"

#include "HttpConnection.h"
#include "HttpFile.h"
#include "InternetException.h"

CInternetSession::CInternetSession(LPCTSTR agent, DWORD_PTR context, DWORD accessType, LPCTSTR proxyName,
                                   LPCTSTR proxyBypass, DWORD flags)
    : m_dwContext(context) {
    m_hSession = ::InternetOpenW(agent ? agent : L"Zorel", accessType, proxyName, proxyBypass, flags);
    if (!m_hSession) AfxThrowInternetException(context);
}

void CInternetSession::Close() {
    if (m_hSession) ::InternetCloseHandle(m_hSession);
    m_hSession = nullptr;
}

CInternetFile* CInternetSession::OpenURL(LPCTSTR url, DWORD_PTR context, DWORD flags, LPCTSTR headers,
                                         DWORD headersLength) {
    if (headers && headersLength == (DWORD)-1) headersLength = (DWORD)wcslen(headers);
    HINTERNET file = ::InternetOpenUrlW(m_hSession, url, headers, headers ? headersLength : 0, flags, context);
    if (!file) AfxThrowInternetException(context);
    DWORD type = 0, size = sizeof(type);
    // An HTTP reply gets the class that can ask for its status.
    if (::InternetQueryOptionW(file, INTERNET_OPTION_HANDLE_TYPE, &type, &size) &&
        (type == INTERNET_HANDLE_TYPE_HTTP_REQUEST))
        return new CHttpFile(file, context);
    return new CInternetFile(file, context);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, INTERNET_PORT port, LPCTSTR userName,
                                                     LPCTSTR password) {
    return GetHttpConnection(server, 0, port, userName, password);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port,
                                                     LPCTSTR userName, LPCTSTR password) {
    HINTERNET connection =
        ::InternetConnectW(m_hSession, server, port, userName, password, INTERNET_SERVICE_HTTP, flags, m_dwContext);
    if (!connection) AfxThrowInternetException(m_dwContext);
    return new CHttpConnection(connection, server, port, m_dwContext, flags);
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value) {
    return ::InternetSetOptionW(m_hSession, option, &value, sizeof(value));
}

BOOL CInternetSession::SetOption(DWORD option, LPVOID buffer, DWORD length) {
    return ::InternetSetOptionW(m_hSession, option, buffer, length);
}
