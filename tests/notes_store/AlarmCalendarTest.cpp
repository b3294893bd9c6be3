#include "notes/AlarmCalendar.h"

#include "StoreTestSupport.h"
#include "shell/LanguageTable.h"

#include <cstring>

namespace {

CAlarmInfo Alarm(int kind, int icon, const wchar_t* text = L"") {
    CAlarmInfo a;
    a.m_nKind = kind;
    a.m_nIcon = icon;
    a.m_strContents = text;
    a.m_nYear = 2014;
    a.m_nMonth = 3;
    a.m_nDay = 1;
    a.m_nHour = 9;
    a.UpdateMinuteKey();
    a.UpdateMinuteOfDay();
    return a;
}

CAlarmInfo Period(int y1, int m1, int d1, int y2, int m2, int d2) {
    CAlarmInfo a = Alarm(CAlarmInfo::KindPeriod, 2);
    a.m_nYear = y1;
    a.m_nMonth = m1;
    a.m_nDay = d1;
    a.m_nEndDate = MakeDateCode(y2, m2, d2);
    return a;
}

CAlarmInfo LastFriday(int icon) {
    CAlarmInfo a = Alarm(CAlarmInfo::KindWeekdayOfMonth, icon);
    a.m_nWeekNumber = 4;
    a.m_nWeekDay = 5;
    return a;
}

struct Marks {
    MonthDayMarks days;
    Marks() { memset(days, 0, sizeof days); }
    DWORD at(int month, int day) const { return days[month - 1][day - 1]; }
};

}  // namespace

TEST(AlarmCalendar, LastFridayMarksAndHoliday) {
    CArray<CAlarmInfo> alarms;
    alarms.Add(LastFriday(3));
    Marks m;
    CAlarmCalendar::MarkCalendarAlarms(alarms, 2014, 1, CalendarKindOptions(), m.days);
    EXPECT_EQ(m.at(1, 31), 8u);
    EXPECT_EQ(m.at(1, 24), 0u);
    EXPECT_EQ(m.at(2, 28), 8u);
    EXPECT_EQ(m.at(2, 21), 0u);

    alarms[0].m_bHoliday = 1;
    Marks h;
    CAlarmCalendar::MarkCalendarAlarms(alarms, 2014, 1, CalendarKindOptions(), h.days);
    EXPECT_EQ(h.at(1, 31), 0x80000008u);
    EXPECT_EQ(h.at(2, 28), 0x80000008u);

    // The Calendar option of the kind switches the mark off.
    CalendarKindOptions off;
    off.targetWeek = false;
    Marks none;
    CAlarmCalendar::MarkCalendarAlarms(alarms, 2014, 1, off, none.days);
    EXPECT_EQ(none.at(1, 31), 0u);
}

TEST(AlarmCalendar, MarksOfTheOtherKinds) {
    CArray<CAlarmInfo> alarms;
    CAlarmInfo target = Alarm(CAlarmInfo::KindTargetDay, 1);
    target.m_nDay = 10;
    alarms.Add(target);
    CAlarmInfo monday = Alarm(CAlarmInfo::KindDaysOfWeek, 4);
    monday.m_nDayValue = 0x02;
    alarms.Add(monday);
    CAlarmInfo day31 = Alarm(CAlarmInfo::KindDayOfMonth, 5);
    day31.m_nDayValue = 31;
    alarms.Add(day31);
    CAlarmInfo lastDay = Alarm(CAlarmInfo::KindDayOfMonth, 6);
    lastDay.m_nDayValue = 32;
    alarms.Add(lastDay);
    CAlarmInfo outOfRange = Alarm(CAlarmInfo::KindDayOfMonth, 9);
    outOfRange.m_nDayValue = 40;
    alarms.Add(outOfRange);
    CAlarmInfo zero = Alarm(CAlarmInfo::KindDayOfMonth, 10);
    zero.m_nDayValue = 0;
    alarms.Add(zero);
    CAlarmInfo every3 = Alarm(CAlarmInfo::KindEveryNDays, 7);
    every3.m_nDayValue = 3;
    alarms.Add(every3);
    CAlarmInfo every1 = Alarm(CAlarmInfo::KindEveryNDays, 8);
    every1.m_nDayValue = 1;
    alarms.Add(every1);
    alarms.Add(Period(2014, 3, 30, 2014, 4, 2));
    alarms.Add(Alarm(CAlarmInfo::KindEveryDay, 11));

    Marks m;
    CAlarmCalendar::MarkCalendarAlarms(alarms, 2014, 3, CalendarKindOptions(), m.days);
    const DWORD b1 = 1 << 1, b4 = 1 << 4, b5 = 1 << 5, b6 = 1 << 6, b7 = 1 << 7, b2 = 1 << 2;
    EXPECT_EQ(m.at(3, 10), b1 | b4 | b7);  // target day; 10 March is a Monday and day 1 + 9
    EXPECT_EQ(m.at(3, 17), b4);
    EXPECT_EQ(m.at(4, 7), 0u);               // weekdays only in the shown month
    EXPECT_EQ(m.at(2, 31), b5);              // day 31 is marked even where the month is short
    EXPECT_EQ(m.at(2, 28), b6);
    EXPECT_EQ(m.at(4, 30), b6);
    EXPECT_EQ(m.at(3, 31), b4 | b5 | b6 | b2 | b7);  // 31 March: a Monday, day 31, last day, the period, day 1 + 30
    EXPECT_EQ(m.at(3, 30), b2);
    EXPECT_EQ(m.at(3, 1), b7);
    EXPECT_EQ(m.at(3, 4), b7);
    EXPECT_EQ(m.at(3, 2), 0u);
    for (int mo = 1; mo <= 12; ++mo)
        for (int d = 1; d <= 31; ++d) {
            EXPECT_EQ(m.at(mo, d) & ((1u << 8) | (1u << 9) | (1u << 10) | (1u << 11)), 0u) << mo << "/" << d;
        }
}

