#include "notes/MemoPwdDlg.h"

#include "notes/LockedMemoFile.h"
#include "notes/NoteIds.h"
#include "notes/NoteTemplates.h"
#include "notes/NoteTextStore.h"
#include "shell/LanguageTable.h"

CMemoPwdDlg::CMemoPwdDlg(CWnd* parent) : CDialog(IDD_MEMO_PASSWORD, parent) {}

INT_PTR CMemoPwdDlg::DoModal() {
    InitModalIndirect(GetNoteTemplate(IDD_TITLE_INPUT), m_pParentWnd);
    return CDialog::DoModal();
}

BOOL CMemoPwdDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CLanguageTable& t = g_LanguageTable;
    SetWindowText(t[IDS_PASSWORD_ENTER]);
    CRect window(0, 0, 260, 74);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    HFONT font = (HFONT)SendMessage(WM_GETFONT);
    auto make = [this, font](const wchar_t* cls, const CString& text, DWORD style, DWORD ex, int x, int y, int cx,
                             int cy, UINT id) {
        HWND h = ::CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, m_hWnd,
                                   (HMENU)(UINT_PTR)id, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(h, WM_SETFONT, (WPARAM)font, FALSE);
    };
    make(L"STATIC", t[IDS_PASSWORD_LABEL], 0, 0, 10, 12, 70, 18, IDC_PWD_LABEL);
    make(L"EDIT", L"", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 85, 10, 165, 20, IDC_PWD_EDIT);
    make(L"BUTTON", t[IDS_OK], BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 170, 40, 80, 24, IDOK);
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
