// Action strings as the rest of the program sees them: hand one to the main
// frame to run later, or ask what a string names without running it.
#pragma once

#include "fw/Afx.h"

// Queues the text with the main frame and asks it to run its queue. True when
// the text starts a program ("SHELLEXECUTE:", "WINEXEC:") or names an action;
// the text is queued either way, and an unknown one is ignored when it runs.
bool RunAction(const CString& text);

// True when the text names an action of the vocabulary (the program starts
// excepted); false for an empty text.
bool IsAction(const CString& text);
// The PNG resource id that pictures the action, or -1.
int GetActionIcon(const CString& text);
// The text-table entry that names the action, or an empty text.
CString GetActionText(const CString& text);
