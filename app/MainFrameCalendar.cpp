// The main frame's desktop calendar: creating it, showing it, storing its
// state, the anniversary dialog on a date or a record, and the anniversary
// notices of the day. The calendar owns the anniversaries; the frame reaches
// them through it.
#include "app/MainFrame.h"
#include "app/MainFrameCalendarHost.h"

#include "calendar/DayMarks.h"
#include "notes/DayinfoDlg.h"
#include "notes/FrameNotes.h"
#include "shell/AppGlobals.h"
#include "shell/Settings.h"
#include "ui/ShowEffectDlg.h"
#include "widgets/CalendarDlg.h"
#include "widgets/CalendarScheduleDlg.h"
#include "widgets/ClockDlg.h"
#include "widgets/MeterCalendar.h"
#include "widgets/WidgetIds.h"

namespace {
// The frame whose alarms the calendar's day texts list.
CMainFrame* s_dayTextFrame = nullptr;

CString DayAlarmTextOfFrame(int year, int month, int day) {
    return s_dayTextFrame ? s_dayTextFrame->GetDayAlarmText(year, month, day) : CString();
}
}  // namespace

// ---- What the calendar asks of the frame ----

void CMainFrameCalendarHost::OpenCalendarSettings() { m_frame.OpenCalendarSettings(); }
void CMainFrameCalendarHost::NewAlarmOnDate(int year, int month, int day) { m_frame.NewAlarmOnDate(year, month, day); }
void CMainFrameCalendarHost::NewAnniversaryOnDate(int month, int day) { m_frame.NewAnniversaryOnDate(month, day); }

CMainFrameCalendarHost::~CMainFrameCalendarHost() { DestroyBalloon(); }

bool CMainFrameCalendarHost::CreateBalloon(IDayScheduleHost& rows, CalendarDlg& calendar) {
    if (m_pBalloon) return true;
    CCalendarScheduleDlg* balloon = new CCalendarScheduleDlg(rows, &calendar);
    if (!balloon->Create(IDD_SKIN_WINDOW, nullptr) || !balloon->m_hWnd) {
        balloon->Release();
        return false;
    }
    m_pBalloon = balloon;
    return true;
}

void CMainFrameCalendarHost::DestroyBalloon() {
    CCalendarScheduleDlg* balloon = m_pBalloon;
    m_pBalloon = nullptr;
    if (!balloon) return;
    if (balloon->m_hWnd) balloon->DestroyWindow();
    balloon->Release();
}

// The calendar's cells tell one day apart from every other, so the balloon
// is asked by date alone, without the calendar meter the day came from.
void CMainFrameCalendarHost::ShowDayBalloon(int year, int month, int day, const CRect& cell) {
    if (!m_pBalloon || !m_pBalloon->m_hWnd) return;
    if (!m_pBalloon->ShowForDate(cell.left + cell.Width() / 2, cell.top, cell.Height(), nullptr, year, month, day))
        return;
    m_pBalloon->SetForegroundWindow();
}
void CMainFrameCalendarHost::HideDayBalloon() {
    if (m_pBalloon) m_pBalloon->Hide(FALSE);
}
bool CMainFrameCalendarHost::IsDayBalloonShowing(int year, int month, int day) {
    return m_pBalloon && m_pBalloon->IsShowing(nullptr, year, month, day);
}

// ---- The calendar as the hot keys see it ----

bool CCalendarHotKeyView::IsVisible() { return m_window.IsVisible() != FALSE; }
int CCalendarHotKeyView::GetLevel() { return m_window.GetZPosition(); }
void CCalendarHotKeyView::ArmAutoHide(int fadeIn, int stayMs) { m_window.ArmAutoHide(fadeIn, stayMs); }
void CCalendarHotKeyView::SetZPosition(int level, bool remember) { m_window.SetZPosition(level, remember ? TRUE : FALSE); }
void CCalendarHotKeyView::SetForeground() { m_window.SetForegroundWindow(); }
void CCalendarHotKeyView::FadeOut() { m_window.FadeOut(); }
void CCalendarHotKeyView::ShowWithEffect() { ::ShowWithEffect(&m_window); }
void CCalendarHotKeyView::AddToSpotlightIfActive() { ::AddToSpotlightIfActive(&m_window); }

// ---- Creating and showing ----

