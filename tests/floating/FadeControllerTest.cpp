#include "ui/FadeController.h"
#include "ui/UiIds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Records what the controller does to its window; timers are fired by hand.
class FakeHost : public IFadeHost {
public:
    std::vector<int> opacities;
    std::vector<std::string> events;
    std::set<unsigned> timers;
    bool shown = false;
    bool clickThrough = true;
    int alpha = 255;
    bool mouseOverHiding = true;
    bool ctrl = false;
    bool inside = true;
    bool layered = true;
    CFadeController* controller = nullptr;

    void ApplyOpacity(int a) override { opacities.push_back(a); }
    void MakeClickThrough(bool on) override {
        clickThrough = on;
        shown = !on;
        events.push_back(on ? "through-on" : "through-off");
    }
    bool IsWindowShown() override { return shown; }
    void ShowNoActivate() override {
        shown = true;
        events.push_back("show");
    }
    void BringToTopIfNormal() override { events.push_back("top"); }
    int TargetAlpha() override { return alpha; }
    bool MouseOverHidingOn() override { return mouseOverHiding; }
    bool CtrlHeld() override { return ctrl; }
    bool CursorInside() override { return inside; }
    bool LayeredAvailable() override { return layered; }
    void StartTimer(unsigned id, unsigned) override { timers.insert(id); }
    void StopTimer(unsigned id) override { timers.erase(id); }
    void RunFadeIn() override { controller->FadeIn(); }
    void FadeInDone() override { events.push_back("fade-in-done"); }
    void FadeOutDone() override { events.push_back("fade-out-done"); }

    bool Running(unsigned id) const { return timers.count(id) != 0; }
    // Fires a timer until it stops, at most limit times.
    int RunTimer(unsigned id, int limit = 100) {
        int n = 0;
        while (Running(id) && n < limit) {
            controller->OnTimer(id);
            ++n;
        }
        return n;
    }
};

struct FadeTest : ::testing::Test {
    FakeHost host;
    CFadeController fade{host};
    FadeTest() { host.controller = &fade; }
};

TEST_F(FadeTest, FadeInFromHiddenRisesInFifteenthsOfTheTarget) {
    fade.FadeIn();
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_SHOWN);
    EXPECT_TRUE(host.shown);
    EXPECT_FALSE(host.clickThrough);
    host.RunTimer(TIMER_FADE_IN);
    std::vector<int> expected{0};
    for (int s = 1; s <= 15; ++s) expected.push_back(17 * s);
    EXPECT_EQ(host.opacities, expected);  // 0, then 17, 34, 51 ... 255
    EXPECT_EQ(fade.FadeStep(), 15);
    EXPECT_FALSE(host.Running(TIMER_FADE_IN));
    EXPECT_EQ(host.events.back(), "fade-in-done");
}

TEST_F(FadeTest, FadeInTruncatesTowardZeroForOtherTargets) {
    host.alpha = 200;
    fade.FadeIn();
    host.RunTimer(TIMER_FADE_IN);
    ASSERT_EQ(host.opacities.size(), 16u);
    EXPECT_EQ(host.opacities[1], 13);   // 200 / 15 = 13.3
    EXPECT_EQ(host.opacities[7], 93);   // 200 x 7 / 15 = 93.3
    EXPECT_EQ(host.opacities[15], 200);
}

TEST_F(FadeTest, FadeInOfAShownWindowOnlyReportsDone) {
    fade.ArmAutoHide(false, -1);
    host.opacities.clear();
    host.events.clear();
    fade.FadeIn();
    EXPECT_TRUE(host.opacities.empty());
    EXPECT_EQ(host.events, std::vector<std::string>{"fade-in-done"});
    EXPECT_FALSE(host.Running(TIMER_FADE_IN));
}

TEST_F(FadeTest, FadeOutFallsThroughFourteenStepsThenHides) {
    fade.ArmAutoHide(false, -1);
    host.opacities.clear();
    fade.FadeOut();
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_FADING_OUT);
    EXPECT_EQ(host.opacities, std::vector<int>{238});  // first step at once
    int ticks = host.RunTimer(TIMER_FADE_OUT);
    EXPECT_EQ(ticks, 14);  // 13 more steps, hidden at the fifteenth call
    EXPECT_EQ(host.opacities.size(), 14u);
    EXPECT_EQ(host.opacities.back(), 17);
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_HIDDEN);
    EXPECT_EQ(fade.FadeStep(), 0);
    EXPECT_TRUE(host.clickThrough);
    EXPECT_EQ(host.events.back(), "fade-out-done");
}

TEST_F(FadeTest, HideWithoutAnimationFinishesBeforeReturning) {
    fade.ArmAutoHide(false, -1);
    host.events.clear();
    fade.Hide(false);
    EXPECT_EQ(host.events, (std::vector<std::string>{"through-on", "fade-out-done"}));
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_HIDDEN);
    EXPECT_FALSE(host.Running(TIMER_FADE_OUT));
}

