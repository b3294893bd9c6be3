#include "ui/StateButtonLogic.h"

#include <algorithm>

CStateButtonLogic::CStateButtonLogic() { ResetColors(); }

void CStateButtonLogic::ResetColors() {
    for (int i = 0; i < SlotCount; ++i)
        m_crColors[i] = GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
}

int CStateButtonLogic::SetColor(int slot, COLORREF color) {
    if (slot < 0 || slot >= SlotCount)
        return ErrBadSlot;
    m_crColors[slot] = color;
    return ErrOk;
}

COLORREF CStateButtonLogic::Offset(COLORREF color, int shade) {
    int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    int amount = shade;
    if (shade > 0)
        amount = std::min({shade, 255 - r, 255 - g, 255 - b});
    else if (shade < 0)
        amount = std::max({shade, -r, -g, -b});
    return RGB(r + amount, g + amount, b + amount);
}

int CStateButtonLogic::OffsetColor(int slot, int shade) {
    if (slot < 0 || slot >= SlotCount)
        return ErrBadSlot;
    if (shade < -255 || shade > 255)
        return ErrBadShade;
    m_crColors[slot] = Offset(m_crColors[slot], shade);
    return ErrOk;
}

int CStateButtonLogic::SetAlign(int align) {
    if (align < 0 || align > 3)
        return ErrBadAlign;
    m_byAlign = (BYTE)align;
    return ErrOk;
}

COLORREF CStateButtonLogic::GreyPixel(COLORREF c) {
    int grey = (int)(0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c));
    return RGB(grey, grey, grey);
}

COLORREF CStateButtonLogic::DarkerPixel(COLORREF c) {
    auto dark = [](int v) { return (int)(v - 0.25 * v); };
    return RGB(dark(GetRValue(c)), dark(GetGValue(c)), dark(GetBValue(c)));
}
