// Shared pieces of the window tests: the test program's application object
// and a message pump with a deadline.
#pragma once

#include "fw/AfxWin.h"

#include <functional>
#include <vector>

class CTestApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    CTestApp() : CWinApp(L"ZorelFwTest") {}
    std::vector<UINT> commands;  // commands that reached the application
    int updates = 0;

protected:
    void OnForApp() { commands.push_back(1006); }
    void OnUpdateMenuApp(CCmdUI* ui) {
        ++updates;
        ui->SetText(L"From the app");
    }
};

CTestApp& TestApp();

// The shared pump, offering each message to the application's
// PreTranslateMessage first as the program's loop would; returns done().
bool PumpAppUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
