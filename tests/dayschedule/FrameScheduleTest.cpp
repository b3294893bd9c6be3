// The day windows on a running frame: a click on a calendar day shows the
// balloon with that day's rows, which hides once the mouse has left it and
// the calendar, and after alarm changes; today's window follows alarm
// changes, the minute and the start mode; the tray's "See Schedule" shows it.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"

#include "app/MainFrame.h"
#include "calendar/AlarmInfo.h"
#include "notes/AlarmDlgHost.h"
#include "notes/FrameNotes.h"
#include "shell/AppGlobals.h"
#include "shell/FileTreeOp.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "widgets/CalendarDlg.h"
#include "widgets/CalendarScheduleDlg.h"
#include "widgets/MeterSchedule.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CString SourceData() {
    const char* value = getenv("ZOREL_SOURCE_DIR");
    CString folder(value ? value : "");
    folder.Replace(L'/', L'\\');
    if (!folder.IsEmpty() && folder[0] == L'\\') folder = L"Z:" + folder;
    return folder + L"\\data\\";
}

// The rows a window lists, as "text" or "text (done)".
std::vector<CString> Listed(CDayScheduleDlg* window) {
    std::vector<CString> texts;
    if (!window) return texts;
    std::vector<CMeterSchedule*> meters = window->ScheduleMeters();
    if (meters.empty()) return texts;
    for (const CScheduleInfo& row : meters[0]->GetRows())
        texts.push_back(row.m_bDone ? row.m_strText + L" (done)" : row.m_strText);
    return texts;
}

bool Has(const std::vector<CString>& texts, const wchar_t* text) {
    for (const CString& t : texts)
        if (t == text) return true;
    return false;
}

class FrameScheduleTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseAsProgramFolder(scratch);
        // The balloon's skin lives at a fixed place in the program folder.
        scratch.MakeFolder(L"system\\skin");
        CFileTreeOp copy;
        ASSERT_TRUE(copy.Copy(SourceData() + L"system\\skin\\calendar_balloon", scratch + L"system\\skin"));
        ASSERT_TRUE(scratch.Has(L"system\\skin\\calendar_balloon\\balloon.xml"));
        g_Settings.General.ShowTrayIcon = 0;
        g_Settings.General.HistoryLevel = 0;
        g_Settings.Calendar.SkinFile = SourceData() + L"skin\\Calendar\\default\\default.xml";
        g_Settings.Calendar.WinX = 60, g_Settings.Calendar.WinY = 300;
        g_Settings.Calendar.AutoStart = 1;
        g_Settings.Calendar.MouseOverHiding = 0;
        g_Settings.Schedule.SkinFile = SourceData() + L"skin\\Schedule\\default\\default.xml";
        g_Settings.Schedule.StartMode = 2;
        g_Settings.Schedule.ShowChecked = 1;
        SetMessageBoxAnswerer([](const CString&, int) { return IDNO; });
        ::GetLocalTime(&today);

        frame = new CMainFrame;
        wnd = frame->GetSafeHwnd();
        ASSERT_NE(wnd, nullptr);
        frame->PostCreateInit();
        ASSERT_NE(frame->GetNotes(), nullptr);
        frame->CreateCalendar();
        ASSERT_NE(frame->GetCalendar(), nullptr);
        frame->GetNotes()->AlarmStore().Alarms().RemoveAll();
    }
    void TearDown() override {
        if (frame) ::SendMessageW(wnd, WM_CLOSE, 0, 0);
        PumpWaiting();
        g_FrameAlive = 1;
        SetMessageBoxAnswerer(nullptr);
    }

    // An all-day alarm on a day of this month: never fired by the minute check.
    int AddAlarm(const wchar_t* text, int day) {
        CAlarmInfo alarm;
        alarm.m_nKind = CAlarmInfo::KindTargetDay;
        alarm.m_nTimeMode = CAlarmInfo::TimeModeAllDay;
        alarm.m_nYear = today.wYear, alarm.m_nMonth = today.wMonth, alarm.m_nDay = day;
        alarm.m_strContents = text;
        return frame->GetNotes()->AlarmStore().AddAlarm(alarm).m_nId;
    }

    // The screen rectangle of a day of this month on the calendar.
    bool DayCell(int day, CRect& cell) {
        CalendarDlg* calendar = frame->GetCalendar();
        CRect window = calendar->GetRect();
        for (int y = 0; y < window.Height(); y += 3)
            for (int x = 0; x < window.Width(); x += 3) {
                int yy, mm, dd;
                if (calendar->DayFromPoint(CPoint(x, y), yy, mm, dd, &cell) && yy == today.wYear &&
                    mm == today.wMonth && dd == day) {
                    cell.OffsetRect(window.left, window.top);
                    return true;
                }
            }
        return false;
    }

    // A press and release on a day without moving the calendar.
    void ClickDay(int day) {
        CRect cell;
        ASSERT_TRUE(DayCell(day, cell)) << day;
        CPoint at = cell.CenterPoint();
        frame->GetCalendar()->SendMessage(WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(at.x, at.y));
        frame->GetCalendar()->EndNcClick(at.x, at.y);
    }

    bool ScheduleShown() {
        CDayScheduleDlg* window = frame->GetDaySchedule();
        return window && window->IsVisible();
    }

    CScratchFolder scratch{L"frame-schedule"};
    SYSTEMTIME today = {};
    CMainFrame* frame = nullptr;
    HWND wnd = nullptr;
};

}  // namespace

