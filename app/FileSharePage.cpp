#include "app/FileSharePage.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "net/AdapterEntry.h"
#include "res/images.h"
#include "shell/ActionSystem.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"
#include "ui/ControlSettings.h"

#include <shlobj.h>

namespace {
struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {1441, 24001}, {1442, 24002}, {1429, 24003}, {1430, 24004}, {1431, 24005}, {IDC_FS_FTP_CONNECT, 24006},
    {1434, 24007}, {1435, 24008}, {IDC_FS_DOWNLOAD, 24009}, {IDC_FS_UPLOAD, 24010}, {IDC_FS_LIST, 24011},
    {IDC_FS_ADMIN, 24012}, {IDC_FS_DATA_SYNC, 24013}, {IDC_FS_AUTO_START, 24014}, {IDC_FS_HOME_LABEL, 24015},
    {IDC_FS_SYNC_LIST, 24016}, {IDC_FS_DATA_SEND, 24017}, {IDC_FS_OPEN, 24018}, {1443, 24004},
    {IDC_FS_RECEIVE_SOUND, 25103},
};
const int kSaveFailedText = 12, kChooseHomeText = 24030, kCannotStartText = 24031, kNoPasswordText = 24032;
// The controls a running server keeps as they are.
const UINT kServerLocked[] = {IDC_FS_PASSWORD, IDC_FS_PORT,   IDC_FS_BROWSE, IDC_FS_FTP_CONNECT, IDC_FS_DOWNLOAD,
                              IDC_FS_UPLOAD,   IDC_FS_LIST,   IDC_FS_ADMIN,  IDC_FS_DATA_SYNC,   IDC_FS_DATA_SEND};
const COLORREF kMask = RGB(255, 0, 255);

bool FolderExists(const CString& path) {
    DWORD attributes = ::GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

BEGIN_MESSAGE_MAP(CFileSharePage, CSettingsPage)
    ON_EN_CHANGE(IDC_FS_PASSWORD, OnPasswordChanged)
    ON_BN_CLICKED(IDC_FS_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_FS_OPEN, OnOpenHome)
    ON_BN_CLICKED(IDC_FS_SYNC_LIST, OnSyncList)
    ON_BN_CLICKED(IDC_FS_START, OnStart)
    ON_BN_CLICKED(IDC_FS_STOP, OnStop)
END_MESSAGE_MAP()

CFileSharePage::CFileSharePage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_FILE_SHARE_PAGE) {
    const CSettings::FileShareSection& f = g_Settings.FileShare;
    m_strPort.Format(L"%d", f.Port);
    m_strPassword = f.Password;
    m_strHome = f.HomeDirectory;
    m_nFtpConnect = f.FtpConnect ? 1 : 0;
    m_nDataSync = f.DataSync ? 1 : 0;
    m_nDataSend = f.DataSend ? 1 : 0;
    m_nDownload = f.Download ? 1 : 0;
    m_nUpload = f.Upload ? 1 : 0;
    m_nList = f.List ? 1 : 0;
    m_nAdmin = f.Admin ? 1 : 0;
    m_nAutoStart = f.AutoStart ? 1 : 0;
    m_nReceiveSound = f.ReceiveSound ? 1 : 0;
}

int CFileSharePage::ParsePort(const CString& text) {
    CString digits = text;
    digits.Trim();
    if (digits.IsEmpty() || digits.GetLength() > 5) return 0;
    int value = 0;
    for (int i = 0; i < digits.GetLength(); ++i) {
        if (digits[i] < L'0' || digits[i] > L'9') return 0;
        value = value * 10 + (digits[i] - L'0');
    }
    return value <= 65535 ? value : 0;
}

// ---- Initialisation --------------------------------------------------------------------

