#include "Monitor.h"

#include "Seams.h"

void CMonitor::GetMonitorRect(CRect& rect) const {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (m_hMonitor && GetMonitorSource().GetInfo(m_hMonitor, info)) rect = info.rcMonitor;
    else rect.SetRectEmpty();
}

void CMonitor::GetWorkAreaRect(CRect& rect) const {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (m_hMonitor && GetMonitorSource().GetInfo(m_hMonitor, info)) rect = info.rcWork;
    else rect.SetRectEmpty();
}

CMonitor GetMonitorFromPoint(POINT pt) { return CMonitor(GetMonitorSource().FromPoint(pt)); }
