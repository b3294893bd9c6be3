// What the desktop clock asks of the main frame: the local time, the calls
// its heartbeat owes (minute, day, tray date, web check) and the frame's
// window for the commands it passes on. The frame implements it; tests
// record the calls.
#pragma once

#include "fw/Afx.h"

class CWnd;
struct ClockTickResult;

class IClockHost {
public:
    virtual ~IClockHost() = default;

    virtual SYSTEMTIME ClockNow() = 0;
    virtual void OnMinuteTick(int& minuteKey, int& minuteOfDay) = 0;
    virtual void OnDayChanged() = 0;
    // The tray's date icon drawn again (modified in place, no balloon).
    virtual void DrawTrayDate() = 0;
    // Starts a web check; the frame refuses one while another is in flight.
    virtual void StartWebCheck() = 0;
    // The frame's window: the clock's settings and frame commands go there.
    virtual CWnd* GetFrameWindow() = 0;
};

// Carries out the frame's share of one tick: web check, tray date, minute
// and day. The clock window and the frame's stand-in timer both use it.
void ApplyHeartbeat(IClockHost& host, const ClockTickResult& result);
