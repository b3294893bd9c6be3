#include "tools/BackupDlg.h"

#include "shell/ActionSystem.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SystemUtil.h"
#include "tools/ToolsIds.h"

#include <ctime>

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

BEGIN_MESSAGE_MAP(CBackupDlg, CDialog)
    ON_BN_CLICKED(IDC_BACKUP_SETUP_FILE, OnSetupFileClicked)
    ON_BN_CLICKED(IDC_BACKUP_OPEN_FOLDER, OnOpenBackupFolder)
END_MESSAGE_MAP()

CBackupDlg::CBackupDlg(CWnd* parent) : CDialog(IDD_BACKUP, parent) {
    m_szName = CBackup::DefaultName(time(nullptr));
    m_backup.m_fnReportFailure = ReportSaveFailure;
}

CBackupDlg::~CBackupDlg() = default;

INT_PTR CBackupDlg::DoModal() {
    bool wasOpen = s_bOpen;
    s_bOpen = true;
    INT_PTR result = CDialog::DoModal();
    s_bOpen = wasOpen;
    return result;
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
    if (result == CBackup::resultFailed) GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
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
