#include "ui/FloatingLogic.h"
#include "ui/UiIds.h"

#include "FakeMonitors.h"

#include <gtest/gtest.h>

namespace {

struct LevelCase {
    int current, level;
    bool remember, enableDesktop, listFound;
    bool accepted, markChanged, dropTopmost, store;
    ZLevelPlan::Place place;
};

TEST(WindowLevel, PlanTable) {
    using P = ZLevelPlan;
    const LevelCase cases[] = {
        // normal -> always on top, remembered: marked changed and stored
        {0, 1, true, false, false, true, true, false, true, P::TOPMOST},
        // on top -> normal leaves the topmost band
        {1, 0, true, false, false, true, true, true, true, P::NOT_TOPMOST},
        // to the bottom
        {1, 3, true, false, false, true, true, true, true, P::BOTTOM},
        // the same level again is not a change
        {1, 1, true, false, false, true, false, false, true, P::TOPMOST},
        // raised for a while without remembering (spotlight): nothing stored
        {0, 1, false, false, false, true, false, false, false, P::TOPMOST},
        // back from a temporary raise: stored level 0, window still on top
        {0, 0, true, false, false, true, false, false, true, P::NOT_TOPMOST},
        // the desktop level is refused while it is not enabled ...
        {0, 2, true, false, true, false, false, false, false, P::NOT_TOPMOST},
        // ... and where the desktop's list window does not exist
        {0, 2, true, true, false, false, false, false, false, P::NOT_TOPMOST},
        // enabled and found: pinned
        {1, 2, true, true, true, true, true, true, true, P::PIN_TO_DESKTOP},
        // levels outside 0..3 change nothing
        {0, 4, true, true, true, false, false, false, false, P::NOT_TOPMOST},
        {0, -1, true, true, true, false, false, false, false, P::NOT_TOPMOST},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.current << " -> " << c.level);
        ZLevelPlan p = PlanZPosition(c.current, c.level, c.remember, c.enableDesktop, c.listFound);
        EXPECT_EQ(p.accepted, c.accepted);
        EXPECT_EQ(p.markChanged, c.markChanged);
        EXPECT_EQ(p.dropTopmost, c.dropTopmost);
        EXPECT_EQ(p.storeLevel, c.store);
        if (c.accepted) {
            EXPECT_EQ(p.place, c.place);
        }
    }
}

TEST(Arrange, CornersOfThePrimaryScreen) {
    CSize screen(1280, 1024), client(200, 150);
    struct { unsigned cmd; CPoint at; } cases[] = {
        {ID_ARRANGE_TOP_LEFT, CPoint(0, 0)},
        {ID_ARRANGE_BOTTOM_LEFT, CPoint(0, 874)},
        {ID_ARRANGE_TOP_RIGHT, CPoint(1080, 0)},
        {ID_ARRANGE_BOTTOM_RIGHT, CPoint(1080, 874)},
    };
    for (auto& c : cases) {
        CPoint p;
        ASSERT_TRUE(ArrangeTarget(c.cmd, screen, client, p));
        EXPECT_EQ(p, c.at) << c.cmd;
    }
    CPoint p;
    EXPECT_FALSE(ArrangeTarget(ID_ARRANGE_MEMO_COLUMN, screen, client, p));
}

TEST(Monitors, WorkAreaByIndexIsClampedToTheList) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    EXPECT_EQ(MonitorWorkArea(m, 0), CRect(0, 0, 1280, 984));
    EXPECT_EQ(MonitorWorkArea(m, 1), CRect(-1024, 0, 0, 768));
    EXPECT_EQ(MonitorWorkArea(m, 5), CRect(-1024, 0, 0, 768));
    EXPECT_EQ(MonitorWorkArea(m, -3), CRect(0, 0, 1280, 984));
    FakeMonitors none;
    EXPECT_TRUE(MonitorWorkArea(none, 0).IsRectNull());
}

