// The web check's result file ("result.xml" in "system\zorelcheck\" of the
// program folder) and what the main frame does when a check has finished:
// wait the delay the service asks for, then hand the file to the notice
// manager; or count a failure and pick the next check's interval.
#pragma once

#include "fw/Afx.h"

#include <atomic>

// Failed checks since start; set to 10 by every readable result, so that
// after one readable result every failure waits a full day.
extern std::atomic<int> g_CheckFailCount;

class CWebCheckResult {
public:
    enum {
        MAX_DELAY_SECONDS = 86400,      // a longer CheckDelay waits one day
        DAY_INTERVAL = 86400,           // the interval after a readable result
        RETRY_BASE = 1800,              // quick retries wait 1800 to 3599 s
        QUICK_RETRIES = 4,              // failures that get a quick retry
        MAX_RESULT_BYTES = 4 << 20,     // a larger reply is not read
    };

    enum Outcome {
        OUTCOME_NONE,      // the check failed; its thread counted it already
        OUTCOME_FAILED,    // the file was unreadable: counted here
        OUTCOME_HAND_OVER, // give the file to the notice manager now
        OUTCOME_WAIT,      // arm the delay timer for delaySeconds
    };

    // The frame's reaction to the check thread's message (hasFile = its
    // wParam). Sets the fail count and the check interval.
    static Outcome OnCheckDone(WPARAM hasFile, const CString& path, int& delaySeconds);

    // Reads the result file: true when it parses and its root is
    // "ZorelCheck"; delay = SYSTEM/CheckDelay within 0 .. 86400 (0 when the
    // element is missing, negative or holds no digits).
    static bool Read(const CString& path, int& delay);
    // The decimal number at the start of a CheckDelay text, within 0 .. 86400.
    static int ParseCheckDelay(const char* text);

    // A failed check: counts it and sets the next interval. Called by the
    // check thread and by OnCheckDone; safe from any thread.
    static void CountFailure();
    // The interval after a failure when previousFailures failed before.
    static int RetryInterval(int previousFailures, int random);

    // One check at a time: false while one is in flight. A check that never
    // reported back stops blocking after an hour.
    static bool TryBeginCheck();
    static void EndCheck();
};

// The check interval in seconds, shared between the check thread and the
// user-interface thread; read and written atomically.
int GetCheckInterval();
void SetCheckInterval(int seconds);

// The full path of the result file.
CString GetWebCheckResultPath();
