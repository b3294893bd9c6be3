#include "notes/AlarmCheck.h"

#include "StoreTestSupport.h"

#include <functional>

namespace {

CAlarmInfo Alarm(int kind, int hour, int minute, int advance = 0) {
    CAlarmInfo a;
    a.m_nKind = kind;
    a.m_nYear = 2014;
    a.m_nMonth = 3;
    a.m_nDay = 1;
    a.m_nHour = hour;
    a.m_nMinute = minute;
    a.m_nAdvance = advance;
    a.UpdateMinuteKey();
    a.UpdateMinuteOfDay();
    return a;
}

CAlarmInfo OnDate(CAlarmInfo a, int y, int m, int d) {
    a.m_nYear = y;
    a.m_nMonth = m;
    a.m_nDay = d;
    a.UpdateMinuteKey();
    return a;
}

CAlarmInfo WithValue(CAlarmInfo a, int value) {
    a.m_nDayValue = value;
    return a;
}

CAlarmInfo WeekdayOfMonth(int hour, int month, int week, int weekday, int advance = 0) {
    CAlarmInfo a = Alarm(CAlarmInfo::KindWeekdayOfMonth, hour, 0, advance);
    a.m_nWeekMonth = (BYTE)month;
    a.m_nWeekNumber = (BYTE)week;
    a.m_nWeekDay = (BYTE)weekday;
    return a;
}

enum Expect { None = -1, Due = 0, Notice = 1 };

// What one alarm gives at one minute: nothing, due or its notice.
std::vector<int> FiredAt(const CAlarmInfo& alarm, const SYSTEMTIME& now) {
    CArray<CAlarmInfo> alarms;
    alarms.Add(alarm);
    AlarmCheckResult r = CAlarmCheck::CheckAlarms(alarms, now);
    std::vector<int> kinds;
    for (const auto& f : r.fired) kinds.push_back(f.notice);
    return kinds;
}

SYSTEMTIME At(int y, int m, int d, int h, int mi) { return CRecordingHost::MakeTime(y, m, d, h, mi); }

}  // namespace

