#include "setup/SelectLanDlg.h"

#include "setup/SetupIds.h"
#include "setup/SetupTexts.h"

BEGIN_MESSAGE_MAP(CSelectLanDlg, CDialog)
ON_CBN_SELCHANGE(IDC_LANGUAGE_LIST, OnSelChange)
END_MESSAGE_MAP()

CSelectLanDlg::CSelectLanDlg(SetupState& state, int keyboardOffset, CWnd* parent)
    : CDialog(IDD_SETUP_LANGUAGE, parent), m_state(state), m_keyboardOffset(keyboardOffset) {}

BOOL CSelectLanDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND list = ::GetDlgItem(m_hWnd, IDC_LANGUAGE_LIST);
    ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)L"English");
    ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)L"Korean");
    m_state.languageOffset = m_keyboardOffset;
    ::SendMessageW(list, CB_SETCURSEL, m_state.IsKorean() ? 1 : 0, 0);
    ApplyTexts();
    return TRUE;
}

void CSelectLanDlg::OnSelChange() {
    int index = (int)::SendDlgItemMessageW(m_hWnd, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    m_state.languageOffset = index == 1 ? kSetupKoreanOffset : 0;
    ApplyTexts();
}

void CSelectLanDlg::ApplyTexts() {
    const bool korean = m_state.IsKorean();
    SetWindowText(korean ? L"설치 언어" : L"Installer Language");
    SetDlgItemText(IDC_LANGUAGE_PROMPT, korean ? L"언어를 선택하세요." : L"Please select a language.");
    SetDlgItemText(IDOK, korean ? L"확인" : L"OK");
    SetDlgItemText(IDCANCEL, korean ? L"취소" : L"Cancel");
}
