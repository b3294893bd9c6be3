// A static with its own text and background colours.
#pragma once

#include "ui/ControlBase.h"

class CStaticEx : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    CStaticEx();
    ~CStaticEx() override;
    // -1 is the system colour (button text, button face).
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);

    COLORREF m_crText;
    COLORREF m_crBack;

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnDestroy();
    HBRUSH m_hBrush = nullptr;
};
