#include "app/MainFrame.h"
#include "app/MainFrameCalendarHost.h"
#include "app/MainFrameClockHost.h"

#include "calendar/DayMarks.h"
#include "notes/FrameNotes.h"
#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ActionSystem.h"
#include "shell/MakerLinks.h"
#include "app/MemoApp.h"
#include "shell/Monitors.h"
#include "shell/ProgramFolder.h"
#include "app/SearchMemoDlg.h"
#include "app/SetupMemo.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/StartupLogic.h"
#include "app/TrayIconImage.h"
#include "app/TrayMenu.h"
#include "shell/ZMsgBox.h"
#include "tools/Backup.h"
#include "tools/BackupDlg.h"
#include "tools/PwdLoginDlg.h"
#include "tools/PwdManagerDlg.h"
#include "tools/PwdSetupDlg.h"
#include "ui/ControlSettings.h"
#include "ui/UiIds.h"
#include "ui/ZDialog.h"
#include "widgets/CalendarDlg.h"
#include "widgets/ClockDlg.h"
#include "widgets/QuickMenuDlg.h"
#include "shell/HotKeyView.h"

#include <ctime>

namespace {
// The vault window, while it is open, and whether its master password is
// being asked for: the program opens one vault at a time.
CPwdManagerDlg* g_pPwdManager = nullptr;
bool g_bPwdPrompting = false;

// The commands of the application's forwarding table that the frame takes
// without work of its own yet.
bool IsForwardedCommand(UINT id) { return CMemoApp::IsForwardedCommand(id); }

// Today's date; zeros when the local time cannot be read.
bool LocalDate(int& year, int& month, int& day, int& weekday) {
    time_t now = time(nullptr);
    struct tm* local = localtime(&now);
    if (!local) {
        year = month = day = weekday = 0;
        return false;
    }
    year = local->tm_year + 1900;
    month = local->tm_mon + 1;
    day = local->tm_mday;
    weekday = local->tm_wday + 1;
    return true;
}
}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_CLOSE()
    ON_WM_POWERBROADCAST()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
    ON_REGISTERED_MESSAGE(g_BroadcastMessage, OnBroadcast)
    ON_MESSAGE(WM_ABOUT_CLOSED, OnAboutClosed)
    ON_MESSAGE(WM_TOGGLE_ALL_MEMOS, OnToggleAllMemos)
    ON_MESSAGE(WM_NEW_MEMO, OnNewMemoMessage)
    ON_MESSAGE(WM_SETTINGS_CLOSED, OnSettingsClosed)
    ON_MESSAGE(WM_REOPEN_SETTINGS, OnReopenSettings)
    ON_MESSAGE(WM_MEMO_GROUP_MANAGER_CLOSED, OnIgnoredMessage)
    ON_MESSAGE(WM_CAPTURE_SETUP_CLOSE, OnCaptureSetupClose)
    ON_MESSAGE(WM_ADD_SCHEDULE, OnAddScheduleMessage)
    ON_MESSAGE(WM_ADD_ANNIVERSARY, OnAddAnniversaryMessage)
    ON_MESSAGE(WM_RUN_QUEUE, OnRunActions)
    ON_MESSAGE(WM_MEMO_CLOSED, OnMemoClosedMessage)
    ON_MESSAGE(CFrameNotes::OpenBatchMessage, OnOpenMemoBatch)
    ON_MESSAGE(WM_CAPTURE_DONE, OnCaptureDone)
    ON_MESSAGE(WM_MEMO_TO_RECYCLE_BIN, OnMemoToRecycleBin)
    ON_MESSAGE(WM_WEBCHECK_DONE, OnWebCheckDone)
    ON_MESSAGE(WM_DOWNLOAD_DONE, OnNoticeDownload)
    ON_COMMAND(ID_APP_EXIT_ZOREL, OnExit)
    ON_COMMAND(ID_UNINSTALL_ZOREL, OnUninstall)
    ON_COMMAND(ID_NEW_MEMO, NewMemo)
    ON_COMMAND(ID_SEE_ALL_MEMOS, OnSeeAllMemos)
    ON_COMMAND(ID_HIDE_ALL_MEMOS, OnHideAllMemos)
    ON_COMMAND(ID_SEARCH_MEMO, OpenSearchMemoDialog)
    ON_COMMAND(ID_SETTINGS, OnSettings)
    ON_COMMAND(ID_SCHEDULE_MANAGER, OpenScheduleManager)
    ON_COMMAND(ID_MEMO_GROUP_MANAGER, OpenMemoGroupManager)
    ON_COMMAND(ID_DAMAGED_MEMO_LIST, OnMemoListDamaged)
    ON_COMMAND_RANGE(ID_OPEN_GROUP_FIRST, ID_OPEN_GROUP_LAST, OnOpenMemoGroup)
    ON_COMMAND_RANGE(ID_WIDGET_FIRST, ID_WIDGET_LAST, OnOpenWidgetMenu)
    ON_COMMAND_EX_RANGE(ID_APP_EXIT_ZOREL, ID_RULER, OnOtherCommand)
    // Actions, hot keys and the web check
    ON_MESSAGE(WM_HOTKEY, OnHotKey)
    ON_MESSAGE(WM_RECEIVED_NOTE_QUEUED, OnReceivedNoteQueued)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// ---- Creation ------------------------------------------------------------

