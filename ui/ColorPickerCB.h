// An owner-drawn combo box offering the colours of g_PickerColors as swatches.
#pragma once

#include "ui/ControlBase.h"

class CColorPickerCB : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    void FillColors();
    COLORREF GetSelectedColor() const;
    // Selects the item of a colour; -1 when the list has none.
    int SelectColor(COLORREF color);

protected:
    void DrawItem(LPDRAWITEMSTRUCT dis);
    void MeasureItem(LPMEASUREITEMSTRUCT mis) { mis->itemHeight = 14; }
    void OnLButtonDown(UINT flags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
};
