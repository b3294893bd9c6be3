#include "notes/DelMemoListBox.h"

#include "notes/LifecycleHost.h"
#include "shell/LanguageTable.h"

CDelMemoListBox::CDelMemoListBox(const CArray<CMemoInfo>& records, CWnd* parent, bool lockedOpen)
    : CDeleteConfirmDlg(IDD, parent) {
    m_titleText = 1000;
    m_texts = {{1355, 1002}, {1357, 1004}, {1, 1005}, {3, 1007}, {2, 26}};
    m_fixed[1354] = ReplaceMarkerNumber(g_LanguageTable[28204], L"#N#", records.GetSize());
    m_buttons = {{1, ResultRestorable}, {3, ResultForGood}, {2, ResultCancel}};
    m_keys = {{L'y', ResultRestorable}, {L'a', ResultForGood}, {L'n', ResultCancel}};
    if (lockedOpen) m_disabled = {1};
}
