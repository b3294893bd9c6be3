// CToolTipWidgetDlg: the balloon popup beside a point that shows a small
// skin (the quick-launch panel or the program launcher) with an arrow
// towards the point, and hides itself when the user is done with it. The
// frame keeps one and shows it wherever a skin button asks for it.
#pragma once

#include "widgets/GDIDialog.h"
#include "widgets/NoticeLayout.h"

#include <memory>

class CToolTipWidgetDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    // 0 plain popup, hidden when it loses activation; 1 launcher popup,
    // hidden when the cursor has left it and its owner; 2 as 1, with the
    // cursor watch running from the start; -1 while hiding.
    enum { MODE_PLAIN = 0, MODE_LAUNCHER = 1, MODE_WATCHED = 2, MODE_HIDING = -1 };
    enum { TIMER_CURSOR_WATCH = 101, TIMER_DEACTIVATED = 3210 };
    static constexpr UINT kWatchMs = 500;

    explicit CToolTipWidgetDlg(CWnd* parent = nullptr);
    ~CToolTipWidgetDlg() override;

    void SetMode(int mode);
    int GetMode() const { return m_nMode; }
    void SetSkinName(const CString& name) { m_strSkinName = name; }
    // The skinned window that opened the popup, or null.
    void SetOwnerWindow(CZDialog* owner) { m_pOwnerWnd = owner; }
    CZDialog* GetOwnerWindow() const { return m_pOwnerWnd; }

    // Loads the named skin ("" the quick menu in mode 0; "SYSTEM" the quick
    // menu, "DEFAULT" the launcher, else a skin file, all in mode 1), places
    // the popup beside (x, y) and fades it in.
    void ShowAt(int x, int y, const CString& skinName);
    void HidePopup(BOOL fade);

    BOOL OnInitDialog() override;
    int ExecuteCommand(const CString& command) override;
    void OnFadeInDone() override;
    void OnFadeOutDone() override;

    // The skins "SYSTEM" and "DEFAULT" name, under the program folder.
    static CString QuickMenuSkin();
    static CString LauncherSkin();

    // ---- State the tests read ----
    const ToolTipPlacement& GetPlacement() const { return m_Placement; }
    bool IsArrowShown() const { return m_bShowArrow; }
    bool HasArrows() const { return m_pUpArrow || m_pDownArrow; }
    bool IsActivated() const { return m_bActivated; }

protected:
    BOOL OnNcActivate(BOOL active);
    void OnTimer(UINT_PTR id);
    void OnMove(int x, int y);
    void OnNcRButtonDown(UINT, CPoint) {}
    // Shift held: the popup stays open after a command. Tests answer.
    virtual bool ShiftHeld();
    // The cursor's place on the screen. Tests answer.
    virtual CPoint CursorPos();

private:
    void DetachArrows();
    void DrawOverlay() override;

    CString m_strSkinName;
    std::unique_ptr<CMeter> m_pUpArrow, m_pDownArrow;
    bool m_bActivated = false;
    bool m_bShowArrow = true;
    ToolTipPlacement m_Placement;
    int m_nMode = MODE_PLAIN;
    CZDialog* m_pOwnerWnd = nullptr;
};
