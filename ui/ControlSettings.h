// The few settings the controls read (default font, current memo group,
// pass-through on note windows). The program copies them in from its
// settings store when it loads or applies them; the controls only read.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class CControlSettings {
public:
    CString DefaultFontFace = _T("Tahoma");
    int DefaultFontSize = 12;
    CString UIFontFace = _T("Tahoma");
    int UIFontHeight = -11;
    CString MemoDBFile;        // the current memo group's file name
    BOOL MouseOverHiding = FALSE;
};

extern CControlSettings g_ControlSettings;

// Copies the fields above from the program's settings; called when they are
// loaded and whenever they are applied or the memo group changes.
void LoadControlSettings();
