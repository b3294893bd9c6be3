// System services: resources, the desktop, the keyboard layout's locale,
// dialog centring, and ending the session (through the session seam, so that
// tests never end theirs).
#pragma once

#include "fw/Afx.h"

// A caller-owned copy of a resource's bytes (delete[] it); null when the
// resource is missing.
BYTE* LoadResourceCopy(HMODULE module, UINT id, const wchar_t* type, DWORD* size);

// Minimises every window (true) or undoes that (false) through the shell.
void ShowDesktop(bool minimise);

// English language and country names of the keyboard layout's locale, in the
// ANSI code page; worked out once. The country is "Unknown" when the locale
// names none.
CStringA GetKeyboardLanguageName();
CStringA GetKeyboardCountryName();

// Centres the window on the primary screen by its client size.
void CenterDialog(HWND window);

// Asks once per process for the right to shut the system down.
void EnableShutdownPrivilege();
// Cancels a shutdown that is counting down.
void AbortShutdown();
// Replaces a pending countdown by a new one of timeoutSeconds.
void StartSystemShutdown(DWORD timeoutSeconds, bool force, bool reboot);
BOOL LogOffNow(bool force);
