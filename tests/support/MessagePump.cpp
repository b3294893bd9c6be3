#include "MessagePump.h"

namespace {
const int kRound = 1000;

// Dispatches waiting messages until the queue is empty, stop() holds or the
// count runs out.
int DispatchWaiting(int maxMessages, const std::function<bool()>& stop,
                    const std::function<bool(MSG&)>& preTranslate) {
    int ran = 0;
    MSG msg;
    while (ran < maxMessages && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++ran;
        if (!preTranslate || !preTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (stop && stop()) break;
    }
    return ran;
}
}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs, const std::function<bool(MSG&)>& preTranslate) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        // Messages run in rounds, so a window that posts to itself without
        // end still meets the deadline.
        DispatchWaiting(kRound, done, preTranslate);
        if (done()) return true;
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs) return false;
        DWORD wait = timeoutMs - spent < 10 ? timeoutMs - spent : 10;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return PumpUntil(done, timeoutMs, std::function<bool(MSG&)>());
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

int PumpWaiting(int maxMessages) {
    return DispatchWaiting(maxMessages, std::function<bool()>(), std::function<bool(MSG&)>());
}
