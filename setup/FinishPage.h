// The wizard's finish page: run the program, show the menu widget, and the
// option preset (the last options are offered when a settings file exists).
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/SetupState.h"

class CFinishPage : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CFinishPage(SetupState& state) : m_state(state) {}

    // Entering the page: with ZorelConfig.xml in the install folder the
    // preset is "Using the Last Options", else that choice is disabled.
    void Prepare();
    // Reads the checks and the preset.
    void ReadFields();

    bool m_run = true;
    bool m_showMenuWidget = true;
    int m_preset = 0;

protected:
    BOOL OnInitDialog() override;
    void OnMenuWidget();

    SetupState& m_state;
};
