// An owner-drawn combo box listing the installed fonts, each name drawn in
// its own font, TrueType faces marked.
#pragma once

#include "ui/ControlBase.h"

#include <map>

class CFontPreviewCombo : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    ~CFontPreviewCombo() override;
    void SetPreviewStyle(int height, BOOL refill = TRUE);
    void FillFonts();
    int m_nFontHeight = 0;

protected:
    void DrawItem(LPDRAWITEMSTRUCT dis);
    void MeasureItem(LPMEASUREITEMSTRUCT mis);
    LRESULT OnNcHitTest(CPoint point);

private:
    static int CALLBACK EnumFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM param);
    void DeleteFonts();
    CString ItemText(int index) const;
    std::map<std::wstring, HFONT> m_fonts;
    HIMAGELIST m_hTrueType = nullptr;
};