TEST(AlarmCheck, RepetitionKindsMinuteByMinute) {
    const CAlarmInfo daily = Alarm(CAlarmInfo::KindEveryDay, 8, 0, 30);
    const CAlarmInfo lateNight = Alarm(CAlarmInfo::KindEveryDay, 0, 30, 30);
    const CAlarmInfo target = OnDate(Alarm(CAlarmInfo::KindTargetDay, 10, 0, 1440), 2014, 3, 10);
    const CAlarmInfo lastDay = WithValue(Alarm(CAlarmInfo::KindDayOfMonth, 9, 0), 32);
    const CAlarmInfo day31 = WithValue(Alarm(CAlarmInfo::KindDayOfMonth, 9, 0), 31);
    const CAlarmInfo lastFriday = WeekdayOfMonth(9, 0, 4, 5);
    const CAlarmInfo every3 = WithValue(Alarm(CAlarmInfo::KindEveryNDays, 9, 0), 3);
    const CAlarmInfo every1 = WithValue(Alarm(CAlarmInfo::KindEveryNDays, 9, 0), 1);
    CAlarmInfo period = Alarm(CAlarmInfo::KindPeriod, 9, 0);
    period.m_nEndDate = MakeDateCode(2014, 3, 5);
    const CAlarmInfo weekdays = WithValue(Alarm(CAlarmInfo::KindDaysOfWeek, 9, 0, 60), 0x22);  // Mon, Fri
    CAlarmInfo allDay = Alarm(CAlarmInfo::KindEveryDay, 0, 0);
    allDay.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    // Notices whose moment lies in the next month use that month's rules.
    const CAlarmInfo lastDayFarNotice = WithValue(Alarm(CAlarmInfo::KindDayOfMonth, 8, 0, 28 * 1440), 32);
    const CAlarmInfo firstMondayOfMarch = WeekdayOfMonth(8, 3, 0, 1, 4 * 1440);

    struct Case {
        const char* what;
        const CAlarmInfo& alarm;
        SYSTEMTIME now;
        std::vector<int> expected;
    } cases[] = {
        {"daily notice 30 minutes ahead", daily, At(2014, 3, 4, 7, 30), {Notice}},
        {"daily due", daily, At(2014, 3, 4, 8, 0), {Due}},
        {"daily, another minute", daily, At(2014, 3, 4, 7, 31), {}},
        {"a notice on 00:00 is never given", lateNight, At(2014, 3, 4, 0, 0), {}},
        {"designated day notice a day ahead", target, At(2014, 3, 9, 10, 0), {Notice}},
        {"designated day due", target, At(2014, 3, 10, 10, 0), {Due}},
        {"designated day, the day after", target, At(2014, 3, 11, 10, 0), {}},
        {"day 32 on 31 January", lastDay, At(2014, 1, 31, 9, 0), {Due}},
        {"day 32 on 30 January", lastDay, At(2014, 1, 30, 9, 0), {}},
        {"day 32 on 28 February", lastDay, At(2014, 2, 28, 9, 0), {Due}},
        {"day 32 on 30 April", lastDay, At(2014, 4, 30, 9, 0), {Due}},
        {"day 31 not in April", day31, At(2014, 4, 30, 9, 0), {}},
        {"day 31 on 31 March", day31, At(2014, 3, 31, 9, 0), {Due}},
        {"last Friday, 31 January 2014", lastFriday, At(2014, 1, 31, 9, 0), {Due}},
        {"last Friday, not 24 January 2014", lastFriday, At(2014, 1, 24, 9, 0), {}},
        {"last Friday, 28 February 2014", lastFriday, At(2014, 2, 28, 9, 0), {Due}},
        {"every 3 days, 1 March", every3, At(2014, 3, 1, 9, 0), {Due}},
        {"every 3 days, 4 March", every3, At(2014, 3, 4, 9, 0), {Due}},
        {"every 3 days, 7 March", every3, At(2014, 3, 7, 9, 0), {Due}},
        {"every 3 days, not 5 March", every3, At(2014, 3, 5, 9, 0), {}},
        {"every 3 days, not before its start", every3, At(2014, 2, 26, 9, 0), {}},
        {"every 1 day acts as every 2, 3 March", every1, At(2014, 3, 3, 9, 0), {Due}},
        {"every 1 day acts as every 2, not 2 March", every1, At(2014, 3, 2, 9, 0), {}},
        {"period, first day", period, At(2014, 3, 1, 9, 0), {Due}},
        {"period, last day", period, At(2014, 3, 5, 9, 0), {Due}},
        {"period, the day after", period, At(2014, 3, 6, 9, 0), {}},
        {"weekdays, Monday", weekdays, At(2014, 3, 3, 9, 0), {Due}},
        {"weekdays, Tuesday", weekdays, At(2014, 3, 4, 9, 0), {}},
        {"weekdays, notice on Friday", weekdays, At(2014, 3, 7, 8, 0), {Notice}},
        {"all-day entries never fire", allDay, At(2014, 3, 4, 0, 0), {}},
        {"last-day notice 28 days ahead, across a month end", lastDayFarNotice, At(2014, 1, 31, 8, 0),
         {Notice, Due}},
        {"first Monday of March, notice in February", firstMondayOfMarch, At(2014, 2, 27, 8, 0), {Notice}},
        {"first Monday of March, due", firstMondayOfMarch, At(2014, 3, 3, 8, 0), {Due}},
    };
    for (const Case& c : cases) EXPECT_EQ(FiredAt(c.alarm, c.now), c.expected) << c.what;
}

TEST(AlarmCheck, OneTimeAlarmsSwitchThemselvesOff) {
    CArray<CAlarmInfo> alarms;
    alarms.Add(Alarm(CAlarmInfo::KindOnce, 9, 0));
    alarms.Add(OnDate(Alarm(CAlarmInfo::KindTargetDay, 9, 0), 2014, 3, 4));
    alarms.Add(Alarm(CAlarmInfo::KindEveryDay, 12, 0));
    AlarmCheckResult r = CAlarmCheck::CheckAlarms(alarms, At(2014, 3, 4, 9, 0));
    ASSERT_EQ(r.fired.size(), 2u);
    EXPECT_EQ(r.fired[0].index, 0);
    EXPECT_EQ(r.fired[1].index, 1);
    EXPECT_TRUE(r.saveNeeded);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(alarms[0].m_bEnabled, 0);
    EXPECT_EQ(alarms[1].m_bEnabled, 0);
    r = CAlarmCheck::CheckAlarms(alarms, At(2014, 3, 5, 9, 0));
    EXPECT_TRUE(r.fired.empty());
    EXPECT_FALSE(r.saveNeeded);

    // A notice alone neither saves nor counts as a change.
    CArray<CAlarmInfo> one;
    one.Add(Alarm(CAlarmInfo::KindEveryDay, 8, 0, 30));
    r = CAlarmCheck::CheckAlarms(one, At(2014, 3, 4, 7, 30));
    EXPECT_EQ(r.fired.size(), 1u);
    EXPECT_FALSE(r.changed);
    EXPECT_FALSE(r.saveNeeded);
}

