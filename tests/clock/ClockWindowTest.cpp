// The clock window on a recording frame side: the built-in analogue clock
// and its hands, menu 196, the double click, the set-time rule carried out
// on the real window, the heartbeat on the real timer, and the state kept
// in the settings.
#include "ClockTestSupport.h"

#include "MessagePump.h"
#include "ScreenPicture.h"
#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/SettingsStore.h"
#include "ui/UiIds.h"
#include "widgets/Meter.h"
#include "widgets/MeterRotator.h"
#include "widgets/WidgetIds.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

namespace {

const double kPi = 3.14159265358979;

std::vector<CMeterRotator*> Rotators(CClockDlg* clock) {
    std::vector<CMeterRotator*> found;
    for (CMeter* meter : clock->GetMeters())
        if (CMeterRotator* rotator = dynamic_cast<CMeterRotator*>(meter)) found.push_back(rotator);
    return found;
}

UINT MenuState(HMENU menu, UINT id) { return ::GetMenuState(menu, id, MF_BYCOMMAND); }

CString ItemText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, position, text, 127, MF_BYPOSITION);
    return text;
}

bool WriteText(const CString& path, const char* text) {
    FILE* file = _wfopen(path, L"wb");
    if (!file) return false;
    fputs(text, file);
    fclose(file);
    return true;
}

}  // namespace

TEST_F(ClockWindowTest, NoSkinFileRunsTheBuiltInAnalogueClockWithItsHandsAtTheTime) {
    ASSERT_NE(OpenClock(), nullptr);
    EXPECT_TRUE(clock->GetSkinFile().IsEmpty());
    ASSERT_NE(clock->GetBackBuffer(), nullptr);
    EXPECT_EQ(130u, clock->GetBackBuffer()->GetWidth());
    clock->Redraw();
    std::vector<CMeterRotator*> hands = Rotators(clock);
    ASSERT_EQ(3u, hands.size());
    // 10:10:30: the turn of each hand from twelve o'clock.
    struct Hand {
        const char* name;
        double fraction;
        double degreesFromTwelve;
    } expected[] = {
        {"hour", 36630.0 / 43200, 305.25},
        {"minute", 630.0 / 3600, 63.0},
        {"second", 30.0 / 60, 180.0},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_NEAR(expected[i].fraction, hands[i]->GetValue(), 1e-9);
    }
    // The screen angle the hour and minute hands are drawn at: their
    // pictures point right, the start angle turns them to twelve.
    for (int i = 0; i < 2; ++i) {
        double degrees = (hands[i]->GetValue() * 2 * kPi + 4.7124) * 180 / kPi;
        EXPECT_NEAR(fmod(expected[i].degreesFromTwelve + 270.0, 360.0), fmod(degrees, 360.0), 0.01);
    }

    HMENU menu = clock->BuildContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(MenuState(menu, ID_SKIN_DEFAULT) & MF_CHECKED);
    ::DestroyMenu(menu);

    clock->ShowOrHide(0);
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() == 3; }, 5000));
    SaveScreenPicture(L"clock-analogue", {clock->m_hWnd});
}

TEST_F(ClockWindowTest, MenuFollowsTheTableAndChecksTheViewMode) {
    ASSERT_NE(OpenClock(), nullptr);
    struct Case {
        int viewMode;
        bool alwaysChecked, setTimeChecked;
    } cases[] = {{0, true, false}, {1, false, true}, {2, false, true}};
    for (const Case& c : cases) {
        g_Settings.Clock.ViewMode = c.viewMode;
        HMENU menu = clock->BuildContextMenu();
        ASSERT_NE(menu, nullptr);
        HMENU view = ::GetSubMenu(menu, 1);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(c.alwaysChecked, (MenuState(view, ID_CLOCK_VIEW_ALWAYS) & MF_CHECKED) != 0) << c.viewMode;
        EXPECT_EQ(c.setTimeChecked, (MenuState(view, ID_CLOCK_VIEW_SET_TIME) & MF_CHECKED) != 0) << c.viewMode;
        EXPECT_EQ(2, ::GetMenuItemCount(view));
        // The items the table names, with their texts.
        EXPECT_EQ(CString(L"Always See"), ItemText(view, 0));
        EXPECT_EQ(CString(L"See on Setup Time"), ItemText(view, 1));
        EXPECT_EQ(CString(L"Schedule Management..."), ItemText(menu, 10));  // Skin Information is gone
        EXPECT_EQ(CString(L"Clock Setting..."), ItemText(menu, 11));
        EXPECT_NE(MenuState(menu, 32974), (UINT)-1);
        EXPECT_NE(MenuState(menu, ID_FIX_LOCATION), (UINT)-1);
        EXPECT_EQ(MenuState(menu, ID_SKIN_INFO), (UINT)-1);  // the built-in clock has no information
        // Level 0 checks "Normal"; moving allowed leaves "Fix Location" alone.
        EXPECT_TRUE(MenuState(::GetSubMenu(menu, 0), ID_POS_NORMAL) & MF_CHECKED);
        EXPECT_FALSE(MenuState(menu, ID_FIX_LOCATION) & MF_CHECKED);
        ::DestroyMenu(menu);
    }
}

