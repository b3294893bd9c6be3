// The folder of the running program, with a trailing backslash. Every data
// path is built on it; tests point it at a temporary folder.
#pragma once

#include "fw/Afx.h"

extern CString g_ProgramFolder;

// The folder of the running executable, with a trailing backslash.
CString GetExecutableFolder();
