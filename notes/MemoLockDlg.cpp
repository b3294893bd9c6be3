#include "notes/MemoLockDlg.h"

#include "notes/NoteHost.h"
#include "notes/MemoDlg.h"
#include "notes/NoteIds.h"
#include "shell/LanguageTable.h"

CMemoLockDlg::CMemoLockDlg(CWnd* parent, const CString& title) : CDialog(IDD_MEMO_LOCK, parent), m_title(title) {}

INT_PTR CMemoLockDlg::DoModal() {
    INT_PTR result = CDialog::DoModal();
    if (m_hWhite) DeleteObject(m_hWhite);
    m_hWhite = nullptr;
    return result;
}

BOOL CMemoLockDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CLanguageTable& t = g_LanguageTable;
    SetWindowText(t[IDS_PASSWORD_ON]);
    const int texts[][2] = {{IDC_LOCK_PASSWORD_LABEL, IDS_PASSWORD_LABEL}, {IDC_LOCK_REPEAT_LABEL, IDS_PASSWORD_REENTER},
                            {IDC_LOCK_TITLE_LABEL, IDS_INPUT_TITLE}, {IDC_LOCK_WARNING, IDS_PASSWORD_WARNING},
                            {IDOK, IDS_OK}};
    for (const auto& text : texts) SetDlgItemText(text[0], t[text[1]]);
    SetDlgItemText(IDC_LOCK_TITLE, m_title);
    for (UINT id : {IDC_LOCK_PASSWORD, IDC_LOCK_REPEAT}) ::SendDlgItemMessageW(m_hWnd, id, EM_LIMITTEXT, MaxPasswordLength, 0);
    ::SendDlgItemMessageW(m_hWnd, IDC_LOCK_TITLE, EM_LIMITTEXT, 60, 0);
    m_hWhite = CreateSolidBrush(RGB(255, 255, 255));
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_LOCK_PASSWORD));
    return FALSE;
}

CMemoLockDlg::Check CMemoLockDlg::CheckEntries(CString& password, CString& repeat) {
    password = password.Left(MaxPasswordLength);
    repeat = repeat.Left(MaxPasswordLength);
    if (password.IsEmpty()) return Check::Cancel;
    return password == repeat ? Check::Ok : Check::Mismatch;
}

void CMemoLockDlg::OnOK() {
    CString password = GetDlgItemText(IDC_LOCK_PASSWORD), repeat = GetDlgItemText(IDC_LOCK_REPEAT);
    switch (CheckEntries(password, repeat)) {
    case Check::Cancel: EndDialog(IDCANCEL); return;
    case Check::Mismatch:
        if (CMemoDlg::s_pHost)
            CMemoDlg::s_pHost->ShowMessageBox(g_LanguageTable[IDS_PASSWORD_MISMATCH], g_LanguageTable[IDS_CAPTION], -1);
        return;
    case Check::Ok:
        m_password = password;
        m_title = GetDlgItemText(IDC_LOCK_TITLE);
        EndDialog(IDOK);
        return;
    }
}

LRESULT CMemoLockDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The warning is red on white.
    if (message == WM_CTLCOLORSTATIC && ::GetDlgCtrlID((HWND)lParam) == IDC_LOCK_WARNING && m_hWhite) {
        ::SetTextColor((HDC)wParam, 0x0000FF);
        ::SetBkColor((HDC)wParam, RGB(255, 255, 255));
        return (LRESULT)m_hWhite;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
