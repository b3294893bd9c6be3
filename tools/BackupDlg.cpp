#include "tools/BackupDlg.h"

#include "shell/ActionSystem.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SystemUtil.h"
#include "tools/ToolsIds.h"

#include <ctime>
#include <vector>

namespace {
const int kCommentMaxChars = CBackup::COMMENT_MAX_CHARS;

bool FolderExists(const CString& path) {
    DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Every control the user could change while the archive is written.
const int kLockedControls[] = {
    IDC_BACKUP_SETUP_FILE, IDC_BACKUP_MEMO,     IDC_BACKUP_SCHEDULE, IDC_BACKUP_ANNIVERSARY,   IDC_BACKUP_VAULT,
    IDC_BACKUP_SKIN,       IDC_BACKUP_HISTORY,  IDC_BACKUP_SETTINGS, IDC_BACKUP_OPEN_WHEN_DONE, IDC_BACKUP_NAME,
    IDC_BACKUP_COMMENT,    IDC_BACKUP_OPEN_FOLDER, IDOK,             IDCANCEL,
};

const struct {
    int control;
    int text;
} kTexts[] = {
    {IDC_BACKUP_SETUP_FILE, TXT_BACKUP_SETUP_FILE},
    {IDC_BACKUP_ITEMS_GROUP, TXT_BACKUP_ITEMS},
    {IDC_BACKUP_MEMO, TXT_BACKUP_MEMO},
    {IDC_BACKUP_SCHEDULE, TXT_BACKUP_SCHEDULE},
    {IDC_BACKUP_ANNIVERSARY, TXT_BACKUP_ANNIVERSARY},
    {IDC_BACKUP_SKIN, TXT_BACKUP_SKIN},
    {IDC_BACKUP_HISTORY, TXT_BACKUP_HISTORY},
    {IDC_BACKUP_NAME_LABEL, TXT_BACKUP_NAME},
    {IDC_BACKUP_OPEN_WHEN_DONE, TXT_BACKUP_OPEN_WHEN_DONE},
    {IDC_BACKUP_SETTINGS, TXT_BACKUP_SETTINGS},
    {IDC_BACKUP_OPEN_FOLDER, TXT_BACKUP_OPEN_FOLDER},
    {IDC_BACKUP_COMMENT_LABEL, TXT_BACKUP_COMMENT},
    {IDOK, TXT_BACKUP_START},
    {IDCANCEL, TXT_BACKUP_CANCEL},
    {IDC_BACKUP_VAULT, TXT_BACKUP_VAULT},
};
}  // namespace

bool CBackupDlg::s_bOpen = false;
CBackupDlg* CBackupDlg::s_pOpen = nullptr;

BEGIN_MESSAGE_MAP(CBackupDlg, CDialog)
    ON_BN_CLICKED(IDC_BACKUP_SETUP_FILE, OnSetupFileClicked)
    ON_BN_CLICKED(IDC_BACKUP_OPEN_FOLDER, OnOpenBackupFolder)
END_MESSAGE_MAP()

CBackupDlg::CBackupDlg(CWnd* parent) : CDialog(IDD_BACKUP, parent) {
    m_szName = CBackup::DefaultName(time(nullptr));
    m_backup.m_fnReportFailure = [this](const CString& path) { ReportSaveFailure(path, GetSafeHwnd()); };
}

CBackupDlg::~CBackupDlg() = default;

INT_PTR CBackupDlg::DoModal() {
    bool wasOpen = s_bOpen;
    CBackupDlg* previous = s_pOpen;
    s_bOpen = true;
    s_pOpen = this;
    INT_PTR result = CDialog::DoModal();
    s_bOpen = wasOpen;
    s_pOpen = previous;
    return result;
}

bool CBackupDlg::CancelOpen() {
    HWND dialog = s_pOpen ? s_pOpen->GetSafeHwnd() : nullptr;
    if (!dialog) return false;
    // A box the dialog asks with is answered first; posted, so that each
    // ends inside its own loop.
    struct Owned {
        HWND owner;
        std::vector<HWND> boxes;
    } owned = {dialog, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM lp) -> BOOL {
            Owned* o = (Owned*)lp;
            if (::GetWindow(wnd, GW_OWNER) == o->owner) o->boxes.push_back(wnd);
            return TRUE;
        },
        (LPARAM)&owned);
    for (HWND box : owned.boxes) ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
}

void CBackupDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_BACKUP_PROGRESS, m_progress);
    DDX_Check(dx, IDC_BACKUP_MEMO, m_bMemo);
    DDX_Check(dx, IDC_BACKUP_SCHEDULE, m_bSchedule);
    DDX_Check(dx, IDC_BACKUP_ANNIVERSARY, m_bAnniversary);
    DDX_Check(dx, IDC_BACKUP_VAULT, m_bVault);
    DDX_Check(dx, IDC_BACKUP_SKIN, m_bSkin);
    DDX_Check(dx, IDC_BACKUP_HISTORY, m_bHistory);
    DDX_Check(dx, IDC_BACKUP_SETTINGS, m_bSettings);
    DDX_Check(dx, IDC_BACKUP_OPEN_WHEN_DONE, m_bOpenFolder);
    DDX_Check(dx, IDC_BACKUP_SETUP_FILE, m_bSetupFile);
    DDX_Text(dx, IDC_BACKUP_NAME, m_szName);
    DDX_Text(dx, IDC_BACKUP_COMMENT, m_szComment);
    DDV_MaxChars(dx, m_szComment, kCommentMaxChars);
}

