// What the image-strip buttons share: an owner-drawn button drawn from one
// cell of a strip of equal images, with the press / hover / disabled state
// machine, reporting a click to its parent as a plain WM_COMMAND.
#pragma once

#include "ui/ButtonStateLogic.h"
#include "ui/ControlBase.h"

#include <commctrl.h>

class CImageStripButton : public CControlBase, public CButtonStateLogic {
    DECLARE_MESSAGE_MAP()
public:
    enum Kind { PushKind, CheckKind };
    explicit CImageStripButton(Kind kind) : m_kind(kind) {}

    // Stores the state (0 and 2 keep it, 3 disables the window, anything
    // else is 1) and repaints; returns the checked flag.
    BOOL SetState(int state);
    BOOL GetCheck() const { return m_bChecked; }
    // Draws the button as it stands, in its normal place or elsewhere, also
    // before its window exists: a bar can show its buttons before it needs
    // their windows.
    void DrawTo(HDC dc, const CRect& rect);
    void SetCheck(BOOL checked);

    // Push buttons: fill flag and colour. Check buttons: pressed, normal and
    // hover ground colours.
    BOOL m_bFill = TRUE;
    COLORREF m_crFill = ::GetSysColor(COLOR_MENU);
    COLORREF m_crPressed = RGB(0, 105, 179);
    COLORREF m_crNormal = RGB(60, 80, 120);
    COLORREF m_crHover = RGB(223, 0, 41);
    int m_nCellWidth = 0;
    int m_nCellHeight = 0;

protected:
    // The image list and the first cell of this button's image in it.
    virtual HIMAGELIST ImageList() const = 0;
    virtual int FirstCell() const { return 0; }
    // Mouse messages go on to a tooltip, when there is one.
    virtual void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {}

    void DrawItem(LPDRAWITEMSTRUCT dis);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void ApplyEffect(const Effect& e);
    void SizeToCell();

    Kind m_kind;
};
