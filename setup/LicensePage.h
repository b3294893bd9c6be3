// The wizard's licence page: the licence text in the installer's language,
// with links that open in the browser.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/SetupState.h"

class CLicensePage : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CLicensePage(SetupState& state) : m_state(state) {}

    // The stored licence of the language: RTF 154 Korean, 156 English.
    static UINT LicenseResourceId(bool korean);

protected:
    BOOL OnInitDialog() override;
    void OnLink(NMHDR* header, LRESULT* result);
    // Opens an address of the licence text; the real one asks the shell.
    virtual void OpenAddress(const CString& address);

    SetupState& m_state;
    HCURSOR m_hand = nullptr;
};
