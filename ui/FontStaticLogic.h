// The font description of CFontStatic and how its style bits change it.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class CFontStaticLogic {
public:
    // Style bits of SetFont.
    enum {
        StyleBold = 0x01, StyleItalic = 0x02, StyleUnderline = 0x04, StyleStrikeOut = 0x08,
        StyleAntialias = 0x10, StyleCenter = 0x20, StyleRight = 0x80
    };

    // Stores face, height and colour; set attribute bits switch their
    // attribute on and never off; the alignment is set afresh.
    void ApplyFont(LPCTSTR face, int height, COLORREF color, DWORD style);
    // The flags for drawing and measuring the text.
    UINT DrawFlags() const;
    // The font to create for painting.
    LOGFONT MakeLogFont() const;
    // The rectangle a text needs: the client rectangle's left, top and
    // width, and the height the system measured with that width.
    static CRect TextRectFromMeasure(const CRect& client, const CRect& measured);

    BYTE m_bBold = 0, m_bItalic = 0, m_bUnderline = 0, m_bStrikeOut = 0, m_bAntialias = 0;
    BYTE m_bOwnBackground = 0;
    BYTE m_bCenter = 0, m_bLeft = 1, m_bRight = 0;
    CString m_strFace;
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    int m_nHeight = 12;
    UINT m_nExtraFlags = 0;
};
