#include "ui/ShareCheckButton.h"
#include "ui/ControlIds.h"

CSharedStrip& CShareCheckButton::Strip() {
    static CSharedStrip strip(IDB_SHARE_CHECK_STRIP, 12, 12);
    return strip;
}

CShareCheckButton::CShareCheckButton() : CImageStripButton(CheckKind) {
    m_nCellWidth = 12;
    m_nCellHeight = 12;
    Strip().Get();
}

void CShareCheckButton::SetImageIndex(int n) { SetImage(n, 12, 12); }

void CShareCheckButton::SetImage(int n, int width, int height) {
    m_nImage = n < 0 ? 0 : n;
    m_nCellWidth = width;
    m_nCellHeight = height;
    SizeToCell();
    if (m_hWnd) Invalidate(FALSE);
}
