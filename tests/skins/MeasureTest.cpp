#include "SkinTestSupport.h"

#include "calendar/AnniversaryDays.h"
#include "shell/DateUtil.h"
#include "shell/Settings.h"
#include "widgets/MeasureBattery.h"
#include "widgets/MeasureBiorhythm.h"
#include "widgets/MeasureCPU.h"
#include "widgets/MeasureCalendar.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/MeasureDiskSpace.h"
#include "widgets/MeasureFactory.h"
#include "widgets/MeasureMemory.h"
#include "widgets/MeasureNumber.h"
#include "widgets/MeasurePhysicalMemory.h"
#include "widgets/MeasureTime.h"
#include "widgets/MeasureUser.h"
#include "widgets/MeasureVirtualMemory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// A section from "key=value" pairs.
CInfoSection Section(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
    CInfoSection s(L"M");
    for (const auto& kv : keys) s.SetValue(kv.first, kv.second);
    return s;
}

// A measure whose value the test sets.
class FixedMeasure : public CMeasure {
public:
    bool Update() override { return true; }
    void Set(double v) { m_Value = v; }
};

// 2026-12-10 09:30:15 UTC; the tests run with TZ=UTC, so local time is the same.
const __time64_t kDecember10 = 1796895015;

TEST(Measure, CreatedByTypeInAnyCase) {
    struct {
        const wchar_t* type;
        int kind;
    } cases[] = {
        {L"cpu", MEASURE_CPU},          {L"CPU", MEASURE_CPU},
        {L"Cpu", MEASURE_CPU},          {L"TIME", MEASURE_TIME},
        {L"calendar", MEASURE_CALENDAR}, {L"Memory", MEASURE_MEMORY},
        {L"battery", MEASURE_BATTERY},  {L"NUMBER", MEASURE_NUMBER},
        {L"physicalmemory", MEASURE_PHYSICALMEMORY}, {L"VirtualMemory", MEASURE_VIRTUALMEMORY},
        {L"countdown", MEASURE_COUNTDOWN}, {L"DiskSpace", MEASURE_DISKSPACE},
        {L"user", MEASURE_USER},        {L"BIORHYTHM", MEASURE_BIORHYTHM},
        {L"Cpuu", -1},                  {L"", -1},
        {L" CPU", -1},
    };
    FakeEnvironment env;
    for (const auto& c : cases) {
        std::unique_ptr<CMeasure> m(CreateMeasure(c.type));
        EXPECT_EQ(m ? (int)m->GetKind() : -1, c.kind) << CString(c.type);
    }
    EXPECT_EQ(CreateMeasure(nullptr), nullptr);
}

TEST(Measure, RelativeValueAndInversion) {
    struct {
        const wchar_t* min;
        const wchar_t* max;
        const wchar_t* invert;
        double value;
        double expected;
    } cases[] = {
        {L"0", L"10", L"0", 5, 0.5},  {L"0", L"10", L"0", 15, 1.0},   {L"0", L"10", L"0", -5, 0.0},
        {L"2", L"4", L"0", 3, 0.5},   {L"0", L"10", L"1", 0, 1.0},    {L"0", L"10", L"1", 10, 0.0},
        {L"5", L"5", L"0", 5, 0.0},   {L"5", L"5", L"0", 7, 0.0},     {L"5", L"5", L"1", 3, 0.0},
        {L"-1e999", L"1e999", L"0", 1, 0.0},
    };
    for (const auto& c : cases) {
        FixedMeasure m;
        m.ReadConfig(Section({{L"MinValue", c.min}, {L"MaxValue", c.max}, {L"InvertMeasure", c.invert}}));
        m.Set(c.value);
        double r = m.GetRelativeValue();
        EXPECT_TRUE(std::isfinite(r));
        EXPECT_DOUBLE_EQ(r, c.expected) << c.value;
    }
    FixedMeasure m;
    m.ReadConfig(Section({{L"InvertMeasure", L"1"}, {L"MinValue", L"2"}, {L"MaxValue", L"8"}}));
    m.Set(2);
    EXPECT_DOUBLE_EQ(m.GetValue(), 8.0);  // the minimum reads as the maximum
    EXPECT_DOUBLE_EQ(m.GetRange(), 6.0);
    m.SetName(L"MeasureCpu");
    EXPECT_EQ(m.GetName(), L"MeasureCpu");
    EXPECT_EQ(m.GetStringValue(), L"");
}