CMainFrame::CMainFrame() {
    m_clockHost = std::make_unique<CMainFrameClockHost>(*this);
    m_trayIconData.cbSize = sizeof(m_trayIconData);
    // A plain popup: never shown, so it needs no caption, and a window
    // without one keeps the 1 x 1 size it is given.
    Create(nullptr, ZOREL_FRAME_TITLE, WS_POPUP, rectDefault, nullptr, nullptr, 0);
    m_suspendDate = -1;
}

CMainFrame::~CMainFrame() {
    // A server left without a listener (its port was taken) is released too.
    ReleaseIdleFtpServer();
    StopCalendarMarks();
    if (m_hTrayDateIcon) ::DestroyIcon(m_hTrayDateIcon);
    delete m_pTrayMenu;
    g_FrameAlive = 0;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.x = cs.y = -100000;
    cs.cx = cs.cy = 1;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    m_trayIconData.cbSize = sizeof(m_trayIconData);
    m_trayIconData.hWnd = m_hWnd;
    m_trayIconData.uID = TRAY_ICON_ID;
    m_trayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_trayIconData.uCallbackMessage = WM_TRAY_NOTIFY;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    HINSTANCE instance = AfxGetResourceHandle();
    m_hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZOREL));
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_hCursor = ::LoadCursorW(instance, MAKEINTRESOURCEW(IDC_CURSOR_HAND));
    m_trayIconData.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZOREL));
    wcscpy_s(m_trayIconData.szTip, L"Zorel");
    InitActionsAndHotKeys();
    if (g_Settings.General.ShowTrayIcon) ShowTrayIcon(TRUE);
    SetTimer(TIMER_PERIODIC_SAVE, PERIODIC_SAVE_MS);
    return 0;
}

void CMainFrame::OnWindowPosChanging(WINDOWPOS* pos) {
    // The frame is never shown and never leaves its place off the screen.
    pos->flags &= ~SWP_SHOWWINDOW;
    pos->flags |= SWP_NOMOVE | SWP_NOSIZE;
}

void CMainFrame::PostCreateInit() {
    g_Settings.MemoLimit = 1000;
    InstallWidgetSetupDialogs();
    StartNotes();
    if (g_PlatformId >= 2) SetTimer(TIMER_STARTUP, STARTUP_TICK_MS);
}

// ---- Timers ------------------------------------------------------------------

