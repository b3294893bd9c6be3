// Colour and picture rules of the image push button, without a window.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class CStateButtonLogic {
public:
    enum { ErrOk = 0, ErrBadSlot = 3, ErrBadAlign = 4, ErrBadShade = 5 };
    enum { SlotCount = 6 };

    CStateButtonLogic();
    virtual ~CStateButtonLogic() = default;

    int SetColor(int slot, COLORREF color);
    int OffsetColor(int slot, int shade);
    int SetAlign(int align);
    void ResetColors();

    // The colour with one common amount added to its channels, stopped where
    // the first channel reaches 0 or 255.
    static COLORREF Offset(COLORREF color, int shade);
    // Pixel rules of the grey (-2) and darker (-3) copies.
    static COLORREF GreyPixel(COLORREF c);
    static COLORREF DarkerPixel(COLORREF c);

    // Background and text slot for a drawing state.
    static int BackSlot(bool hoverOrPressed, bool focused) { return hoverOrPressed ? 0 : focused ? 4 : 2; }

    BOOL m_bFlat = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE, m_bFocused = FALSE, m_bDisabled = FALSE;
    BOOL m_bDefault = FALSE;
    BYTE m_byAlign = 0;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bDrawFlatFocus = FALSE;
    BOOL m_bCurrentPage = FALSE;
    COLORREF m_crColors[SlotCount];
    CPoint m_ptPressOffset = CPoint(1, 1);
    CPoint m_ptImageOrigin = CPoint(3, 3);
    BOOL m_bShowDisabledBitmap = TRUE;
    BOOL m_bAlwaysTrack = TRUE;
};
