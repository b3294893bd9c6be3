// A static whose background colour the owner sets (colour previews).
#pragma once

#include "ui/ControlBase.h"

class CColorStaticST : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    CColorStaticST();
    ~CColorStaticST() override;
    // -1 is the system button-face colour.
    void SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_crBack; }

    COLORREF m_crText;
    COLORREF m_crBack;

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnDestroy();
    HBRUSH m_hBrush = nullptr;
};