void CMainFrame::OnTimer(UINT_PTR id) {
    switch (id) {
    case TIMER_PERIODIC_SAVE:
        if (PeriodicSaveTick(g_SaveTickCount)) SaveWindowStates();
        AutoSaveMemos(0);
        break;
    case TIMER_DEFERRED_CLOSE:
        // A cancelled backup dialog ends when its work in hand is done.
        if (CBackupDlg::IsOpen()) break;
        KillTimer(id);
        CFrameWnd::OnClose();
        break;
    case TIMER_WEBCHECK_DELAY:
        KillTimer(id);
        OnWebCheckDelayElapsed();
        break;
    case TIMER_STARTUP:
        // The steps that follow the note windows wait till the group is open.
        if (m_pNotes && m_pNotes->IsOpeningMemos()) break;
        RunStartupStep(*this);
        break;
    case CFrameNotes::OpenBatchTimer:
        KillTimer(id);
        OnOpenMemoBatch(0, 0);
        break;
    case TIMER_SYNC_DIALOG:
        KillTimer(id);
        ShowSyncScheduleDialog(1);
        break;
    case TIMER_RECEIVED_NOTES:
        KillTimer(id);
        ProcessReceivedMessages();
        break;
    case TIMER_MINUTE_CHECK:
        StandInTick();
        break;
    default:
        CWnd::OnTimer(id);
    }
}

// ---- Closing --------------------------------------------------------------------

