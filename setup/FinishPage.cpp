#include "setup/FinishPage.h"

#include "setup/SetupConfig.h"
#include "setup/SetupIds.h"
#include "setup/SetupLogic.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"

BEGIN_MESSAGE_MAP(CFinishPage, CDialog)
ON_BN_CLICKED(IDC_FINISH_MENU_WIDGET, OnMenuWidget)
END_MESSAGE_MAP()

BOOL CFinishPage::OnInitDialog() {
    CDialog::OnInitDialog();
    const int lang = m_state.languageOffset;
    SetDlgItemText(IDC_FINISH_RUN, GetSetupText(803, lang));
    SetDlgItemText(IDC_FINISH_MENU_WIDGET, GetSetupText(804, lang));
    SetDlgItemText(IDC_FINISH_GROUP, GetSetupText(24001, lang));
    for (int i = 0; i < 4; ++i) SetDlgItemText(IDC_FINISH_PRESET_FIRST + i, GetSetupText(24002 + i, lang));
    CheckDlgButton(IDC_FINISH_RUN, BST_CHECKED);
    CheckDlgButton(IDC_FINISH_MENU_WIDGET, BST_CHECKED);
    CheckRadioButton(IDC_FINISH_PRESET_FIRST, IDC_FINISH_PRESET_LAST, IDC_FINISH_PRESET_FIRST);
    return TRUE;
}

void CFinishPage::Prepare() {
    if (FileExists(SetupLogic::JoinFolder(m_state.installFolder, L"ZorelConfig.xml"))) {
        m_preset = PRESET_LAST_OPTIONS;
        SetDlgItemText(IDC_FINISH_PRESET_FIRST, GetSetupText(24006, m_state.languageOffset));
    } else {
        m_preset = PRESET_MEMO_AND_SCHEDULE;
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FINISH_PRESET_LAST), FALSE);
    }
    CheckRadioButton(IDC_FINISH_PRESET_FIRST, IDC_FINISH_PRESET_LAST, IDC_FINISH_PRESET_FIRST + m_preset);
}

void CFinishPage::ReadFields() {
    // The check is hidden after a failed copy: nothing is started then.
    HWND run = ::GetDlgItem(m_hWnd, IDC_FINISH_RUN);
    m_run = IsDlgButtonChecked(IDC_FINISH_RUN) == BST_CHECKED && (::GetWindowLongW(run, GWL_STYLE) & WS_VISIBLE);
    m_showMenuWidget = IsDlgButtonChecked(IDC_FINISH_MENU_WIDGET) == BST_CHECKED;
    for (int i = 0; i < 4; ++i)
        if (IsDlgButtonChecked(IDC_FINISH_PRESET_FIRST + i) == BST_CHECKED) m_preset = i;
}

void CFinishPage::OnMenuWidget() {
    bool on = IsDlgButtonChecked(IDC_FINISH_MENU_WIDGET) == BST_CHECKED;
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_FINISH_PICTURE), on ? SW_SHOW : SW_HIDE);
}
