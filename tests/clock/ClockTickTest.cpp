// The one-second heartbeat as plain state: minute and day calls, the web
// check's phase and its postponements, the tray date, and the set-time rule.
#include "widgets/ClockTick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ClockTime At(int year, int month, int day, int hour, int minute, int second) {
    ClockTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

ClockTime At(int minute, int second) { return At(2026, 12, 11, 10, minute, second); }

class ClockTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_nClockTickCount = 0;
        g_nServerCheckPostponed = 0;
    }
    void TearDown() override {
        g_nClockTickCount = 0;
        g_nServerCheckPostponed = 0;
    }
    ClockTickResult Tick(const ClockTime& now, double load = 0.0, int cycle = 86400) {
        return m_tick.Tick(now, m_settings, m_window, cycle, [load] { return load; });
    }
    CClockTick m_tick;
    ClockChimeSettings m_settings;
    ClockWindowState m_window;
};

TEST_F(ClockTickTest, MinuteAndDayCallsFollowTheKeys) {
    struct Step {
        ClockTime time;
        bool minute, day;
    } steps[] = {
        {At(2026, 12, 11, 23, 58, 59), true, true},   // the first tick: one of each
        {At(2026, 12, 11, 23, 58, 59), false, false}, // same second again
        {At(2026, 12, 11, 23, 59, 0), true, false},   // new minute, same day
        {At(2026, 12, 11, 23, 59, 30), false, false},
        {At(2026, 12, 12, 0, 0, 0), true, true},      // midnight
        {At(2026, 12, 12, 0, 0, 1), false, false},
        {ClockTime(), false, false},                  // conversion failed: nothing
        {At(0, 0, 0, -1, -1, -1), false, false},
        {At(2026, 12, 12, 0, 1, 0), true, false},     // back to normal afterwards
        {At(2027, 1, 1, 0, 1, 0), true, true},        // a new year is a new day
    };
    int index = 0;
    for (const Step& step : steps) {
        ClockTickResult r = Tick(step.time);
        EXPECT_EQ(step.minute, r.minuteCall) << "step " << index;
        EXPECT_EQ(step.day, r.dayCall) << "step " << index;
        if (r.minuteCall) {
            EXPECT_EQ(step.time.MinuteKey(), r.minuteKey);
            EXPECT_EQ(step.time.hour * 60 + step.time.minute, r.minuteOfDay);
        }
        ++index;
    }
    // Setting the last key to 0 runs the minute again (the day stays known).
    m_tick.SetLastMinuteKey(0);
    ClockTickResult again = Tick(At(2027, 1, 1, 0, 1, 5));
    EXPECT_TRUE(again.minuteCall);
    EXPECT_FALSE(again.dayCall);
}

TEST_F(ClockTickTest, FailedTimeConversionFromTheSystemGivesTheMarkers) {
    SYSTEMTIME bad = {};
    bad.wHour = 0xFFFF;
    ClockTime t = ClockTime::From(bad);
    EXPECT_FALSE(t.IsValid());
    EXPECT_EQ(0, t.year);
    EXPECT_EQ(-1, t.hour);
    EXPECT_EQ(-1, t.second);
    SYSTEMTIME good = {2026, 12, 5, 11, 8, 0, 0, 0};
    EXPECT_TRUE(ClockTime::From(good).IsValid());
}

// Runs ticks until the first web check starts; gives the tick counts at
// which a check was put off and the one at which it started.
struct WebCheckRun {
    std::vector<int> postponedAt;
    int startedAtTick = -1;  // the number of ticks made so far
};

