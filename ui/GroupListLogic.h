// How the memo-group list box labels and colours one group, without a window.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class CGroupListLogic {
public:
    enum { NoCount = 0xFFFF };
    static LPCTSTR RecycleBinFile() { return _T("RecycleBin.zrr"); }

    // The label of a group file: the recycle bin as recycleText with its
    // count, a "name.zrX" file without its extension and with its count,
    // anything else as it is. count 0xFFFF (the owner has none) reads "(?)",
    // a negative count reads 0.
    static CString Label(const CString& fileName, int count, const CString& recycleText);
    static CString CountSuffix(int count);
    // A group file's name as people read it: "Work.zrd" reads "Work"; a
    // name whose first ".zr" is not four characters from its end, or starts
    // it, stays whole. Sets hadExtension when it was dropped.
    static CString ShownName(const CString& fileName, bool* hadExtension = nullptr);
    // Text colours of the item kinds.
    static COLORREF TextColor(bool current, bool recycleBin, bool disabled, bool selected);
};
