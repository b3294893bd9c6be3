// A push button drawn from its own strip of four cells (pressed, normal,
// hover, disabled), with an optional tooltip.
#pragma once

#include "ui/OwnStripButton.h"

class CButtonEx : public COwnStripButton {
public:
    CButtonEx() : COwnStripButton(PushKind) {}

    BOOL LoadImageStrip(UINT bitmapId, int cellWidth, int cellHeight, COLORREF mask = RGB(255, 0, 255),
                        UINT flags = 255);
};
