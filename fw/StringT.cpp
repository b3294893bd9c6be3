#include "StringT.h"
#include "Convert.h"

#include <cstdio>
#include <cwchar>
#include <ostream>

namespace fwdetail {

// MinGW's vswprintf reads %s as a narrow string; the runtime's own
// _vsnwprintf keeps the Windows meaning (%s is wide in a wide format).
int VFormat(wchar_t* buf, size_t count, const wchar_t* fmt, va_list args) {
    return _vsnwprintf(buf, count, fmt, args);
}
int VFormat(char* buf, size_t count, const char* fmt, va_list args) {
    return _vsnprintf(buf, count, fmt, args);
}

void ToUpper(wchar_t* s, size_t n) { CharUpperBuffW(s, (DWORD)n); }
void ToUpper(char* s, size_t n) { CharUpperBuffA(s, (DWORD)n); }
void ToLower(wchar_t* s, size_t n) { CharLowerBuffW(s, (DWORD)n); }
void ToLower(char* s, size_t n) { CharLowerBuffA(s, (DWORD)n); }

int CompareNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
int CompareNoCase(const char* a, const char* b) { return _stricmp(a, b); }

std::wstring Widen(const char* s, int len, UINT codePage) {
    if (!s || len <= 0) return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, s, len, nullptr, 0);
    std::wstring out((size_t)(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(codePage, 0, s, len, &out[0], n);
    return out;
}

std::string Narrow(const wchar_t* s, int len, UINT codePage) {
    if (!s || len <= 0) return std::string();
    int n = WideCharToMultiByte(codePage, 0, s, len, nullptr, 0, nullptr, nullptr);
    std::string out((size_t)(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(codePage, 0, s, len, &out[0], n, nullptr, nullptr);
    return out;
}

}  // namespace fwdetail

CString MultiByteToString(const char* bytes, int length, UINT codePage) {
    if (length < 0) length = (int)fwdetail::Length(bytes);
    return CString(fwdetail::Widen(bytes, length, codePage));
}

CStringA StringToMultiByte(const wchar_t* text, int length, UINT codePage) {
    if (length < 0) length = (int)fwdetail::Length(text);
    return CStringA(fwdetail::Narrow(text, length, codePage));
}

std::ostream& operator<<(std::ostream& os, const CString& s) {
    return os << fwdetail::Narrow(s.GetString(), s.GetLength(), CP_UTF8);
}

std::ostream& operator<<(std::ostream& os, const CStringA& s) { return os << s.str(); }
