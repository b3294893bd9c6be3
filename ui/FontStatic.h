// A label that paints its own text in a font given by face, height and
// style bits, in its own colour, word-wrapped, and can measure a text.
#pragma once

#include "ui/ControlBase.h"
#include "ui/FontStaticLogic.h"

class CFontStatic : public CControlBase, public CFontStaticLogic {
    DECLARE_MESSAGE_MAP()
public:
    CFontStatic();

    void SetFont(LPCTSTR face, int height, COLORREF color, DWORD style);
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);
    void SetDrawFlags(UINT flags) { m_nExtraFlags = flags; }
    void SetText(LPCTSTR text);
    CRect CalcTextRect(LPCTSTR text);

protected:
    void PreSubclassWindow() override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
};
