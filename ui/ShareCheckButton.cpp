#include "ui/ShareCheckButton.h"
#include "ui/ControlIds.h"

CSharedStrip& CShareCheckButton::Strip() {
    static CSharedStrip strip(IDB_SHARE_CHECK_STRIP, CellWidth, CellHeight);
    return strip;
}

CShareCheckButton::CShareCheckButton() : CImageStripButton(CheckKind) {
    m_nCellWidth = CellWidth;
    m_nCellHeight = CellHeight;
    Strip().Get();
}

void CShareCheckButton::SetImageIndex(int n) { SetImage(n, CellWidth, CellHeight); }

void CShareCheckButton::SetImage(int n, int width, int height) {
    m_nImage = n < 0 ? 0 : n;
    m_nCellWidth = width;
    m_nCellHeight = height;
    SizeToCell();
    if (m_hWnd) Invalidate(FALSE);
}
