// The quick-menu bar's decisions without its window: where the docked bar
// stands, which tool a point hits, where the tooltip balloon goes, which
// skin folding switches to, the docked skin, and the slide over an injected
// clock and fake timers.
#include "widgets/QuickMenuLogic.h"
#include "widgets/SkinDefinition.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(QuickMenuDocking, LeftEdgeFollowsTheWorkAreaWidth) {
    const int c = 500;
    const struct {
        CRect work;
        int offset;
        int left;
    } cases[] = {
        {CRect(0, 0, 1920, 1040), -1, 960},              // the middle of a wide area
        {CRect(100, 0, 2020, 1040), -1, 100 + 960},      // measured from the area's left
        {CRect(0, 0, 1600, 870), -1, 1600 - 400 - c},    // right edge 400 pixels in
        {CRect(0, 0, 1280, 984), -1, 1280 - 200 - c},    // right edge 200 pixels in
        {CRect(0, 0, 1400, 984), -1, 1400 - 200 - c},    // 1400 is not above 1400
        {CRect(0, 0, 1900, 984), -1, 1900 - 400 - c},    // 1900 is not above 1900
        {CRect(0, 0, 1920, 1040), 100, 100},             // DockXOffset wins
        {CRect(-1280, 0, 0, 1024), 0, -1280},
    };
    for (const auto& k : cases)
        EXPECT_EQ(QuickMenuDockX(k.work, c, k.offset), k.left) << k.work.Width() << " " << k.offset;
}

TEST(QuickMenuItems, PointsHitTheToolsTableEdgesIncluded) {
    const struct {
        CPoint point;
        int item;
    } cases[] = {
        {CPoint(5, 2), 0},    {CPoint(27, 23), 0},  {CPoint(4, 10), -1},  {CPoint(28, 10), -1},
        {CPoint(146, 12), 5}, {CPoint(176, 12), 6}, {CPoint(176, 3), -1}, {CPoint(256, 0), 10},
        {CPoint(256, 25), 10}, {CPoint(291, 19), 11}, {CPoint(291, 20), -1}, {CPoint(483, 22), 18},
        {CPoint(484, 12), -1}, {CPoint(250, 40), -1},
    };
    for (const auto& k : cases) EXPECT_EQ(QuickMenuItemAt(k.point), k.item) << k.point.x << "," << k.point.y;
    EXPECT_STREQ(GetQuickMenuItem(5).command, L"NEW_MEMO");
    EXPECT_EQ(GetQuickMenuItem(QUICK_MENU_ITEM_MENU).command, nullptr);
    EXPECT_STREQ(GetQuickMenuItem(QUICK_MENU_ITEM_WIDGETS).command, L"TOOLTIP_WIDGET:ZORELMENU");
    // Every anchor lies over its own tool.
    for (int i = 0; i < QUICK_MENU_ITEM_COUNT; ++i) {
        const QuickMenuItem& item = GetQuickMenuItem(i);
        EXPECT_GE(item.anchorX, item.hit.left) << i;
        EXPECT_LE(item.anchorX, item.hit.right) << i;
    }
}

TEST(QuickMenuBalloon, StaysInsideTheWindow) {
    // Item 0's balloon starts at the left edge; item 18's ends one pixel
    // inside the right one; a middle one is centred under its anchor.
    QuickMenuBalloon first = QuickMenuBalloonBox(GetQuickMenuItem(0).anchorX, 60.4, QUICK_MENU_WIDTH);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.width, 80);
    QuickMenuBalloon last = QuickMenuBalloonBox(GetQuickMenuItem(18).anchorX, 70.9, QUICK_MENU_WIDTH);
    EXPECT_EQ(last.width, 90);
    EXPECT_EQ(last.left + last.width, QUICK_MENU_WIDTH - 1);
    QuickMenuBalloon middle = QuickMenuBalloonBox(256, 40.0, QUICK_MENU_WIDTH);
    EXPECT_EQ(middle.left, 256 - 30);
}

