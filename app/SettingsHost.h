// What the settings sheet and its pages ask of the main frame. The frame
// passes each call on to itself; tests answer with a fake and record them.
#pragma once

#include "fw/Afx.h"

class ICalendarPageTarget;
class IClockPageTarget;

// What the widget page shows of an open widget window.
struct WidgetWindowState {
    int zPosition = 0;
    int alpha = 255;
    int mouseOverHiding = 0;
};

class ISettingsHost {
public:
    virtual ~ISettingsHost() = default;
    // Re-applies the note display options to every open note.
    virtual void ApplyMemoOptions() = 0;
    virtual void ShowTrayIcon(bool show) = 0;
    virtual void RegisterHotKeys() = 0;
    virtual void UnregisterHotKeys() = 0;
    // Reloads the tray menu in the present language.
    virtual void LoadTrayMenu() = 0;
    // Closes the frame's other dialogs (withSettings 0 leaves the sheet).
    virtual void CloseAllDialogs(int withSettings) = 0;
    // Every floating window pinned into the desktop gets the normal level.
    virtual void UnpinDesktopWindows() = 0;
    virtual void ShowQuickMenu(int mode) = 0;

    // The note defaults page. Alpha of every folded (0) or spread (1) note.
    virtual void SetMemoAlpha(int /*which*/, int /*alpha*/) {}
    virtual void ShowMemoTitleParts(int /*simpleInactive*/) {}
    virtual void RestartMemoReminders() {}
    // A docked quick-menu bar slides out, or re-reads its work area; a bar
    // that is not there or not docked is left alone.
    virtual void SlideOutDockedQuickMenu() {}
    virtual void UpdateDockedQuickMenuWorkArea() {}
    // The shortcut page: runs an action string; false when it names none.
    virtual bool RunAction(const CString& /*text*/) { return false; }
    // The clock page: the desktop clock, null while there is none.
    virtual IClockPageTarget* GetClockTarget() { return nullptr; }

    // The calendar page: the desktop calendar, null while there is none;
    // everything that shows anniversaries is refreshed; the day-schedule
    // window follows its start mode.
    virtual ICalendarPageTarget* GetCalendarTarget() { return nullptr; }
    virtual void OnAnniversariesChanged() {}
    virtual void UpdateScheduleWindow() {}

    // The widget page, by skin file. Opening refreshes the sheet's widget
    // page and saves the widget list, as closing does.
    virtual bool IsWidgetOpen(const CString& /*skinFile*/) { return false; }
    virtual void OpenWidget(const CString& /*skinFile*/) {}
    virtual void CloseWidgetBySkin(const CString& /*skinFile*/) {}
    // False when no widget with that skin is open.
    virtual bool GetWidgetState(const CString& /*skinFile*/, WidgetWindowState& /*state*/) { return false; }
    virtual void SetWidgetZPosition(const CString& /*skinFile*/, int /*level*/) {}
    // The widget counts as changed and is saved soon.
    virtual void SetWidgetAlpha(const CString& /*skinFile*/, int /*alpha*/) {}
    virtual void SetWidgetMouseOverHiding(const CString& /*skinFile*/, int /*on*/) {}

    // The file-share page: the server, and the received synchronisation
    // files' dialog.
    virtual bool IsFtpServerRunning() { return false; }
    virtual void StartFtpServer() {}
    virtual void StopFtpServer() {}
    virtual void ShowSyncScheduleDialog(int /*mode*/) {}
};
