// The schedule manager's cells for each kind of alarm, without a window.
#include "calendar/AlarmSetLogic.h"
#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
void FillTexts() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
}

CAlarmInfo Alarm(int kind, std::function<void(CAlarmInfo&)> more = nullptr) {
    CAlarmInfo a;
    a.m_nKind = kind;
    a.m_nYear = 2014, a.m_nMonth = 3, a.m_nDay = 5, a.m_nHour = 7, a.m_nMinute = 5;
    if (more) more(a);
    return a;
}
}  // namespace

TEST(AlarmSetLogic, KindColumn) {
    FillTexts();
    struct Case {
        CAlarmInfo alarm;
        CString text;
        int image;
    } cases[] = {
        {Alarm(0), L"Notice Everyday", 0},
        {Alarm(1), L"Notice Once", 1},
        {Alarm(1, [](CAlarmInfo& a) { a.m_bEnabled = 0; }), L"Notice Once", 9},
        {Alarm(2), L"Specific Day (2014/03/05)", 2},
        {Alarm(2, [](CAlarmInfo& a) { a.m_bDDay = 1, a.m_bEnabled = 0; }), L"D-day(2014/03/05)", 10},
        {Alarm(3, [](CAlarmInfo& a) { a.m_nDayValue = 0x14; }), L"[ Tue Thu ]", 3},
        {Alarm(3, [](CAlarmInfo& a) { a.m_nDayValue = 0x41; }), g_LanguageTable[10028], 3},
        {Alarm(3, [](CAlarmInfo& a) { a.m_nDayValue = 0x3E; }), g_LanguageTable[10029], 3},
        {Alarm(3, [](CAlarmInfo& a) { a.m_bEnabled = 0, a.m_nDayValue = 1; }), L"[ Sun ]", 3},
        {Alarm(4, [](CAlarmInfo& a) { a.m_nEndDate = MakeDateCode(2015, 1, 9); }), L"2014/03/05~2015/01/09", 4},
        {Alarm(5, [](CAlarmInfo& a) { a.m_nDayValue = 32; }), g_LanguageTable[10038], 5},
        {Alarm(5, [](CAlarmInfo& a) { a.m_nDayValue = 15; }), L"Notice every 15-day", 5},
        {Alarm(6, [](CAlarmInfo& a) { a.m_nWeekMonth = 0, a.m_nWeekNumber = 1, a.m_nWeekDay = 2; }),
         L"Every Month Second Tuesday", 6},
        {Alarm(6, [](CAlarmInfo& a) { a.m_nWeekMonth = 12, a.m_nWeekNumber = 0, a.m_nWeekDay = 0; }),
         L"December First Sunday", 6},
        {Alarm(7, [](CAlarmInfo& a) { a.m_nDayValue = 3; }), L"2014/03/05~Every 3 Days", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alarm.m_nKind);
        EXPECT_EQ(CAlarmSetLogic::KindText(c.alarm), c.text);
        EXPECT_EQ(CAlarmSetLogic::KindImage(c.alarm), c.image);
    }
}

TEST(AlarmSetLogic, TimeContentsAndDoneColumns) {
    FillTexts();
    EXPECT_EQ(CAlarmSetLogic::TimeText(Alarm(0)), CString(L"07(h) 05(m)"));
    EXPECT_EQ(CAlarmSetLogic::TimeText(Alarm(0, [](CAlarmInfo& a) { a.m_nTimeMode = 2; })), g_LanguageTable[10040]);
    EXPECT_EQ(CAlarmSetLogic::ContentsText(Alarm(0, [](CAlarmInfo& a) { a.m_strContents = L"milk\r\neggs\r\n"; })),
              CString(L"milk/eggs/"));
    EXPECT_EQ(CAlarmSetLogic::ContentsText(Alarm(0, [](CAlarmInfo& a) {
                  a.m_strContents = L"ignored";
                  a.m_strMemoFile = L"note.rtf";
              })),
              g_LanguageTable[10010]);
    EXPECT_EQ(CAlarmSetLogic::DoneImage(Alarm(0)), 16);
    EXPECT_EQ(CAlarmSetLogic::DoneImage(Alarm(0, [](CAlarmInfo& a) { a.m_bDone = 1; })), 17);
    EXPECT_EQ(CAlarmSetLogic::HeaderText(3), CString());
}