void CMainFrame::OnExit() {
    SaveWindowStates();
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnClose() {
    if (g_Settings.General.ShowTrayIcon) ShowTrayIcon(FALSE);
    // An open message box is answered No and an open backup dialog is
    // cancelled first; their callers get to finish before the frame goes.
    int open = EndOpenMessageBoxes();
    if (CBackupDlg::CancelOpen()) ++open;
    if (open == 0)
        CFrameWnd::OnClose();
    else
        SetTimer(TIMER_DEFERRED_CLOSE, DEFERRED_CLOSE_MS);
}

BOOL CMainFrame::DestroyWindow() {
    if (m_pNotes) m_pNotes->SaveAtDestroy();
    return CFrameWnd::DestroyWindow();
}

void CMainFrame::PostNcDestroy() {
    AutoSaveMemos(1);
    delete m_pTrayMenu;
    m_pTrayMenu = nullptr;
    if (m_pSearchMemo) {
        m_pSearchMemo->DestroyWindow();
        delete m_pSearchMemo;
        m_pSearchMemo = nullptr;
    }
    CloseSettingsSheet();
    ClosePasswordManager();
    CloseCaptureSetup();
    OnCaptureDone(0, 0);
    CloseScheduleManager();
    CloseSyncScheduleDialog();
    // The list keeps the widgets that were open, for the next start.
    SaveWidgetList();
    CloseAllWidgets(false);
    DestroyDaySchedule();
    DestroyCalendar();
    CloseNotices();
    DestroyClock();
    CloseQuickMenu();
    CloseAllMemos();
    StopCalendarMarks();
    m_pNotes.reset();
    StopFtpServer();
    CFrameWnd::PostNcDestroy();
}

void CMainFrame::StoreWindowStates() {
    if (m_pClock) m_pClock->SaveState();
    StoreQuickMenuState();
    if (m_pCalendar) m_pCalendar->SaveState();
    if (m_pDaySchedule) m_pDaySchedule->SaveState();
}

BOOL CMainFrame::SaveWindowStates() {
    // Only windows whose state changed are stored, and the settings file is
    // written only when one did.
    bool any = false;
    if (m_pClock && m_pClock->IsChanged()) {
        m_pClock->SaveState();
        m_pClock->ClearChanged();
        any = true;
    }
    if (SaveChangedQuickMenu()) any = true;
    if (m_pCalendar && m_pCalendar->IsChanged()) {
        m_pCalendar->SaveState();
        m_pCalendar->ClearChanged();
        any = true;
    }
    if (any) SaveAppConfig();
    return TRUE;
}

// ---- System messages --------------------------------------------------------

UINT CMainFrame::OnPowerBroadcast(UINT event, LPARAM) {
    if (event == PBT_APMSUSPEND || event == PBT_APMRESUMESUSPEND) {
        int year, month, day, weekday;
        LocalDate(year, month, day, weekday);
        int key = MakeSuspendDateKey(month, day);
        if (event == PBT_APMRESUMESUSPEND && HasDayChangedSinceSuspend(m_suspendDate, key)) OnDayChanged();
        m_suspendDate = key;
    }
    return TRUE;
}

BOOL CMainFrame::OnQueryEndSession() {
    // Windows may end the process at any moment once every program has
    // answered, so the saving is done before the answer.
    SaveForSessionEnd();
    return TRUE;
}

void CMainFrame::OnEndSession(BOOL ending) {
    // What changed between the question and the end is written too.
    if (ending) SaveForSessionEnd();
}

void CMainFrame::SaveForSessionEnd() {
    // A box now would hold up the log-off, and no one would answer it: a
    // failure stays quiet, and is told at the next failure if the session
    // goes on after all.
    int report = g_Settings.ReportErrors;
    g_Settings.ReportErrors = 0;
    SaveWindowStates();
    if (m_pNotes) m_pNotes->SaveForSessionEnd();
    SaveAppConfig();
    g_Settings.ReportErrors = report;
}

LRESULT CMainFrame::OnDisplayChange(WPARAM, LPARAM) {
    int count = g_Monitors.GetCount();
    if (AdjustWorkMonitor(g_Settings.General.WorkMonitor, count)) SaveAppConfig();
    return 0;
}

LRESULT CMainFrame::OnBroadcast(WPARAM wParam, LPARAM) {
    if (wParam == BROADCAST_SHOW_ALL_MEMOS) {
        ShowAllMemos(TRUE);
    } else if (wParam == BROADCAST_SAVE_AND_QUIT) {
        SaveWindowStates();
        PostMessage(WM_CLOSE);
    }
    return 0;
}

LRESULT CMainFrame::OnAboutClosed(WPARAM, LPARAM) {
    if (CMemoApp* app = GetMemoApp()) app->OnCloseAbout();
    return 0;
}

LRESULT CMainFrame::OnToggleAllMemos(WPARAM, LPARAM) {
    ShowAllMemos(!AreAllMemosVisible());
    return 0;
}

LRESULT CMainFrame::OnNewMemoMessage(WPARAM, LPARAM) {
    NewMemo();
    return 0;
}

LRESULT CMainFrame::OnIgnoredMessage(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnSettingsClosed(WPARAM wParam, LPARAM) {
    if (wParam == 1) {
        ApplyMemoOptions();
        LoadControlSettings();
        SaveAppConfig();
    }
    CloseSettingsSheet();
    return 0;
}

LRESULT CMainFrame::OnReopenSettings(WPARAM wParam, LPARAM lParam) {
    OpenSettings((int)wParam, (int)lParam);
    return 0;
}

LRESULT CMainFrame::OnCaptureSetupClose(WPARAM wParam, LPARAM lParam) {
    if (wParam == 1) SaveAppConfig();
    CloseCaptureSetup();
    if (lParam == 1) SaveAppConfig();
    return 0;
}

BOOL CMainFrame::OnOtherCommand(UINT id) {
    if (OnNoteCommand(id)) return TRUE;
    if (OnCaptureCommand(id)) return TRUE;
    if (OnShutdownCommand(id)) return TRUE;
    if (OnSendCommand(id)) return TRUE;
    if (id == ID_BACKUP) {
        // The tray and the widgets' menus can all ask; one dialog at a time.
        if (CBackupDlg::IsOpen()) return TRUE;
        CBackupDlg dialog(this);
        dialog.m_fnSaveData = [this] {
            AutoSaveMemos(1);
            SaveWindowStates();
        };
        dialog.DoModal();
        return TRUE;
    }
    if (id == ID_BACKUP_PROGRAM) {
        // The whole program folder into backup.zip, without asking; an archive
        // that cannot be written is reported and the old one stays as it was.
        CBackup::BackupProgramFolder(g_ProgramFolder,
                                     [this](const CString& path) { ::ReportSaveFailure(path, GetSafeHwnd()); });
        return TRUE;
    }
    if (id == ID_SEE_CLOCK) {
        SeeClock();
        return TRUE;
    }
    if (id == ID_SHOW_QUICK_MENU) {
        ShowQuickMenu(1);
        if (g_Settings.QuickMenu.DockMode == 0)
            if (IHotKeyView* bar = GetQuickMenuView()) bar->ShowWithEffect();
        return TRUE;
    }
    if (id == ID_SEE_CALENDAR) {
        SeeCalendar();
        return TRUE;
    }
    if (id == ID_SEE_SCHEDULE) {
        SeeDaySchedule();
        return TRUE;
    }
    if (id == ID_SETTINGS_CLOCK) {
        // The clock's own page of the settings sheet.
        OpenSettings(4, -1);
        return TRUE;
    }
    if (id == ID_SHARE) {
        // The file-share page of the settings sheet.
        OpenSettings(7, -1);
        return TRUE;
    }
    if (id == ID_SHOW_ALL_WIDGETS || id == ID_HIDE_ALL_WIDGETS) {
        ShowAllWidgets(id == ID_SHOW_ALL_WIDGETS);
        return TRUE;
    }
    if (id == ID_PASSWORD_MANAGER) {
        OpenPasswordManager(0);
        return TRUE;
    }
    if (id == ID_HOMEPAGE || id == ID_DONATION) {
        GetActionSystem().ShellOpen(GetMakerAddress(id == ID_HOMEPAGE ? MAKER_HOMEPAGE : MAKER_DONATION,
                                                     IsKoreanLanguage()));
        return TRUE;
    }
    return IsForwardedCommand(id) ? TRUE : FALSE;
}

void CMainFrame::OnUninstall() { ExecuteAction(L"UNINSTALL"); }
void CMainFrame::OnSeeAllMemos() { ShowAllMemos(TRUE); }
void CMainFrame::OnHideAllMemos() { ShowAllMemos(FALSE); }
void CMainFrame::OnSettings() { OpenSettings(-1, -1); }

// ---- Tray icon ---------------------------------------------------------------------

int CMainFrame::DrawTrayIcon(DWORD message, int plain, UINT balloonTimeout) {
    if (!g_Settings.General.ShowTrayIcon) return 0;
    if (!CalendarExists()) {
        // Until the calendar has read the anniversaries the date cannot be
        // marked, so the icon stays the program's own.
        m_trayIconData.cbSize = sizeof(m_trayIconData);
        m_trayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        m_trayIconData.uCallbackMessage = WM_TRAY_NOTIFY;
        ::Shell_NotifyIconW(NIM_ADD, &m_trayIconData);
        SetTrayPlainIcon(IDI_ZOREL);
        return 1;
    }
    int year, month, day, weekday;
    if (!LocalDate(year, month, day, weekday)) return 0;
    RebuildTrayMonthMarks(year, month);
    bool holiday = IsTrayHoliday(*DayMarkCell(g_AnniversaryDayMarks, month, day), *DayMarkCell(g_MonthDayMarks, month, day));

    HDC windowDC = ::GetDC(m_hWnd);
    HDC dc = ::CreateCompatibleDC(windowDC);
    HBITMAP bitmap = ::CreateCompatibleBitmap(windowDC, TRAY_ICON_SIZE, TRAY_ICON_SIZE);
    ::ReleaseDC(m_hWnd, windowDC);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    HBITMAP background = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_TRAY_DATE));
    ::DrawTrayDate(dc, background, day, GetTrayDateTextColor(weekday), GetTrayDateFrameColor(holiday));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    if (background) ::DeleteObject(background);

    if (m_hTrayDateIcon) ::DestroyIcon(m_hTrayDateIcon);
    m_hTrayDateIcon = g_PlatformId >= 2 ? MakeOpaqueIcon(bitmap) : nullptr;
    ::DeleteObject(bitmap);

    NOTIFYICONDATAW record = {};
    record.cbSize = sizeof(record);
    record.hWnd = m_hWnd;
    record.uID = TRAY_ICON_ID;
    record.uCallbackMessage = WM_TRAY_NOTIFY;
    record.hIcon = m_hTrayDateIcon ? m_hTrayDateIcon : ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_ZOREL));
    CString tip = MakeTrayTip(g_Settings.UserName, year, month, day, weekday);
    wcsncpy_s(record.szTip, tip, _TRUNCATE);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!plain) {
        record.uFlags |= NIF_INFO;
        record.dwInfoFlags = NIIF_INFO;
        record.uTimeout = balloonTimeout;
    }
    return ::Shell_NotifyIconW(message, &record);
}


