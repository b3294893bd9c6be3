// The spotlight, the dim overlay, the fade window and the memory DC on a real
// (virtual) screen.
#include "FakeMonitors.h"
#include "FloatingTestSupport.h"

#include "ui/ZActiveBgDlg.h"
#include "ui/FadeWnd.h"
#include "ui/ShowEffectDlg.h"
#include "ui/UiIds.h"
#include "ui/ZMemDC.h"

namespace {

struct SpotlightTest : FloatingWindowTest {
    void TearDown() override {
        CloseSpotlight();
        if (GetZDialogOwner().IsActiveBackgroundShown()) GetZDialogOwner().ShowActiveBackground(FALSE);
        FloatingWindowTest::TearDown();
    }
};

TEST_F(SpotlightTest, RaisesWindowsOnceAndRestoresTheirLevelsOnAClick) {
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    TestZDialog* b = Make(CRect(400, 100, 600, 200));
    b->SetZPosition(ZPOS_BOTTOM, TRUE);
    ASSERT_EQ(ShowWithEffect(a), 1);
    ASSERT_NE(g_SpotlightDlg, nullptr);
    EXPECT_EQ(AlphaOf(g_SpotlightDlg->m_hWnd), 96);
    EXPECT_TRUE(g_SpotlightDlg->IsWindowVisible());
    EXPECT_TRUE(a->IsVisible());
    EXPECT_TRUE(IsTopmost(a->m_hWnd));
    EXPECT_EQ(a->m_nZPosition, 0);  // raised without remembering
    ShowWithEffect(a);
    AddToSpotlightIfActive(b);
    EXPECT_EQ(g_SpotlightDlg->GetRaisedCount(), 2);
    EXPECT_TRUE(IsTopmost(b->m_hWnd));
    ::SendMessageW(g_SpotlightDlg->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(g_SpotlightDlg, nullptr);
    EXPECT_FALSE(IsTopmost(a->m_hWnd));
    EXPECT_FALSE(IsTopmost(b->m_hWnd));
    EXPECT_EQ(b->m_nZPosition, 3);  // a note on the bottom goes back there
    EXPECT_EQ(owner.saves, 1);      // only b's own level change was saved
}

TEST_F(SpotlightTest, DestroyedWindowIsSkippedAndTheRightButtonClosesToo) {
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    TestZDialog* b = Make(CRect(400, 100, 600, 200));
    ShowGroupWithEffect({a, b});
    ASSERT_NE(g_SpotlightDlg, nullptr);
    EXPECT_EQ(g_SpotlightDlg->GetRaisedCount(), 2);
    b->DestroyWindow();
    ::SendMessageW(g_SpotlightDlg->m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(g_SpotlightDlg, nullptr);
    EXPECT_FALSE(IsTopmost(a->m_hWnd));
}

TEST_F(SpotlightTest, OpacityRampsTo196AndStops) {
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    DWORD before = ::GetTickCount();
    ShowWithEffect(a);
    ASSERT_NE(g_SpotlightDlg, nullptr);
    ::SendMessageW(g_SpotlightDlg->m_hWnd, WM_TIMER, TIMER_SPOTLIGHT_RAMP, 0);
    int early = AlphaOf(g_SpotlightDlg->m_hWnd);
    EXPECT_GE(early, 64);
    // Still on its way up, unless a loaded machine took the whole ramp's
    // time just to show the window.
    if (::GetTickCount() - before < 200) {
        EXPECT_LT(early, 196);
    }
    ::Sleep(300);
    ::SendMessageW(g_SpotlightDlg->m_hWnd, WM_TIMER, TIMER_SPOTLIGHT_RAMP, 0);
    EXPECT_EQ(AlphaOf(g_SpotlightDlg->m_hWnd), 196);
    EXPECT_EQ(g_SpotlightDlg->GetAlpha(), 196);
    // Escape does not close it.
    ::SendMessageW(g_SpotlightDlg->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_NE(g_SpotlightDlg, nullptr);
}

TEST_F(SpotlightTest, EffectOffShowsWindowsPlainly) {
    s_options.WidgetShowEffect = 0;
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    TestZDialog* b = Make(CRect(400, 100, 600, 200));
    EXPECT_EQ(ShowWithEffect(a), 1);
    ShowGroupWithEffect({b});
    EXPECT_EQ(g_SpotlightDlg, nullptr);
    EXPECT_TRUE(a->IsVisible());
    EXPECT_TRUE(b->IsVisible());
    EXPECT_EQ(ShowWithEffect(nullptr), 0);
    s_options.WidgetShowEffect = 1;
    ShowGroupWithEffect({});
    EXPECT_EQ(g_SpotlightDlg, nullptr);
}

TEST_F(SpotlightTest, OverlaysCoverTheVirtualDesktopFromANegativeOrigin) {
    FakeMonitors monitors = FakeMonitors::TwoWithOneLeft();
    SetFloatingMonitorList(&monitors);
    CShowEffectDlg spotlight;
    EXPECT_EQ(spotlight.GetOverlayRect(), CRect(-1024, 0, 1280, 1024));
    CZActiveBgDlg dim(nullptr);
    EXPECT_EQ(dim.GetOverlayRect(), CRect(-1024, 0, 1280, 1024));
}

TEST_F(SpotlightTest, DimBackgroundRaisesShownWindowsAndAClickEndsIt) {
    TestZDialog* a = Make(CRect(100, 100, 300, 200));
    TestZDialog* hidden = Make(CRect(400, 100, 600, 200));
    a->ArmAutoHide(FALSE, -1);
    GetZDialogOwner().ShowActiveBackground(TRUE);
    ASSERT_TRUE(GetZDialogOwner().IsActiveBackgroundShown());
    HWND overlay = ::GetWindow(a->m_hWnd, GW_HWNDNEXT);
    (void)overlay;
    EXPECT_TRUE(IsTopmost(a->m_hWnd));
    EXPECT_FALSE(IsTopmost(hidden->m_hWnd));
    // Find the overlay: the black layered window at 200.
    HWND dim = nullptr;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::GetWindowThreadProcessId(w, nullptr) == ::GetCurrentThreadId() && AlphaOf(w) == 200 &&
            ::IsWindowVisible(w))
            dim = w;
    ASSERT_NE(dim, nullptr);
    ::SendMessageW(dim, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(::IsWindow(dim));
    ::SendMessageW(dim, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(::IsWindow(dim));
    EXPECT_FALSE(GetZDialogOwner().IsActiveBackgroundShown());
    EXPECT_FALSE(IsTopmost(a->m_hWnd));
}

struct FadeWndTest : ::testing::Test {
    HWND target = nullptr;
    void SetUp() override {
        target = ::CreateWindowExW(0, CWnd::GetDefaultClassName(), L"target", WS_POPUP | WS_VISIBLE, 50, 50, 300,
                                   200, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(target);
        PumpWaiting();
    }
};

TEST_F(FadeWndTest, LeftClickClosesAndReenablesTheTarget) {
    EXPECT_EQ(ShowFadeWnd(nullptr, RGB(255, 255, 255), 0, FALSE), nullptr);
    CFadeWnd* fade = ShowFadeWnd(target, RGB(255, 255, 255), RGB(0, 0, 0), FALSE);
    ASSERT_NE(fade, nullptr);
    HWND wnd = fade->m_hWnd;
    EXPECT_FALSE(::IsWindowEnabled(target));
    EXPECT_TRUE(IsTopmost(wnd));
    CRect r;
    ::GetWindowRect(wnd, &r);
    EXPECT_EQ(r, CRect(50, 50, 350, 250));
    EXPECT_EQ(fade->GetShownPercents(), std::vector<int>{64});
    EXPECT_EQ(fade->GetImageSize(), CSize(300, 200));
    ::SendMessageW(wnd, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_TRUE(::IsWindow(wnd));
    ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(::IsWindow(wnd));
    EXPECT_TRUE(::IsWindowEnabled(target));
}

TEST_F(FadeWndTest, AnimationShowsEvenStepsBelowAHundred) {
    CFadeWnd* fade = ShowFadeWnd(target, RGB(255, 255, 255), RGB(0, 0, 0), TRUE);
    ASSERT_NE(fade, nullptr);
    std::vector<int> shown = fade->GetShownPercents();
    ASSERT_GE(shown.size(), 20u);
    EXPECT_LE(shown.size(), 34u);
    EXPECT_EQ(shown[0], 0);
    int step = shown[1];
    EXPECT_GE(step, 3);
    EXPECT_LE(step, 5);
    EXPECT_LT(shown.back(), 100);
    EXPECT_GE(shown.back() + step, 100);
    ::SendMessageW(fade->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

TEST(FadeWnd, FadedImageFollowsTheGreyFormula) {
    // A captured image of two pixels: (10, 20, 30) and pure red.
    HDC screen = ::GetDC(nullptr);
    HBITMAP captured = ::CreateCompatibleBitmap(screen, 2, 1);
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, captured);
    ::SetPixel(mem, 0, 0, RGB(10, 20, 30));
    ::SetPixel(mem, 1, 0, RGB(255, 0, 0));
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    CFadeWnd fade(nullptr, RGB(255, 255, 255), RGB(0, 0, 0));
    fade.SetCapturedImage(captured, CSize(2, 1));
    struct { int percent; unsigned char first[4], second[4]; } cases[] = {
        // p = 0: each channel x 255 / 256, the fourth byte 0
        {0, {29, 19, 9, 0}, {0, 0, 254, 0}},
        // p = 64: m = 163, l = 92; greys 18 and 53 map to ramp entries 17 and 52
        {64,
         {(92 * 30 + 163 * 17) / 256, (92 * 20 + 163 * 17) / 256, (92 * 10 + 163 * 17) / 256, 0},
         {(163 * 52) / 256, (163 * 52) / 256, (92 * 255 + 163 * 52) / 256, 0}},
    };
    for (auto& c : cases) {
        fade.MakeFadedImage(c.percent);
        BITMAP bm = {};
        ASSERT_TRUE(::GetObjectW(fade.GetFadedImage(), sizeof(bm), &bm));
        ASSERT_EQ(bm.bmBitsPixel, 32);
        const unsigned char* px = static_cast<const unsigned char*>(bm.bmBits);
        EXPECT_EQ(0, memcmp(px, c.first, 4)) << c.percent;
        EXPECT_EQ(0, memcmp(px + 4, c.second, 4)) << c.percent;
    }
}

TEST(ZMemDC, PaintsOffScreenAndCopiesOnceOnDestruction) {
    HDC screen = ::GetDC(nullptr);
    CDC target;
    target.CreateCompatibleDC(CDC::FromHandle(screen));
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 30);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(target.m_hDC, bitmap);
    ::SetBkColor(target.m_hDC, RGB(10, 20, 30));
    {
        CRect rect(5, 5, 35, 25);
        ZMemDC mem(&target, &rect);
        EXPECT_TRUE(mem.IsMemoryMode());
        EXPECT_NE(mem.m_hDC, target.m_hDC);
        mem.FillSolidRect(10, 10, 5, 5, RGB(200, 0, 0));
        // Nothing reaches the target before the end.
        EXPECT_NE(::GetPixel(target.m_hDC, 12, 12), RGB(200, 0, 0));
    }
    EXPECT_EQ(::GetPixel(target.m_hDC, 12, 12), RGB(200, 0, 0));
    EXPECT_EQ(::GetPixel(target.m_hDC, 6, 6), RGB(10, 20, 30));  // filled with the background colour
    EXPECT_NE(::GetPixel(target.m_hDC, 2, 2), RGB(10, 20, 30));  // outside the covered rectangle
    ::SelectObject(target.m_hDC, old);
    ::DeleteObject(bitmap);
}

}  // namespace
