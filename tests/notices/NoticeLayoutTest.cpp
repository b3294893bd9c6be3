// Placing the balloon popup and planning and running the slides of notices.
#include "widgets/NoticeLayout.h"

#include <gtest/gtest.h>

namespace {
const CRect kWork(0, 0, 1024, 728);  // a task bar 40 pixels high below
const CSize kNotice(250, 130);
}  // namespace

TEST(ToolTipPlacementTest, AbovePointNearEdgesAndBelow) {
    struct Case {
        const char* name;
        int x, y, upArrow;
        int wantX, wantY, wantArrow;
        bool below;
    } cases[] = {
        // A 200 x 100 popup: half 100, arrow 87, 10 pixels above the point.
        {"centred above", 500, 400, 20, 400, 290, 87, false},
        {"left edge", 5, 400, 20, 0, 290, 13, false},
        {"left edge, arrow under the point", 40, 400, 20, 0, 290, 40, false},
        {"near the top goes below", 500, 50, 20, 400, 58, 87, true},
        // Right edge: shifted left by the overhang, at most so far that the
        // arrow stays clear of the corner.
        {"right edge", 1010, 400, 20, 824, 290, 170, false},
        {"right edge without up arrow", 1010, 400, 0, 910, 290, 87, false},
    };
    for (const Case& c : cases) {
        ToolTipPlacement p = PlaceToolTip(kWork, c.x, c.y, 200, 100, c.upArrow);
        EXPECT_EQ(c.wantX, p.x) << c.name;
        EXPECT_EQ(c.wantY, p.y) << c.name;
        EXPECT_EQ(c.wantArrow, p.arrowX) << c.name;
        EXPECT_EQ(c.below, p.below) << c.name;
        EXPECT_GE(p.arrowX, 13) << c.name;
    }
}

TEST(ToolTipPlacementTest, ArrowHiddenWhenDraggedAway) {
    const CPoint placed(400, 290);
    EXPECT_TRUE(ToolTipArrowShown(placed, placed));
    EXPECT_TRUE(ToolTipArrowShown(placed, CPoint(401, 291)));
    EXPECT_FALSE(ToolTipArrowShown(placed, CPoint(403, 290)));
    EXPECT_FALSE(ToolTipArrowShown(placed, CPoint(402, 291)));
    EXPECT_TRUE(ToolTipArrowShown(placed, CPoint(398, 290)));  // dragged back
}

TEST(SlidePlanTest, WideNoticeMovesEvery4MsFor125Steps) {
    int counter = 0;
    SlidePlan plan = PlanSlide(6, kNotice, 2, 500, 250, kWork, counter);
    EXPECT_EQ(125, plan.steps);
    EXPECT_EQ(4u, plan.inInterval);
    EXPECT_EQ(2u, plan.outInterval);
    // A step of 0 counts as 1 instead of dividing by zero.
    plan = PlanSlide(6, kNotice, 0, 500, 250, kWork, counter);
    EXPECT_EQ(250, plan.steps);
    plan = PlanSlide(3, CSize(10, 0), 2, 500, 250, kWork, counter);
    EXPECT_EQ(1, plan.steps);
}

TEST(SlidePlanTest, PlacementsStartOutsideAndAdvanceTheCounter) {
    const CRect work(10, 20, 1024, 728);
    struct Case {
        int placement;
        CPoint start, full;
        int direction, counter;
    } cases[] = {
        {0, CPoint(-240, 120), CPoint(10, 120), SLIDE_RIGHT, 230},
        {1, CPoint(110, -110), CPoint(110, 20), SLIDE_DOWN, 350},
        {2, CPoint(-240, 498), CPoint(10, 498), SLIDE_RIGHT, 230},
        {3, CPoint(110, 728), CPoint(110, 598), SLIDE_UP, 350},
        {4, CPoint(1024, 120), CPoint(774, 120), SLIDE_LEFT, 230},
        {5, CPoint(674, -110), CPoint(674, 20), SLIDE_DOWN, 350},
        {6, CPoint(1024, 498), CPoint(774, 498), SLIDE_LEFT, 230},
        {7, CPoint(674, 728), CPoint(674, 598), SLIDE_UP, 350},
    };
    for (const Case& c : cases) {
        int counter = 100;
        SlidePlan plan = PlanSlide(c.placement, kNotice, 2, 500, 500, work, counter);
        EXPECT_EQ(c.start, plan.start) << c.placement;
        EXPECT_EQ(c.full, SlideFullView(plan, kNotice, work)) << c.placement;
        EXPECT_EQ(c.direction, plan.direction) << c.placement;
        EXPECT_EQ(c.counter, counter) << c.placement;
    }
}

TEST(SlidePlanTest, BottomRightNoticesStackUpThenStartANewColumn) {
    const CRect work(0, 0, 1024, 300);
    int counter = 0;
    CPoint full[4];
    for (CPoint& f : full)
        f = SlideFullView(PlanSlide(6, kNotice, 2, 500, 500, work, counter), kNotice, work);
    EXPECT_EQ(CPoint(774, 170), full[0]);
    EXPECT_EQ(CPoint(774, 40), full[1]);
    // 260 + 130 > 300: a new column to the left, again from the bottom.
    EXPECT_EQ(CPoint(524, 170), full[2]);
    EXPECT_EQ(CPoint(524, 40), full[3]);
    EXPECT_EQ(560, counter);
}

TEST(SlideTickTest, SlidesInToFullViewAndOutToTheStart) {
    for (int placement = 0; placement < 8; ++placement) {
        int counter = 0;
        SlidePlan plan = PlanSlide(placement, kNotice, 3, 500, 500, kWork, counter);
        const CPoint full = SlideFullView(plan, kNotice, kWork);
        CPoint pos = plan.start;
        int ticks = 0;
        while (!SlideTick(plan, kNotice, 3, kWork, true, pos) && ticks < 1000)
            ++ticks;
        EXPECT_EQ(full, pos) << placement;
        EXPECT_LE(ticks, plan.steps + 1) << placement;
        ticks = 0;
        while (!SlideTick(plan, kNotice, 3, kWork, false, pos) && ticks < 1000)
            ++ticks;
        EXPECT_EQ(plan.start, pos) << placement;
        EXPECT_LE(ticks, plan.steps + 1) << placement;
    }
}
