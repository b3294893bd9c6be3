#include "notes/DelMsgBox.h"

#include "notes/MemoStore.h"
#include "shell/Settings.h"

CDelMsgBox::CDelMsgBox(BOOL locked, CWnd* parent) : CDeleteConfirmDlg(parent) {
    m_titleText = 1000;
    m_texts = {{1354, 1001}, {1355, 1002}, {1356, 1003}, {1357, 1004}, {1, 1005}, {4, 1006}, {3, 1007}, {2, 26}};
    m_buttons = {{1, ResultRestorable}, {4, ResultRecycleBin}, {3, ResultForGood}, {2, ResultCancel}};
    m_keys = {{L'y', ResultRestorable}, {L'a', ResultForGood}, {L'n', ResultCancel}, {L'r', ResultRecycleBin}};
    if (locked) m_disabled = {1, 4};
    if (g_Settings.General.MemoDBFile.Compare(CMemoStore::RecycleBinFile) == 0) m_disabled.push_back(4);
}

void CDelMsgBox::BuildTemplate(CMemoDialogTemplate& d) {
    d.Add(CMemoDialogTemplate::Static, IDC_QUESTION_ICON, L"", WS_VISIBLE | SS_ICON, 8, 8, 20, 20);
    d.Add(CMemoDialogTemplate::Static, 1354, L"", WS_VISIBLE, 36, 12, 206, 10);
    d.Add(CMemoDialogTemplate::Button, 1, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 34, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1355, L"", WS_VISIBLE, 124, 36, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 4, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 56, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1356, L"", WS_VISIBLE, 124, 58, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 3, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 78, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1357, L"", WS_VISIBLE, 124, 80, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 2, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 192, 104, 50, 14);
}