TEST_F(FadeTest, FadeInDuringFadeOutContinuesFromTheReachedStep) {
    fade.ArmAutoHide(false, -1);
    fade.FadeOut();
    host.RunTimer(TIMER_FADE_OUT, 4);  // step 15 -> 10
    ASSERT_EQ(fade.FadeStep(), 10);
    host.opacities.clear();
    fade.FadeIn();
    EXPECT_FALSE(host.Running(TIMER_FADE_OUT));
    EXPECT_EQ(host.opacities, (std::vector<int>{0, 187}));  // 0, then step 11
}

TEST_F(FadeTest, AutoHideShowsAtOnceAndFadesOutWhenTheTimerFires) {
    host.alpha = 180;
    fade.ArmAutoHide(false, 5000);
    EXPECT_EQ(host.opacities, std::vector<int>{180});
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_SHOWN);
    EXPECT_EQ(fade.FadeStep(), 15);
    EXPECT_TRUE(host.Running(TIMER_AUTO_HIDE));
    EXPECT_EQ(host.events.back(), "top");
    fade.OnTimer(TIMER_AUTO_HIDE);
    EXPECT_FALSE(host.Running(TIMER_AUTO_HIDE));
    EXPECT_EQ(fade.FadeState(), CFadeController::STATE_FADING_OUT);
}

TEST_F(FadeTest, AutoHideWithFadeAndNoElapseStaysShown) {
    fade.ArmAutoHide(true, -1);
    EXPECT_FALSE(host.Running(TIMER_AUTO_HIDE));
    EXPECT_TRUE(host.Running(TIMER_FADE_IN));
    EXPECT_EQ(host.events.back(), "top");
    fade.ArmAutoHide(true, 3000);
    EXPECT_TRUE(host.Running(TIMER_AUTO_HIDE));
}

TEST_F(FadeTest, WithoutLayeredWindowsFadesStillShowAndHide) {
    host.layered = false;
    fade.FadeIn();
    host.RunTimer(TIMER_FADE_IN);
    EXPECT_TRUE(host.shown);
    EXPECT_TRUE(host.opacities.empty());
    fade.Hide(false);
    EXPECT_FALSE(host.shown);
    EXPECT_EQ(host.events.back(), "fade-out-done");
    fade.StartMouseOverHiding();
    EXPECT_FALSE(fade.MouseOverRunning());
    EXPECT_FALSE(host.Running(TIMER_MOUSEOVER_STEP));
}

TEST_F(FadeTest, MouseOverHidingStepsDownHidesAndComesBackWhenTheCursorLeaves) {
    fade.ArmAutoHide(false, -1);
    host.opacities.clear();
    fade.StartMouseOverHiding();
    EXPECT_TRUE(fade.MouseOverRunning());
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    EXPECT_EQ(host.opacities, (std::vector<int>{204, 153, 102, 51, 0}));
    EXPECT_FALSE(host.shown);
    EXPECT_TRUE(host.clickThrough);
    EXPECT_FALSE(fade.MouseOverRunning());
    EXPECT_TRUE(host.Running(TIMER_MOUSEOVER_POLL));

    fade.OnTimer(TIMER_MOUSEOVER_POLL);  // cursor still there: stays hidden
    EXPECT_FALSE(host.shown);
    host.inside = false;
    fade.OnTimer(TIMER_MOUSEOVER_POLL);
    EXPECT_TRUE(host.shown);
    EXPECT_FALSE(host.Running(TIMER_MOUSEOVER_POLL));
    host.opacities.clear();
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    EXPECT_EQ(host.opacities, (std::vector<int>{51, 102, 153, 204, 255}));
    EXPECT_EQ(fade.MouseOverStepValue(), 5);
}

TEST_F(FadeTest, MouseOverHidingEndsWhenTheOptionIsSwitchedOff) {
    fade.StartMouseOverHiding();
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    host.mouseOverHiding = false;
    fade.OnTimer(TIMER_MOUSEOVER_POLL);
    EXPECT_TRUE(host.shown);
    EXPECT_TRUE(host.Running(TIMER_MOUSEOVER_STEP));
}

TEST_F(FadeTest, CtrlKeepsTheWindowAndBringsAHalfHiddenOneBack) {
    host.ctrl = true;
    fade.StartMouseOverHiding();
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    EXPECT_TRUE(host.opacities.empty());
    EXPECT_EQ(fade.MouseOverStepValue(), 5);

    host.ctrl = false;
    fade.StartMouseOverHiding();
    fade.OnTimer(TIMER_MOUSEOVER_STEP);  // 4/5, then 3/5
    host.ctrl = true;
    host.opacities.clear();
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    EXPECT_EQ(host.opacities, (std::vector<int>{204, 255}));
    EXPECT_FALSE(fade.MouseOverRunning());
}

TEST_F(FadeTest, FadeOutStopsTheHiddenWindowsPoll) {
    fade.StartMouseOverHiding();
    host.RunTimer(TIMER_MOUSEOVER_STEP);
    ASSERT_TRUE(host.Running(TIMER_MOUSEOVER_POLL));
    fade.Hide(false);
    EXPECT_FALSE(host.Running(TIMER_MOUSEOVER_POLL));
}

TEST_F(FadeTest, OtherTimersAreNotTheBases) {
    EXPECT_FALSE(fade.OnTimer(3200));
    EXPECT_TRUE(fade.OnTimer(TIMER_FADE_IN));
}

}  // namespace
