// CPwdAddDlg: adds or edits one vault entry, with a password generator and
// a button that shows or hides the password.
#pragma once

#include "fw/AfxWin.h"
#include "tools/PwdInfo.h"
#include "ui/StaticEx.h"

#include <functional>

class CPwdAddDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum Mode { modeAdd = 0, modeEdit = 1 };

    explicit CPwdAddDlg(int mode = modeAdd, CWnd* parent = nullptr);

    // The entry: filled in before an edit, read back after OK.
    CPwdInfo m_info;
    // Makes a new password; tests put in their own.
    std::function<CString()> m_fnGenerate;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    void OnGenerate();
    void OnShowPassword();
    bool IsPasswordShown() const;

private:
    int m_nMode;
    wchar_t m_passwordChar = 0;
    bool m_bPasswordCharKnown = false;
    CStaticEx m_titleLabel;
    CStaticEx m_passwordLabel;
    CFont m_boldFont;
};