// idle, kernel (with idle) and user time of one processor.
typedef std::array<LONGLONG, 3> Times;

TEST(MeasureCPU, LoadFromInjectedSamples) {
    FakeEnvironment env;
    env.processorCount = 2;
    env.cpuSamples = {
        {Times{100, 200, 100}, Times{300, 300, 100}},  // since start: 67 % and 25 %
        {Times{150, 300, 200}, Times{400, 400, 200}},  // 75 % and 50 %
        {Times{150, 300, 200}, Times{400, 400, 200}},  // nothing elapsed
        {Times{150, 400, 300}, Times{400, 500, 300}},  // 100 % and 100 % against the sample before
    };
    CMeasureCPU cpu;
    EXPECT_EQ(cpu.GetProcessorCount(), 2);
    cpu.ReadConfig(Section({}));
    EXPECT_TRUE(cpu.Update());
    EXPECT_EQ(cpu.GetRawValue(), (67 + 25) / 2);
    EXPECT_TRUE(cpu.Update());
    EXPECT_EQ(cpu.GetRawValue(), (75 + 50) / 2);
    EXPECT_EQ(cpu.GetStringValue(), L"62");
    EXPECT_FALSE(cpu.Update());
    EXPECT_EQ(cpu.GetRawValue(), 0);
    EXPECT_TRUE(cpu.Update());
    EXPECT_EQ(cpu.GetRawValue(), 100);
}

TEST(MeasureCPU, FramesBadLengthsAndManyProcessors) {
    {
        FakeEnvironment env;
        env.processorCount = 1;
        env.cpuSamples = {{Times{50, 200, 0}}};
        CMeasureCPU cpu;
        cpu.ReadConfig(Section({{L"MakeFrame", L"2"}, {L"MaxFrame", L"20"}}));
        EXPECT_TRUE(cpu.Update());
        EXPECT_DOUBLE_EQ(cpu.GetRawValue(), 75.0 / 100.0 * 20.0);
    }
    {
        FakeEnvironment env;
        env.processorCount = 1;
        env.cpuSamples = {{Times{50, 200, 0}}};
        env.cpuReturnedOverride = 40;  // not a whole record
        CMeasureCPU cpu;
        EXPECT_FALSE(cpu.Update());
        EXPECT_EQ(cpu.GetRawValue(), 0);
    }
    {
        // More processors than any fixed buffer would hold: all are measured.
        FakeEnvironment env;
        env.processorCount = 40;
        env.cpuSamples = {std::vector<Times>(40, Times{0, 100, 0})};
        CMeasureCPU cpu;
        EXPECT_EQ(cpu.GetProcessorCount(), 40);
        EXPECT_TRUE(cpu.Update());
        EXPECT_EQ(cpu.GetRawValue(), 100);
    }
    {
        // No system-information function: the value stays as it was.
        FakeEnvironment env;
        env.processorCount = 0;
        CMeasureCPU cpu;
        EXPECT_TRUE(cpu.Update());
        EXPECT_EQ(cpu.GetRawValue(), 0);
    }
}

