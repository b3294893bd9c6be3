// CMainFrame: the hidden main window of Zorel and the hub of the program. It
// is never visible (a 1 x 1 tool window at -100000, -100000); it owns the
// tray icon and its menus, the periodic timers and the staged start-up, and
// the windows that exist once. Other windows reach it as the application's
// main window; worker threads hand it work through timers and posted
// messages.
//
// The work of the notes, clock, calendar, widgets, vault, capture and file
// server lives in their own windows and stores; until those are part of the
// program the frame's entry points for them do nothing, so every menu item
// and start-up step is safe to run.
#pragma once

#include "fw/AfxWin.h"
#include "shell/ActionQueue.h"
#include "shell/ActionSystem.h"
#include "shell/HotKeyDispatcher.h"
#include "shell/HotKeyRegistrar.h"
#include "app/MainFrameActionHost.h"
#include "app/MainFrameAlarmHost.h"
#include "app/MainFrameDialogOwner.h"
#include "app/MainFrameHotKeyHost.h"
#include "app/MainFrameSettingsHost.h"
#include "app/MainFrameShutdownHost.h"
#include "shell/ReceiveQueue.h"
#include "net/FtpdOwner.h"
#include "app/StartupSequence.h"
#include "app/TrayMenu.h"
#include "notes/AlarmSetDlg.h"
#include "widgets/ClockTick.h"
#include "widgets/DayScheduleDlg.h"
#include "widgets/MeterSchedule.h"
#include "widgets/WidgetHost.h"

#include <shellapi.h>

#include <memory>
#include <vector>

class CFTPd;
class CSearchMemoDlg;
class CSetupMemo;
struct SearchMemoOptions;
class CClockDlg;
class CClockHotKeyView;
class CMainFrameClockHost;
class IHotKeyView;
class CQuickMenuDlg;
class CalendarDlg;
class CCalendarHotKeyView;
class CMainFrameCalendarHost;
class CCalendarScheduleDlg;

class CMainFrame : public CFrameWnd, public IStartupHost, public IFtpdOwner, public IWidgetHost {
    DECLARE_MESSAGE_MAP()
public:
    // Creates the hidden window.
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Saves the memo list and every changed note, then destroys the window.
    BOOL DestroyWindow() override;

    // Called once by the application after creation.
    void PostCreateInit();

    // ---- Window states and saving ----
    void StoreWindowStates();
    BOOL SaveWindowStates();
    void AutoSaveMemos(int all);

    // ---- Tray icon and menus ----
    int DrawTrayIcon(DWORD message, int plain, UINT balloonTimeout);
    void ShowTrayIcon(BOOL show);
    void SetTrayPlainIcon(UINT iconId);
    void LoadTrayMenu();
    void TranslateMemoMenu(CMenu* menu);
    // Fills an empty submenu with the tray's main menu, in the present
    // language, with the group list to open: the extended menu of windows.
    void FillExpandedMenu(CMenu* submenu);
    void ShowTrayMenu();
    void BuildOpenGroupMenu(CMenu* submenu);
    void BuildMoveToGroupMenu(CMenu* submenu);
    void TranslatePositionMenu(CMenu* menu);
    void TranslateAlignMenu(CMenu* menu);
    void TranslateTransparencyMenu(CMenu* menu);
    void DoTrayClickAction();
    // The calendar window exists (it holds the anniversaries the date icon marks).
    bool CalendarExists();
    // The month marks of the tray's date: the calendar's anniversaries and
    // the alarms.
    void RebuildTrayMonthMarks(int year, int month);
    void OnOpenMemoGroup(UINT id);
    void OnOpenWidgetMenu(UINT id);
    CMenu* GetTrayMenu() { return m_pTrayMenu; }
    // What the tray menu shows of the program now.
    TrayMenuState MakeTrayMenuState();

