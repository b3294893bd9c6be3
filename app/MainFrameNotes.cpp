// The main frame's notes and alarms: it lends the note store its window,
// menus and action queue, turns its commands and messages into calls on the
// store, and runs the minute check of the alarms.
#include "app/MainFrame.h"

#include "calendar/DayMarks.h"
#include "notes/AlarmCalendar.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "notes/NoteSearch.h"
#include "shell/Action.h"
#include "shell/AppGlobals.h"
#include "app/SearchMemoDlg.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "widgets/NoticeDisplay.h"

#include <ole2.h>

namespace {
// The calendar asks for the alarm marks of a month through two plain hooks;
// they answer from the frame whose notes are running.
CMainFrame* s_markingFrame = nullptr;

void MarkAlarmsOfFrame(int year, int month) {
    if (s_markingFrame) s_markingFrame->MarkCalendarAlarms(year, month);
}

void MarkAlarmRangesOfFrame(int year, int month) {
    if (s_markingFrame) s_markingFrame->MarkCalendarAlarmRanges(year, month);
}

// The alarm kinds section Calendar lets the calendar show.
CalendarKindOptions CalendarKinds(const CSettings::CalendarSection& calendar) {
    CalendarKindOptions kinds;
    kinds.targetDay = calendar.TargetDay != 0;
    kinds.dayOfWeek = calendar.DayOfWeek != 0;
    kinds.period = calendar.Period != 0;
    kinds.dayOfMonth = calendar.DayOfMonth != 0;
    kinds.targetWeek = calendar.TargetWeek != 0;
    kinds.repeat = calendar.Repeat != 0;
    return kinds;
}
}  // namespace

void CMainFrame::StartNotes() {
    if (m_pNotes) return;
    // The editors' embedded pictures need OLE on this thread.
    OleInitialize(nullptr);
    CFrameNotes::FrameSide side;
    side.frame = this;
    side.buildMoveToGroupMenu = [this](CMenu* menu) { BuildMoveToGroupMenu(menu); };
    side.buildOpenGroupMenu = [this](CMenu* menu) { BuildOpenGroupMenu(menu); };
    side.translateMemoMenu = [this](CMenu* menu) { FillExpandedMenu(menu); };
    side.moveToGroupName = [this](int index) {
        return index >= 0 && index < m_moveToGroupNames.GetSize() ? m_moveToGroupNames[index] : CString();
    };
    side.moveToGroupCount = [this] { return (int)m_moveToGroupNames.GetSize(); };
    side.runAction = [](const CString& command) { return RunAction(command); };
    side.offerMemoRestore = [this] { PostMessage(WM_COMMAND, ID_DAMAGED_MEMO_LIST, 0); };
    side.alarmForMemo = [this](CMemoDlg* note) { AlarmForMemo(note); };
    side.alarmsChanged = [this] { OnAlarmsChanged(); };
    side.anniversariesRestored = [this] { OnAnniversariesRestored(); };
    side.showNotice = [this](const NoticeRequest& notice) { ShowNotice(notice); };
    // New alarms start with what the user chose last.
    AlarmDefaults defaults;
    defaults.kind = g_Settings.Alarm.DefaultType;
    defaults.noticeStyle = g_Settings.Alarm.AlertType;
    defaults.advance = g_Settings.Alarm.BeforeAlarm;
    defaults.sound = g_Settings.Alarm.Sound;
    CAlarmInfo::SetDefaults(defaults);
    m_pNotes = std::make_unique<CFrameNotes>(std::move(side));
    m_pNotes->LifecycleHost().saveChangedWidgets = [this] { return SaveChangedWidgets(); };
    ConnectQuickMenuToNotes();
    NoticeEditors editors;
    editors.editAlarm = [this](int id) { EditAlarm(id); };
    editors.editAnniversary = [this](int id) { EditAnniversary(id); };
    SetNoticeEditors(std::move(editors));
    m_pNotes->Start(g_Settings.General.ViewMemoOnStart != 0);
    s_markingFrame = this;
    g_MarkCalendarAlarms = MarkAlarmsOfFrame;
    g_MarkCalendarAlarmRanges = MarkAlarmRangesOfFrame;
    SetTimer(TIMER_MINUTE_CHECK, 1000);
}

