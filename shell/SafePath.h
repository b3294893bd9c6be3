// Checks for names and relative paths that come from outside the program
// (memo lists, received notes, group names, skins, zip entries, the
// network): anything that could climb out of the intended folder or name a
// device is refused.
#pragma once

#include "fw/Afx.h"

// One plain name: not empty, no separators, drive colons, wildcards, quotes,
// angle brackets, bars or control characters, no trailing dot or blank (so
// neither "." nor ".."), and not a device name (CON, NUL, AUX, PRN, COM0-9,
// LPT0-9, also with the superscript digits 1-3, CONIN$, CONOUT$, CLOCK$,
// with any extension). Dots inside a name are fine.
bool IsSafeFileName(const CString& name);

// A relative path of safe names joined by "\" or "/"; one trailing separator
// (a folder) is allowed and "." parts are passed over. Refuses roots, drives,
// empty parts, ".." parts and a path with no name left.
bool IsSafeRelativePath(const CString& path);
