// The message pump of tests that drive windows on their own thread: every
// pump is bounded, by a deadline or by a count of messages.
#pragma once

#include "fw/Afx.h"

#include <functional>

// Runs this thread's messages until done() holds or timeoutMs has passed;
// true when done() held. done() is asked again after every message, so a
// test stops at the message that finished what it waits for.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// The same, offering each message first to preTranslate, as a program's own
// loop offers it to PreTranslateMessage; a message it takes is not
// dispatched.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs, const std::function<bool(MSG&)>& preTranslate);

// Runs this thread's messages for ms milliseconds, and at least the ones
// waiting now: for timers and fades that have nothing to wait for but time.
void PumpFor(DWORD ms);

// Runs the messages waiting now, at most maxMessages of them, and returns
// how many ran.
int PumpWaiting(int maxMessages = 1000);
