#include "setup/SetupDlg.h"

#include "fw/WinApp.h"
#include "setup/GdidllMsgDlg.h"
#include "setup/SetupConfig.h"
#include "setup/SetupIds.h"
#include "setup/SetupLogic.h"
#include "setup/SetupRoutines.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>

const wchar_t* const kRunSubkey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kRunValueName = L"Zorel Start";

namespace {
// The white band behind the title lines, in dialog units.
const int kHeaderHeightDlu = 37;
}  // namespace

BEGIN_MESSAGE_MAP(CSetupDlg, CDialog)
ON_BN_CLICKED(IDC_SETUP_NEXT_BUTTON, OnNext)
ON_BN_CLICKED(IDC_SETUP_BACK, OnBack)
ON_WM_PAINT()
END_MESSAGE_MAP()

CSetupDlg::CSetupDlg(SetupState& state, CWnd* parent)
    : CDialog(IDD_SETUP_WIZARD, parent), m_license(state), m_folder(state), m_finish(state), m_process(state),
      m_state(state) {}

CString CSetupDlg::Text(int id) const { return GetSetupText(id, m_state.languageOffset); }

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDCANCEL, Text(10));
    SetWindowText(Text(1));
    HINSTANCE resources = AfxGetResourceHandle();
    m_bigIcon = (HICON)::LoadImageW(resources, MAKEINTRESOURCEW(IDI_SETUP_PROGRAM), IMAGE_ICON,
                                    ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), LR_SHARED);
    m_smallIcon = (HICON)::LoadImageW(resources, MAKEINTRESOURCEW(IDI_SETUP_PROGRAM), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SetIcon(m_bigIcon, TRUE);
    SetIcon(m_smallIcon, FALSE);

    m_title.SubclassDlgItem(IDC_SETUP_TITLE, this);
    m_title.SetFont(L"Tahoma", 15, 0x202060, 0x41);
    m_title.SetBkColor(RGB(255, 255, 255));
    m_subtitle.SubclassDlgItem(IDC_SETUP_SUBTITLE, this);
    m_subtitle.SetFont(L"Tahoma", 13, 0x202020, 0x40);
    m_subtitle.SetBkColor(RGB(255, 255, 255));

    CDialog* pages[] = {&m_license, &m_folder, &m_copy, &m_finish};
    const UINT templates[] = {IDD_SETUP_LICENSE, IDD_SETUP_FOLDER, IDD_SETUP_COPY, IDD_SETUP_FINISH};
    CRect frame;
    HWND frameWnd = ::GetDlgItem(m_hWnd, IDC_SETUP_PAGE_FRAME);
    ::GetWindowRect(frameWnd, &frame);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&frame, 2);
    frame.DeflateRect(1, 1);
    for (int i = 0; i < 4; ++i) {
        if (!pages[i]->Create(templates[i], this)) break;
        ::SetWindowPos(pages[i]->m_hWnd, frameWnd, frame.left, frame.top, frame.Width(), frame.Height(),
                       SWP_NOACTIVATE);
    }
    // The frame only places the pages; shown, it would paint over them.
    ::ShowWindow(frameWnd, SW_HIDE);
    if (m_copy.m_hWnd) {
        m_progress.SubclassDlgItem(IDC_COPY_PROGRESS, &m_copy);
        m_progress.SetRange(0, 100);
        m_process.m_progressBar = &m_progress;
        m_process.m_statusWnd = ::GetDlgItem(m_copy.m_hWnd, IDC_COPY_STATUS);
        m_process.m_copyTextWnd = ::GetDlgItem(m_copy.m_hWnd, IDC_COPY_TEXT);
    }
    m_process.m_wizard = m_hWnd;
    m_process.m_owner = m_hWnd;
    SetPage(PAGE_LICENSE);
    return FALSE;
}

void CSetupDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT header = {0, 0, 1, kHeaderHeightDlu};
    ::MapDialogRect(m_hWnd, &header);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    header.right = client.right;
    ::FillRect(dc, &header, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::EndPaint(m_hWnd, &paint);
}

void CSetupDlg::SetHeader(int titleId, const CString& subtitle) {
    m_title.SetText(Text(titleId));
    m_subtitle.SetText(subtitle);
}

void CSetupDlg::EnableButton(int id, bool enable) { ::EnableWindow(::GetDlgItem(m_hWnd, id), enable); }

