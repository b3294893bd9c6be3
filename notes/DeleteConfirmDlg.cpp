#include "notes/DeleteConfirmDlg.h"

#include "shell/LanguageTable.h"

INT_PTR CDeleteConfirmDlg::DoModal() {
    INT_PTR result = CDialog::DoModal();
    return result == -1 ? CancelCode() : result;
}

BOOL CDeleteConfirmDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_titleText) SetWindowText(g_LanguageTable[m_titleText]);
    for (const auto& text : m_texts) SetDlgItemText(text.first, g_LanguageTable[text.second]);
    for (const auto& text : m_fixed) SetDlgItemText(text.first, text.second);
    ::SendDlgItemMessageW(m_hWnd, IDC_QUESTION_ICON, STM_SETICON, (WPARAM)LoadIconW(nullptr, IDI_QUESTION), 0);
    for (int id : m_disabled) ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

BOOL CDeleteConfirmDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        auto it = m_buttons.find(LOWORD(wParam));
        if (it != m_buttons.end()) {
            if (::IsWindowEnabled(::GetDlgItem(m_hWnd, it->first))) EndDialog(it->second);
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDeleteConfirmDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_CHAR && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        wchar_t c = (wchar_t)towlower((wint_t)msg->wParam);
        auto it = m_keys.find(c);
        if (it != m_keys.end()) {
            // A letter answers like its button, so a greyed button's letter does nothing.
            for (const auto& button : m_buttons)
                if (button.second == it->second && !::IsWindowEnabled(::GetDlgItem(m_hWnd, button.first))) return TRUE;
            EndDialog(it->second);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}
