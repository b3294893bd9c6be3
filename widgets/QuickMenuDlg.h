// CQuickMenuDlg: the program's launcher bar. Docked, it stands at the top
// edge of the work area, always on top, and shows a strip of 19 tools that
// slides open under the mouse and back to a small tab after it leaves;
// undocked, it is an ordinary skinned window showing a skin of its own
// folder. Which of the two is the QuickMenu DockMode setting.
#pragma once

#include "widgets/GDIDialog.h"
#include "widgets/QuickMenuLogic.h"
#include "widgets/WidgetIds.h"

#include <functional>
#include <memory>

namespace Gdiplus {
class Font;
class Graphics;
class StringFormat;
}  // namespace Gdiplus

// Menus and commands of the bar.
const unsigned IDR_QUICK_MENU_UNDOCKED = 260;
const unsigned IDR_QUICK_MENU_DOCKED = 261;
const unsigned ID_QUICK_MENU_DOCK_SKIN = 32821;
const unsigned ID_QUICK_MENU_CLOSE = 32898;
const unsigned ID_QUICK_MENU_UNDOCK = 32987;
const unsigned ID_QUICK_MENU_SHOW_TOOLTIP = 33005;
const unsigned ID_QUICK_MENU_WIDE = 33006;
const unsigned ID_QUICK_MENU_AUTO_START = 33008;
const unsigned ID_QUICK_MENU_MINIMIZE = 33009;
const unsigned ID_QUICK_MENU_SLIDE_EFFECT = 33011;
const unsigned ID_QUICK_MENU_DOCK = 33012;

class CQuickMenuDlg : public CGDIDialog, private IQuickMenuSlideHost {
    DECLARE_MESSAGE_MAP()
public:
    explicit CQuickMenuDlg(CWnd* parent = nullptr);
    ~CQuickMenuDlg() override;

    BOOL Create(UINT templateId = IDD_SKIN_WINDOW, CWnd* parent = nullptr) override;
    BOOL OnInitDialog() override;

    // Copies the skin file, Z position, opacity, mouse-over hiding, the
    // movable flag and the position into the settings (in memory).
    void SaveState();
    // Unfolds (or folds) the extended and contracted skins; other skins stay.
    void SetExpanded(bool expand);
    // Docked only: opens now and hides again 4 seconds later.
    void SlideOut();
    // Re-reads the work area; a change redraws the bar.
    void UpdateWorkArea();
    void RedrawIfUndocked();
    // The user closes the bar: it fades out and the frame lets it go.
    void OnMenuClose();
    void Dock();
    void Undock();

    static bool IsDocked();
    const CRect& GetWorkArea() const { return m_rcWorkArea; }
    CQuickMenuSlide& Slide() { return m_slide; }
    int GetStep() const { return m_slide.GetStep(); }
    int GetToolTipItem() const { return m_slide.tooltipItem; }
    const CString& GetToolTipTextOfItem() const { return m_strToolTip; }
    int GetToolTipAnchor() const { return m_nToolTipAnchor; }
    bool IsClosedByUser() const { return m_bClosedByUser; }
    bool IsChanged() const { return m_bChanged != 0; }
    void ClearChanged() { m_bChanged = 0; }

    // The frame's part: called at the end of a user close (the frame
    // destroys and releases the bar). Tests replace the clock and the work
    // area the bar reads.
    std::function<void()> onClosedByUser;
    std::function<DWORD()> tickCount;
    std::function<CRect()> workAreaSource;

    // ---- Host slots ----
    int ExecuteCommand(const CString& command) override;
    void Redraw() override;
    void Repaint() override;
    BOOL LoadSkin(const CString& path) override;
    CPoint GetTopLeft() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnFadeOutDone() override;
    HMENU BuildContextMenu() override;
    // Menu 261's popup, prepared; the caller tracks and destroys it.
    HMENU BuildDockedMenu();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnMove(int x, int y);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    LRESULT OnDisplayChange(WPARAM, LPARAM);

private:
    // ---- IQuickMenuSlideHost ----
    void StartTimer(UINT id, UINT ms) override { SetTimer(id, ms); }
    void StopTimer(UINT id) override { KillTimer(id); }
    DWORD Now() override { return tickCount ? tickCount() : ::GetTickCount(); }
    void RepaintBar() override { Repaint(); }
    void OnLeft() override { UpdateWorkArea(); }

    CRect ReadWorkArea() const;
    void BuildDockedSkin();
    void ShowUndockedMenu(CPoint at);
    void ShowDockedMenu();
    void ToggleSetting(UINT id);
    void SaveSettingsNow();
    void DrawBalloon(Gdiplus::Graphics& graphics);

    CQuickMenuSlide m_slide{*this};
    std::unique_ptr<Gdiplus::StringFormat> m_pFormat;
    std::unique_ptr<Gdiplus::Font> m_pFont;
    CString m_strToolTip;
    int m_nToolTipAnchor = 0;
    CRect m_rcWorkArea;
    bool m_bClosedByUser = false;
};
