// Floating windows on a real (virtual) screen.
#include "FakeMonitors.h"
#include "FloatingTestSupport.h"

#include "ui/UiIds.h"

CFloatingOptions FloatingWindowTest::s_options;

namespace {

TEST_F(FloatingWindowTest, RegisteredFromInitialisationUntilDestroyed) {
    int before = g_ZDialogSerial;
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    TestZDialog* b = Make(CRect(400, 100, 600, 200));
    EXPECT_EQ(a->GetSerial(), before + 1);
    EXPECT_EQ(b->GetSerial(), before + 2);
    EXPECT_TRUE(IsDialogRegistered(a));
    EXPECT_TRUE(::GetWindowLongPtrW(a->m_hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindow(a->m_hWnd, GW_OWNER), nullptr);
    EXPECT_EQ(FindRegisteredDialog(b->GetSerial()), b);
    a->DestroyWindow();
    EXPECT_FALSE(IsDialogRegistered(a));
    EXPECT_EQ(FindRegisteredDialog(a->GetSerial()), nullptr);
    // A window made after a destroyed one never gets its number again.
    TestZDialog* c = Make(CRect(100, 300, 300, 400));
    EXPECT_EQ(c->GetSerial(), before + 3);
}

TEST_F(FloatingWindowTest, SafePostMessageReachesOnlyRegisteredWindows) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    SafePostMessage(w, WM_NULL, 0, 0);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, w->m_hWnd, WM_NULL, WM_NULL, PM_REMOVE));
    HWND gone = w->m_hWnd;
    w->DestroyWindow();
    SafePostMessage(w, WM_NULL, 0, 0);
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_NULL, WM_NULL, PM_REMOVE));
    EXPECT_FALSE(::IsWindow(gone));
}

TEST_F(FloatingWindowTest, FadeInSetsFifteenthsOfTheTargetOnTheWindow) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->FadeIn();
    EXPECT_TRUE(w->IsVisible());
    EXPECT_EQ(AlphaOf(w->m_hWnd), 17);
    std::vector<int> seen{AlphaOf(w->m_hWnd)};
    for (int i = 0; i < 13; ++i) {
        Tick(w, TIMER_FADE_IN);
        seen.push_back(AlphaOf(w->m_hWnd));
    }
    std::vector<int> expected;
    for (int s = 1; s <= 14; ++s) expected.push_back(17 * s);
    EXPECT_EQ(seen, expected);
    Tick(w, TIMER_FADE_IN);  // 255: the layered style is taken off
    EXPECT_FALSE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(w->fadeInDone, 0);
    Tick(w, TIMER_FADE_IN);
    EXPECT_EQ(w->fadeInDone, 1);
    EXPECT_EQ(w->GetFadeState(), 3);
}

TEST_F(FloatingWindowTest, HideWithoutFadeRunsTheHookBeforeReturning) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->ArmAutoHide(FALSE, -1);
    ASSERT_TRUE(w->IsVisible());
    w->Hide(FALSE);
    EXPECT_EQ(w->fadeOutDone, 1);
    EXPECT_FALSE(w->IsVisible());
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_EQ(w->GetFadeState(), 0);
}

TEST_F(FloatingWindowTest, OptionsSetBeforeCreationApplyWhenShown) {
    TestZDialog* w = new TestZDialog();
    windows.push_back(w);
    w->SetAlpha(120);
    w->SetPosition(40, 50);
    EXPECT_EQ(w->GetAlpha(), 120);
    ASSERT_TRUE(w->CreateAt(CRect(100, 100, 300, 200)));
    w->ArmAutoHide(FALSE, -1);
    EXPECT_EQ(AlphaOf(w->m_hWnd), 120);
}

TEST_F(FloatingWindowTest, AnimatedHideTakesFourteenStepsOnTheTimer) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->SetAlpha(150);
    w->ArmAutoHide(FALSE, -1);
    EXPECT_EQ(AlphaOf(w->m_hWnd), 150);
    w->Hide(TRUE);
    EXPECT_EQ(AlphaOf(w->m_hWnd), 140);  // 150 x 14 / 15
    for (int i = 0; i < 13; ++i) Tick(w, TIMER_FADE_OUT);
    EXPECT_EQ(AlphaOf(w->m_hWnd), 10);
    EXPECT_TRUE(w->IsVisible());
    Tick(w, TIMER_FADE_OUT);
    EXPECT_FALSE(w->IsVisible());
    EXPECT_EQ(w->fadeOutDone, 1);
}

