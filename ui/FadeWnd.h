// CFadeWnd lays a still image of a window (in practice the whole screen) over
// it and fades that image towards a two-colour tint, the way a system dims
// the desktop before logging off. It stays until a left click.
#pragma once

#include "fw/AfxWin.h"

#include <vector>

class CFadeWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    // With a valid target the window is created over it at once, without
    // closing on a click.
    CFadeWnd(HWND target, COLORREF a, COLORREF b);
    ~CFadeWnd() override;

    virtual void BuildTintRamp(COLORREF a, COLORREF b);
    virtual bool CloseOnLeftClick() { return true; }
    virtual bool CloseOnRightClick() { return false; }
    // 1 when the window was created over the target (an empty rectangle means
    // the target's window rectangle), else 0; with close-on-click a failed
    // object deletes itself.
    virtual int CreateOver(HWND target, bool closeOnClick, const CRect& rect);

    // The image being shown, 32 bits per pixel (for tests and painting).
    HBITMAP GetFadedImage() const { return m_hFaded; }
    CSize GetImageSize() const { return m_szImage; }
    const std::vector<COLORREF>& GetTintRamp() const { return m_ramp; }
    HWND GetTarget() const { return m_hTarget; }
    // The percents shown by the last animation (the last is the one shown).
    const std::vector<int>& GetShownPercents() const { return m_shown; }

    // Makes the faded image of the captured one at percent p.
    void MakeFadedImage(int percent);
    // Replaces the captured image (the object owns it from now on).
    void SetCapturedImage(HBITMAP bitmap, CSize size);

protected:
    void PostNcDestroy() override;
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnKillFocus(CWnd* newWnd);

private:
    void PaintNow();
    void Capture(const CRect& rect);
    static HWND InvisibleOwner();

    bool m_bCloseOnClick = false;
    bool m_bClosing = false;
    HBITMAP m_hCaptured = nullptr;
    HBITMAP m_hFaded = nullptr;
    std::vector<COLORREF> m_ramp;
    HWND m_hTarget = nullptr;
    CSize m_szImage;
    CPoint m_ptImage;  // where the captured part lies in the window
    std::vector<int> m_shown;
};

// Covers the target with a fade window tinted from a to b; null without a
// target or when the window could not be made. animate: fade over about 1.5 s
// (blocking), else show the 64 percent image at once.
CFadeWnd* ShowFadeWnd(HWND target, COLORREF a, COLORREF b, BOOL animate);
