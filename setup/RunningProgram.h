// The installer's view of a running main program: finding its window by
// title, asking it to close and waiting. The installer runs on the real one;
// tests install their own waits so that nothing sleeps for real.
#pragma once

#include "fw/Afx.h"

class IRunningProgram {
public:
    virtual ~IRunningProgram() = default;
    // A top-level window with exactly this title, or null.
    virtual HWND FindByTitle(const wchar_t* title) = 0;
    // Asks the window to close (it saves first); does not wait for it.
    virtual void RequestClose(HWND window) = 0;
    virtual void Wait(DWORD ms) = 0;
};

// The real one: FindWindowW, a posted WM_CLOSE, Sleep.
IRunningProgram& GetRealRunningProgram();
