// A push button drawn from the strip shared by all such buttons (cells of
// 12 x 11 pixels, four per image; bitmap 327).
#pragma once

#include "ui/ImageStripButton.h"
#include "ui/SharedStrip.h"

class CShareButtonEx : public CImageStripButton {
public:
    // The shared strip's cells, and how many of them make one picture.
    static constexpr int CellWidth = 12, CellHeight = 11, CellsPerImage = 4;

    CShareButtonEx();
    static CSharedStrip& Strip();

    void SetImageIndex(int n);
    void SetImage(int n, int width, int height);
    void SetTooltipText(LPCTSTR, BOOL = TRUE) {}  // shared buttons have no tooltip

    int m_nImage = 0;

protected:
    HIMAGELIST ImageList() const override { return Strip().Get(); }
    int FirstCell() const override { return m_nImage * CellsPerImage; }
};