TEST(MeasureMemory, PartsTotalsAndPercentages) {
    FakeEnvironment env;
    env.memory.ullTotalPhys = 1000;
    env.memory.ullAvailPhys = 250;
    env.memory.ullTotalVirtual = 3000;
    env.memory.ullAvailVirtual = 1000;
    env.memory.ullTotalPageFile = 400;
    env.memory.ullAvailPageFile = 100;

    CMeasureMemory none;
    none.ReadConfig(Section({{L"Physical", L"0"}, {L"Virtual", L"0"}}));
    none.Update();
    EXPECT_EQ(none.GetRawValue(), 0);
    EXPECT_EQ(none.GetMaxValue(), 1);

    CMeasureMemory both;
    both.ReadConfig(Section({{L"Physical", L"1"}, {L"Virtual", L"1"}}));
    both.Update();
    EXPECT_EQ(both.GetMaxValue(), 4000);
    EXPECT_EQ(both.GetRawValue(), 750 + 2000);
    EXPECT_EQ(both.GetStringValue(), L"68");

    CMeasureMemory relative;
    relative.ReadConfig(Section({{L"Relative", L"1"}}));
    relative.Update();
    EXPECT_EQ(relative.GetRawValue(), 75);
    EXPECT_EQ(relative.GetStringValue(), L"75");

    CMeasureMemory total;
    total.ReadConfig(Section({{L"Total", L"2"}}));  // only exactly 1 counts
    total.Update();
    EXPECT_EQ(total.GetRawValue(), 750);

    CMeasurePhysicalMemory physical;
    physical.ReadConfig(Section({{L"Total", L"2"}}));  // any value but 0 counts here
    physical.Update();
    EXPECT_EQ(physical.GetRawValue(), 1000);

    CMeasureVirtualMemory page;
    page.ReadConfig(Section({{L"Relative", L"1"}}));
    page.Update();
    EXPECT_EQ(page.GetMaxValue(), 400);
    EXPECT_EQ(page.GetRawValue(), 75);

    env.memoryOk = false;
    page.Update();
    EXPECT_EQ(page.GetRawValue(), 75);  // a failed query keeps the value
}

TEST(MeasureDiskSpace, UnitsAndTexts) {
    const double giga = 1073741824.0;
    struct {
        const wchar_t* valueType;
        const wchar_t* unit;
        const wchar_t* relative;
        ULONGLONG total, free;
        const wchar_t* text;
    } cases[] = {
        {L"Total", L"Giga", L"0", (ULONGLONG)(150 * giga), 0, L"150"},
        {L"total", L"giga", L"0", (ULONGLONG)(12.34 * giga), 0, L"12.3"},
        {L"Free", L"Mega", L"0", 1ull << 40, 5ull << 20, L"5"},
        {L"Used", L"Kilo", L"0", 10240, 2048, L"8"},
        {L"Used", L"Byte", L"0", 1000, 1, L"999"},
        {L"Free", L"Giga", L"1", 1000, 250, L"25"},
        {L"Nonsense", L"Nonsense", L"0", (ULONGLONG)(2 * giga), 0, L"2.0"},
    };
    for (const auto& c : cases) {
        FakeEnvironment env;
        env.diskTotal = c.total;
        env.diskFree = c.free;
        CMeasureDiskSpace disk;
        disk.ReadConfig(Section({{L"ValueType", c.valueType}, {L"UnitType", c.unit}, {L"Relative", c.relative}}));
        EXPECT_EQ(disk.GetDriveName(), L"C:\\");
        disk.Update();
        EXPECT_EQ(disk.GetStringValue(), c.text) << CString(c.valueType) << L" " << CString(c.unit);
    }
}

TEST(MeasureDiskSpace, RemovableAndNetworkDrives) {
    FakeEnvironment env;
    env.diskTotal = 1000;
    env.driveType = DRIVE_REMOVABLE;
    CMeasureDiskSpace removable;
    removable.ReadConfig(Section({{L"DriveName", L"E:\\"}, {L"MaxValue", L"77"}}));
    removable.Update();
    EXPECT_EQ(removable.GetRawValue(), 0);
    EXPECT_EQ(removable.GetMaxValue(), 77);

    // A skin may not make the program reach for a network share.
    env.driveType = DRIVE_REMOTE;
    CMeasureDiskSpace unc;
    unc.ReadConfig(Section({{L"DriveName", L"\\\\server\\share\\"}}));
    unc.Update();
    EXPECT_EQ(unc.GetRawValue(), 0);
    EXPECT_TRUE(env.askedDrives.empty());
    EXPECT_FALSE(CMeasureDiskSpace::IsAllowedDriveName(L"\\\\?\\C:\\"));
    EXPECT_TRUE(CMeasureDiskSpace::IsAllowedDriveName(L"d:"));
}

