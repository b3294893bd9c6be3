// The main frame's desktop clock: creating it, showing it, storing its state,
// and the heartbeat it owns. Until the clock exists, and for good when it
// cannot be made, the frame's own one-second timer runs the same tick, so
// alarms never depend on the clock's window.
#include "app/MainFrame.h"
#include "app/MainFrameClockHost.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"
#include "shell/ZMsgBox.h"
#include "ui/ShowEffectDlg.h"
#include "ui/UiIds.h"
#include "widgets/ClockDlg.h"

namespace {
// Told once when the clock window could not be made.
const int TEXT_CLOCK_NOT_CREATED = 39350;
}  // namespace

// ---- What the clock asks of the frame ----

SYSTEMTIME CMainFrameClockHost::ClockNow() { return m_frame.ClockNow(); }
void CMainFrameClockHost::OnMinuteTick(int& minuteKey, int& minuteOfDay) { m_frame.OnMinuteTick(minuteKey, minuteOfDay); }
void CMainFrameClockHost::OnDayChanged() { m_frame.OnDayChanged(); }
void CMainFrameClockHost::DrawTrayDate() { m_frame.DrawTrayIcon(NIM_MODIFY, 0, 5); }
void CMainFrameClockHost::StartWebCheck() { m_frame.StartWebCheck(); }
CWnd* CMainFrameClockHost::GetFrameWindow() { return &m_frame; }

// ---- The clock as the hot keys see it ----

bool CClockHotKeyView::IsVisible() { return m_window.IsVisible() != FALSE; }
int CClockHotKeyView::GetLevel() { return m_window.GetZPosition(); }
void CClockHotKeyView::ArmAutoHide(int fadeIn, int stayMs) { m_window.ArmAutoHide(fadeIn, stayMs); }
void CClockHotKeyView::SetZPosition(int level, bool remember) { m_window.SetZPosition(level, remember ? TRUE : FALSE); }
void CClockHotKeyView::SetForeground() { m_window.SetForegroundWindow(); }
void CClockHotKeyView::FadeOut() { m_window.FadeOut(); }
void CClockHotKeyView::ShowWithEffect() { ::ShowWithEffect(&m_window); }
void CClockHotKeyView::AddToSpotlightIfActive() { ::AddToSpotlightIfActive(&m_window); }

// ---- Creating and showing ----

void CMainFrame::CreateClock() {
    if (m_pClock) return;
    CClockDlg* clock = new CClockDlg(*m_clockHost);
    // The heartbeat's keys and counters move to the clock, so the minute
    // the stand-in has handled is not handled again.
    clock->TickState() = m_standInTick;
    if (!clock->Create(m_clockTemplate, nullptr) || !clock->m_hWnd) {
        clock->Release();
        // The stand-in timer keeps the alarms running; the user learns once
        // that the clock is missing.
        if (!m_clockFailureTold) {
            m_clockFailureTold = true;
            CString text = g_LanguageTable[TEXT_CLOCK_NOT_CREATED];
            if (text.IsEmpty()) text = L"The desktop clock could not be opened. Alarms keep running.";
            ::ShowMessageBox(text, -1);
        }
        return;
    }
    m_pClock = clock;
    m_clockView = std::make_unique<CClockHotKeyView>(*clock);
    KillTimer(TIMER_MINUTE_CHECK);
    clock->EnableSavePosition();
    CPoint at = clock->AdjustPositionToMonitor(g_Settings.Clock.WinX, g_Settings.Clock.WinY);
    g_Settings.Clock.WinX = at.x;
    g_Settings.Clock.WinY = at.y;
    ::SetWindowPos(clock->m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    clock->ClearChanged();
    AddToSpotlightIfActive(clock);
}

void CMainFrame::DestroyClock() {
    if (!m_pClock) return;
    CClockDlg* clock = m_pClock;
    m_clockView.reset();
    m_standInTick = clock->TickState();
    m_pClock = nullptr;
    if (clock->m_hWnd) clock->DestroyWindow();
    clock->Release();
}

bool CMainFrame::ClockExists() { return m_pClock != nullptr; }

void CMainFrame::ShowClockToStay() {
    if (!m_pClock) return;
    m_pClock->Redraw();
    m_pClock->ArmAutoHide(TRUE, -1);
}

void CMainFrame::ShowClockBriefly(int milliseconds) {
    if (m_pClock) m_pClock->ArmAutoHide(FALSE, milliseconds);
}

void CMainFrame::SeeClock() {
    if (!m_pClock) return;
    if (g_Settings.Clock.ViewMode != 0) {
        long long ms = (long long)g_Settings.General.HotKeyClockViewTime * 1000;
        if (ms < 0) ms = 0;
        if (ms > INT_MAX) ms = INT_MAX;
        m_pClock->ArmAutoHide(TRUE, (int)ms);
        AddToSpotlightIfActive(m_pClock);
    } else {
        m_pClock->ArmAutoHide(TRUE, -1);
        ShowWithEffect(m_pClock);
    }
}

IHotKeyView* CMainFrame::GetClockView() { return m_clockView.get(); }

// ---- The heartbeat ----

void CMainFrame::CheckMinuteAndDay() {
    if (m_pClock) {
        m_pClock->CheckMinuteAndDay();
        return;
    }
    ClockTickResult result;
    m_standInTick.CheckMinuteAndDay(ClockTime::From(ClockNow()), result);
    ApplyHeartbeat(*m_clockHost, result);
}

void CMainFrame::SetLastMinuteKey(int key) {
    if (m_pClock)
        m_pClock->SetLastMinuteKey(key);
    else
        m_standInTick.SetLastMinuteKey(key);
}

void CMainFrame::StandInTick() {
    // No window to show or chime: only the frame's share of the tick.
    ClockChimeSettings settings = CClockDlg::ChimeSettings();
    settings.viewMode = -1;
    ClockTickResult result = m_standInTick.Tick(ClockTime::From(ClockNow()), settings, ClockWindowState(),
                                                GetCheckInterval(), [] { return 0.0; });
    ApplyHeartbeat(*m_clockHost, result);
}
