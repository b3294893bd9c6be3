// The tooltip widget as a real window with the program's own quick-menu and
// launcher skins: placed beside a point with its arrow, losing the arrow
// when dragged away, hiding when it loses activation or the cursor leaves,
// and Shift keeping it open across commands.
#include "NoticeTestSupport.h"

#include "ScreenPicture.h"

#include "shell/ProgramFolder.h"
#include "shell/Monitors.h"
#include "widgets/ToolTipWidgetDlg.h"
#include "widgets/WidgetIds.h"

#include <gdiplus.h>

namespace {

class TestToolTip : public CToolTipWidgetDlg {
public:
    bool shift = false;
    CPoint cursor{5, 5};
    std::vector<CString> ran;

protected:
    bool ShiftHeld() override { return shift; }
    CPoint CursorPos() override { return cursor; }
};

struct ToolTipWidgetTest : NoticeWindowTest {
    CString savedFolder;
    TestToolTip* popup = nullptr;
    CRect desktop;

    void SetUp() override {
        NoticeWindowTest::SetUp();
        savedFolder = g_ProgramFolder;
        g_ProgramFolder = SourceFolder() + L"data\\";
        GetVirtualDesktopRect(desktop);
        popup = new TestToolTip;
        popup->SetMode(CToolTipWidgetDlg::MODE_PLAIN);
        ASSERT_TRUE(popup->Create(IDD_SKIN_WINDOW, nullptr));
    }
    void TearDown() override {
        if (popup) {
            popup->DestroyWindow();
            popup->Release();
        }
        g_ProgramFolder = savedFolder;
        NoticeWindowTest::TearDown();
    }
    bool ShownFully() { return popup->IsVisible() && popup->GetFadeStep() >= 15; }
    bool Hidden() { return !::IsWindowVisible(popup->m_hWnd); }
    // Some pixel beyond the panel, where the arrow goes, is not transparent.
    bool ArrowDrawn(bool atTop) {
        popup->Repaint();
        int x = popup->GetPlacement().arrowX;
        int top = atTop ? 0 : (int)popup->GetBackBuffer()->GetHeight() - 12;
        for (int y = top; y < top + 12; ++y)
            for (int dx = 4; dx < 22; ++dx)
                if ((Pixel(popup->GetBackBuffer(), x + dx, y) >> 24) != 0) return true;
        return false;
    }
};

}  // namespace

TEST_F(ToolTipWidgetTest, PlacedBesideThePointWithItsArrow) {
    const struct {
        const wchar_t* skin;
        int dx, dy;  // the point from the desktop's left and top
        bool below;
    } cases[] = {
        {L"", 400, 300, false},
        {L"DEFAULT", 400, 300, false},
        {L"SYSTEM", 4, 300, false},   // near the left edge
        {L"SYSTEM", 400, 10, true},   // near the top: below the point
    };
    for (const auto& c : cases) {
        int x = desktop.left + c.dx, y = desktop.top + c.dy;
        popup->ShowAt(x, y, c.skin);
        ASSERT_TRUE(popup->HasArrows()) << c.skin;
        CRect r;
        popup->GetWindowRect(&r);
        ToolTipPlacement expected = PlaceToolTip(desktop, x, y, r.Width(), r.Height(), 26);
        EXPECT_EQ(r.TopLeft(), CPoint(expected.x, expected.y)) << c.skin << c.dx;
        EXPECT_EQ(popup->GetPlacement().below, c.below);
        EXPECT_GE(popup->GetPlacement().arrowX, 13);
        EXPECT_EQ(popup->GetMode(), *c.skin ? CToolTipWidgetDlg::MODE_LAUNCHER : CToolTipWidgetDlg::MODE_PLAIN);
        EXPECT_TRUE(ArrowDrawn(c.below)) << c.skin << c.dx;
        EXPECT_FALSE(ArrowDrawn(!c.below)) << c.skin << c.dx;
        if (c.dx == 4) {
            EXPECT_EQ(r.left, desktop.left);
        }
        ASSERT_TRUE(PumpUntil([&] { return ShownFully(); }));
        if (ScreenshotsWanted() && *c.skin == L'D') SaveScreenPicture(L"tooltip_widget_launcher", {popup->m_hWnd});
        if (ScreenshotsWanted() && c.below) SaveScreenPicture(L"tooltip_widget_below", {popup->m_hWnd});
        popup->HidePopup(FALSE);
    }
}

