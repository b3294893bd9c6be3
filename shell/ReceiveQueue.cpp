#include "shell/ReceiveQueue.h"

CCriticalSection g_ReceiveLock;

void CReceiveQueue::Push(const CString& fileName, const char* ansiText) {
    CString text;
    if (ansiText && *ansiText) text = MultiByteToString(ansiText, (int)strlen(ansiText), CP_THREAD_ACP);
    {
        CSingleLock lock(&g_ReceiveLock, true);
        m_entries.push_back(fileName);
        m_entries.push_back(text);
    }
    if (m_notify) m_notify();
}

std::vector<ReceivedNote> CReceiveQueue::TakeAll() {
    std::vector<CString> entries;
    {
        CSingleLock lock(&g_ReceiveLock, true);
        entries.swap(m_entries);
    }
    std::vector<ReceivedNote> notes;
    for (size_t i = 0; i + 1 < entries.size(); i += 2) notes.push_back({entries[i], entries[i + 1]});
    return notes;
}

int CReceiveQueue::GetCount() {
    CSingleLock lock(&g_ReceiveLock, true);
    return (int)(m_entries.size() / 2);
}
