// What the alarm dialog makes of its controls on OK, and what it shows when
// it opens, without a window.
#include "TestFiles.h"
#include "calendar/AddAlarmLogic.h"
#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Form = CAddAlarmLogic::Form;

SYSTEMTIME Day(int y, int m, int d) { return MakeSystemTime(y, m, d, 12); }

// Now: 3 March 2014, 9:30.
const SYSTEMTIME kNow = MakeSystemTime(2014, 3, 3, 9, 30);

Form Timed(int kind, const SYSTEMTIME& date, int hour, int minute) {
    Form f;
    f.kind = kind;
    f.date = f.start = f.end = date;
    f.hour = hour;
    f.minute = minute;
    f.interval = L"2";
    f.style = 1;
    return f;
}

struct OkCase {
    const char* name;
    std::function<void(Form&)> change;
    bool valid;
    int textId;
    int enabled;
    std::function<void(const CAlarmInfo&)> check;
};
}  // namespace

TEST(AddAlarmLogic, OkTurnsControlsIntoARecordOrAMessage) {
    const OkCase cases[] = {
        {"designated day at a past minute is stored switched off",
         [](Form& f) { f = Timed(2, Day(2014, 3, 3), 9, 29); }, true, 0, 0, nullptr},
        {"designated day at this minute stays on", [](Form& f) { f = Timed(2, Day(2014, 3, 3), 9, 30); }, true, 0, 1,
         nullptr},
        {"all-day designated day today stays on until the day ends",
         [](Form& f) { f = Timed(2, Day(2014, 3, 3), 9, 0), f.allDay = true; }, true, 0, 1,
         [](const CAlarmInfo& r) {
             EXPECT_EQ(r.m_nHour, 0);
             EXPECT_EQ(r.m_nMinute, 0);
             EXPECT_EQ(r.m_nTimeMode, CAlarmInfo::TimeModeAllDay);
         }},
        {"period that ended yesterday is stored switched off",
         [](Form& f) { f = Timed(4, Day(2014, 2, 20), 10, 0), f.end = Day(2014, 3, 2); }, true, 0, 0,
         [](const CAlarmInfo& r) {
             EXPECT_EQ(r.m_nEndDate, MakeDateCode(2014, 3, 2));
             EXPECT_EQ(r.m_nDay, 20);
         }},
        {"all-day period ending today stays on",
         [](Form& f) { f = Timed(4, Day(2014, 2, 20), 0, 0), f.end = Day(2014, 3, 3), f.allDay = true; }, true, 0,
         1, nullptr},
        {"period ending where it starts is refused",
         [](Form& f) { f = Timed(4, Day(2014, 3, 5), 9, 0), f.end = Day(2014, 3, 5); }, false, 10020, 1, nullptr},
        {"interval of 1 is refused", [](Form& f) { f = Timed(7, Day(2014, 3, 5), 9, 0), f.interval = L"1"; }, false,
         25008, 1, nullptr},
        {"interval of 3 is stored", [](Form& f) { f = Timed(7, Day(2014, 3, 5), 9, 0), f.interval = L"3"; }, true, 0,
         1, [](const CAlarmInfo& r) { EXPECT_EQ(r.m_nDayValue, 3); }},
        {"weekday kind without a day is refused", [](Form& f) { f = Timed(3, kNow, 9, 0); }, false, 10019, 1,
         nullptr},
        {"year above 10000 is refused", [](Form& f) { f = Timed(2, Day(10001, 1, 1), 9, 0); }, false, 795, 1,
         nullptr},
        {"year 10000 is a date far ahead, not an overflow", [](Form& f) { f = Timed(2, Day(10000, 12, 31), 23, 59); },
         true, 0, 1, nullptr},
        {"period end above 10000 is refused",
         [](Form& f) { f = Timed(4, Day(2014, 3, 5), 9, 0), f.end = Day(10001, 1, 1); }, false, 795, 1, nullptr},
        {"last day of the month stores day 32",
         [](Form& f) { f = Timed(5, kNow, 9, 0), f.dayOfMonth = 31; }, true, 0, 1,
         [](const CAlarmInfo& r) { EXPECT_EQ(r.m_nDayValue, 32); }},
        {"a past one-time alarm is kept on", [](Form& f) { f = Timed(1, Day(2000, 1, 1), 1, 0); }, true, 0, 1,
         nullptr},
        {"weekday of a month takes the three lists",
         [](Form& f) { f = Timed(6, kNow, 9, 0), f.weekMonth = 5, f.weekNumber = 4, f.weekDay = 6; }, true, 0, 1,
         [](const CAlarmInfo& r) {
             EXPECT_EQ(r.m_nWeekMonth, 5);
             EXPECT_EQ(r.m_nWeekNumber, 4);
             EXPECT_EQ(r.m_nWeekDay, 6);
             EXPECT_EQ(r.m_nDayValue, 1);
         }},
        {"advance and style come from their positions",
         [](Form& f) { f = Timed(0, kNow, 9, 0), f.advance = 10, f.style = 3; }, true, 0, 1,
         [](const CAlarmInfo& r) {
             EXPECT_EQ(r.m_nAdvance, 10080);
             EXPECT_EQ(r.m_nNoticeStyle, 2);
         }},
        {"no advance selected stores 0", [](Form& f) { f = Timed(0, kNow, 9, 0), f.advance = -1; }, true, 0, 1,
         [](const CAlarmInfo& r) { EXPECT_EQ(r.m_nAdvance, 0); }},
    };
    CAlarmInfo working;
    working.m_bEnabled = 0;
    for (const OkCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form f;
        c.change(f);
        CAddAlarmLogic::OkResult r = CAddAlarmLogic::Ok(working, f, kNow);
        EXPECT_EQ(r.valid, c.valid);
        EXPECT_EQ(r.textId, c.textId);
        if (c.valid) {
            EXPECT_EQ(r.record.m_bEnabled, c.enabled);
        }
        if (c.check) c.check(r.record);
    }
}

