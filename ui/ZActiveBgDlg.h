// The dim overlay: a black layered window at opacity 200 over the whole
// virtual screen, under the floating windows that the main frame raises above
// it. A click on it ends it. One constant-alpha layer looks the same as a
// screen-sized bitmap of translucent black, without holding that bitmap.
#pragma once

#include "fw/AfxWin.h"

class CZActiveBgDlg : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    explicit CZActiveBgDlg(CWnd* parent);

    // Creates, places and shows the overlay; false when the window could not
    // be made.
    BOOL Create();
    CRect GetOverlayRect() const { return m_rect; }

    static const BYTE DIM_ALPHA = 200;

protected:
    void PostNcDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();

private:
    CRect m_rect;
};
