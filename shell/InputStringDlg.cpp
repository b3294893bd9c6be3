#include "shell/InputStringDlg.h"

#include "shell/LanguageTable.h"
#include "shell/ShellIds.h"

BEGIN_MESSAGE_MAP(CInputStringDlg, CDialog)
END_MESSAGE_MAP()

CInputStringDlg::CInputStringDlg(const CString& prompt, const CString& text, CWnd* parent)
    : CDialog(IDD_INPUT_STRING, parent), m_text(text), m_prompt(prompt) {}

CInputStringDlg::~CInputStringDlg() = default;

void CInputStringDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_INPUT_EDIT, m_text);
}

BOOL CInputStringDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDOK, g_LanguageTable[m_okCaptionId]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[TXT_CANCEL]);
    SetWindowText(m_prompt);
    SetDlgItemText(IDC_INPUT_PROMPT, m_prompt);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Over the window that asks, or mid-screen when it is hidden.
    CenterWindow();
    return TRUE;
}