TEST(QuickMenuSkins, FoldingSwitchesOnlyTheTwoLooks) {
    const struct {
        const wchar_t* file;
        bool expand;
        const wchar_t* command;
    } cases[] = {
        {L"C:\\Zorel\\skin\\Menu\\default\\memo_contract.xml", true, L"CHANGESKIN:memo_extend.xml"},
        {L"C:\\Zorel\\skin\\Menu\\default\\memo_extend.xml", false, L"CHANGESKIN:memo_contract.xml"},
        {L"C:\\Zorel\\skin\\Menu\\blue\\memo_contract_top.xml", true, L"CHANGESKIN:memo_extend_top.xml"},
        {L"C:\\Zorel\\skin\\Menu\\blue\\memo_extend_top.xml", false, L"CHANGESKIN:memo_contract_top.xml"},
        {L"C:\\Zorel\\skin\\Menu\\default\\memo_extend.xml", true, L""},   // already unfolded
        {L"C:\\Zorel\\skin\\Menu\\default\\memo_contract.xml", false, L""},
        {L"C:\\Zorel\\skin\\Menu\\mine\\other.xml", true, L""},
        {L"", true, L""},
    };
    for (const auto& k : cases)
        EXPECT_EQ(QuickMenuSkinSwitch(k.file, k.expand), CString(k.command)) << (LPCWSTR)CString(k.file);
}

TEST(QuickMenuSkins, DockedSkinHoldsTheStripAndTheHighlight) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(QuickMenuDockedSkinXml().c_str()));
    std::map<int, CInfoSection*> widgets;
    bool window = false;
    for (int i = 0; i < skin.GetSectionCount(); ++i) {
        CInfoSection* s = skin.GetSection(i);
        if (s->GetName() == L"WINDOW") {
            window = true;
            EXPECT_EQ(s->GetInt(L"WindowWidth", 0), QUICK_MENU_WIDTH);
            EXPECT_EQ(s->GetInt(L"WindowHeight", 0), QUICK_MENU_HEIGHT);
        } else if (s->HasKey(L"ID")) {
            widgets[s->GetInt(L"ID", 0)] = s;
        }
    }
    EXPECT_TRUE(window);
    ASSERT_TRUE(widgets.count(100) && widgets.count(101));
    EXPECT_EQ(widgets[100]->GetString(L"DrawType"), CString(L"FRAMEIMAGE"));
    EXPECT_EQ(widgets[100]->GetInt(L"ImageID", 0), 368);
    EXPECT_EQ(widgets[100]->GetInt(L"H", 0), 26);
    EXPECT_EQ(widgets[101]->GetString(L"DrawType"), CString(L"IMAGE"));
    EXPECT_EQ(widgets[101]->GetInt(L"ImageID", 0), 366);
    EXPECT_LT(widgets[101]->GetInt(L"Y", 0), -QUICK_MENU_HEIGHT);  // never draws itself
}

// ---- Sliding ----

struct FakeSlideHost : IQuickMenuSlideHost {
    void StartTimer(UINT id, UINT ms) override {
        running[id] = ms;
        due[id] = now + ms;
    }
    void StopTimer(UINT id) override { running.erase(id); }
    DWORD Now() override { return now; }
    void RepaintBar() override { ++repaints; }
    void OnLeft() override { ++left; }
    bool Runs(UINT id) const { return running.count(id) != 0; }

    std::map<UINT, UINT> running;
    std::map<UINT, DWORD> due;
    DWORD now = 100000;
    int repaints = 0;
    int left = 0;
};

struct QuickMenuSlide : ::testing::Test {
    FakeSlideHost host;
    CQuickMenuSlide slide{host};
    // Runs the timers that are due, in id order, every ms until nothing
    // runs or the time is up; the steps seen, one per repaint.
    std::vector<int> RunFor(DWORD total, DWORD every = 30) {
        std::vector<int> steps;
        for (DWORD t = 0; t < total && !host.running.empty(); t += every) {
            host.now += every;
            std::map<UINT, UINT> running = host.running;
            int before = host.repaints;
            for (const auto& timer : running) {
                if (!host.Runs(timer.first) || host.due[timer.first] > host.now) continue;
                host.due[timer.first] += timer.second;
                slide.OnTimer(timer.first);
            }
            if (host.repaints != before) steps.push_back(slide.GetStep());
        }
        return steps;
    }
};

