// What the alarm dialog and the schedule manager ask of the main frame,
// passed on to the frame and its store of notes and alarms.
#pragma once

#include "notes/AlarmDlgHost.h"

class CMainFrame;

class CMainFrameAlarmHost : public IAlarmDlgHost {
public:
    explicit CMainFrameAlarmHost(CMainFrame& frame) : m_frame(frame) {}

    SYSTEMTIME Now() override;
    CString MemoFolder() override;
    CString NoteFontFace() override;
    void PlaySoundFile(const CString& path) override;
    void FlashNote(const CString& memoFile) override;
    void OpenScheduleManager() override;
    CAlarmStore& Alarms() override;
    bool SaveAlarms() override;
    void OnAlarmsChanged() override;
    void ResetLastMinuteKey() override;
    void RedrawCalendar() override {}
    int RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, CAlarmInfo& result) override;

private:
    CMainFrame& m_frame;
};
