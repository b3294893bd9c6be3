// Site icons for web-link meters: PNG files in the web-icon folder, named
// after a part of the site's address.
#pragma once

#include "fw/Afx.h"

#include <vector>

// The site names of the folder's PNG files (archive attribute set, name
// longer than five characters, without the extension), longest first.
std::vector<CString> ListWebIconNames(const CString& folder);
// The list of the folder, read on first use and kept for the process.
const std::vector<CString>& GetWebIconNames(const CString& folder);
// The first name in list order found in the address (case-sensitive), or empty.
CString FindWebIconName(const std::vector<CString>& names, const CString& url);
