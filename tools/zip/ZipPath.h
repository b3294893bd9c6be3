// Path functions of the zip archive: entry names from file paths, target
// paths from entry names, and creating the folders of a path.
#pragma once

#include "fw/Afx.h"

class CZipPath {
public:
    // The path without its drive ("C:" or "\\server\share") and leading backslashes.
    static CString RemoveDrive(const CString& path);
    // The last component of a path (trailing backslashes ignored).
    static CString GetFileName(const CString& path);
    static CString RemoveTrailingSeparators(CString path);
    // Creates every missing folder of the path; false when one cannot be made.
    static bool CreateFolderPath(const CString& path);
    static bool FolderExists(const CString& path);
};
