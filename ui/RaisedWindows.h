// The spotlight overlay's decisions: its opacity ramp and the set of windows
// raised above it, keyed by their serial numbers so that a window destroyed
// meanwhile (whose address may even be reused) is recognised and skipped.
#pragma once

#include <functional>
#include <map>

class CZDialog;

// Opacity of the overlay after the given milliseconds: 64 + ms / 2, held at
// 196 once reached.
int SpotlightAlphaAt(unsigned long elapsedMs);
const int SPOTLIGHT_START_ALPHA = 96;
const int SPOTLIGHT_FULL_ALPHA = 196;

class CRaisedWindows {
public:
    // False when a window with that serial number is already raised.
    bool Add(int serial, CZDialog* window);
    bool Contains(int serial) const { return m_windows.count(serial) != 0; }
    int GetCount() const { return (int)m_windows.size(); }
    // Calls restore for every raised window, in serial order, that is still
    // the registered window of that serial; then forgets them all.
    void Restore(const std::function<bool(int serial, CZDialog*)>& stillAlive,
                 const std::function<void(CZDialog*)>& restore);
    void Clear() { m_windows.clear(); }

private:
    std::map<int, CZDialog*> m_windows;
};
