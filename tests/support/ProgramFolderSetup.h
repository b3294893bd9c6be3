// The program's folder for tests that run the main frame in their own
// process.
#pragma once

#include "ScratchFolder.h"

// Makes the scratch folder the program's folder as the frame finds it at a
// first start: memo_data and schedule_data in it, the settings at their
// defaults and read back from it, the built-in texts in the text table.
void UseAsProgramFolder(const CScratchFolder& folder);
