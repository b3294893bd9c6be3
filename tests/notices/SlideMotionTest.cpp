// A sliding notice's life driven tick by tick through a recording window.
#include "widgets/SlideMotion.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class FakeSlideWindow : public ISlideWindow {
public:
    void StartTimer(UINT id, UINT ms) override { timers[id] = ms; }
    void StopTimer(UINT id) override { timers.erase(id); }
    void MoveTo(CPoint p) override { pos = p; }
    void Finished() override { finished = true; }

    std::map<UINT, UINT> timers;  // running timers and their intervals
    CPoint pos;
    bool finished = false;
};

const CRect kWork(0, 0, 1024, 728);
const CSize kSize(250, 130);
const UINT kStay = 5000;

class SlideMotionTest : public ::testing::Test {
protected:
    void SetUp() override {
        int counter = 0;
        plan = PlanSlide(6, kSize, 2, 500, 250, kWork, counter);
        motion.Start(plan, kSize, 2, kWork, kStay);
    }
    // Ticks the running slide timer until the state changes.
    void RunState() {
        const int state = motion.State();
        for (int i = 0; i < 1000 && motion.State() == state; ++i) {
            ASSERT_FALSE(window.timers.empty());
            motion.OnTimer(window.timers.begin()->first, false);
        }
    }

    FakeSlideWindow window;
    CSlideMotion motion{window};
    SlidePlan plan;
    const CPoint full{774, 598};
};

}  // namespace

TEST_F(SlideMotionTest, SlidesInStaysSlidesOutAndFinishes) {
    EXPECT_EQ(plan.start, window.pos);
    EXPECT_EQ(4u, window.timers[CSlideMotion::TIMER_IN]);
    RunState();
    EXPECT_EQ(CSlideMotion::STATE_STAY, motion.State());
    EXPECT_EQ(full, window.pos);
    EXPECT_EQ((std::map<UINT, UINT>{{CSlideMotion::TIMER_STAY, kStay}}), window.timers);
    RunState();
    EXPECT_EQ(CSlideMotion::STATE_OUT, motion.State());
    EXPECT_EQ((std::map<UINT, UINT>{{CSlideMotion::TIMER_OUT, 2u}}), window.timers);
    RunState();
    EXPECT_EQ(CSlideMotion::STATE_IDLE, motion.State());
    EXPECT_EQ(plan.start, window.pos);
    EXPECT_TRUE(window.timers.empty());
    EXPECT_TRUE(window.finished);
}

TEST_F(SlideMotionTest, PointingStopsInFullViewAndLeavingSlidesOutAtOnce) {
    for (int i = 0; i < 10; ++i) motion.OnTimer(CSlideMotion::TIMER_IN, false);
    motion.OnHover();
    EXPECT_TRUE(motion.Hovering());
    EXPECT_EQ(full, window.pos);
    EXPECT_TRUE(window.timers.empty());
    motion.OnTimer(CSlideMotion::TIMER_IN, true);  // a late tick moves nothing
    EXPECT_EQ(full, window.pos);
    motion.OnLeave(false);
    EXPECT_EQ(CSlideMotion::STATE_OUT, motion.State());
    EXPECT_EQ((std::map<UINT, UINT>{{CSlideMotion::TIMER_OUT, 2u}}), window.timers);
}

TEST_F(SlideMotionTest, LeavingOntoTheNoticeItselfKeepsItShown) {
    RunState();
    motion.OnHover();
    motion.OnLeave(true);
    EXPECT_FALSE(motion.Hovering());
    EXPECT_TRUE(window.timers.empty());
    EXPECT_FALSE(window.finished);
}

TEST_F(SlideMotionTest, ButtonHoverWatchesTheCursor) {
    RunState();
    motion.OnButtonHover();
    EXPECT_EQ(CSlideMotion::kHoverCheckMs, window.timers[CSlideMotion::TIMER_HOVER]);
    motion.OnTimer(CSlideMotion::TIMER_HOVER, true);
    EXPECT_TRUE(motion.Hovering());
    motion.OnTimer(CSlideMotion::TIMER_HOVER, false);
    EXPECT_FALSE(motion.Hovering());
    EXPECT_EQ((std::map<UINT, UINT>{{CSlideMotion::TIMER_OUT, 2u}}), window.timers);
}

TEST_F(SlideMotionTest, NewTextBringsASlidingOutNoticeBack) {
    RunState();
    EXPECT_TRUE(motion.ShowAgain());  // staying: the stay starts again
    EXPECT_EQ(kStay, window.timers[CSlideMotion::TIMER_STAY]);
    RunState();
    for (int i = 0; i < 20; ++i) motion.OnTimer(CSlideMotion::TIMER_OUT, false);
    EXPECT_NE(full, window.pos);
    EXPECT_TRUE(motion.ShowAgain());
    EXPECT_EQ(CSlideMotion::STATE_STAY, motion.State());
    EXPECT_EQ(full, window.pos);
    EXPECT_EQ((std::map<UINT, UINT>{{CSlideMotion::TIMER_STAY, kStay}}), window.timers);
    RunState();
    RunState();
    EXPECT_TRUE(window.finished);
    EXPECT_FALSE(motion.ShowAgain());
}
