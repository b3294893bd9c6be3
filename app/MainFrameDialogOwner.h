// The main frame as the owner of the floating windows: a change they report
// is saved soon, ending the program is asked in the program's own message
// box, and the widget and memo-group menus reach the frame.
#pragma once

#include "ui/ZDialogOwner.h"

class CMainFrame;

class CMainFrameDialogOwner : public CZDialogOwner {
public:
    explicit CMainFrameDialogOwner(CMainFrame& frame) : m_frame(frame) {}

    void RequestSaveSoon() override;
    bool ConfirmExit() override;
    void ExitProgram() override;
    void ShowAllWidgets(BOOL show, CZDialog* except) override;
    void OnOpenMemoGroup(UINT id) override;
    void OnOpenWidgetMenu(UINT id) override;
    int ExecuteAction(const CString& text) override;
    void AutoSaveMemos(int all) override;
    void ShowToolTipWidget(int x, int y, const CString& skinName, CZDialog* opener) override;
    void HideToolTipWidget(CWnd* except) override;
    void OpenUserInformation() override;
    void TranslateWindowMenu(CMenu* levels, CMenu* arrange, CMenu* opacity) override;
    void FillExpandedMenu(CMenu* submenu) override;
    void PlaceInMemoColumn(CZDialog* window) override;
    void OpenWidget(const CString& skinFile) override;
    CZDialog* GetDockedQuickMenu() override;
    bool GetQuickMenuRect(CRect& rect) override;
    void ForgetShutdownCountdown(CZDialog* window) override;
    bool EditSkinFile(const CString& skinFile, CWnd* parent) override;

private:
    CMainFrame& m_frame;
};
