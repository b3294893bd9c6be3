// The quick-menu bar as a real layered window: where it docks, how it
// slides with an injected clock, what a click runs, the tooltip balloon, the
// keys it ignores, folding, docking and undocking, its state across a
// restart, and the launcher skins that follow new hot-key slots.
#include "MessagePump.h"
#include "ScreenPicture.h"
#include "SkinTestSupport.h"

#include "widgets/GDIDialog.h"
#include "widgets/Meter.h"
#include "widgets/MeterFaces.h"
#include "widgets/QuickMenuDlg.h"
#include "widgets/WidgetIds.h"

#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/SettingsStore.h"
#include "ui/ZDialogOwner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

GdiplusSession g_Gdiplus;

CString SourceFolder() {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    CString path = CString(L"Z:") + CString(root ? root : "") + L"\\";
    path.Replace(L'/', L'\\');
    return path;
}

class BarOwner : public CZDialogOwner {
public:
    struct ToolTipCall {
        int x, y;
        CString name;
    };
    std::vector<CString> actions;
    std::vector<ToolTipCall> toolTips;
    int hiddenToolTips = 0;
    int saves = 0;
    CQuickMenuDlg* bar = nullptr;

    void RequestSaveSoon() override { ++saves; }
    int ExecuteAction(const CString& text) override {
        actions.push_back(text);
        return 1;
    }
    void ShowToolTipWidget(int x, int y, const CString& name, CZDialog*) override { toolTips.push_back({x, y, name}); }
    void HideToolTipWidget(CWnd*) override { ++hiddenToolTips; }
    bool GetQuickMenuRect(CRect& rect) override {
        if (!bar) return false;
        rect = bar->GetRect();
        return true;
    }
};

struct QuickMenuWindow : ::testing::Test {
    BarOwner owner;
    DWORD now = 50000;
    std::vector<CQuickMenuDlg*> bars;
    CSettings::QuickMenuSection saved = g_Settings.QuickMenu;

    void SetUp() override {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
        SetZDialogOwner(&owner);
        CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
        s = CSettings::QuickMenuSection();
        s.SkinFolder = SourceFolder() + L"data\\skin\\Menu\\";
        s.SkinFile = s.SkinFolder + L"default\\memo_extend.xml";
        s.WinX = s.WinY = -1;
        s.TransVal = 255;
        s.AllowMove = 1;
        s.DockMode = 1;
        s.DockXOffset = -1;
        s.ShowTooltip = 1;
        s.MenuDelay = 0;
        AppConfigStore().Reset();
        AppConfigStore().Create(L"C:\\nowhere\\ZorelConfig.xml");
    }
    void TearDown() override {
        for (CQuickMenuDlg* bar : bars) {
            if (bar->m_hWnd) bar->DestroyWindow();
            bar->Release();
        }
        PumpWaiting();
        SetZDialogOwner(nullptr);
        g_Settings.QuickMenu = saved;
        AppConfigStore().Reset();
    }
    CQuickMenuDlg* Open(const CRect& work = CRect(0, 0, 1280, 1000)) {
        CQuickMenuDlg* bar = new CQuickMenuDlg();
        bar->tickCount = [this] { return now; };
        bar->workAreaSource = [work] { return work; };
        EXPECT_TRUE(bar->Create(IDD_SKIN_WINDOW, nullptr));
        bars.push_back(bar);
        owner.bar = bar;
        bar->ShowWindow(SW_SHOWNOACTIVATE);
        PumpWaiting();
        return bar;
    }
    static void Send(CQuickMenuDlg* bar, UINT message, CPoint client, WPARAM w = 0) {
        ::SendMessageW(bar->m_hWnd, message, w, MAKELPARAM(client.x, client.y));
    }
    void Click(CQuickMenuDlg* bar, CPoint down, CPoint up) {
        Send(bar, WM_LBUTTONDOWN, down, MK_LBUTTON);
        Send(bar, WM_LBUTTONUP, up);
    }
    // Slides the bar fully open the way its timer would, over the injected clock.
    void OpenFully(CQuickMenuDlg* bar) {
        Send(bar, WM_MOUSEHOVER, CPoint(100, 5));
        now += 300;
        ::SendMessageW(bar->m_hWnd, WM_TIMER, TIMER_QUICK_MENU_SLIDE_OUT, 0);
    }
    static DWORD Alpha(CQuickMenuDlg* bar, int x, int y) {
        Gdiplus::Color c;
        bar->GetBackBuffer()->GetPixel(x, y, &c);
        return c.GetA();
    }
    static CPoint Centre(int item) { return GetQuickMenuItem(item).hit.CenterPoint(); }
};