    // ---- Notes (filled by the note store) ----
    void NewMemo() override;
    void ShowAllMemos(BOOL show);
    BOOL AreAllMemosVisible();
    void SwitchMemoGroup(const CString& groupFile);
    void SearchMemos(const SearchMemoOptions& options);
    void OpenSearchMemoDialog();
    void CloseSearchMemoDialog();
    CSearchMemoDlg* GetSearchMemoDialog() { return m_pSearchMemo; }
    int GetMemoCount() override;

    // ---- Notes and alarms ----
    // The frame's own one-second tick: it stands in for the clock's until
    // the clock exists, and for good when the clock cannot be made.
    static constexpr UINT_PTR TIMER_MINUTE_CHECK = 1010;
    // The store of notes and alarms; null before PostCreateInit.
    class CFrameNotes* GetNotes() { return m_pNotes.get(); }
    void SwitchMemoGroup(const CString& groupFile, bool force);
    class CMemoDlg* AddMemoFromFile(const CString& fileName, bool writeList);
    CMemoDlg* FindMemoByFile(const CString& fileName);
    void CloseAllMemos();
    // The group manager and the restore dialogs.
    void CloseNoteDialogs();
    void ShowRecentMemo(int count);
    // Every note, or only the important ones, shown above the spotlight.
    void SpotlightMemos(int importantOnly);
    // A note holding the clipboard's content (refused at the note limit).
    void NewMemoFromClipboard();
    void LoadAlarms();
    // A new minute (the clock window's tick finds it): the alarm check.
    void OnMinuteTick(int& minuteKey, int& minuteOfDay);
    // The minute and day check of the heartbeat (the clock's, or the
    // frame's stand-in): a new minute runs OnMinuteTick, a new day
    // OnDayChanged. A last key of 0 runs the check again.
    void CheckMinuteAndDay();
    void SetLastMinuteKey(int key);
    // The calendar's month marks of the alarms (its mark hooks call these
    // while this frame's notes run): the repeating alarms into the year's
    // day marks, the periods into the month's range marks.
    void MarkCalendarAlarms(int year, int month);
    void MarkCalendarAlarmRanges(int year, int month);
    // The local time the minute check reads; tests put in their own.
    std::function<SYSTEMTIME()> m_clock;

    // ---- The alarm dialog and the schedule manager ----
    // A new alarm (WM_ADD_SCHEDULE, the action "ADD_SCHEDULE"), one preset
    // to a date, the schedule of a note (its own or a new one), and the
    // alarm with an id: each runs the alarm dialog modally and stores what
    // it gives.
    void NewAlarm();
    void NewAlarmOnDate(int year, int month, int day);
    void AlarmForMemo(class CMemoDlg* note);
    void EditAlarm(int id);
    // The date windows and the schedule manager show the alarms again.
    void OnAlarmsChanged();
    // The schedule manager while it exists (made by OpenScheduleManager).
    CAlarmSetDlg* GetScheduleManager() { return m_pAlarmSet.get(); }
    void CloseScheduleManager();
    // The alarm dialog's and the manager's view of this frame.
    IAlarmDlgHost& AlarmDlgHost();

protected:
    LRESULT OnMemoClosedMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenMemoBatch(WPARAM wParam, LPARAM lParam);
    LRESULT OnMemoToRecycleBin(WPARAM wParam, LPARAM lParam);
    void OnMemoListDamaged();
    // Note commands of the tray and note menus; false for other ids.
    bool OnNoteCommand(UINT id);
    SYSTEMTIME ClockNow();

private:
    friend class CMainFrameAlarmHost;
    LRESULT OnAddScheduleMessage(WPARAM wParam, LPARAM lParam);
    // Runs the alarm dialog; the common ending of the new and note alarms.
    int RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, bool presetDate, int year, int month,
                       int day, CAlarmInfo& result);
    void FinishNewAlarm();
    std::unique_ptr<CMainFrameAlarmHost> m_alarmHost;
    std::unique_ptr<CAlarmSetDlg> m_pAlarmSet;
    void StartNotes();
    // Takes the calendar's mark hooks back from this frame.
    void StopCalendarMarks();
    std::unique_ptr<CFrameNotes> m_pNotes;
    // The file-share server; none while stopped.
    CFTPd* m_pFtpServer = nullptr;
    // The list of received sync files, while open.
    class CSyncScheduleDlg* m_pSyncDlg = nullptr;
    // Releases a server that never got its listener (its port was taken).
    void ReleaseIdleFtpServer();

