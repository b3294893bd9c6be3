// The pure logic of a day's schedule rows: their order, their kind and the
// D-day and time texts the schedule meter draws.
#include "calendar/ScheduleInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CScheduleInfo Row(int group, int key, int id) {
    CScheduleInfo r;
    r.m_nSortGroup = group;
    r.m_nSortKey = key;
    r.m_nId = id;
    return r;
}

std::vector<int> Ids(const std::vector<CScheduleInfo>& rows) {
    std::vector<int> ids;
    for (const CScheduleInfo& r : rows) ids.push_back(r.m_nId);
    return ids;
}

TEST(ScheduleRowOrder, GroupFirstThenKeyInTheDirectionOfTheSetting) {
    const std::vector<CScheduleInfo> rows = {Row(100, 0, 1), Row(0, 540, 2), Row(2, 3, 3), Row(0, 600, 4),
                                             Row(1, 7, 5), Row(0, 480, 6)};
    std::vector<CScheduleInfo> byTime = rows;
    CScheduleInfo::SortRows(byTime, true);
    EXPECT_EQ(Ids(byTime), (std::vector<int>{4, 2, 6, 5, 3, 1}));
    std::vector<CScheduleInfo> plain = rows;
    CScheduleInfo::SortRows(plain, false);
    EXPECT_EQ(Ids(plain), (std::vector<int>{6, 2, 4, 5, 3, 1}));
}

TEST(ScheduleRowOrder, CopyKeepsEveryField) {
    CScheduleInfo a = Row(2, 9, 0x10000001);
    a.m_bHasTime = 1;
    a.m_nHour = 8;
    a.m_nMinute = 5;
    a.m_nDays = -3;
    a.m_strTime = L"08:05";
    a.m_strText = L"x";
    a.m_bDayAnniversary = 1;
    a.m_nIcon = 4;
    a.m_bPassed = 1;
    a.m_bDone = 1;
    a.m_nMinutesLeft = -7;
    const CScheduleInfo b = a;
    EXPECT_EQ(b.m_nHour + b.m_nMinute + b.m_nDays + b.m_nIcon + b.m_nMinutesLeft, 8 + 5 - 3 + 4 - 7);
    EXPECT_EQ(b.m_strTime, CString(L"08:05"));
    EXPECT_EQ(b.m_nId, 0x10000001);
    EXPECT_TRUE(b.m_bHasTime && b.m_bDayAnniversary && b.m_bPassed && b.m_bDone);
    EXPECT_EQ(b.m_nSortGroup, 2);
    EXPECT_EQ(b.m_nSortKey, 9);
}

TEST(ScheduleRowKind, FlagsDecideInOrder) {
    struct Case {
        int special, passed, days, hasTime;
        CScheduleInfo::Kind kind;
    } cases[] = {
        {1, 1, 3, 1, CScheduleInfo::KindSpecialDay}, {0, 1, -3, 1, CScheduleInfo::KindDDayPassed},
        {0, 1, 0, 1, CScheduleInfo::KindTimeReached}, {0, 1, 0, 0, CScheduleInfo::KindAllDay},
        {0, 0, 5, 1, CScheduleInfo::KindDDayAhead},   {0, 0, 0, 1, CScheduleInfo::KindTimeAhead},
    };
    for (const Case& c : cases) {
        CScheduleInfo r;
        r.m_bDayAnniversary = c.special;
        r.m_bPassed = c.passed;
        r.m_nDays = c.days;
        r.m_bHasTime = c.hasTime;
        EXPECT_EQ(r.GetKind(), c.kind) << c.special << c.passed << c.days << c.hasTime;
    }
}

TEST(ScheduleRowTexts, DDayCount) {
    struct Case {
        int days, passed, includeToday;
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = {
        {-3, 1, 1, L"Trip", L"D + 4 Trip"},
        {-3, 1, 0, L"Trip", L"D + 3 Trip"},
        {5, 0, 1, L"Exam", L"D - 5 Exam"},
        {5, 0, 0, L"Two\r\nlines", L"D - 5 Two lines"},
    };
    for (const Case& c : cases) {
        CScheduleInfo r;
        r.m_nDays = c.days;
        r.m_bPassed = c.passed;
        r.m_strText = c.name;
        const CString format = c.passed ? L"D + #DDAYCOUNT# #DDAYNAME#" : L"D - #DDAYCOUNT# #DDAYNAME#";
        EXPECT_EQ(std::wstring((LPCTSTR)r.MakeDDayText(format, c.includeToday)), c.expected);
    }
}

TEST(ScheduleRowTexts, TimeLeftAndPast) {
    struct Case {
        const wchar_t* format;
        int minutes;
        const wchar_t* expected;
    } cases[] = {
        {L"+#h#:#M#", -75, L"+1:15"},
        {L"- #h#:#M#", 135, L"- 2:15"},
        {L"- #m#", 5, L"- 5"},
        {L"#H#h #M#m #h# #m#", 545, L"09h 05m 9 5"},
        {L"now #H#:#M#", 0, L"now 00:00"},
        {L"", 30, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring((LPCTSTR)CScheduleInfo::MakeTimeText(c.format, c.minutes)), c.expected) << c.format;
}

}  // namespace
