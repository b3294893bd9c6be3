#include "TestSupport.h"

#include "TestIds.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(1006, OnForApp)
    ON_UPDATE_COMMAND_UI(ID_MENU_APP, OnUpdateMenuApp)
END_MESSAGE_MAP()

static CTestApp theApp;

CTestApp& TestApp() { return theApp; }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!theApp.PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (done()) return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
