// The anniversary dialog on a real window from template 222, answered as a
// user would: what its boxes open with, what OK stores, the refusal of an
// empty text and the delete question.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"

#include "notes/DayinfoDlg.h"
#include "shell/ZMsgBox.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class DayinfoDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        SetMessageBoxAnswerer([this](const CString& text, int) {
            asked.push_back(text);
            return answer;
        });
    }
    void TearDown() override { SetMessageBoxAnswerer(nullptr); }

    // Runs the dialog; act works on it once it is shown and must end it.
    int Run(CDayinfoDlg& dialog, std::function<void(CDayinfoDlg&)> act) {
        CDayinfoDlg* shown = &dialog;
        WhenShown([shown, act] {
            if (shown->m_hWnd) act(*shown);
        });
        return (int)dialog.DoModal();
    }
    static CString Text(CDayinfoDlg& dialog, int id) {
        CString text;
        dialog.GetDlgItemText(id, text);
        return text;
    }
    static int Selection(CDayinfoDlg& dialog, int id) { return (int)dialog.SendDlgItemMessage(id, CB_GETCURSEL); }
    static void Click(CDayinfoDlg& dialog, int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    CScratchFolder scratch{L"dayinfo"};
    std::vector<CString> asked;
    int answer = IDYES;
};

}  // namespace

TEST_F(DayinfoDialogTest, MonthAndDayBoxesAreStoredAsTheirAbsoluteNumberWithinRange) {
    const struct {
        const wchar_t *month, *day;
        int storedMonth, storedDay;
    } cases[] = {{L"-5", L"24", 5, 24}, {L"13", L"40", 12, 31}, {L"abc", L"", 0, 0}};
    for (const auto& c : cases) {
        CDayinfoDlg dialog(nullptr, 0, nullptr);
        dialog.SetDate(12, 24);
        int result = Run(dialog, [&](CDayinfoDlg& d) {
            // Opened from the calendar's 24 December.
            EXPECT_EQ(CString(L"12"), Text(d, CDayinfoDlg::IDC_MONTH));
            EXPECT_EQ(CString(L"24"), Text(d, CDayinfoDlg::IDC_DAY));
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d.m_hWnd, CDayinfoDlg::IDC_DELETE)));
            // The number boxes take digits only from the keyboard; a paste
            // or a program can put anything there.
            ::SetWindowTextW(::GetDlgItem(d.m_hWnd, CDayinfoDlg::IDC_MONTH), c.month);
            ::SetWindowTextW(::GetDlgItem(d.m_hWnd, CDayinfoDlg::IDC_DAY), c.day);
            d.SetDlgItemText(CDayinfoDlg::IDC_TEXT, L"Birthday");
            Click(d, IDOK);
        });
        EXPECT_EQ(IDOK, result) << c.month;
        EXPECT_EQ(c.storedMonth, dialog.GetRecord().m_nMonth) << c.month;
        EXPECT_EQ(c.storedDay, dialog.GetRecord().m_nDay) << c.day;
        EXPECT_EQ(CString(L"Birthday"), dialog.GetRecord().m_strText);
    }
}

TEST_F(DayinfoDialogTest, AnEmptyTextIsRefusedAndTheDialogStays) {
    CDayinfoDlg dialog(nullptr, 0, nullptr);
    int result = Run(dialog, [&](CDayinfoDlg& d) {
        Click(d, IDOK);
        EXPECT_TRUE(::IsWindow(d.m_hWnd));
        ASSERT_EQ(1u, asked.size());
        EXPECT_EQ(CString(L"No information"), asked[0]);
        Click(d, CDayinfoDlg::IDC_CANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(DayinfoDialogTest, EditingOpensWithTheRecordAndStoresTheChangedChoices) {
    CDayInfo leap;
    leap.m_nMonth = 4;
    leap.m_nDay = 8;
    leap.m_bLunar = 1;
    leap.m_bLeap = 1;
    leap.m_nDaysBefore = 10;
    leap.m_nIcon = 3;
    leap.m_strText = L"Grandmother";
    CDayinfoDlg dialog(nullptr, CDayinfoDlg::ModeEdit, &leap);
    int result = Run(dialog, [&](CDayinfoDlg& d) {
        EXPECT_EQ(CDayinfoLogic::KindLeap, Selection(d, CDayinfoDlg::IDC_KIND));
        EXPECT_EQ(6, Selection(d, CDayinfoDlg::IDC_DAYS_BEFORE));  // "10 day(s) Before"
        EXPECT_EQ(3, Selection(d, CDayinfoDlg::IDC_ICON_LIST));
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(d.m_hWnd, CDayinfoDlg::IDC_DELETE)));
        d.SendDlgItemMessage(CDayinfoDlg::IDC_DAYS_BEFORE, CB_SETCURSEL, 0);  // "Not Use"
        d.SendDlgItemMessage(CDayinfoDlg::IDC_KIND, CB_SETCURSEL, CDayinfoLogic::KindLunar);
        Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, dialog.GetRecord().m_nDaysBefore);
    EXPECT_EQ(1, dialog.GetRecord().m_bLunar);
    EXPECT_EQ(0, dialog.GetRecord().m_bLeap);
    EXPECT_EQ(3, dialog.GetRecord().m_nIcon);
}

TEST_F(DayinfoDialogTest, DeleteAsksWithTheTextAndEndsWithTheDeleteResult) {
    CDayInfo record;
    record.m_nMonth = 1;
    record.m_nDay = 1;
    record.m_strText = L"New Year";
    for (int reply : {IDNO, IDYES}) {
        answer = reply;
        asked.clear();
        CDayinfoDlg dialog(nullptr, CDayinfoDlg::ModeEdit, &record);
        int result = Run(dialog, [&](CDayinfoDlg& d) {
            Click(d, CDayinfoDlg::IDC_DELETE);
            if (::IsWindow(d.m_hWnd) && reply == IDNO) Click(d, CDayinfoDlg::IDC_CANCEL);
        });
        ASSERT_EQ(1u, asked.size());
        EXPECT_EQ(CString(L"\"New Year\" Do you want to Delete?"), asked[0]);
        EXPECT_EQ(reply == IDYES ? (int)CDayinfoDlg::DeleteResult : IDCANCEL, result);
    }
}