public:
    // ---- Other windows (filled by their subsystems) ----
    // Opens the settings sheet on a tab (-1: the first), or switches the open
    // sheet to it and brings it forward.
    void OpenSettings(int tab, int item);
    void CloseSettingsSheet();
    CSetupMemo* GetSettingsSheet() { return m_pSetup; }
    void CloseCaptureSetup();
    void ApplyMemoOptions();
    void SetMemoAlpha(int which, int alpha);
    void ShowMemoTitleParts(int option);
    void RestartMemoReminders();
    void UnpinDesktopWindows();
    void CloseAllDialogs(int withSettings);
    void UpdateScheduleWindow();
    void CloseQuickMenu();
    // A docked quick-menu bar slides out, or re-reads its work area.
    void SlideOutQuickMenu();
    void UpdateQuickMenuWorkArea();
    void CloseUserInfoDialog();
    void HideToolTipWidget(CWnd* except);
    bool IsWidgetOpen(const CString& skinFile) override;
    void CloseWidgetBySkin(const CString& skinFile) override;
    void SaveWidgetList();
    void RefreshShutdownCountdown();
    void OpenPasswordManager(int force);
    void ClosePasswordManager();
    void StartCapture(int mode);
    // The capture overlay and the capture preference dialog, while open.
    class CDesktopCaptureDlg* GetCaptureOverlay() { return m_pCapture; }
    class CCaptureSetup* GetCaptureSetup() { return m_pCaptureSetup; }
    void OpenCaptureSetup();
    // Opens the program's "capture" folder, making it first.
    void OpenCaptureFolder();
    bool IsFtpServerRunning();
    void StopFtpServer();
    void ShowSyncScheduleDialog(int mode);
    void CloseSyncScheduleDialog();
    // Applies a received sync file of the kind (alarms, anniversaries or the
    // phone forms); false when it was refused and nothing changed.
    bool ApplySyncFile(int kind, const CString& path);
    // The send and sync-list commands; false for other ids.
    bool OnSendCommand(UINT id);
    class CSyncScheduleDlg* GetSyncScheduleDialog() { return m_pSyncDlg; }
    void StartWebCheck();
    void OnWebCheckDelayElapsed();
    // A new day: the tray date and the date windows are drawn again.
    void OnDayChanged();
    void OnAnniversariesChanged();
    void OpenScheduleManager();
    void OpenMemoGroupManager() override;
    void ShowAllWidgets(BOOL show, CWnd* except = nullptr);
    void ShowQuickMenu() override;
    void ShowQuickMenu(int mode);
    class CToolTipWidgetDlg* ShowToolTipWidget(int x, int y, const CString& skinName);
    void RegisterHotKeys() override;
    void UnregisterHotKeys();

    // ---- From worker threads ----
    // Queues a received note (file, sender text in the ANSI code page) and
    // arms the 50 ms timer that turns it into a note window.
    void QueueReceivedMessage(const CString& filePath, const CStringA& senderText) override;
    // Arms the 300 ms timer that opens the received synchronisation files.
    void RequestSyncDialog() override;

    // ---- Staged start-up steps ----
    void CreateClock() override;
    void CreateCalendar() override;
    bool ClockExists() override;
    void ShowClockToStay() override;
    void ShowClockBriefly(int milliseconds) override;
    void DrawTrayDate() override;
    bool TodayHasSchedules() override;
    void OpenDaySchedule() override;
    void CheckAlarmsAtStartup() override;
    void NotifyTodayAnniversaries() override;
    void LoadWidgetList() override;
    void RefreshSettingsWidgetPage() override;
    void CreateToolTipWidget() override;
    void StopStartupTimer() override;
    void StartFtpServer() override;
    void RefreshSettingsSharePage() override;
    bool WarnMemoLimit(const CString& text) override;

    const NOTIFYICONDATAW& GetTrayIconData() const { return m_trayIconData; }

    // ---- The desktop clock ----
    CClockDlg* GetClock() { return m_pClock; }
    // The hot keys' view of the clock; null while there is no clock.
    IHotKeyView* GetClockView();
    // Command 32830: the clock shown for a while, or to stay in view mode 0.
    void SeeClock();
    void DestroyClock();
    // The template the clock is made from; tests name a missing one to see
    // the frame carry on without a clock.
    UINT m_clockTemplate = 191;

