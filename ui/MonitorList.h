// The display monitors as the floating windows see them: full rectangles and
// work areas, in the window manager's order. The program's monitor list
// stands behind it; tests give a list of their own.
#pragma once

#include "fw/Afx.h"

class IMonitorList {
public:
    virtual ~IMonitorList() {}
    virtual int GetCount() = 0;
    virtual CRect GetMonitorRect(int index) = 0;
    virtual CRect GetWorkAreaRect(int index) = 0;
};

// The list the windows use; the system's monitors unless one was set. Null
// goes back to the system's list. The list is not owned.
void SetFloatingMonitorList(IMonitorList* list);
IMonitorList& GetFloatingMonitorList();