TEST(AddAlarmLogic, RefusedDatesNameThePickerToReset) {
    Form f = Timed(4, Day(10001, 1, 1), 9, 0);
    f.end = Day(2015, 1, 1);
    EXPECT_EQ(CAddAlarmLogic::Ok(CAlarmInfo(), f, kNow).resetPicker, CAddAlarmLogic::StartPicker);
    f = Timed(2, Day(10001, 1, 1), 9, 0);
    EXPECT_EQ(CAddAlarmLogic::Ok(CAlarmInfo(), f, kNow).resetPicker, CAddAlarmLogic::DatePicker);
    f = Timed(4, Day(2014, 3, 5), 9, 0);
    EXPECT_EQ(CAddAlarmLogic::Ok(CAlarmInfo(), f, kNow).resetPicker, CAddAlarmLogic::NoPicker);
}

TEST(AddAlarmLogic, WeekdayButtons) {
    Form f = Timed(0, kNow, 9, 0);
    f.weekdayMask = 0x01;
    CAddAlarmLogic::ChooseWorkdays(f);
    EXPECT_EQ(f.kind, 3);
    EXPECT_EQ(f.weekdayMask, 0x3E);
    f.kind = 5;
    CAddAlarmLogic::ChooseWeekend(f);
    EXPECT_EQ(f.kind, 5);
    EXPECT_EQ(f.weekdayMask, 0x41);
}

