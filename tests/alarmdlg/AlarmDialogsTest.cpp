// The alarm dialog and the schedule manager on real windows from the
// program's templates, over a real alarm store; message boxes and the modal
// alarm dialog are answered by the tests.
#include "AlarmDialogTestSupport.h"
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "notes/AlarmSetDlg.h"
#include "shell/Settings.h"
#include "shell/ZMsgBox.h"

#include <commctrl.h>

namespace {
class AlarmDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        host = std::make_unique<CTestAlarmHost>(scratch.Path());
        SetMessageBoxAnswerer([this](const CString& text, int) {
            boxes.push_back(text);
            return answer;
        });
        CAlarmInfo::SetDefaults(AlarmDefaults());
    }
    void TearDown() override {
        SetMessageBoxAnswerer(nullptr);
        CAlarmInfo::SetDefaults(AlarmDefaults());
    }
    CAlarmInfo& Add(int kind, const wchar_t* contents, std::function<void(CAlarmInfo&)> more = nullptr) {
        CAlarmInfo a;
        a.m_nKind = kind;
        a.m_nYear = 2014, a.m_nMonth = 3, a.m_nDay = 5, a.m_nHour = 8, a.m_nMinute = 0;
        a.m_strContents = contents;
        if (more) more(a);
        return host->store.AddAlarm(a);
    }
    CString StoredFile() const { return scratch.Path() + L"schedule_data\\schedule_data.zra"; }

    CScratchFolder scratch{L"alarm-dialogs"};
    std::unique_ptr<CTestAlarmHost> host;
    std::vector<CString> boxes;
    int answer = IDYES;
};

int ComboSel(CWnd& dialog, int id) { return (int)dialog.SendDlgItemMessage(id, CB_GETCURSEL); }
bool Visible(CWnd& dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog.m_hWnd, id)) != FALSE; }
bool Enabled(CWnd& dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE; }
}  // namespace

