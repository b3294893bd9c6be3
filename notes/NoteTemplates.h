// The dialog templates of the note windows (note, title bar, formatting
// bar, hover tip and the note's own dialogs), read from the program's
// resources; null when the program carries none.
#pragma once

#include "fw/AfxWin.h"

LPCDLGTEMPLATE GetNoteTemplate(UINT id);
