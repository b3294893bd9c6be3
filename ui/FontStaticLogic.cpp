#include "ui/FontStaticLogic.h"

void CFontStaticLogic::ApplyFont(LPCTSTR face, int height, COLORREF color, DWORD style) {
    if (face) m_strFace = face;
    m_nHeight = height;
    m_crText = color;
    if (style & StyleBold) m_bBold = 1;
    if (style & StyleItalic) m_bItalic = 1;
    if (style & StyleUnderline) m_bUnderline = 1;
    if (style & StyleStrikeOut) m_bStrikeOut = 1;
    if (style & StyleAntialias) m_bAntialias = 1;
    m_bCenter = m_bLeft = m_bRight = 0;
    if (style & StyleCenter) m_bCenter = 1;
    else if (style & StyleRight) m_bRight = 1;
    else m_bLeft = 1;
}

UINT CFontStaticLogic::DrawFlags() const {
    UINT flags = DT_WORDBREAK | DT_NOPREFIX | m_nExtraFlags;
    if (m_bCenter) flags |= DT_CENTER;
    else if (m_bRight) flags |= DT_RIGHT;
    else flags |= DT_LEFT;
    return flags;
}

LOGFONT CFontStaticLogic::MakeLogFont() const {
    LOGFONT lf = {};
    lf.lfHeight = m_nHeight;
    lf.lfWeight = m_bBold ? 900 : 400;
    lf.lfItalic = m_bItalic;
    lf.lfUnderline = m_bUnderline;
    lf.lfStrikeOut = m_bStrikeOut;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_STRING_PRECIS;
    lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
    lf.lfQuality = m_bAntialias ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, m_strFace, LF_FACESIZE);
    return lf;
}

CRect CFontStaticLogic::TextRectFromMeasure(const CRect& client, const CRect& measured) {
    return CRect(client.left, client.top, client.right, client.top + measured.Height());
}
