#include "app/CalendarPageTarget.h"

#include "widgets/CalendarDlg.h"

CString CCalendarWindowTarget::GetSkinFile() {
    CalendarDlg* calendar = m_find();
    return calendar ? calendar->GetSkinFile() : CString();
}

void CCalendarWindowTarget::LoadSkin(const CString& path) {
    if (CalendarDlg* calendar = m_find()) {
        calendar->LoadSkin(path);
        calendar->SaveState();
    }
}

int CCalendarWindowTarget::GetAlpha() {
    CalendarDlg* calendar = m_find();
    return calendar ? calendar->GetAlpha() : 255;
}

void CCalendarWindowTarget::SetAlpha(int alpha) {
    if (CalendarDlg* calendar = m_find()) calendar->SetAlpha(alpha);
}

int CCalendarWindowTarget::GetMouseOverHiding() {
    CalendarDlg* calendar = m_find();
    return calendar ? calendar->m_bMouseOverHiding : 0;
}

void CCalendarWindowTarget::SetMouseOverHiding(int on) {
    if (CalendarDlg* calendar = m_find()) calendar->m_bMouseOverHiding = on ? 1 : 0;
}

int CCalendarWindowTarget::GetZPosition() {
    CalendarDlg* calendar = m_find();
    return calendar ? calendar->GetZPosition() : 0;
}

void CCalendarWindowTarget::SetZPosition(int level) {
    if (CalendarDlg* calendar = m_find()) calendar->SetZPosition(level, TRUE);
}

bool CCalendarWindowTarget::IsVisible() {
    CalendarDlg* calendar = m_find();
    return calendar && calendar->IsVisible();
}

void CCalendarWindowTarget::ShowToStay() {
    if (CalendarDlg* calendar = m_find()) {
        calendar->Redraw();
        calendar->ArmAutoHide(TRUE, -1);
    }
}

// Asked for only while the frame has a calendar.
CAnniversaryFile& CCalendarWindowTarget::Anniversaries() { return m_find()->Anniversaries(); }
