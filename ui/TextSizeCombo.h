// A font-size combo box that carries a font of its own.
#pragma once

#include "ui/ControlBase.h"

class CTextSizeCombo : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    ~CTextSizeCombo() override;
    void SetFontHeight(int height);

protected:
    LRESULT OnNcHitTest(CPoint point);

private:
    HFONT m_hFont = nullptr;
};
