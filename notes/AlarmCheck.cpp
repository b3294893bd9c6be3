#include "notes/AlarmCheck.h"

#include "shell/DayMath.h"
#include "shell/DateUtil.h"

namespace {
struct Moment {
    int year, month, day, hour, minute;
    int weekday, ordinal, minuteOfDay, minuteKey, dateKey;

    void Complete() {
        weekday = GetWeekday(year, month, day);
        ordinal = GetWeekdayOrdinal(year, month, day, weekday);
        minuteOfDay = hour * 60 + minute;
        minuteKey = CDayMath::MinuteKey(year, month, day, hour, minute);
        dateKey = CDayMath::DateKey(year, month, day);
    }
};

Moment MomentOf(const SYSTEMTIME& t) {
    Moment m = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, 0, 0, 0, 0, 0};
    m.Complete();
    return m;
}

// The moment of the advance notice, T plus the advance minutes. Most alarms
// share a few advance values, so the last few results are kept.
class CNoticeMoments {
public:
    explicit CNoticeMoments(const Moment& now) : m_now(now) {}
    const Moment& Get(int advance) {
        for (auto& e : m_cache)
            if (e.used && e.advance == advance) return e.moment;
        Entry& e = m_cache[m_next];
        m_next = (m_next + 1) % kSize;
        e.used = true;
        e.advance = advance;
        e.moment = m_now;
        AddMinutesToTime(e.moment.year, e.moment.month, e.moment.day, e.moment.hour, e.moment.minute,
                                   advance);
        e.moment.Complete();
        return e.moment;
    }

private:
    static const int kSize = 8;
    struct Entry {
        bool used = false;
        int advance = 0;
        Moment moment{};
    };
    Moment m_now;
    Entry m_cache[kSize];
    int m_next = 0;
};

bool DayOfMonthMatches(const CAlarmInfo& a, int day, int daysInMonth) {
    return day == a.m_nDayValue || (a.m_nDayValue == CAlarmInfo::LastDayOfMonth && day == daysInMonth);
}

// Kind 6 on a given day: the weekday and its ordinal in the month.
bool WeekdayOfMonthMatches(const CAlarmInfo& a, const Moment& t) {
    if (t.weekday != a.m_nWeekDay + 1) return false;
    if (a.m_nWeekMonth == 0)
        return t.ordinal ==
               ClampLastWeekdayOrdinal(t.year, t.month, a.m_nWeekNumber, a.m_nWeekDay + 1);
    // A "last" week of one chosen month means the last such weekday too.
    return a.m_nWeekMonth == t.month &&
           t.ordinal == ClampLastWeekdayOrdinal(t.year, t.month, a.m_nWeekNumber, a.m_nWeekDay + 1);
}

bool EveryNDaysMatches(const CAlarmInfo& a, int year, int month, int day) {
    int d = GetDaysBetween(a.m_nYear, a.m_nMonth, a.m_nDay, year, month, day);
    return d >= 0 && d % CAlarmCheck::EffectiveInterval(a) == 0;
}

bool InPeriod(const CAlarmInfo& a, int dateKey) { return a.GetDateKey() <= dateKey && dateKey <= a.m_nEndDate; }

void SetDate(CAlarmInfo& a, const Moment& t) {
    a.m_nYear = t.year;
    a.m_nMonth = t.month;
    a.m_nDay = t.day;
    a.UpdateMinuteKey();
}
}  // namespace

bool CAlarmCheck::IsAdvanceNoticeDue(const CAlarmInfo& alarm, int minuteOfDay) {
    int advance = alarm.m_nAdvance;
    if (advance == 0) return false;
    int t = (alarm.m_nMinuteOfDay - advance + 1440000) % 1440;
    return t != 0 && t == minuteOfDay;
}