private:
    friend class CMainFrameClockHost;
    void StandInTick();
    CClockDlg* m_pClock = nullptr;
    std::unique_ptr<CMainFrameClockHost> m_clockHost;
    std::unique_ptr<CClockHotKeyView> m_clockView;
    CClockTick m_standInTick;
    bool m_clockFailureTold = false;

public:
    // ---- The desktop calendar ----
    CalendarDlg* GetCalendar() { return m_pCalendar; }
    // The hot keys' view of the calendar; null while there is no calendar.
    IHotKeyView* GetCalendarView();
    void DestroyCalendar();
    // Command 32823: the calendar fades in to stay, with the show effect.
    void SeeCalendar();
    void RedrawCalendar();
    void HideCalendarBalloon();
    // The calendar's day balloon; null while there is no calendar.
    CCalendarScheduleDlg* GetDayBalloon();
    // The settings sheet on its calendar page.
    void OpenCalendarSettings();
    // The calendar's anniversaries; null while there is no calendar.
    const CArray<CDayInfo>* GetAnniversaries();
    // The alarms' lines of a day, for the calendar's day texts.
    CString GetDayAlarmText(int year, int month, int day);
    // The anniversary dialog for a new record on a date, or for the record
    // with an id; what it gives is saved and shown at once.
    void NewAnniversaryOnDate(int month, int day);
    void EditAnniversary(int id);
    // A history copy of the anniversary file was put back.
    void OnAnniversariesRestored();

private:
    friend class CMainFrameCalendarHost;
    LRESULT OnAddAnniversaryMessage(WPARAM, LPARAM);
    CalendarDlg* m_pCalendar = nullptr;
    std::unique_ptr<CMainFrameCalendarHost> m_calendarHost;
    std::unique_ptr<CCalendarHotKeyView> m_calendarView;

public:
    // ---- Today's schedules ----
    // The rows of a date, unsorted, from the alarms and the calendar's
    // anniversaries; hour and minute give the passed flags.
    void GetDaySchedules(std::vector<CScheduleInfo>& rows, LunarDate& lunar, int year, int month, int day, int hour,
                         int minute);
    CDayScheduleDlg* GetDaySchedule() { return m_pDaySchedule; }
    // The hot keys' view of it; null while there is no such window.
    IHotKeyView* GetDayScheduleView();
    void DestroyDaySchedule();
    // Command 32854: today's schedule window shown, with the show effect.
    void SeeDaySchedule();
    // The day windows' requests (add and edit on a date, open a row).
    IDayScheduleHost& DayScheduleHost();

private:
    // The schedule meters take their rows from this frame from now on.
    void ConnectDaySchedules();
    CDayScheduleDlg* m_pDaySchedule = nullptr;
    std::unique_ptr<IDayScheduleHost> m_scheduleHost;
    std::unique_ptr<IHotKeyView> m_scheduleView;

