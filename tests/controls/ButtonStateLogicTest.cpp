#include "ui/ButtonStateLogic.h"

#include <gtest/gtest.h>

TEST(ButtonStateLogic, ClickSendsOnRelease) {
    CButtonStateLogic b;
    auto e = b.OnMouseMove(true, false);
    EXPECT_TRUE(e.capture);
    EXPECT_EQ(CButtonStateLogic::Hover, b.m_nState);
    e = b.OnLButtonDown();
    EXPECT_FALSE(e.command);
    EXPECT_EQ(CButtonStateLogic::Pressed, b.m_nState);
    e = b.OnLButtonUp(false);
    EXPECT_TRUE(e.command);
    EXPECT_TRUE(e.release);
    EXPECT_EQ(CButtonStateLogic::Normal, b.m_nState);
    EXPECT_FALSE(b.m_bArmed);
}

TEST(ButtonStateLogic, PressDragOffAndReleaseSendsNothing) {
    CButtonStateLogic b;
    b.OnMouseMove(true, false);
    b.OnLButtonDown();
    auto e = b.OnMouseMove(false, true);
    EXPECT_TRUE(e.release);
    EXPECT_EQ(CButtonStateLogic::Normal, b.m_nState);
    // Back over the button with the button still held, then released.
    b.OnMouseMove(true, false);
    EXPECT_FALSE(b.OnLButtonUp(false).command);
}

TEST(ButtonStateLogic, CheckButtonTogglesBeforeCommand) {
    CButtonStateLogic b;
    b.OnLButtonDown();
    EXPECT_EQ(1, CButtonStateLogic::CheckButtonCell(b.m_nState, b.m_bChecked, false));  // shows what release gives
    auto e = b.OnLButtonUp(true);
    EXPECT_TRUE(e.command);
    EXPECT_TRUE(b.m_bChecked);
    b.OnLButtonDown();
    EXPECT_EQ(0, CButtonStateLogic::CheckButtonCell(b.m_nState, b.m_bChecked, false));
    b.OnLButtonUp(true);
    EXPECT_FALSE(b.m_bChecked);
}

TEST(ButtonStateLogic, IgnoreFlagStopsEverything) {
    CButtonStateLogic b;
    b.m_bIgnore = TRUE;
    EXPECT_FALSE(b.OnMouseMove(true, false).capture);
    EXPECT_FALSE(b.OnLButtonDown().capture);
    EXPECT_FALSE(b.OnLButtonUp(false).command);
    EXPECT_EQ(CButtonStateLogic::Normal, b.m_nState);
}

TEST(ButtonStateLogic, HitAreaButtonReportsOnPress) {
    CButtonStateLogic b;
    EXPECT_TRUE(b.OnLButtonDown(true).command);
    EXPECT_FALSE(b.OnLButtonUp(false, false).command);
}

TEST(ButtonStateLogic, SetStateValues) {
    CButtonStateLogic b;
    EXPECT_FALSE(b.SetState(3));
    EXPECT_EQ(3, b.m_nState);
    EXPECT_TRUE(b.SetState(7));
    EXPECT_EQ(1, b.m_nState);
    EXPECT_TRUE(b.SetState(0));
    EXPECT_EQ(0, b.m_nState);
}

TEST(ButtonStateLogic, CellsOfStrips) {
    // push buttons: state, checked, disabled item -> cell
    struct Case { int state; bool checked; bool disabled; int cell; } push[] = {
        {0, false, false, 0}, {1, false, false, 1}, {2, false, false, 2}, {3, false, false, 3},
        {1, true, false, 0},  {2, true, false, 0},  {3, true, false, 3}, {1, false, true, 3},
    };
    for (const Case& c : push)
        EXPECT_EQ(c.cell, CButtonStateLogic::PushButtonCell(c.state, c.checked, c.disabled)) << c.state << c.checked;
    Case check[] = {
        {1, false, false, 0}, {2, true, false, 1}, {0, false, false, 1}, {0, true, false, 0},
        {3, true, false, 2},  {1, true, true, 2},
    };
    for (const Case& c : check)
        EXPECT_EQ(c.cell, CButtonStateLogic::CheckButtonCell(c.state, c.checked, c.disabled)) << c.state << c.checked;
    COLORREF p = RGB(0, 105, 179), n = RGB(60, 80, 120), h = RGB(223, 0, 41);
    EXPECT_EQ(p, CButtonStateLogic::CheckButtonFill(0, p, n, h));
    EXPECT_EQ(h, CButtonStateLogic::CheckButtonFill(2, p, n, h));
    EXPECT_EQ(n, CButtonStateLogic::CheckButtonFill(1, p, n, h));
    EXPECT_EQ(n, CButtonStateLogic::CheckButtonFill(3, p, n, h));
}
