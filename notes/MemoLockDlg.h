// CMemoLockDlg: asks for a new note password, twice, and lets the user
// change the note's title at the same time.
#pragma once

#include "fw/AfxWin.h"

class CMemoLockDlg : public CDialog {
public:
    enum { MaxPasswordLength = 16 };
    enum class Check { Cancel, Mismatch, Ok };

    CMemoLockDlg(CWnd* parent, const CString& title);
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Both entries are cut to 16 characters; an empty password cancels, two
    // different ones are refused.
    static Check CheckEntries(CString& password, CString& repeat);

    const CString& GetPassword() const { return m_password; }
    const CString& GetTitle() const { return m_title; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CString m_password;
    CString m_title;
    HBRUSH m_hWhite = nullptr;
};