public:
    // ---- Desktop widgets ----
    // Opens a skin file as a listed widget (the list is written); null when
    // the skin does not load. The unlisted one is neither listed nor saved.
    CWidgetDialog* OpenWidget(const CString& skinFile) override;
    CWidgetDialog* OpenUnlistedWidget(const CString& skinFile);
    CWidgetDialog* FindWidget(const CString& skinFile);
    void RemoveWidget(CWidgetDialog* widget) override;
    void CloseAllWidgets(bool save);
    // Writes the list when a widget reports a change; true when it did.
    bool SaveChangedWidgets();
    // Fills the "Widgets" submenu with the skins on disk.
    void RebuildWidgetMenu(CMenu* submenu);
    void PlaceInMemoColumn(CZDialog* window);
    const std::vector<CWidgetDialog*>& GetWidgets() const { return m_widgets; }

private:
    CWidgetDialog* MakeWidget(const CString& skinFile);
    std::vector<CWidgetDialog*> m_widgets;

public:
    // ---- The quick-menu bar ----
    CQuickMenuDlg* GetQuickMenuBar() { return m_pQuickMenu; }
    // The bar's window rectangle while it is shown.
    bool GetQuickMenuRect(CRect& rect);
    // The hot keys' view of the bar; null while there is none.
    IHotKeyView* GetQuickMenuView();
    void StoreQuickMenuState();
    // Stores the bar's state when it changed; true when it did.
    bool SaveChangedQuickMenu();
    // The note arrangement asks the bar for its place and its look.
    void ConnectQuickMenuToNotes();
    // Skinned windows with launcher buttons read the hot-key slots again.
    void ReloadLauncherSkins();
    // An undocked bar whose skin changes with time is drawn again.
    void RedrawQuickMenuOnTheMinute();

private:
    CQuickMenuDlg* m_pQuickMenu = nullptr;
    std::unique_ptr<IHotKeyView> m_quickMenuView;