TEST_F(QuickMenuWindow, DockedBarStandsAtTheTopAndSlidesOpen) {
    const struct {
        CRect work;
        int offset;
        int left;
    } cases[] = {{CRect(0, 0, 1280, 1000), -1, 580}, {CRect(0, 20, 1920, 1040), -1, 960}, {CRect(0, 0, 1600, 870), 100, 100}};
    for (const auto& k : cases) {
        g_Settings.QuickMenu.DockXOffset = k.offset;
        CQuickMenuDlg* bar = Open(k.work);
        CRect r = bar->GetRect();
        EXPECT_EQ(r.left, k.left);
        EXPECT_EQ(r.top, k.work.top);
        EXPECT_EQ(r.Width(), QUICK_MENU_WIDTH);
        EXPECT_EQ(r.Height(), QUICK_MENU_HEIGHT);
        EXPECT_EQ(bar->m_nZPosition, 1);
        EXPECT_EQ(bar->GetStep(), 2);
        EXPECT_EQ(g_Settings.QuickMenu.WinX, k.left);
    }
    CQuickMenuDlg* bar = bars.back();
    // Hidden, only the strip's edge shows; open, the whole strip.
    EXPECT_GT(Alpha(bar, 100, 2), 0u);
    EXPECT_EQ(Alpha(bar, 100, 20), 0u);
    OpenFully(bar);
    EXPECT_EQ(bar->GetStep(), QUICK_MENU_OPEN_STEP);
    EXPECT_GT(Alpha(bar, 100, 20), 0u);
    EXPECT_EQ(Alpha(bar, 100, 45), 0u);
    if (ScreenshotsWanted()) {
        const wchar_t* language = UseScreenshotLanguage();
        Send(bar, WM_MOUSEMOVE, Centre(5));
        PumpFor(200);
        SaveScreenPicture(CString(L"quickmenu_docked_open_") + language, {bar->m_hWnd});
    }
}

TEST_F(QuickMenuWindow, AClickRunsTheToolReleasedOnThePressedOne) {
    CQuickMenuDlg* bar = Open();
    OpenFully(bar);
    Click(bar, Centre(5), Centre(6));
    EXPECT_EQ(bar->GetQueuedCount(), 0);
    EXPECT_EQ(owner.hiddenToolTips, 1);  // a press puts the tooltip widget away
    Click(bar, Centre(5), Centre(5));
    EXPECT_EQ(bar->GetQueuedCount(), 1);
    ASSERT_TRUE(PumpUntil([&] { return !owner.actions.empty(); }));
    EXPECT_EQ(owner.actions, (std::vector<CString>{L"NEW_MEMO"}));

    // The widget tool shows the tooltip widget by the bar.
    Click(bar, Centre(10), Centre(10));
    ASSERT_TRUE(PumpUntil([&] { return !owner.toolTips.empty(); }));
    CRect r = bar->GetRect();
    EXPECT_EQ(owner.toolTips[0].x, r.left + 258);
    EXPECT_EQ(owner.toolTips[0].y, r.top + 14);

    // The menu tool opens the docked menu; once it closes, the bar hides.
    bool menuShown = false;
    WhenShown([&] {
        menuShown = ::FindWindowW(L"#32768", nullptr) != nullptr;
        ::EndMenu();
    });
    Click(bar, Centre(QUICK_MENU_ITEM_MENU), Centre(QUICK_MENU_ITEM_MENU));
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(bar->GetStep(), 2);
    EXPECT_EQ(owner.actions.size(), 1u);
}

