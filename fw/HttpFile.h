// CHttpFile: one HTTP request and its reply.
#pragma once

#include "InternetFile.h"

class CHttpFile : public CInternetFile {
public:
    CHttpFile(HINTERNET request, DWORD_PTR context) : CInternetFile(request, context) {}

    BOOL AddRequestHeaders(LPCTSTR headers, DWORD modifiers = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int length = -1);
    // Sends the request with an optional body; throws CInternetException.
    BOOL SendRequest(LPCTSTR headers = nullptr, DWORD headersLength = 0, LPVOID optional = nullptr,
                     DWORD optionalLength = 0);
    BOOL SendRequest(const CString& headers, LPVOID optional = nullptr, DWORD optionalLength = 0) {
        return SendRequest(headers, (DWORD)headers.GetLength(), optional, optionalLength);
    }
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    BOOL QueryInfo(DWORD infoLevel, CString& value) const;
};