void CMainFrame::ShowTrayIcon(BOOL show) {
    if (show) {
        DrawTrayIcon(NIM_ADD, 0, 5);
    } else {
        m_trayIconData.uFlags = 0;
        ::Shell_NotifyIconW(NIM_DELETE, &m_trayIconData);
    }
}

void CMainFrame::SetTrayPlainIcon(UINT iconId) {
    m_trayIconData.uFlags = NIF_ICON;
    m_trayIconData.hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(iconId));
    ::Shell_NotifyIconW(NIM_MODIFY, &m_trayIconData);
}

LRESULT CMainFrame::OnTrayNotify(WPARAM, LPARAM lParam) {
    switch ((UINT)lParam) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        DoTrayClickAction();
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        ShowTrayMenu();
        break;
    }
    return 1;
}

void CMainFrame::DoTrayClickAction() {
    switch (g_Settings.General.TrayIconClickRun) {
    case 0: {
        POINT pt;
        ::GetCursorPos(&pt);
        ShowToolTipWidget(pt.x, pt.y, CString());
        break;
    }
    case 1: NewMemo(); break;
    case 2: OpenScheduleManager(); break;
    case 5: OpenSettings(-1, -1); break;
    case 6: OpenSearchMemoDialog(); break;
    case 7: OpenMemoGroupManager(); break;
    case 8: ShowAllMemos(TRUE); break;
    case 9: ShowAllMemos(!AreAllMemosVisible()); break;
    case 10: ShowAllWidgets(TRUE); break;
    case 11: ShowQuickMenu(1); break;
    case 3:
        if (m_pClock) {
            long long ms = (long long)g_Settings.General.HotKeyClockViewTime * 1000;
            m_pClock->ArmAutoHide(TRUE, (int)(ms < 0 ? 0 : ms > INT_MAX ? INT_MAX : ms));
        }
        break;
    case 4:
        if (m_pCalendar) m_pCalendar->ArmAutoHide(TRUE, -1);
        break;
    default: break;
    }
}