TEST_F(AlarmDialogs, OkRemembersWhatTheNextNewAlarmStartsWith) {
    CAddAlarmDlg first(*host, nullptr, CString());
    int result = RunAddAlarmDialog(first, [](CAddAlarmDlg& d) {
        CAddAlarmLogic::Form f = d.ReadControls();
        f.kind = 5;
        f.style = 3;
        f.advance = 4;
        d.WriteControls(f);
        d.SetDlgItemText(CAddAlarmDlg::IDC_SOUND, L"C:\\sounds\\bell.wav");
        d.OnOK();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(first.GetRecord().m_nKind, 5);
    EXPECT_EQ(first.GetRecord().m_nHour, 9);
    EXPECT_EQ(first.GetRecord().m_nMinute, 30);

    CAddAlarmDlg second(*host, nullptr, CString());
    CAddAlarmLogic::Form seen;
    RunAddAlarmDialog(second, [&seen](CAddAlarmDlg& d) {
        seen = d.ReadControls();
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(seen.kind, 5);
    EXPECT_EQ(seen.style, 3);
    EXPECT_EQ(seen.advance, 4);
    EXPECT_EQ(second.GetRecord().m_strSound, CString(L"C:\\sounds\\bell.wav"));
    EXPECT_EQ(g_Settings.Alarm.DefaultType, 5);
    EXPECT_EQ(g_Settings.Alarm.BeforeAlarm, 10);
}

TEST_F(AlarmDialogs, OpeningAStoredAlarmShowsItsValues) {
    CAlarmInfo stored = Add(7, L"water the plants", [](CAlarmInfo& a) {
        a.m_nDayValue = 0;
        a.m_nAdvance = -30;
        a.m_nNoticeStyle = -1;
    });
    CAddAlarmDlg dialog(*host, &stored, CString());
    CString interval, title;
    int advance = 0, style = 0;
    bool dateShown = false, deleteShown = false, weekdaysShown = true;
    int result = RunAddAlarmDialog(dialog, [&](CAddAlarmDlg& d) {
        interval = d.GetDlgItemText(CAddAlarmDlg::IDC_INTERVAL);
        advance = ComboSel(d, CAddAlarmDlg::IDC_ADVANCE);
        style = ComboSel(d, CAddAlarmDlg::IDC_STYLE);
        dateShown = Visible(d, CAddAlarmDlg::IDC_DATE);
        weekdaysShown = Visible(d, CAddAlarmDlg::IDC_MONDAY);
        deleteShown = Visible(d, CAddAlarmDlg::IDC_DELETE);
        d.GetWindowText(title);
        d.SetDlgItemText(CAddAlarmDlg::IDC_INTERVAL, L"4");
        d.OnOK();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(interval, CString(L"2"));
    EXPECT_EQ(advance, -1);
    EXPECT_EQ(style, 0);
    EXPECT_TRUE(dateShown);
    EXPECT_FALSE(weekdaysShown);
    EXPECT_TRUE(deleteShown);
    EXPECT_EQ(title, CString(L"Edit schedule"));
    EXPECT_EQ(dialog.GetRecord().m_nAdvance, 0);
    EXPECT_EQ(dialog.GetRecord().m_nNoticeStyle, -1);
    EXPECT_EQ(dialog.GetRecord().m_nDayValue, 4);
    EXPECT_EQ(dialog.GetRecord().m_strContents, CString(L"water the plants"));
}

TEST_F(AlarmDialogs, RefusedOkKeepsTheDialogOpenWithItsMessage) {
    CAddAlarmDlg dialog(*host, nullptr, CString());
    bool stillOpen = false;
    int result = RunAddAlarmDialog(dialog, [&](CAddAlarmDlg& d) {
        CAddAlarmLogic::Form f = d.ReadControls();
        f.kind = 3;
        f.weekdayMask = 0;
        d.WriteControls(f);
        d.OnOK();
        stillOpen = d.ContinueModal() != FALSE;
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], CString(L"There are no checked days of the week"));
}

TEST_F(AlarmDialogs, LinkedNoteIsShownReadOnlyAndGreysTheNoticeStyle) {
    scratch.Write(L"memo_data\\20140303093000100.rtf", "{\\rtf1\\ansi Buy a present for Anna\\par}");
    CAddAlarmDlg dialog(*host, nullptr, L"20140303093000100.rtf");
    CString shown;
    bool contentsShown = true, styleEnabled = true, readOnly = false;
    RunAddAlarmDialog(dialog, [&](CAddAlarmDlg& d) {
        shown = d.GetDlgItemText(CAddAlarmDlg::IDC_NOTE_TEXT);
        contentsShown = Visible(d, CAddAlarmDlg::IDC_CONTENTS);
        styleEnabled = Enabled(d, CAddAlarmDlg::IDC_STYLE);
        readOnly = (::GetWindowLongW(::GetDlgItem(d.m_hWnd, CAddAlarmDlg::IDC_NOTE_TEXT), GWL_STYLE) & ES_READONLY) != 0;
        d.OnFindNote();
        d.EndDialog(IDCANCEL);
    });
    EXPECT_GE(shown.Find(L"Buy a present for Anna"), 0) << shown.GetString();
    EXPECT_FALSE(contentsShown);
    EXPECT_FALSE(styleEnabled);
    EXPECT_TRUE(readOnly);
    ASSERT_EQ(host->flashed.size(), 1u);
    EXPECT_EQ(dialog.GetRecord().m_strMemoFile, CString(L"20140303093000100.rtf"));

    CAddAlarmDlg missing(*host, nullptr, L"20140303093000999.rtf");
    EXPECT_TRUE(missing.GetRecord().m_strMemoFile.IsEmpty());
}

TEST_F(AlarmDialogs, ScheduleManageAsksForTheManagerAndSavesNothing) {
    CAddAlarmDlg dialog(*host, nullptr, CString());
    int result = RunAddAlarmDialog(dialog, [](CAddAlarmDlg& d) { d.SendMessage(WM_COMMAND, CAddAlarmDlg::IDC_MANAGE); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(host->managerRequests, 1);
    EXPECT_EQ(host->store.Alarms().GetSize(), 0);
}

TEST_F(AlarmDialogs, DeleteAsksWithTheAlarmsTextAndEndsWithTheDeleteResult) {
    CAlarmInfo stored = Add(0, L"Stretch");
    for (int reply : {IDNO, IDYES}) {
        answer = reply;
        boxes.clear();
        CAddAlarmDlg dialog(*host, &stored, CString());
        int result = RunAddAlarmDialog(dialog, [](CAddAlarmDlg& d) {
            d.SendMessage(WM_COMMAND, CAddAlarmDlg::IDC_DELETE);
            if (d.ContinueModal()) d.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(result, reply == IDYES ? (int)CAddAlarmDlg::DeleteResult : IDCANCEL);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], CString(L"\"Stretch\" Do you want to Delete?"));
    }
}

TEST_F(AlarmDialogs, PlayGoesThroughTheSoundSeamOnlyWithASound) {
    CAddAlarmDlg dialog(*host, nullptr, CString());
    RunAddAlarmDialog(dialog, [](CAddAlarmDlg& d) {
        d.SetDlgItemText(CAddAlarmDlg::IDC_SOUND, L"");
        d.OnPlay();
        d.SetDlgItemText(CAddAlarmDlg::IDC_SOUND, L"C:\\ring.wav");
        d.OnPlay();
        d.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(host->sounds.size(), 1u);
    EXPECT_EQ(host->sounds[0], CString(L"C:\\ring.wav"));
}

TEST_F(AlarmDialogs, WeekdayButtonsTickTheirDays) {
    CAddAlarmDlg dialog(*host, nullptr, CString());
    CAddAlarmLogic::Form workdays, weekend;
    RunAddAlarmDialog(dialog, [&](CAddAlarmDlg& d) {
        d.SendMessage(WM_COMMAND, CAddAlarmDlg::IDC_WORKDAYS);
        workdays = d.ReadControls();
        d.SendMessage(WM_COMMAND, CAddAlarmDlg::IDC_WEEKEND);
        weekend = d.ReadControls();
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(workdays.kind, 3);
    EXPECT_EQ(workdays.weekdayMask, 0x3E);
    EXPECT_EQ(weekend.weekdayMask, 0x41);
}

// ---- The schedule manager ---------------------------------------------------------------

class ScheduleManager : public AlarmDialogs {
protected:
    void SetUp() override {
        AlarmDialogs::SetUp();
        manager = std::make_unique<CAlarmSetDlg>(*host);
        host->onChanged = [this] {
            if (manager->m_hWnd) manager->RefreshList();
        };
    }
    void TearDown() override {
        if (manager->m_hWnd) manager->DestroyWindow();
        manager.reset();
        AlarmDialogs::TearDown();
    }
    void Open() {
        ASSERT_TRUE(manager->CreateModeless(nullptr));
        PumpWaiting();
    }
    CString Cell(int row, int col) { return manager->GetGrid()->GetItemText(row, col); }
    // A click on a cell of the grid, as the mouse makes it.
    void Click(int row, int col) {
        RECT cell;
        ASSERT_TRUE(manager->GetGrid()->GetCellRect(row, col, &cell));
        LPARAM at = MAKELPARAM(cell.left + 4, cell.top + 4);
        manager->GetGrid()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        manager->GetGrid()->SendMessage(WM_LBUTTONUP, 0, at);
        PumpWaiting();
    }

    std::unique_ptr<CAlarmSetDlg> manager;
};

TEST_F(ScheduleManager, ListsEveryAlarmWithItsCells) {
    Add(3, L"gym", [](CAlarmInfo& a) { a.m_nDayValue = 0x14; });
    Add(1, L"first line\r\nsecond line", [](CAlarmInfo& a) { a.m_bEnabled = 0; });
    Add(0, L"tea", [](CAlarmInfo& a) {
        a.m_nTimeMode = 2;
        a.m_bDone = 1;
    });
    Open();
    CGridCtrl& grid = *manager->GetGrid();
    ASSERT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(Cell(0, 0), CString(L"Alarm Type"));
    EXPECT_EQ(Cell(1, 0), CString(L"[ Tue Thu ]"));
    EXPECT_EQ(Cell(1, 1), CString(L"08(h) 00(m)"));
    EXPECT_EQ(Cell(2, 2), CString(L"first line/second line"));
    EXPECT_EQ(grid.GetItemImage(2, 0), 9);
    EXPECT_EQ(grid.GetItemImage(2, 3), 16);
    EXPECT_EQ(Cell(3, 1), CString(L"All-day"));
    EXPECT_EQ(grid.GetItemImage(3, 3), 17);
    EXPECT_EQ(grid.GetItemData(3, 2), 2);
    CString title;
    manager->GetWindowText(title);
    EXPECT_EQ(title, CString(L"Schedule Management"));
}

TEST_F(ScheduleManager, TickingThreeRowsAndClosingSavesOnce) {
    for (const wchar_t* text : {L"a", L"b", L"c"}) Add(0, text);
    Open();
    for (int row = 1; row <= 3; ++row) Click(row, CAlarmSetDlg::DoneColumn);
    EXPECT_EQ(host->saves, 0);
    EXPECT_TRUE(manager->IsChanged());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(host->store.Alarms()[i].m_bDone, 1) << i;
    EXPECT_EQ(manager->GetGrid()->GetItemImage(2, 3), 17);
    manager->SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(host->saves, 1);
    EXPECT_FALSE(::IsWindowVisible(manager->m_hWnd));
    manager->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(host->saves, 1);

    CTestAlarmHost reader(scratch.Path());
    CAlarmStore& again = reader.store;
    ASSERT_TRUE(again.Load());
    ASSERT_EQ(again.Alarms().GetSize(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(again.Alarms()[i].m_bDone, 1) << i;
}

TEST_F(ScheduleManager, DeletingFromTheEditDialogRemovesAndSavesAtOnce) {
    Add(0, L"keep");
    int id = Add(0, L"drop").m_nId;
    Open();
    host->answerDialog = [](const CAlarmInfo* record, const CString&, CAlarmInfo&) {
        EXPECT_EQ(record->m_strContents, CString(L"drop"));
        return (int)CAddAlarmDlg::DeleteResult;
    };
    manager->SelectRow(2);
    manager->SendMessage(WM_COMMAND, CAlarmSetDlg::IDC_EDIT);
    EXPECT_EQ(host->store.FindIndexById(id), -1);
    EXPECT_EQ(host->store.Alarms().GetSize(), 1);
    EXPECT_EQ(host->saves, 1);
    EXPECT_EQ(manager->GetGrid()->GetRowCount(), 2);
}

TEST_F(ScheduleManager, EditReplacesTheAlarmItOpenedEvenWhenTheListMoved) {
    int fired = Add(1, L"fires meanwhile").m_nId;
    Add(0, L"edit me");
    Add(0, L"bystander");
    Open();
    host->answerDialog = [this, fired](const CAlarmInfo* record, const CString&, CAlarmInfo& result) {
        host->store.DeleteAlarm(fired);  // a one-time alarm went while the dialog was open
        result = *record;
        result.m_strContents = L"edited";
        return IDOK;
    };
    manager->SelectRow(2);
    manager->OnEdit();
    ASSERT_EQ(host->store.Alarms().GetSize(), 2);
    EXPECT_EQ(host->store.Alarms()[0].m_strContents, CString(L"edited"));
    EXPECT_EQ(host->store.Alarms()[1].m_strContents, CString(L"bystander"));
    EXPECT_EQ(host->saves, 1);
}

TEST_F(ScheduleManager, AddStoresSavesAndHasTheMinuteLookedAtAgain) {
    Open();
    host->answerDialog = [](const CAlarmInfo* record, const CString& memo, CAlarmInfo& result) {
        EXPECT_EQ(record, nullptr);
        EXPECT_TRUE(memo.IsEmpty());
        result.m_strContents = L"new one";
        return IDOK;
    };
    manager->SendMessage(WM_COMMAND, CAlarmSetDlg::IDC_ADD);
    ASSERT_EQ(host->store.Alarms().GetSize(), 1);
    EXPECT_EQ(host->saves, 1);
    EXPECT_EQ(host->minuteResets, 1);
    EXPECT_EQ(Cell(1, 2), CString(L"new one"));
    host->answerDialog = [](const CAlarmInfo*, const CString&, CAlarmInfo&) { return IDCANCEL; };
    manager->OnAdd();
    EXPECT_EQ(host->store.Alarms().GetSize(), 1);
    EXPECT_EQ(host->saves, 1);
}

TEST_F(ScheduleManager, DeleteAsksWithTheContentsCell) {
    Add(0, L"one\r\ntwo");
    Open();
    manager->OnDelete();  // nothing selected: nothing asked
    EXPECT_TRUE(boxes.empty());
    manager->SelectRow(1);
    answer = IDNO;
    manager->OnDelete();
    EXPECT_EQ(host->store.Alarms().GetSize(), 1);
    answer = IDYES;
    manager->OnDelete();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], CString(L"\"one/two\" Do you want to Delete?"));
    EXPECT_EQ(host->store.Alarms().GetSize(), 0);
    EXPECT_EQ(host->saves, 1);
}
