// CColorSampleDlg: a small preview of what a note in one colour looks like,
// its title strip shaded from the colour and its body a lighter tint.
#pragma once

#include "fw/AfxWin.h"

class CColorSampleDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { TitleHeight = 17 };

    CColorSampleDlg() = default;

    BOOL Create(CWnd* parent);
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }

    // Paints the preview of colour c over the client rectangle of dc.
    static void Paint(HDC dc, const RECT& client, COLORREF c);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);

private:
    COLORREF m_color = 0x969696;
};