BOOL CFileSharePage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    ApplyTexts();
    PrepareHomeDirectory();

    m_start.SubclassDlgItem(IDC_FS_START, this);
    m_start.LoadImageStrip(IDB_SHARE_START, 88, 48, kMask);
    m_stop.SubclassDlgItem(IDC_FS_STOP, this);
    m_stop.LoadImageStrip(IDB_SHARE_STOP, 71, 38, kMask);
    UpdateServerState();

    LOGFONTW font = {};
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, g_ControlSettings.UIFontFace, LF_FACESIZE);
    font.lfHeight = 20;
    m_bigFont.CreateFontIndirect(&font);
    font.lfHeight = 14;
    m_smallFont.CreateFontIndirect(&font);
    GetDlgItem(IDC_FS_PASSWORD)->SetFont(&m_bigFont);
    for (UINT id : {IDC_FS_PORT, IDC_FS_IP, IDC_FS_CLIENT_PASSWORD, IDC_FS_ACCOUNT}) GetDlgItem(id)->SetFont(&m_smallFont);

    m_strIp = FindComputerAddress();
    UpdateControls();
    return TRUE;
}

void CFileSharePage::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    SetDlgItemText(IDC_FS_ACCOUNT, L" zorel");
}

void CFileSharePage::PrepareHomeDirectory() {
    if (!m_strHome.IsEmpty() && FolderExists(m_strHome)) return;
    CString folder = g_ProgramFolder + L"fileShare";
    // The setting moves to the program's own share folder only once that
    // folder is there; when it cannot be made, the user hears it once and the
    // setting stays as it was.
    if (!FolderExists(folder) && !EnsureFolder(folder)) {
        ShowMessageBox(g_LanguageTable[kSaveFailedText], MB_OK | MB_ICONWARNING);
        return;
    }
    m_strHome = folder;
    g_Settings.FileShare.HomeDirectory = folder;
}

// ---- Fields and controls -------------------------------------------------------------

void CFileSharePage::ReadControls() {
    auto checked = [this](UINT id) { return IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; };
    GetDlgItemText(IDC_FS_PORT, m_strPort);
    GetDlgItemText(IDC_FS_PASSWORD, m_strPassword);
    GetDlgItemText(IDC_FS_HOME, m_strHome);
    m_nFtpConnect = checked(IDC_FS_FTP_CONNECT);
    m_nDataSync = checked(IDC_FS_DATA_SYNC);
    m_nDataSend = checked(IDC_FS_DATA_SEND);
    m_nDownload = checked(IDC_FS_DOWNLOAD);
    m_nUpload = checked(IDC_FS_UPLOAD);
    m_nList = checked(IDC_FS_LIST);
    m_nAdmin = checked(IDC_FS_ADMIN);
    m_nAutoStart = checked(IDC_FS_AUTO_START);
    m_nReceiveSound = checked(IDC_FS_RECEIVE_SOUND);
}

void CFileSharePage::UpdateControls() {
    auto check = [this](UINT id, int on) { CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED); };
    SetDlgItemText(IDC_FS_IP, m_strIp);
    SetDlgItemText(IDC_FS_PORT, m_strPort);
    SetDlgItemText(IDC_FS_PASSWORD, m_strPassword);
    SetDlgItemText(IDC_FS_CLIENT_PASSWORD, m_strPassword);
    SetDlgItemText(IDC_FS_HOME, m_strHome);
    check(IDC_FS_FTP_CONNECT, m_nFtpConnect);
    check(IDC_FS_DATA_SYNC, m_nDataSync);
    check(IDC_FS_DATA_SEND, m_nDataSend);
    check(IDC_FS_DOWNLOAD, m_nDownload);
    check(IDC_FS_UPLOAD, m_nUpload);
    check(IDC_FS_LIST, m_nList);
    check(IDC_FS_ADMIN, m_nAdmin);
    check(IDC_FS_AUTO_START, m_nAutoStart);
    check(IDC_FS_RECEIVE_SOUND, m_nReceiveSound);
}

