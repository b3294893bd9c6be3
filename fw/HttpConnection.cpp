#include "HttpConnection.h"

#include "HttpFile.h"
#include "InternetException.h"

void CHttpConnection::Close() {
    if (m_hConnection) ::InternetCloseHandle(m_hConnection);
    m_hConnection = nullptr;
}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR verb, LPCTSTR object, LPCTSTR referer, DWORD_PTR context,
                                        LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags) {
    HINTERNET request = ::HttpOpenRequestW(m_hConnection, verb, object, version, referer, acceptTypes,
                                           flags | m_dwFlags, context);
    if (!request) AfxThrowInternetException(context);
    return new CHttpFile(request, context);
}

CHttpFile* CHttpConnection::OpenRequest(int verb, LPCTSTR object, LPCTSTR referer, DWORD_PTR context,
                                        LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags) {
    static const wchar_t* const verbs[] = {L"POST", L"GET", L"HEAD", L"PUT", L"LINK", L"DELETE", L"DELETE"};
    if (verb < 0 || verb >= (int)(sizeof(verbs) / sizeof(verbs[0]))) throw CInternetException(ERROR_INVALID_PARAMETER);
    if (verb == 4) throw CInternetException(ERROR_INVALID_PARAMETER);  // LINK is not supported
    return OpenRequest(verbs[verb], object, referer, context, acceptTypes, version, flags);
}
