// The 20 colours that the colour picker offers, black first and white last;
// other windows look a colour up in it to select the matching item.
#pragma once

#include <windows.h>

enum { PICKER_COLOR_COUNT = 20 };
extern const COLORREF g_PickerColors[PICKER_COLOR_COUNT];
