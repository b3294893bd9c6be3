#include "setup/GdidllMsgDlg.h"

#include "setup/SetupIds.h"
#include "setup/SetupLogic.h"

CGdidllMsgDlg::CGdidllMsgDlg(CWnd* parent) : CDialog(IDD_SETUP_GDIDLL, parent) {}

CString CGdidllMsgDlg::DownloadAddress() {
    return CString(SetupLogic::kSiteAddress) +
           L"/downloads/details.aspx?displaylang=en&familyid=6A63AB9C-DF12-4D41-933C-BE590FEAA05A";
}

BOOL CGdidllMsgDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString address = DownloadAddress();
    m_link.SetUrl(address);
    m_link.SubclassDlgItem(IDC_SETUP_GDIDLL_LINK, this);
    m_link.EnableTooltip(true);
    m_link.SetTooltipText(address);
    return TRUE;
}
