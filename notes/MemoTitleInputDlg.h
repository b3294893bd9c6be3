// CMemoTitleInputDlg: the modal dialog in which the user types a note's
// title (at most 60 characters) and chooses the title font: face, size,
// bold, italic, underline and colour. Its controls are those of its
// template; the dialog fills and selects them.
#pragma once

#include "fw/AfxWin.h"
#include "ui/ColorPickerCB.h"
#include "ui/FontPreviewCombo.h"
#include "ui/ShareCheckButton.h"
#include "ui/TextSizeCombo.h"

class CMemoTitleInputDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { MaxTitleLength = 60 };

    CMemoTitleInputDlg(CWnd* parent, const LOGFONTW& font, COLORREF color, const CString& title);

    BOOL OnInitDialog() override;
    void OnOK() override;

    COLORREF GetColor() const { return m_color; }
    const LOGFONTW& GetFont() const { return m_font; }
    const CString& GetTitle() const { return m_title; }

    CColorPickerCB m_cbColor;
    CTextSizeCombo m_cbSize;
    CFontPreviewCombo m_cbFace;
    CShareCheckButton m_btnBold, m_btnItalic, m_btnUnderline;
    CWnd m_editTitle;

protected:
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    LOGFONTW m_font;
    COLORREF m_color;
    CString m_title;
};
