#include "ui/GroupListLogic.h"

CString CGroupListLogic::CountSuffix(int count) {
    if (count == NoCount)
        return _T(" (?)");
    CString s;
    s.Format(_T(" (%d)"), count < 0 ? 0 : count);
    return s;
}

CString CGroupListLogic::ShownName(const CString& fileName, bool* hadExtension) {
    int pos = fileName.Find(_T(".zr"));
    bool drop = pos > 0 && pos == fileName.GetLength() - 4;
    if (hadExtension) *hadExtension = drop;
    return drop ? fileName.Left(pos) : fileName;
}

CString CGroupListLogic::Label(const CString& fileName, int count, const CString& recycleText) {
    if (fileName == RecycleBinFile())
        return recycleText + CountSuffix(count);
    bool hadExtension = false;
    CString shown = ShownName(fileName, &hadExtension);
    return hadExtension ? shown + CountSuffix(count) : shown;
}

COLORREF CGroupListLogic::TextColor(bool current, bool recycleBin, bool disabled, bool selected) {
    if (current) return RGB(224, 104, 62);
    if (recycleBin) return RGB(0, 156, 0);
    if (disabled && !selected) return GetSysColor(COLOR_GRAYTEXT);
    return RGB(96, 96, 96);
}
