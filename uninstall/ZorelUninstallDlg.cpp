#include "uninstall/ZorelUninstallDlg.h"

#include "fw/WinApp.h"
#include "setup/RunningProgram.h"
#include "setup/SetupRoutines.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"
#include "shell/ShellIds.h"
#include "uninstall/UninstallTexts.h"

#include <shellapi.h>
#include <shlobj.h>

BEGIN_MESSAGE_MAP(CZorelUninstallDlg, CDialog)
ON_WM_PAINT()
ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
END_MESSAGE_MAP()

namespace {

struct InstalledItem {
    const wchar_t* name;
    bool folder;
    bool userData;  // only when the user asked to delete the data
};

// In the order they are deleted; the main program goes first.
const InstalledItem kItems[] = {
    {L"Zorel.exe", false, false},
    {L"Homepage.html", false, false},
    {L"ZorelConfig.xml", false, false},
    {L"anniversary_data", true, true},
    {L"memo_data", true, true},
    {L"schedule_data", true, true},
    {L"capture", true, true},
    {L"pmanager_data", true, true},
    {L"skin", true, false},
    {L"system", true, false},
    {L"friendlist.xml", false, false},
};

const wchar_t* const kSectionKeys[] = {L"Alarm",   L"Calendar",   L"Clock",  L"Color",   L"Communication",
                                       L"General", L"HistoryRun", L"HotKey", L"Rauncher", L"Schedule"};

bool PathPresent(const CString& path) { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// Deletes the named subkey, which must have no subkeys of its own.
void DeleteKey(HKEY root, const CString& parent, const wchar_t* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, parent, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    HKEY child = nullptr;
    if (::RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
        DWORD subkeys = 0;
        ::RegQueryInfoKeyW(child, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
        ::RegCloseKey(child);
        // A key that still holds keys of its own (a section a later version
        // added) stays, and so do its parents.
        if (subkeys == 0) ::RegDeleteKeyW(key, name);
    }
    ::RegCloseKey(key);
}

}  // namespace

CZorelUninstallDlg::CZorelUninstallDlg(CWnd* parent)
    : CDialog(IDD_UNINSTALL, parent), m_program(&GetRealRunningProgram()) {
    GetProgramFolder(m_installFolder);
    m_icon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(128));
}

CString CZorelUninstallDlg::Text(int id) const { return GetUninstallText(id, m_languageOffset); }

BOOL CZorelUninstallDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(Text(4));
    SetDlgItemText(IDOK, Text(5));
    SetDlgItemText(IDCANCEL, Text(6));
    SetDlgItemText(IDC_UNINSTALL_GROUP, Text(7));
    SetDlgItemText(IDC_UNINSTALL_KEEP, Text(8));
    SetDlgItemText(IDC_UNINSTALL_DELETE, Text(9));
    CheckRadioButton(IDC_UNINSTALL_KEEP, IDC_UNINSTALL_DELETE, IDC_UNINSTALL_KEEP + m_radio);
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CZorelUninstallDlg::OnPaint() {
    if (!::IsIconic(m_hWnd)) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, m_icon);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CZorelUninstallDlg::OnQueryDragIcon(WPARAM, LPARAM) { return (LRESULT)m_icon; }

void CZorelUninstallDlg::EnableChoice(bool enable) {
    for (int id : {IDC_UNINSTALL_KEEP, IDC_UNINSTALL_DELETE, IDOK}) {
        HWND control = ::GetDlgItem(m_hWnd, id);
        ::EnableWindow(control, enable);
        ::UpdateWindow(control);
    }
}

void CZorelUninstallDlg::OnOK() {
    m_radio = IsDlgButtonChecked(IDC_UNINSTALL_DELETE) == BST_CHECKED ? 1 : 0;
    EnableChoice(false);
    if (m_radio == 1 && GetSystemMessageBox().Show(m_hWnd, Text(10), Text(4), MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        EnableChoice(true);
        return;
    }
    if (!CloseRunningProgram()) return;

    std::vector<CString> left = DeleteInstalledFiles();
    CleanRegistry();
    RemoveStartMenuFolders();

    if (left.empty()) {
        GetSystemMessageBox().Show(m_hWnd, Text(m_radio == 1 ? 12 : 1), Text(4), MB_OK | MB_ICONINFORMATION);
    } else {
        CString text = Text(13);
        for (const CString& name : left) text += L"\n" + name;
        GetSystemMessageBox().Show(m_hWnd, text, Text(4), MB_OK | MB_ICONWARNING);
    }
    OpenInstallFolder();
    EndDialog(IDOK);
}

bool CZorelUninstallDlg::CloseRunningProgram() {
    auto find = [this] {
        HWND found = m_program->FindByTitle(ZOREL_OLD_FRAME_TITLE);
        return found ? found : m_program->FindByTitle(ZOREL_FRAME_TITLE);
    };
    HWND running = find();
    if (!running) {
        m_program->Wait(1000);
        return true;
    }
    HWND status = ::GetDlgItem(m_hWnd, IDC_UNINSTALL_STATUS);
    if (status) {
        ::SetWindowTextW(status, Text(3));
        ::ShowWindow(status, SW_SHOW);
        ::UpdateWindow(status);
    }
    m_program->RequestClose(running);
    m_program->Wait(4000);
    // A current copy saves its notes on the way out: both titles are waited
    // for, as the installer does.
    for (int i = 0; i < 3 && find(); ++i) m_program->Wait(2000);
    if (find()) {
        GetSystemMessageBox().Show(m_hWnd, Text(2), Text(4), MB_OK | MB_ICONWARNING);
        return false;
    }
    if (status) ::ShowWindow(status, SW_HIDE);
    return true;
}

std::vector<CString> CZorelUninstallDlg::DeleteInstalledFiles() {
    std::vector<CString> left;
    for (const InstalledItem& item : kItems) {
        if (item.userData && m_radio != 1) continue;
        CString path = m_installFolder + item.name;
        if (!PathPresent(path)) continue;
        // One item that cannot go (a file in use) does not keep the others.
        if (item.folder)
            RemoveFolderTree(path);
        else
            ::DeleteFileW(path);
        if (PathPresent(path)) left.push_back(item.name);
    }
    return left;
}

bool CZorelUninstallDlg::CleanRegistry() {
    DeleteRegValue(m_registryRoot, m_runKey, L"Zorel Start");
    CString program = m_softwareKey + L"\\Zorel Program";
    CString application = program + L"\\Zorel";
    for (const wchar_t* section : kSectionKeys) DeleteKey(m_registryRoot, application, section);
    DeleteKey(m_registryRoot, program, L"Zorel");
    DeleteKey(m_registryRoot, m_softwareKey, L"Zorel Program");
    return true;
}

CString CZorelUninstallDlg::GetProgramsFolder(int csidl) {
    CString path;
    GetSpecialFolderPath(nullptr, csidl, path);
    return path;
}

void CZorelUninstallDlg::RemoveStartMenuFolders() {
    for (int csidl : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
        CString programs = GetProgramsFolder(csidl);
        if (programs.IsEmpty() || programs.GetLength() + 7 > MAX_PATH) continue;
        if (programs.Right(1) != L"\\") programs += L"\\";
        RemoveFolderTree(programs + L"Zorel");
    }
}

void CZorelUninstallDlg::OpenInstallFolder() {
    ::ShellExecuteW(m_hWnd, L"open", m_installFolder, nullptr, nullptr, SW_SHOWNORMAL);
}
