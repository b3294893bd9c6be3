// The uninstaller's application object: the language from the keyboard
// layout, the text table, and the dialog when there is something to remove.
#pragma once

#include "fw/Afx.h"
#include "fw/WinApp.h"

class CZorelUninstallApp : public CWinApp {
public:
    CZorelUninstallApp();

    BOOL InitInstance() override;
    // Fills the uninstaller's text table.
    static void BuildTexts();

    int m_languageOffset = 0;
};
