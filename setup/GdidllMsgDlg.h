// Tells the user that GDI+ is missing and links to its download page.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/HyperLink.h"

class CGdidllMsgDlg : public CDialog {
public:
    explicit CGdidllMsgDlg(CWnd* parent = nullptr);

    // The download page of the GDI+ redistributable.
    static CString DownloadAddress();

    CHyperLink m_link;

protected:
    BOOL OnInitDialog() override;
};