TEST(AlarmCheck, WeekdayOfMonthTakesTheDayItFiresOn) {
    CArray<CAlarmInfo> alarms;
    alarms.Add(WeekdayOfMonth(9, 0, 4, 5));
    CAlarmCheck::CheckAlarms(alarms, At(2014, 1, 31, 9, 0));
    EXPECT_EQ(alarms[0].m_nYear * 10000 + alarms[0].m_nMonth * 100 + alarms[0].m_nDay, 20140131);
    EXPECT_EQ(alarms[0].m_nMinuteKey, 2014 * 535680 + 1 * 44640 + 31 * 1440 + 9 * 60);
}

TEST(AlarmCheck, AdvanceNoticeRule) {
    struct Case {
        int hour, minute, advance, minuteOfDay;
        bool due;
    } cases[] = {
        {8, 0, 30, 7 * 60 + 30, true}, {8, 0, 0, 8 * 60, false},       {0, 30, 30, 0, false},
        {0, 10, 30, 23 * 60 + 40, true}, {8, 0, -15, 8 * 60 + 15, true}, {8, 0, 1440, 8 * 60, true},
    };
    for (const Case& c : cases) {
        CAlarmInfo a = Alarm(CAlarmInfo::KindEveryDay, c.hour, c.minute, c.advance);
        EXPECT_EQ(CAlarmCheck::IsAdvanceNoticeDue(a, c.minuteOfDay), c.due) << c.hour << ":" << c.minute << " " << c.advance;
    }
}

TEST(AlarmCheck, StartUpPass) {
    CArray<CAlarmInfo> alarms;
    // 0: a missed designated-day alarm with advance notice: fires once.
    alarms.Add(OnDate(Alarm(CAlarmInfo::KindTargetDay, 10, 0, 60), 2014, 3, 3));
    // 1: a designated-day alarm still ahead: not yet.
    alarms.Add(OnDate(Alarm(CAlarmInfo::KindTargetDay, 18, 0), 2014, 3, 4));
    // 2: an every-day alarm missed this morning: not caught up.
    alarms.Add(Alarm(CAlarmInfo::KindEveryDay, 7, 0));
    // 3: an all-day weekly entry on Tuesdays: announced.
    CAlarmInfo weekly = WithValue(Alarm(CAlarmInfo::KindDaysOfWeek, 0, 0), 0x04);
    weekly.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    alarms.Add(weekly);
    // 4: an all-day designated day today: announced and switched off.
    CAlarmInfo allDayToday = OnDate(Alarm(CAlarmInfo::KindTargetDay, 0, 0), 2014, 3, 4);
    allDayToday.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    alarms.Add(allDayToday);
    // 5: an all-day weekday-of-month entry: left to the anniversaries.
    CAlarmInfo firstTuesday = WeekdayOfMonth(0, 0, 0, 2);
    firstTuesday.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    alarms.Add(firstTuesday);

    AlarmCheckResult r = CAlarmCheck::CheckAlarmsAtStartup(alarms, At(2014, 3, 4, 12, 0));
    std::vector<int> fired;
    for (const auto& f : r.fired) {
        fired.push_back(f.index);
        EXPECT_EQ(f.notice, 0);
    }
    EXPECT_EQ(fired, (std::vector<int>{0, 3, 4}));
    EXPECT_TRUE(r.saveNeeded);
    EXPECT_EQ(alarms[0].m_bEnabled, 0);
    EXPECT_EQ(alarms[4].m_bEnabled, 0);
    EXPECT_TRUE(CAlarmCheck::CheckAlarmsAtStartup(alarms, At(2014, 3, 4, 12, 1)).fired.size() == 1u);
}
