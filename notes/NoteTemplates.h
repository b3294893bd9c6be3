// The dialog templates of the note windows: the program's resource when it
// has one, otherwise a template built in memory (the windows create their
// controls themselves, so an empty template is all they need).
#pragma once

#include "fw/AfxWin.h"

LPCDLGTEMPLATE GetNoteTemplate(UINT id);
