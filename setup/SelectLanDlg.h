// Asks for the installer's language before the wizard; the choice switches
// the language offset at once and relabels the dialog.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/SetupState.h"

class CSelectLanDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    // keyboardOffset: the offset the keyboard layout suggests.
    CSelectLanDlg(SetupState& state, int keyboardOffset, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnSelChange();
    void ApplyTexts();

    SetupState& m_state;
    int m_keyboardOffset;
};
