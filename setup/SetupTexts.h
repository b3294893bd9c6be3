// The installer's own text table: English at the id, Korean at id + 100000.
// "%s" in a title is the version, filled in once.
#pragma once

#include "fw/Afx.h"

const int kSetupKoreanOffset = 100000;
extern const wchar_t* const kSetupVersion;  // "3.1.1"

// The text of id + languageOffset; empty for an id the table does not hold.
CString GetSetupText(int id, int languageOffset);
