#include "app/ClockPageTarget.h"

#include "widgets/ClockDlg.h"

CString CClockWindowTarget::GetSkinFile() {
    CClockDlg* clock = m_find();
    return clock ? clock->GetSkinFile() : CString();
}

int CClockWindowTarget::GetAlpha() {
    CClockDlg* clock = m_find();
    return clock ? clock->GetAlpha() : 255;
}

int CClockWindowTarget::GetMouseOverHiding() {
    CClockDlg* clock = m_find();
    return clock ? clock->m_bMouseOverHiding : 0;
}

int CClockWindowTarget::GetZPosition() {
    CClockDlg* clock = m_find();
    return clock ? clock->GetZPosition() : 1;
}

void CClockWindowTarget::LoadDefaultSkin() {
    if (CClockDlg* clock = m_find()) clock->LoadDefaultSkin();
}

void CClockWindowTarget::LoadSkin(const CString& path) {
    if (CClockDlg* clock = m_find()) {
        clock->LoadSkin(path);
        clock->SaveState();
    }
}

void CClockWindowTarget::SetAlpha(int alpha) {
    if (CClockDlg* clock = m_find()) clock->SetAlpha(alpha);
}

void CClockWindowTarget::ShowOrHide(int viewMode) {
    if (CClockDlg* clock = m_find()) clock->ShowOrHide(viewMode);
}

void CClockWindowTarget::SetMouseOverHiding(int on) {
    if (CClockDlg* clock = m_find()) clock->m_bMouseOverHiding = on ? 1 : 0;
}

void CClockWindowTarget::SetZPosition(int level) {
    if (CClockDlg* clock = m_find()) clock->SetZPosition(level, TRUE);
}

void CClockWindowTarget::Repaint() {
    if (CClockDlg* clock = m_find()) clock->Invalidate(FALSE);
}
