// Small file helpers of the installer tests.
#pragma once

#include "fw/Afx.h"

#include <string>

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const CString& path);
bool WriteBytes(const CString& path, const std::string& bytes);
// A folder of the build's test data named by an environment variable.
CString EnvFolder(const char* name);
