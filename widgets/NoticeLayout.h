// Where the balloon popup and the sliding notices go, and how fast notices
// slide: plain arithmetic over rectangles and sizes, apart from the windows.
#pragma once

#include "fw/Afx.h"

// The balloon popup placed beside a point (x, y) inside the work rectangle.
struct ToolTipPlacement {
    int x = 0, y = 0;   // the window's top-left corner
    int arrowX = 0;     // the arrow's horizontal position inside the window
    bool below = false; // placed under the point: the up arrow sits at the top
};

// width, height: the window's size; upArrowWidth: the up arrow's width, 0
// when the skin has none.
ToolTipPlacement PlaceToolTip(const CRect& work, int x, int y, int width, int height, int upArrowWidth);

// A popup dragged away from its placed corner loses its arrow; one brought
// back within two pixels shows it again.
bool ToolTipArrowShown(CPoint placed, CPoint now);

// Slide directions of a notice.
enum SlideDirection { SLIDE_DOWN = 1, SLIDE_RIGHT = 2, SLIDE_LEFT = 3, SLIDE_UP = 4 };

struct SlidePlan {
    CPoint start;          // outside the work area, before the slide
    int direction = SLIDE_LEFT;
    int steps = 1;         // ticks to slide fully in (at least 1)
    UINT inInterval = 0;   // ms between slide-in ticks
    UINT outInterval = 0;  // ms between slide-out ticks
};

// Plans a notice of the given size for placement 0-7 (0 left/top, 1 top/left,
// 2 left/bottom, 3 bottom/left, 4 right/top, 5 top/right, 6 right/bottom,
// 7 bottom/right). counter is the caller's stacking position: it comes back
// advanced so that the next notice of the batch does not overlap this one.
// Bottom placements use the work area's bottom, so a notice never hides
// under a task bar; a step below 1 counts as 1.
SlidePlan PlanSlide(int placement, CSize size, int step, UINT slideInMs, UINT slideOutMs, const CRect& work,
                    int& counter);

// The corner of a notice in full view, for a plan's start and direction.
CPoint SlideFullView(const SlidePlan& plan, CSize size, const CRect& work);

// One tick of a slide from pos: in (towards full view) or out (back to the
// start). Returns true when the slide has reached its end, pos then exactly
// at full view or at the start.
bool SlideTick(const SlidePlan& plan, CSize size, int step, const CRect& work, bool in, CPoint& pos);
