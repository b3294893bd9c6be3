// Checks for names and relative paths that come from outside the program
// (memo-group settings, skins, zip entries, the network): anything that could
// climb out of the intended folder or name a device is refused.
#pragma once

#include "fw/Afx.h"

// One plain name: not empty, no "..", no separators, drive colons, wildcards,
// quotes, angle brackets, bars or control characters, no trailing dot or
// blank, and not a device name (CON, NUL, AUX, PRN, COM0-9, LPT0-9, CONIN$,
// CONOUT$, CLOCK$, with any extension).
bool IsSafeFileName(const CString& name);

// A relative path of safe names joined by "\" or "/"; one trailing separator
// (a folder) is allowed. Refuses roots, drives and empty parts.
bool IsSafeRelativePath(const CString& path);