TEST_F(ClockWindowTest, ViewCommandsSwitchModesAndTheDoubleClickAsksForTheSettings) {
    ASSERT_NE(OpenClock(), nullptr);
    clock->SendMessage(WM_COMMAND, ID_CLOCK_VIEW_ALWAYS, 0);
    EXPECT_EQ(0, g_Settings.Clock.ViewMode);
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() >= 3; }, 5000));
    clock->SendMessage(WM_COMMAND, ID_CLOCK_VIEW_SET_TIME, 0);
    EXPECT_EQ(2, g_Settings.Clock.ViewMode);
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() == 0; }, 5000));
    clock->SendMessage(WM_COMMAND, ID_CLOCK_VIEW_ALWAYS + 1, 0);
    EXPECT_EQ(1, g_Settings.Clock.ViewMode);

    clock->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(45, 45));
    // The schedule manager item is the frame's too.
    clock->SendMessage(WM_COMMAND, ID_SCHEDULE_MANAGEMENT, 0);
    EXPECT_TRUE(PumpUntil([&] { return host.Commands().size() >= 2; }, 5000));
    EXPECT_EQ((std::vector<UINT>{ID_CLOCK_SETTINGS, ID_SCHEDULE_MANAGEMENT}), host.Commands());
}

TEST_F(ClockWindowTest, SetTimeRuleShowsChimesAndHidesTheRealWindow) {
    g_Settings.Clock.AlarmSoundDefault = 1;
    g_Settings.Clock.ZPosition = 0;
    ASSERT_NE(OpenClock(), nullptr);
    ASSERT_EQ(0, clock->GetFadeState());
    host.now = ClockAt(2026, 12, 11, 10, 59, 56);
    clock->Tick();
    EXPECT_EQ(0, clock->GetFadeState());
    host.now = ClockAt(2026, 12, 11, 10, 59, 57);
    clock->Tick();
    EXPECT_GE(clock->GetFadeState(), 3);
    // Raised above the others while the rule shows it; the user's level
    // stays what it was.
    auto topmost = [&] { return (::GetWindowLongW(clock->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_TRUE(topmost());
    EXPECT_EQ(0, clock->GetZPosition());
    EXPECT_TRUE(environment.sounds.empty());
    int seconds[][2] = {{10 * 60 + 59, 58}, {10 * 60 + 59, 59}, {11 * 60, 0}};
    for (auto& s : seconds) {
        host.now = ClockAt(2026, 12, 11, s[0] / 60, s[0] % 60, s[1]);
        clock->Tick();
    }
    CString te = g_ProgramFolder + L"system\\res\\clock_te.wav";
    CString teee = g_ProgramFolder + L"system\\res\\clock_teee.wav";
    EXPECT_EQ((std::vector<CString>{te, te, teee}), environment.sounds);
    host.now = ClockAt(2026, 12, 11, 11, 0, 1);
    clock->Tick();
    EXPECT_FALSE(topmost());
    EXPECT_TRUE(PumpUntil([&] { return clock->GetFadeState() == 0; }, 5000));
    EXPECT_EQ(3u, environment.sounds.size());

    // View mode 1: faded out, and the rule never shows it.
    g_Settings.Clock.ViewMode = 1;
    host.now = ClockAt(2026, 12, 11, 11, 59, 58);
    clock->Tick();
    EXPECT_EQ(0, clock->GetFadeState());
}

TEST_F(ClockWindowTest, RealTimerDrivesTheHeartbeat) {
    // The first tick makes one minute and one day call; a day change one
    // more day call; a started web check keeps the on-demand check away
    // for five seconds.
    g_nClockTickCount = 27;
    host.now = ClockAt(2026, 12, 11, 23, 59, 58);
    ASSERT_NE(OpenClock(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return host.minuteKeys.size() == 1; }, 5000));
    EXPECT_EQ(1, host.dayChanges);
    host.now = ClockAt(2026, 12, 12, 0, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return host.minuteKeys.size() == 2; }, 5000));
    EXPECT_EQ(2, host.dayChanges);

    ASSERT_TRUE(PumpUntil([&] { return host.webChecks == 1; }, 10000));
    EXPECT_EQ(30, g_nClockTickCount);
    EXPECT_FALSE(IsServerCheckIdle());
    ASSERT_TRUE(PumpUntil([&] { return IsServerCheckIdle(); }, 15000));
    // Idle again only at the sixth tick past the start, five seconds on.
    EXPECT_EQ(36, g_nClockTickCount);
    EXPECT_EQ(1, host.webChecks);
    EXPECT_EQ(2, host.dayChanges);
}