TEST(AlarmCalendar, PeriodRanges) {
    CArray<CAlarmInfo> alarms;
    alarms.Add(Period(2014, 1, 30, 2014, 2, 2));
    RangeDayMarks feb = {};
    CAlarmCalendar::MarkCalendarAlarmRanges(alarms, 2014, 2, feb);
    EXPECT_EQ(feb[0], 2u);
    EXPECT_EQ(feb[1], 4u);
    EXPECT_EQ(feb[2], 0u);
    RangeDayMarks jan = {};
    CAlarmCalendar::MarkCalendarAlarmRanges(alarms, 2014, 1, jan);
    EXPECT_EQ(jan[29], 1u);
    EXPECT_EQ(jan[30], 2u);
    EXPECT_EQ(jan[28], 0u);

    CArray<CAlarmInfo> oneDay;
    oneDay.Add(Period(2014, 3, 5, 2014, 3, 5));
    RangeDayMarks mar = {};
    CAlarmCalendar::MarkCalendarAlarmRanges(oneDay, 2014, 3, mar);
    EXPECT_EQ(mar[4], 5u);
    EXPECT_EQ(mar[3] | mar[5], 0u);
}

TEST(AlarmCalendar, DayText) {
    CArray<CAlarmInfo> alarms;
    CAlarmInfo a = Alarm(CAlarmInfo::KindDayOfMonth, 1, L"Rent");
    a.m_nDayValue = 4;
    alarms.Add(a);
    CAlarmInfo b = Alarm(CAlarmInfo::KindDaysOfWeek, 1, L"Gym");
    b.m_nDayValue = 0x04;  // Tuesday
    alarms.Add(b);
    alarms.Add(Alarm(CAlarmInfo::KindEveryDay, 1, L"Daily"));
    alarms.Add(Alarm(CAlarmInfo::KindOnce, 1, L"Once"));
    EXPECT_EQ(CAlarmCalendar::GetDayAlarmText(alarms, 2014, 3, 4, CalendarKindOptions()), L"Rent\nGym\n");
    EXPECT_EQ(CAlarmCalendar::GetDayAlarmText(alarms, 2014, 3, 5, CalendarKindOptions()), L"");
}

