#include "widgets/CalendarScheduleDlg.h"

#include "widgets/Measure.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterSchedule.h"

#include "shell/DateUtil.h"
#include "shell/ProgramFolder.h"

#include <gdiplus.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CCalendarScheduleDlg, CDayScheduleDlg)
    ON_WM_NCHITTEST()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BalloonPlacement PlaceBalloon(int x, int y, int cellHeight, int width, int height, int arrowWidth, int screenWidth,
                              bool singleMonitor) {
    BalloonPlacement p;
    p.top = y - height;
    p.left = x - 41;
    p.arrowOffset = 28;
    p.arrowOnTop = false;
    if (singleMonitor) {
        const int overflow = p.left + width - screenWidth;
        if (overflow > 0) {
            // The arrow must stay on the balloon, clear of its rounded ends.
            const int shift = std::max(0, std::min(overflow, width - 2 * arrowWidth - 10));
            p.left -= shift;
            p.arrowOffset += shift;
        }
        if (p.top < 0) {
            p.top = y + cellHeight;
            p.arrowOnTop = true;
        }
    }
    return p;
}

CCalendarScheduleDlg::CCalendarScheduleDlg(IDayScheduleHost& host, CWnd* owner)
    : CDayScheduleDlg(host, nullptr), m_pOwnerWnd(owner) {}

CCalendarScheduleDlg::~CCalendarScheduleDlg() = default;

BOOL CCalendarScheduleDlg::OnInitDialog() {
    SetPosition(0, 0);
    m_nZPosition = 1;
    SetSkinFile(g_ProgramFolder + L"system\\skin\\calendar_balloon\\balloon.xml");
    // The day window's own settings are not the balloon's: skip its set-up.
    CGDIDialog::OnInitDialog();
    FindArrows();
    SetAlpha(255);
    m_bMouseOverHiding = 0;
    m_bMovable = 1;
    return FALSE;
}

// The balloon keeps no state of its own among the settings.
void CCalendarScheduleDlg::PostNcDestroy() { CGDIDialog::PostNcDestroy(); }

void CCalendarScheduleDlg::FindArrows() {
    m_pUpArrow = m_pDownArrow = nullptr;
    std::vector<CMeterSchedule*> meters = ScheduleMeters();
    if (meters.empty()) return;
    m_pUpArrow = static_cast<CMeterImage*>(meters[0]->GetChild(CMeterSchedule::UP_ARROW));
    m_pDownArrow = static_cast<CMeterImage*>(meters[0]->GetChild(CMeterSchedule::DOWN_ARROW));
}

bool CCalendarScheduleDlg::ShowForDate(int x, int y, int cellHeight, CMeterCalendar* meter, int year, int month,
                                       int day) {
    // The calendar's cells always give a date; anything else is refused
    // quietly rather than thrown out of a window procedure.
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > GetDaysInMonth(year, month)) return false;
    if (!m_hWnd) return false;
    m_pMeter = meter;
    m_nYear = year;
    m_nMonth = month;
    m_nDay = day;
    m_nWeekday = ::GetWeekday(year, month, day);
    ShowDate(year, month, day);

    const CRect rect = GetRect();
    const int arrowWidth = m_pUpArrow && m_pUpArrow->HasImage() ? m_pUpArrow->GetW() : rect.Width() / 2;
    const bool singleMonitor = ::GetSystemMetrics(SM_CMONITORS) <= 1;
    m_Placement = PlaceBalloon(x, y, cellHeight, rect.Width(), rect.Height(), arrowWidth,
                               ::GetSystemMetrics(SM_CXSCREEN), singleMonitor);
    SetPosition(m_Placement.left, m_Placement.top);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, m_Placement.left, m_Placement.top, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Redraw();
    FadeIn();
    KillTimer(TIMER_CURSOR_WATCH);
    SetTimer(TIMER_CURSOR_WATCH, kWatchMs, nullptr);
    return true;
}

bool CCalendarScheduleDlg::IsShowing(CMeterCalendar* meter, int year, int month, int day) {
    return m_hWnd && IsVisible() && meter == m_pMeter && year == m_nYear && month == m_nMonth && day == m_nDay;
}

void CCalendarScheduleDlg::Hide(BOOL fade) {
    if (!m_hWnd) return;
    KillTimer(TIMER_CURSOR_WATCH);
    KillTimer(TIMER_AUTO_HIDE);
    CZDialog::Hide(fade);
}

bool CCalendarScheduleDlg::CursorOnBalloonOrOwner() {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    if (GetRect().PtInRect(cursor)) return true;
    if (m_pOwnerWnd && m_pOwnerWnd->m_hWnd) {
        CRect owner;
        ::GetWindowRect(m_pOwnerWnd->m_hWnd, &owner);
        if (owner.PtInRect(cursor)) return true;
    }
    return false;
}

void CCalendarScheduleDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_CURSOR_WATCH) {
        if (!CursorOnBalloonOrOwner()) Hide(FALSE);
        return;
    }
    CDayScheduleDlg::OnTimer(id);
}

LRESULT CCalendarScheduleDlg::OnNcHitTest(CPoint point) {
    // With Ctrl held the calendar below keeps following the mouse.
    if (::GetKeyState(VK_CONTROL) & 0x8000) return HTTRANSPARENT;
    return CDayScheduleDlg::OnNcHitTest(point);
}

void CCalendarScheduleDlg::DrawOverlay() {
    CMeterImage* arrow = m_Placement.arrowOnTop ? m_pUpArrow : m_pDownArrow;
    if (m_bShowArrow && arrow && arrow->GetPicture()) {
        Gdiplus::Graphics g(m_pBackBuffer.get());
        const int h = arrow->GetH();
        const int y = m_Placement.arrowOnTop ? 0 : (int)m_pBackBuffer->GetHeight() - h;
        g.DrawImage(arrow->GetPicture(), Gdiplus::Rect(m_Placement.arrowOffset, y, arrow->GetW(), h));
    }
}
