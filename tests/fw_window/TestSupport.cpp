#include "TestSupport.h"

#include "MessagePump.h"
#include "TestIds.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(1006, OnForApp)
    ON_UPDATE_COMMAND_UI(ID_MENU_APP, OnUpdateMenuApp)
END_MESSAGE_MAP()

static CTestApp theApp;

CTestApp& TestApp() { return theApp; }

bool PumpAppUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return PumpUntil(done, timeoutMs, [](MSG& msg) { return theApp.PreTranslateMessage(&msg) != FALSE; });
}
