// A monitor list for tests: a primary 1280 x 1024 screen with a task bar of
// 40 pixels at the bottom and, when asked for, a 1024 x 768 monitor left of it.
#pragma once

#include "ui/MonitorList.h"

#include <ostream>
#include <vector>

class FakeMonitors : public IMonitorList {
public:
    struct Monitor {
        CRect full;
        CRect work;
    };
    std::vector<Monitor> monitors;

    static FakeMonitors TwoWithOneLeft() {
        FakeMonitors m;
        m.monitors.push_back({CRect(0, 0, 1280, 1024), CRect(0, 0, 1280, 984)});
        m.monitors.push_back({CRect(-1024, 0, 0, 768), CRect(-1024, 0, 0, 768)});
        return m;
    }

    int GetCount() override { return (int)monitors.size(); }
    CRect GetMonitorRect(int i) override { return monitors.at((size_t)i).full; }
    CRect GetWorkAreaRect(int i) override { return monitors.at((size_t)i).work; }
};

// Readable rectangles and points in test failures.
inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
