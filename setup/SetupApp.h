// The installer's application object: the language question, then the
// wizard, then the end.
#pragma once

#include "fw/Afx.h"
#include "fw/WinApp.h"
#include "setup/SetupState.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp();

    // The whole run; false, so that the program ends afterwards.
    BOOL InitInstance() override;
    int ExitInstance() override;
    // Fills the installer's text table.
    static void BuildTexts();

    SetupState m_state;

private:
    bool m_comStarted = false;
};
