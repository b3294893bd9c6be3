#include "InternetException.h"

CString CInternetException::GetErrorMessage() const {
    wchar_t* text = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                   FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                               ::GetModuleHandleW(L"wininet.dll"), m_dwError, 0, (LPWSTR)&text, 0, nullptr);
    CString message;
    if (n && text) message = text;
    if (text) ::LocalFree(text);
    message.Trim();
    if (message.IsEmpty()) message.Format(L"Internet error %lu.", m_dwError);
    return message;
}

void AfxThrowInternetException(DWORD_PTR context, DWORD error) {
    if (!error) error = ::GetLastError();
    throw CInternetException(error ? error : ERROR_INTERNET_INTERNAL_ERROR, context);
}
