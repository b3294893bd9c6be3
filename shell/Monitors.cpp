#include "Monitors.h"

#include "Seams.h"

CMonitors g_Monitors;

CMonitors::CMonitors() { Fill(); }

void CMonitors::Fill() {
    m_monitors.clear();
    m_systemCount = GetMonitorSource().GetSystemCount();
    for (HMONITOR monitor : GetMonitorSource().Enumerate()) m_monitors.push_back(std::make_unique<CMonitor>(monitor));
}

int CMonitors::GetCount() {
    if (GetMonitorSource().GetSystemCount() != m_systemCount) Fill();
    return (int)m_monitors.size();
}

CMonitor CMonitors::GetMonitor(int index) const {
    if (m_monitors.empty()) return CMonitor();
    if (index < 0) index = 0;
    if (index >= (int)m_monitors.size()) index = (int)m_monitors.size() - 1;
    return *m_monitors[(size_t)index];
}

void GetVirtualDesktopRect(CRect& rect) {
    rect.SetRectEmpty();
    CMonitors monitors;
    int count = monitors.GetCount();
    if (count == 0) return;
    monitors.GetMonitor(0).GetMonitorRect(rect);
    for (int i = 1; i < count; ++i) {
        CRect next;
        monitors.GetMonitor(i).GetMonitorRect(next);
        CRect both;
        both.UnionRect(rect, next);
        rect = both;
    }
}
