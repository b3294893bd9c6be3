// CStyleBar: the formatting bar below an expanded note's title bar: bold,
// italic, underline, text colour, size and face for the editor's selection.
#pragma once

#include "fw/AfxWin.h"
#include "ui/ColorPickerCB.h"
#include "ui/FontPreviewCombo.h"
#include "ui/ShareCheckButton.h"
#include "ui/TextSizeCombo.h"

class CMemoDlg;
class COleRichEditCtrl;

class CStyleBar : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CStyleBar(CMemoDlg* note);
    BOOL CreateBar();
    BOOL OnInitDialog() override;

    void UpdateFromEditor(COleRichEditCtrl& editor);
    void SetBackColor(COLORREF color) {
        m_crBack = color;
        if (m_hWnd) Invalidate();
    }

    CShareCheckButton m_btnBold, m_btnItalic, m_btnUnderline;
    CColorPickerCB m_cbColor;
    CTextSizeCombo m_cbSize;
    CFontPreviewCombo m_cbFace;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    LRESULT OnNcHitTest(CPoint point);

private:
    CMemoDlg* m_pNote;
    COLORREF m_crBack;
};
