// CMemoPwdDlg: asks for the password of a locked note.
#pragma once

#include "fw/AfxWin.h"

class CMemoPwdDlg : public CDialog {
public:
    enum { MaxPasswordLength = 16 };

    explicit CMemoPwdDlg(CWnd* parent);
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    const CString& GetPassword() const { return m_password; }
    // Whether the entered password is the one the token holds (exactly).
    bool CheckPassword(const CString& token) const;

private:
    CString m_password;
};
