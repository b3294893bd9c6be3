#include "ui/ShareButtonEx.h"
#include "ui/ControlIds.h"

CSharedStrip& CShareButtonEx::Strip() {
    static CSharedStrip strip(IDB_SHARE_BUTTON_STRIP, CellWidth, CellHeight);
    return strip;
}

CShareButtonEx::CShareButtonEx() : CImageStripButton(PushKind) {
    m_nCellWidth = CellWidth;
    m_nCellHeight = CellHeight;
    Strip().Get();
}

void CShareButtonEx::SetImageIndex(int n) { SetImage(n, CellWidth, CellHeight); }

void CShareButtonEx::SetImage(int n, int width, int height) {
    m_nImage = n < 0 ? 0 : n;
    m_nCellWidth = width;
    m_nCellHeight = height;
    SizeToCell();
    if (m_hWnd) Invalidate(FALSE);
}