// ---- Tray menus ----------------------------------------------------------------------

TrayMenuState CMainFrame::MakeTrayMenuState() {
    TrayMenuState state;
    state.ctrlHeld = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    state.enableDesktop = g_Settings.General.EnableDesktop != 0;
    state.captureOut = g_Settings.Capture.CaptureOut;
    state.lastCaptureValid = g_Settings.LastCaptureRect.right - g_Settings.LastCaptureRect.left >= 1;
    state.userName = g_Settings.UserName;
    state.clockVisible = m_pClock && m_pClock->IsVisible();
    state.quickMenuVisible = m_pQuickMenu && m_pQuickMenu->IsVisible();
    state.calendarVisible = m_pCalendar && m_pCalendar->IsVisible();
    state.scheduleVisible = m_pDaySchedule && m_pDaySchedule->IsVisible();
    return state;
}

void CMainFrame::LoadTrayMenu() {
    if (!m_pTrayMenu) {
        m_pTrayMenu = new CMenu;
        if (!m_pTrayMenu->LoadMenu(IDR_TRAY_MENU)) {
            delete m_pTrayMenu;
            m_pTrayMenu = nullptr;
            return;
        }
    }
    TranslateMemoMenu(m_pTrayMenu->GetSubMenu(0));
}

void CMainFrame::TranslateMemoMenu(CMenu* menu) {
    if (!menu) return;
    ::TranslateMemoMenu(menu->GetSafeHmenu(), MakeTrayMenuState());
}

void CMainFrame::FillExpandedMenu(CMenu* submenu) {
    if (!submenu) return;
    HMENU target = submenu->GetSafeHmenu();
    if (::GetMenuItemCount(target) == 0) {
        CMenu loaded;
        if (!loaded.LoadMenu(IDR_TRAY_MENU)) return;
        HMENU main = ::GetSubMenu(loaded.GetSafeHmenu(), 0);
        // Each item moves over with its submenu; taken off the loaded menu,
        // the submenus outlive it.
        for (int guard = 0; main && ::GetMenuItemCount(main) > 0 && guard < 256; ++guard) {
            wchar_t text[256] = {};
            MENUITEMINFOW item = {};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = 255;
            if (!::GetMenuItemInfoW(main, 0, TRUE, &item)) break;
            item.dwTypeData = text;
            ::InsertMenuItemW(target, (UINT)::GetMenuItemCount(target), TRUE, &item);
            ::RemoveMenu(main, 0, MF_BYPOSITION);
        }
    }
    TranslateMemoMenu(submenu);
    BuildOpenGroupMenu(submenu->GetSubMenu(TRAY_POS_OPEN_GROUP));
    RebuildWidgetMenu(submenu->GetSubMenu(TRAY_POS_WIDGETS));
}

