#include "setup/SetupDlg.h"

#include "setup/SetupLogic.h"
#include "setup/SetupRoutines.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"

#include <shlobj.h>

#include <cstdio>

const wchar_t* const kRunSubkey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kRunValueName = L"Zorel Start";

CString CSetupDlg::GetProgramsFolder(int csidl) {
    CString path;
    GetSpecialFolderPath(nullptr, csidl, path);
    return path;
}

void CSetupDlg::CreateShortcuts() {
    if (!m_state.startMenu) return;
    CString homepage = SetupLogic::JoinFolder(m_state.installFolder, L"Homepage.html");
    if (!FileExists(homepage)) {
        FILE* file = _wfopen(homepage, L"w+");
        if (file) {
            CStringA page = SetupLogic::HomepageHtml(m_state.IsKorean());
            fwrite((const char*)page, 1, page.GetLength(), file);
            fclose(file);
        }
    }
    RemoveStartMenuFolders();

    CString programs = GetProgramsFolder(CSIDL_PROGRAMS);
    if (programs.IsEmpty()) return;
    CString folder = SetupLogic::JoinFolder(programs, L"Zorel");
    EnsureFolder(folder);
    CreateShortcut(m_state.mainProgramPath, folder + L"\\Zorel.lnk", L"", L"Zorel");
    CreateShortcut(homepage, folder + L"\\Homepage.lnk", L"", L"Homepage");
    CreateShortcut(m_state.uninstallerPath, folder + L"\\Uninstall.lnk", L"", L"Uninstall");
}

void CSetupDlg::RemoveStartMenuFolders() {
    for (int csidl : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
        CString programs = GetProgramsFolder(csidl);
        if (!programs.IsEmpty()) RemoveFolderTree(SetupLogic::JoinFolder(programs, L"Zorel"));
    }
}

void WriteRunValue(const SetupState& state, HKEY root, const wchar_t* subkey) {
    if (!state.startWithWindows) return;
    WriteRegString(root, subkey ? subkey : kRunSubkey, kRunValueName, SetupLogic::RunValueText(state.mainProgramPath));
}
