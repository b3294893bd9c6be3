#include "ui/DateFieldLogic.h"
#include "ui/FontStaticLogic.h"
#include "ui/StateButtonLogic.h"

#include <gtest/gtest.h>

namespace {
SYSTEMTIME Date(int y, int m, int d) {
    SYSTEMTIME st = {};
    st.wYear = (WORD)y;
    st.wMonth = (WORD)m;
    st.wDay = (WORD)d;
    return st;
}
}  // namespace

TEST(DateFieldLogic, StepsTheFieldUnderTheCaret) {
    struct Case {
        const wchar_t* text; int caret; const wchar_t* picture; wchar_t sep; bool up;
        const wchar_t* result; int selStart, selEnd;
    } cases[] = {
        {L"2014-12-05", 6, L"yyyy-MM-dd", L'-', true, L"2014-01-05", 5, 7},   // month wraps up
        {L"2014-12-01", 9, L"yyyy-MM-dd", L'-', false, L"2014-12-31", 8, 10}, // day 01 down
        {L"2014-02-01", 9, L"yyyy-MM-dd", L'-', false, L"2014-02-31", 8, 10}, // in any month
        {L"9999-12-05", 2, L"yyyy-MM-dd", L'-', true, L"0000-12-05", 0, 4},   // four-digit year
        {L"12/05/99", 7, L"MM/dd/yy", L'/', true, L"12/05/00", 6, 8},         // two-letter year
        {L"1/5/2014", 0, L"M/d/yyyy", L'/', false, L"12/5/2014", 0, 2},       // one letter: no zeros
        {L"1/5/2014", 2, L"M/d/yyyy", L'/', true, L"1/6/2014", 2, 3},
        {L"2014-12-05", 6, L"yyyyMMdd", L'-', true, L"2014-01-05", 5, 7},     // no picture: 1-12, two digits
    };
    for (const Case& c : cases) {
        auto r = CDateFieldLogic::Step(c.text, c.caret, c.caret, c.sep, c.picture, c.up);
        EXPECT_EQ(CString(c.result), r.text) << c.text;
        EXPECT_EQ(c.selStart, r.selStart) << c.text;
        EXPECT_EQ(c.selEnd, r.selEnd) << c.text;
    }
}

TEST(DateFieldLogic, ClampsToTheRangeAndKeepsTheSelection) {
    SYSTEMTIME minDate = Date(2014, 12, 3), maxDate = Date(2015, 1, 10);
    auto r = CDateFieldLogic::Step(L"2014-12-03", 9, 9, L'-', L"yyyy-MM-dd", false, &minDate, &maxDate);
    EXPECT_TRUE(r.clamped);
    EXPECT_EQ(CString(L"2014-12-03"), r.text);
    EXPECT_EQ(9, r.selStart);
    r = CDateFieldLogic::Step(L"2015-01-10", 2, 2, L'-', L"yyyy-MM-dd", true, &minDate, &maxDate);
    EXPECT_TRUE(r.clamped);
    EXPECT_EQ(CString(L"2015-01-10"), r.text);
    r = CDateFieldLogic::Step(L"2015-01-05", 9, 9, L'-', L"yyyy-MM-dd", true, &minDate, &maxDate);
    EXPECT_FALSE(r.clamped);
    EXPECT_EQ(CString(L"2015-01-06"), r.text);
}

TEST(DateFieldLogic, ParsesOnlyRealDates) {
    SYSTEMTIME st;
    ASSERT_TRUE(CDateFieldLogic::Parse(L"2014-12-05", L"yyyy-MM-dd", &st));
    EXPECT_EQ(2014, st.wYear);
    EXPECT_EQ(12, st.wMonth);
    EXPECT_EQ(5, st.wDay);
    ASSERT_TRUE(CDateFieldLogic::Parse(L"5/12/49", L"d/M/yy", &st));
    EXPECT_EQ(2049, st.wYear);
    ASSERT_TRUE(CDateFieldLogic::Parse(L"5/12/50", L"d/M/yy", &st));
    EXPECT_EQ(1950, st.wYear);
    const wchar_t* bad[] = {L"2014-02-31", L"0000-12-05", L"2014-13-01", L"", L"abc", L"2014-12", L"2014-12-05-1",
                            L"2014x12-05", L"99999-1-1"};
    for (const wchar_t* text : bad)
        EXPECT_FALSE(CDateFieldLogic::Parse(text, L"yyyy-MM-dd", &st)) << text;
}

