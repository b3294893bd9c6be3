// The system's hot-key registration in front of the main frame's window.
// Tests install a recording fake so no key of the desktop is taken.
#pragma once

#include "fw/Afx.h"

class IHotKeyRegistrar {
public:
    virtual ~IHotKeyRegistrar() = default;
    virtual bool Register(int id, UINT modifiers, UINT virtualKey) = 0;
    virtual void Unregister(int id) = 0;
};

// RegisterHotKey and UnregisterHotKey on one window.
class CHotKeyRegistrarWin : public IHotKeyRegistrar {
public:
    explicit CHotKeyRegistrarWin(HWND window) : m_window(window) {}
    bool Register(int id, UINT modifiers, UINT virtualKey) override {
        return RegisterHotKey(m_window, id, modifiers, virtualKey) != FALSE;
    }
    void Unregister(int id) override { UnregisterHotKey(m_window, id); }

private:
    HWND m_window;
};