TEST(Monitors, WorkAreaFromPointTakesTheNearestMonitor) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    EXPECT_EQ(MonitorWorkAreaFromPoint(m, CPoint(-10, 100)), CRect(-1024, 0, 0, 768));
    EXPECT_EQ(MonitorWorkAreaFromPoint(m, CPoint(0, 100)), CRect(0, 0, 1280, 984));
    EXPECT_EQ(MonitorWorkAreaFromPoint(m, CPoint(-500, 900)), CRect(-1024, 0, 0, 768));
    EXPECT_EQ(MonitorWorkAreaFromPoint(m, CPoint(5000, -40)), CRect(0, 0, 1280, 984));
}

TEST(Monitors, VirtualDesktopAndOverlayExtent) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    CRect desk = VirtualDesktopRect(m);
    EXPECT_EQ(desk, CRect(-1024, 0, 1280, 1024));
    EXPECT_EQ(OverlayRect(desk), desk);  // starts at the negative origin

    FakeMonitors wide;
    for (int i = 0; i < 3; ++i)
        wide.monitors.push_back({CRect(3840 * i, 0, 3840 * (i + 1), 2160), CRect()});
    EXPECT_EQ(OverlayRect(VirtualDesktopRect(wide)), CRect(0, 0, 7680, 2160));
    wide.monitors.pop_back();
    EXPECT_EQ(OverlayRect(VirtualDesktopRect(wide)), CRect(0, 0, 7680, 2160));
    FakeMonitors tall;
    tall.monitors.push_back({CRect(0, 0, 1000, 9000), CRect()});
    EXPECT_EQ(OverlayRect(VirtualDesktopRect(tall)), CRect(0, 0, 1000, 4320));
}

TEST(KeepOnScreen, Table) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    CRect current(100, 100, 300, 250);
    CSize screen(1280, 1024);
    struct { CRect proposed; bool revision; int workMonitor; CRect expected; } cases[] = {
        // option off: as proposed, even far away
        {CRect(5000, 5000, 5200, 5150), false, 0, CRect(5000, 5000, 5200, 5150)},
        // middle third still on the primary: unchanged though most is outside
        {CRect(1150, 100, 1450, 400), true, 0, CRect(1150, 100, 1450, 400)},
        // middle third on the left monitor: unchanged
        {CRect(-300, 600, 0, 900), true, 0, CRect(-300, 600, 0, 900)},
        // entirely off every monitor, below the left one: shifted into the
        // WorkMonitor monitor
        {CRect(-800, 900, -600, 1000), true, 0, CRect(0, 900, 200, 1000)},
        {CRect(-800, 900, -600, 1000), true, 1, CRect(-800, 668, -600, 768)},
        // a WorkMonitor past the list counts as the last monitor
        {CRect(-800, 900, -600, 1000), true, 7, CRect(-800, 668, -600, 768)},
        // right of everything and above: pulled left and down
        {CRect(1500, -400, 1700, -200), true, 0, CRect(1080, 0, 1280, 200)},
        // wider than the monitor: ends aligned with the right edge
        {CRect(-3000, -3000, -1500, -2900), true, 0, CRect(-220, 0, 1280, 100)},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.proposed.left << "," << c.proposed.top);
        EXPECT_EQ(KeepRectOnScreen(c.proposed, current, screen, c.revision, c.workMonitor, m),
                  c.expected);
    }
}

