#include "app/MainFrameAlarmHost.h"

#include "app/MainFrame.h"
#include "notes/AddAlarmDlg.h"
#include "notes/FrameNotes.h"
#include "notes/MemoDlg.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"

SYSTEMTIME CMainFrameAlarmHost::Now() { return m_frame.ClockNow(); }

CString CMainFrameAlarmHost::MemoFolder() { return g_Settings.MemoFolder; }

CString CMainFrameAlarmHost::NoteFontFace() {
    return g_Settings.General.FontName.IsEmpty() ? CString(L"Tahoma") : g_Settings.General.FontName;
}

void CMainFrameAlarmHost::PlaySoundFile(const CString& path) {
    if (CFrameNotes* notes = m_frame.GetNotes()) notes->LifecycleHost().PlaySoundFile(path);
}

void CMainFrameAlarmHost::FlashNote(const CString& memoFile) {
    if (CMemoDlg* note = m_frame.FindMemoByFile(memoFile)) note->FlashAttention(TRUE);
}

void CMainFrameAlarmHost::OpenScheduleManager() { m_frame.PostMessage(WM_COMMAND, ID_SCHEDULE_MANAGER, 0); }

CAlarmStore& CMainFrameAlarmHost::Alarms() { return m_frame.GetNotes()->AlarmStore(); }

bool CMainFrameAlarmHost::SaveAlarms() { return m_frame.GetNotes()->AlarmStore().Save(); }

void CMainFrameAlarmHost::OnAlarmsChanged() { m_frame.OnAlarmsChanged(); }

void CMainFrameAlarmHost::ResetLastMinuteKey() { m_frame.SetLastMinuteKey(0); }

int CMainFrameAlarmHost::RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, CAlarmInfo& result) {
    CAddAlarmDlg dialog(*this, record, memoFile, &m_frame);
    int answer = (int)dialog.DoModal();
    result = dialog.GetRecord();
    return answer;
}
