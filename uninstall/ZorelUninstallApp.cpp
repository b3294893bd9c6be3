#include "uninstall/ZorelUninstallApp.h"

#include "setup/SetupLogic.h"
#include "shell/FileUtil.h"
#include "shell/Seams.h"
#include "shell/SystemUtil.h"
#include "uninstall/UninstallTexts.h"
#include "uninstall/ZorelUninstallDlg.h"

#include <shellapi.h>

CZorelUninstallApp::CZorelUninstallApp() : CWinApp(L"ZorelUninstall") {}

void CZorelUninstallApp::BuildTexts() { GetUninstallText(1, 0); }

BOOL CZorelUninstallApp::InitInstance() {
    m_languageOffset = SetupLogic::LanguageOffsetFor(GetKeyboardLanguageName());
    BuildTexts();
    CString folder;
    GetProgramFolder(folder);
    if (FileExists(folder + L"Zorel.exe")) {
        CZorelUninstallDlg dialog;
        dialog.m_languageOffset = m_languageOffset;
        dialog.m_installFolder = folder;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
        return FALSE;
    }
    GetSystemMessageBox().Show(nullptr, GetUninstallText(11, m_languageOffset), GetUninstallText(4, m_languageOffset),
                               MB_OK | MB_ICONINFORMATION);
    ::ShellExecuteW(nullptr, L"open", folder, nullptr, nullptr, SW_SHOWNORMAL);
    // Nothing is left to run: no message loop without a window to end it.
    return FALSE;
}
