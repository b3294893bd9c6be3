// CPwdSetupDlg: sets the first master password (and writes a vault without
// entries) or, in change mode, asks for a new one that the vault window
// then saves its entries under.
#pragma once

#include "fw/AfxWin.h"
#include "tools/PwdVault.h"
#include "ui/StaticEx.h"

class CPwdSetupDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum Mode { modeSet = 0, modeChange = 1 };

    CPwdSetupDlg(int mode, const CPwdVault& vault, CWnd* parent = nullptr);

    CString GetPassword() const { return m_szPassword; }
    // A vault without entries under the password; false (and text 10111
    // shown) when it could not be written.
    bool WriteEmptyVault(const CString& password);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    int m_nMode;
    CPwdVault m_vault;
    CString m_szPassword;
    CStaticEx m_note;
};
