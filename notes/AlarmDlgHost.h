// What the alarm dialog and the schedule manager ask of the program: the
// clock, the alarm store and what follows a change, the memo folder and its
// notes, sound, and the modal alarm dialog itself (so the manager can be
// driven without one). The main frame answers in the program; tests answer
// with their own.
#pragma once

#include "notes/AlarmStore.h"

class IAlarmDlgHost {
public:
    virtual ~IAlarmDlgHost() = default;

    virtual SYSTEMTIME Now() = 0;
    // The folder of the note files, ending with a backslash.
    virtual CString MemoFolder() = 0;
    // The face of the notes' font.
    virtual CString NoteFontFace() = 0;
    // Plays a sound file without waiting for it.
    virtual void PlaySoundFile(const CString& path) = 0;
    // Makes the window of the note with that file flash.
    virtual void FlashNote(const CString& memoFile) = 0;
    // The schedule manager is asked for (command 32804 to the main window).
    virtual void OpenScheduleManager() = 0;

    virtual CAlarmStore& Alarms() = 0;
    // Writes the alarm file; false when it was not written.
    virtual bool SaveAlarms() = 0;
    // The date windows and the manager show the alarms again.
    virtual void OnAlarmsChanged() = 0;
    // The next tick evaluates the current minute again.
    virtual void ResetLastMinuteKey() = 0;
    virtual void RedrawCalendar() = 0;
    // Runs the add/edit dialog modally over a record (null: a new one) and
    // its linked note; IDOK with the result filled in, IDCANCEL, or 32877
    // for delete.
    virtual int RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, CAlarmInfo& result) = 0;
};