void CMainFrame::StopCalendarMarks() {
    if (s_markingFrame != this) return;
    s_markingFrame = nullptr;
    g_MarkCalendarAlarms = nullptr;
    g_MarkCalendarAlarmRanges = nullptr;
}

void CMainFrame::MarkCalendarAlarms(int year, int month) {
    if (m_pNotes)
        CAlarmCalendar::MarkCalendarAlarms(m_pNotes->AlarmStore().Alarms(), year, month, CalendarKinds(g_Settings.Calendar),
                                           g_MonthDayMarks);
}

CString CMainFrame::GetDayAlarmText(int year, int month, int day) {
    if (!m_pNotes) return CString();
    return CAlarmCalendar::GetDayAlarmText(m_pNotes->AlarmStore().Alarms(), year, month, day,
                                           CalendarKinds(g_Settings.Calendar));
}

void CMainFrame::MarkCalendarAlarmRanges(int year, int month) {
    if (m_pNotes) CAlarmCalendar::MarkCalendarAlarmRanges(m_pNotes->AlarmStore().Alarms(), year, month, g_RangeDayMarks);
}

// ---- The note store ----------------------------------------------------------------

void CMainFrame::AutoSaveMemos(int all) {
    if (m_pNotes) m_pNotes->AutoSaveMemos(all != 0);
}

void CMainFrame::SwitchMemoGroup(const CString& groupFile) { SwitchMemoGroup(groupFile, false); }

void CMainFrame::SwitchMemoGroup(const CString& groupFile, bool force) {
    if (!m_pNotes) return;
    CloseSearchMemoDialog();
    m_pNotes->SwitchMemoGroup(groupFile, force);
}

void CMainFrame::CloseAllMemos() {
    if (m_pNotes) m_pNotes->CloseAllMemos();
}

int CMainFrame::GetMemoCount() { return m_pNotes ? m_pNotes->GetMemoCount() : 0; }

LRESULT CMainFrame::OnOpenMemoBatch(WPARAM, LPARAM) {
    if (m_pNotes) m_pNotes->OpenNextBatch();
    return 0;
}

LRESULT CMainFrame::OnMemoClosedMessage(WPARAM wParam, LPARAM) {
    if (m_pNotes) m_pNotes->OnMemoClosed(reinterpret_cast<CMemoDlg*>(wParam));
    return 0;
}

LRESULT CMainFrame::OnMemoToRecycleBin(WPARAM wParam, LPARAM) {
    if (m_pNotes) m_pNotes->DeleteMemoToRecycleBin(reinterpret_cast<CMemoDlg*>(wParam), L"RecycleBin.zrr");
    return 0;
}

// ---- Creating, showing, searching ---------------------------------------------------

void CMainFrame::NewMemo() {
    if (m_pNotes) m_pNotes->NewMemo();
}

CMemoDlg* CMainFrame::AddMemoFromFile(const CString& fileName, bool writeList) {
    return m_pNotes ? m_pNotes->AddMemoFromFile(fileName, writeList) : nullptr;
}

CMemoDlg* CMainFrame::FindMemoByFile(const CString& fileName) {
    return m_pNotes ? m_pNotes->FindMemoByFile(fileName) : nullptr;
}

void CMainFrame::ShowAllMemos(BOOL show) {
    if (m_pNotes) m_pNotes->ShowAllMemos(show != FALSE);
}

BOOL CMainFrame::AreAllMemosVisible() { return m_pNotes ? m_pNotes->AreAllMemosVisible() : TRUE; }

void CMainFrame::SpotlightMemos(int importantOnly) {
    if (m_pNotes) m_pNotes->SpotlightMemos(importantOnly != 0);
}

void CMainFrame::NewMemoFromClipboard() {
    if (m_pNotes) m_pNotes->NewMemoFromClipboard();
}

void CMainFrame::ProcessReceivedMessages() {
    // Taken out of the queue first: the file server's threads are never
    // kept waiting while windows are made.
    std::vector<ReceivedNote> received = TakeReceivedNotes();
    if (!m_pNotes) return;
    std::vector<std::pair<CString, CString>> pairs;
    for (const ReceivedNote& note : received) pairs.emplace_back(note.fileName, note.text);
    m_pNotes->ProcessReceived(pairs);
}