TEST(MeasureBattery, UnknownReadsFull) {
    FakeEnvironment env;
    CMeasureBattery battery;
    battery.ReadConfig(Section({}));
    env.batteryPercent = 42;
    battery.Update();
    EXPECT_EQ(battery.GetStringValue(), L"42");
    env.batteryPercent = 255;
    battery.Update();
    EXPECT_EQ(battery.GetRawValue(), 100);
    EXPECT_EQ(battery.GetStringValue(), L"100");
}

TEST(MeasureTime, LocalZoneOffsetAndFormat) {
    FakeEnvironment env;
    env.now = 86400;  // 1970-01-02 00:00 local (TZ=UTC)
    struct {
        std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys;
        double value;
        bool local;
    } cases[] = {
        {{}, 86400, true},
        {{{L"TimeZone", L"+9"}, {L"TimeOffset", L"0"}, {L"DaylightSavingTime", L"0"}}, 86400 + 9 * 3600, false},
        {{{L"TimeZone", L"+9"}}, 86400, true},                       // no TimeOffset: local time
        {{{L"TimeZone", L"Local"}, {L"TimeOffset", L"60"}}, 86460, true},
        {{{L"TimeZone", L"-3.5"}, {L"TimeOffset", L"0"}}, 86400 - 3.5 * 3600, false},
        {{{L"TimeZone", L"Mars"}, {L"TimeOffset", L"0"}}, 86400, false},  // unknown: 0 hours
        {{{L"TimeZone", L"1e9"}, {L"TimeOffset", L"0"}}, 86400 + 48 * 3600, false},
        {{{L"Format", L"\"%#d"}}, 2, true},
        {{{L"Format", L"%d"}, {L"TimeOffset", L"3"}}, 5, true},
    };
    for (const auto& c : cases) {
        CInfoSection s(L"T");
        for (const auto& kv : c.keys) s.SetValue(kv.first, kv.second);
        CMeasureTime t;
        t.ReadConfig(s);
        t.Update();
        EXPECT_DOUBLE_EQ(t.GetRawValue(), c.value) << DumpSections(SkinDefinition());
        EXPECT_EQ(t.IsLocal(), c.local) << c.value;
    }

    // While daylight saving time is in effect its bias moves the zone.
    env.daylight = true;
    CMeasureTime summer;
    summer.ReadConfig(Section({{L"TimeZone", L"+9"}, {L"TimeOffset", L"0"}}));
    EXPECT_EQ(summer.GetOffset(), 9 * 3600 + 3600);
}

TEST(MeasureTime, Texts) {
    FakeEnvironment env;
    env.now = kDecember10 - 5 * 86400;  // the 5th
    CMeasureTime plain;
    plain.ReadConfig(Section({}));
    plain.Update();
    EXPECT_EQ(plain.GetStringValue(), L"09:30:15");

    CMeasureTime day;
    day.ReadConfig(Section({{L"Format", L"\"%#d"}}));
    day.Update();
    EXPECT_EQ(day.GetRawValue(), 5);
    EXPECT_EQ(day.GetStringValue(), L"5");

    struct tm local = {};
    env.ToLocal(env.now, local);
    EXPECT_EQ(CMeasureTime::FormatTime(L"%Y-%m-%d %#H%%%Q %", local), L"2026-12-05 9%%Q %");
}

TEST(MeasureCalendar, AbsoluteMonth) {
    FakeEnvironment env;
    env.now = kDecember10;
    CMeasureCalendar calendar;
    calendar.ReadConfig(Section({{L"Offset", L"-1"}}));
    calendar.Update();
    EXPECT_EQ(calendar.GetRawValue(), 2026 * 12 + 12 - 1);
    EXPECT_EQ(calendar.GetStringValue(), L"24323");
}

