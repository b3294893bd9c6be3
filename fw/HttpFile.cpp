#include "HttpFile.h"

#include "InternetException.h"

#include <vector>

BOOL CHttpFile::AddRequestHeaders(LPCTSTR headers, DWORD modifiers, int length) {
    return ::HttpAddRequestHeadersW(m_hFile, headers, length < 0 ? (DWORD)-1 : (DWORD)length, modifiers);
}

BOOL CHttpFile::SendRequest(LPCTSTR headers, DWORD headersLength, LPVOID optional, DWORD optionalLength) {
    if (!::HttpSendRequestW(m_hFile, headers, headers ? headersLength : 0, optional, optionalLength))
        AfxThrowInternetException(m_dwContext);
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const {
    DWORD size = sizeof(statusCode);
    statusCode = 0;
    return ::HttpQueryInfoW(m_hFile, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &statusCode, &size, nullptr);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, CString& value) const {
    DWORD size = 0;
    value.Empty();
    ::HttpQueryInfoW(m_hFile, infoLevel, nullptr, &size, nullptr);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return FALSE;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, 0);
    size = (DWORD)(buffer.size() * sizeof(wchar_t));
    if (!::HttpQueryInfoW(m_hFile, infoLevel, buffer.data(), &size, nullptr)) return FALSE;
    value = CString(buffer.data(), (int)(size / sizeof(wchar_t)));
    return TRUE;
}
