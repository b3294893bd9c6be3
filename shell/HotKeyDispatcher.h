// The main frame's handling of WM_HOTKEY: the fixed operation of every hot-key
// id, the program and web slots, and a hot key pressed again within half a
// second opening the on-screen keyboard for that key instead.
#pragma once

#include "fw/Afx.h"

class IHotKeyHost;
class IHotKeyView;
class IActionSystem;

// Set while an on-screen keyboard opened by a repeated hot key is open; the
// keyboard clears it when it goes away.
extern bool g_DirectHotKeyboardOpen;

class CHotKeyDispatcher {
public:
    enum { REPEAT_MS = 500 };

    CHotKeyDispatcher(IHotKeyHost& host, IActionSystem& system) : m_host(host), m_system(system) {}

    // One WM_HOTKEY with the id, at tick count now.
    void OnHotKey(int id, DWORD now);

    // A program slot's target with a leading "%SYSTEM%" or "%WINDOWS%"
    // replaced by that folder.
    CString ExpandProgramTarget(const CString& target);

private:
    void RunOperation(int id);
    void RunSlot(int id, bool program);
    void ShowClock(IHotKeyView& clock);
    void ShowCalendar(IHotKeyView& calendar);
    void ShowDaySchedule();
    static void Raise(IHotKeyView& view, bool fadeIn);

    IHotKeyHost& m_host;
    IActionSystem& m_system;
    int m_lastId = -1;
    DWORD m_lastTick = 0;
};