TEST_F(FrameScheduleTest, ClickOnACalendarDayShowsItsRowsInTheBalloonUntilTheMouseLeavesOrAlarmsChange) {
    const int other = today.wDay == 1 ? 2 : 1;
    AddAlarm(L"Dentist", today.wDay);
    AddAlarm(L"Car service", other);
    frame->OnAlarmsChanged();
    CCalendarScheduleDlg* balloon = frame->GetDayBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_FALSE(balloon->IsVisible());

    ClickDay(other);
    EXPECT_TRUE(balloon->IsShowing(nullptr, today.wYear, today.wMonth, other));
    EXPECT_TRUE(Has(Listed(balloon), L"Car service"));
    EXPECT_FALSE(Has(Listed(balloon), L"Dentist"));

    ClickDay(today.wDay);
    EXPECT_TRUE(balloon->IsVisible());
    EXPECT_TRUE(balloon->IsShowing(nullptr, today.wYear, today.wMonth, today.wDay));
    EXPECT_TRUE(Has(Listed(balloon), L"Dentist"));
    // Its arrow points at the day: above the cell, 41 pixels left of its middle.
    CRect cell;
    ASSERT_TRUE(DayCell(today.wDay, cell));
    EXPECT_EQ(balloon->GetRect().left, cell.left + cell.Width() / 2 - 41);
    EXPECT_EQ(balloon->GetRect().bottom, cell.top);
    // A changed alarm may change the day's rows: the balloon goes.
    frame->OnAlarmsChanged();
    EXPECT_FALSE(balloon->IsVisible());

    ClickDay(today.wDay);
    ASSERT_TRUE(balloon->IsVisible());
    // Neither on the balloon nor on the calendar: hidden within half a second.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 3, 3);
    EXPECT_TRUE(PumpUntil([&] { return !balloon->IsVisible(); }, 1500));
}

TEST_F(FrameScheduleTest, TodaysWindowFollowsTheStartModeAfterAlarmChanges) {
    // In this order, so the window is made, hidden and shown again.
    const struct {
        int mode;
        bool withRow;
        bool shown;
    } cases[] = {{2, false, false}, {2, true, true}, {0, true, false}, {1, false, true}};
    for (const auto& c : cases) {
        g_Settings.Schedule.StartMode = c.mode;
        frame->GetNotes()->AlarmStore().Alarms().RemoveAll();
        if (c.withRow) AddAlarm(L"Dentist", today.wDay);
        frame->GetNotes()->OnAlarmsChanged();
        EXPECT_TRUE(PumpUntil([&] { return ScheduleShown() == c.shown; }, 3000))
            << "mode " << c.mode << (c.withRow ? " with a row" : " without rows");
    }
}

TEST_F(FrameScheduleTest, TodaysWindowListsNewAlarmsTicksDoneAndCatchesUpOnTheMinute) {
    const int id = AddAlarm(L"Dentist", today.wDay);
    frame->AlarmDlgHost().OnAlarmsChanged();
    ASSERT_TRUE(PumpUntil([&] { return ScheduleShown(); }, 3000));
    EXPECT_TRUE(Has(Listed(frame->GetDaySchedule()), L"Dentist"));

    // Ticked done in the schedule manager.
    CAlarmStore& store = frame->GetNotes()->AlarmStore();
    CAlarmInfo done = *store.FindAlarmById(id);
    done.m_bDone = 1;
    store.ReplaceAlarm(store.FindIndexById(id), done);
    frame->AlarmDlgHost().OnAlarmsChanged();
    EXPECT_TRUE(Has(Listed(frame->GetDaySchedule()), L"Dentist (done)"));

    // An alarm that came without a change notice shows from the next minute.
    AddAlarm(L"Call home", today.wDay);
    EXPECT_FALSE(Has(Listed(frame->GetDaySchedule()), L"Call home"));
    int key = 0, minute = 0;
    frame->OnMinuteTick(key, minute);
    EXPECT_TRUE(Has(Listed(frame->GetDaySchedule()), L"Call home"));
}

TEST_F(FrameScheduleTest, SeeScheduleCommandShowsTodaysWindowEvenWithoutRows) {
    g_Settings.Schedule.StartMode = 0;
    EXPECT_EQ(frame->GetDaySchedule(), nullptr);
    ::SendMessageW(wnd, WM_COMMAND, ID_SEE_SCHEDULE, 0);
    EXPECT_TRUE(PumpUntil([&] { return ScheduleShown(); }, 3000));
}
