#include "notes/MemoLockDlg.h"

#include "notes/NoteHost.h"
#include "notes/MemoDlg.h"
#include "notes/NoteIds.h"
#include "notes/NoteTemplates.h"
#include "shell/LanguageTable.h"

namespace {

void MakeControl(CWnd* parent, const wchar_t* cls, const CString& text, DWORD style, DWORD exStyle, const CRect& r,
                 UINT id) {
    HWND h = ::CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(), r.Height(),
                               parent->m_hWnd, (HMENU)(UINT_PTR)id, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(h, WM_SETFONT, parent->SendMessage(WM_GETFONT), FALSE);
}

}  // namespace

CMemoLockDlg::CMemoLockDlg(CWnd* parent, const CString& title) : CDialog(IDD_MEMO_LOCK, parent), m_title(title) {}

INT_PTR CMemoLockDlg::DoModal() {
    InitModalIndirect(GetNoteTemplate(IDD_TITLE_INPUT), m_pParentWnd);
    INT_PTR result = CDialog::DoModal();
    if (m_hWhite) DeleteObject(m_hWhite);
    m_hWhite = nullptr;
    return result;
}

BOOL CMemoLockDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CLanguageTable& t = g_LanguageTable;
    SetWindowText(t[IDS_PASSWORD_ON]);
    CRect window(0, 0, 300, 150);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    MakeControl(this, L"STATIC", t[IDS_PASSWORD_LABEL], 0, 0, CRect(10, 12, 90, 30), IDC_LOCK_PASSWORD_LABEL);
    MakeControl(this, L"EDIT", L"", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, CRect(95, 10, 290, 30),
                IDC_LOCK_PASSWORD);
    MakeControl(this, L"STATIC", t[IDS_PASSWORD_REENTER], 0, 0, CRect(10, 38, 90, 56), IDC_LOCK_REPEAT_LABEL);
    MakeControl(this, L"EDIT", L"", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, CRect(95, 36, 290, 56),
                IDC_LOCK_REPEAT);
    MakeControl(this, L"STATIC", t[IDS_INPUT_TITLE], 0, 0, CRect(10, 64, 90, 82), IDC_LOCK_TITLE_LABEL);
    MakeControl(this, L"EDIT", m_title, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, CRect(95, 62, 290, 82),
                IDC_LOCK_TITLE);
    MakeControl(this, L"STATIC", t[IDS_PASSWORD_WARNING], 0, 0, CRect(10, 90, 290, 108), IDC_LOCK_WARNING);
    MakeControl(this, L"BUTTON", t[IDS_OK], BS_DEFPUSHBUTTON | WS_TABSTOP, 0, CRect(210, 116, 290, 140), IDOK);
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