void CMainFrame::BuildOpenGroupMenu(CMenu* submenu) {
    if (!submenu) return;
    FillOpenGroupMenu(submenu->GetSafeHmenu(), ListGroupFiles(g_Settings.MemoFolder), g_Settings.General.MemoDBFile,
                      m_openGroupNames);
}

void CMainFrame::BuildMoveToGroupMenu(CMenu* submenu) {
    if (!submenu) return;
    FillMoveToGroupMenu(submenu->GetSafeHmenu(), ListGroupFiles(g_Settings.MemoFolder),
                        g_Settings.General.MemoDBFile, m_moveToGroupNames);
}

void CMainFrame::TranslatePositionMenu(CMenu* menu) {
    if (menu) ::TranslatePositionMenu(menu->GetSafeHmenu());
}
void CMainFrame::TranslateAlignMenu(CMenu* menu) {
    if (menu) ::TranslateAlignMenu(menu->GetSafeHmenu());
}
void CMainFrame::TranslateTransparencyMenu(CMenu* menu) {
    if (menu) ::TranslateTransparencyMenu(menu->GetSafeHmenu());
}

void CMainFrame::ShowTrayMenu() {
    if (!m_pTrayMenu) return;
    CMenu* menu = m_pTrayMenu->GetSubMenu(0);
    if (!menu) return;
    BuildOpenGroupMenu(menu->GetSubMenu(TRAY_POS_OPEN_GROUP));
    RebuildWidgetMenu(menu->GetSubMenu(TRAY_POS_WIDGETS));
    RefreshTrayMenu(menu->GetSafeHmenu(), MakeTrayMenuState());
    POINT pt;
    ::GetCursorPos(&pt);
    SetForegroundWindow();
    TPMPARAMS params = {};
    params.cbSize = sizeof(params);
    params.rcExclude = {pt.x - 100, pt.y - 100, pt.x, pt.y};
    ::TrackPopupMenuEx(menu->GetSafeHmenu(), TPM_RIGHTBUTTON, pt.x, pt.y, m_hWnd, &params);
    // Lets the menu close when the user clicks elsewhere next time.
    PostMessage(WM_NULL);
}

void CMainFrame::OnOpenMemoGroup(UINT id) {
    CString file = GetGroupMenuFile(m_openGroupNames, ID_OPEN_GROUP_FIRST, id);
    if (!file.IsEmpty()) SwitchMemoGroup(file);
}


// ---- Notes and other windows -----------------------------------------------------------

void CMainFrame::OpenSearchMemoDialog() {
    if (m_pSearchMemo) {
        m_pSearchMemo->ShowWindow(SW_SHOWNOACTIVATE);
        return;
    }
    m_pSearchMemo = new CSearchMemoDlg(this);
    if (!m_pSearchMemo->Create(IDD_SEARCH_MEMO, this)) {
        delete m_pSearchMemo;
        m_pSearchMemo = nullptr;
        return;
    }
    m_pSearchMemo->ShowWindow(SW_SHOWNOACTIVATE);
}

void CMainFrame::CloseSearchMemoDialog() {
    if (!m_pSearchMemo) return;
    m_pSearchMemo->DestroyWindow();
    delete m_pSearchMemo;
    m_pSearchMemo = nullptr;
}

