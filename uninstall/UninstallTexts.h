// The uninstaller's own text table: English at the id, Korean at id + 100000.
#pragma once

#include "fw/Afx.h"

// The text of id + languageOffset; empty for an id the table does not hold.
CString GetUninstallText(int id, int languageOffset);
