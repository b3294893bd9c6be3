#include "ui/FloatingLogic.h"

#include "ui/UiIds.h"

#include <algorithm>
#include <climits>

ZLevelPlan PlanZPosition(int current, int level, bool remember, bool enableDesktop,
                         bool desktopListFound) {
    ZLevelPlan plan;
    if (level < ZPOS_NORMAL || level > ZPOS_BOTTOM) return plan;
    if (level == ZPOS_DESKTOP && (!enableDesktop || !desktopListFound)) return plan;
    plan.accepted = true;
    plan.markChanged = remember && level != current;
    plan.dropTopmost = current == ZPOS_TOPMOST && level != ZPOS_TOPMOST;
    plan.storeLevel = remember;
    switch (level) {
    case ZPOS_DESKTOP: plan.place = ZLevelPlan::PIN_TO_DESKTOP; break;
    case ZPOS_TOPMOST: plan.place = ZLevelPlan::TOPMOST; break;
    case ZPOS_BOTTOM: plan.place = ZLevelPlan::BOTTOM; break;
    default: plan.place = ZLevelPlan::NOT_TOPMOST; break;
    }
    return plan;
}

bool ArrangeTarget(unsigned command, CSize screen, CSize client, CPoint& topLeft) {
    switch (command) {
    case ID_ARRANGE_TOP_LEFT: topLeft = CPoint(0, 0); return true;
    case ID_ARRANGE_BOTTOM_LEFT: topLeft = CPoint(0, screen.cy - client.cy); return true;
    case ID_ARRANGE_TOP_RIGHT: topLeft = CPoint(screen.cx - client.cx, 0); return true;
    case ID_ARRANGE_BOTTOM_RIGHT:
        topLeft = CPoint(screen.cx - client.cx, screen.cy - client.cy);
        return true;
    default: return false;
    }
}

int ClampMonitorIndex(int index, int count) {
    if (index >= count) index = count - 1;
    if (index < 0) index = 0;
    return index;
}

CRect MonitorWorkArea(IMonitorList& monitors, int n) {
    int count = monitors.GetCount();
    if (count <= 0) return CRect();
    return monitors.GetWorkAreaRect(ClampMonitorIndex(n, count));
}

namespace {
// Squared distance from a point to a rectangle (0 inside).
long long DistanceSquared(const CRect& r, CPoint p) {
    long long dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - (r.right - 1) : 0);
    long long dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - (r.bottom - 1) : 0);
    return dx * dx + dy * dy;
}
}  // namespace

int NearestMonitorIndex(IMonitorList& monitors, CPoint point) {
    int count = monitors.GetCount();
    int best = -1;
    long long bestDistance = LLONG_MAX;
    for (int i = 0; i < count; ++i) {
        long long d = DistanceSquared(monitors.GetMonitorRect(i), point);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

CRect MonitorWorkAreaFromPoint(IMonitorList& monitors, CPoint point) {
    int index = NearestMonitorIndex(monitors, point);
    return index < 0 ? CRect() : monitors.GetWorkAreaRect(index);
}

CRect KeepRectOnScreen(const CRect& proposed, const CRect& current, CSize screen,
                       bool revisionPosition, int workMonitor, IMonitorList& monitors) {
    if (!revisionPosition) return proposed;
    int w = proposed.Width();
    int h = proposed.Height();
    int count = monitors.GetCount();
    if (count > 0) {
        // A window whose middle third is on some monitor can still be grabbed.
        CRect middle(proposed.left + w / 3, proposed.top + h / 3, proposed.right - w / 3,
                     proposed.bottom - h / 3);
        for (int i = 0; i < count; ++i) {
            CRect overlap;
            if (overlap.IntersectRect(middle, monitors.GetMonitorRect(i))) return proposed;
        }
        CRect monitor = monitors.GetMonitorRect(ClampMonitorIndex(workMonitor, count));
        CRect r = proposed;
        if (r.left < monitor.left) r.OffsetRect(monitor.left - r.left, 0);
        if (r.right > monitor.right) r.OffsetRect(monitor.right - r.right, 0);
        if (r.top < monitor.top) r.OffsetRect(0, monitor.top - r.top);
        if (r.bottom > monitor.bottom) r.OffsetRect(0, monitor.bottom - r.bottom);
        return r;
    }
    // No monitor known: stay on the primary screen, and a window docked to its
    // right or bottom edge stays docked while it changes size.
    int left = std::abs(current.right - screen.cx) <= 2 ? screen.cx - w - 2 : current.left;
    int top = std::abs(current.bottom - screen.cy) <= 2 ? screen.cy - h - 2 : current.top;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (left + w > screen.cx) left = screen.cx - w;
    if (top + h > screen.cy) top = screen.cy - h;
    return CRect(left, top, left + w, top + h);
}

bool PointOnSomeWorkArea(IMonitorList& monitors, CPoint point) {
    int count = monitors.GetCount();
    for (int i = 0; i < count; ++i)
        if (monitors.GetWorkAreaRect(i).PtInRect(point)) return true;
    return false;
}

CPoint AdjustPositionToMonitors(CPoint pos, CSize size, bool revisionPosition,
                                const CRect& newMemoRect, IMonitorList& monitors) {
    if (!revisionPosition) return pos;
    if (PointOnSomeWorkArea(monitors, CPoint(pos.x + size.cx / 2, pos.y + size.cy / 2))) return pos;
    return CPoint(newMemoRect.right - size.cx, newMemoRect.top);
}

bool MoveOntoMonitorTarget(const CRect& window, const CRect& newMemoRect,
                           IMonitorList& monitors, CPoint& topLeft) {
    if (PointOnSomeWorkArea(monitors, window.CenterPoint())) return false;
    topLeft = CPoint(newMemoRect.right - window.Width(), newMemoRect.top);
    return true;
}

CRect VirtualDesktopRect(IMonitorList& monitors) {
    int count = monitors.GetCount();
    if (count <= 0) return CRect();
    CRect all = monitors.GetMonitorRect(0);
    for (int i = 1; i < count; ++i) {
        CRect united;
        united.UnionRect(all, monitors.GetMonitorRect(i));
        all = united;
    }
    return all;
}

CRect OverlayRect(const CRect& virtualDesktop) {
    int w = std::min(virtualDesktop.Width(), 7680);
    int h = std::min(virtualDesktop.Height(), 4320);
    return CRect(virtualDesktop.left, virtualDesktop.top, virtualDesktop.left + w,
                 virtualDesktop.top + h);
}
