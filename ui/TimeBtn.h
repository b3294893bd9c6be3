// CTimeBtn: one cell of the hour and minute picker, a colour button drawn as a
// plain cell (button-face colour, black caption); the picker marks the chosen
// cell through the colour button's setters.
#pragma once

#include "ui/ColorButton.h"

class CTimeBtn : public CColorButton {
public:
    CTimeBtn() : CColorButton(::GetSysColor(COLOR_BTNFACE), 0, Look::Cell) {}
};
