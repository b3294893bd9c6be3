// The decisions of start-up and of the main frame's housekeeping, kept apart
// from windows: the language switch on the command line, the single-instance
// check (through a seam in front of the mutex, the window search and the
// message boxes), the ten-minute save counter, the suspend/resume date and the
// monitor that survives a display change.
#pragma once

#include "fw/Afx.h"

// ---- Command line ----------------------------------------------------------

struct LanguageSwitch {
    bool setLanguage = false;  // store language and save the settings
    CString language;
    bool endStartup = false;   // "-L": start-up ends after the switch
};

// Looks at the first argument only: longer than two characters and starting
// with "-". "-l<word>" sets a known language and runs on; "-L<word>" sets it
// and ends start-up, known or not. The word is compared case-sensitively with
// "korean" and "english".
LanguageSwitch ParseLanguageSwitch(const CString& firstArgument);

// The first argument after the program name, or empty.
CString GetFirstArgument(LPCWSTR commandLine);

// ---- Single instance -----------------------------------------------------

// What the check needs from the system; the program uses the real one, tests
// their own.
class IInstanceSystem {
public:
    virtual ~IInstanceSystem() = default;
    // Creates (or opens) the program's mutex; true when another copy made it.
    virtual bool CreateInstanceMutex() = 0;
    // The top-level window with that title, or null.
    virtual HWND FindFrame(const wchar_t* title) = 0;
    // Asks the window to close; gives up when it does not answer in time, so
    // that a hung copy cannot hold this one forever.
    virtual void CloseFrame(HWND frame) = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    // The standard message box: Yes/No (true for Yes), and a plain notice.
    virtual bool AskYesNo(const CString& text) = 0;
    virtual void ShowNotice(const CString& text) = 0;
    // Tells every running copy to show all its notes.
    virtual void BroadcastShowAllMemos() = 0;
};

enum InstanceDecision {
    INSTANCE_RUN,              // no other copy: start
    INSTANCE_RUN_AFTER_CLOSE,  // the other copy was closed: reload what it saved, then start
    INSTANCE_EXIT,             // the other copy stays; this start ends
};

InstanceDecision CheckSingleInstance(IInstanceSystem& system);
// Closes the running copy and waits up to about ten seconds for its window to
// go; false (after telling the user) when it is still there.
bool CloseRunningInstance(IInstanceSystem& system);

IInstanceSystem& GetInstanceSystem();
// Null puts the real one back.
void SetInstanceSystem(IInstanceSystem* system);

// ---- Main frame housekeeping ---------------------------------------------

enum {
    SAVE_TICK_LIMIT = 60,       // ten-second ticks between two saves of the window states
    SAVE_SOON_TICK_COUNT = 59,  // RequestSaveSoon: save on the second following tick
};

// One tick of the ten-second timer: true when the window states and settings
// are to be saved now (the counter then starts again at 0).
bool PeriodicSaveTick(int& tickCount);

// month (1-12) x 31 + day, the date compared across a suspend.
int MakeSuspendDateKey(int month, int day);
// On resume: true when the date changed since a suspend that was seen.
bool HasDayChangedSinceSuspend(int suspendKey, int resumeKey);

// After a display change with monitorCount monitors: true, with workMonitor
// moved to the last one, when the chosen monitor has gone.
bool AdjustWorkMonitor(int& workMonitor, int monitorCount);

// Text 28202 with its markers filled in.
CString MakeMemoLimitText(const CString& text, int memoCount, int memoLimit);
