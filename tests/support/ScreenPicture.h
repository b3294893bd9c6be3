// Pictures of windows as a user sees them, for the screenshots the window
// tests leave beside them. Nothing is written unless ZOREL_SCREENSHOT_DIR
// names a folder, so ordinary test runs leave the tree alone.
#pragma once

#include "fw/Afx.h"

#include <initializer_list>
#include <vector>

// Loads the program's Korean texts when the test runs under the Korean code
// page, the built-in English ones otherwise; "ko" or "en", for the names of
// the pictures.
const wchar_t* UseScreenshotLanguage();

// Whether pictures are asked for.
bool ScreenshotsWanted();

// Saves the screen area the windows cover together as
// <ZOREL_SCREENSHOT_DIR>\<name>.png; false when not asked for or failed.
bool SaveScreenPicture(const CString& name, std::initializer_list<HWND> windows);

// What the screen shows in the area, row by row; empty when the area is
// empty or cannot be read.
std::vector<COLORREF> ScreenPixels(const RECT& area);

// Saves what the screen shows in the area as a PNG file at the path, at once.
bool SaveScreenArea(const CRect& area, const CString& path);
