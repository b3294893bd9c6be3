// The arithmetic of the shutdown timer: how far ahead a chosen time or
// amount lies, the bounds every delay is held to, and the action string the
// countdown window runs when it reaches zero. No window and no clock of its
// own: the caller passes the present moment.
#pragma once

#include "fw/Afx.h"

class CShutdownTimerLogic {
public:
    enum Unit { unitSeconds = 0, unitMinutes = 1, unitHours = 2 };
    enum Action { actionShutdown = 0, actionSafeShutdown = 1, actionRestart = 2, actionLogOff = 3 };

    static constexpr int kMinDelay = 10;
    static constexpr int kMaxDelay = 31536000;  // 365 days

    // The amount in the unit, in seconds. Computed in 64 bits, so a huge
    // amount stays huge and is clamped rather than wrapping into a short
    // delay. An unknown unit counts as minutes.
    static long long AmountSeconds(long long amount, int unit);
    // A delay below 1 (a past time, an amount of 0 or less) becomes the
    // minimum of 10 seconds; one above 365 days becomes 365 days.
    static int ClampDelay(long long seconds);
    // The action string for the action index and the delay: a long delay
    // ends with a 30-second system warning, a medium one (61 to 300 s) with
    // 10 seconds, a short one with none; a log-off never carries a number.
    static CString ActionString(int action, int delay);
    // Seconds from now to the local date and time (second 0); what the
    // run time cannot place counts as past.
    static long long SecondsUntil(__time64_t now, int year, int month, int day, int hour, int minute);
    // The local date and time of a moment; false when it cannot be placed.
    static bool LocalParts(__time64_t moment, SYSTEMTIME& parts);
    // The countdown's label: the action's name and the local time it runs,
    // "Restart 2026-12-11 08:45".
    static CString Label(const CString& actionName, __time64_t target);
    // "#HH#(h) #MM#(m)"-style pattern with the hour and minute as two digits.
    static CString TimeText(const CString& pattern, int hour, int minute);
};
