#include "tools/CaptureSetup.h"

#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/SystemUtil.h"
#include "tools/CaptureLogic.h"
#include "tools/ToolsIds.h"

namespace {
const int kHotKeyRegion = 16;
const int kHotKeyWindow = 23;

bool IsFolder(const CString& path) {
    DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

BEGIN_MESSAGE_MAP(CCaptureSetup, CDialog)
    ON_BN_CLICKED(IDC_CAPTURE_BROWSE, OnBrowseFolder)
    ON_BN_CLICKED(IDC_CAPTURE_OPEN_FOLDER, OnOpenFolder)
END_MESSAGE_MAP()

CCaptureSetup::CCaptureSetup(CWnd* parent) : CDialog(IDD_CAPTURE_SETUP, parent) {
    CWnd* main = AfxGetMainWnd();
    m_hReportTo = main ? main->GetSafeHwnd() : nullptr;
    const CSettings::CaptureSection& capture = g_Settings.Capture;
    m_nOutput = capture.CaptureOut;
    m_nSideGuide = capture.ShowSideGuide ? 1 : 0;
    m_nCenterGuide = capture.ShowCenterGuide ? 1 : 0;
    m_nShowSliding = capture.Animation ? 1 : 0;
    m_nCameraSound = capture.Sound ? 1 : 0;
    m_nAlwaysTop = g_Settings.General.CaptureAlwaysTop ? 1 : 0;
    m_strFolder = IsFolder(capture.CaptureFolder) ? capture.CaptureFolder : g_ProgramFolder + L"capture";
}

BOOL CCaptureSetup::Create(CWnd* parent) {
    if (!CDialog::Create(IDD_CAPTURE_SETUP, parent)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CCaptureSetup::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_CAPTURE_OUT_MEMO, m_nOutput);
    DDX_Control(dx, IDC_CAPTURE_REGION_KEY, m_btnRegionKey);
    DDX_Control(dx, IDC_CAPTURE_WINDOW_KEY, m_btnWindowKey);
    DDX_Control(dx, IDC_CAPTURE_FORMAT, m_format);
    DDX_Check(dx, IDC_CAPTURE_SIDE_GUIDE, m_nSideGuide);
    DDX_Check(dx, IDC_CAPTURE_CENTER_GUIDE, m_nCenterGuide);
    DDX_Check(dx, IDC_CAPTURE_SLIDING, m_nShowSliding);
    DDX_Check(dx, IDC_CAPTURE_SOUND, m_nCameraSound);
    DDX_Check(dx, IDC_CAPTURE_ALWAYS_TOP, m_nAlwaysTop);
    DDX_Text(dx, IDC_CAPTURE_FOLDER, m_strFolder);
}

BOOL CCaptureSetup::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTexts();
    m_btnRegionKey.SetHotKey(&g_Settings.HotKeyTable[kHotKeyRegion]);
    m_btnWindowKey.SetHotKey(&g_Settings.HotKeyTable[kHotKeyWindow]);
    m_format.SetCurSel(CaptureLogic::ListIndexForFormat(g_Settings.Capture.ImgFormat));
    CenterDialog(m_hWnd);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow();
    return TRUE;
}

void CCaptureSetup::SetTexts() {
    SetWindowText(g_LanguageTable[TXT_CAPTURE_PREFERENCE]);
    const struct {
        int control, text;
    } texts[] = {
        {IDC_CAPTURE_OUTPUT_GROUP, TXT_CAPTURE_OUTPUT},
        {IDC_CAPTURE_OUT_MEMO, TXT_CAPTURE_OUT_FIRST},
        {IDC_CAPTURE_OUT_SAVE, TXT_CAPTURE_OUT_FIRST + 1},
        {IDC_CAPTURE_OUT_SAVE_AS, TXT_CAPTURE_OUT_FIRST + 2},
        {IDC_CAPTURE_OUT_CLIPBOARD, TXT_CAPTURE_OUT_FIRST + 3},
        {IDC_CAPTURE_SHORTCUT_GROUP, TXT_CAPTURE_SHORTCUT},
        {IDC_CAPTURE_REGION_LABEL, TXT_CAPTURE_REGION},
        {IDC_CAPTURE_WINDOW_LABEL, TXT_CAPTURE_WINDOW},
        {IDC_CAPTURE_GUIDE_GROUP, TXT_CAPTURE_SHOW_GUIDE},
        {IDC_CAPTURE_SIDE_GUIDE, TXT_CAPTURE_SIDE_GUIDE},
        {IDC_CAPTURE_CENTER_GUIDE, TXT_CAPTURE_CENTER_GUIDE},
        {IDC_CAPTURE_EFFECTS_GROUP, TXT_CAPTURE_EFFECTS},
        {IDC_CAPTURE_SLIDING, TXT_CAPTURE_SLIDING},
        {IDC_CAPTURE_SOUND, TXT_CAPTURE_SOUND},
        {IDC_CAPTURE_ALWAYS_TOP, TXT_CAPTURE_ALWAYS_TOP},
        {IDC_CAPTURE_FORMAT_LABEL, TXT_CAPTURE_FORMAT},
        {IDC_CAPTURE_OPEN_FOLDER, TXT_CAPTURE_OPEN_FOLDER},
        {IDOK, TXT_CAPTURE_OK},
        {IDCANCEL, TXT_CAPTURE_CANCEL},
    };
    for (const auto& entry : texts) SetDlgItemText(entry.control, g_LanguageTable[entry.text]);
    m_format.ResetContent();
    for (const wchar_t* name : {L"PNG", L"JPEG", L"BMP"}) m_format.AddString(name);
}

void CCaptureSetup::OnBrowseFolder() {
    CString chosen = BrowseForFolder(m_hWnd, g_LanguageTable[TXT_CAPTURE_SELECT_FOLDER], 0, m_strFolder);
    if (chosen.IsEmpty()) return;
    // A chosen folder is kept at once, even when the dialog is cancelled.
    m_strFolder = chosen;
    g_Settings.Capture.CaptureFolder = chosen;
    SetDlgItemText(IDC_CAPTURE_FOLDER, m_strFolder);
}

void CCaptureSetup::OnOpenFolder() {
    if (m_hReportTo) ::PostMessageW(m_hReportTo, WM_COMMAND, ID_CAPTURE_FOLDER, 0);
}

void CCaptureSetup::OnOK() {
    if (!UpdateData(TRUE)) return;
    CSettings::CaptureSection& capture = g_Settings.Capture;
    capture.CaptureOut = m_nOutput < 0 ? 0 : m_nOutput;
    capture.ShowSideGuide = m_nSideGuide;
    capture.ShowCenterGuide = m_nCenterGuide;
    capture.Animation = m_nShowSliding;
    capture.Sound = m_nCameraSound;
    capture.CaptureFolder = m_strFolder;
    g_Settings.General.CaptureAlwaysTop = m_nAlwaysTop;
    capture.ImgFormat = CaptureLogic::FormatForListIndex(m_format.GetCurSel());
    if (m_hReportTo) ::PostMessageW(m_hReportTo, WM_CAPTURE_SETUP_CLOSE, 2, 1);
}

void CCaptureSetup::OnCancel() {
    if (m_hReportTo) ::PostMessageW(m_hReportTo, WM_CAPTURE_SETUP_CLOSE, 2, 0);
}
