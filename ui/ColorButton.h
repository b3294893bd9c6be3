// CColorButton: an owner-drawn push button that shows a colour behind a
// centred caption, framed as a push button (with an optional dark border
// line). It reports clicks to its parent as any button does.
#pragma once

#include "fw/AfxWin.h"

class CColorButton : public CButton {
public:
    CColorButton() = default;

    // Each stores the value and repaints without erasing.
    void SetColor(COLORREF colour);
    void SetTextColor(COLORREF colour);
    void SetBorder(BOOL on);

    COLORREF GetColor() const { return m_color; }
    COLORREF GetTextColor() const { return m_textColor; }
    BOOL GetBorder() const { return m_border; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

protected:
    // A picker cell: no frame line and no veil when disabled.
    enum class Look { Framed, Cell };
    CColorButton(COLORREF colour, COLORREF textColour, Look look)
        : m_color(colour), m_textColor(textColour), m_look(look) {}

    void PreSubclassWindow() override;

private:
    COLORREF m_color = 0;
    COLORREF m_textColor = 18;
    int m_reserved1 = 1;
    int m_border = 0;
    int m_reserved2 = 0;
    Look m_look = Look::Framed;
};

// The caption of a colour button: the window text centred on one line, with
// an ellipsis when too long, one pixel further right and down while pushed,
// embossed while disabled.
void DrawButtonCaption(HWND button, HDC dc, RECT rect, COLORREF colour, bool pushed, bool disabled);
