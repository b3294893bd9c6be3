// Message box types and answers, the find box's flags and placement, and the
// time picker's cell colours.
#include "shell/ShellIds.h"
#include "shell/SmallDialogLogic.h"

#include <gtest/gtest.h>

TEST(MsgBoxLogicTest, TypesAndAnswers) {
    MsgBoxLayout notice = GetMsgBoxLayout(-1);
    EXPECT_FALSE(notice.secondButton);
    EXPECT_EQ(notice.icon, IDI_WARNING);
    EXPECT_EQ(notice.firstTextId, 23);
    MsgBoxLayout question = GetMsgBoxLayout(4);
    EXPECT_TRUE(question.secondButton);
    EXPECT_EQ(question.icon, IDI_QUESTION);
    EXPECT_EQ(question.firstTextId, 29);
    EXPECT_EQ(question.secondTextId, 30);
    EXPECT_EQ(GetMsgBoxResult(IDOK), 6);
    EXPECT_EQ(GetMsgBoxResult(IDCANCEL), 7);
}

TEST(FindLogicTest, Flags) {
    EXPECT_EQ(MakeFindFlags(true, true, true), 7);
    EXPECT_EQ(MakeFindFlags(true, false, false), 1);
    EXPECT_EQ(MakeFindFlags(false, true, true), 6);
    EXPECT_EQ(MakeFindFlags(false, false, true), 4);
}

TEST(FindLogicTest, OpensUnderTheOwnerAndStaysOnTheDesktop) {
    RECT desktop = {0, 0, 1280, 1024};
    RECT middle = {100, 100, 400, 300};
    POINT pt = PlaceBelowOwner(desktop, middle, 200, 80);
    EXPECT_EQ(pt.x, 100);
    EXPECT_EQ(pt.y, 300);
    RECT nearBottom = {1200, 900, 1270, 1000};
    pt = PlaceBelowOwner(desktop, nearBottom, 200, 80);
    EXPECT_EQ(pt.x, 1080);
    EXPECT_EQ(pt.y, 944);
}

TEST(TimeCellTest, Colours) {
    CellColors hour = GetHourCellColors(true);
    EXPECT_EQ(hour.text, 0x00FFFFE6u);
    EXPECT_EQ(hour.fill, 0x00FF3232u);
    EXPECT_TRUE(hour.border);
    hour = GetHourCellColors(false);
    EXPECT_EQ(hour.text, 0x00FF3232u);
    EXPECT_EQ(hour.fill, 0x00FFFFC8u);
    EXPECT_FALSE(hour.border);
    EXPECT_EQ(GetMinuteCellColors(15, false).text, 0x000000FFu);  // red caption
    EXPECT_EQ(GetMinuteCellColors(16, false).text, 0x00323232u);  // grey
    EXPECT_EQ(GetMinuteCellColors(0, false).fill, 0x00DCFFFFu);
    CellColors minute = GetMinuteCellColors(16, true);
    EXPECT_EQ(minute.text, 0x00C80000u);
    EXPECT_EQ(minute.fill, 0x0096FA96u);
    EXPECT_TRUE(minute.border);
}

TEST(TimeCellTest, NowAt2359) {
    // Tests run with TZ=UTC.
    struct tm t = {};
    t.tm_year = 2014 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 23;
    t.tm_min = 59;
    t.tm_isdst = -1;
    time_t when = mktime(&t);
    int hour = 0, minute = 0;
    GetLocalHourMinute(when, hour, minute);
    EXPECT_EQ(hour, 23);
    EXPECT_EQ(minute, 59);
    GetLocalHourMinute((time_t)-1, hour, minute);
    EXPECT_EQ(hour, -1);
    EXPECT_EQ(minute, -1);
}
