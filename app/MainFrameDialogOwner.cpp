#include "app/MainFrameDialogOwner.h"

#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"
#include "widgets/ToolTipWidgetDlg.h"

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

int CMainFrameDialogOwner::ExecuteAction(const CString& text) { return m_frame.ExecuteAction(text); }
void CMainFrameDialogOwner::AutoSaveMemos(int all) { m_frame.AutoSaveMemos(all); }

void CMainFrameDialogOwner::ShowToolTipWidget(int x, int y, const CString& skinName, CZDialog* opener) {
    // The window that asked owns the popup: the cursor watch keeps it open
    // while the cursor is on either.
    if (CToolTipWidgetDlg* popup = m_frame.ShowToolTipWidget(x, y, skinName)) popup->SetOwnerWindow(opener);
}

void CMainFrameDialogOwner::HideToolTipWidget(CWnd* except) { m_frame.HideToolTipWidget(except); }

void CMainFrameDialogOwner::OpenUserInformation() {
    if (m_frame.m_hWnd) ::PostMessageW(m_frame.m_hWnd, WM_COMMAND, ID_USER_INFO, 0);
}

void CMainFrameDialogOwner::TranslateWindowMenu(CMenu* levels, CMenu* arrange, CMenu* opacity) {
    if (levels) m_frame.TranslatePositionMenu(levels);
    if (arrange) m_frame.TranslateAlignMenu(arrange);
    if (opacity) m_frame.TranslateTransparencyMenu(opacity);
}

void CMainFrameDialogOwner::FillExpandedMenu(CMenu* submenu) { m_frame.FillExpandedMenu(submenu); }

void CMainFrameDialogOwner::PlaceInMemoColumn(CZDialog* window) { m_frame.PlaceInMemoColumn(window); }
void CMainFrameDialogOwner::OpenWidget(const CString& skinFile) { m_frame.OpenWidget(skinFile); }
void CMainFrameDialogOwner::ForgetShutdownCountdown(CZDialog* window) { m_frame.ForgetShutdownCountdown(window); }
bool CMainFrameDialogOwner::EditSkinFile(const CString& skinFile, CWnd* parent) {
    return m_frame.EditSkinFile(skinFile, parent);
}
