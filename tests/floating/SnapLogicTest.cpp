#include "ui/SnapLogic.h"

#include "FakeMonitors.h"

#include <gtest/gtest.h>

namespace {

using Snap::Candidate;

const CRect kScreen(0, 0, 1280, 1024);
const std::vector<CRect> kWorkAreas{CRect(0, 0, 1280, 984)};

// A drag that puts the window at r (cursor and drag point the same).
Snap::Drag DragTo(const CRect& r) {
    Snap::Drag d;
    d.dragRect = r;
    return d;
}

TEST(SnapMove, Table) {
    const CRect elsewhere(1, 1, 2, 2);  // the system's proposal is not used
    struct Case {
        const char* what;
        CRect at;
        std::vector<Candidate> windows;
        std::vector<CRect> workAreas;
        CRect expected;
    } cases[] = {
        {"left edge 9 px from a window's right edge touches it", CRect(500, 300, 700, 400),
         {{CRect(291, 250, 491, 350), true}}, kWorkAreas, CRect(491, 300, 691, 400)},
        {"at exactly the snap size nothing happens", CRect(501, 300, 701, 400),
         {{CRect(291, 250, 491, 350), true}}, kWorkAreas, CRect(501, 300, 701, 400)},
        {"without overlapping ranges no snap", CRect(500, 300, 700, 400),
         {{CRect(291, 500, 491, 600), true}}, kWorkAreas, CRect(500, 300, 700, 400)},
        {"hidden windows do not attract a dragged one", CRect(500, 300, 700, 400),
         {{CRect(291, 250, 495, 350), false}}, kWorkAreas, CRect(500, 300, 700, 400)},
        {"top edge near 0 snaps to the screen's top", CRect(500, 6, 700, 106), {}, kWorkAreas,
         CRect(500, 0, 700, 100)},
        {"bottom snaps to the task bar's top", CRect(500, 876, 700, 980), {}, kWorkAreas,
         CRect(500, 880, 700, 984)},
        {"bottom takes the nearer of screen and work area", CRect(500, 921, 700, 1021), {},
         {CRect(0, 0, 1280, 1016)}, CRect(500, 924, 700, 1024)},
        {"touching below also lines up the left edge", CRect(405, 305, 605, 405),
         {{CRect(400, 100, 600, 300), true}}, kWorkAreas, CRect(400, 300, 600, 400)},
        {"the nearest edge wins", CRect(500, 300, 700, 400),
         {{CRect(291, 250, 493, 350), true}, {CRect(703, 250, 900, 350), true}}, kWorkAreas,
         CRect(503, 300, 703, 400)},
        {"a window on the left monitor snaps to its work area", CRect(-1020, 300, -820, 400), {},
         {CRect(0, 0, 1280, 984), CRect(-1024, 0, 0, 768)}, CRect(-1024, 300, -824, 400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Snap::OnMove(elsewhere, DragTo(c.at), true, 10, c.windows, kScreen, c.workAreas),
                  c.expected);
    }
}

TEST(SnapMove, RectangleFollowsTheCursorFromTheDragStart) {
    Snap::Drag d;
    d.dragRect = CRect(100, 100, 300, 200);
    d.dragPoint = CPoint(150, 110);
    d.cursor = CPoint(550, 210);
    EXPECT_EQ(Snap::OnMove(CRect(), d, true, 10, {}, kScreen, kWorkAreas), CRect(500, 200, 700, 300));
}

TEST(SnapMove, DockingOffAndFixedWindows) {
    Snap::Drag d = DragTo(CRect(500, 6, 700, 106));
    CRect proposed(510, 5, 710, 105);
    EXPECT_EQ(Snap::OnMove(proposed, d, false, 10, {}, kScreen, kWorkAreas), proposed);
    d.movable = false;
    // a fixed window keeps its drag rectangle, docking or not
    EXPECT_EQ(Snap::OnMove(proposed, d, false, 10, {}, kScreen, kWorkAreas), d.dragRect);
    EXPECT_EQ(Snap::OnMove(proposed, d, true, 10, {}, kScreen, kWorkAreas), d.dragRect);
}

TEST(SnapSize, Table) {
    struct Case {
        const char* what;
        int edge;
        CRect proposed;
        std::vector<Candidate> notes;
        CRect expected;
    } cases[] = {
        {"left edge to a hidden note's right edge (hidden notes count)", WMSZ_LEFT,
         CRect(509, 100, 709, 200), {{CRect(300, 50, 500, 250), false}}, CRect(500, 100, 709, 200)},
        {"right edge to a note's left edge", WMSZ_RIGHT, CRect(100, 100, 295, 200),
         {{CRect(300, 50, 500, 250), true}}, CRect(100, 100, 300, 200)},
        {"at exactly the snap size nothing happens", WMSZ_RIGHT, CRect(100, 100, 290, 200),
         {{CRect(300, 50, 500, 250), true}}, CRect(100, 100, 290, 200)},
        {"no overlap, no snap", WMSZ_RIGHT, CRect(100, 100, 295, 200),
         {{CRect(300, 300, 500, 450), true}}, CRect(100, 100, 295, 200)},
        {"top to top stops the search", WMSZ_TOP, CRect(150, 100, 250, 200),
         {{CRect(100, 95, 300, 300), true}, {CRect(100, 98, 300, 300), true}},
         CRect(150, 95, 250, 200)},
        {"bottom to top of a note below", WMSZ_BOTTOM, CRect(150, 100, 250, 294),
         {{CRect(100, 300, 300, 400), true}}, CRect(150, 100, 250, 300)},
        {"bottom-right corner snaps both edges", WMSZ_BOTTOMRIGHT, CRect(100, 100, 296, 297),
         {{CRect(300, 50, 500, 250), true}, {CRect(50, 300, 350, 400), true}},
         CRect(100, 100, 300, 300)},
        {"bottom-left corner", WMSZ_BOTTOMLEFT, CRect(504, 100, 700, 296),
         {{CRect(300, 50, 500, 250), true}, {CRect(450, 300, 800, 400), true}},
         CRect(500, 100, 700, 300)},
        {"the top-left corner never snaps", WMSZ_TOPLEFT, CRect(504, 104, 700, 296),
         {{CRect(300, 100, 500, 250), true}}, CRect(504, 104, 700, 296)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Snap::OnSize(c.proposed, c.edge, true, 10, c.notes), c.expected);
    }
    EXPECT_EQ(Snap::OnSize(CRect(509, 100, 709, 200), WMSZ_LEFT, false, 10,
                           {{CRect(300, 50, 500, 250), true}}),
              CRect(509, 100, 709, 200));
}

TEST(SnapRanges, OverlapAndReach) {
    EXPECT_TRUE(Snap::RangesOverlap(0, 10, 5, 20));
    EXPECT_TRUE(Snap::RangesOverlap(10, 30, 0, 10));  // touching ends overlap
    EXPECT_TRUE(Snap::RangesOverlap(0, 100, 10, 20)); // covers
    EXPECT_TRUE(Snap::RangesOverlap(12, 15, 10, 20)); // inside
    EXPECT_FALSE(Snap::RangesOverlap(0, 9, 10, 20));
    EXPECT_TRUE(Snap::WithinSnapDistance(100, 91, 10));
    EXPECT_FALSE(Snap::WithinSnapDistance(100, 90, 10));
    EXPECT_FALSE(Snap::WithinSnapDistance(100, 110, 10));
}

}  // namespace