TEST(MeasureNumber, CountsAndStartsOver) {
    struct {
        const wchar_t* start;
        const wchar_t* end;
        const wchar_t* step;
        const wchar_t* refit;
        std::vector<int> values;
    } cases[] = {
        {L"0", L"3", L"1", L"1", {0, 1, 2, 3, 0, 1}},
        {L"5", L"5", L"1", L"1", {5, 5, 5}},
        {L"0", L"3", L"2", L"1", {0, 2, 0, 2}},
        {L"0", L"2", L"1", L"0", {0, 1, 2, 3, 4}},
        {L"2147483646", L"0", L"1", L"0", {2147483646, 2147483647, 2147483647}},
    };
    for (const auto& c : cases) {
        CMeasureNumber n;
        n.ReadConfig(Section({{L"Start", c.start}, {L"End", c.end}, {L"Step", c.step}, {L"Refit", c.refit}}));
        std::vector<int> got;
        for (size_t i = 0; i < c.values.size(); ++i) {
            n.Update();
            got.push_back((int)n.GetRawValue());
            EXPECT_TRUE(std::isfinite(n.GetRelativeValue()));
        }
        EXPECT_EQ(got, c.values) << CString(c.start) << L".." << CString(c.end);
    }
    CMeasureNumber n;
    n.ReadConfig(Section({{L"Start", L"1"}, {L"End", L"9"}}));
    EXPECT_EQ(n.GetMinValue(), 1);
    EXPECT_EQ(n.GetMaxValue(), 9);
    n.Update();
    EXPECT_EQ(n.GetStringValue(), L"1");
}

class CountDownTest : public ::testing::Test {
protected:
    std::unique_ptr<CMeasureCountDown> Make(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
        auto m = std::make_unique<CMeasureCountDown>();
        m->SetOwner(&host);
        CInfoSection s(L"Timer");
        for (const auto& kv : keys) s.SetValue(kv.first, kv.second);
        m->ReadConfig(s);
        return m;
    }
    FakeEnvironment env;
    FakeHost host{4, 4};
};

TEST_F(CountDownTest, PauseMovesTheTarget) {
    env.now = 1000;
    auto m = Make({{L"RemainTime", L"600"}});
    EXPECT_EQ(m->GetTarget(), 1600);
    env.now = 1100;
    m->Update();
    EXPECT_EQ(m->GetRawValue(), 500);
    m->Pause();
    env.now = 1700;  // ten minutes paused
    m->Update();
    EXPECT_EQ(m->GetRawValue(), 500);  // nothing moves while paused
    m->Resume();
    EXPECT_EQ(m->GetTarget(), 1600 + 600);
    m->Update();
    EXPECT_EQ(m->GetRawValue(), 500);
    m->Resume();  // not paused: nothing
    EXPECT_EQ(m->GetTarget(), 2200);
}

TEST_F(CountDownTest, FiresOnceAndCountsUp) {
    env.now = kDecember10;
    auto m = Make({{L"TargetYear", L"2026"}, {L"TargetMonth", L"12"}, {L"TargetDay", L"10"},
                   {L"TargetHour", L"9"}, {L"TargetMinute", L"0"}, {L"Command", L"HIDE"}});
    EXPECT_EQ(m->GetStringValue(), L"2026-12-10 09:00:00");
    m->Update();
    EXPECT_EQ(m->GetRawValue(), 30 * 60 + 15);
    env.now += 10;
    m->Update();
    EXPECT_EQ(m->GetRawValue(), 30 * 60 + 25);
    EXPECT_EQ(host.commands, std::vector<CString>{L"HIDE"});
    EXPECT_TRUE(env.opened.empty());

    // A command the window cannot run goes to the shell; a sound is played.
    host.handleCommands = false;
    auto shell = Make({{L"RemainTime", L"1"}, {L"Command", L"notepad.exe"}, {L"Label", L"Tea"}});
    auto sound = Make({{L"RemainTime", L"1"}, {L"Command", L"C:\\ding.wav"}});
    env.now += 1;
    shell->Update();
    sound->Update();
    EXPECT_EQ(env.opened, std::vector<CString>{L"notepad.exe"});
    EXPECT_EQ(env.sounds, std::vector<CString>{L"C:\\ding.wav"});
    EXPECT_EQ(shell->GetStringValue(), L"Tea");
}

