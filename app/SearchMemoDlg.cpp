#include "app/SearchMemoDlg.h"

#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ShellIds.h"
#include "shell/SystemUtil.h"

BEGIN_MESSAGE_MAP(CSearchMemoDlg, CDialog)
END_MESSAGE_MAP()

CSearchMemoDlg::CSearchMemoDlg(CMainFrame* frame) : CDialog(IDD_SEARCH_MEMO, frame), m_frame(frame) {}

CSearchMemoDlg::~CSearchMemoDlg() = default;

void CSearchMemoDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_FIND_TEXT, m_options.text);
    DDX_Check(dx, IDC_FIND_MATCH_CASE, m_options.matchCase);
    DDX_Check(dx, IDC_FIND_WHOLE_WORD, m_options.wholeWord);
    DDX_Check(dx, IDC_SEARCH_ON_TOP, m_options.foundOnTop);
    DDX_Check(dx, IDC_SEARCH_TITLES, m_options.searchTitles);
    DDX_Check(dx, IDC_SEARCH_CONTENTS, m_options.searchContents);
    DDX_Check(dx, IDC_SEARCH_UNFOLD, m_options.unfoldFound);
}

BOOL CSearchMemoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[TXT_SEARCH_MEMO]);
    SetDlgItemText(IDC_FIND_LABEL, g_LanguageTable[TXT_FIND_WHAT]);
    SetDlgItemText(IDC_FIND_MATCH_CASE, g_LanguageTable[TXT_MATCH_CASE]);
    SetDlgItemText(IDC_FIND_WHOLE_WORD, g_LanguageTable[TXT_WHOLE_WORD]);
    SetDlgItemText(IDC_SEARCH_ON_TOP, g_LanguageTable[TXT_FOUND_ON_TOP]);
    SetDlgItemText(IDC_SEARCH_TITLES, g_LanguageTable[TXT_SEARCH_TITLES]);
    SetDlgItemText(IDC_SEARCH_CONTENTS, g_LanguageTable[TXT_SEARCH_CONTENTS]);
    SetDlgItemText(IDC_SEARCH_UNFOLD, g_LanguageTable[TXT_UNFOLD_FOUND]);
    SetDlgItemText(IDOK, g_LanguageTable[TXT_FIND]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[TXT_CLOSE]);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    CenterDialog(m_hWnd);
    return TRUE;
}

void CSearchMemoDlg::OnOK() {
    UpdateData(TRUE);
    if (m_frame) m_frame->SearchMemos(m_options);
}

void CSearchMemoDlg::OnCancel() {
    if (m_frame) m_frame->CloseSearchMemoDialog();
}
