// The program's one-second heartbeat as plain state: which calls a tick owes
// the frame (web check, tray date, minute and day) and what the set-time
// rule does with the clock window (show, hide, chime). The clock window, or
// the frame's own timer when the clock could not be made, feeds it the
// local time and carries out what it returns; nothing here touches a window,
// a sound or the processor counters, so every tick can be tested headless.
#pragma once

#include "fw/Afx.h"

#include <functional>

// The local time split into fields; a failed conversion leaves 0 in year,
// month and day and -1 in hour, minute and second.
struct ClockTime {
    int year = 0, month = 0, day = 0;
    int hour = -1, minute = -1, second = -1;

    bool IsValid() const;
    int MinuteKey() const { return year * 535680 + month * 44640 + day * 1440 + hour * 60 + minute; }
    int DayKey() const { return year * 535680 + month * 44640 + day * 1440; }
    int MinuteOfDay() const { return hour * 60 + minute; }
    static ClockTime From(const SYSTEMTIME& time);
};

// What the set-time rule reads of the settings (section Clock).
struct ClockChimeSettings {
    int viewMode = 2;
    int specialTime[5] = {0, 30, -1, -1, -1};
    int viewingBeforeTime = 3;
    int viewingAfterTime = 1;
    int alarmSoundDefault = 0;
    CString alarmSoundFile;
};

// The window's part of the tick.
struct ClockWindowState {
    int fadeState = 0;  // the floating window's fade state (3 and up: shown)
    bool visible = false;
};

struct ClockTickResult {
    bool startWebCheck = false;
    bool postponedWebCheck = false;
    bool drawTrayIcon = false;
    bool minuteCall = false;
    int minuteKey = 0, minuteOfDay = 0;
    bool dayCall = false;
    // The set-time rule: show (fade in, raised above the others), hide
    // (back to the saved level, fade out).
    bool showByRule = false;
    bool hideByRule = false;
    // A sound to play, relative to the program folder when it starts with
    // "system\"; empty: none.
    CString sound;
    bool invalidate = false;
};

class CClockTick {
public:
    static constexpr int kWebCheckPhase = 30;
    static constexpr int kMaxPostponements = 6;
    static constexpr int kPostponeSeconds = 10;
    static constexpr double kBusyLoad = 5.0;

    // One tick. readLoad is asked for the processor load only when a web
    // check is due; checkCycle is the seconds between web checks.
    ClockTickResult Tick(const ClockTime& now, const ClockChimeSettings& settings, const ClockWindowState& window,
                         int checkCycle, const std::function<double()>& readLoad);

    // The per-tick minute and day test alone (the result's minute and day
    // fields). A failed time conversion makes neither call.
    void CheckMinuteAndDay(const ClockTime& now, ClockTickResult& result);
    // The set-time showing and sounds (view mode 2).
    void UpdateChime(const ClockTime& now, const ClockChimeSettings& settings, const ClockWindowState& window,
                     ClockTickResult& result);

    void SetLastMinuteKey(int key) { m_lastMinuteKey = key; }
    // The day already announced, so the next tick does not report it as new.
    void SetLastDayKey(int key) { m_lastDayKey = key; }
    int GetLastMinuteKey() const { return m_lastMinuteKey; }
    bool IsShownByRule() const { return m_shownByRule; }
    // The window was shown or hidden by someone else: the rule lets go.
    void ForgetShownByRule() { m_shownByRule = false; }

private:
    void WebCheckStep(int checkCycle, const std::function<double()>& readLoad, ClockTickResult& result);

    int m_lastMinuteKey = 0;
    int m_lastDayKey = 0;
    bool m_shownByRule = false;
};

// The program-wide tick counter and the number of web checks put off for a
// busy processor (never reset, so a run puts off at most six).
extern int g_nClockTickCount;
extern int g_nServerCheckPostponed;

// The action that starts a web check on demand asks these: idle means no
// check was started by the tick in the last five seconds.
bool IsServerCheckIdle();
void ResetServerCheckCounter();

// The built-in time-signal sounds, under the program folder.
extern const wchar_t kClockShortChime[];
extern const wchar_t kClockLongChime[];
