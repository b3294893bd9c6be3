#include "app/SettingsPage.h"

#include "app/SetupMemo.h"

BOOL CSettingsPage::CreatePage() { return Create(m_templateId, &m_sheet); }

void CSettingsPage::OnCancel() {
    if (PassesEscapeToSheet()) m_sheet.Cancel();
}
