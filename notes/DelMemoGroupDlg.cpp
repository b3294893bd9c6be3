#include "notes/DelMemoGroupDlg.h"

#include "notes/LifecycleHost.h"
#include "shell/LanguageTable.h"

CDelMemoGroupDlg::CDelMemoGroupDlg(int notes, CWnd* parent) : CDeleteConfirmDlg(IDD, parent) {
    m_titleText = 900;
    m_texts = {{1, 901}, {1253, 902}, {1251, 903}, {2, 26}, {1351, 904}, {1352, 905}, {1353, 906}};
    m_fixed[1252] = ReplaceMarkerNumber(g_LanguageTable[10051], L"#N#", notes);
    m_buttons = {{1, ResultRestorable}, {1253, ResultGroupFileOnly}, {1251, ResultEverything}, {2, ResultCancel}};
}
