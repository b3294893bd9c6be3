// Conversions between the program's UTF-16 text and byte strings in the ANSI
// code page, the OEM code page, UTF-8 or any other code page.
#pragma once

#include "StringT.h"

CString MultiByteToString(const char* bytes, int length, UINT codePage);
CStringA StringToMultiByte(const wchar_t* text, int length, UINT codePage);

inline CString AnsiToString(const CStringA& s) { return MultiByteToString(s, s.GetLength(), CP_ACP); }
inline CStringA StringToAnsi(const CString& s) { return StringToMultiByte(s, s.GetLength(), CP_ACP); }
inline CString OemToString(const CStringA& s) { return MultiByteToString(s, s.GetLength(), CP_OEMCP); }
inline CStringA StringToOem(const CString& s) { return StringToMultiByte(s, s.GetLength(), CP_OEMCP); }
inline CString Utf8ToString(const CStringA& s) { return MultiByteToString(s, s.GetLength(), CP_UTF8); }
inline CStringA StringToUtf8(const CString& s) { return StringToMultiByte(s, s.GetLength(), CP_UTF8); }
