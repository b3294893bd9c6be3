#include "ui/TextSizeCombo.h"

#include "ui/ControlSettings.h"
#include "ui/PassThroughHitTest.h"

BEGIN_MESSAGE_MAP(CTextSizeCombo, CControlBase)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CTextSizeCombo::~CTextSizeCombo() {
    if (m_hFont) ::DeleteObject(m_hFont);
}

void CTextSizeCombo::SetFontHeight(int height) {
    HFONT font = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                               g_ControlSettings.DefaultFontFace);
    if (m_hWnd) SendMessage(WM_SETFONT, (WPARAM)font, FALSE);
    // The combo holds the new font before the old one goes.
    if (m_hFont) ::DeleteObject(m_hFont);
    m_hFont = font;
}

LRESULT CTextSizeCombo::OnNcHitTest(CPoint) {
    if (PassPointerThrough(g_ControlSettings.MouseOverHiding)) return HTTRANSPARENT;
    return Default();
}
