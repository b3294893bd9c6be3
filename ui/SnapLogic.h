// Magnetic snapping of floating windows: while a window is dragged its edges
// jump to the edges of other windows, of the primary screen and of the
// monitors' work areas; while a note is resized the moving edge jumps to the
// edges of the other notes. Pure geometry over candidate rectangles.
#pragma once

#include "fw/Afx.h"

#include <vector>

namespace Snap {

// A window that may attract another: its rectangle and whether it is shown.
struct Candidate {
    CRect rect;
    bool visible = true;
};

// The state of a caption drag, taken when the caption button went down.
struct Drag {
    bool movable = true;
    CRect dragRect;   // the window rectangle at that moment
    CPoint dragPoint; // the cursor at that moment
    CPoint cursor;    // the cursor now
};

// [a0, a1] and [b0, b1] overlap: a0 or a1 lies in [b0, b1], or [a0, a1]
// covers [b0, b1].
bool RangesOverlap(int a0, int a1, int b0, int b1);

// Within reach only when strictly closer than the snap size: at exactly the
// snap size two windows stay apart.
bool WithinSnapDistance(int a, int b, int snapSize);

// The rectangle a dragged window takes. Windows that are not visible are
// ignored; then the screen, then every work area, in that order.
CRect OnMove(const CRect& proposed, const Drag& drag, bool docking, int snapSize,
             const std::vector<Candidate>& windows, const CRect& screen,
             const std::vector<CRect>& workAreas);

// The rectangle a note takes while its edge (WMSZ_ code) is dragged; every
// other note counts, shown or hidden.
CRect OnSize(const CRect& proposed, int edge, bool docking, int snapSize,
             const std::vector<Candidate>& notes);

}  // namespace Snap