public:

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnTimer(UINT_PTR id);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnClose();
    UINT OnPowerBroadcast(UINT event, LPARAM data);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL ending);
    // Log-off and shut-down: everything changed is written before the
    // program answers, with no box shown.
    void SaveForSessionEnd();
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnBroadcast(WPARAM wParam, LPARAM lParam);
    LRESULT OnAboutClosed(WPARAM wParam, LPARAM lParam);
    LRESULT OnToggleAllMemos(WPARAM wParam, LPARAM lParam);
    LRESULT OnNewMemoMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnIgnoredMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingsClosed(WPARAM wParam, LPARAM lParam);
    LRESULT OnReopenSettings(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureSetupClose(WPARAM wParam, LPARAM lParam);
    // The overlay is done: a note from the clipboard when wParam is 1, then
    // the overlay goes.
    LRESULT OnCaptureDone(WPARAM wParam, LPARAM lParam);
    // The capture commands; false for other ids.
    bool OnCaptureCommand(UINT id);
    void OnExit();
    void OnUninstall();
    void OnSeeAllMemos();
    void OnHideAllMemos();
    void OnSettings();
    BOOL OnOtherCommand(UINT id);
    void PostNcDestroy() override;

private:
    void ProcessReceivedMessages();

    HICON m_hIcon = nullptr;
    CMenu* m_pTrayMenu = nullptr;
    HCURSOR m_hCursor = nullptr;
    NOTIFYICONDATAW m_trayIconData = {};
    HICON m_hTrayDateIcon = nullptr;
    CSearchMemoDlg* m_pSearchMemo = nullptr;
    class CDesktopCaptureDlg* m_pCapture = nullptr;
    class CCaptureSetup* m_pCaptureSetup = nullptr;
    CStringArray m_moveToGroupNames;
    CStringArray m_openGroupNames;
    CStringArray m_widgetSkinFiles;
    int m_suspendDate = -1;

    // Actions, hot keys and the web check
public:
    // Runs one action string now (the queue, skinned windows, the today
    // information); 0 for a text that names nothing.
    int ExecuteAction(const CString& text);
    // Re-registers one hot key after the hot-key keyboard changed it.
    void UpdateHotKey(int id, bool enable);
    // The saving of window states and settings on the second following tick.
    void RequestSaveSoon();
    // Every note received so far, in arrival order; the queue is left empty.
    std::vector<ReceivedNote> TakeReceivedNotes() { return m_receiveQueue.TakeAll(); }
    CActionQueue& GetActionQueue() { return m_actionQueue; }

protected:
    // Installs the frame as the owner of the queues and floating windows.
    void InitActionsAndHotKeys();
    LRESULT OnRunActions(WPARAM wParam, LPARAM lParam);
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnWebCheckDone(WPARAM wParam, LPARAM lParam);
    LRESULT OnNoticeDownload(WPARAM wParam, LPARAM lParam);
    LRESULT OnReceivedNoteQueued(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

private:
    // Starts the request to the web service on its own thread; false when
    // none went out (checks switched off, or no thread).
    bool StartWebCheckRequest();
    // Gives a result file to the notice manager.
    void HandOverWebCheckResult(const CString& path);

    CMainFrameActionHost m_actionHost{*this};
    CMainFrameHotKeyHost m_hotKeyHost{*this};
    CMainFrameDialogOwner m_dialogOwner{*this};
    CMainFrameSettingsHost m_settingsHost{*this};
    CSetupMemo* m_pSetup = nullptr;
    CActionQueue m_actionQueue;
    CHotKeyDispatcher m_hotKeys{m_hotKeyHost, GetActionSystem()};
    std::unique_ptr<CHotKeyRegistrarWin> m_hotKeyRegistrar;
    CReceiveQueue m_receiveQueue;

    // ---- The shutdown countdown, the shutdown timer and the user information ----
public:
    // Opens the countdown window (an unlisted widget) for the seconds, with
    // the label and the command to run at zero when not empty; an older one
    // fades out and a pending system shutdown is cancelled first. Seconds of
    // 0 or less keep the skin's own countdown, label and command.
    void ShowShutdownCountdown(int seconds, const CString& text, const CString& command = CString());
    // The countdown window fades out and is forgotten.
    void CloseShutdownCountdown();
    // The frame forgets the countdown window, which stays open with its
    // countdown paused, so that a cancelled shutdown never fires later.
    void ForgetShutdownCountdown();
    // A closing window that is the countdown window is forgotten.
    void ForgetShutdownCountdown(CWnd* window);
    // The countdown window while it exists and is remembered, else null.
    CWidgetDialog* GetShutdownCountdown();
    // Command 32967: one more shutdown timer dialog.
    void OpenShutdownScheduler();
    // Command 32986: the user information, made once and brought forward.
    void OpenUserInfoDialog();
    class CRegUserDlg* GetUserInfoDialog() { return m_pRegUser; }
    // Runs the skin editor on the file; true when it was saved.
    bool EditSkinFile(const CString& skinFile, CWnd* parent);
    // The countdown and weather set-up dialogs the widgets run.
    static void InstallWidgetSetupDialogs();

private:
    // The shutdown commands of the frame; false for other ids.
    bool OnShutdownCommand(UINT id);
    void DestroyShutdownWindows();
    CWidgetDialog* m_pShutdownCountdown = nullptr;
    HWND m_hShutdownCountdown = nullptr;
    class CRegUserDlg* m_pRegUser = nullptr;
    CMainFrameShutdownHost m_shutdownHost{*this};

    // ---- Notices and the tooltip widget ----
public:
    // Shows an alarm's or anniversary's notice in its window (slide-up or
    // pop-up by the notice's style).
    void ShowNotice(const struct NoticeRequest& notice);
    class CToolTipWidgetDlg* GetToolTipWidget() { return m_pToolTipWidget; }
    // The frame is going: the tooltip widget and the notices go with it.
    void CloseNotices();

private:
    class CToolTipWidgetDlg* m_pToolTipWidget = nullptr;
};
