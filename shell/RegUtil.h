// Registry access by root key, subkey path and value name. Each returns 1 on
// success and 0 on failure and never shows anything.
#pragma once

#include "fw/Afx.h"

// The largest value ReadRegString accepts, in bytes with its terminating zero.
const DWORD kRegStringBufferBytes = 250;

// Creates the key when missing and, when text is not null, stores it as
// REG_SZ with its terminating zero. 0 when the key or the value cannot be written.
int WriteRegString(HKEY root, const CString& subkey, const CString& valueName, const wchar_t* text);
// 1 only when the value existed and was deleted.
int DeleteRegValue(HKEY root, const CString& subkey, const CString& valueName);
// Reads a value of at most kRegStringBufferBytes bytes. A value stored without
// a terminating zero is ended at its last character.
int ReadRegString(HKEY root, const CString& subkey, const CString& valueName, CString& text);
