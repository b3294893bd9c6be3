#include "ControlHost.h"
#include "ui/DateTimeEditCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SYSTEMTIME Date(int y, int m, int d) {
    SYSTEMTIME st = {};
    st.wYear = (WORD)y;
    st.wMonth = (WORD)m;
    st.wDay = (WORD)d;
    return st;
}

struct DateFixture : ::testing::Test {
    CControlHost& host = SharedHost();
    CDateTimeEditCtrl date;
    void SetUp() override {
        CDateTimeEditCtrl::SetLocaleFormat(L'-', L"yyyy-MM-dd");
        ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(20, 300, 180, 322), &host, 601));
        SYSTEMTIME st = Date(2014, 12, 5);
        ASSERT_EQ(1, (int)date.SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st));
    }
    void TearDown() override { CDateTimeEditCtrl::ReadLocaleFormat(); }
    CString Text() { return date.GetEditBox()->GetWindowText(); }
    void Caret(int pos) { date.GetEditBox()->SendMessage(EM_SETSEL, pos, pos); }
    void Key(UINT key) { date.GetEditBox()->SendMessage(WM_KEYDOWN, key, 0); }
    int Changes() {
        int n = 0;
        for (int c : host.notifyCodes) n += c == (int)DTN_DATETIMECHANGE;
        return n;
    }
};

}  // namespace

TEST_F(DateFixture, UpOnTheMonthWrapsAndSelectsIt) {
    EXPECT_EQ(CString(L"2014-12-05"), Text());
    Caret(6);
    Key(VK_UP);
    EXPECT_EQ(CString(L"2014-01-05"), Text());
    DWORD s = 0, e = 0;
    date.GetEditBox()->SendMessage(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ(5u, s);
    EXPECT_EQ(7u, e);
    EXPECT_EQ(1, Changes());
    SYSTEMTIME st = {};
    EXPECT_EQ(GDT_VALID, (int)date.SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)&st));
    EXPECT_EQ(1, st.wMonth);
}

TEST_F(DateFixture, YearWrapsAndDayDownFromOne) {
    date.GetEditBox()->SetWindowText(L"9999-02-01");
    Caret(1);
    Key(VK_UP);
    EXPECT_EQ(CString(L"0000-02-01"), Text());
    Caret(9);
    Key(VK_DOWN);
    EXPECT_EQ(CString(L"0000-02-31"), Text());
}

TEST_F(DateFixture, UnparsableTextIsAnErrorNotValid) {
    date.GetEditBox()->SetWindowText(L"2014-02-31");
    SYSTEMTIME st = Date(1999, 1, 1);
    EXPECT_EQ(GDT_ERROR, (int)date.SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)&st));
    EXPECT_EQ(1999, st.wYear);  // left as it was
    EXPECT_FALSE(date.IsValidDateText());
    SYSTEMTIME now;
    GetLocalTime(&now);
    SYSTEMTIME got;
    date.GetTime(&got);
    EXPECT_EQ(now.wYear, got.wYear) << "out-of-range values fall back to today";
    date.GetEditBox()->SetWindowText(L"");
    EXPECT_EQ(GDT_NONE, (int)date.SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)&st));
    // A typed character reports the change; a text that is no date as an error.
    host.notifyCodes.clear();
    host.messages.clear();
    date.GetEditBox()->SendMessage(WM_CHAR, 'x', 0);
    EXPECT_EQ(1, Changes());
    // Setting a display format is refused, without an exception escaping.
    EXPECT_EQ(0, (int)date.SendMessage(DTM_SETFORMATW, 0, (LPARAM)L"yyyy"));
}

