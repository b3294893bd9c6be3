#include "app/MainFrameDialogOwner.h"

#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"

namespace {
// The program's question box with Yes and No.
const int kYesNoBox = 4;
}  // namespace

void CMainFrameDialogOwner::RequestSaveSoon() { m_frame.RequestSaveSoon(); }

bool CMainFrameDialogOwner::ConfirmExit() {
    CString text = g_LanguageTable[TEXT_CONFIRM_EXIT];
    return ::ShowMessageBox(text, kYesNoBox) == IDYES;
}

void CMainFrameDialogOwner::ExitProgram() {
    if (m_frame.m_hWnd) ::SendMessageW(m_frame.m_hWnd, WM_COMMAND, ID_APP_EXIT_ZOREL, 0);
}

void CMainFrameDialogOwner::ShowAllWidgets(BOOL show, CZDialog* except) { m_frame.ShowAllWidgets(show, except); }
void CMainFrameDialogOwner::OnOpenMemoGroup(UINT id) { m_frame.OnOpenMemoGroup(id); }
void CMainFrameDialogOwner::OnOpenWidgetMenu(UINT id) { m_frame.OnOpenWidgetMenu(id); }
