#include "notes/DelMemoGroupDlg.h"

#include "notes/LifecycleHost.h"
#include "shell/LanguageTable.h"

CDelMemoGroupDlg::CDelMemoGroupDlg(int notes, CWnd* parent) : CDeleteConfirmDlg(parent) {
    m_titleText = 900;
    m_texts = {{1, 901}, {1253, 902}, {1251, 903}, {2, 26}, {1351, 904}, {1352, 905}, {1353, 906}};
    m_fixed[1252] = ReplaceMarkerNumber(g_LanguageTable[10051], L"#N#", notes);
    m_buttons = {{1, ResultRestorable}, {1253, ResultGroupFileOnly}, {1251, ResultEverything}, {2, ResultCancel}};
}

void CDelMemoGroupDlg::BuildTemplate(CMemoDialogTemplate& d) {
    d.Add(CMemoDialogTemplate::Static, IDC_QUESTION_ICON, L"", WS_VISIBLE | SS_ICON, 8, 8, 20, 20);
    d.Add(CMemoDialogTemplate::Static, 1252, L"", WS_VISIBLE, 36, 8, 206, 20);
    d.Add(CMemoDialogTemplate::Button, 1, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 34, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1351, L"", WS_VISIBLE, 124, 34, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 1253, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 56, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1352, L"", WS_VISIBLE, 124, 56, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 1251, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 78, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1353, L"", WS_VISIBLE, 124, 78, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 2, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 192, 104, 50, 14);
}
