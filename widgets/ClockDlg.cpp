#include "widgets/ClockDlg.h"

#include "widgets/SkinMenu.h"
#include "widgets/WidgetEnvironment.h"
#include "widgets/WidgetIds.h"

#include "ui/FloatingOptions.h"
#include "ui/ShowEffectDlg.h"
#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"

#include "fw/Menu.h"

BEGIN_MESSAGE_MAP(CClockDlg, CGDIDialog)
    ON_WM_TIMER()
    ON_WM_MOVE()
    ON_WM_NCLBUTTONDBLCLK()
    ON_COMMAND_RANGE(ID_CLOCK_VIEW_ALWAYS, ID_CLOCK_VIEW_SET_TIME, OnViewMode)
END_MESSAGE_MAP()

namespace {

void SetMenuText(HMENU menu, UINT item, BOOL byPosition, int textId) {
    CString text = g_LanguageTable[textId];
    if (text.IsEmpty()) return;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.GetString());
    ::SetMenuItemInfoW(menu, item, byPosition, &info);
}

// Positions in menu 196.
enum {
    POS_LEVEL = 0,
    POS_VIEW = 1,
    POS_HIDE_OTHERS = 2,
    POS_ARRANGE = 3,
    POS_FIX = 4,
    POS_OPACITY = 5,
    POS_SKIN = 7,
    POS_SKIN_EDIT = 8,
    POS_SKIN_INFO = 9,
    POS_SCHEDULES = 11,
    POS_SETTINGS = 12,
};

}  // namespace

void ApplyHeartbeat(IClockHost& host, const ClockTickResult& result) {
    if (result.startWebCheck) host.StartWebCheck();
    if (result.drawTrayIcon) host.DrawTrayDate();
    if (result.minuteCall) {
        int minuteKey = result.minuteKey, minuteOfDay = result.minuteOfDay;
        host.OnMinuteTick(minuteKey, minuteOfDay);
    }
    if (result.dayCall) host.OnDayChanged();
}

CClockDlg::CClockDlg(IClockHost& host, CWnd* parent) : CGDIDialog(IDD_CLOCK, parent), m_host(host) {
    // The first idle test needs a sample to measure from.
    m_cpu.Update();
}

CClockDlg::~CClockDlg() = default;

BOOL CClockDlg::Create(UINT templateId, CWnd* parent) { return CGDIDialog::Create(templateId, parent); }

ClockChimeSettings CClockDlg::ChimeSettings() {
    const CSettings::ClockSection& s = g_Settings.Clock;
    ClockChimeSettings settings;
    settings.viewMode = s.ViewMode;
    for (int i = 0; i < 5; ++i) settings.specialTime[i] = s.SpecialTime[i];
    settings.viewingBeforeTime = s.ViewingBeforeTime;
    settings.viewingAfterTime = s.ViewingAfterTime;
    settings.alarmSoundDefault = s.AlarmSoundDefault;
    settings.alarmSoundFile = s.AlarmSoundFile;
    return settings;
}

BOOL CClockDlg::OnInitDialog() {
    const CSettings::ClockSection& s = g_Settings.Clock;
    SetPosition(s.WinX, s.WinY);
    m_nZPosition = s.ZPosition;
    SetSkinFolder(g_ProgramFolder + L"skin\\Clock\\");
    SetSkinFile(s.SkinFile);
    CGDIDialog::OnInitDialog();
    int alpha = s.TransVal;
    if (alpha < 0 || alpha > 255 || g_PlatformId < 2) alpha = 255;
    SetAlpha(alpha);
    m_bMouseOverHiding = s.MouseOverHiding;
    m_bMovable = s.AllowMove;
    m_now = ReadTime();
    SetTimer(TIMER_CLOCK_TICK, CLOCK_TICK_MS);
    return FALSE;
}

void CClockDlg::PostNcDestroy() {
    SaveState();
    CGDIDialog::PostNcDestroy();
}

// ---- The tick ----

ClockTime CClockDlg::ReadTime() { return ClockTime::From(m_host.ClockNow()); }

void CClockDlg::OnTimer(UINT_PTR id) {
    if (id != TIMER_CLOCK_TICK) {
        CGDIDialog::OnTimer(id);
        return;
    }
    Tick();
}

void CClockDlg::Tick() {
    m_now = ReadTime();
    ClockWindowState window;
    window.fadeState = GetFadeState();
    window.visible = IsVisible() != FALSE;
    ClockTickResult result = m_tick.Tick(m_now, ChimeSettings(), window, GetCheckInterval(), [this] {
        m_cpu.Update();
        return m_cpu.GetValue();
    });
    CarryOutRule(result);
    if (result.invalidate) Redraw();
    ApplyHeartbeat(m_host, result);
}

void CClockDlg::CarryOutRule(const ClockTickResult& result) {
    if (result.showByRule) {
        FadeIn();
        // Raised for the moment only: the user's level stays the stored one.
        m_nRuleSavedZPosition = m_nZPosition;
        m_bRuleRaised = m_nZPosition != ZPOS_TOPMOST;
        if (m_bRuleRaised) SetZPosition(ZPOS_TOPMOST, FALSE);
        AddToSpotlightIfActive(this);
    }
    if (!result.sound.IsEmpty()) PlayChime(result.sound);
    if (result.hideByRule) {
        if (m_bRuleRaised) SetZPosition(m_nRuleSavedZPosition, FALSE);
        m_bRuleRaised = false;
        FadeOut();
    }
}

