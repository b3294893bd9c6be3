#include "setup/SetupApp.h"

#include "fw/CommonControls.h"
#include "setup/SelectLanDlg.h"
#include "setup/SetupDlg.h"
#include "setup/SetupLogic.h"
#include "setup/SetupTexts.h"
#include "shell/SystemUtil.h"

#include <objbase.h>

CSetupApp::CSetupApp() : CWinApp(L"ZorelSetup") {}

void CSetupApp::BuildTexts() { GetSetupText(1, 0); }

BOOL CSetupApp::InitInstance() {
    AfxEnableControlContainer();
    m_comStarted = SUCCEEDED(::CoInitialize(nullptr));
    AfxInitCommonControls();
    AfxInitRichEdit2();
    BuildTexts();

    CSelectLanDlg language(m_state, SetupLogic::LanguageOffsetFor(GetKeyboardLanguageName()));
    if (language.DoModal() != IDOK) return FALSE;

    CSetupDlg wizard(m_state);
    m_pMainWnd = &wizard;
    wizard.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CSetupApp::ExitInstance() {
    if (m_comStarted) ::CoUninitialize();
    m_comStarted = false;
    return CWinApp::ExitInstance();
}