TEST_F(CountDownTest, AlertFiresOnceEvenWhenTheCycleStepsOverIt) {
    env.now = 10000;
    env.existingFile = L"C:\\Zorel\\system\\res\\shutdown.wav";
    auto m = Make({{L"RemainTime", L"100"}, {L"AlertTime", L"60"}, {L"AlertBG", L"red.png"},
                   {L"Command", L"SHUTDOWN"}});
    for (int x : {-65, -55, -50, -30, 0, 5}) {
        env.now = 10100 + x;
        m->Update();
    }
    EXPECT_EQ(host.backgrounds, std::vector<CString>{L"C:\\Zorel\\skin\\widgets\\timer\\red.png"});
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(env.sounds, std::vector<CString>{L"C:\\Zorel\\system\\res\\shutdown.wav"});
    EXPECT_EQ(host.commands, std::vector<CString>{L"SHUTDOWN"});

    // An alert background that reaches outside the skin's folder is refused.
    env.now = 20000;
    auto unsafe = Make({{L"RemainTime", L"60"}, {L"AlertTime", L"60"}, {L"AlertBG", L"..\\..\\x.png"}});
    unsafe->Update();
    EXPECT_EQ(host.backgrounds.size(), 1u);
}

TEST_F(CountDownTest, RearmBySeconds) {
    env.now = kDecember10;
    auto m = Make({});
    m->SetRemainSeconds(0);
    EXPECT_EQ(m->GetStringValue(), L"2000-1-1 12:00:00");
    m->SetRemainSeconds(3600);
    EXPECT_EQ(m->GetTarget(), kDecember10 + 3600);
    EXPECT_EQ(m->GetStringValue(), L"2026-12-10 10:30:15");
}

// The user's profile as the settings hold it, put back at the end.
class UserSettings {
public:
    UserSettings() : m_saved(g_Settings) {}
    ~UserSettings() { g_Settings = m_saved; }
    void Set(int year, int month, int day, int calendar) {
        g_Settings.User.Enable = 1;
        g_Settings.BirthYear = year, g_Settings.BirthMonth = month, g_Settings.BirthDay = day;
        g_Settings.BirthCalendar = calendar;
    }

private:
    CSettings m_saved;
};

TEST(MeasureUser, BirthFactsFromTheSettings) {
    FakeEnvironment env;
    env.now = kDecember10;
    UserSettings settings;
    settings.Set(2000, 3, 15, 0);
    g_Settings.UserName = L"Kim";
    g_Settings.BirthHour = 7;
    g_Settings.BirthMinute = 5;
    CMeasureUser user;
    user.ReadConfig(Section({{L"AgeRevision", L"0"}}));
    EXPECT_TRUE(user.Update());
    EXPECT_EQ(user.m_Age, 26);
    EXPECT_EQ(user.m_AgeRevision, 0);
    EXPECT_EQ(user.m_LifetimeRevision, 1);
    EXPECT_EQ(user.m_LifetimeDays, 9766);
    EXPECT_EQ(user.m_DaysToBirthday, 21 + 31 + 28 + 15);
    EXPECT_EQ(user.m_ExactYears, 26);
    EXPECT_EQ(user.m_ExactMonths, 8);
    EXPECT_EQ(user.m_ExactDays, 30 - 5);  // November has 30 days
    EXPECT_EQ(user.GetStringValue(), L"Kim");
    EXPECT_EQ(user.GetSolarBirthKey(), L"2000_03_15_00_07_05");
    // 15 March 2000 is the tenth day of the second lunar month.
    EXPECT_EQ(user.GetLunarBirthKey(), L"2000_02_10_00_07_05");
}

