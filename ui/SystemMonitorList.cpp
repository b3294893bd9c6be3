#include "ui/SystemMonitorList.h"

namespace {
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
    return TRUE;
}
}  // namespace

std::vector<HMONITOR> CSystemMonitorList::Enumerate() {
    std::vector<HMONITOR> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

int CSystemMonitorList::GetCount() { return (int)Enumerate().size(); }

bool CSystemMonitorList::Info(int index, MONITORINFO& info) {
    std::vector<HMONITOR> monitors = Enumerate();
    if (index < 0 || index >= (int)monitors.size()) return false;
    info.cbSize = sizeof(info);
    return GetMonitorInfoW(monitors[(size_t)index], &info) != 0;
}

CRect CSystemMonitorList::GetMonitorRect(int index) {
    MONITORINFO info;
    return Info(index, info) ? CRect(info.rcMonitor) : CRect();
}

CRect CSystemMonitorList::GetWorkAreaRect(int index) {
    MONITORINFO info;
    return Info(index, info) ? CRect(info.rcWork) : CRect();
}
