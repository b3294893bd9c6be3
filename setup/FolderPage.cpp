#include "setup/FolderPage.h"

#include "setup/SetupIds.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"

#include <shlobj.h>

BEGIN_MESSAGE_MAP(CFolderPage, CDialog)
ON_BN_CLICKED(IDC_FOLDER_BROWSE, OnBrowse)
ON_EN_CHANGE(IDC_FOLDER_SUB, OnSubFolderChange)
END_MESSAGE_MAP()

namespace {

bool FolderExists(const CString& path) {
    DWORD attributes = ::GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int WindowsMajorVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&info);
#pragma GCC diagnostic pop
    return (int)info.dwMajorVersion;
}

}  // namespace

SetupLogic::FolderInput CFolderPage::ReadEnvironment() {
    if (m_environment) return m_environment();
    SetupLogic::FolderInput input;
    input.hasRunValue = ReadRegString(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                      L"Zorel Start", input.runValue) != 0;
    ReadRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", L"ProgramFilesDir",
                  input.programFilesDir);
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    input.windowsDirectory = windows;
    input.windowsMajor = WindowsMajorVersion();
    input.folderExists = FolderExists;
    return input;
}

BOOL CFolderPage::OnInitDialog() {
    CDialog::OnInitDialog();
    const int lang = m_state.languageOffset;
    m_hint.SubclassDlgItem(IDC_FOLDER_HINT, this);
    m_hint.SetFont(L"Tahoma", 14, 0x9C2020, 0x40);
    SetDlgItemText(IDC_FOLDER_GROUP, GetSetupText(703, lang));
    SetDlgItemText(IDC_FOLDER_BROWSE, GetSetupText(705, lang));
    SetDlgItemText(IDC_FOLDER_RUN_AT_START, GetSetupText(712, lang));
    SetDlgItemText(IDC_FOLDER_START_MENU, GetSetupText(713, lang));
    CheckDlgButton(IDC_FOLDER_RUN_AT_START, m_state.startWithWindows ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_FOLDER_START_MENU, m_state.startMenu ? BST_CHECKED : BST_UNCHECKED);

    SetupLogic::FolderInput input = ReadEnvironment();
    SetupLogic::FolderProposal proposal = SetupLogic::ProposeFolders(input);
    m_windowsMajor = input.windowsMajor;
    m_programFiles = proposal.programFiles;
    m_windowsFolder = proposal.windowsFolder;
    m_state.previousFolder = proposal.previousFolder;
    m_state.baseFolder = proposal.baseFolder;
    m_state.installFolder = SetupLogic::JoinFolder(m_state.baseFolder, m_subFolder);
    ShowFields();
    RefreshHint();
    return TRUE;
}

void CFolderPage::ShowFields() {
    m_showing = true;
    SetDlgItemText(IDC_FOLDER_BASE, m_state.baseFolder);
    SetDlgItemText(IDC_FOLDER_SUB, m_subFolder);
    m_showing = false;
}

void CFolderPage::ReadFields() {
    m_subFolder = GetDlgItemText(IDC_FOLDER_SUB);
    m_state.startWithWindows = IsDlgButtonChecked(IDC_FOLDER_RUN_AT_START) == BST_CHECKED;
    m_state.startMenu = IsDlgButtonChecked(IDC_FOLDER_START_MENU) == BST_CHECKED;
    m_state.installFolder = SetupLogic::JoinFolder(m_state.baseFolder, m_subFolder);
}

void CFolderPage::RefreshHint() {
    if (!m_hWnd) return;
    ReadFields();
    bool update = FileExists(SetupLogic::JoinFolder(m_state.installFolder, L"Zorel.exe"));
    m_hint.SetText(GetSetupText(SetupLogic::FolderHintTextId(update), m_state.languageOffset));
}

bool CFolderPage::AcceptBaseFolder(const CString& folder) {
    if (SetupLogic::IsRestrictedFolder(folder, m_programFiles, m_windowsFolder, m_windowsMajor)) {
        GetSystemMessageBox().Show(m_hWnd, GetSetupText(709, m_state.languageOffset),
                                   GetSetupText(1, m_state.languageOffset), MB_OK | MB_ICONWARNING);
        return false;
    }
    m_state.baseFolder = folder;
    ShowFields();
    RefreshHint();
    return true;
}

bool CFolderPage::CheckFields() {
    ReadFields();
    if (SetupLogic::IsUsableSubFolder(m_subFolder)) return true;
    GetSystemMessageBox().Show(m_hWnd, GetSetupText(711, m_state.languageOffset),
                               GetSetupText(1, m_state.languageOffset), MB_OK | MB_ICONWARNING);
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_FOLDER_SUB));
    return false;
}

void CFolderPage::OnBrowse() {
    ReadFields();
    CString chosen = BrowseForFolder(m_hWnd, L"Choose Folder", BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE,
                                     m_state.baseFolder);
    if (!chosen.IsEmpty()) AcceptBaseFolder(chosen);
}

void CFolderPage::OnSubFolderChange() {
    if (!m_showing) RefreshHint();
}
