// Notes received over the network wait here until the main frame turns them
// into note windows; the frame owns the one queue. File-server threads push (file name, message text)
// pairs; the user-interface thread takes them all at once. Only the queue's
// own methods take g_ReceiveLock, and never while they call out.
#pragma once

#include "fw/Afx.h"

#include <functional>
#include <vector>

// Guards the queue of received notes; only the queue's methods take it.
extern CCriticalSection g_ReceiveLock;

struct ReceivedNote {
    CString fileName;
    CString text;
};

class CReceiveQueue {
public:
    // Called after every push, outside the lock, on the pushing thread: the
    // frame posts itself a message there and arms its 50 ms timer when that
    // arrives, so no worker ever touches the frame's window state.
    void SetNotifier(std::function<void()> notify) { m_notify = std::move(notify); }

    // Queues a note; the message text comes in the thread's ANSI code page
    // (null or unconvertible gives an empty text, the pair is kept).
    void Push(const CString& fileName, const char* ansiText);
    // Everything queued so far, in arrival order; the queue is left empty.
    std::vector<ReceivedNote> TakeAll();
    int GetCount();

private:
    std::vector<CString> m_entries;  // two per note: file name, then text
    std::function<void()> m_notify;
};
