// Zorel.exe end to end with its day windows: today's window, shown at start,
// adds an alarm for today through its add button and lists it, strikes it
// through once it is ticked done in the editor a click on its row opens; a
// click on today in the calendar shows the balloon with the day's rows above
// the day, which goes once the mouse has left. Leaves pictures of both.
#include "ZorelTest.h"

#include "ScreenPicture.h"
#include "notes/AddAlarmDlg.h"
#include "shell/FileTreeOp.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n"
    "  <Alarm>\n    <DefaultType>2</DefaultType>\n  </Alarm>\n"
    "  <Calendar>\n    <WinSXSY>40 600</WinSXSY>\n    <AutoStart>1</AutoStart>\n  </Calendar>\n"
    "  <Schedule>\n    <WinSXSY>760 100</WinSXSY>\n    <StartMode>1</StartMode>\n    <ShowChecked>1</ShowChecked>\n"
    "  </Schedule>\n</ZorelConfig>\n";

// The default calendar skin: three panels, the middle one this month, its
// days from (214, 50) in steps of 28 x 26, each cell 18 x 16.
const int kCalendarW = 612, kDayX = 214, kDayY = 50, kStepX = 28, kStepY = 26, kCellW = 18;
// The default schedule skin: a head of 40, rows of 24.
const int kHeadH = 40, kRowH = 24;
const UINT kAddSchedule = WM_USER + 11;

CString SourceData() {
    const char* value = getenv("ZOREL_SOURCE_DIR");
    CString folder(value ? value : "");
    folder.Replace(L'/', L'\\');
    if (!folder.IsEmpty() && folder[0] == L'\\') folder = L"Z:" + folder;
    return folder + L"\\data\\";
}

bool CopyData(const std::wstring& programFolder, const wchar_t* parent, const wchar_t* name) {
    CString target = CString(programFolder.c_str()) + parent;
    SHCreateDirectoryExW(nullptr, target, nullptr);
    CFileTreeOp copy;
    return copy.Copy(SourceData() + parent + L"\\" + name, target);
}

// A visible top-level window of the process for which the test holds.
HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& test, DWORD timeoutMs = 10000) {
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>* test;
        HWND found;
    };
    DWORD start = GetTickCount();
    do {
        Search search = {pid, &test, nullptr};
        EnumWindows(
            [](HWND wnd, LPARAM lp) -> BOOL {
                Search* s = (Search*)lp;
                DWORD owner = 0;
                GetWindowThreadProcessId(wnd, &owner);
                if (owner == s->pid && IsWindowVisible(wnd) && (*s->test)(wnd)) s->found = wnd;
                return !s->found;
            },
            (LPARAM)&search);
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

CRect RectOf(HWND wnd) {
    CRect r;
    GetWindowRect(wnd, &r);
    return r;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    do {
        if (done()) return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return done();
}

// A press and release on a skinned window, as the system delivers it: the
// press in the caption area, and the end of the click with the next move of
// the mouse (the caption's move loop takes the button-up). The cursor is
// put there too, so the windows that watch it find it on them.
void ClickAt(HWND wnd, POINT at) {
    SetCursorPos(at.x, at.y);
    PostMessageW(wnd, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(at.x, at.y));
    PostMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

class DayScheduleE2ETest : public ZorelTest {};

}  // namespace

TEST_F(DayScheduleE2ETest, TodaysWindowListsAndStrikesAnAlarmAndACalendarDayShowsItsBalloon) {
    std::wstring folder = NewFolderWith(kConfig);
    ASSERT_TRUE(CopyData(folder, L"skin\\Calendar", L"default"));
    ASSERT_TRUE(CopyData(folder, L"skin\\Schedule", L"default"));
    ASSERT_TRUE(CopyData(folder, L"system\\skin", L"calendar_balloon"));
    ASSERT_TRUE(CopyData(folder, L"system", L"res"));

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    const DWORD pid = zorel.Id();
    HWND today = WaitForWindow(pid, [](HWND w) { return RectOf(w).TopLeft() == CPoint(760, 100); });
    ASSERT_NE(nullptr, today);
    HWND calendar = WaitForWindow(pid, [](HWND w) { return RectOf(w).Width() == kCalendarW; });
    ASSERT_NE(nullptr, calendar);
    zorel.WaitForStartUp();

    // The add button of today's window: the alarm dialog on today.
    const CRect listBand(760, 100 + kHeadH, 760 + RectOf(today).Width(), 100 + kHeadH + kRowH);
    std::vector<DWORD> empty = ScreenPixels(listBand);
    PostMessageW(today, kAddSchedule, 0, 0);
    auto isAlarmDialog = [](HWND w) { return GetDlgItem(w, CAddAlarmDlg::IDC_CONTENTS) != nullptr; };
    HWND dialog = WaitForWindow(pid, isAlarmDialog);
    ASSERT_NE(nullptr, dialog);
    SendMessageW(GetDlgItem(dialog, CAddAlarmDlg::IDC_CONTENTS), WM_SETTEXT, 0, (LPARAM)L"Dentist");
    // All day, so the minute check never fires it during the test.
    SendMessageW(GetDlgItem(dialog, CAddAlarmDlg::IDC_ALL_DAY), BM_SETCHECK, BST_CHECKED, 0);
    PressButton(dialog, CAddAlarmDlg::IDC_ALL_DAY);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    // Listed: its row replaces the "No Schedule" row.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(listBand) != empty; }));
    std::vector<DWORD> listed = ScreenPixels(listBand);
    SaveScreenPicture(L"today-listed", {today});

    // A click on the row opens the alarm; ticked done, the row is struck through.
    ClickAt(today, listBand.CenterPoint());
    dialog = WaitForWindow(pid, isAlarmDialog);
    ASSERT_NE(nullptr, dialog);
    PressButton(dialog, CAddAlarmDlg::IDC_DONE);
    Sleep(200);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(listBand) != listed; }));
    SaveScreenPicture(L"today-done", {today});

    // A click on today in the calendar: the balloon above the day, pointing at it.
    time_t now = time(nullptr);
    struct tm date = *localtime(&now);
    struct tm first = date;
    first.tm_mday = 1;
    first.tm_hour = 12;
    mktime(&first);
    const int index = date.tm_mday - 1 + first.tm_wday;
    const CRect at = RectOf(calendar);
    const CPoint cell(at.left + kDayX + (index % 7) * kStepX, at.top + kDayY + (index / 7) * kStepY);
    ClickAt(calendar, POINT{cell.x + kCellW / 2, cell.y + 8});
    // The balloon: an always-on-top list as wide as today's.
    HWND balloon = WaitForWindow(pid, [&](HWND w) {
        return w != today && RectOf(w).Width() == RectOf(today).Width() &&
               (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    });
    ASSERT_NE(nullptr, balloon);
    EXPECT_EQ(RectOf(balloon).bottom, cell.y);
    EXPECT_EQ(RectOf(balloon).left, cell.x + kCellW / 2 - 41);
    // The day's one row: a head, the row and a tail.
    EXPECT_EQ(RectOf(balloon).Height(), RectOf(today).Height());
    Sleep(300);
    SaveScreenPicture(L"calendar-balloon", {calendar, balloon});

    // The mouse leaves both: the balloon goes.
    SetCursorPos(1270, 10);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(balloon); }, 3000));

    CloseAndExpectCleanExit(zorel, frame);
}
