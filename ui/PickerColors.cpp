#include "ui/PickerColors.h"

const COLORREF g_PickerColors[PICKER_COLOR_COUNT] = {
    RGB(0, 0, 0),       RGB(0, 0, 255),     RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(0, 255, 255),
    RGB(255, 255, 0),   RGB(255, 0, 255),   RGB(128, 128, 128), RGB(0, 68, 119),    RGB(125, 158, 192),
    RGB(0, 64, 64),     RGB(72, 0, 72),     RGB(75, 0, 130),    RGB(239, 0, 0),     RGB(0, 147, 0),
    RGB(152, 215, 152), RGB(123, 123, 192), RGB(210, 180, 140), RGB(255, 215, 0),   RGB(255, 255, 255),
};
