// CTimeBtn: one cell of the hour and minute picker, an owner-drawn push
// button filled with a colour behind its centred caption; the picker marks
// the chosen cell through the same setters as CColorButton.
#pragma once

#include "fw/AfxWin.h"

class CTimeBtn : public CButton {
public:
    CTimeBtn();

    void SetColor(COLORREF colour);
    void SetTextColor(COLORREF colour);
    void SetBorder(BOOL on);

    COLORREF GetColor() const { return m_color; }
    COLORREF GetTextColor() const { return m_textColor; }
    BOOL GetBorder() const { return m_border; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

protected:
    void PreSubclassWindow() override;

private:
    COLORREF m_color;
    COLORREF m_textColor = 0;
    int m_reserved1 = 1;
    int m_border = 0;
    int m_reserved2 = 0;
};
