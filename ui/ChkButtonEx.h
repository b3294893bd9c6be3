// A check button drawn from its own strip of three cells (unchecked, checked,
// disabled) on a ground coloured by its state, with an optional tooltip.
#pragma once

#include "ui/OwnStripButton.h"

class CChkButtonEx : public COwnStripButton {
public:
    CChkButtonEx() : COwnStripButton(CheckKind) {}

    BOOL LoadImageStrip(UINT bitmapId, int cellWidth, int cellHeight, COLORREF mask = RGB(255, 0, 255),
                        UINT flags = 255);
};
