// The record by which callers read one cell of the grid control, by mask.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

enum {
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_BKCLR = 0x10,
    GVIF_FGCLR = 0x20,
    GVIF_FORMAT = 0x40,
    GVIF_FONT = 0x80,
    GVIF_INDEX = 0x100,
    GVIF_RIGHTIMAGE = 0x200,
};

class CGridItem {
public:
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT state = 0;
    UINT nFormat = 0;
    CString szText;
    int iImage = -1;
    COLORREF crBkClr = 0;
    COLORREF crFgClr = 0;
    LPARAM lParam = 0;
    LOGFONT lfFont = {};
    int nIndex = 0;
    int iRightImage = -1;
};

// The notification that carries an item: an end-of-edit report and the
// grid's own notifications to its owner.
struct GV_DISPINFO {
    NMHDR hdr;
    CGridItem item;
};