TEST(KeepOnScreen, WithoutMonitorsWindowsDockedRightOrBottomStayDocked) {
    FakeMonitors none;
    CSize screen(1280, 1024);
    // docked to the right edge (within 2 pixels) and growing
    EXPECT_EQ(KeepRectOnScreen(CRect(0, 0, 300, 100), CRect(1079, 50, 1279, 150), screen, true, 0, none),
              CRect(978, 50, 1278, 150));
    // docked to the bottom edge
    EXPECT_EQ(KeepRectOnScreen(CRect(0, 0, 100, 300), CRect(50, 824, 150, 1024), screen, true, 0, none),
              CRect(50, 722, 150, 1022));
    // off the left and top: clamped to 0
    EXPECT_EQ(KeepRectOnScreen(CRect(0, 0, 100, 100), CRect(-50, -60, 50, 40), screen, true, 0, none),
              CRect(0, 0, 100, 100));
    // grown past the right edge from an undocked place
    EXPECT_EQ(KeepRectOnScreen(CRect(0, 0, 400, 100), CRect(1000, 10, 1100, 110), screen, true, 0, none),
              CRect(880, 10, 1280, 110));
}

TEST(AdjustPosition, CentreOnTheWorkAreaEdgeCountsAsOutside) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    CRect newMemo(1000, 20, 1250, 220);
    CSize size(200, 100);
    // centre (1180, 50): inside
    EXPECT_EQ(AdjustPositionToMonitors(CPoint(1080, 0), size, true, newMemo, m), CPoint(1080, 0));
    // centre (1280, 50): on the right edge, outside
    EXPECT_EQ(AdjustPositionToMonitors(CPoint(1180, 0), size, true, newMemo, m), CPoint(1050, 20));
    // centre (100, 984): on the bottom edge of the work area
    EXPECT_EQ(AdjustPositionToMonitors(CPoint(0, 934), size, true, newMemo, m), CPoint(1050, 20));
    // on the left monitor
    EXPECT_EQ(AdjustPositionToMonitors(CPoint(-600, 300), size, true, newMemo, m), CPoint(-600, 300));
    // option off
    EXPECT_EQ(AdjustPositionToMonitors(CPoint(9000, 9000), size, false, newMemo, m), CPoint(9000, 9000));
}

TEST(MoveOntoMonitor, OnlyWhenTheCentreIsOnNoWorkArea) {
    FakeMonitors m = FakeMonitors::TwoWithOneLeft();
    CRect newMemo(1000, 20, 1250, 220);
    CPoint p;
    EXPECT_FALSE(MoveOntoMonitorTarget(CRect(-700, 100, -500, 200), newMemo, m, p));
    ASSERT_TRUE(MoveOntoMonitorTarget(CRect(-700, 900, -500, 1000), newMemo, m, p));
    EXPECT_EQ(p, CPoint(1050, 20));
    // in the task bar of the primary: not in a work area
    EXPECT_TRUE(MoveOntoMonitorTarget(CRect(100, 990, 300, 1010), newMemo, m, p));
}

}  // namespace

#include "shell/Settings.h"
#include "ui/FloatingOptions.h"

namespace {

TEST(FloatingOptions, ComeFromTheProgramsSettingsUnlessATestSetsThem) {
    CSettings saved = g_Settings;
    g_Settings.General.Docking = 0;
    g_Settings.General.DockingSize = 17;
    g_Settings.General.EnableDesktop = 1;
    g_Settings.General.RevisionPosition = 0;
    g_Settings.General.WorkMonitor = 1;
    g_Settings.General.WidgetShowEffect = 0;
    g_Settings.QuickMenu.DockMode = 0;
    CFloatingOptions o = GetFloatingOptions();
    EXPECT_EQ(o.Docking, 0);
    EXPECT_EQ(o.DockingSize, 17);
    EXPECT_EQ(o.EnableDesktop, 1);
    EXPECT_EQ(o.RevisionPosition, 0);
    EXPECT_EQ(o.WorkMonitor, 1);
    EXPECT_EQ(o.WidgetShowEffect, 0);
    EXPECT_EQ(o.QuickMenuDockMode, 0);
    SetFloatingOptionsProvider([] { return CFloatingOptions(); });
    EXPECT_EQ(GetFloatingOptions().DockingSize, 10);
    SetFloatingOptionsProvider(nullptr);
    g_Settings = saved;
}

}  // namespace