void CClockDlg::CheckMinuteAndDay() {
    ClockTickResult result;
    m_tick.CheckMinuteAndDay(ReadTime(), result);
    ApplyHeartbeat(m_host, result);
}

void CClockDlg::UpdateChime(const ClockTime& now) {
    ClockWindowState window;
    window.fadeState = GetFadeState();
    window.visible = IsVisible() != FALSE;
    ClockTickResult result;
    m_tick.UpdateChime(now, ChimeSettings(), window, result);
    CarryOutRule(result);
}

void CClockDlg::PlayChime(const CString& sound) {
    // The built-in chimes live under the program folder; a chosen sound
    // file is played where it is. Never waits: the tick must not block.
    CString path = sound;
    if (sound == kClockShortChime || sound == kClockLongChime) path = g_ProgramFolder + sound;
    GetWidgetEnvironment().PlaySoundAsync(path);
}

// ---- Showing and state ----

void CClockDlg::ShowOrHide(int hide) {
    // The set-time rule lets go of a showing it started.
    m_tick.ForgetShownByRule();
    if (m_bRuleRaised) SetZPosition(m_nRuleSavedZPosition, FALSE);
    m_bRuleRaised = false;
    if (hide) {
        FadeOut();
    } else {
        ArmAutoHide(TRUE, -1);
        Redraw();
    }
}

void CClockDlg::OnViewMode(UINT id) {
    int mode = (int)id - (int)ID_CLOCK_VIEW_ALWAYS;
    g_Settings.Clock.ViewMode = mode;
    ShowOrHide(mode);
}

void CClockDlg::SaveState() {
    CSettings::ClockSection& s = g_Settings.Clock;
    s.SkinFile = GetSkinFile();
    s.ZPosition = m_nZPosition;
    s.TransVal = GetAlpha();
    s.MouseOverHiding = m_bMouseOverHiding;
    s.AllowMove = m_bMovable;
}

void CClockDlg::OnMove(int x, int y) {
    CGDIDialog::OnMove(x, y);
    if (GetBackBuffer() && m_bSavePosition) {
        CRect rect = GetRect();
        g_Settings.Clock.WinX = rect.left;
        g_Settings.Clock.WinY = rect.top;
        m_bChanged = 1;
    }
}

CPoint CClockDlg::GetTopLeft() { return CPoint(g_Settings.Clock.WinX, g_Settings.Clock.WinY); }

// ---- Skins ----

void CClockDlg::LoadDefaultSkin() {
    g_Settings.Clock.SkinFile.Empty();
    SaveClockPlacement(AppConfigStore());
    m_strSkinFile.Empty();
    ClearSkin();
    SetRegionFromImage(TRUE);
    m_Skin.LoadAnalogClock();
    BuildSkin(IDP_ANALOG_BACKGROUND);
}

void CClockDlg::SelectSkin(UINT id) {
    CGDIDialog::SelectSkin(id);
    g_Settings.Clock.SkinFile = GetSkinFile();
    SaveClockPlacement(AppConfigStore());
}

// ---- Mouse and the menu ----

void CClockDlg::OnNcLButtonDblClk(UINT hitTest, CPoint point) {
    if (CWnd* frame = m_host.GetFrameWindow()) frame->PostMessage(WM_COMMAND, ID_CLOCK_SETTINGS, 0);
    CGDIDialog::OnNcLButtonDblClk(hitTest, point);
}

HMENU CClockDlg::BuildContextMenu() {
    static const WindowMenuLayout kLayout = {
        IDR_CLOCK_MENU,
        {{POS_LEVEL, 11000}, {POS_VIEW, 11005}, {POS_HIDE_OTHERS, 27306}, {POS_ARRANGE, 11002},
         {POS_FIX, 11003}, {POS_OPACITY, 11004}, {POS_SKIN, 11006}, {POS_SKIN_EDIT, 11007},
         {POS_SKIN_INFO, 11008}, {POS_SCHEDULES, 11062}, {POS_SETTINGS, 11063}},
        POS_LEVEL, POS_ARRANGE, POS_OPACITY, POS_SKIN};
    HMENU popup = BuildWindowMenu(kLayout);
    if (!popup) return nullptr;
    if (HMENU view = ::GetSubMenu(popup, POS_VIEW)) {
        SetMenuText(view, ID_CLOCK_VIEW_ALWAYS, FALSE, 11060);
        SetMenuText(view, ID_CLOCK_VIEW_SET_TIME, FALSE, 11061);
        UINT checked = g_Settings.Clock.ViewMode == 0 ? ID_CLOCK_VIEW_ALWAYS : ID_CLOCK_VIEW_SET_TIME;
        ::CheckMenuItem(view, checked, MF_BYCOMMAND | MF_CHECKED);
    }
    // The built-in clock is the skin of no file.
    if (GetSkinFile().IsEmpty()) ::CheckMenuItem(popup, ID_SKIN_DEFAULT, MF_BYCOMMAND | MF_CHECKED);
    return popup;
}

BOOL CClockDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    // The schedule manager and the clock's settings are the frame's.
    if (lParam == 0 && (id == ID_SCHEDULE_MANAGEMENT || id == ID_CLOCK_SETTINGS)) {
        if (CWnd* frame = m_host.GetFrameWindow()) frame->PostMessage(WM_COMMAND, id, 0);
        return TRUE;
    }
    return CGDIDialog::OnCommand(wParam, lParam);
}
