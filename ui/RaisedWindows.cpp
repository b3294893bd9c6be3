#include "ui/RaisedWindows.h"

int SpotlightAlphaAt(unsigned long elapsedMs) {
    unsigned long alpha = 64 + elapsedMs / 2;
    return alpha < (unsigned long)SPOTLIGHT_FULL_ALPHA ? (int)alpha : SPOTLIGHT_FULL_ALPHA;
}

bool CRaisedWindows::Add(int serial, CZDialog* window) {
    if (!window || m_windows.count(serial)) return false;
    m_windows[serial] = window;
    return true;
}

void CRaisedWindows::Restore(const std::function<bool(int, CZDialog*)>& stillAlive,
                             const std::function<void(CZDialog*)>& restore) {
    // Taken out first: restoring may show windows that ask to join again.
    std::map<int, CZDialog*> windows;
    windows.swap(m_windows);
    for (auto& entry : windows)
        if (stillAlive(entry.first, entry.second)) restore(entry.second);
}