void CFileSharePage::ShowServer(bool running) {
    m_start.SetCheck(running ? TRUE : FALSE);
    m_stop.SetCheck(running ? FALSE : TRUE);
    for (UINT id : kServerLocked) GetDlgItem(id)->EnableWindow(!running);
}

void CFileSharePage::UpdateServerState() {
    if (m_hWnd) ShowServer(m_sheet.GetHost().IsFtpServerRunning());
}

// ---- Apply and defaults ----------------------------------------------------------------

void CFileSharePage::Apply() {
    ReadControls();
    CSettings::FileShareSection& f = g_Settings.FileShare;
    f.Port = ParsePort(m_strPort);
    f.Password = m_strPassword;
    f.HomeDirectory = m_strHome;
    f.FtpConnect = m_nFtpConnect;
    f.DataSync = m_nDataSync;
    f.DataSend = m_nDataSend;
    f.Download = m_nDownload;
    f.Upload = m_nUpload;
    f.List = m_nList;
    f.Admin = m_nAdmin;
    f.AutoStart = m_nAutoStart;
    f.ReceiveSound = m_nReceiveSound;
}

void CFileSharePage::SetDefaults() {
    m_strPort.Format(L"%d", (int)kDefaultPort);
    m_nFtpConnect = m_nDataSync = m_nDataSend = m_nDownload = m_nUpload = m_nList = 1;
    m_nAdmin = 0;
    m_nAutoStart = 0;
    m_nReceiveSound = 1;
    // The password and the home folder stay: they are the user's.
    GetDlgItemText(IDC_FS_PASSWORD, m_strPassword);
    GetDlgItemText(IDC_FS_HOME, m_strHome);
    UpdateControls();
}

// ---- Buttons ---------------------------------------------------------------------------

void CFileSharePage::OnPasswordChanged() {
    CString text;
    GetDlgItemText(IDC_FS_PASSWORD, text);
    SetDlgItemText(IDC_FS_CLIENT_PASSWORD, text);
}

void CFileSharePage::OnBrowse() {
    CString chosen = BrowseForFolder(m_hWnd, g_LanguageTable[kChooseHomeText], BIF_RETURNONLYFSDIRS, m_strHome);
    if (chosen.IsEmpty()) return;
    m_strHome = chosen;
    g_Settings.FileShare.HomeDirectory = chosen;
    SetDlgItemText(IDC_FS_HOME, chosen);
}

void CFileSharePage::OnOpenHome() { GetActionSystem().ShellOpen(m_strHome); }

void CFileSharePage::OnSyncList() { m_sheet.GetHost().ShowSyncScheduleDialog(0); }

void CFileSharePage::OnStart() {
    Apply();
    CSettings::FileShareSection& f = g_Settings.FileShare;
    if (f.Password.IsEmpty()) {
        ShowMessageBox(g_LanguageTable[kNoPasswordText], MB_OK | MB_ICONWARNING);
        ShowServer(false);
        GetDlgItem(IDC_FS_PASSWORD)->SetFocus();
        return;
    }
    if (f.Port == 0) f.Port = kDefaultPort;
    if (f.Password.GetLength() > kMaxPasswordLength) f.Password = f.Password.Left(kMaxPasswordLength);
    m_strPort.Format(L"%d", f.Port);
    m_strPassword = f.Password;
    SetDlgItemText(IDC_FS_PORT, m_strPort);
    SetDlgItemText(IDC_FS_PASSWORD, m_strPassword);

    ISettingsHost& host = m_sheet.GetHost();
    host.StartFtpServer();
    if (host.IsFtpServerRunning()) {
        ShowServer(true);
        SaveAppConfig();
    } else {
        ShowMessageBox(g_LanguageTable[kCannotStartText], MB_OK | MB_ICONWARNING);
        ShowServer(false);
    }
}

void CFileSharePage::OnStop() {
    ShowServer(false);
    m_sheet.GetHost().StopFtpServer();
}
