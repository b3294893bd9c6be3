// Copies, moves and deletes single files and whole folder trees. Each use
// builds a fresh object, sets the options, calls one operation and looks at
// the result; after a failure the error text and code stay in the object.
// By default a copy never overwrites: a colliding target is renamed
// "Copy of a.txt", "Copy (1) of a.txt", ...
#pragma once

#include "fw/Afx.h"

#include <vector>

class CFileTreeOp {
public:
    CFileTreeOp() { Init(); }

    void Init();

    // A file, or a folder with everything in it. Folder links (junctions)
    // inside the tree are removed as links; what they point to is left alone.
    // A cancel at the read-only question ends the delete and still returns true.
    bool Delete(CString path);
    // A file or folder tree. A folder copied into itself or one of its own
    // subfolders is refused.
    bool Copy(CString source, CString destination);
    // Copies, removing each source file once its copy exists, then removes the
    // source folders that were emptied that way. Whatever was not copied stays.
    bool Move(CString source, CString destination);

    CString m_strError;
    DWORD m_dwError;
    bool m_bAskIfReadOnly;
    bool m_bOverwriteMode;
    bool m_bAborted;
    // Further subfolders a folder copy may still enter; -1 is no limit.
    int m_iRecursionLimit;

protected:
    static bool IsFileExist(const CString& path);
    // 0 missing, 1 file, 2 folder, -1 attributes unreadable for another reason.
    static int CheckPath(const CString& path);
    static void PreparePath(CString& path);
    static CString ParseFolderName(CString path);
    static bool CheckSelfCopy(const CString& source, const CString& destination);
    static void CheckSelfRecursion(const CString& source, const CString& destination);
    bool CanDelete(const CString& path);
    static CString GetUniqueName(const CString& path);
    void DoDelete(const CString& path);
    void DoFileCopy(const CString& source, CString target, bool deleteSource);
    void DoFolderCopy(const CString& sourcePattern, const CString& destination, bool deleteSource);
    void DoCopy(const CString& source, const CString& destination, bool deleteSource);
    void RemoveEmptiedFolders(const CString& path);

private:
    bool RunCopy(const CString& source, const CString& destination, bool deleteSource);
};
