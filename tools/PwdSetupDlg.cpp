#include "tools/PwdSetupDlg.h"

#include "shell/LanguageTable.h"
#include "shell/SystemUtil.h"
#include "tools/PwdMessage.h"
#include "tools/PwdRules.h"
#include "tools/ToolsIds.h"

BEGIN_MESSAGE_MAP(CPwdSetupDlg, CDialog)
END_MESSAGE_MAP()

CPwdSetupDlg::CPwdSetupDlg(int mode, const CPwdVault& vault, CWnd* parent)
    : CDialog(IDD_PWD_SETUP, parent), m_nMode(mode), m_vault(vault) {}

void CPwdSetupDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PWD_SETUP_NOTE, m_note);
}

BOOL CPwdSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[m_nMode == modeChange ? TXT_PWD_CHANGE_TITLE : TXT_PWD_SET_TITLE]);
    SetDlgItemText(IDC_PWD_NEW_LABEL, g_LanguageTable[TXT_PWD_PASSWORD]);
    SetDlgItemText(IDC_PWD_CONFIRM_LABEL, g_LanguageTable[TXT_PWD_REENTER]);
    SetDlgItemText(IDC_PWD_SETUP_NOTE, g_LanguageTable[TXT_PWD_RULES_NOTE]);
    SetDlgItemText(IDOK, g_LanguageTable[TXT_PWD_OK]);
    m_note.SetTextColor(RGB(255, 0, 0));
    m_note.SetBkColor(RGB(255, 255, 255));
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    GotoDlgCtrl(GetDlgItem(IDC_PWD_NEW));
    return FALSE;
}

bool CPwdSetupDlg::WriteEmptyVault(const CString& password) {
    if (m_vault.WriteEmptyVault(password)) return true;
    PwdReportFileError(GetSafeHwnd());
    return false;
}

void CPwdSetupDlg::OnOK() {
    CString password, confirmation;
    GetDlgItemText(IDC_PWD_NEW, password);
    GetDlgItemText(IDC_PWD_CONFIRM, confirmation);
    int refusal = PwdRules::CheckMasterPassword(password, confirmation);
    if (refusal) {
        PwdMessageBox(GetSafeHwnd(), g_LanguageTable[refusal], MB_OK | MB_ICONWARNING);
        if (refusal != PwdRules::TXT_MISMATCH) GotoDlgCtrl(GetDlgItem(IDC_PWD_NEW));
        return;
    }
    if (m_nMode == modeSet && !WriteEmptyVault(password)) return;
    m_szPassword = password;
    EndDialog(IDOK);
}
