#include "tools/PwdLoginDlg.h"

#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/SystemUtil.h"
#include "tools/PwdMessage.h"
#include "tools/ToolsIds.h"

BEGIN_MESSAGE_MAP(CPwdLoginDlg, CDialog)
    ON_BN_CLICKED(IDC_PWD_RESET, OnReset)
END_MESSAGE_MAP()

CPwdLoginDlg::CPwdLoginDlg(const CPwdVault& vault, CWnd* parent)
    : CDialog(IDD_PWD_LOGIN, parent), m_vault(vault) {}

BOOL CPwdLoginDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[TXT_PWD_LOGIN_TITLE]);
    SetDlgItemText(IDOK, g_LanguageTable[TXT_PWD_OK]);
    SetDlgItemText(IDC_PWD_LOGIN_LABEL, g_LanguageTable[TXT_PWD_LOGIN_LABEL]);
    SetDlgItemText(IDC_PWD_RESET, g_LanguageTable[TXT_PWD_RESET]);
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    GotoDlgCtrl(GetDlgItem(IDC_PWD_LOGIN_PASSWORD));
    return FALSE;
}

CString CPwdLoginDlg::ReadStoredVerifier() {
    bool failed = false;
    CString verifier = m_vault.ReadStoredVerifier(&failed);
    if (failed) PwdReportFileError(GetSafeHwnd());
    return verifier;
}

bool CPwdLoginDlg::ResetVault() { return m_vault.Reset(); }

void CPwdLoginDlg::OnOK() {
    GetDlgItemText(IDC_PWD_LOGIN_PASSWORD, m_szPassword);
    if (m_szPassword.IsEmpty()) {
        EndDialog(IDCANCEL);
        return;
    }
    // An empty stored verifier (a damaged or foreign file) matches nothing.
    CString stored = ReadStoredVerifier();
    if (!stored.IsEmpty() && CPwdVault::MakeVerifier(m_szPassword) == stored) {
        EndDialog(IDOK);
        return;
    }
    ++m_nFailed;
    m_szPassword.Empty();
    CString text;
    text.Format(L"%s (%d / %d)", (LPCWSTR)g_LanguageTable[TXT_PWD_FAILED_ATTEMPT], m_nFailed, kMaxAttempts);
    PwdMessageBox(GetSafeHwnd(), text, MB_OK | MB_ICONERROR);
    SetDlgItemText(IDC_PWD_LOGIN_PASSWORD, L"");
    if (m_nFailed >= kMaxAttempts) {
        GetActionSystem().Pause(1000);
        EndDialog(IDCANCEL);
        return;
    }
    GotoDlgCtrl(GetDlgItem(IDC_PWD_LOGIN_PASSWORD));
}

void CPwdLoginDlg::OnReset() {
    int answer = PwdMessageBox(GetSafeHwnd(), g_LanguageTable[TXT_PWD_RESET_QUESTION], MB_YESNO | MB_ICONWARNING,
                               TXT_PWD_QUESTION_CAPTION);
    if (answer != IDYES) return;
    if (!ResetVault()) {
        // The vault is still there: a new one must not be set over it.
        PwdReportFileError(GetSafeHwnd());
        return;
    }
    if (m_fnReopenVault) m_fnReopenVault();
    EndDialog(IDCANCEL);
}
