// The date control's month names: written and read back by the short date
// picture's MMM and MMMM, and counted up and down with the arrow keys.
#include "TestFiles.h"
#include "shell/LanguageTable.h"
#include "ui/DateFieldLogic.h"

#include <gtest/gtest.h>

namespace {
struct MonthNames : ::testing::Test {
    void SetUp() override {
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    }
};
}  // namespace

TEST_F(MonthNames, WrittenByThePicture) {
    struct Case {
        const wchar_t* picture;
        const wchar_t* text;
    } cases[] = {
        {L"dd-MMM-yyyy", L"05-Mar-2014"},
        {L"MMMM d, yyyy", L"March 5, 2014"},
        {L"d/M/yy", L"5/3/14"},
        {L"yyyy'MMM'MM", L"2014MMM03"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDateFieldLogic::Format(MakeSystemTime(2014, 3, 5), c.picture), CString(c.text)) << c.picture;
}

TEST_F(MonthNames, ReadBack) {
    struct Case {
        const wchar_t* text;
        const wchar_t* picture;
        bool ok;
        int month;
    } cases[] = {
        {L"05-Mar-2014", L"dd-MMM-yyyy", true, 3},   {L"05-mar-2014", L"dd-MMM-yyyy", true, 3},
        {L"5 June 2014", L"d MMM yyyy", true, 6},    {L"December 31, 2014", L"MMMM d, yyyy", true, 12},
        {L"05-Mxr-2014", L"dd-MMM-yyyy", false, 0},  {L"05-03-2014", L"dd-MMM-yyyy", true, 3},
        {L"31-Feb-2014", L"dd-MMM-yyyy", false, 0},  {L"05-Mar-2014", L"dd-MM-yyyy", false, 0},
    };
    for (const Case& c : cases) {
        SYSTEMTIME date = {};
        EXPECT_EQ(CDateFieldLogic::Parse(c.text, c.picture, &date), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(date.wMonth, c.month) << c.text;
        }
    }
    for (int m = 1; m <= 12; ++m) {
        SYSTEMTIME date = {}, day = MakeSystemTime(2014, m, 1);
        ASSERT_TRUE(CDateFieldLogic::Parse(CDateFieldLogic::Format(day, L"d MMM yyyy"), L"d MMM yyyy", &date)) << m;
        EXPECT_EQ(date.wMonth, m);
    }
}

TEST_F(MonthNames, ArrowKeysStepTheNamedMonth) {
    CDateFieldLogic::StepResult up = CDateFieldLogic::Step(L"05-Dec-2014", 4, 4, L'-', L"dd-MMM-yyyy", true);
    EXPECT_EQ(up.text, CString(L"05-Jan-2014"));
    CDateFieldLogic::StepResult down = CDateFieldLogic::Step(L"05-Mar-2014", 4, 4, L'-', L"dd-MMM-yyyy", false);
    EXPECT_EQ(down.text, CString(L"05-Feb-2014"));
    EXPECT_EQ(down.selStart, 3);
    EXPECT_EQ(down.selEnd, 6);
}