TEST(DateFieldLogic, FormatsByPicture) {
    EXPECT_EQ(CString(L"2014-01-05"), CDateFieldLogic::Format(Date(2014, 1, 5), L"yyyy-MM-dd"));
    EXPECT_EQ(CString(L"1/5/14"), CDateFieldLogic::Format(Date(2014, 1, 5), L"M/d/yy"));
    EXPECT_EQ(CString(L"05.01.2014 r."), CDateFieldLogic::Format(Date(2014, 1, 5), L"dd.MM.yyyy 'r.'"));
}

TEST(FontStaticLogic, StyleBitsOnlySwitchOn) {
    CFontStaticLogic s;
    s.ApplyFont(L"Tahoma", 14, RGB(1, 2, 3), 0x02);
    s.ApplyFont(L"Tahoma", 14, RGB(1, 2, 3), 0x01);
    EXPECT_EQ(1, s.m_bBold);
    EXPECT_EQ(1, s.m_bItalic);
    LOGFONT lf = s.MakeLogFont();
    EXPECT_EQ(900, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(RGB(1, 2, 3), s.m_crText);
}

TEST(FontStaticLogic, Alignment) {
    struct Case { DWORD style; UINT flag; } cases[] = {{0xA0, DT_CENTER}, {0x80, DT_RIGHT}, {0x20, DT_CENTER}, {0, DT_LEFT}};
    for (const Case& c : cases) {
        CFontStaticLogic s;
        s.ApplyFont(L"Tahoma", 12, 0, 0x80);  // an earlier alignment does not stay
        s.ApplyFont(L"Tahoma", 12, 0, c.style);
        UINT flags = s.DrawFlags();
        EXPECT_EQ(c.flag, flags & (DT_CENTER | DT_RIGHT)) << c.style;
        EXPECT_TRUE(flags & DT_WORDBREAK);
        EXPECT_TRUE(flags & DT_NOPREFIX);
    }
}

TEST(StateButtonLogic, OffsetColourStopsAtTheFirstChannel) {
    EXPECT_EQ(RGB(255, 105, 105), CStateButtonLogic::Offset(RGB(250, 100, 100), 20));
    EXPECT_EQ(RGB(150, 0, 0), CStateButtonLogic::Offset(RGB(250, 100, 100), -120));
    EXPECT_EQ(RGB(10, 20, 30), CStateButtonLogic::Offset(RGB(10, 20, 30), 0));
}

TEST(StateButtonLogic, ErrorCodesChangeNothing) {
    CStateButtonLogic b;
    b.SetColor(2, RGB(250, 100, 100));
    EXPECT_EQ(0, b.OffsetColor(2, 20));
    EXPECT_EQ(RGB(255, 105, 105), b.m_crColors[2]);
    EXPECT_EQ(3, b.OffsetColor(6, 20));
    EXPECT_EQ(3, b.OffsetColor(-1, 20));
    EXPECT_EQ(3, b.SetColor(6, 0));
    EXPECT_EQ(5, b.OffsetColor(2, 256));
    EXPECT_EQ(5, b.OffsetColor(2, -256));
    EXPECT_EQ(RGB(255, 105, 105), b.m_crColors[2]);
    EXPECT_EQ(4, b.SetAlign(4));
    EXPECT_EQ(0, b.m_byAlign);
    EXPECT_EQ(0, b.SetAlign(3));
    EXPECT_EQ(3, b.m_byAlign);
}

TEST(StateButtonLogic, GreyAndDarkerPixels) {
    EXPECT_EQ(RGB(76, 76, 76), CStateButtonLogic::GreyPixel(RGB(255, 0, 0)));
    EXPECT_EQ(RGB(191, 75, 0), CStateButtonLogic::DarkerPixel(RGB(255, 100, 0)));
}
