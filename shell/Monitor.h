// One display monitor: its full rectangle and its work area (the rectangle
// without the task bar). The rectangles are asked of the system at each call,
// so a monitor that moved answers its new place.
#pragma once

#include "fw/Afx.h"

class CMonitor {
public:
    CMonitor() = default;
    explicit CMonitor(HMONITOR monitor) : m_hMonitor(monitor) {}
    CMonitor(const CMonitor& other) : m_hMonitor(other.m_hMonitor) {}
    CMonitor& operator=(const CMonitor& other) {
        m_hMonitor = other.m_hMonitor;
        return *this;
    }
    virtual ~CMonitor() = default;

    HMONITOR GetHandle() const { return m_hMonitor; }
    // Both leave the rectangle empty when the monitor is unknown.
    void GetMonitorRect(CRect& rect) const;
    void GetWorkAreaRect(CRect& rect) const;

private:
    HMONITOR m_hMonitor = nullptr;
};

// The monitor nearest to the point.
CMonitor GetMonitorFromPoint(POINT pt);