TEST(AddAlarmLogic, OpeningAStoredAlarm) {
    struct Case {
        const char* name;
        std::function<void(CAlarmInfo&)> make;
        std::function<void(const Form&, const CAlarmInfo&)> check;
    } cases[] = {
        {"kind 7 with day value 0 shows 2",
         [](CAlarmInfo& a) { a.m_nKind = 7, a.m_nDayValue = 0; },
         [](const Form& f, const CAlarmInfo&) { EXPECT_EQ(f.interval, CString(L"2")); }},
        {"kind 7 keeps its interval", [](CAlarmInfo& a) { a.m_nKind = 7, a.m_nDayValue = 9; },
         [](const Form& f, const CAlarmInfo&) { EXPECT_EQ(f.interval, CString(L"9")); }},
        {"another kind shows 2", [](CAlarmInfo& a) { a.m_nKind = 3, a.m_nDayValue = 0x14; },
         [](const Form& f, const CAlarmInfo&) {
             EXPECT_EQ(f.interval, CString(L"2"));
             EXPECT_EQ(f.weekdayMask, 0x14);
         }},
        {"an advance after the due time selects nothing", [](CAlarmInfo& a) { a.m_nAdvance = -30; },
         [](const Form& f, const CAlarmInfo&) { EXPECT_EQ(f.advance, -1); }},
        {"an unknown advance selects the first and becomes 0", [](CAlarmInfo& a) { a.m_nAdvance = 7; },
         [](const Form& f, const CAlarmInfo& a) {
             EXPECT_EQ(f.advance, 0);
             EXPECT_EQ(a.m_nAdvance, 0);
         }},
        {"notice style -1 selects Not Notice", [](CAlarmInfo& a) { a.m_nNoticeStyle = -1; },
         [](const Form& f, const CAlarmInfo&) { EXPECT_EQ(f.style, 0); }},
        {"a period shows its end", [](CAlarmInfo& a) { a.m_nKind = 4, a.m_nEndDate = MakeDateCode(2015, 6, 7); },
         [](const Form& f, const CAlarmInfo&) {
             EXPECT_EQ(f.start.wDay, 8);
             EXPECT_EQ(f.end.wYear, 2015);
             EXPECT_EQ(f.end.wMonth, 6);
             EXPECT_EQ(f.end.wDay, 7);
         }},
        {"an every-day alarm shows today in the date picker", [](CAlarmInfo& a) { a.m_nKind = 0; },
         [](const Form& f, const CAlarmInfo&) {
             EXPECT_EQ(f.date.wDay, 3);
             EXPECT_EQ(f.start.wDay, 8);
             EXPECT_EQ(f.hour, 7);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CAlarmInfo a;
        a.m_nYear = 2013, a.m_nMonth = 5, a.m_nDay = 8, a.m_nHour = 7, a.m_nMinute = 15;
        c.make(a);
        Form f = CAddAlarmLogic::Open(a, true, false, kNow);
        c.check(f, a);
    }
}

TEST(AddAlarmLogic, StyleMinusOneSurvivesAnUnchangedOk) {
    CAlarmInfo a;
    a.m_nKind = 0;
    a.m_nNoticeStyle = -1;
    Form f = CAddAlarmLogic::Open(a, true, false, kNow);
    EXPECT_EQ(CAddAlarmLogic::Ok(a, f, kNow).record.m_nNoticeStyle, -1);
}

TEST(AddAlarmLogic, NewAlarmStartsNowOrOnThePresetDate) {
    CAlarmInfo a;
    Form f = CAddAlarmLogic::Open(a, false, false, kNow);
    EXPECT_EQ(a.m_nHour, 9);
    EXPECT_EQ(a.m_nMinute, 30);
    EXPECT_EQ(f.date.wDay, 3);
    EXPECT_EQ(f.dayOfMonth, 2);
    EXPECT_EQ(f.weekMonth, 3);
    EXPECT_EQ(f.weekNumber, 0);  // the first Monday of March 2014
    EXPECT_EQ(f.weekDay, 1);
    EXPECT_EQ(f.interval, CString(L"2"));

    CAlarmInfo dated;
    dated.SetTargetDate(2014, 12, 24);
    f = CAddAlarmLogic::Open(dated, false, true, kNow);
    EXPECT_EQ(f.kind, 2);
    EXPECT_EQ(f.date.wMonth, 12);
    EXPECT_EQ(f.end.wDay, 24);
}

TEST(AddAlarmLogic, TablesAndTimes) {
    EXPECT_EQ(CAddAlarmLogic::AdvanceMinutes(9), 1440);
    EXPECT_EQ(CAddAlarmLogic::AdvanceMinutes(17), -1440);
    EXPECT_EQ(CAddAlarmLogic::AdvanceMinutes(18), 0);
    EXPECT_EQ(CAddAlarmLogic::AdvancePosition(-1440), 17);
    int hour = 0, minute = 0;
    CAddAlarmLogic::QuickTime(MakeSystemTime(2014, 3, 3, 23, 50), CAddAlarmLogic::QuickTimeSeconds(9), hour, minute);
    EXPECT_EQ(hour, 11);
    EXPECT_EQ(minute, 50);
    EXPECT_EQ(CAddAlarmLogic::MinuteKey64(10000, 12, 31, 23, 59), 10000LL * 535680 + 12 * 44640 + 31 * 1440 + 1439);
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    EXPECT_EQ(CAddAlarmLogic::TimeText(7, 5), CString(L"07(h) 05(m)"));
}
