#include "widgets/ClockTick.h"

int g_nClockTickCount = 0;
int g_nServerCheckPostponed = 0;

const wchar_t kClockShortChime[] = L"system\\res\\clock_te.wav";
const wchar_t kClockLongChime[] = L"system\\res\\clock_teee.wav";

bool ClockTime::IsValid() const {
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 && minute >= 0 &&
           minute <= 59 && second >= 0 && second <= 60;
}

ClockTime ClockTime::From(const SYSTEMTIME& time) {
    ClockTime split;
    split.year = time.wYear;
    split.month = time.wMonth;
    split.day = time.wDay;
    split.hour = time.wHour;
    split.minute = time.wMinute;
    split.second = time.wSecond;
    if (split.IsValid()) return split;
    return ClockTime();
}

bool IsServerCheckIdle() { return g_nClockTickCount < 30 || g_nClockTickCount > 35; }

void ResetServerCheckCounter() { g_nClockTickCount = 30; }

ClockTickResult CClockTick::Tick(const ClockTime& now, const ClockChimeSettings& settings,
                                 const ClockWindowState& window, int checkCycle,
                                 const std::function<double()>& readLoad) {
    ClockTickResult result;
    ++g_nClockTickCount;
    WebCheckStep(checkCycle, readLoad, result);
    if (now.second == 30 && g_nClockTickCount % 1800 == 0) result.drawTrayIcon = true;
    switch (settings.viewMode) {
    case 0: result.invalidate = true; break;
    case 1: result.invalidate = window.fadeState != 0; break;
    case 2:
        UpdateChime(now, settings, window, result);
        result.invalidate = window.visible;
        break;
    default: break;
    }
    CheckMinuteAndDay(now, result);
    return result;
}

void CClockTick::WebCheckStep(int checkCycle, const std::function<double()>& readLoad, ClockTickResult& result) {
    // A broken cycle must not divide by zero; it starts no check.
    if (checkCycle <= 0) return;
    if (g_nClockTickCount % checkCycle != kWebCheckPhase) return;
    double load = readLoad ? readLoad() : 0.0;
    if (load > kBusyLoad) {
        int before = g_nServerCheckPostponed++;
        if (before < kMaxPostponements) {
            g_nClockTickCount -= kPostponeSeconds;
            result.postponedWebCheck = true;
            return;
        }
    }
    result.startWebCheck = true;
}

void CClockTick::CheckMinuteAndDay(const ClockTime& now, ClockTickResult& result) {
    // A time that could not be read says nothing about the minute; its key
    // would fire the alarms of a made-up moment.
    if (!now.IsValid()) return;
    int minuteKey = now.MinuteKey();
    if (minuteKey == m_lastMinuteKey) return;
    // Stored first: a notice that waits for the user keeps the next ticks
    // from running this minute again.
    m_lastMinuteKey = minuteKey;
    result.minuteCall = true;
    result.minuteKey = minuteKey;
    result.minuteOfDay = now.MinuteOfDay();
    int dayKey = now.DayKey();
    if (dayKey != m_lastDayKey) {
        m_lastDayKey = dayKey;
        result.dayCall = true;
    }
}

void CClockTick::UpdateChime(const ClockTime& now, const ClockChimeSettings& settings, const ClockWindowState& window,
                             ClockTickResult& result) {
    if (settings.viewMode != 2 || !now.IsValid()) return;
    if (window.fadeState < 3) {
        for (int minute : settings.specialTime) {
            if (minute < 0) continue;
            if ((now.minute + 1) % 60 == minute && now.second + settings.viewingBeforeTime >= 60) {
                m_shownByRule = true;
                result.showByRule = true;
                break;
            }
        }
        return;
    }
    if (!m_shownByRule) return;
    if (settings.alarmSoundDefault && now.minute == 59 && (now.second == 58 || now.second == 59))
        result.sound = kClockShortChime;
    if (now.second < 30 && now.second >= settings.viewingAfterTime) {
        result.hideByRule = true;
        m_shownByRule = false;
        return;
    }
    if (now.second == 0) {
        if (settings.alarmSoundDefault)
            result.sound = now.minute == 0 ? kClockLongChime : kClockShortChime;
        else if (!settings.alarmSoundFile.IsEmpty())
            result.sound = settings.alarmSoundFile;
    }
}
