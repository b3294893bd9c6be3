#include "ui/MonitorList.h"

#include "ui/SystemMonitorList.h"

namespace {
IMonitorList* s_list = nullptr;
}

void SetFloatingMonitorList(IMonitorList* list) { s_list = list; }

IMonitorList& GetFloatingMonitorList() {
    static CSystemMonitorList system;
    return s_list ? *s_list : system;
}
