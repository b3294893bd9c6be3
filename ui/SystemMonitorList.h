// The monitors that the window manager reports, enumerated at every question.
#pragma once

#include "ui/MonitorList.h"

#include <vector>

class CSystemMonitorList : public IMonitorList {
public:
    int GetCount() override;
    CRect GetMonitorRect(int index) override;
    CRect GetWorkAreaRect(int index) override;

private:
    bool Info(int index, MONITORINFO& info);
    std::vector<HMONITOR> Enumerate();
};
