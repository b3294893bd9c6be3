// What floating windows ask of the program's main frame: snapping, saving
// soon, ending the program, the note column, the new-note rectangle, the dim
// background and the widget and memo-group menus. The main frame derives from
// this class and installs itself; until then (and in tests) these defaults
// serve: snapping over the registry, the screen and the monitors, a plain
// question before the exit command goes to the application's main window, and
// nothing for the rest.
#pragma once

#include "fw/Afx.h"

#include <vector>

class CMenu;
class CWnd;
class CZDialog;

class CZDialogOwner {
public:
    virtual ~CZDialogOwner() {}

    // A floating window changed something saved with it.
    virtual void RequestSaveSoon() {}

    // Rewrites the proposed rectangle of a window being dragged (WM_MOVING).
    virtual void SnapWindowOnMove(CZDialog* window, LPRECT rect);
    // Rewrites the proposed rectangle of a window being resized (WM_SIZING).
    virtual void SnapWindowOnSize(CZDialog* window, UINT edge, LPRECT rect);
    // The note windows, in the order of the memo array; the edges that a
    // resized note snaps to.
    virtual std::vector<CZDialog*> GetNoteWindows() { return {}; }

    // The close box of a floating window asks whether to end the program
    // (text 10147, Yes and No) and sends the main window its exit command.
    virtual bool ConfirmExit();
    virtual void ExitProgram();

    virtual void ShowAllWidgets(BOOL show, CZDialog* except) {}
    virtual void OnOpenMemoGroup(UINT id) {}
    virtual void OnOpenWidgetMenu(UINT id) {}
    virtual void PlaceInMemoColumn(CZDialog* window) {}
    // Where a new note goes; windows lost off every monitor are brought to
    // its top-right corner.
    virtual CRect GetNewMemoRect();

    // The quick-menu bar when it exists and is shown; while it is docked
    // (QuickMenu DockMode) it joins a new spotlight.
    virtual CZDialog* GetDockedQuickMenu() { return nullptr; }

    // Puts the dim overlay under every shown floating window, or removes it
    // and puts each window back on its own level.
    virtual void ShowActiveBackground(BOOL on);
    virtual bool IsActiveBackgroundShown();

    // ---- What skinned windows ask of the frame ----
    // Runs an action string; 0 when it names nothing.
    virtual int ExecuteAction(const CString& text) { return 0; }
    // Saves the changed notes (all of them when all is non-zero).
    virtual void AutoSaveMemos(int all) {}
    // Shows the tooltip widget with a skin at a screen point; the opener is
    // the skinned window that asked.
    virtual void ShowToolTipWidget(int x, int y, const CString& skinName, CZDialog* opener) {}
    virtual void HideToolTipWidget(CWnd* except) {}
    // A shutdown countdown window is closing itself: the frame forgets it.
    virtual void ForgetShutdownCountdown(CZDialog* window) {}
    // The quick-menu bar's window rectangle; false when the bar is closed.
    virtual bool GetQuickMenuRect(CRect& rect) { return false; }
    // Opens a skin file as a new widget window.
    virtual void OpenWidget(const CString& skinFile) {}
    virtual void OpenUserInformation() {}
    // Edits a skin file modally; true when it was saved.
    virtual bool EditSkinFile(const CString& skinFile, CWnd* parent) { return false; }
    // The level, arrange and opacity submenus of a window's context menu in
    // the present language.
    virtual void TranslateWindowMenu(CMenu* levels, CMenu* arrange, CMenu* opacity) {}
    // Fills an empty submenu with the frame's own menu.
    virtual void FillExpandedMenu(CMenu* submenu) {}
};

// The owner the floating windows use; null restores the defaults. Not owned.
void SetZDialogOwner(CZDialogOwner* owner);
CZDialogOwner& GetZDialogOwner();