TEST_F(QuickMenuSlide, OpensFromTwoToElevenInAbout270Ms) {
    slide.Configure(QuickMenuHiddenLevel(false), 0);
    slide.Rest();
    ASSERT_EQ(slide.GetStep(), 2);
    DWORD start = host.now;
    slide.OnHover();
    EXPECT_TRUE(host.Runs(TIMER_QUICK_MENU_SLIDE_OUT));
    std::vector<int> steps = RunFor(1000);
    EXPECT_EQ(steps, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(host.now - start, 270u);
    // Open, it rests: no timer runs.
    EXPECT_TRUE(host.running.empty());
}

TEST_F(QuickMenuSlide, SlowAndEarlyTimersStillEndFullyOpen) {
    slide.Configure(2, 0);
    slide.Rest();
    slide.OnHover();
    // One late tick makes up for all the steps it missed.
    host.now += 1000;
    slide.OnTimer(TIMER_QUICK_MENU_SLIDE_OUT);
    EXPECT_EQ(slide.GetStep(), QUICK_MENU_OPEN_STEP);
    EXPECT_FALSE(host.Runs(TIMER_QUICK_MENU_SLIDE_OUT));

    // Ticks faster than a step keep the time they did not use.
    slide.OnLeave();
    RunFor(1000);
    slide.OnHover();
    std::vector<int> steps = RunFor(1000, 20);
    EXPECT_EQ(steps.back(), QUICK_MENU_OPEN_STEP);
    EXPECT_EQ(steps.size(), 9u);
}

TEST_F(QuickMenuSlide, MenuDelayWaitsForTheRestingMouseAndLeavingCancelsIt) {
    slide.Configure(2, 5);
    slide.Rest();
    slide.OnHover();
    ASSERT_TRUE(host.Runs(TIMER_QUICK_MENU_DELAY));
    EXPECT_EQ(host.running[TIMER_QUICK_MENU_DELAY], 500u);
    EXPECT_FALSE(host.Runs(TIMER_QUICK_MENU_SLIDE_OUT));
    // Moving away before the delay is over: nothing opens.
    slide.OnLeave();
    EXPECT_FALSE(host.Runs(TIMER_QUICK_MENU_DELAY));
    RunFor(1000);
    EXPECT_EQ(slide.GetStep(), 2);
    EXPECT_TRUE(host.running.empty());
    // Resting through the delay opens it.
    slide.OnHover();
    slide.OnHover();  // a second hover report changes nothing
    host.now += 500;
    slide.OnTimer(TIMER_QUICK_MENU_DELAY);
    EXPECT_TRUE(host.Runs(TIMER_QUICK_MENU_SLIDE_OUT));
    RunFor(1000);
    EXPECT_EQ(slide.GetStep(), QUICK_MENU_OPEN_STEP);
}

TEST_F(QuickMenuSlide, HidesBackToTheLevelOfTheMinimizeSetting) {
    for (bool minimize : {false, true}) {
        slide.Configure(QuickMenuHiddenLevel(minimize), 0);
        slide.SetStep(QUICK_MENU_OPEN_STEP);
        slide.tooltipItem = 4;
        slide.pressedItem = 4;
        slide.OnLeave();
        EXPECT_EQ(slide.pressedItem, -1);
        std::vector<int> steps = RunFor(2000);
        EXPECT_EQ(slide.GetStep(), minimize ? 0 : 2);
        EXPECT_EQ((int)steps.size(), QUICK_MENU_OPEN_STEP - slide.GetStep());
        EXPECT_EQ(slide.tooltipItem, -1);
        // Hidden, the bar runs no timer at all.
        EXPECT_TRUE(host.running.empty());
    }
}

TEST_F(QuickMenuSlide, SlideOutOpensAndHidesAgainFourSecondsLater) {
    slide.Configure(2, 3);
    slide.Rest();
    slide.SlideOut();
    EXPECT_EQ(host.running[TIMER_QUICK_MENU_AUTO_HIDE], QUICK_MENU_AUTO_HIDE_MS);
    RunFor(300);
    EXPECT_EQ(slide.GetStep(), QUICK_MENU_OPEN_STEP);
    EXPECT_EQ(host.left, 0);
    RunFor(QUICK_MENU_AUTO_HIDE_MS);
    EXPECT_EQ(host.left, 1);  // as if the mouse had left: the work area is read again
    EXPECT_EQ(slide.GetStep(), 2);
    EXPECT_TRUE(host.running.empty());
}

}  // namespace
