#include "LifecycleFixture.h"
#include "notes/AlarmCheck.h"
#include "notes/AlarmFire.h"

namespace {

CAlarmInfo Alarm(int year, int month, int day, int hour, int minute, int style, const wchar_t* text) {
    CAlarmInfo a;
    a.m_nKind = CAlarmInfo::KindTargetDay;
    a.m_bEnabled = 1;
    a.m_nYear = year;
    a.m_nMonth = month;
    a.m_nDay = day;
    a.m_nHour = hour;
    a.m_nMinute = minute;
    a.m_nNoticeStyle = style;
    a.m_strContents = text;
    a.m_nId = 7;
    a.UpdateMinuteKey();
    a.UpdateMinuteOfDay();
    return a;
}

}  // namespace

TEST(AlarmNotice, AdvanceTitlesByTheMinutesLeft) {
    ResetLifecycleSettings();
    struct Case {
        int advance;
        const wchar_t* title;
    } cases[] = {
        {10080, L"1 Week Left"}, {1440, L"1 Day Left"}, {90, L"[1]Hour(s) Left"}, {60, L"[1]Hour(s) Left"},
        {45, L"[45]Minute(s) Left"}, {0, L"[0]Minute(s) Left"}, {-30, L"[30]Minute(s) Left"},
        {-120, L"[2]Hour(s) over"}, {-2880, L"[2]Day(s) Over"},
    };
    for (const Case& c : cases) EXPECT_EQ(CString(c.title), CAlarmFire::AdvanceTitle(c.advance)) << c.advance;
}

TEST(AlarmNotice, DueNoticeTitleStyleTimeoutAndColours) {
    ResetLifecycleSettings();
    AlarmFireSettings settings;
    settings.autoCloseSeconds = 7;
    CAlarmInfo a = Alarm(2014, 3, 3, 9, 5, 1, L"Dentist");
    NoticeRequest n = CAlarmFire::MakeAlarmNotice(a, 0, settings);
    EXPECT_EQ(CString(L"[Schedule]   [2014]/3/3 9:5"), n.title);
    EXPECT_EQ(-1, n.timeout);
    EXPECT_EQ(0xFF645Au, n.titleColor);
    EXPECT_EQ(0x3C3C3Cu, n.bodyColor);
    EXPECT_EQ(CString(L"Dentist"), n.body);

    a.m_nNoticeStyle = 2;
    EXPECT_EQ(7000, CAlarmFire::MakeAlarmNotice(a, 0, settings).timeout);
    a.m_nNoticeStyle = 3;
    n = CAlarmFire::MakeAlarmNotice(a, 0, settings);
    EXPECT_EQ(-1, n.timeout);
    EXPECT_EQ(0x3C3C3Cu, n.titleColor);
    EXPECT_EQ(0xFF0000u, n.bodyColor);

    a.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    EXPECT_EQ(CString(L"[Schedule]   [2014]/3/3 "), CAlarmFire::MakeAlarmNotice(a, 0, settings).title);

    // Advance notices: their own style, red and blue, always closing themselves.
    settings.advanceStyle = 2;
    a.m_nAdvance = 1440;
    n = CAlarmFire::MakeAlarmNotice(a, 1, settings);
    EXPECT_EQ(2, n.style);
    EXPECT_EQ(7000, n.timeout);
    EXPECT_EQ(0x0000FFu, n.titleColor);
    EXPECT_EQ(0xFF0000u, n.bodyColor);
}

TEST(AlarmNotice, BodySizeAndPopUpPlaces) {
    EXPECT_EQ(20, CAlarmFire::BodyFontSize(9));
    EXPECT_EQ(12, CAlarmFire::BodyFontSize(10));
    EXPECT_EQ(10, CAlarmFire::BodyFontSize(159));
    EXPECT_EQ(8, CAlarmFire::BodyFontSize(160));
    EXPECT_EQ(CPoint(770, 440), CAlarmFire::PopupPosition(CSize(1920, 1080), 0));
}

TEST_F(LifecycleTest, TenPopUpsStandApartAndTheEleventhTakesTheFirstPlace) {
    AlarmFireSettings settings;
    settings.fontFace = L"Gulim";
    CAlarmFire fire(host, memos, settings);
    CAlarmInfo a = Alarm(2014, 3, 3, 9, 5, 1, L"x");
    for (int i = 0; i < 11; ++i) fire.FireAlarm(a, 0);
    ASSERT_EQ(11u, host.notices.size());
    std::set<std::pair<int, int>> places;
    for (int i = 0; i < 10; ++i) places.insert({host.notices[i].x, host.notices[i].y});
    EXPECT_EQ(10u, places.size());
    EXPECT_EQ(host.notices[0].x, host.notices[10].x);
    EXPECT_EQ(host.notices[0].y, host.notices[10].y);
    EXPECT_EQ(20, host.notices[0].bodySize);
    EXPECT_EQ(CString(L"Gulim"), host.notices[0].fontFace);
}

