// The staged start-up that the main frame's 500 ms timer runs on the NT
// family: the windows of the clock, calendar, schedules and widgets on the
// first tick, the file server, the note-limit warning, the quick menu and a
// first note on the third. What each step does belongs to its window or
// store; the frame is the host that carries it out.
#pragma once

#include "fw/Afx.h"

class IStartupHost {
public:
    virtual ~IStartupHost() = default;
    virtual void CreateClock() = 0;
    virtual void CreateCalendar() = 0;
    virtual bool ClockExists() = 0;
    // Clock shown to stay, or shown at once and fading after milliseconds.
    virtual void ShowClockToStay() = 0;
    virtual void ShowClockBriefly(int milliseconds) = 0;
    virtual void DrawTrayDate() = 0;
    virtual bool TodayHasSchedules() = 0;
    virtual void OpenDaySchedule() = 0;
    virtual void CheckAlarmsAtStartup() = 0;
    virtual void NotifyTodayAnniversaries() = 0;
    virtual void RegisterHotKeys() = 0;
    virtual void LoadWidgetList() = 0;
    virtual void RefreshSettingsWidgetPage() = 0;
    virtual void CreateToolTipWidget() = 0;
    virtual void StopStartupTimer() = 0;
    virtual void StartFtpServer() = 0;
    virtual void RefreshSettingsSharePage() = 0;
    virtual int GetMemoCount() = 0;
    // The note-limit warning (OK/Cancel): true for OK.
    virtual bool WarnMemoLimit(const CString& text) = 0;
    virtual void OpenMemoGroupManager() = 0;
    virtual void ShowQuickMenu() = 0;
    virtual void NewMemo() = 0;
};

// Runs the step of the current tick (g_StartupTick) and advances it.
void RunStartupStep(IStartupHost& host);