TEST(AlarmCalendar, DaySchedules) {
    g_LanguageTable.SetAt(10010, L"[Memo Data]");
    CArray<CAlarmInfo> alarms;
    CAlarmInfo daily = Alarm(CAlarmInfo::KindEveryDay, 3, L"Coffee");
    daily.m_nHour = 8;
    daily.m_nMinute = 5;
    daily.m_nId = 11;
    alarms.Add(daily);
    CAlarmInfo done = Alarm(CAlarmInfo::KindEveryDay, 3, L"Done");
    done.m_bDone = 1;
    alarms.Add(done);
    CAlarmInfo ahead = Alarm(CAlarmInfo::KindTargetDay, 4, L"");
    ahead.m_strMemoFile = L"n.rtf";
    ahead.m_nDay = 7;
    ahead.m_bDDay = 1;
    alarms.Add(ahead);
    CAlarmInfo past = Alarm(CAlarmInfo::KindTargetDay, 4, L"Past");
    past.m_nDay = 1;
    past.m_bDDay = 1;
    alarms.Add(past);
    CAlarmInfo allDay = Alarm(CAlarmInfo::KindDaysOfWeek, 5, L"Tuesday");
    allDay.m_nDayValue = 0x04;
    allDay.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    alarms.Add(allDay);

    ScheduleOptions options;
    std::vector<CScheduleInfo> rows;
    CAlarmCalendar::AppendAlarmSchedules(alarms, rows, 2014, 3, 4, 9, 0, options);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].m_strText, L"Coffee");
    EXPECT_EQ(rows[0].m_strTime, L"08:05");
    EXPECT_EQ(rows[0].m_bHasTime, 1);
    EXPECT_EQ(rows[0].m_bPassed, 1);
    EXPECT_EQ(rows[0].m_nMinutesLeft, -55);
    EXPECT_EQ(rows[0].m_nSortKey, 485);
    EXPECT_EQ(rows[0].m_nId, 11);
    EXPECT_EQ(rows[1].m_bDone, 1);
    EXPECT_EQ(rows[2].m_strText, L"[Memo Data]");
    EXPECT_EQ(rows[2].m_nDays, 3);
    EXPECT_EQ(rows[2].m_nSortKey, 3);
    EXPECT_EQ(rows[2].m_bPassed, 0);
    EXPECT_EQ(rows[2].m_nSortGroup, 2);
    EXPECT_TRUE(rows[2].m_strTime.IsEmpty());
    EXPECT_EQ(rows[3].m_nDays, -3);
    EXPECT_EQ(rows[3].m_nSortKey, 3);
    EXPECT_EQ(rows[3].m_bPassed, 1);
    EXPECT_EQ(rows[3].m_nSortGroup, 1);
    EXPECT_EQ(rows[4].m_bHasTime, 0);
    EXPECT_EQ(rows[4].m_bPassed, 1);
    EXPECT_EQ(rows[4].m_nSortKey, 0);

    options.showChecked = false;
    options.showDDay = false;
    rows.clear();
    CAlarmCalendar::AppendAlarmSchedules(alarms, rows, 2014, 3, 4, 9, 0, options);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].m_strText, L"Tuesday");
}

namespace {

CDayInfo Anniversary(int month, int day, bool lunar, bool leap, const wchar_t* text, int daysBefore = 0) {
    CDayInfo info;
    info.m_nMonth = month;
    info.m_nDay = day;
    info.m_bLunar = lunar ? 1 : 0;
    info.m_bLeap = leap ? 1 : 0;
    info.m_strText = text;
    info.m_nDaysBefore = (WORD)daysBefore;
    return info;
}

}  // namespace

TEST(AlarmCalendar, AnniversaryFallsOnItsSolarOrLunarDay) {
    struct Case {
        CDayInfo info;
        int y, m, d;
        bool falls;
    } cases[] = {
        {Anniversary(2, 14, false, false, L"solar"), 2010, 2, 14, true},
        {Anniversary(2, 14, false, false, L"solar, any year"), 2031, 2, 14, true},
        {Anniversary(2, 14, false, false, L"solar, next day"), 2010, 2, 15, false},
        // The lunar new year of 2010 was on 14 February.
        {Anniversary(1, 1, true, false, L"lunar new year"), 2010, 2, 14, true},
        {Anniversary(1, 1, true, false, L"lunar new year, day before"), 2010, 2, 13, false},
        {Anniversary(1, 0, true, false, L"lunar new year's eve"), 2010, 2, 13, true},
        {Anniversary(1, 0, true, false, L"eve, not on new year"), 2010, 2, 14, false},
        {Anniversary(1, 0, true, false, L"eve across a month end"), 2022, 1, 31, true},
        // 2012 had a leap third month starting 21 April; the regular one started 22 March.
        {Anniversary(3, 1, true, true, L"leap month"), 2012, 4, 21, true},
        {Anniversary(3, 1, true, true, L"leap month, regular day"), 2012, 3, 22, false},
        {Anniversary(3, 1, true, false, L"regular month"), 2012, 3, 22, true},
        {Anniversary(3, 1, true, false, L"regular month, leap day"), 2012, 4, 21, false},
        {Anniversary(1, 1, true, false, L"outside the lunar table"), 2050, 1, 23, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (const char*)StringToUtf8(c.info.m_strText) << " " << c.y << "-" << c.m
                                        << "-" << c.d);
        EXPECT_EQ(CAlarmCalendar::AnniversaryFallsOn(c.info, c.y, c.m, c.d), c.falls);
    }
}

