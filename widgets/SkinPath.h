// Names of files that skins hand to the program.
#pragma once

#include "fw/Afx.h"

// A plain file name, safe to append to a skin's folder: not empty, no
// folder parts or "..", no drive or root, none of \ / : * ? " < > | or
// control characters, no trailing dot or blank, and no device name such as
// CON, NUL, AUX, PRN, COM1-9 or LPT1-9.
bool IsSafeSkinFileName(const CString& name);
