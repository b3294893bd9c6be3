// The display monitors of the desktop. The list refreshes itself when the
// number of monitors the system reports changes; GetCount is where that is
// noticed.
#pragma once

#include "Monitor.h"

#include <memory>
#include <vector>

class CMonitors {
public:
    CMonitors();
    virtual ~CMonitors() = default;
    CMonitors(const CMonitors&) = delete;
    CMonitors& operator=(const CMonitors&) = delete;

    // Refreshes the list when the system's monitor count changed.
    int GetCount();
    // A copy of the entry at index. An index out of range is clamped to the
    // list (placement code computes indexes from stored settings); with no
    // monitor at all the copy has no monitor handle.
    CMonitor GetMonitor(int index) const;
    bool IsMultiMonitor() const { return m_monitors.size() > 1; }

private:
    void Fill();

    std::vector<std::unique_ptr<CMonitor>> m_monitors;
    int m_systemCount = 0;
};

extern CMonitors g_Monitors;

// The union of the full rectangles of all monitors; empty when there is none.
void GetVirtualDesktopRect(CRect& rect);
