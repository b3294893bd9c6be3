#include "notes/MemoPwdDlg.h"

#include "notes/LockedMemoFile.h"
#include "notes/NoteIds.h"
#include "notes/NoteTextStore.h"
#include "shell/LanguageTable.h"

CMemoPwdDlg::CMemoPwdDlg(CWnd* parent) : CDialog(IDD_MEMO_PASSWORD, parent) {}

INT_PTR CMemoPwdDlg::DoModal() { return CDialog::DoModal(); }

BOOL CMemoPwdDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CLanguageTable& t = g_LanguageTable;
    SetWindowText(t[IDS_PASSWORD_ENTER]);
    SetDlgItemText(IDC_PWD_LABEL, t[IDS_PASSWORD_LABEL]);
    SetDlgItemText(IDOK, t[IDS_OK]);
    ::SendDlgItemMessageW(m_hWnd, IDC_PWD_EDIT, EM_LIMITTEXT, MaxPasswordLength, 0);
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_PWD_EDIT));
    return FALSE;
}

void CMemoPwdDlg::OnOK() {
    m_password = GetDlgItemText(IDC_PWD_EDIT).Left(MaxPasswordLength);
    EndDialog(m_password.IsEmpty() ? IDCANCEL : IDOK);
}

bool CMemoPwdDlg::CheckPassword(const CString& token) const {
    static CMemoCipher cipher;
    CLockedMemoFile file(cipher, GetNoteLockKeys());
    return file.CheckPassword(m_password, token);
}
