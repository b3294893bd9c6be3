// What the settings sheet and its pages ask of the main frame. The frame
// passes each call on to itself; tests answer with a fake and record them.
#pragma once

#include "fw/Afx.h"

class IClockPageTarget;

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
};
