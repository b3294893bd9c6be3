#include "notes/DelMsgBox.h"

#include "notes/MemoStore.h"
#include "shell/Settings.h"

CDelMsgBox::CDelMsgBox(BOOL locked, CWnd* parent) : CDeleteConfirmDlg(IDD, parent) {
    m_titleText = 1000;
    m_texts = {{1354, 1001}, {1355, 1002}, {1356, 1003}, {1357, 1004}, {1, 1005}, {4, 1006}, {3, 1007}, {2, 26}};
    m_buttons = {{1, ResultRestorable}, {4, ResultRecycleBin}, {3, ResultForGood}, {2, ResultCancel}};
    m_keys = {{L'y', ResultRestorable}, {L'a', ResultForGood}, {L'n', ResultCancel}, {L'r', ResultRecycleBin}};
    if (locked) m_disabled = {1, 4};
    if (g_Settings.General.MemoDBFile.Compare(CMemoStore::RecycleBinFile) == 0) m_disabled.push_back(4);
}