AlarmCheckResult CAlarmCheck::CheckAlarms(CArray<CAlarmInfo>& alarms, const SYSTEMTIME& nowTime) {
    AlarmCheckResult result;
    const Moment now = MomentOf(nowTime);
    const int K = now.minuteKey;
    const int M = now.minuteOfDay;
    const int daysInMonth = GetDaysInMonth(now.year, now.month);
    CNoticeMoments notices(now);

    auto due = [&](int i) {
        result.fired.push_back({i, 0});
        result.changed = true;
    };
    auto notice = [&](int i) { result.fired.push_back({i, 1}); };

    const int count = alarms.GetSize();
    for (int i = 0; i < count; ++i) {
        CAlarmInfo& a = alarms[i];
        if (a.m_nTimeMode == CAlarmInfo::TimeModeAllDay) continue;
        const int A = a.m_nAdvance;
        const Moment* n = A != 0 ? &notices.Get(A) : nullptr;
        const int m = a.m_nMinuteOfDay;
        switch (a.m_nKind) {
        case CAlarmInfo::KindEveryDay:
            if (m == M)
                due(i);
            else if (IsAdvanceNoticeDue(a, M))
                notice(i);
            break;
        case CAlarmInfo::KindOnce:
            if (!a.m_bEnabled) break;
            if (m == M) {
                due(i);
                a.m_bEnabled = 0;
                result.saveNeeded = true;
            } else if (IsAdvanceNoticeDue(a, M)) {
                notice(i);
            }
            break;
        case CAlarmInfo::KindTargetDay:
            if (!a.m_bEnabled) break;
            if (n && n->minuteKey == a.m_nMinuteKey) notice(i);
            if (a.m_nMinuteKey == K) {
                due(i);
                a.m_bEnabled = 0;
                result.saveNeeded = true;
            }
            break;
        case CAlarmInfo::KindDaysOfWeek:
            if (m == M && TestWeekdayFlag(a.m_nDayValue, now.weekday))
                due(i);
            else if (n && n->minuteOfDay == m && TestWeekdayFlag(a.m_nDayValue, n->weekday))
                notice(i);
            break;
        case CAlarmInfo::KindPeriod:
            if (m == M && InPeriod(a, now.dateKey))
                due(i);
            else if (n && n->minuteOfDay == m && InPeriod(a, n->dateKey))
                notice(i);
            break;
        case CAlarmInfo::KindDayOfMonth:
            // The notice's own month decides its last day, so a notice that
            // falls in the month before is right too.
            if (n && n->minuteOfDay == m &&
                DayOfMonthMatches(a, n->day, GetDaysInMonth(n->year, n->month)))
                notice(i);
            if (m == M && DayOfMonthMatches(a, now.day, daysInMonth)) due(i);
            break;
        case CAlarmInfo::KindWeekdayOfMonth:
            if (m == M && WeekdayOfMonthMatches(a, now)) {
                SetDate(a, now);
                due(i);
            } else if (n && n->minuteOfDay == m) {
                SetDate(a, now);
                if (WeekdayOfMonthMatches(a, *n)) notice(i);
            }
            break;
        case CAlarmInfo::KindEveryNDays:
            if (n && n->minuteOfDay == m && EveryNDaysMatches(a, n->year, n->month, n->day)) notice(i);
            if (m == M && EveryNDaysMatches(a, now.year, now.month, now.day)) due(i);
            break;
        default:
            break;
        }
    }
    return result;
}

AlarmCheckResult CAlarmCheck::CheckAlarmsAtStartup(CArray<CAlarmInfo>& alarms, const SYSTEMTIME& nowTime) {
    AlarmCheckResult result;
    const Moment now = MomentOf(nowTime);
    const int daysInMonth = GetDaysInMonth(now.year, now.month);
    for (int i = 0; i < alarms.GetSize(); ++i) {
        CAlarmInfo& a = alarms[i];
        bool isToday = a.m_nYear == now.year && a.m_nMonth == now.month && a.m_nDay == now.day;
        bool fire = false;
        if (a.m_nTimeMode == CAlarmInfo::TimeModeAllDay) {
            switch (a.m_nKind) {
            case CAlarmInfo::KindEveryDay: fire = isToday; break;
            case CAlarmInfo::KindOnce:
            case CAlarmInfo::KindTargetDay:
                if (a.m_bEnabled && isToday) {
                    fire = true;
                    a.m_bEnabled = 0;
                    result.saveNeeded = true;
                }
                break;
            case CAlarmInfo::KindDaysOfWeek: fire = TestWeekdayFlag(a.m_nDayValue, now.weekday) != 0; break;
            case CAlarmInfo::KindPeriod: fire = InPeriod(a, now.dateKey); break;
            case CAlarmInfo::KindDayOfMonth: fire = DayOfMonthMatches(a, now.day, daysInMonth); break;
            case CAlarmInfo::KindEveryNDays: fire = EveryNDaysMatches(a, now.year, now.month, now.day); break;
            default: break;  // kind 6 is announced with the anniversaries
            }
        } else if (a.m_nKind == CAlarmInfo::KindTargetDay && a.m_bEnabled && now.minuteKey >= a.m_nMinuteKey) {
            fire = true;
            a.m_bEnabled = 0;
            result.saveNeeded = true;
        }
        if (fire) result.fired.push_back({i, 0});
    }
    return result;
}
