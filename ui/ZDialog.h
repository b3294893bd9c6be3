// CZDialog: the base of every floating desktop window (notes, widgets, clock,
// calendar, notices ...). It fades in and out, hides while the cursor rests
// on it (when asked to), keeps a window level, remembers its position, stays
// on a monitor, takes part in snapping and is listed in the registry of open
// floating windows from its initialisation to its last message.
#pragma once

#include "fw/AfxWin.h"
#include "ui/FadeController.h"
#include "ui/ZDialogList.h"

#include <atomic>

class CZDialog : public CDialog, private IFadeHost {
    DECLARE_MESSAGE_MAP()
public:
    CZDialog(UINT templateId, CWnd* parent);
    ~CZDialog() override;

    int GetSerial() const { return m_nSerial; }

    // Hooks and overridable operations.
    virtual void OnFadeInDone() {}
    virtual void OnFadeOutDone() {}
    virtual CRect GetRect();
    virtual int GetAlpha() { return m_nAlpha; }
    // 0 normal, 1 always on top, 2 pinned into the desktop, 3 bottom. Returns
    // 0 when the level is refused (nothing changes then), else the result of
    // the last placement.
    virtual int SetZPosition(int level, BOOL remember);
    virtual BOOL SetLayeredAlpha(COLORREF colorKey, BYTE alpha, DWORD flags);
    virtual void SetActive(int active) { m_nActive = active; }
    virtual BOOL IsMouseOverHiding() { return m_bMouseOverHiding; }
    virtual void FadeIn();
    virtual void RaiseTemporarily(BOOL on);

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    // Life: the creator holds the first reference; the last Release deletes.
    void AddRef() { ++m_nRefCount; }
    void Release();
    int GetRefCount() const { return m_nRefCount; }

    void SetPosition(int x, int y) { m_ptPosition = CPoint(x, y); }
    void SetAlpha(int alpha);
    BOOL IsVisible() const;
    void SetClickThrough(BOOL on);
    void FadeOut();
    void Hide(BOOL animated);
    void ArmAutoHide(BOOL fade, int elapse);
    void StartMouseOverHiding();

    CRect KeepOnScreen(const CRect& proposed);
    void MoveOntoMonitor();
    CPoint AdjustPositionToMonitor(int x, int y);

    int GetFadeStep() const { return m_fade.FadeStep(); }
    int GetFadeState() const { return m_fade.FadeState(); }
    int GetMouseOverStep() const { return m_fade.MouseOverStepValue(); }
    BOOL IsMouseOverRunning() const { return m_fade.MouseOverRunning(); }

    // Where the window's level 2 goes: the desktop's icon list, or null when
    // the desktop has none (then the level is refused). Tests give their own.
    typedef HWND (*DesktopListFinder)();
    static void SetDesktopListFinder(DesktopListFinder finder);
    static HWND FindDesktopListView();

    CRect m_rcDrag;              // window rectangle when a caption button last went down or up
    CPoint m_ptDrag;             // cursor at that moment
    int m_bChanged = 0;          // something saved with the window changed
    int m_nActive = 0;
    int m_bSavePosition = 0;
    int m_bMouseOverHiding = 0;
    int m_bMovable = 1;          // 0: fixed location
    int m_bClickArmed = 0;
    CPoint m_ptPosition;         // remembered top-left
    CSize m_szSize{100, 100};
    int m_nZPosition = 0;
    int m_nAlpha = 255;
    int m_nSavedLevel = 0;
    int m_bWasVisible = 0;
    CRect m_rcCache;

protected:
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnMove(int x, int y);
    void OnMouseMove(UINT flags, CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonUp(UINT hitTest, CPoint point);
    void OnMoving(UINT side, LPRECT rect);
    void OnSizing(UINT side, LPRECT rect);
    void OnWindowPosChanged(WINDOWPOS* pos);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnZPositionNormal();
    void OnZPositionTopmost();
    void OnZPositionDesktop();
    void OnFixLocation();
    void OnArrange(UINT id);
    void OnHideWindow();
    void OnHideOtherWidgets();
    void OnOpenMemoGroup(UINT id);
    void OnOpenWidgetMenu(UINT id);

private:
    // The fade logic's view of this window.
    void ApplyOpacity(int alpha) override;
    void MakeClickThrough(bool on) override { SetClickThrough(on ? TRUE : FALSE); }
    bool IsWindowShown() override { return IsVisible() != FALSE; }
    void ShowNoActivate() override { ShowWindow(SW_SHOWNOACTIVATE); }
    void BringToTopIfNormal() override;
    int TargetAlpha() override { return GetAlpha(); }
    bool MouseOverHidingOn() override { return IsMouseOverHiding() != FALSE; }
    bool CtrlHeld() override { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }
    bool CursorInside() override;
    bool LayeredAvailable() override;
    void StartTimer(unsigned id, unsigned ms) override { SetTimer(id, ms); }
    void StopTimer(unsigned id) override { KillTimer(id); }
    void RunFadeIn() override { FadeIn(); }
    void FadeInDone() override { OnFadeInDone(); }
    void FadeOutDone() override { OnFadeOutDone(); }

    int m_nSerial;
    std::atomic<int> m_nRefCount{1};
    CFadeController m_fade{*this};
    bool m_bKeepingTopmost = false;
};

// Work area of monitor n of the monitor list (n lowered to the last one).
CRect GetMonitorWorkArea(int n);
// Work area of the monitor nearest the point.
CRect GetMonitorWorkAreaFromPoint(int x, int y);
