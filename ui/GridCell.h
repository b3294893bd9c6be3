// One cell of the grid control.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

// Cell state bits.
enum {
    GVIS_FOCUSED = 0x01,
    GVIS_SELECTED = 0x02,
    GVIS_DROPHILITED = 0x04,
    GVIS_READONLY = 0x08,
    GVIS_MODIFIED = 0x20,
};

// "Use the grid's colour" for a cell's colours.
#define CLR_DEFAULT_GRID ((COLORREF)0xFF000000)

class CGridCell {
public:
    UINT state = 0;
    UINT nFormat = 0;
    CString szText;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT_GRID;
    COLORREF crFgClr = CLR_DEFAULT_GRID;
    LOGFONT lfFont = {};
    LPARAM lParam = 0;
    int nIndex = 0;
    int iRightImage = -1;
};