TEST_F(LifecycleTest, AnAlarmWithANoticeBringsUpTheClockWhenTheClockIsShown) {
    struct Case {
        bool showClock;
        int style;
        int shown;
    } cases[] = {{true, 1, 1}, {true, -1, 0}, {false, 1, 0}};
    for (const Case& c : cases) {
        host.clockShown = 0;
        AlarmFireSettings settings;
        settings.showClock = c.showClock;
        CAlarmFire(host, memos, settings).FireAlarm(Alarm(2014, 3, 3, 9, 5, c.style, L"x"), 0);
        EXPECT_EQ(c.shown, host.clockShown) << c.showClock << " " << c.style;
    }
}

TEST_F(LifecycleTest, ALinkedNoteFlashesInsteadOfANotice) {
    CFakeNote* note = AddNote(L"linked.rtf");
    folder.Write(L"ring.wav", "RIFF");
    CAlarmInfo a = Alarm(2014, 3, 3, 9, 5, 0, L"text");
    a.m_strMemoFile = L"linked.rtf";
    a.m_strSound = folder.Path() + L"ring.wav";
    a.m_strCommand = L"NEWMEMO";
    CAlarmFire fire(host, memos, {});
    fire.FireAlarm(a, 0);
    EXPECT_EQ(1, note->flashes);
    EXPECT_EQ(CMemoInfo::LevelTopMost, note->record.m_nLevel);
    EXPECT_TRUE(host.notices.empty());
    EXPECT_EQ(1u, host.sounds.size());
    EXPECT_EQ(1u, host.actions.size());

    // Tied to a note that is not open: nothing shown, sound and command still go.
    a.m_strMemoFile = L"closed.rtf";
    fire.FireAlarm(a, 0);
    EXPECT_TRUE(host.notices.empty());
    EXPECT_EQ(2u, host.sounds.size());
    EXPECT_EQ(2u, host.actions.size());
}

TEST_F(LifecycleTest, SoundOnlyWhenItsFileExistsAndUnknownCommandsGoToTheShell) {
    CAlarmInfo a = Alarm(2014, 3, 3, 9, 5, 0, L"");
    a.m_strSound = folder.Path() + L"missing.wav";
    a.m_strCommand = L"notepad.exe";
    host.actionStrings = false;
    CAlarmFire(host, memos, {}).FireAlarm(a, 0);
    EXPECT_TRUE(host.notices.empty());
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ((std::vector<CString>{L"notepad.exe"}), host.shellOpens);
}

TEST_F(LifecycleTest, ADueAlarmFiresAtItsMinuteThroughTheClock) {
    CArray<CAlarmInfo> alarms;
    folder.Write(L"ring.wav", "RIFF");
    CAlarmInfo a = Alarm(2014, 3, 3, 9, 5, 0, L"Stand-up");
    a.m_strSound = folder.Path() + L"ring.wav";
    a.m_strCommand = L"SHOW_ALL";
    alarms.Add(a);
    CAlarmFire fire(host, memos, {});
    auto tick = [&](int hour, int minute) {
        host.now = CFakeHost::MakeTime(2014, 3, 3, hour, minute);
        AlarmCheckResult r = CAlarmCheck::CheckAlarms(alarms, host.Now());
        for (const AlarmFiring& f : r.fired) fire.FireAlarm(alarms[f.index], f.notice);
    };
    tick(9, 4);
    EXPECT_TRUE(host.notices.empty());
    tick(9, 5);
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(0, host.notices[0].style);
    EXPECT_EQ(6, host.notices[0].placement);
    EXPECT_EQ(CString(L"Stand-up"), host.notices[0].body);
    EXPECT_EQ(1u, host.sounds.size());
    EXPECT_EQ((std::vector<CString>{L"SHOW_ALL"}), host.actions);
}