CString CBackupDlg::GetBackupFolder() const { return g_ProgramFolder + L"system\\backup\\"; }

BOOL CBackupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[TXT_BACKUP_TITLE]);
    for (const auto& t : kTexts) SetDlgItemText(t.control, g_LanguageTable[t.text]);
    if (!m_backup.CanMakeSetupFile()) {
        // This build carries no setup program yet: the option is off and
        // says why, and the backup is a plain archive.
        m_bSetupFile = 0;
        CheckDlgButton(IDC_BACKUP_SETUP_FILE, BST_UNCHECKED);
        GetDlgItem(IDC_BACKUP_SETUP_FILE)->EnableWindow(FALSE);
        // The language files carry this text; the built-in table does not.
        CString reason = g_LanguageTable[TXT_BACKUP_NO_SETUP_PROGRAM];
        if (reason.IsEmpty()) reason = L"Self-installing file not available yet: saved as .zip";
        SetDlgItemText(IDC_BACKUP_STATUS, reason);
    }
    ShowExtension();
    m_progress.SetRange(0, 100);
    GetDlgItem(IDC_BACKUP_OPEN_FOLDER)->EnableWindow(FolderExists(g_ProgramFolder + L"system\\backup"));
    CenterDialog(m_hWnd);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    return TRUE;
}

void CBackupDlg::ShowExtension() {
    SetDlgItemText(IDC_BACKUP_EXTENSION, m_bSetupFile ? L".exe" : L".zip");
    GetDlgItem(IDC_BACKUP_COMMENT)->EnableWindow(m_bSetupFile ? TRUE : FALSE);
}

void CBackupDlg::OnSetupFileClicked() {
    UpdateData(TRUE);
    ShowExtension();
}

void CBackupDlg::OnOpenBackupFolder() { GetActionSystem().ShellOpen(GetBackupFolder()); }

void CBackupDlg::LockControls() {
    SetDlgItemText(IDC_BACKUP_STATUS, g_LanguageTable[TXT_BACKUP_COMPRESSING]);
    // The thread stays busy until the archive is done: paint the status now.
    GetDlgItem(IDC_BACKUP_STATUS)->UpdateWindow();
    for (int id : kLockedControls) GetDlgItem(id)->EnableWindow(FALSE);
    GetDlgItem(IDC_BACKUP_OPEN_WHEN_DONE)->ShowWindow(SW_HIDE);
    m_progress.ShowWindow(SW_SHOW);
}

CBackup::Result CBackupDlg::Backup() {
    if (m_fnSaveData) m_fnSaveData();
    if (m_szName.IsEmpty()) {
        GotoDlgCtrl(GetDlgItem(IDC_BACKUP_NAME));
        return CBackup::resultEmptyName;
    }
    LockControls();
    m_backup.m_bMemo = m_bMemo != 0;
    m_backup.m_bSchedule = m_bSchedule != 0;
    m_backup.m_bAnniversary = m_bAnniversary != 0;
    m_backup.m_bVault = m_bVault != 0;
    m_backup.m_bSkin = m_bSkin != 0;
    m_backup.m_bHistory = m_bHistory != 0;
    m_backup.m_bSettings = m_bSettings != 0;
    m_backup.m_bSetupFile = m_bSetupFile != 0;
    m_backup.m_szName = m_szName;
    m_backup.m_szComment = m_szComment;
    m_backup.m_szProgramFolder = g_ProgramFolder;
    m_backup.m_szLanguage = g_Settings.System.language;
    m_backup.m_now = time(nullptr);
    m_backup.m_fnProgress = [this](int percent) { m_progress.SetPos(percent); };
    CBackup::Result result = m_backup.Backup();
    // The program may have closed the dialog while a failure was shown.
    if (result == CBackup::resultFailed && ::IsWindow(GetSafeHwnd())) GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    return result;
}

void CBackupDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (Backup() == CBackup::resultEmptyName) return;
    // Only a folder that is there is opened: when it could not be made, the
    // failure has been reported already.
    if (m_bOpenFolder && FolderExists(GetBackupFolder())) {
        SetDlgItemText(IDC_BACKUP_STATUS, g_LanguageTable[TXT_BACKUP_OPENING_FOLDER]);
        GetDlgItem(IDC_BACKUP_STATUS)->UpdateWindow();
        GetActionSystem().ShellOpen(GetBackupFolder());
    } else {
        Sleep(100);
    }
    m_progress.SetPos(100);
    EndDialog(IDOK);
}
