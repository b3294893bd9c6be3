// Decisions of the floating windows that need no window: window levels,
// arranging, keeping rectangles on a monitor, and the overlays' extent.
#pragma once

#include "fw/Afx.h"
#include "ui/MonitorList.h"

// What setting a window level does, step by step.
struct ZLevelPlan {
    enum Place { PIN_TO_DESKTOP, NOT_TOPMOST, TOPMOST, BOTTOM };
    bool accepted = false;    // false: nothing at all changes, the result is 0
    bool markChanged = false; // the saved level changes: mark changed, save soon
    bool dropTopmost = false; // leave the topmost band first
    bool storeLevel = false;
    Place place = NOT_TOPMOST;
};

// current: the stored level; desktopListFound: whether the desktop's icon
// list window exists (only asked for level 2). A level outside 0..3, the
// desktop level while it is not enabled, and the desktop level without the
// desktop's list window are refused before anything changes.
ZLevelPlan PlanZPosition(int current, int level, bool remember, bool enableDesktop,
                         bool desktopListFound);

// New top-left for the arrange commands 32807-32810 on a screen of the given
// size; false for other commands (32806 belongs to the note column).
bool ArrangeTarget(unsigned command, CSize screen, CSize client, CPoint& topLeft);

// Index into the monitor list, clamped to 0..count-1 (count must be > 0).
int ClampMonitorIndex(int index, int count);

// Work area of monitor n (clamped); empty without monitors.
CRect MonitorWorkArea(IMonitorList& monitors, int n);

// Index of the monitor containing the point, else the nearest; -1 without
// monitors.
int NearestMonitorIndex(IMonitorList& monitors, CPoint point);
CRect MonitorWorkAreaFromPoint(IMonitorList& monitors, CPoint point);

// Keeps a proposed window rectangle reachable. current is the window's
// rectangle now and screen the primary screen's size; both serve only when
// the list has no monitor.
CRect KeepRectOnScreen(const CRect& proposed, const CRect& current, CSize screen,
                       bool revisionPosition, int workMonitor, IMonitorList& monitors);

// True when the point lies in some monitor's work area (right and bottom
// edges outside).
bool PointOnSomeWorkArea(IMonitorList& monitors, CPoint point);

// Position for a window of the given size placed at (x, y): unchanged when its
// centre lies on a work area (or when keeping on a monitor is off), else the
// top-right corner of the new-note rectangle.
CPoint AdjustPositionToMonitors(CPoint pos, CSize size, bool revisionPosition,
                                const CRect& newMemoRect, IMonitorList& monitors);

// Where a window must go so that it is visible: false when its centre is on a
// work area already, else true with the new top-left.
bool MoveOntoMonitorTarget(const CRect& window, const CRect& newMemoRect,
                           IMonitorList& monitors, CPoint& topLeft);

// Union of every monitor's full rectangle; empty without monitors.
CRect VirtualDesktopRect(IMonitorList& monitors);

// The overlays cover the virtual desktop, at most 7680 x 4320 pixels from its
// top-left corner.
CRect OverlayRect(const CRect& virtualDesktop);
