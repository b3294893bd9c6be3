// The main frame's alarm dialogs: the new, dated, note and edit entry
// points around CAddAlarmDlg, and the schedule manager it owns.
#include "app/MainFrame.h"

#include "notes/AddAlarmDlg.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"

IAlarmDlgHost& CMainFrame::AlarmDlgHost() {
    if (!m_alarmHost) m_alarmHost = std::make_unique<CMainFrameAlarmHost>(*this);
    return *m_alarmHost;
}

LRESULT CMainFrame::OnAddScheduleMessage(WPARAM, LPARAM) {
    NewAlarm();
    return 0;
}

int CMainFrame::RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, bool presetDate, int year,
                               int month, int day, CAlarmInfo& result) {
    CAddAlarmDlg dialog(AlarmDlgHost(), record, memoFile, this);
    if (presetDate) dialog.SetDate(year, month, day);
    int answer = (int)dialog.DoModal();
    result = dialog.GetRecord();
    return answer;
}

void CMainFrame::FinishNewAlarm() {
    m_pNotes->AlarmStore().Save();
    // The next tick looks at this minute again, so an alarm set for it fires.
    SetLastMinuteKey(0);
    OnAlarmsChanged();
}

void CMainFrame::NewAlarm() {
    if (!m_pNotes) return;
    CAlarmInfo result;
    if (RunAlarmDialog(nullptr, CString(), false, 0, 0, 0, result) != IDOK || !m_pNotes) return;
    m_pNotes->AlarmStore().AddAlarm(result);
    FinishNewAlarm();
}

void CMainFrame::NewAlarmOnDate(int year, int month, int day) {
    // A date comes from the calendar's days.
    if (!m_pNotes || !CalendarExists()) return;
    HideCalendarBalloon();
    CAlarmInfo result;
    if (RunAlarmDialog(nullptr, CString(), true, year, month, day, result) != IDOK || !m_pNotes) return;
    m_pNotes->AlarmStore().AddAlarm(result);
    FinishNewAlarm();
}

void CMainFrame::AlarmForMemo(CMemoDlg* note) {
    if (!m_pNotes || !note) return;
    CString memoFile = note->GetInfo().m_strFileName;
    CAlarmStore& store = m_pNotes->AlarmStore();
    const CAlarmInfo* found = store.FindAlarmByMemo(memoFile);
    int id = found ? found->m_nId : -1;
    CAlarmInfo copy;
    if (found) copy = *found;
    CAlarmInfo result;
    if (RunAlarmDialog(found ? &copy : nullptr, memoFile, false, 0, 0, 0, result) != IDOK || !m_pNotes) return;
    // Found again by its id: the list may have changed while the dialog was open.
    int index = found ? store.FindIndexById(id) : -1;
    if (index >= 0)
        store.ReplaceAlarm(index, result);
    else
        store.AddAlarm(result);
    FinishNewAlarm();
}

void CMainFrame::EditAlarm(int id) {
    if (!m_pNotes) return;
    CAlarmStore& store = m_pNotes->AlarmStore();
    const CAlarmInfo* found = store.FindAlarmById(id);
    if (!found) return;
    CAlarmInfo copy = *found;
    CAlarmInfo result;
    int answer = RunAlarmDialog(&copy, copy.m_strMemoFile, false, 0, 0, 0, result);
    if (!m_pNotes) return;
    int index = store.FindIndexById(id);
    if (index < 0) return;
    if (answer == IDOK)
        store.ReplaceAlarm(index, result);
    else if (answer == CAddAlarmDlg::DeleteResult)
        store.DeleteAlarm(id);
    else
        return;
    store.Save();
    OnAlarmsChanged();
}

void CMainFrame::OnAlarmsChanged() {
    RedrawCalendar();
    HideCalendarBalloon();
    UpdateScheduleWindow();
    if (m_pAlarmSet && m_pAlarmSet->m_hWnd) m_pAlarmSet->RefreshList();
}

void CMainFrame::OpenScheduleManager() {
    if (!m_pNotes) return;
    if (m_pAlarmSet && m_pAlarmSet->m_hWnd) {
        m_pAlarmSet->RefreshList();
        m_pAlarmSet->ShowWindow(SW_SHOW);
        m_pAlarmSet->BringToFront();
        return;
    }
    m_pAlarmSet = std::make_unique<CAlarmSetDlg>(AlarmDlgHost(), this);
    if (!m_pAlarmSet->CreateModeless(this)) m_pAlarmSet.reset();
}

void CMainFrame::CloseScheduleManager() {
    if (!m_pAlarmSet) return;
    if (m_pAlarmSet->m_hWnd) m_pAlarmSet->DestroyWindow();
    m_pAlarmSet.reset();
}