TEST(MeasureUser, LunarBirthdaysGoThroughTheLunarCalendar) {
    FakeEnvironment env;
    env.now = kDecember10;
    UserSettings settings;
    g_Settings.BirthHour = 7;
    g_Settings.BirthMinute = 5;
    struct Case {
        const char* what;
        int year, month, day, calendar;
        int solarYear, solarMonth, solarDay, lifetimeDays;
        const wchar_t* lunarKey;
    } cases[] = {
        // The twelfth lunar month of 2009 began on 15 January 2010.
        {"in January of the next solar year", 2009, 12, 10, 1, 2010, 1, 24, 6164, L"2009_12_10_00_07_05"},
        {"in a leap month", 2012, 3, 1, 2, 2012, 4, 21, 5346, L"2012_03_01_01_07_05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings.Set(c.year, c.month, c.day, c.calendar);
        CMeasureUser user;
        user.Update();
        EXPECT_EQ(user.m_SolarYear, c.solarYear);
        EXPECT_EQ(user.m_SolarMonth, c.solarMonth);
        EXPECT_EQ(user.m_SolarDay, c.solarDay);
        EXPECT_EQ(user.m_LifetimeDays, c.lifetimeDays);
        EXPECT_EQ(user.m_Age, 2026 - c.solarYear);
        EXPECT_EQ(user.GetLunarBirthKey(), c.lunarKey);
        EXPECT_EQ(user.m_DaysToBirthday,
                  DaysUntilAnniversary(2026, 12, 10, c.month, c.day, TRUE, c.calendar == 2 ? TRUE : FALSE));

        CMeasureBiorhythm bio;
        bio.Update();
        EXPECT_EQ(bio.m_DaysLived, c.lifetimeDays);
    }
}

TEST(MeasureUser, OutsideTheLunarTableOrSwitchedOff) {
    FakeEnvironment env;
    env.now = kDecember10;
    UserSettings settings;
    // A lunar date the table cannot convert is kept as given, and a birthday
    // with no date to count to gives 0 rather than a huge count.
    settings.Set(2000, 1, 31, 1);
    CMeasureUser user;
    user.Update();
    EXPECT_EQ(user.m_SolarYear, 2000);
    EXPECT_EQ(user.m_SolarMonth, 1);
    EXPECT_EQ(user.m_SolarDay, 31);
    EXPECT_EQ(user.m_DaysToBirthday, 0);
    // Born before the table starts: the birthday still counts in this year.
    settings.Set(1800, 5, 5, 1);
    user.Update();
    EXPECT_EQ(user.m_SolarYear, 1800);
    EXPECT_EQ(user.m_DaysToBirthday, DaysUntilAnniversary(2026, 12, 10, 5, 5, TRUE, FALSE));

    // Switched off: nothing is computed.
    settings.Set(2000, 3, 15, 0);
    g_Settings.User.Enable = 0;
    CMeasureUser off;
    off.Update();
    EXPECT_EQ(off.m_LifetimeDays, 0);
    CMeasureBiorhythm bio;
    bio.Update();
    EXPECT_EQ(bio.m_DaysLived, 0);
}

// The shared day counts, as the user and time measures rely on them.
TEST(WidgetDates, DaysBetweenAndMonths) {
    EXPECT_EQ(GetDaysBetween(1970, 1, 1, 1970, 1, 2), 1);
    EXPECT_EQ(GetDaysBetween(2000, 1, 1, 2000, 3, 1), 60);
    EXPECT_EQ(GetDaysBetween(2000, 3, 1, 2000, 1, 1), -60);
    EXPECT_EQ(GetDaysBetween(1899, 12, 31, 2000, 1, 1), 0);
    EXPECT_EQ(GetDaysBetween(2000, 1, 1, 2401, 1, 1), 0);
    EXPECT_EQ(GetDaysBetween(1970, 1, 1, 1969, 12, 31), -1);
    EXPECT_EQ(GetDaysInMonth(2000, 2), 29);
    EXPECT_EQ(GetDaysInMonth(1900, 2), 28);
    EXPECT_EQ(GetDaysInMonth(2024, 2), 29);
    EXPECT_EQ(GetDaysInMonth(2023, 12), 31);
    EXPECT_EQ(GetDaysInMonth(2023, 13), 0);
}

}  // namespace
