#include "InternetUrl.h"

#include <cwctype>

BOOL AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port) {
    serviceType = AFX_INET_SERVICE_UNK;
    server.Empty();
    object.Empty();
    port = 0;
    if (!url) return FALSE;
    CString text = url;
    text.Trim();
    int schemeEnd = text.Find(L"://");
    if (schemeEnd <= 0) return FALSE;
    CString scheme = text.Left(schemeEnd);
    scheme.MakeLower();
    INTERNET_PORT defaultPort;
    if (scheme == L"http") {
        serviceType = AFX_INET_SERVICE_HTTP;
        defaultPort = INTERNET_DEFAULT_HTTP_PORT;
    } else if (scheme == L"https") {
        serviceType = AFX_INET_SERVICE_HTTPS;
        defaultPort = INTERNET_DEFAULT_HTTPS_PORT;
    } else if (scheme == L"ftp") {
        serviceType = AFX_INET_SERVICE_FTP;
        defaultPort = INTERNET_DEFAULT_FTP_PORT;
    } else {
        return FALSE;
    }
    CString rest = text.Mid(schemeEnd + 3);
    int pathStart = rest.FindOneOf(L"/?#");
    CString authority = pathStart < 0 ? rest : rest.Left(pathStart);
    CString path = pathStart < 0 ? CString() : rest.Mid(pathStart);
    int fragment = path.Find(L'#');
    if (fragment >= 0) path = path.Left(fragment);
    if (path.IsEmpty() || path[0] != L'/') path = L"/" + path;
    int at = authority.ReverseFind(L'@');
    if (at >= 0) authority = authority.Mid(at + 1);
    CString host = authority;
    unsigned long portValue = defaultPort;
    int colon = authority.ReverseFind(L':');
    if (colon >= 0 && authority.Find(L']') < colon) {
        host = authority.Left(colon);
        CString digits = authority.Mid(colon + 1);
        if (digits.IsEmpty() || digits.GetLength() > 5) return FALSE;
        for (int i = 0; i < digits.GetLength(); ++i)
            if (!iswdigit(digits[i])) return FALSE;
        portValue = wcstoul(digits, nullptr, 10);
        if (portValue == 0 || portValue > 65535) return FALSE;
    }
    if (host.IsEmpty()) return FALSE;
    for (int i = 0; i < host.GetLength(); ++i)
        if (host[i] <= L' ' || host[i] == L'/' || host[i] == L'\\') return FALSE;
    server = host;
    object = path;
    port = (INTERNET_PORT)portValue;
    return TRUE;
}
