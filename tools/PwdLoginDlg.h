// CPwdLoginDlg: asks for the master password of an existing vault. Five
// wrong attempts close it; its reset button moves the vault into the
// history folder and starts a new one.
#pragma once

#include "fw/AfxWin.h"
#include "tools/PwdVault.h"

#include <functional>

class CPwdLoginDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static const int kMaxAttempts = 5;

    CPwdLoginDlg(const CPwdVault& vault, CWnd* parent = nullptr);

    CString GetPassword() const { return m_szPassword; }
    int GetFailedAttempts() const { return m_nFailed; }

    // The verifier the vault file keeps; empty (and text 10111 shown) when
    // the file could not be read.
    CString ReadStoredVerifier();
    // Moves the vault into the history folder (or deletes it).
    bool ResetVault();

    // After a reset: opens the vault again, which now sets a new password.
    std::function<void()> m_fnReopenVault;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnReset();

private:
    CPwdVault m_vault;
    CString m_szPassword;
    int m_nFailed = 0;
};
