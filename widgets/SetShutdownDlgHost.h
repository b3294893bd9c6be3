// What the shutdown timer dialog asks of the main frame. The frame
// implements it; tests give a recording fake.
#pragma once

#include "fw/Afx.h"

class ISetShutdownDlgHost {
public:
    virtual ~ISetShutdownDlgHost() = default;
    // A countdown window is running.
    virtual bool IsShutdownCountdownPending() = 0;
    // Opens the countdown window for the seconds with the label, running the
    // action string when it reaches zero.
    virtual void ShowShutdownCountdown(int seconds, const CString& label, const CString& action) = 0;
    // The countdown paused while the dialog was open runs on.
    virtual void RefreshShutdownCountdown() = 0;
    virtual int RunAction(const CString& action) = 0;
};