void CMainFrame::ShowRecentMemo(int count) {
    if (m_pNotes) m_pNotes->ShowRecentMemo(count);
}

void CMainFrame::SearchMemos(const SearchMemoOptions& options) {
    if (!m_pSearchMemo || !m_pNotes) return;
    NoteSearchOptions search;
    search.unfold = options.unfoldFound != 0;
    search.matchCase = options.matchCase != 0;
    search.wholeWord = options.wholeWord != 0;
    search.onTop = options.foundOnTop != 0;
    search.titles = options.searchTitles != 0;
    search.contents = options.searchContents != 0;
    if (m_pNotes->SearchMemos(options.text, search)) CloseSearchMemoDialog();
}

void CMainFrame::ApplyMemoOptions() {
    if (m_pNotes) m_pNotes->ApplyMemoOptions();
}

void CMainFrame::SetMemoAlpha(int which, int alpha) {
    if (m_pNotes && g_PlatformId >= 2) m_pNotes->SetMemoAlpha(which, alpha);
}

void CMainFrame::ShowMemoTitleParts(int option) {
    if (m_pNotes) m_pNotes->ShowMemoTitleParts(option);
}

void CMainFrame::RestartMemoReminders() {
    if (m_pNotes) m_pNotes->RestartMemoReminders();
}

bool CMainFrame::OnNoteCommand(UINT id) {
    if (!m_pNotes) return false;
    CFrameNotes& notes = *m_pNotes;
    switch (id) {
    case ID_ARRANGE_ALL: notes.Arrange(CNoteArrange::ArrangeKeep); return true;
    case ID_FOLD_ARRANGE: notes.Arrange(CNoteArrange::ArrangeFold); return true;
    case ID_EXPAND_ARRANGE: notes.Arrange(CNoteArrange::ArrangeExpand); return true;
    case ID_ARRANGE_CURRENT: notes.ArrangeByPosition(); return true;
    case ID_EXPAND_ALL: notes.FoldAllMemos(true); return true;
    case ID_FOLD_ALL: notes.FoldAllMemos(false); return true;
    case ID_ALL_TOPMOST: notes.SetAllMemosLevel(1); return true;
    case ID_ALL_NORMAL: notes.SetAllMemosLevel(0); return true;
    case ID_ALL_DESKTOP: notes.SetAllMemosLevel(2); return true;
    case ID_SHOW_FAVORITE_MEMO: notes.SpotlightMemos(true); return true;
    case ID_RESTORE_DELETED: notes.Dialogs().OnRestoreDeletedMemos(); return true;
    case ID_RESTORE_MEMO_FILE: notes.Dialogs().OnRestoreMemoFiles(); return true;
    case ID_RESTORE_SCHEDULE: notes.Dialogs().OnRestoreSchedule(); return true;
    case ID_RESTORE_ANNIVERSARY: notes.Dialogs().OnRestoreAnniversary(); return true;
    default: return false;
    }
}

// ---- Dialogs ----------------------------------------------------------------------------

void CMainFrame::OpenMemoGroupManager() {
    if (m_pNotes) m_pNotes->Dialogs().OnEditMemoGroup();
}

void CMainFrame::OnMemoListDamaged() {
    if (m_pNotes) m_pNotes->Dialogs().OnMemoListDamaged();
}

void CMainFrame::CloseNoteDialogs() {
    if (m_pNotes) m_pNotes->Dialogs().CloseAllDialogs();
}

// ---- Alarms ------------------------------------------------------------------------------

void CMainFrame::LoadAlarms() {
    if (m_pNotes) m_pNotes->LoadAlarms();
}

SYSTEMTIME CMainFrame::ClockNow() {
    if (m_clock) return m_clock();
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

void CMainFrame::CheckAlarmsAtStartup() {
    if (m_pNotes) m_pNotes->CheckAlarmsAtStartup(ClockNow());
}

void CMainFrame::OnMinuteTick(int&, int&) {
    // Today's list moves on with the clock: minutes left, times passed.
    if (m_pDaySchedule && m_pDaySchedule->m_hWnd) m_pDaySchedule->RefreshSchedules();
    if (m_pNotes) m_pNotes->OnMinuteTick(ClockNow());
    RedrawQuickMenuOnTheMinute();
    // The next minute's notices stack from the edges again.
    ResetSlideSlots();
}
