#include "widgets/AboutSkin.h"

#include "widgets/WidgetIds.h"
#include "ui/UiIds.h"

#include <objidl.h>
#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CAboutSkin, CGDIDialog)
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CAboutSkin::CAboutSkin(const CString& imagePath, CWnd* parent)
    : CGDIDialog(IDD_ABOUT_SKIN, parent), m_strImagePath(imagePath) {}

BOOL CAboutSkin::OnInitDialog() {
    // The floating window's set-up only: no skin is loaded here and no
    // image downloads are started.
    CZDialog::OnInitDialog();
    LoadBackgroundFile(m_strImagePath);
    // Sized to the picture first, so that centring centres the picture.
    if (GetBackBuffer())
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_szSize.cx, m_szSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
    SetZPosition(ZPOS_TOPMOST, TRUE);
    return TRUE;
}

void CAboutSkin::PostNcDestroy() {
    ClearSkin();
    CZDialog::PostNcDestroy();
}

// Not dragged: the whole window is client area, and one click closes it.
LRESULT CAboutSkin::OnNcHitTest(CPoint point) { return CWnd::OnNcHitTest(point); }

void CAboutSkin::OnLButtonDown(UINT, CPoint) { EndDialog(IDOK); }
