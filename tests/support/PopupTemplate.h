// A dialog template of a bare popup window without controls, for windows a
// test or benchmark creates from memory instead of a resource.
#pragma once

#include "fw/Afx.h"

struct PopupTemplate {
    DLGTEMPLATE t;
    WORD menu = 0, windowClass = 0, title = 0;
    // The size in dialog units.
    explicit PopupTemplate(short cx = 80, short cy = 50) {
        t = {};
        t.style = WS_POPUP;
        t.cx = cx;
        t.cy = cy;
    }
};
