// CAboutSkin: the skin-information window. It shows one image of the skin
// (its per-pixel alpha kept), centred and on top, and closes on a click.
#pragma once

#include "widgets/GDIDialog.h"

class CAboutSkin : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    CAboutSkin(const CString& imagePath, CWnd* parent);

    BOOL OnInitDialog() override;

protected:
    void PostNcDestroy() override;
    LRESULT OnNcHitTest(CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);

private:
    CString m_strImagePath;
};