TEST(AlarmCalendar, DaySchedulesWithAnniversaries) {
    CArray<CDayInfo> days;
    days.Add(Anniversary(2, 14, false, false, L"Valentine", 7));  // on the day: no D-day row
    days.Add(Anniversary(2, 20, false, false, L"Birthday", 7));
    days.Add(Anniversary(2, 21, false, false, L"Too far", 6));
    days.Add(Anniversary(1, 1, true, false, L"Seollal"));
    days.Add(Anniversary(1, 15, true, false, L"Full moon", 14));  // lunar 1-15 is 28 February 2010
    for (int i = 0; i < days.GetSize(); ++i) days[i].m_nIcon = i + 1, days[i].m_nId = 0x10000000 + i;
    CArray<CAlarmInfo> alarms;
    CAlarmInfo daily = Alarm(CAlarmInfo::KindEveryDay, 9, L"Coffee");
    daily.m_nId = 3;
    alarms.Add(daily);

    std::vector<CScheduleInfo> rows;
    LunarDate lunar;
    ScheduleOptions options;
    CAlarmCalendar::GetDaySchedules(alarms, &days, rows, lunar, 2010, 2, 14, 10, 0, options);
    EXPECT_TRUE(lunar.valid);
    EXPECT_EQ(lunar.year, 2010);
    EXPECT_EQ(lunar.month, 1);
    EXPECT_EQ(lunar.day, 1);

    ASSERT_EQ(rows.size(), 5u);
    struct Expected {
        const wchar_t* text;
        int dayAnniversary, days, sortKey, sortGroup, icon;
    } expected[] = {
        {L"Valentine", 1, 0, 0, 100, 1},
        {L"Birthday", 0, 6, 6, 2, 2},
        {L"Seollal", 1, 0, 0, 100, 4},
        {L"Full moon", 0, 14, 14, 2, 5},
        {L"Coffee", 0, 0, 9 * 60, 0, 9},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].m_strText, expected[i].text);
        EXPECT_EQ(rows[i].m_bDayAnniversary, expected[i].dayAnniversary);
        EXPECT_EQ(rows[i].m_nDays, expected[i].days);
        EXPECT_EQ(rows[i].m_nSortKey, expected[i].sortKey);
        EXPECT_EQ(rows[i].m_nSortGroup, expected[i].sortGroup);
        EXPECT_EQ(rows[i].m_nIcon, expected[i].icon);
    }
    EXPECT_EQ(rows[0].m_nId, 0x10000000);
    EXPECT_EQ(rows[0].m_bHasTime, 0);
    EXPECT_EQ(rows[0].m_bPassed, 0);
    EXPECT_EQ(rows[1].m_bPassed, 0);
    EXPECT_EQ(rows[4].m_nId, 3);

    // D-day rows follow the schedule options.
    options.sortByTime = false;
    CAlarmCalendar::GetDaySchedules(alarms, &days, rows, lunar, 2010, 2, 14, 10, 0, options);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].m_nSortGroup, 1);
    options.showDDay = false;
    CAlarmCalendar::GetDaySchedules(alarms, &days, rows, lunar, 2010, 2, 14, 10, 0, options);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].m_strText, L"Seollal");

    // Without the calendar's list there is nothing to show, not even alarms.
    CAlarmCalendar::GetDaySchedules(alarms, nullptr, rows, lunar, 2010, 2, 14, 10, 0, options);
    EXPECT_TRUE(rows.empty());
}

TEST(AlarmCalendar, LunarAnniversaryCountsDownAcrossTheSolarNewYear) {
    // The lunar new year of 2010 fell on 14 February: counted from late
    // December 2009 it is still ahead in the next solar year.
    CArray<CDayInfo> days;
    days.Add(Anniversary(1, 1, true, false, L"Seollal", 60));
    days.Add(Anniversary(1, 31, true, false, L"No such day", 60));
    std::vector<CScheduleInfo> rows;
    CAlarmCalendar::AppendAnniversarySchedules(days, rows, 2009, 12, 31, ScheduleOptions());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].m_nDays, 45);
}
