// Splitting a URL into its service, server, object and port.
#pragma once

#include "StringT.h"

#include <windows.h>
#include <wininet.h>

enum : DWORD {
    AFX_INET_SERVICE_FTP = INTERNET_SERVICE_FTP,
    AFX_INET_SERVICE_HTTP = INTERNET_SERVICE_HTTP,
    AFX_INET_SERVICE_UNK = 0x1000,
    AFX_INET_SERVICE_FILE = 0x1001,
    AFX_INET_SERVICE_HTTPS = 0x1008,
};

// scheme://[user[:password]@]server[:port][/object]. The object keeps its
// query and starts with "/" ("/" when the URL has none); the port defaults
// to the scheme's. FALSE for anything that is not such a URL.
BOOL AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);
