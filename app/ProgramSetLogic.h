// The decisions of the program page that need no window: the start-up Run
// value and the list of language files.
#pragma once

#include "fw/Afx.h"

#include <vector>

// Where the program's start-with-Windows entry lives, under HKEY_CURRENT_USER.
extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];

// The Run value this program writes: its module path in quotes, then " /login".
CString MakeRunValue(const CString& modulePath);

// Whether a Run value starts this program: the characters of " /login" are
// trimmed from its end, every double quote is removed, and the rest must
// equal the module path exactly. Another installation's value does not.
bool IsOwnRunValue(const CString& value, const CString& modulePath);

// Whether switching start-up off may delete the value found: only when it is
// empty or exactly the one this program writes.
bool MayDeleteRunValue(const CString& found, const CString& modulePath);

// The language names of a folder: every "*.txt" file whose name is longer
// than four characters, without its last four, in the order the file system
// gives them.
std::vector<CString> ListLanguageNames(const CString& folder);
