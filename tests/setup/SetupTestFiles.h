// Where the installer tests find the build's test data; whole files come
// from the shared test support.
#pragma once

#include "TestFiles.h"
#include "fw/Afx.h"

#include <string>

// A folder of the build's test data named by an environment variable.
CString EnvFolder(const char* name);