TEST_F(QuickMenuWindow, TooltipBalloonStaysInsideTheBar) {
    CQuickMenuDlg* bar = Open();
    OpenFully(bar);
    const int balloonY = 40;
    Send(bar, WM_MOUSEMOVE, Centre(0));
    EXPECT_EQ(bar->GetToolTipItem(), 0);
    EXPECT_EQ(bar->GetToolTipTextOfItem(), g_LanguageTable[25311]);
    EXPECT_GT(Alpha(bar, 0, balloonY), 0u);
    Send(bar, WM_MOUSEMOVE, Centre(18));
    EXPECT_EQ(bar->GetToolTipItem(), 18);
    // Its right edge is the bar's last column: one pixel inside the edge.
    EXPECT_GT(Alpha(bar, QUICK_MENU_WIDTH - 1, balloonY), 0u);
    EXPECT_EQ(Alpha(bar, 0, balloonY), 0u);
    // Off the tools no balloon shows.
    Send(bar, WM_MOUSEMOVE, CPoint(250, 40));
    EXPECT_EQ(Alpha(bar, QUICK_MENU_WIDTH - 1, balloonY), 0u);
}

TEST_F(QuickMenuWindow, EscapeHidesOnlyTheUndockedBar) {
    CQuickMenuDlg* bar = Open();
    MSG esc = {bar->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    bar->PreTranslateMessage(&esc);
    EXPECT_EQ(bar->GetQueuedCount(), 0);
    ::SendMessageW(bar->m_hWnd, WM_COMMAND, ID_QUICK_MENU_UNDOCK, 0);
    ASSERT_FALSE(CQuickMenuDlg::IsDocked());
    bar->PreTranslateMessage(&esc);
    EXPECT_EQ(bar->GetQueuedCount(), 1);
}

TEST_F(QuickMenuWindow, FoldingDockingAndUndockingKeepTheirSkins) {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    s.DockMode = 0;
    s.SkinFile = s.SkinFolder + L"default\\memo_contract.xml";
    CQuickMenuDlg* bar = Open();
    EXPECT_EQ(bar->GetSkinFile(), s.SkinFile);
    size_t contracted = bar->GetMeters().size();
    bar->SetExpanded(true);
    EXPECT_EQ(bar->GetSkinFile(), s.SkinFolder + L"default\\memo_extend.xml");
    EXPECT_EQ(s.SkinFile, bar->GetSkinFile());
    EXPECT_GT(bar->GetMeters().size(), contracted);
    bar->SetExpanded(true);  // already unfolded
    EXPECT_EQ(bar->GetSkinFile(), s.SkinFolder + L"default\\memo_extend.xml");
    if (ScreenshotsWanted()) {
        const wchar_t* language = UseScreenshotLanguage();
        bar->Redraw();
        PumpFor(200);
        SaveScreenPicture(CString(L"quickmenu_undocked_") + language, {bar->m_hWnd});
    }

    bar->ExecuteCommand(L"dock_skin");
    EXPECT_EQ(s.DockMode, 1);
    EXPECT_EQ(bar->m_nZPosition, 1);
    EXPECT_NE(bar->FindMeter(METER_FRAMEIMAGE, 100), nullptr);
    EXPECT_EQ(bar->GetRect().Size(), CSize(QUICK_MENU_WIDTH, QUICK_MENU_HEIGHT));

    ::SendMessageW(bar->m_hWnd, WM_COMMAND, ID_QUICK_MENU_UNDOCK, 0);
    EXPECT_EQ(s.DockMode, 0);
    EXPECT_EQ(s.AllowMove, 1);
    EXPECT_EQ(bar->GetSkinFile(), s.SkinFolder + L"default\\memo_extend.xml");
    EXPECT_EQ(bar->FindMeter(METER_FRAMEIMAGE, 100), nullptr);
    EXPECT_GT(owner.saves, 0);
}

TEST_F(QuickMenuWindow, StateSurvivesARestart) {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    s.DockMode = 0;
    CQuickMenuDlg* bar = Open();
    ::SetWindowPos(bar->m_hWnd, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    bar->ExecuteCommand(L"CHANGESKIN:memo_contract.xml");
    bar->SaveState();
    CScratchFolder folder(L"quickmenu");
    CSettingsStore store;
    store.Create(folder + L"ZorelConfig.xml");
    WriteQuickMenuSettings(store);
    CString folderOfSkins = s.SkinFolder;
    s = CSettings::QuickMenuSection();
    ReadQuickMenuSettings(store);
    EXPECT_EQ(s.WinX, 123);
    EXPECT_EQ(s.WinY, 45);
    EXPECT_EQ(s.DockMode, 0);
    EXPECT_EQ(CString(L"memo_contract.xml"), s.SkinFile.Right(17));
    EXPECT_EQ(store.GetConfigString(L"QuickMenu", L"WinSXSY", L""), CString(L"123 45"));
}

TEST_F(QuickMenuWindow, DockedMenuShowsTheSettings) {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    s.WideMenu = 1;
    s.Minimize = 0;
    s.MenuDelay = 5;
    CQuickMenuDlg* bar = Open();
    HMENU menu = bar->BuildDockedMenu();
    ASSERT_NE(menu, nullptr);
    auto checked = [&](UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };
    EXPECT_TRUE(checked(ID_QUICK_MENU_WIDE));
    EXPECT_TRUE(checked(ID_QUICK_MENU_SHOW_TOOLTIP));
    EXPECT_FALSE(checked(ID_QUICK_MENU_MINIMIZE));
    EXPECT_TRUE(checked(33001));   // 0.5 seconds
    EXPECT_FALSE(checked(32997));
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, 33001, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(CString(text), CString(L"0.5 ") + g_LanguageTable[25319]);
    ::DestroyMenu(menu);
    // The commands change the settings behind the menu.
    ::SendMessageW(bar->m_hWnd, WM_COMMAND, 32995, 0);
    EXPECT_EQ(s.MenuDelay, 0);
    ::SendMessageW(bar->m_hWnd, WM_COMMAND, ID_QUICK_MENU_MINIMIZE, 0);
    EXPECT_EQ(s.Minimize, 1);
    EXPECT_EQ(bar->Slide().GetHiddenLevel(), 0);
}

TEST_F(QuickMenuWindow, AtRestTheDockedBarRunsNoTimer) {
    CQuickMenuDlg* bar = Open();
    OpenFully(bar);
    Send(bar, WM_MOUSELEAVE, CPoint(0, 0));
    ASSERT_TRUE(PumpUntil([&] { return bar->GetStep() == 2; }, 3000));
    PumpFor(200);  // the skin's one-shot timers are over too
    int timers = 0;
    DWORD until = ::GetTickCount() + 400;
    while (::GetTickCount() < until) {
        MSG m;
        while (::PeekMessageW(&m, bar->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE)) ++timers;
        ::Sleep(10);
    }
    EXPECT_EQ(timers, 0);

    // What one docked repaint costs.
    LARGE_INTEGER f, a, b;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&a);
    const int n = 50;
    for (int i = 0; i < n; ++i) bar->Repaint();
    ::QueryPerformanceCounter(&b);
    printf("one docked repaint: %.2f ms\n", (b.QuadPart - a.QuadPart) * 1000.0 / f.QuadPart / n);
}

// A plain skinned window with launchers reads the slots again on reload.
TEST_F(QuickMenuWindow, LauncherSkinsFollowNewHotKeySlots) {
    CScratchFolder folder(L"quickmenu");
    CString skin = folder.Write(L"launch.xml",
                                "<ZorelWidget><Window><Size W=\"40\" H=\"40\"/></Window>"
                                "<Widget Type=\"SHORTCUT\"><Size W=\"32\" H=\"32\"/><Hotkey Index=\"1\"/></Widget>"
                                "</ZorelWidget>");
    CGDIDialog* window = new CGDIDialog(IDD_SKIN_WINDOW, nullptr);
    window->SetSkinFile(skin);
    ASSERT_TRUE(window->Create(IDD_SKIN_WINDOW, nullptr));
    auto command = [&] {
        for (CMeter* meter : window->GetMeters())
            if (IButtonMeter* b = dynamic_cast<IButtonMeter*>(meter)) return b->GetCommand();
        return CString();
    };
    EXPECT_EQ(command(), CString(L"HOTKEY_SETUP:0"));
    AppConfigStore().WriteConfigString(L"HotKey", L"HotKey01", L"NEW_MEMO");
    window->ReloadSkinIfHotkeyButtons();
    EXPECT_EQ(command(), CString(L"NEW_MEMO"));
    window->DestroyWindow();
    window->Release();
}

}  // namespace