TEST_F(FloatingWindowTest, MouseOverHidingFadesAwayAndComesBackWhenTheCursorLeaves) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->m_bMouseOverHiding = 1;
    w->ArmAutoHide(FALSE, -1);
    ::SetCursorPos(200, 150);
    POINT p;
    ::GetCursorPos(&p);
    if (p.x != 200 || p.y != 150) GTEST_SKIP() << "the cursor cannot be placed on this display";
    ::SendMessageW(w->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 50));
    EXPECT_TRUE(w->IsMouseOverRunning());
    std::vector<int> seen{AlphaOf(w->m_hWnd)};
    for (int i = 0; i < 3; ++i) {
        Tick(w, TIMER_MOUSEOVER_STEP);
        seen.push_back(AlphaOf(w->m_hWnd));
    }
    EXPECT_EQ(seen, (std::vector<int>{204, 153, 102, 51}));
    Tick(w, TIMER_MOUSEOVER_STEP);
    EXPECT_FALSE(w->IsVisible());
    EXPECT_TRUE(::GetWindowLongPtrW(w->m_hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);

    Tick(w, TIMER_MOUSEOVER_POLL);  // the cursor is still there
    EXPECT_FALSE(w->IsVisible());
    ::SetCursorPos(600, 600);
    Tick(w, TIMER_MOUSEOVER_POLL);
    EXPECT_TRUE(w->IsVisible());
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        Tick(w, TIMER_MOUSEOVER_STEP);
        seen.push_back(AlphaOf(w->m_hWnd));
    }
    EXPECT_EQ(seen, (std::vector<int>{51, 102, 153, 204, 255}));
    EXPECT_EQ(w->GetMouseOverStep(), 5);
}

TEST_F(FloatingWindowTest, WithoutLayeredWindowsFadesShowAndHideAtOnce) {
    s_options.PlatformNT = false;
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->m_bMouseOverHiding = 1;
    w->FadeIn();
    EXPECT_TRUE(w->IsVisible());
    ::SendMessageW(w->m_hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_FALSE(w->IsMouseOverRunning());
    w->Hide(FALSE);
    EXPECT_FALSE(w->IsVisible());
}

TEST_F(FloatingWindowTest, LevelsNormalTopmostBottom) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->ArmAutoHide(FALSE, -1);
    EXPECT_NE(w->SetZPosition(ZPOS_TOPMOST, TRUE), 0);
    EXPECT_TRUE(IsTopmost(w->m_hWnd));
    EXPECT_EQ(w->m_nZPosition, 1);
    EXPECT_EQ(w->m_bChanged, 1);
    EXPECT_EQ(owner.saves, 1);
    w->m_bChanged = 0;
    w->SetZPosition(ZPOS_TOPMOST, TRUE);  // the same level is no change
    EXPECT_EQ(w->m_bChanged, 0);
    EXPECT_EQ(owner.saves, 1);
    EXPECT_NE(w->SetZPosition(ZPOS_NORMAL, TRUE), 0);
    EXPECT_FALSE(IsTopmost(w->m_hWnd));
    EXPECT_NE(w->SetZPosition(ZPOS_BOTTOM, TRUE), 0);
    EXPECT_EQ(w->m_nZPosition, 3);
    EXPECT_EQ(w->SetZPosition(4, TRUE), 0);
    EXPECT_EQ(w->m_nZPosition, 3);
}

TEST_F(FloatingWindowTest, DesktopLevelIsRefusedWhenOffOrWithoutTheDesktopList) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->ArmAutoHide(FALSE, -1);
    // Not enabled: refused, nothing changes.
    EXPECT_EQ(w->SetZPosition(ZPOS_DESKTOP, TRUE), 0);
    EXPECT_EQ(w->m_nZPosition, 0);
    EXPECT_EQ(owner.saves, 0);
    // Enabled, but the desktop has no icon list window (as under Wine).
    s_options.EnableDesktop = 1;
    CZDialog::SetDesktopListFinder([]() -> HWND { return nullptr; });
    EXPECT_EQ(w->SetZPosition(ZPOS_DESKTOP, TRUE), 0);
    EXPECT_EQ(w->m_nZPosition, 0);
    EXPECT_EQ(owner.saves, 0);
    EXPECT_EQ(::GetParent(w->m_hWnd), nullptr);
    EXPECT_TRUE(w->IsVisible());
}

HWND s_fakeDesktopList = nullptr;