void CMainFrame::OpenSettings(int tab, int item) {
    if (tab < 0) tab = 0;
    if (m_pSetup) {
        m_pSetup->SelectTab(tab, item);
        m_pSetup->ShowWindow(SW_SHOW);
        m_pSetup->SetForegroundWindow();
        return;
    }
    m_pSetup = new CSetupMemo(m_settingsHost, tab, item);
    if (!m_pSetup->Create(this)) {
        delete m_pSetup;
        m_pSetup = nullptr;
        return;
    }
    m_pSetup->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseSettingsSheet() {
    CSetupMemo* sheet = m_pSetup;
    if (!sheet) return;
    m_pSetup = nullptr;
    sheet->DestroyWindow();
    delete sheet;
}

void CMainFrame::UnpinDesktopWindows() {
    // The windows show at the normal level but keep the desktop as their
    // stored level, for when the option is switched on again.
    for (CZDialog* window : GetRegisteredDialogs())
        if (IsDialogRegistered(window) && window->m_nZPosition == ZPOS_DESKTOP) window->SetZPosition(ZPOS_NORMAL, FALSE);
}

void CMainFrame::CloseAllDialogs(int withSettings) {
    CloseSearchMemoDialog();
    CloseNoteDialogs();
    if (withSettings && m_pSetup) PostMessage(WM_SETTINGS_CLOSED, 2);
}
void CMainFrame::OpenPasswordManager(int force) {
    if (g_pPwdManager || (g_bPwdPrompting && !force)) return;
    g_bPwdPrompting = true;
    CString folder = g_ProgramFolder + L"pmanager_data\\";
    if (!EnsureFolder(folder)) {
        g_bPwdPrompting = false;
        return;
    }
    CPwdVault vault(folder);
    vault.m_historyLevel = g_Settings.General.HistoryLevel;
    CString password;
    INT_PTR result;
    if (vault.Exists()) {
        CPwdLoginDlg login(vault, this);
        // After a reset the vault is opened again, and now sets a new password.
        login.m_fnReopenVault = [this] { OpenPasswordManager(1); };
        result = login.DoModal();
        password = login.GetPassword();
    } else {
        CPwdSetupDlg setup(CPwdSetupDlg::modeSet, vault, this);
        result = setup.DoModal();
        password = setup.GetPassword();
    }
    g_bPwdPrompting = false;
    if (result != IDOK || password.IsEmpty() || g_pPwdManager) return;
    CPwdManagerDlg* manager = new CPwdManagerDlg(password, this);
    manager->m_fnClose = [this] { ClosePasswordManager(); };
    g_pPwdManager = manager;
    if (!manager->Create(this)) {
        g_pPwdManager = nullptr;
        delete manager;
    }
}

void CMainFrame::ClosePasswordManager() {
    CPwdManagerDlg* manager = g_pPwdManager;
    if (!manager) return;
    g_pPwdManager = nullptr;
    manager->DestroyWindow();
    delete manager;
}

void CMainFrame::OnDayChanged() {
    RedrawCalendar();
    NotifyTodayAnniversaries();
    UpdateScheduleWindow();
    DrawTrayIcon(NIM_MODIFY, 0, 5);
}
void CMainFrame::OnAnniversariesChanged() {
    RedrawCalendar();
    HideCalendarBalloon();
    UpdateScheduleWindow();
    // The tray's date shows the anniversaries' holidays too.
    DrawTrayIcon(NIM_MODIFY, 0, 5);
    if (m_pSetup) m_pSetup->RefreshCalendarPage();
}
void CMainFrame::ShowQuickMenu() { ShowQuickMenu(0); }

// ---- From worker threads ---------------------------------------------------------------

void CMainFrame::RequestSyncDialog() { SetTimer(TIMER_SYNC_DIALOG, SYNC_DIALOG_MS); }


// ---- Staged start-up steps -----------------------------------------------------------

void CMainFrame::DrawTrayDate() { DrawTrayIcon(NIM_MODIFY, 0, 5); }
void CMainFrame::RefreshSettingsWidgetPage() {
    if (m_pSetup) m_pSetup->RefreshWidgetPage();
}
void CMainFrame::StopStartupTimer() { KillTimer(TIMER_STARTUP); }
void CMainFrame::RefreshSettingsSharePage() {
    if (m_pSetup) m_pSetup->RefreshSharePage();
}

bool CMainFrame::WarnMemoLimit(const CString& text) {
    return ::MessageBoxW(m_hWnd, text, L"Zorel", MB_OKCANCEL | MB_ICONSTOP) == IDOK;
}
