#include "widgets/NoticeLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The arrow keeps this far from the popup's side edges.
const int kArrowInset = 13;
}  // namespace

ToolTipPlacement PlaceToolTip(const CRect& work, int x, int y, int width, int height, int upArrowWidth) {
    const int left = work.left, right = work.right;
    ToolTipPlacement p;
    const int half = width / 2;
    p.arrowX = half - kArrowInset;
    p.x = x - half;
    p.y = y - height - 10;
    if (p.x - kArrowInset < left) {
        p.x = left;
        p.arrowX = std::max(x - left, kArrowInset);
    }
    if (p.x + width > right) {
        const int a = upArrowWidth > 0 ? upArrowWidth : half;
        // Never a negative shift: that would push the popup further out.
        const int shift = std::max(std::min(p.x + width - right, width - 2 * a - 10), 0);
        p.arrowX += shift;
        p.x -= shift;
        p.arrowX = std::min(p.arrowX, width - a - 10);
    }
    if (p.y < 0) {
        p.y = y + 8;
        p.below = true;
    }
    return p;
}

bool ToolTipArrowShown(CPoint placed, CPoint now) {
    return std::abs(now.x - placed.x) + std::abs(now.y - placed.y) < 3;
}

SlidePlan PlanSlide(int placement, CSize size, int step, UINT slideInMs, UINT slideOutMs, const CRect& work,
                    int& counter) {
    const int W = size.cx, H = size.cy;
    const int L = work.left, T = work.top, R = work.right, B = work.bottom;
    step = std::max(step, 1);
    SlidePlan plan;
    const int p = counter;
    switch (placement) {
    case 0: plan.start = CPoint(L - W, T + p); plan.direction = SLIDE_RIGHT; counter = p + H; break;
    case 1: plan.start = CPoint(L + p, T - H); plan.direction = SLIDE_DOWN; counter = p + W; break;
    case 2: plan.start = CPoint(L - W, B - p - H); plan.direction = SLIDE_RIGHT; counter = p + H; break;
    case 3: plan.start = CPoint(L + p, B); plan.direction = SLIDE_UP; counter = p + W; break;
    case 4: plan.start = CPoint(R, T + p); plan.direction = SLIDE_LEFT; counter = p + H; break;
    case 5: plan.start = CPoint(R - p - W, T - H); plan.direction = SLIDE_DOWN; counter = p + W; break;
    case 7: plan.start = CPoint(R - p - W, B); plan.direction = SLIDE_UP; counter = p + W; break;
    default: {
        // The counter runs through columns of the work area's height: a
        // notice that would not fit above the previous ones starts a new
        // column further left, again at the bottom.
        const int column = std::max(B - T, 1);
        int col = p / column, offset = p % column;
        if (offset > 0 && offset + H > column) {
            ++col;
            offset = 0;
        }
        plan.start = CPoint(R - W * col, B - offset - H);
        plan.direction = SLIDE_LEFT;
        counter = col * column + offset + H;
        break;
    }
    }
    const bool sideways = plan.direction == SLIDE_LEFT || plan.direction == SLIDE_RIGHT;
    plan.steps = std::max((sideways ? W : H) / step, 1);
    plan.inInterval = slideInMs / (UINT)plan.steps;
    plan.outInterval = slideOutMs / (UINT)plan.steps;
    return plan;
}

CPoint SlideFullView(const SlidePlan& plan, CSize size, const CRect& work) {
    CPoint pos = plan.start;
    switch (plan.direction) {
    case SLIDE_DOWN: pos.y = plan.start.y + size.cy; break;
    case SLIDE_RIGHT: pos.x = plan.start.x + size.cx; break;
    case SLIDE_UP: pos.y = plan.start.y - size.cy; break;
    // From its own start, so that a notice of a further column stays in
    // that column instead of covering the first one.
    default: pos.x = plan.start.x - size.cx; break;
    }
    (void)work;
    return pos;
}

bool SlideTick(const SlidePlan& plan, CSize size, int step, const CRect& work, bool in, CPoint& pos) {
    step = std::max(step, 1);
    const CPoint full = SlideFullView(plan, size, work);
    // Unit vector of the slide-in direction.
    int dx = 0, dy = 0;
    switch (plan.direction) {
    case SLIDE_DOWN: dy = 1; break;
    case SLIDE_RIGHT: dx = 1; break;
    case SLIDE_UP: dy = -1; break;
    default: dx = -1; break;
    }
    if (in) {
        const int covered = dx ? (pos.x - plan.start.x) * dx : (pos.y - plan.start.y) * dy;
        const int extent = dx ? size.cx : size.cy;
        if (covered < extent) {
            // The last step stops at the full view instead of passing it.
            const int move = std::min(step, extent - covered);
            pos.Offset(dx * move, dy * move);
            return false;
        }
        pos = full;
        return true;
    }
    pos.Offset(-dx * step, -dy * step);
    const int left = dx ? (pos.x - plan.start.x) * dx : (pos.y - plan.start.y) * dy;
    if (left <= 0) {
        pos = plan.start;
        return true;
    }
    return false;
}