TEST_F(FloatingWindowTest, DesktopLevelPinsIntoTheDesktopListAndComesBack) {
    s_options.EnableDesktop = 1;
    s_fakeDesktopList = ::CreateWindowExW(0, CWnd::GetDefaultClassName(), L"list", WS_POPUP | WS_VISIBLE, 0, 0, 800,
                                          600, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(s_fakeDesktopList, nullptr);
    CZDialog::SetDesktopListFinder([] { return s_fakeDesktopList; });
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->SetZPosition(ZPOS_TOPMOST, TRUE);
    EXPECT_NE(w->SetZPosition(ZPOS_DESKTOP, TRUE), 0);
    EXPECT_EQ(w->m_nZPosition, 2);
    EXPECT_EQ(::GetAncestor(w->m_hWnd, GA_PARENT), s_fakeDesktopList);
    EXPECT_NE(w->SetZPosition(ZPOS_NORMAL, TRUE), 0);
    EXPECT_NE(::GetAncestor(w->m_hWnd, GA_PARENT), s_fakeDesktopList);
    EXPECT_EQ(w->m_nZPosition, 0);
    w->DestroyWindow();
    ::DestroyWindow(s_fakeDesktopList);
}

TEST_F(FloatingWindowTest, RealDesktopFinderAnswersWithoutFailing) {
    // Under Wine there is no desktop icon list; on Windows there is one. In
    // either case the answer decides cleanly.
    s_options.EnableDesktop = 1;
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    HWND list = CZDialog::FindDesktopListView();
    int result = w->SetZPosition(ZPOS_DESKTOP, TRUE);
    if (!list) {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(w->m_nZPosition, 0);
    } else {
        EXPECT_EQ(w->m_nZPosition, 2);
    }
}

TEST_F(FloatingWindowTest, AlwaysOnTopWindowWithChildrenStaysInTheTopmostBand) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, w->m_hWnd, nullptr,
                      ::GetModuleHandleW(nullptr), nullptr);
    w->ArmAutoHide(FALSE, -1);
    w->SetZPosition(ZPOS_TOPMOST, TRUE);
    ASSERT_TRUE(IsTopmost(w->m_hWnd));
    // Something else re-orders it out of the band: it goes back.
    ::SetWindowPos(w->m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(IsTopmost(w->m_hWnd));
    // Its own change of level is not undone.
    w->SetZPosition(ZPOS_NORMAL, TRUE);
    EXPECT_FALSE(IsTopmost(w->m_hWnd));
}

TEST_F(FloatingWindowTest, RaiseTemporarilyAndBack) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->SetZPosition(ZPOS_BOTTOM, TRUE);
    w->RaiseTemporarily(TRUE);
    EXPECT_TRUE(w->IsVisible());
    EXPECT_TRUE(IsTopmost(w->m_hWnd));
    w->RaiseTemporarily(FALSE);
    EXPECT_FALSE(IsTopmost(w->m_hWnd));
    EXPECT_EQ(w->m_nZPosition, 3);
}

TEST_F(FloatingWindowTest, FixedLocationKeepsPlaceAndSize) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    w->ArmAutoHide(FALSE, -1);
    w->m_rcDrag = CRect(100, 100, 300, 200);
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_FIX_LOCATION, 0);
    EXPECT_EQ(w->m_bMovable, 0);
    CRect r(150, 150, 350, 250);
    ::SendMessageW(w->m_hWnd, WM_MOVING, WMSZ_LEFT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(100, 100, 300, 200));
    CRect s(100, 100, 500, 400);
    ::SendMessageW(w->m_hWnd, WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&s);
    EXPECT_EQ(s, w->GetRect());
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_FIX_LOCATION, 0);
    EXPECT_EQ(w->m_bMovable, 1);
    EXPECT_EQ(w->m_bChanged, 0);
}

TEST_F(FloatingWindowTest, DraggingSnapsToOtherVisibleWindowsButNotAtTheSnapSize) {
    TestZDialog* other = Make(CRect(291, 250, 491, 350));
    other->ArmAutoHide(FALSE, -1);
    TestZDialog* w = Make(CRect(600, 300, 800, 400));
    w->ArmAutoHide(FALSE, -1);
    ::SetCursorPos(650, 310);
    POINT p;
    ::GetCursorPos(&p);
    if (p.x != 650 || p.y != 310) GTEST_SKIP() << "the cursor cannot be placed on this display";
    ::SendMessageW(w->m_hWnd, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(650, 310));  // drag start
    EXPECT_EQ(w->m_rcDrag, CRect(600, 300, 800, 400));
    ::SetCursorPos(550, 310);  // left edge 9 pixels from the other's right edge
    CRect r;

    ::SendMessageW(w->m_hWnd, WM_MOVING, WMSZ_LEFT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(491, 300, 691, 400));
    ::SetCursorPos(551, 310);  // exactly the snap size away
    ::SendMessageW(w->m_hWnd, WM_MOVING, WMSZ_LEFT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(501, 300, 701, 400));
    other->Hide(FALSE);  // hidden windows do not attract
    ASSERT_FALSE(other->IsVisible());
    ASSERT_EQ(GetRegisteredDialogs().size(), 2u);
    ::SetCursorPos(550, 310);
    ::SendMessageW(w->m_hWnd, WM_MOVING, WMSZ_LEFT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(500, 300, 700, 400));
}

