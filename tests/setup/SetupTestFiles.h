// Where the installer tests find the build's test data; whole files come
// from the shared test support.
#pragma once

#include "TestFiles.h"
#include "fw/Afx.h"

#include <map>
#include <string>

// A folder of the build's test data named by an environment variable.
CString EnvFolder(const char* name);
// Every file below a folder (ending in a backslash) by its relative path,
// with its bytes.
std::map<CString, std::string> Tree(const CString& root);
