// The vault dialogs' message boxes: the system's standard box (through its
// seam, so tests answer it) with a text of the text table and its caption.
#pragma once

#include "fw/Afx.h"

// Shows the text under the caption text number (the program's name when the
// table has no such text); the button id.
int PwdMessageBox(HWND owner, const CString& text, UINT type, int captionText = 1);
// Text 10111 with the error icon: a file of the vault could not be read or
// written.
void PwdReportFileError(HWND owner);
