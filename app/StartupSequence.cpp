#include "app/StartupSequence.h"

#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/StartupLogic.h"

namespace {
void ShowClockAtStart(IStartupHost& host) {
    if (!host.ClockExists()) return;
    if (g_Settings.Clock.ViewMode == 0)
        host.ShowClockToStay();
    else if (g_Settings.Clock.StartView)
        host.ShowClockBriefly(g_Settings.General.HotKeyClockViewTime * 1000);
}

void RunFirstTick(IStartupHost& host) {
    // The clock is made with a longer view time, so that its first showing
    // outlasts the start-up work.
    g_Settings.General.HotKeyClockViewTime += 2;
    host.CreateClock();
    g_Settings.General.HotKeyClockViewTime -= 2;
    host.CreateCalendar();
    host.DrawTrayDate();
    int mode = g_Settings.Schedule.StartMode;
    if (mode == 1 || (mode == 2 && host.TodayHasSchedules())) host.OpenDaySchedule();
    host.CheckAlarmsAtStartup();
    host.NotifyTodayAnniversaries();
    host.RegisterHotKeys();
    host.LoadWidgetList();
    host.RefreshSettingsWidgetPage();
    host.CreateToolTipWidget();
    if (!g_Settings.FileShare.AutoStart) ShowClockAtStart(host);
}

// False when the step ended early (the tick stays where it is).
bool RunLastTick(IStartupHost& host) {
    host.StopStartupTimer();
    if (g_Settings.FileShare.AutoStart) {
        host.StartFtpServer();
        ShowClockAtStart(host);
    }
    host.RefreshSettingsSharePage();
    int count = host.GetMemoCount();
    if (count > g_Settings.MemoLimit) {
        if (host.WarnMemoLimit(MakeMemoLimitText(g_LanguageTable[TXT_MEMO_LIMIT], count, g_Settings.MemoLimit))) {
            host.OpenMemoGroupManager();
            return false;
        }
    }
    if (g_Settings.QuickMenu.AutoStart2) host.ShowQuickMenu();
    if (g_Settings.General.FirstRun && host.GetMemoCount() == 0) {
        g_Settings.General.FirstRun = 0;
        host.NewMemo();
    }
    return true;
}
}  // namespace

void RunStartupStep(IStartupHost& host) {
    if (g_StartupTick == 1) {
        RunFirstTick(host);
    } else if (g_StartupTick >= 3) {
        if (!RunLastTick(host)) return;
    }
    ++g_StartupTick;
}
