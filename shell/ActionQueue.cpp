#include "shell/ActionQueue.h"

namespace {
CActionQueue* g_mainQueue = nullptr;
}  // namespace

void CActionQueue::Append(const CString& text) {
    m_texts.push_back(text);
    if (m_notify) m_notify();
}

int CActionQueue::RunAll(const std::function<int(const CString&)>& execute) {
    if (m_running) return 0;
    m_running = true;
    int count = 0;
    // By index and by copy: an action may append while it runs.
    for (size_t i = 0; i < m_texts.size(); ++i) {
        CString text = m_texts[i];
        execute(text);
        ++count;
    }
    m_texts.clear();
    m_running = false;
    return count;
}

void CActionQueue::SetMain(CActionQueue* queue) { g_mainQueue = queue; }

CActionQueue* CActionQueue::GetMain() { return g_mainQueue; }
