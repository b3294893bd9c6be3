#include "calendar/DayinfoLogic.h"

#include <gtest/gtest.h>

TEST(DayinfoLogicTest, MonthAndDayTextsAreReadAsTheBoxesMeanThem) {
    struct Case {
        const wchar_t* month;
        const wchar_t* day;
        int storedMonth, storedDay;
    } cases[] = {
        {L"-5", L"3", 5, 3},
        {L"13", L"32", 12, 31},
        {L"abc", L"", 0, 0},
        {L"2", L"31", 2, 31},   // stored as typed; the marks refuse the day
        {L"0", L"0", 0, 0},
        {L"-99999999999999999999", L"7x", 12, 7},
    };
    for (const Case& c : cases) {
        CDayInfo record;
        CDayinfoLogic::Form form = CDayinfoLogic::FromRecord(record);
        form.text = L"Birthday";
        form.monthText = c.month;
        form.dayText = c.day;
        ASSERT_EQ(0, CDayinfoLogic::Apply(form, record));
        EXPECT_EQ(c.storedMonth, record.m_nMonth) << (const wchar_t*)c.month;
        EXPECT_EQ(c.storedDay, record.m_nDay) << (const wchar_t*)c.day;
    }
}

TEST(DayinfoLogicTest, EmptyTextIsRefusedAndTheRecordKept) {
    CDayInfo record;
    record.m_strText = L"Old";
    record.m_nMonth = 3;
    CDayinfoLogic::Form form = CDayinfoLogic::FromRecord(record);
    form.text = L"";
    form.monthText = L"7";
    EXPECT_EQ(CDayinfoLogic::TextNoInformation, CDayinfoLogic::Apply(form, record));
    EXPECT_EQ(L"Old", record.m_strText);
    EXPECT_EQ(3, record.m_nMonth);
}

TEST(DayinfoLogicTest, CalendarKindRoundTrips) {
    struct Case {
        BYTE lunar, leap;
        int kind;
    } cases[] = {{0, 0, CDayinfoLogic::KindSolar}, {1, 0, CDayinfoLogic::KindLunar}, {1, 1, CDayinfoLogic::KindLeap}};
    for (const Case& c : cases) {
        CDayInfo record;
        record.m_strText = L"x";
        record.m_bLunar = c.lunar;
        record.m_bLeap = c.leap;
        CDayinfoLogic::Form form = CDayinfoLogic::FromRecord(record);
        EXPECT_EQ(c.kind, form.kind);
        CDayInfo stored;
        ASSERT_EQ(0, CDayinfoLogic::Apply(form, stored));
        EXPECT_EQ(c.lunar, stored.m_bLunar);
        EXPECT_EQ(c.leap, stored.m_bLeap);
    }
}

TEST(DayinfoLogicTest, DaysBeforeFollowsTheListPosition) {
    CDayInfo record;
    record.m_strText = L"x";
    record.m_nDaysBefore = 10;
    CDayinfoLogic::Form form = CDayinfoLogic::FromRecord(record);
    EXPECT_EQ(6, form.daysBefore);
    form.daysBefore = 0;  // "Not Use"
    ASSERT_EQ(0, CDayinfoLogic::Apply(form, record));
    EXPECT_EQ(0, record.m_nDaysBefore);

    record.m_nDaysBefore = 4;  // no list position holds 4: nothing selected, kept
    form = CDayinfoLogic::FromRecord(record);
    EXPECT_EQ(-1, form.daysBefore);
    ASSERT_EQ(0, CDayinfoLogic::Apply(form, record));
    EXPECT_EQ(4, record.m_nDaysBefore);

    form.daysBefore = 12;
    ASSERT_EQ(0, CDayinfoLogic::Apply(form, record));
    EXPECT_EQ(90, record.m_nDaysBefore);
}
