// The vocabulary of action strings: every keyword with the way it is matched,
// where its number starts, what it does, and the icon and text that name it.
#pragma once

#include "fw/Afx.h"

enum ActionEffect {
    ACTION_SHELL_EXECUTE,       // start a document or program with the shell
    ACTION_WIN_EXEC,            // start a command line with WinExec
    ACTION_HOTKEY_SETUP,        // hot-key page of the settings sheet, item = number
    ACTION_SHUTDOWN_NOW,        // save notes, forced shutdown now
    ACTION_SHUTDOWN,            // save notes, forced shutdown in number seconds
    ACTION_SHUTDOWN_WIDGET,     // countdown window of number seconds
    ACTION_SAFE_SHUTDOWN,       // save notes, shutdown that asks programs
    ACTION_SHUTDOWN_RESTART,    // save notes, forced restart
    ACTION_CANCEL_SHUTDOWN,
    ACTION_CANCEL_SHUTDOWN_WIDGET,
    ACTION_FADE_WINDOW,
    ACTION_POST_COMMAND,        // param = command id
    ACTION_POST_MESSAGE,        // param = frame message
    ACTION_LOG_OFF,
    ACTION_OPEN_SETTINGS,       // param = page
    ACTION_TODAY_INFO,
    ACTION_SCHEDULE_MANAGER,
    ACTION_QUICK_MENU_BAR,
    ACTION_CAPTURE,             // param = capture mode
    ACTION_CAPTURE_PREVIOUS,
    ACTION_NOTHING,
    ACTION_SHOW_ALL_MEMOS,
    ACTION_HIDE_ALL_MEMOS,
    ACTION_SPOTLIGHT_FAVOURITES,
    ACTION_SHOW_RECENT_MEMOS,   // count = number, the ActiveMemoCount setting without one
    ACTION_SHOW_DESKTOP,        // param 1 minimise, 0 undo
    ACTION_UNINSTALL,
    ACTION_MONITOR_OFF_LOCK,
    ACTION_LOCK,
    ACTION_MONITOR_OFF,
    ACTION_TOOLTIP_WIDGET,      // carried out by the skinned windows themselves
};

enum ActionMatch {
    ACTION_MATCH_EXACT,        // the whole upper-cased text
    ACTION_MATCH_PREFIX,       // the start of the upper-cased text
    ACTION_MATCH_PREFIX_CASE,  // the start of the text as it was given
};

struct ActionKeyword {
    const wchar_t* keyword;
    ActionMatch match;
    int argumentPos;  // where the number or target starts; -1 without one
    ActionEffect effect;
    int param;
    int icon;         // PNG resource id, -1 for none
    int text;         // text-table id, 0 for none
    int result;       // what the executor returns for it
};

// The first keyword of the vocabulary that the text names, or null.
const ActionKeyword* FindActionKeyword(const CString& text);

// Reading the number behind a keyword: blanks, an optional "+", digits.
enum ActionNumber {
    ACTION_NUMBER_MISSING,   // no digits there
    ACTION_NUMBER_VALID,
    ACTION_NUMBER_NEGATIVE,  // a minus sign: refused, it would wrap or mean "now"
};
// Values above INT_MAX stay at INT_MAX instead of wrapping.
ActionNumber ParseActionNumber(const CString& text, int pos, int& value);