TEST_F(ClockTickTest, WebCheckStartsAtThirtyAndIsPutOffSixTimesAtMost) {
    struct Case {
        const char* name;
        double load;
        int expectedStartTick;
        int expectedPostponements;
    } cases[] = {
        {"idle processor", 1.0, 30, 0},
        {"exactly five per cent is idle", 5.0, 30, 0},
        {"busy processor", 80.0, 30 + 6 * 10, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_nClockTickCount = 0;
        g_nServerCheckPostponed = 0;
        CClockTick tick;
        WebCheckRun run;
        for (int i = 1; i <= 200 && run.startedAtTick < 0; ++i) {
            ClockTickResult r = tick.Tick(At(1, i % 60), m_settings, m_window, 86400, [&] { return c.load; });
            if (r.postponedWebCheck) run.postponedAt.push_back(i);
            if (r.startWebCheck) run.startedAtTick = i;
            EXPECT_FALSE(r.startWebCheck && r.postponedWebCheck);
        }
        EXPECT_EQ(c.expectedStartTick, run.startedAtTick);
        EXPECT_EQ(c.expectedPostponements, (int)run.postponedAt.size());
        // Put off by ten seconds each time.
        for (size_t k = 0; k < run.postponedAt.size(); ++k) EXPECT_EQ(30 + 10 * (int)k, run.postponedAt[k]);
    }
}

TEST_F(ClockTickTest, PostponementsAreNeverGrantedAgainInTheSameRun) {
    // A short cycle brings the check round often; after six postponements
    // a busy processor no longer holds any check back.
    int started = 0, postponed = 0;
    int loadAsked = 0;
    for (int i = 0; i < 2000; ++i) {
        ClockTickResult r = m_tick.Tick(At(2, 0), m_settings, m_window, 100, [&] {
            ++loadAsked;
            return 99.0;
        });
        started += r.startWebCheck;
        postponed += r.postponedWebCheck;
    }
    EXPECT_EQ(6, postponed);
    EXPECT_GT(started, 5);
    // The load is read only when a check is due, never on the other ticks.
    EXPECT_EQ(started + postponed, loadAsked);
    // A zero cycle from a broken setting neither divides by zero nor starts.
    EXPECT_FALSE(Tick(At(3, 0), 0.0, 0).startWebCheck);
}

TEST_F(ClockTickTest, TrayDateIsDrawnAtSecondThirtyOfEveryHalfHour) {
    struct Case {
        int countBefore;
        int second;
        bool draw;
    } cases[] = {
        {1799, 30, true}, {1799, 29, false}, {1799, 31, false}, {1800, 30, false}, {3599, 30, true}, {0, 30, false},
    };
    for (const Case& c : cases) {
        g_nClockTickCount = c.countBefore;
        EXPECT_EQ(c.draw, Tick(At(5, c.second)).drawTrayIcon) << c.countBefore << " " << c.second;
    }
}

TEST_F(ClockTickTest, ServerCheckIdleOutsideTheFiveSecondsAfterAStart) {
    struct Case {
        int count;
        bool idle;
    } cases[] = {{0, true}, {29, true}, {30, false}, {33, false}, {35, false}, {36, true}, {100000, true}};
    for (const Case& c : cases) {
        g_nClockTickCount = c.count;
        EXPECT_EQ(c.idle, IsServerCheckIdle()) << c.count;
    }
    ResetServerCheckCounter();
    EXPECT_EQ(30, g_nClockTickCount);
    EXPECT_FALSE(IsServerCheckIdle());
    // Five ticks later a check on demand is allowed again.
    for (int i = 0; i < 6; ++i) Tick(At(7, i));
    EXPECT_TRUE(IsServerCheckIdle());
}

TEST_F(ClockTickTest, RedrawFollowsTheViewMode) {
    struct Case {
        int mode;
        int fadeState;
        bool visible;
        bool invalidate;
    } cases[] = {
        {0, 0, false, true}, {1, 0, false, false}, {1, 3, true, true},  {2, 0, false, false},
        {2, 3, true, true},  {3, 3, true, false},  {-1, 3, true, false},
    };
    for (const Case& c : cases) {
        m_settings.viewMode = c.mode;
        m_window.fadeState = c.fadeState;
        m_window.visible = c.visible;
        EXPECT_EQ(c.invalidate, Tick(At(10, 10)).invalidate) << c.mode << " " << c.fadeState;
    }
}

// The set-time rule around one set minute: the window follows what the
// rule asks (shown when asked to show, hidden when asked to hide).
struct ChimeEvent {
    int minute, second;
    const char* what;  // "show", "hide", a sound name, or "" for nothing
};

std::vector<std::string> RunChime(CClockTick& tick, const ClockChimeSettings& settings, int fromMinute,
                                  int fromSecond, int seconds) {
    std::vector<std::string> events;
    ClockWindowState window;
    int minute = fromMinute, second = fromSecond;
    for (int i = 0; i < seconds; ++i) {
        ClockTickResult r = tick.Tick(At(2026, 12, 11, 10, minute, second), settings, window, 86400, nullptr);
        char buffer[32];
        snprintf(buffer, sizeof buffer, "%02d:%02d ", minute, second);
        if (r.showByRule) {
            events.push_back(std::string(buffer) + "show");
            window.fadeState = 3;
            window.visible = true;
        }
        if (!r.sound.IsEmpty()) events.push_back(std::string(buffer) + CStringA(r.sound).GetString());
        if (r.hideByRule) {
            events.push_back(std::string(buffer) + "hide");
            window.fadeState = 0;
            window.visible = false;
        }
        if (++second == 60) {
            second = 0;
            minute = (minute + 1) % 60;
        }
    }
    return events;
}

TEST_F(ClockTickTest, SetTimeShowingAndChimes) {
    typedef std::vector<std::string> Events;
    struct Case {
        const char* name;
        int before, after, soundDefault;
        const wchar_t* soundFile;
        int fromMinute;
        Events expected;
    } cases[] = {
        {"defaults, full hour with the built-in chimes", 3, 1, 1, L"", 59,
         {"59:57 show", "59:58 system\\res\\clock_te.wav", "59:59 system\\res\\clock_te.wav",
          "00:00 system\\res\\clock_teee.wav", "00:01 hide"}},
        {"half hour with the built-in chimes", 3, 1, 1, L"", 29,
         {"29:57 show", "30:00 system\\res\\clock_te.wav", "30:01 hide"}},
        {"no seconds before: never shown", 0, 1, 1, L"", 59, {}},
        {"no seconds after: hidden at second 0 before any sound", 3, 0, 1, L"", 59,
         {"59:57 show", "59:58 system\\res\\clock_te.wav", "59:59 system\\res\\clock_te.wav", "00:00 hide"}},
        {"chimes off and no sound file: silent", 3, 1, 0, L"", 59, {"59:57 show", "00:01 hide"}},
        {"chimes off with a sound file", 5, 2, 0, L"C:\\sounds\\bell.wav", 59,
         {"59:55 show", "00:00 C:\\sounds\\bell.wav", "00:02 hide"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClockChimeSettings settings;
        settings.viewingBeforeTime = c.before;
        settings.viewingAfterTime = c.after;
        settings.alarmSoundDefault = c.soundDefault;
        settings.alarmSoundFile = c.soundFile;
        CClockTick tick;
        EXPECT_EQ(c.expected, RunChime(tick, settings, c.fromMinute, 50, 20));
        EXPECT_FALSE(tick.IsShownByRule());
    }
}

TEST_F(ClockTickTest, RuleOnlyInModeTwoAndOnlyForSetMinutes) {
    ClockChimeSettings settings;
    settings.alarmSoundDefault = 1;
    struct Case {
        const char* name;
        int mode;
        int special[5];
        int fromMinute;
        size_t events;
    } cases[] = {
        {"mode 1 stays hidden", 1, {0, 30, -1, -1, -1}, 59, 0},
        {"mode 0 has no rule", 0, {0, 30, -1, -1, -1}, 59, 0},
        {"all set minutes off", 2, {-1, -1, -1, -1, -1}, 59, 0},
        {"an extra set minute 15", 2, {0, 30, 15, -1, -1}, 14, 3},
        {"a minute that is not set", 2, {0, 30, -1, -1, -1}, 14, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.viewMode = c.mode;
        for (int i = 0; i < 5; ++i) settings.specialTime[i] = c.special[i];
        CClockTick tick;
        EXPECT_EQ(c.events, RunChime(tick, settings, c.fromMinute, 50, 20).size());
    }
}

TEST_F(ClockTickTest, ClockShownByTheUserIsLeftAlone) {
    // Already shown when the set time comes (fade state 3, not by the
    // rule): it is neither chimed for nor hidden.
    ClockChimeSettings settings;
    settings.alarmSoundDefault = 1;
    ClockWindowState shown;
    shown.fadeState = 3;
    shown.visible = true;
    for (int second = 55; second < 60; ++second) {
        ClockTickResult r = m_tick.Tick(At(59, second), settings, shown, 86400, nullptr);
        EXPECT_FALSE(r.showByRule || r.hideByRule || !r.sound.IsEmpty());
    }
    ClockTickResult r = m_tick.Tick(At(2026, 12, 11, 11, 0, 1), settings, shown, 86400, nullptr);
    EXPECT_FALSE(r.hideByRule);
}

}  // namespace
