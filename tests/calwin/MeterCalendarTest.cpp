#include "widgets/MeterCalendar.h"
#include "widgets/WidgetEnvironment.h"

#include <gtest/gtest.h>

namespace {

// A clock stopped on one local day.
class TodayEnvironment : public CWidgetEnvironment {
public:
    TodayEnvironment(int year, int month, int day) : m_Year(year), m_Month(month), m_Day(day) {
        SetWidgetEnvironment(this);
    }
    ~TodayEnvironment() override { SetWidgetEnvironment(nullptr); }
    __time64_t Now() override { return 0; }
    bool ToLocal(__time64_t, struct tm& local) override {
        local = tm();
        local.tm_year = m_Year - 1900;
        local.tm_mon = m_Month - 1;
        local.tm_mday = m_Day;
        local.tm_hour = 12;
        return true;
    }

private:
    int m_Year, m_Month, m_Day;
};

CInfoSection Section(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
    CInfoSection section;
    for (const auto& k : keys)
        section.SetValue(k.first, k.second);
    return section;
}

}  // namespace

TEST(MeterCalendarTest, NavigationMovesTheShownMonthAndTheSimpleVariantStays) {
    TodayEnvironment today(2026, 12, 24);
    CMeterCalendar full(nullptr), previous(nullptr), simple(nullptr);
    full.ReadConfig(Section({{L"DAY_W", L"8"}, {L"DAY_H", L"12"}}));
    previous.ReadConfig(Section({{L"Offset", L"-1"}}));
    simple.ReadConfig(Section({{L"Type", L"simple"}, {L"DAY_W", L"8"}, {L"DAY_H", L"12"}}));
    for (int i = 0; i < 4; ++i)
        for (CMeterCalendar* m : {&full, &previous, &simple})
            m->MoveMonth(-1);
    for (CMeterCalendar* m : {&full, &previous, &simple})
        ASSERT_TRUE(m->Update());
    EXPECT_EQ(2026, full.GetShownYear());
    EXPECT_EQ(8, full.GetShownMonth());
    EXPECT_EQ(7, previous.GetShownMonth());
    EXPECT_TRUE(simple.ShowsToday());

    for (CMeterCalendar* m : {&full, &previous, &simple}) {
        m->ResetMonth();
        m->Update();
    }
    EXPECT_TRUE(full.ShowsToday());
    EXPECT_EQ(11, previous.GetShownMonth());

    // The simple variant's one cell is today's.
    int year = 0, month = 0, day = 0;
    ASSERT_EQ(1, simple.DayFromPoint(POINT{5, 5}, year, month, day));
    EXPECT_EQ(2026, year);
    EXPECT_EQ(12, month);
    EXPECT_EQ(24, day);
    EXPECT_EQ(0, simple.DayFromPoint(POINT{0, 5}, year, month, day));
}

TEST(MeterCalendarTest, DayUnderAPointOfTheShownMonth) {
    TodayEnvironment today(2026, 8, 10);  // August 2026 starts on a Saturday
    CMeterCalendar calendar(nullptr);
    calendar.ReadConfig(Section({{L"X", L"10"}, {L"Y", L"20"}, {L"DAY_W", L"8"}, {L"DAY_H", L"12"}}));
    ASSERT_TRUE(calendar.Update());
    EXPECT_EQ(31, calendar.GetDaysInShownMonth());
    EXPECT_EQ(7, calendar.GetFirstWeekday());
    int year = 0, month = 0, day = 0;
    RECT cell = {};
    // Day 1 sits in the Saturday column, day 2 opens the second row.
    ASSERT_EQ(1, calendar.DayFromPoint(POINT{10 + 6 * 16 + 3, 25}, year, month, day, &cell));
    EXPECT_EQ(1, day);
    EXPECT_EQ(8, month);
    EXPECT_EQ(2026, year);
    ASSERT_EQ(1, calendar.DayFromPoint(POINT{12, 35}, year, month, day));
    EXPECT_EQ(2, day);
    EXPECT_FALSE(calendar.HitTest(12, 25));  // before the first day
    EXPECT_TRUE(calendar.HitTest(12, 35));
    // Six rows: days 30 and 31 make the sixth.
    EXPECT_TRUE(calendar.HitTest(12, 20 + 5 * 12 + 5));
    EXPECT_FALSE(calendar.HitTest(12, 20 + 6 * 12 + 5));
}
