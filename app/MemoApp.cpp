#include "app/MemoApp.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "app/MainFrame.h"
#include "calendar/AnniversaryFile.h"
#include "shell/SafeFileWriter.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "shell/ShellIds.h"
#include "shell/StartupLogic.h"
#include "shell/ZMsgBox.h"
#include "tools/PwdVault.h"
#include "widgets/AboutDlg.h"
#include "widgets/WidgetDialog.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace {
// Commands that note windows and dialogs send to the application and that
// the main frame carries out.
const UINT kForwardedCommands[] = {
    ID_APP_EXIT_ZOREL,      ID_NEW_MEMO,           ID_SEE_ALL_MEMOS,       ID_HIDE_ALL_MEMOS,
    ID_EXPAND_ALL,          ID_FOLD_ALL,           ID_SHOW_FAVORITE_MEMO,  ID_ARRANGE_ALL,
    ID_EXPAND_ARRANGE,      ID_FOLD_ARRANGE,       ID_ARRANGE_CURRENT,     ID_ALL_TOPMOST,
    ID_ALL_NORMAL,          ID_ALL_DESKTOP,        ID_SEARCH_MEMO,         ID_MEMO_GROUP_MANAGER,
    ID_BACKUP,              ID_RESTORE_DELETED,    ID_RESTORE_MEMO_FILE,   ID_RESTORE_SCHEDULE,
    ID_RESTORE_ANNIVERSARY, ID_SHARE,              ID_SETTINGS,            ID_SETTINGS_CLOCK,
    ID_SCHEDULE_MANAGER,    ID_PASSWORD_MANAGER,   ID_SEE_CLOCK,           ID_SEE_CALENDAR,
    ID_SEE_SCHEDULE,        ID_SHOW_QUICK_MENU,    ID_SHOW_ALL_WIDGETS,    ID_HIDE_ALL_WIDGETS,
    ID_CAPTURE_REGION,      ID_CAPTURE_WINDOW,     ID_CAPTURE_FULL,        ID_CAPTURE_LAST,
    ID_COLOR_PICKER,        ID_ZOOM_WINDOW,        ID_RULER,               ID_CAPTURE_OUT_MEMO,
    ID_CAPTURE_OUT_SAVE,    ID_CAPTURE_OUT_SAVE_AS, ID_CAPTURE_OUT_CLIPBOARD, ID_CAPTURE_PREFERENCE,
    ID_CAPTURE_FOLDER,      ID_SYNC_SCHEDULE,      ID_SHUTDOWN_SCHEDULER,  ID_UNINSTALL_ZOREL,
    ID_USER_INFO,           ID_HOMEPAGE,           ID_DONATION,
};

// Clears what saves cut short by a kill or a power cut left in the folders
// the program writes, before anything there is read. A folder can have
// gathered many over the years; the rest waits for the next start, so the
// start stays quick.
void CleanSaveLeftovers(std::initializer_list<CString> folders) {
    const int kFilesPerStart = 500;
    int budget = kFilesPerStart;
    for (const CString& folder : folders) {
        CSafeFileWriter::Leftovers done = CSafeFileWriter::CleanLeftovers(folder, budget);
        budget -= done.recovered + done.removed;
        if (done.more || budget <= 0) break;
    }
}

void ReadPlatform() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&version);
#pragma GCC diagnostic pop
    g_PlatformId = (int)version.dwPlatformId;
    g_OSMajorVersion = (int)version.dwMajorVersion;
    if (g_PlatformId > 1) {
        g_hUser32 = ::LoadLibraryW(L"USER32.dll");
        if (!g_hUser32) g_PlatformId = 1;
    }
}
}  // namespace

BEGIN_MESSAGE_MAP(CMemoApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT_ZOREL, OnShowAbout)
    ON_COMMAND(ID_CLOSE_ABOUT, OnCloseAbout)
    ON_COMMAND(ID_FRAMEWORK_ABOUT, OnIgnoredCommand)
    ON_COMMAND_RANGE(ID_OPEN_GROUP_FIRST, ID_OPEN_GROUP_LAST, OnOpenMemoGroup)
    ON_COMMAND_RANGE(ID_WIDGET_FIRST, ID_WIDGET_LAST, OnOpenWidgetMenu)
    ON_COMMAND_EX_RANGE(ID_APP_EXIT_ZOREL, ID_RULER, OnForwardCommand)
END_MESSAGE_MAP()

CMemoApp::CMemoApp() : CWinApp(L"Zorel") {
    g_FrameAlive = 1;
    ReadPlatform();
}

CMemoApp::~CMemoApp() = default;

CMemoApp* GetMemoApp() { return static_cast<CMemoApp*>(AfxGetApp()); }

CMainFrame* CMemoApp::GetMainFrame() const { return static_cast<CMainFrame*>(m_pMainWnd); }

CMainFrame* GetMainFrame() {
    CMemoApp* app = GetMemoApp();
    return app ? app->GetMainFrame() : nullptr;
}

// ---- Settings accessors ---------------------------------------------------------

int CMemoApp::GetConfigInt(const wchar_t* section, const wchar_t* key, int defaultValue) {
    return AppConfigStore().GetConfigInt(section, key, defaultValue);
}

CString CMemoApp::GetConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) {
    return AppConfigStore().GetConfigString(section, key, defaultValue);
}

int CMemoApp::WriteConfigInt(const wchar_t* section, const wchar_t* key, int value) {
    return AppConfigStore().WriteConfigInt(section, key, value);
}

int CMemoApp::WriteConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    return AppConfigStore().WriteConfigString(section, key, value);
}

// ---- Start-up -------------------------------------------------------------------