TEST_F(ClockWindowTest, ChosenSkinAndWindowStateSurviveARestart) {
    CString skinFolder = g_ProgramFolder + L"skin\\Clock\\plain\\";
    for (const wchar_t* part : {L"skin\\", L"skin\\Clock\\"}) ::CreateDirectoryW(g_ProgramFolder + part, nullptr);
    ASSERT_TRUE(EnsureFolder(skinFolder));
    ASSERT_TRUE(WriteText(skinFolder + L"plain.xml",
                          "<ZorelWidget><Window><Size W=\"60\" H=\"40\" /></Window></ZorelWidget>"));
    ASSERT_NE(OpenClock(), nullptr);
    HMENU menu = clock->BuildContextMenu();
    ASSERT_NE(menu, nullptr);
    ::DestroyMenu(menu);
    ASSERT_EQ(1, clock->GetSkinList().GetCount());
    clock->SendMessage(WM_COMMAND, ID_SKIN_CHOICE_FIRST, 0);
    EXPECT_EQ(skinFolder + L"plain.xml", g_Settings.Clock.SkinFile);
    EXPECT_EQ(skinFolder + L"plain.xml", clock->GetSkinFile());

    clock->SendMessage(WM_COMMAND, ID_POS_TOPMOST, 0);
    clock->SendMessage(WM_COMMAND, ID_FIX_LOCATION, 0);
    clock->SendMessage(WM_COMMAND, ID_TRANSPARENCY_LAST - 5, 0);  // 50 per cent
    int alpha = clock->GetAlpha();
    EXPECT_LT(alpha, 255);
    ::SetWindowPos(clock->m_hWnd, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    clock->EnableSavePosition();
    ::SetWindowPos(clock->m_hWnd, nullptr, 130, 95, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(clock->IsChanged());
    g_Settings.Clock.MouseOverHiding = 1;
    CloseClock();  // saves its state as it goes

    // Written to a settings file and read back, as at the next start.
    CString configPath = g_ProgramFolder + L"clock-config.xml";
    {
        CSettingsStore store;
        store.Create(configPath);
        WriteClockSettings(store);
        ASSERT_TRUE(store.Save());
    }
    g_Settings.Clock = CSettings::ClockSection();
    {
        CSettingsStore store;
        ASSERT_EQ(CSettingsStore::LOAD_READ, store.Load(configPath));
        ReadClockSettings(store);
    }
    EXPECT_EQ(skinFolder + L"plain.xml", g_Settings.Clock.SkinFile);
    EXPECT_EQ(ZPOS_TOPMOST, g_Settings.Clock.ZPosition);
    EXPECT_EQ(alpha, g_Settings.Clock.TransVal);
    EXPECT_EQ(0, g_Settings.Clock.MouseOverHiding);  // the window's own flag was off
    EXPECT_EQ(0, g_Settings.Clock.AllowMove);
    EXPECT_EQ(130, g_Settings.Clock.WinX);
    EXPECT_EQ(95, g_Settings.Clock.WinY);

    ASSERT_NE(OpenClock(), nullptr);
    EXPECT_EQ(skinFolder + L"plain.xml", clock->GetSkinFile());
    EXPECT_EQ(ZPOS_TOPMOST, clock->GetZPosition());
    EXPECT_EQ(alpha, clock->GetAlpha());
    CRect rect;
    ::GetWindowRect(clock->m_hWnd, &rect);
    EXPECT_EQ(CPoint(130, 95), rect.TopLeft());
    menu = clock->BuildContextMenu();
    EXPECT_TRUE(MenuState(menu, ID_FIX_LOCATION) & MF_CHECKED);
    EXPECT_FALSE(MenuState(menu, ID_SKIN_DEFAULT) & MF_CHECKED);
    ::DestroyMenu(menu);

    // Back to the built-in clock: the skin file is forgotten.
    clock->SendMessage(WM_COMMAND, ID_SKIN_DEFAULT, 0);
    EXPECT_TRUE(g_Settings.Clock.SkinFile.IsEmpty());
    EXPECT_EQ(3u, Rotators(clock).size());
}