void CSetupDlg::SetPage(int page) {
    m_page = page;
    CDialog* pages[] = {&m_license, &m_folder, &m_copy, &m_finish};
    for (int i = 0; i < 4; ++i)
        if (pages[i]->m_hWnd) ::ShowWindow(pages[i]->m_hWnd, i == page ? SW_SHOW : SW_HIDE);
    HWND back = ::GetDlgItem(m_hWnd, IDC_SETUP_BACK);
    HWND next = ::GetDlgItem(m_hWnd, IDC_SETUP_NEXT_BUTTON);

    switch (page) {
    case PAGE_LICENSE:
        SetHeader(101, Text(111));
        ::ShowWindow(back, SW_HIDE);
        ::EnableWindow(next, TRUE);
        ::SetWindowTextW(next, Text(2));
        ::SetWindowTextW(back, Text(3));
        ::SetFocus(next);
        break;
    case PAGE_FOLDER:
        SetHeader(701, Text(711));
        ::ShowWindow(back, SW_SHOW);
        EnableButton(IDC_SETUP_BACK, true);
        EnableButton(IDC_SETUP_NEXT_BUTTON, true);
        EnableButton(IDCANCEL, true);
        ::SetWindowTextW(next, Text(4));
        m_folder.RefreshHint();
        break;
    case PAGE_COPY:
        SetHeader(801, Text(811));
        EnableButton(IDC_SETUP_BACK, false);
        EnableButton(IDC_SETUP_NEXT_BUTTON, false);
        EnableButton(IDCANCEL, false);
        ::UpdateWindow(m_hWnd);
        m_copySucceeded = m_process.InstallCatching();
        if (!m_copySucceeded) {
            EnableButton(IDCANCEL, true);
            SetPage(PAGE_FINISH);
        }
        // On success the copy has posted Next, which leads to the finish page.
        break;
    case PAGE_FINISH: {
        m_finish.Prepare();
        if (m_copySucceeded) {
            CreateShortcuts();
            WriteRunEntry();
            SetHeader(901, Text(911));
        } else {
            CString subtitle;
            subtitle.Format(L"%s error code = %d", (const wchar_t*)Text(912), m_state.errorStep);
            // The failure's own title; the subtitle says which step failed.
            SetHeader(902, subtitle);
            ::ShowWindow(::GetDlgItem(m_finish.m_hWnd, IDC_FINISH_RUN), SW_HIDE);
        }
        ::SetWindowTextW(next, Text(5));
        EnableButton(IDC_SETUP_BACK, false);
        // After a failed copy the wizard can still be left by Cancel.
        EnableButton(IDCANCEL, !m_copySucceeded);
        EnableButton(IDC_SETUP_NEXT_BUTTON, true);
        ::SetFocus(next);
        break;
    }
    default: break;
    }
}

void CSetupDlg::OnNext() {
    if (m_page == PAGE_FOLDER && !m_folder.CheckFields()) return;
    if (m_page >= PAGE_LICENSE && m_page < PAGE_FINISH) {
        SetPage(m_page + 1);
        return;
    }
    if (m_page != PAGE_FINISH || m_finishRuns > 0) return;
    ++m_finishRuns;
    m_finish.ReadFields();
    if (m_copySucceeded) {
        if (!IsGdiplusPresent()) ShowGdiplusMissing();
        // Presets go into the settings of a real installation only: a failed
        // copy leaves no settings file behind in a half-made folder.
        FinishOptions options;
        options.installFolder = m_state.installFolder;
        options.korean = m_state.IsKorean();
        options.preset = m_finish.m_preset;
        options.showMenuWidget = m_finish.m_showMenuWidget;
        WriteFinishOptions(options);
        if (m_finish.m_run) StartProgram(m_state.mainProgramPath);
    }
    EndDialog(IDOK);
}

void CSetupDlg::OnBack() {
    if (m_page == PAGE_FOLDER) SetPage(PAGE_LICENSE);
}

void CSetupDlg::OnCancel() {
    HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    if (cancel && !::IsWindowEnabled(cancel)) return;
    if (GetSystemMessageBox().Show(m_hWnd, Text(1006), Text(1), MB_YESNO | MB_ICONQUESTION) == IDYES)
        EndDialog(IDCANCEL);
}

bool CSetupDlg::IsGdiplusPresent() {
    HMODULE library = ::LoadLibraryW(L"gdiplus.dll");
    if (!library) return false;
    ::FreeLibrary(library);
    return true;
}

void CSetupDlg::ShowGdiplusMissing() {
    CGdidllMsgDlg dialog(this);
    dialog.DoModal();
}

void CSetupDlg::StartProgram(const CString& path) {
    ::ShellExecuteW(m_hWnd, L"open", path, nullptr, nullptr, SW_SHOWMINIMIZED);
}

void CSetupDlg::WriteRunEntry() { WriteRunValue(m_state); }

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
