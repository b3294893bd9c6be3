// An owner-drawn push button with a bitmap beside, above or under its
// caption, its own colours per state, drawn flat until the pointer is over it.
#pragma once

#include "ui/ControlBase.h"
#include "ui/StateButtonLogic.h"

class CStateButton : public CControlBase, public CStateButtonLogic {
    DECLARE_MESSAGE_MAP()
public:
    enum { BitmapNone = 0, BitmapGrey = -2, BitmapDarker = -3 };
    enum { ErrNoSize = 1, ErrNoMask = 2 };

    CStateButton() = default;
    ~CStateButton() override;

    int SetColor(int slot, COLORREF color, BOOL repaint = TRUE);
    int SetAllBkColors(COLORREF color, BOOL repaint = TRUE);
    int SetAllFgColors(COLORREF color, BOOL repaint = TRUE);
    int OffsetColor(int slot, int shade, BOOL repaint = TRUE);
    int SetAlign(int align, BOOL repaint = TRUE);
    int SetCheck(BOOL on, BOOL repaint = TRUE);
    int SetBitmaps(int firstId, COLORREF firstTransparent, int secondId = 0, COLORREF secondTransparent = 0);
    // The same with bitmaps the caller made; the button takes them over.
    // second may be null or, through secondKind, a grey (-2) or darker (-3)
    // copy of the first.
    int SetBitmapHandles(HBITMAP first, COLORREF firstTransparent, HBITMAP second, COLORREF secondTransparent,
                         int secondKind = 0);

    struct Picture {
        HBITMAP bitmap = nullptr;
        HBITMAP mask = nullptr;
        int width = 0, height = 0;
        COLORREF transparent = 0;
    };
    const Picture& GetPicture(int i) const { return m_pictures[i]; }

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT dis);
    BOOL OnClicked();
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnKillFocus(CWnd* newWnd);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnCancelMode();
    void OnEnable(BOOL enable);
    void OnSysColorChange();
    void OnLButtonDblClk(UINT flags, CPoint point);

private:
    void FreeBitmaps();
    void EndHover();
    void Repaint(BOOL repaint) {
        if (repaint && m_hWnd) Invalidate(TRUE);
    }
    // Makes the mask of a picture and blacks out its transparent pixels.
    static bool MakeMask(Picture& p);
    static HBITMAP CopyWith(HBITMAP source, COLORREF transparent, COLORREF (*pixel)(COLORREF));
    Picture m_pictures[2];
    UINT m_nTypeStyle = 0;
};