TEST_F(DateFixture, StepsStopAtTheRange) {
    SYSTEMTIME range[2] = {Date(2014, 12, 3), Date(2015, 1, 10)};
    date.SendMessage(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, (LPARAM)range);
    date.GetEditBox()->SetWindowText(L"2014-12-03");
    date.GetEditBox()->SendMessage(EM_SETSEL, 8, 10);
    Key(VK_DOWN);
    EXPECT_EQ(CString(L"2014-12-03"), Text());
    DWORD s = 0, e = 0;
    date.GetEditBox()->SendMessage(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    EXPECT_EQ(8u, s);
    EXPECT_EQ(10u, e);
    SYSTEMTIME out[2] = {};
    EXPECT_EQ(GDTR_MIN | GDTR_MAX, (int)date.SendMessage(DTM_GETRANGE, 0, (LPARAM)out));
    EXPECT_EQ(2015, out[1].wYear);
}

TEST_F(DateFixture, EscapeOnTheButtonRestoresTheText) {
    date.SendMessage(WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), (LPARAM)date.GetButton()->m_hWnd);
    ASSERT_TRUE(date.IsCalendarOpen());
    HWND cal = (HWND)date.SendMessage(DTM_GETMONTHCAL);
    ASSERT_NE(nullptr, cal);
    EXPECT_NE(0, std::count(host.notifyCodes.begin(), host.notifyCodes.end(), (int)DTN_DROPDOWN));
    // A new day chosen in the calendar shows at once...
    NMSELCHANGE sel = {};
    sel.nmhdr.hwndFrom = cal;
    sel.nmhdr.idFrom = 3;
    sel.nmhdr.code = MCN_SELCHANGE;
    sel.stSelStart = sel.stSelEnd = Date(2014, 12, 20);
    SendMessageW(GetParent(cal), WM_NOTIFY, 3, (LPARAM)&sel);
    EXPECT_EQ(CString(L"2014-12-20"), Text());
    // ...and Escape puts back the text from before the calendar opened.
    date.GetButton()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(date.IsCalendarOpen());
    EXPECT_EQ(CString(L"2014-12-05"), Text());
    EXPECT_NE(0, std::count(host.notifyCodes.begin(), host.notifyCodes.end(), (int)DTN_CLOSEUP));

    // Clicking a day keeps it.
    date.SendMessage(WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), (LPARAM)date.GetButton()->m_hWnd);
    cal = (HWND)date.SendMessage(DTM_GETMONTHCAL);
    ASSERT_NE(nullptr, cal);
    sel.nmhdr.hwndFrom = cal;
    sel.nmhdr.code = MCN_SELECT;
    sel.stSelStart = Date(2014, 12, 24);
    SendMessageW(GetParent(cal), WM_NOTIFY, 3, (LPARAM)&sel);
    PumpWaiting();
    EXPECT_FALSE(date.IsCalendarOpen());
    EXPECT_EQ(CString(L"2014-12-24"), Text());
}

TEST(DateTimeTemplate, ATemplateControlMakesTheSameChildren) {
    CControlHost& host = SharedHost();
    CDateTimeEditCtrl::SetLocaleFormat(L'-', L"yyyy-MM-dd");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    HWND raw = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE, 200, 300, 160, 22, host, (HMENU)602,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, raw);
    {
        CDateTimeEditCtrl date;
        ASSERT_TRUE(date.SubclassWindow(raw));
        PumpWaiting();
        ASSERT_NE(nullptr, date.GetEditBox()->m_hWnd);
        EXPECT_EQ(602, date.GetDlgCtrlID());
        EXPECT_NE(nullptr, date.GetButton()->m_hWnd);
        SYSTEMTIME st = {};
        st.wYear = 2020;
        st.wMonth = 2;
        st.wDay = 29;
        EXPECT_EQ(1, (int)date.SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st));
        EXPECT_EQ(CString(L"2020-02-29"), date.GetEditBox()->GetWindowText());
    }
    CDateTimeEditCtrl::ReadLocaleFormat();
}

TEST_F(DateFixture, ReadOnlyStyleStopsTheArrowsAndTheButton) {
    date.ModifyStyle(0, 0x800);
    EXPECT_TRUE(date.GetEditBox()->GetStyle() & ES_READONLY);
    EXPECT_FALSE(date.GetButton()->IsWindowEnabled());
    Caret(6);
    Key(VK_UP);
    EXPECT_EQ(CString(L"2014-12-05"), Text());
    date.ModifyStyle(0x800, 0);
    EXPECT_FALSE(date.GetEditBox()->GetStyle() & ES_READONLY);
    EXPECT_TRUE(date.GetButton()->IsWindowEnabled());
}