void CMainFrame::CreateCalendar() {
    if (m_pCalendar) return;
    if (!m_calendarHost) m_calendarHost = std::make_unique<CMainFrameCalendarHost>(*this);
    CalendarDlg* calendar = new CalendarDlg(*m_calendarHost);
    if (!calendar->Create(IDD_CALENDAR, nullptr) || !calendar->m_hWnd) {
        calendar->Release();
        return;
    }
    m_pCalendar = calendar;
    m_calendarView = std::make_unique<CCalendarHotKeyView>(*calendar);
    ConnectDaySchedules();
    m_calendarHost->CreateBalloon(DayScheduleHost(), *calendar);
    s_dayTextFrame = this;
    g_DayAlarmText = DayAlarmTextOfFrame;
    calendar->EnableSavePosition();
    CPoint at = calendar->AdjustPositionToMonitor(g_Settings.Calendar.WinX, g_Settings.Calendar.WinY);
    g_Settings.Calendar.WinX = at.x;
    g_Settings.Calendar.WinY = at.y;
    ::SetWindowPos(calendar->m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (g_Settings.Calendar.AutoStart) {
        calendar->Redraw();
        calendar->ArmAutoHide(TRUE, -1);
    }
    calendar->ClearChanged();
    AddToSpotlightIfActive(calendar);
    // The tray's date can now carry the anniversaries' marks.
    DrawTrayIcon(NIM_MODIFY, 0, 5);
}

void CMainFrame::DestroyCalendar() {
    if (!m_pCalendar) return;
    CalendarDlg* calendar = m_pCalendar;
    if (m_calendarHost) m_calendarHost->DestroyBalloon();
    m_calendarView.reset();
    m_pCalendar = nullptr;
    if (s_dayTextFrame == this) {
        s_dayTextFrame = nullptr;
        g_DayAlarmText = nullptr;
    }
    if (calendar->m_hWnd) calendar->DestroyWindow();
    calendar->Release();
}

bool CMainFrame::CalendarExists() { return m_pCalendar != nullptr; }

IHotKeyView* CMainFrame::GetCalendarView() { return m_calendarView.get(); }

void CMainFrame::SeeCalendar() {
    if (!m_pCalendar) return;
    m_pCalendar->Redraw();
    m_pCalendar->ArmAutoHide(TRUE, -1);
    ShowWithEffect(m_pCalendar);
}

void CMainFrame::RedrawCalendar() {
    if (m_pCalendar) m_pCalendar->RefreshWindow();
}

void CMainFrame::HideCalendarBalloon() {
    if (m_pCalendar) m_pCalendar->HideBalloon();
}

CCalendarScheduleDlg* CMainFrame::GetDayBalloon() {
    return m_pCalendar && m_calendarHost ? m_calendarHost->GetBalloon() : nullptr;
}

void CMainFrame::OpenCalendarSettings() { OpenSettings(5, -1); }

const CArray<CDayInfo>* CMainFrame::GetAnniversaries() {
    return m_pCalendar ? &m_pCalendar->GetAnniversaryList() : nullptr;
}

void CMainFrame::RebuildTrayMonthMarks(int year, int month) {
    MarkMonthAnniversaries(GetAnniversaries(), year, month);
    MarkMonthRanges(year, month);
}

// ---- Anniversaries ----

void CMainFrame::NewAnniversaryOnDate(int month, int day) {
    if (!m_pCalendar) return;
    m_pCalendar->HideBalloon();
    CDayinfoDlg dialog(this, 0, nullptr);
    dialog.SetDate(month, day);
    if (dialog.DoModal() != IDOK || !m_pCalendar) return;
    m_pCalendar->AddAnniversary(dialog.GetRecord());
    m_pCalendar->SaveAnniversaries();
    OnAnniversariesChanged();
}

void CMainFrame::EditAnniversary(int id) {
    if (!m_pCalendar) return;
    m_pCalendar->HideBalloon();
    CDayInfo* found = m_pCalendar->FindAnniversary(id);
    if (!found) return;
    CDayinfoDlg dialog(this, CDayinfoDlg::ModeEdit, found);
    INT_PTR answer = dialog.DoModal();
    if (!m_pCalendar) return;
    if (answer == IDOK) {
        // The list may have changed while the dialog ran.
        if (CDayInfo* still = m_pCalendar->FindAnniversary(id)) *still = dialog.GetRecord();
    } else if (answer == CDayinfoDlg::DeleteResult) {
        m_pCalendar->RemoveAnniversary(id);
    } else {
        return;
    }
    m_pCalendar->SaveAnniversaries();
    OnAnniversariesChanged();
}

LRESULT CMainFrame::OnAddAnniversaryMessage(WPARAM, LPARAM) {
    SYSTEMTIME now = ClockNow();
    NewAnniversaryOnDate(now.wMonth, now.wDay);
    return 0;
}

void CMainFrame::OnAnniversariesRestored() {
    OpenCalendarSettings();
    if (m_pCalendar) m_pCalendar->LoadOrImportAnniversaries();
    OnAnniversariesChanged();
}

void CMainFrame::NotifyTodayAnniversaries() {
    if (!g_Settings.Calendar.MemorialDayCheck || !m_pCalendar || !m_pNotes) return;
    SYSTEMTIME now = ClockNow();
    // The clock must not report this day as new again.
    int dayKey = ClockTime::From(now).DayKey();
    if (m_pClock)
        m_pClock->TickState().SetLastDayKey(dayKey);
    else
        m_standInTick.SetLastDayKey(dayKey);
    m_pNotes->NotifyTodayAnniversaries(m_pCalendar->GetAnniversaryList(), now);
}
