// Small system routines of the installer: resources, shortcuts, special
// folders and deleting a folder tree.
#pragma once

#include "fw/Afx.h"

// The resource copied into a block of new[] BYTEs that the caller deletes;
// null when the resource is missing.
BYTE* CopyResourceToMemory(HMODULE module, UINT id, const wchar_t* type, DWORD* size);
// Writes the resource to the file in one piece. 0 only when the resource is
// missing; a file that cannot be written is not reported.
int WriteResourceToFile(HMODULE module, UINT id, const wchar_t* type, const CString& path);
// A shell link at linkPath to target; the save result, or E_FAIL when the
// link object cannot be made. COM must be started on this thread.
HRESULT CreateShortcut(const CString& target, const CString& linkPath, const CString& arguments,
                       const CString& description);
// The path of a special folder (CSIDL_...); false and an empty path when the
// shell has none.
bool GetSpecialFolderPath(HWND owner, int csidl, CString& path);
// Deletes the folder with its contents, without questions and for good.
// Paths of fewer than 8 characters (a drive root, "C:\abcd") and paths too
// long for the shell's double-zero-ended buffer are left alone. Returns 0.
int RemoveFolderTree(const CString& path);