bool CMemoApp::LoadSettingsAndTexts(bool allowExitSwitch) {
    SetDefaultSettings();
    LoadConfig(AppConfigStore());
    LanguageSwitch change = ParseLanguageSwitch(GetFirstArgument(::GetCommandLineW()));
    if (change.setLanguage) {
        g_Settings.System.language = change.language;
        SaveConfig(AppConfigStore());
    }
    if (change.endStartup && allowExitSwitch) return false;
    LoadLanguageTexts();
    return true;
}

BOOL CMemoApp::InitInstance() {
    if (g_ProgramFolder.IsEmpty()) g_ProgramFolder = GetExecutableFolder();
    // A running copy's saves in progress are left alone.
    CleanSaveLeftovers({g_ProgramFolder});
    if (!LoadSettingsAndTexts(true)) return FALSE;

    switch (CheckSingleInstance(GetInstanceSystem())) {
    case INSTANCE_EXIT:
        return FALSE;
    case INSTANCE_RUN_AFTER_CLOSE:
        // The copy that was closed saved its settings on the way out; read
        // them again, so that this copy does not write its stale ones over
        // them, and apply the language switch once more.
        AppConfigStore().Reset();
        LoadSettingsAndTexts(false);
        break;
    case INSTANCE_RUN:
        break;
    }
    CString anniversaries = CAnniversaryFile().GetFolder();
    CPwdVault vault(g_ProgramFolder + L"pmanager_data\\");
    CleanSaveLeftovers({g_Settings.MemoFolder, g_Settings.ScheduleFolder, g_Settings.ScheduleFolder + L"history\\",
                        anniversaries, anniversaries + L"history\\", vault.GetFolder(), vault.GetHistoryFolder(),
                        CWidgetDialog::WidgetsFolder()});

    if (!AfxSocketInit()) return FALSE;
    AfxEnableControlContainer();
    SetRegistryKey(ZOREL_FRAME_TITLE);
    WriteConfigString(L"System", L"Version", ZOREL_VERSION);

    CMainFrame* frame = new CMainFrame;
    if (!frame->GetSafeHwnd()) {
        delete frame;
        return FALSE;
    }
    m_pMainWnd = frame;
    m_nCmdShow = SW_SHOWMINIMIZED;
    frame->ShowWindow(m_nCmdShow);
    frame->UpdateWindow();

    if (g_PlatformId >= 2) {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);
    }
    srand((unsigned)time(nullptr));
    frame->PostCreateInit();
    frame->LoadTrayMenu();
    CString damage = AppConfigStore().DamageNotice();
    if (!damage.IsEmpty()) ShowMessageBox(damage, -1);
    return TRUE;
}

BOOL CMemoApp::CloseRunningInstance() { return ::CloseRunningInstance(GetInstanceSystem()) ? TRUE : FALSE; }

// ---- Exit -------------------------------------------------------------------------

int CMemoApp::ExitInstance() {
    g_Settings.ReportErrors = 0;
    CMainFrame* frame = GetMainFrame();
    if (frame && frame->GetSafeHwnd() && g_FrameAlive == 1) {
        frame->StoreWindowStates();
        frame->AutoSaveMemos(1);
    }
    // The settings are saved once more on every way out, so the version
    // stamp and whatever changed since the last save reach the file.
    if (g_Settings.ConfigLoaded) SaveConfig(AppConfigStore());
    if (g_hUser32) {
        ::FreeLibrary(g_hUser32);
        g_hUser32 = nullptr;
    }
    if (g_InstanceMutex) {
        ::CloseHandle(g_InstanceMutex);
        g_InstanceMutex = nullptr;
    }
    // An open About box holds fonts and pictures of GDI+: gone before it is.
    OnCloseAbout();
    if (g_PlatformId >= 2 && m_gdiplusToken) {
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    return CWinApp::ExitInstance();
}

// ---- Commands ---------------------------------------------------------------------

bool CMemoApp::IsForwardedCommand(UINT id) {
    return std::find(std::begin(kForwardedCommands), std::end(kForwardedCommands), id) != std::end(kForwardedCommands);
}

BOOL CMemoApp::OnForwardCommand(UINT id) {
    if (!IsForwardedCommand(id)) return FALSE;
    CWnd* frame = m_pMainWnd;
    // A command the frame itself passed on must not come back to it.
    if (!frame || !frame->GetSafeHwnd() || m_forwarding) return TRUE;
    m_forwarding = true;
    frame->SendMessage(WM_COMMAND, id, 0);
    m_forwarding = false;
    return TRUE;
}

void CMemoApp::OnOpenMemoGroup(UINT id) {
    if (CMainFrame* frame = GetMainFrame()) frame->OnOpenMemoGroup(id);
}

void CMemoApp::OnOpenWidgetMenu(UINT id) {
    if (CMainFrame* frame = GetMainFrame()) frame->OnOpenWidgetMenu(id);
}

void CMemoApp::OnShowAbout() {
    // One box: a second request only brings it forward.
    if (m_pAboutDlg && m_pAboutDlg->GetSafeHwnd()) {
        m_pAboutDlg->SetForegroundWindow();
        return;
    }
    delete m_pAboutDlg;
    m_pAboutDlg = nullptr;
    CAboutDlg* box = new CAboutDlg(nullptr);
    if (!box->Create(IDD_ABOUT, nullptr)) {
        delete box;
        return;
    }
    box->ShowWindow(SW_SHOW);
    m_pAboutDlg = box;
}

void CMemoApp::OnCloseAbout() {
    if (!m_pAboutDlg) return;
    m_pAboutDlg->DestroyWindow();
    delete m_pAboutDlg;
    m_pAboutDlg = nullptr;
}
