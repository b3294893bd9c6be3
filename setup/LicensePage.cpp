#include "setup/LicensePage.h"

#include "fw/RichEditCtrl.h"
#include "fw/WinApp.h"
#include "setup/SetupIds.h"
#include "setup/SetupTexts.h"
#include "shell/SystemUtil.h"

#include <richedit.h>
#include <shellapi.h>

#include <memory>

BEGIN_MESSAGE_MAP(CLicensePage, CDialog)
ON_NOTIFY(EN_LINK, IDC_LICENSE_TEXT, OnLink)
END_MESSAGE_MAP()

UINT CLicensePage::LicenseResourceId(bool korean) { return korean ? IDR_LICENSE_KOREAN : IDR_LICENSE_ENGLISH; }

BOOL CLicensePage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_LICENSE_PROMPT, GetSetupText(202, m_state.languageOffset));
    m_hand = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_SETUP_HAND));
    if (!m_hand) m_hand = ::LoadCursorW(nullptr, IDC_ARROW);

    HWND edit = ::GetDlgItem(m_hWnd, IDC_LICENSE_TEXT);
    ::SendMessageW(edit, EM_SETEVENTMASK, 0, ENM_LINK);
    ::SendMessageW(edit, EM_AUTOURLDETECT, TRUE, 0);
    DWORD size = 0;
    std::unique_ptr<BYTE[]> rtf(
        LoadResourceCopy(AfxGetResourceHandle(), LicenseResourceId(m_state.IsKorean()), L"RTF", &size));
    if (rtf) {
        CRichEditCtrl control;
        control.Attach(edit);
        control.StreamInBytes(SF_RTF, CStringA((const char*)rtf.get(), (int)size));
        control.Detach();
    }
    return TRUE;
}

void CLicensePage::OnLink(NMHDR* header, LRESULT* result) {
    ENLINK* link = (ENLINK*)header;
    *result = 0;
    if (link->msg == WM_SETCURSOR) {
        ::SetCursor(m_hand);
        *result = 1;
    } else if (link->msg == WM_LBUTTONDOWN) {
        const LONG length = link->chrg.cpMax - link->chrg.cpMin;
        if (length <= 0) return;
        CString address;
        TEXTRANGEW range;
        range.chrg = link->chrg;
        range.lpstrText = address.GetBuffer(length + 1);
        ::SendMessageW(header->hwndFrom, EM_GETTEXTRANGE, 0, (LPARAM)&range);
        address.ReleaseBuffer();
        OpenAddress(address);
        *result = 1;
    }
}

void CLicensePage::OpenAddress(const CString& address) {
    ::ShellExecuteW(m_hWnd, L"open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
