#include "ui/SnapLogic.h"

#include <cstdlib>

namespace Snap {

bool RangesOverlap(int a0, int a1, int b0, int b1) {
    return (a0 >= b0 && a0 <= b1) || (a1 >= b0 && a1 <= b1) || (a0 <= b0 && b1 <= a1);
}

bool WithinSnapDistance(int a, int b, int snapSize) { return std::abs(a - b) < snapSize; }

namespace {
// One axis of the move search: the offset found so far and the snap size.
struct Axis {
    int offset;
    int snapSize;
    // Takes target - edge as the offset when it is within reach and nearer
    // than what was found before; the first of equally near edges wins.
    bool Try(int edge, int target) {
        int d = target - edge;
        if (std::abs(d) < snapSize && std::abs(d) < std::abs(offset)) {
            offset = d;
            return true;
        }
        return false;
    }
    int Result() const { return std::abs(offset) < snapSize ? offset : 0; }
};

void SnapAgainst(const CRect& r, const CRect& c, Axis& h, Axis& m) {
    if (RangesOverlap(r.top, r.bottom, c.top, c.bottom) ||
        RangesOverlap(r.top + m.offset, r.bottom + m.offset, c.top, c.bottom)) {
        h.Try(r.right, c.left);
        h.Try(r.right, c.right);
        h.Try(r.left, c.right);
        h.Try(r.left, c.left);
    }
    if (RangesOverlap(r.left, r.right, c.left, c.right) ||
        RangesOverlap(r.left + h.offset, r.right + h.offset, c.left, c.right)) {
        // A window touching another above or below also lines up a side
        // edge with it when that is within reach.
        if (m.Try(r.top, c.bottom)) {
            h.Try(r.right, c.right);
            h.Try(r.left, c.left);
        }
        m.Try(r.top, c.top);
        if (m.Try(r.bottom, c.top)) {
            h.Try(r.right, c.right);
            h.Try(r.left, c.left);
        }
        m.Try(r.bottom, c.bottom);
    }
}
}  // namespace

CRect OnMove(const CRect& proposed, const Drag& drag, bool docking, int snapSize,
             const std::vector<Candidate>& windows, const CRect& screen,
             const std::vector<CRect>& workAreas) {
    if (!drag.movable) return drag.dragRect;
    if (!docking) return proposed;
    CRect r = drag.dragRect;
    r.OffsetRect(drag.cursor.x - drag.dragPoint.x, drag.cursor.y - drag.dragPoint.y);
    Axis h{snapSize + 1, snapSize};
    Axis m{snapSize + 1, snapSize};
    for (const Candidate& c : windows)
        if (c.visible) SnapAgainst(r, c.rect, h, m);
    SnapAgainst(r, screen, h, m);
    for (const CRect& area : workAreas) SnapAgainst(r, area, h, m);
    r.OffsetRect(h.Result(), m.Result());
    return r;
}

CRect OnSize(const CRect& proposed, int edge, bool docking, int snapSize,
             const std::vector<Candidate>& notes) {
    CRect r = proposed;
    if (!docking) return r;
    for (const Candidate& note : notes) {
        const CRect& c = note.rect;
        auto vertical = [&] { return RangesOverlap(r.top, r.bottom, c.top, c.bottom); };
        auto horizontal = [&] { return RangesOverlap(r.left, r.right, c.left, c.right); };
        // Moves the edge to the target when within reach and the ranges
        // overlap; every test sees the changes of the tests before it.
        auto set = [&](LONG& e, int target, bool overlap) {
            if (WithinSnapDistance(e, target, snapSize) && overlap) {
                e = target;
                return true;
            }
            return false;
        };
        switch (edge) {
        case WMSZ_LEFT:
            if (set(r.left, c.right, vertical())) return r;
            set(r.left, c.left, vertical());
            break;
        case WMSZ_RIGHT:
            set(r.right, c.left, vertical());
            set(r.right, c.right, vertical());
            break;
        case WMSZ_TOP:
            if (set(r.top, c.top, horizontal())) return r;
            set(r.top, c.bottom, horizontal());
            break;
        case WMSZ_BOTTOM:
            if (set(r.bottom, c.top, horizontal())) return r;
            set(r.bottom, c.bottom, horizontal());
            break;
        case WMSZ_BOTTOMLEFT:
            set(r.left, c.right, vertical());
            set(r.bottom, c.top, horizontal());
            set(r.bottom, c.bottom, horizontal());
            set(r.left, c.left, vertical());
            break;
        case WMSZ_BOTTOMRIGHT:
            set(r.right, c.left, vertical());
            set(r.bottom, c.top, horizontal());
            set(r.right, c.right, vertical());
            set(r.bottom, c.bottom, horizontal());
            break;
        default: return r;
        }
    }
    return r;
}

}  // namespace Snap