TEST_F(LifecycleTest, ACommandFromAnotherComputerRunsOnlyAfterTheUserAgreed) {
    CAlarmFireTrust trust(folder.Path() + L"synced_commands.txt");
    CArray<CAlarmInfo> before, after;
    CAlarmInfo mine = Alarm(2014, 3, 3, 9, 5, -1, L"");
    mine.m_strCommand = L"backup.bat";
    before.Add(mine);
    after.Add(mine);
    CAlarmInfo theirs = mine;
    theirs.m_strCommand = L"format c:";
    after.Add(theirs);
    trust.NoteSynchronised(before, after);
    EXPECT_FALSE(trust.NeedsConfirmation(L"backup.bat"));
    EXPECT_TRUE(trust.NeedsConfirmation(L"format c:"));

    // A restart keeps the waiting command.
    CAlarmFireTrust reloaded(folder.Path() + L"synced_commands.txt");
    ASSERT_TRUE(reloaded.Load());
    EXPECT_TRUE(reloaded.NeedsConfirmation(L"format c:"));

    CAlarmFire fire(host, memos, {}, &reloaded);
    host.answers = {IDNO};
    fire.FireAlarm(theirs, 0);
    EXPECT_TRUE(host.actions.empty());
    fire.FireAlarm(mine, 0);
    EXPECT_EQ(1u, host.actions.size());
    host.answers = {IDYES};
    fire.FireAlarm(theirs, 0);
    EXPECT_EQ(2u, host.actions.size());
    fire.FireAlarm(theirs, 0);  // agreed once: no more questions
    EXPECT_EQ(3u, host.actions.size());
    EXPECT_EQ(2u, host.messages.size());
    CAlarmFireTrust again(folder.Path() + L"synced_commands.txt");
    again.Load();
    EXPECT_EQ(0u, again.GetWaitingCount());
}

TEST_F(LifecycleTest, TodaysAnniversariesAreAnnouncedOnTheDayChange) {
    CArray<CDayInfo> days;
    CDayInfo birthday;
    birthday.m_nMonth = 3;
    birthday.m_nDay = 3;
    birthday.m_strText = L"Birthday";
    birthday.m_nIcon = 1;
    days.Add(birthday);
    CDayInfo other = birthday;
    other.m_nDay = 4;
    days.Add(other);
    CArray<CAlarmInfo> alarms;
    AlarmFireSettings settings;
    CAlarmFire fire(host, memos, settings);
    fire.NotifyTodayAnniversaries(days, alarms, CFakeHost::MakeTime(2014, 3, 3));
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(CString(L"March/3 [Solar]"), host.notices[0].title);
    EXPECT_TRUE(host.notices[0].fromCalendar);

    settings.announceAnniversaries = false;
    fire.SetSettings(settings);
    fire.NotifyTodayAnniversaries(days, alarms, CFakeHost::MakeTime(2014, 3, 3));
    EXPECT_EQ(1u, host.notices.size());
}

TEST_F(LifecycleTest, LunarAnniversariesAndAllDayWeekdayAlarmsOnTheirDays) {
    // 31 January 2014 was the lunar new year (1/1); the 30th the last day of the lunar year.
    CArray<CDayInfo> days;
    CDayInfo newYear;
    newYear.m_bLunar = 1;
    newYear.m_nMonth = 1;
    newYear.m_nDay = 1;
    newYear.m_strText = L"Seollal";
    days.Add(newYear);
    CDayInfo eve = newYear;
    eve.m_nDay = 0;
    eve.m_strText = L"Eve";
    days.Add(eve);
    CArray<CAlarmInfo> alarms;
    CAlarmFire fire(host, memos, {});
    fire.NotifyTodayAnniversaries(days, alarms, CFakeHost::MakeTime(2014, 1, 30));
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(CString(L"Eve"), host.notices[0].body);
    fire.NotifyTodayAnniversaries(days, alarms, CFakeHost::MakeTime(2014, 1, 31));
    ASSERT_EQ(2u, host.notices.size());
    EXPECT_EQ(CString(L"Seollal"), host.notices[1].body);
    EXPECT_TRUE(host.notices[1].title.Find(L"[Lunar]") >= 0);

    // The first Monday of March, all day: announced on 3 March 2014 without a time.
    CAlarmInfo monday = Alarm(2000, 1, 1, 0, 0, 2, L"Report");
    monday.m_nKind = CAlarmInfo::KindWeekdayOfMonth;
    monday.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
    monday.m_nWeekMonth = 3;
    monday.m_nWeekNumber = 0;
    monday.m_nWeekDay = 1;
    alarms.Add(monday);
    CArray<CDayInfo> none;
    fire.NotifyTodayAnniversaries(none, alarms, CFakeHost::MakeTime(2014, 3, 10));
    EXPECT_EQ(2u, host.notices.size());
    fire.NotifyTodayAnniversaries(none, alarms, CFakeHost::MakeTime(2014, 3, 3));
    ASSERT_EQ(3u, host.notices.size());
    EXPECT_EQ(CString(L"[Schedule]   [2014]/3/3 "), host.notices[2].title);
}