TEST_F(FloatingWindowTest, ResizingSnapsToHiddenNotesToo) {
    TestZDialog* note = Make(CRect(300, 50, 500, 250));  // never shown
    TestZDialog* w = Make(CRect(100, 100, 290, 200));
    owner.notes = {note, w};
    CRect r(100, 100, 295, 200);
    ::SendMessageW(w->m_hWnd, WM_SIZING, WMSZ_RIGHT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(100, 100, 300, 200));
    s_options.Docking = 0;
    r = CRect(100, 100, 295, 200);
    ::SendMessageW(w->m_hWnd, WM_SIZING, WMSZ_RIGHT, (LPARAM)&r);
    EXPECT_EQ(r, CRect(100, 100, 295, 200));
}

TEST_F(FloatingWindowTest, ArrangeToTheBottomRightCorner) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_ARRANGE_BOTTOM_RIGHT, 0);
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(w->GetRect(), CRect(cx - 200, cy - 100, cx, cy));
    EXPECT_EQ(w->m_ptPosition, CPoint(cx - 200, cy - 100));
    EXPECT_EQ(w->m_bChanged, 1);
    EXPECT_EQ(owner.saves, 1);
}

TEST_F(FloatingWindowTest, CloseBoxAsksAndEndsTheProgramNotTheWindow) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    ::SendMessageW(w->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(owner.exits, 0);
    owner.answer = true;
    ::SendMessageW(w->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(owner.exits, 1);
    EXPECT_TRUE(::IsWindow(w->m_hWnd));
    // Enter and Esc never end a floating window.
    ::SendMessageW(w->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    ::SendMessageW(w->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(w->m_hWnd));
}

TEST_F(FloatingWindowTest, KeepOnScreenAndMonitorMovesOverAnInjectedList) {
    FakeMonitors monitors = FakeMonitors::TwoWithOneLeft();
    SetFloatingMonitorList(&monitors);
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    // Middle third on the left monitor: kept.
    EXPECT_EQ(w->KeepOnScreen(CRect(-300, 600, 0, 900)), CRect(-300, 600, 0, 900));
    // On no monitor: shifted into the WorkMonitor monitor.
    s_options.WorkMonitor = 1;
    EXPECT_EQ(w->KeepOnScreen(CRect(-800, 900, -600, 1000)), CRect(-800, 668, -600, 768));
    s_options.RevisionPosition = 0;
    EXPECT_EQ(w->KeepOnScreen(CRect(-800, 900, -600, 1000)), CRect(-800, 900, -600, 1000));
    EXPECT_EQ(w->AdjustPositionToMonitor(-800, 900), CPoint(-800, 900));
    s_options.RevisionPosition = 1;
    EXPECT_EQ(w->AdjustPositionToMonitor(-800, 900), CPoint(1050, 20));
    EXPECT_EQ(w->AdjustPositionToMonitor(-600, 300), CPoint(-600, 300));
    EXPECT_EQ(GetMonitorWorkArea(5), CRect(-1024, 0, 0, 768));
    EXPECT_EQ(GetMonitorWorkAreaFromPoint(-5, 10), CRect(-1024, 0, 0, 768));

    // A window whose centre is on no work area moves to the new-note place.
    monitors.monitors.pop_back();
    ::SetWindowPos(w->m_hWnd, nullptr, -500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    w->MoveOntoMonitor();
    EXPECT_EQ(w->GetRect(), CRect(1050, 20, 1250, 120));
    w->MoveOntoMonitor();  // already visible: stays
    EXPECT_EQ(w->GetRect(), CRect(1050, 20, 1250, 120));
}

TEST_F(FloatingWindowTest, MoveUpdatesTheRememberedPosition) {
    TestZDialog* w = Make(CRect(100, 100, 300, 200));
    ::SetWindowPos(w->m_hWnd, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(w->m_ptPosition, CPoint(123, 45));
}

TEST_F(FloatingWindowTest, ReferenceCountDeletesOnTheLastRelease) {
    struct Counted : TestZDialog {
        bool* deleted;
        explicit Counted(bool* d) : deleted(d) {}
        ~Counted() override { *deleted = true; }
    };
    bool deleted = false;
    Counted* c = new Counted(&deleted);
    EXPECT_EQ(c->GetRefCount(), 1);
    c->AddRef();
    c->Release();
    EXPECT_FALSE(deleted);
    c->Release();
    EXPECT_TRUE(deleted);
}

}  // namespace
