#include "notes/DelMemoListBox.h"

#include "notes/LifecycleHost.h"
#include "shell/LanguageTable.h"

CDelMemoListBox::CDelMemoListBox(const CArray<CMemoInfo>& records, CWnd* parent, bool lockedOpen)
    : CDeleteConfirmDlg(parent) {
    m_titleText = 1000;
    m_texts = {{1355, 1002}, {1357, 1004}, {1, 1005}, {3, 1007}, {2, 26}};
    m_fixed[1354] = ReplaceMarkerNumber(g_LanguageTable[28204], L"#N#", records.GetSize());
    m_buttons = {{1, ResultRestorable}, {3, ResultForGood}, {2, ResultCancel}};
    m_keys = {{L'y', ResultRestorable}, {L'a', ResultForGood}, {L'n', ResultCancel}};
    if (lockedOpen) m_disabled = {1};
}

void CDelMemoListBox::BuildTemplate(CMemoDialogTemplate& d) {
    d.Add(CMemoDialogTemplate::Static, IDC_QUESTION_ICON, L"", WS_VISIBLE | SS_ICON, 8, 8, 20, 20);
    d.Add(CMemoDialogTemplate::Static, 1354, L"", WS_VISIBLE, 36, 12, 206, 10);
    d.Add(CMemoDialogTemplate::Button, 1, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 34, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1355, L"", WS_VISIBLE, 124, 36, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 3, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 60, 110, 14);
    d.Add(CMemoDialogTemplate::Static, 1357, L"", WS_VISIBLE, 124, 62, 120, 18);
    d.Add(CMemoDialogTemplate::Button, 2, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 192, 104, 50, 14);
}