TEST_F(ToolTipWidgetTest, DraggedAwayItLosesTheArrowAndBackItShowsItAgain) {
    popup->ShowAt(desktop.left + 400, desktop.top + 300, L"SYSTEM");
    CPoint placed = TopLeft(popup);
    const struct {
        int dx, dy;
        bool shown;
    } moves[] = {{5, 0}, {1, 1}, {0, 3}, {2, 0}, {0, 0}};
    for (const auto& m : moves) {
        popup->SetWindowPos(nullptr, placed.x + m.dx, placed.y + m.dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        bool expected = std::abs(m.dx) + std::abs(m.dy) < 3;
        EXPECT_EQ(popup->IsArrowShown(), expected) << m.dx << "," << m.dy;
        EXPECT_EQ(ArrowDrawn(false), expected);
    }
}

TEST_F(ToolTipWidgetTest, APlainPopupHidesHalfASecondAfterLosingActivation) {
    popup->ShowAt(desktop.left + 400, desktop.top + 300, L"");
    ASSERT_TRUE(PumpUntil([&] { return popup->IsActivated(); }));
    popup->SendMessage(WM_NCACTIVATE, FALSE);
    PumpFor(200);
    EXPECT_FALSE(Hidden());
    EXPECT_TRUE(PumpUntil([&] { return Hidden(); }, 1500));
}

TEST_F(ToolTipWidgetTest, TheCursorWatchHidesALauncherOnceTheCursorLeftItAndItsOwner) {
    bool ownerDeleted;
    CPopUpDlg* opener = new Tracked<CPopUpDlg>(&ownerDeleted);
    ASSERT_TRUE(opener->CreateWithTitle(nullptr, L"opener"));
    opener->ShowPopup(600, 400, 0, L"");
    popup->ShowAt(desktop.left + 400, desktop.top + 300, L"DEFAULT");
    popup->SetOwnerWindow(opener);
    popup->cursor = Offset(TopLeft(opener), 5, 5);  // on the owner
    PumpFor(1200);
    EXPECT_FALSE(Hidden());
    popup->cursor = CPoint(desktop.right - 1, desktop.bottom - 1);
    EXPECT_TRUE(PumpUntil([&] { return Hidden(); }, 1500));
    EXPECT_EQ(popup->GetMode(), CToolTipWidgetDlg::MODE_HIDING);
    opener->DestroyWindow();
}

TEST_F(ToolTipWidgetTest, ShiftKeepsItOpenAcrossCommandsAndHideOthersSparesTheOwner) {
    bool ownerDeleted;
    CPopUpDlg* opener = new Tracked<CPopUpDlg>(&ownerDeleted);
    ASSERT_TRUE(opener->CreateWithTitle(nullptr, L"opener"));
    opener->ShowPopup(600, 400, 0, L"");
    const struct {
        const wchar_t* command;
        bool shift;
        bool stays;
    } cases[] = {
        {L"NOTHING_TO_RUN", true, true},
        {L"NOTHING_TO_RUN", false, false},
        {L"hide_others", true, true},
        {L"HIDE_OTHERS", false, false},
    };
    for (const auto& c : cases) {
        owner.hidOthersExcept.clear();
        popup->ShowAt(desktop.left + 400, desktop.top + 300, L"DEFAULT");
        popup->SetOwnerWindow(opener);
        popup->cursor = Offset(TopLeft(popup), 20, 20);
        ASSERT_TRUE(PumpUntil([&] { return ShownFully(); }));
        popup->shift = c.shift;
        popup->ExecuteCommand(c.command);
        PumpFor(600);
        EXPECT_EQ(!Hidden(), c.stays) << c.command << c.shift;
        bool hideOthers = CString(c.command).CompareNoCase(L"HIDE_OTHERS") == 0;
        ASSERT_EQ(owner.hidOthersExcept.size(), hideOthers ? 1u : 0u);
        if (hideOthers) {
            EXPECT_EQ(owner.hidOthersExcept[0], opener);
        }
    }
    opener->DestroyWindow();
}
