// The main frame's queue of action strings. Texts are appended at the end and
// run from the front when the frame handles its run message; texts appended
// by an action while the queue runs are run by the same run.
#pragma once

#include "fw/Afx.h"

#include <functional>
#include <vector>

class CActionQueue {
public:
    // Appends the text and calls the notifier (the frame posts itself its run
    // message there).
    void Append(const CString& text);
    void SetNotifier(std::function<void()> notify) { m_notify = std::move(notify); }

    // Runs every queued text in order, those appended meanwhile included, then
    // empties the queue. Returns how many ran. A call made from inside a run
    // (an action that pumps messages) returns 0 at once: the run under way
    // takes the new texts, and nothing runs twice.
    int RunAll(const std::function<int(const CString&)>& execute);

    int GetCount() const { return (int)m_texts.size(); }
    bool IsRunning() const { return m_running; }

    // The queue RunAction feeds: the main frame registers its own.
    static void SetMain(CActionQueue* queue);
    static CActionQueue* GetMain();

private:
    std::vector<CString> m_texts;
    std::function<void()> m_notify;
    bool m_running = false;
};
