// The installed Zorel.exe used as a user would, in the prefix run.sh made:
// each test is one thing a user does, and the tests of a suite run in order
// against one running copy. Use: the first start from the install folder;
// Restarted: the next start after a quit by broadcast, with file sharing on
// and an alarm set there through its dialog; Updated: the start after the installer ran again.
// What must outlive a restart goes through a small state file in the run's
// work folder.
#include "ScreenPicture.h"
#include "WindowDriver.h"
#include "ZorelDriver.h"

#include "calendar/AlarmInfo.h"
#include "calendar/AnniversaryFile.h"
#include "notes/AlarmStore.h"
#include "app/SettingsIds.h"
#include "fw/InternetFile.h"
#include "fw/InternetSession.h"
#include "notes/AddAlarmDlg.h"
#include "notes/DayinfoDlg.h"
#include "notes/EditMemoGroupDlg.h"
#include "shell/CryptoText.h"
#include "shell/ShellIds.h"
#include "ui/GroupListBox.h"
#include "tools/PwdVault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kMemoEditId = 4677;
const wchar_t kMaster[] = L"accept-master7";
const wchar_t kNoteText[] = L"Typed in the installed Zorel";

std::wstring FromEnvironment(const char* name) {
    const char* value = getenv(name);
    std::wstring text;
    for (const char* c = value ? value : ""; *c; ++c) text += (wchar_t)(unsigned char)*c;
    return text;
}
std::wstring Folder() { return FromEnvironment("ZOREL_ACCEPT_FOLDER"); }

// name=value lines kept between the runs of this program.
std::map<std::string, std::string> LoadState() {
    std::map<std::string, std::string> state;
    std::string text = ReadFileText(FromEnvironment("ZOREL_ACCEPT_STATE") + L"state.txt");
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        size_t eq = line.find('=');
        if (eq != std::string::npos) state[line.substr(0, eq)] = line.substr(eq + 1);
        at = end + 1;
    }
    return state;
}
void SaveState(const std::string& name, const std::string& value) {
    std::map<std::string, std::string> state = LoadState();
    state[name] = value;
    FILE* file = _wfopen((FromEnvironment("ZOREL_ACCEPT_STATE") + L"state.txt").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    for (const auto& entry : state) fprintf(file, "%s=%s\n", entry.first.c_str(), entry.second.c_str());
    fclose(file);
}
std::string RectText(const RECT& r) {
    char text[64];
    snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
    return text;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

// The text of a window of the program, asked for by message.
std::wstring TextOf(HWND wnd) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(wnd, WM_GETTEXT, 1024, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& test, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND wnd : ProcessWindows(pid))
                if (test(wnd)) return (found = wnd) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}

RECT RectOf(HWND wnd) {
    RECT r = {};
    GetWindowRect(wnd, &r);
    return r;
}

// What the program shows, for failure messages.
std::string Shown(DWORD pid) {
    std::string list;
    for (HWND wnd : ProcessWindows(pid)) {
        wchar_t name[64] = {};
        GetClassNameW(wnd, name, 64);
        RECT r = RectOf(wnd);
        char line[256];
        snprintf(line, sizeof line, "[%ls \"%ls\" %ldx%ld] ", name, TextOf(wnd).substr(0, 40).c_str(), r.right - r.left,
                 r.bottom - r.top);
        list += line;
    }
    return list;
}

HWND WaitForTitled(DWORD pid, const wchar_t* title, DWORD timeoutMs = 10000) {
    return WaitForWindow(pid, [&](HWND w) { return TextOf(w) == title; }, timeoutMs);
}

std::vector<HWND> NoteEditors(DWORD pid) {
    std::vector<HWND> editors;
    for (HWND wnd : ProcessWindows(pid))
        if (HWND edit = GetDlgItem(wnd, kMemoEditId)) editors.push_back(edit);
    return editors;
}

HWND WaitForNoteWith(DWORD pid, const std::wstring& words, DWORD timeoutMs = 15000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND edit : NoteEditors(pid))
                if (TextOf(edit).find(words) != std::wstring::npos) return (found = edit) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}


std::vector<std::wstring> FilesIn(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName);
    while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

void Command(HWND wnd, UINT id) { PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
void SetText(HWND dialog, int id, const wchar_t* text) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text);
}
void Shot(const wchar_t* name) {
    Sleep(300);
    SaveScreenArea(CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)),
                   CString(FromEnvironment("ZOREL_SCREENSHOT_DIR").c_str()) + L"\\" + name + L".png");
}

COLORREF ScreenPixel(HWND wnd, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(wnd, &at);
    std::vector<COLORREF> one = ScreenPixels(RECT{at.x, at.y, at.x + 1, at.y + 1});
    return one.empty() ? CLR_INVALID : one[0];
}
// An area of a window's client, in screen coordinates.
RECT ScreenArea(HWND wnd, int left, int top, int right, int bottom) {
    POINT a = {left, top}, b = {right, bottom};
    ClientToScreen(wnd, &a);
    ClientToScreen(wnd, &b);
    return RECT{a.x, a.y, b.x, b.y};
}
// A left click at a client point, as the mouse gives it.
void ClickAt(HWND wnd, int x, int y) {
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
// Minutes of the local time since 1601, which began at midnight.
ULONGLONG LocalMinutes() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME ft;
    SystemTimeToFileTime(&now, &ft);
    return (((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime) / 600000000ull;
}
std::string Hex(COLORREF c) {
    char text[16];
    snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// The program's windows other than notes, dialogs and the hidden frame: the
// clock, the calendar, the quick-menu bar and the widgets.
std::vector<HWND> DesktopWindows(DWORD pid) {
    std::vector<HWND> found;
    for (HWND wnd : ProcessWindows(pid)) {
        if (GetDlgItem(wnd, kMemoEditId)) continue;
        RECT r = RectOf(wnd);
        if (r.right - r.left <= 1) continue;
        found.push_back(wnd);
    }
    return found;
}

// One copy of the program for a whole suite.
ZorelProcess* g_zorel = nullptr;
HWND g_frame = nullptr;

void StartZorel() {
    delete g_zorel;
    g_zorel = new ZorelProcess;
    ASSERT_TRUE(g_zorel->Start(Folder()));
    g_frame = g_zorel->WaitForFrame(30000);
    ASSERT_NE(g_frame, nullptr);
    ASSERT_TRUE(g_zorel->WaitForStartUp(30000));
}
// Leaves the program running for the next step of run.sh.
void LeaveRunning() {
    if (!g_zorel) return;
    g_zorel->Adopt(PROCESS_INFORMATION{});
    delete g_zorel;
    g_zorel = nullptr;
}
DWORD Pid() { return g_zorel ? g_zorel->Id() : 0; }

}  // namespace

// ---- First start from the install folder -------------------------------------

TEST(Use, StartsWithItsTrayIconClockCalendarAndMenuBar) {
    StartZorel();
    ASSERT_FALSE(HasFailure());
    EXPECT_FALSE(IsWindowVisible(g_frame));
    EXPECT_TRUE(TrayIconExists(g_frame, 128));
    // The preset shows the clock (for a while after the start, and when
    // asked from the tray), the calendar's three months and the docked bar,
    // each in its installed default skin.
    PostMessageW(g_frame, WM_COMMAND, ID_SEE_CLOCK, 0);
    struct Expected {
        const char* what;
        int width, height;
    } windows[] = {{"clock", 180, 100}, {"calendar", 612, 204}, {"docked quick-menu bar", 500, 51}};
    for (const Expected& e : windows) {
        HWND found = WaitForWindow(Pid(), [&](HWND w) {
            RECT r = RectOf(w);
            return r.right - r.left == e.width && r.bottom - r.top == e.height;
        }, 20000);
        EXPECT_NE(found, nullptr) << "no " << e.what << ": " << Shown(Pid());
    }
    // Today's schedule window, in its installed default skin, on the tray's command.
    PostMessageW(g_frame, WM_COMMAND, ID_SEE_SCHEDULE, 0);
    HWND schedule = WaitForWindow(Pid(), [&](HWND w) {
        RECT r = RectOf(w);
        return IsWindowVisible(w) && !GetDlgItem(w, kMemoEditId) && r.right - r.left == 220;
    }, 20000);
    EXPECT_NE(schedule, nullptr) << "no day-schedule window: " << Shown(Pid());
    // The window comes up above the spotlight, a grey veil over the whole
    // screen; a click on the veil puts it away, as a user would.
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN), screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HWND veil = WaitForWindow(Pid(), [&](HWND w) {
        RECT r = RectOf(w);
        return IsWindowVisible(w) && r.right - r.left == screenWidth && r.bottom - r.top == screenHeight;
    }, 5000);
    ASSERT_NE(veil, nullptr) << "no spotlight: " << Shown(Pid());
    PostMessageW(veil, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(screenWidth / 2, screenHeight - 20));
    PostMessageW(veil, WM_LBUTTONUP, 0, MAKELPARAM(screenWidth / 2, screenHeight - 20));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(veil) || !IsWindowVisible(veil); })) << "the spotlight stayed";
    EXPECT_TRUE(IsWindowVisible(schedule)) << "the day-schedule window went with the spotlight";
}

TEST(Use, NoteFromTheTrayIsTypedIntoAndAutosaved) {
    ASSERT_NE(g_frame, nullptr);
    // A first start may have made an empty note of its own.
    std::vector<HWND> before = NoteEditors(Pid());
    PostMessageW(g_frame, WM_COMMAND, ID_NEW_MEMO, 0);
    HWND edit = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND e : NoteEditors(Pid()))
            if (std::find(before.begin(), before.end(), e) == before.end()) edit = e;
        return edit != nullptr;
    }));
    for (const wchar_t* c = kNoteText; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 1);
    EXPECT_EQ(TextOf(edit), kNoteText);
    // The autosave writes it after a quiet tick.
    std::wstring memos = Folder() + L"memo_data\\";
    auto saved = [&] {
        for (const std::wstring& name : FilesIn(memos + L"*.rtf"))
            if (ReadFileText(memos + name).find("Typed in the installed Zorel") != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(WaitUntil(saved, 40000)) << "the autosave did not write the note";
    SaveState("note", RectText(RectOf(GetParent(edit))));
}

TEST(Use, TrayMenuOpensAndAWidgetFromItsWidgetsMenuOpens) {
    ASSERT_NE(g_frame, nullptr);
    std::vector<HWND> before = DesktopWindows(Pid());
    PostMessageW(g_frame, WM_USER + 100, 128, WM_RBUTTONDOWN);
    HWND menu = g_zorel->WaitForWindowOfClass(L"#32768");
    ASSERT_NE(menu, nullptr);
    Shot(L"tray_menu");
    // Escape closes the menu; its Widgets submenu has been filled meanwhile.
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(g_frame, WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return g_zorel->WaitForWindowOfClass(L"#32768", 0) == nullptr; }));
    PostMessageW(g_frame, WM_COMMAND, ID_WIDGET_FIRST, 0);
    HWND widget = WaitForWindow(Pid(), [&](HWND w) {
        return !GetDlgItem(w, kMemoEditId) && RectOf(w).right - RectOf(w).left > 1 &&
               std::find(before.begin(), before.end(), w) == before.end();
    });
    ASSERT_NE(widget, nullptr) << "no widget opened: " << Shown(Pid());
    Sleep(1000);
    SaveState("widget", RectText(RectOf(widget)));
    PostMessageW(g_frame, WM_COMMAND, ID_SEE_CLOCK, 0);
    Shot(L"desktop_note_clock_calendar_bar_widget");
}

TEST(Use, BackupCommandWritesTheProgramFolderArchive) {
    ASSERT_NE(g_frame, nullptr);
    std::wstring archive = Folder() + L"backup.zip";
    DeleteFileW(archive.c_str());
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(g_frame, WM_COMMAND, ID_BACKUP_PROGRAM, 0, SMTO_ABORTIFHUNG, 60000, &result));
    EXPECT_EQ(GetFileAttributesW((archive + L".part").c_str()), INVALID_FILE_ATTRIBUTES);
    std::string bytes = ReadFileText(archive);
    ASSERT_GT(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x03\x04", 4));
}

TEST(Use, VaultSetUpAndOpenedAgainWithItsMasterPassword) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_COMMAND, ID_PASSWORD_MANAGER, 0);
    HWND setup = WaitForTitled(Pid(), L"Set Master Password");
    ASSERT_NE(setup, nullptr);
    SetText(setup, 1233, kMaster);
    SetText(setup, 1234, kMaster);
    Command(setup, IDOK);
    HWND manager = WaitForTitled(Pid(), L"Password Management");
    ASSERT_NE(manager, nullptr) << Shown(Pid());
    Command(manager, 1064);
    HWND add = WaitForTitled(Pid(), L"Add");
    ASSERT_NE(add, nullptr);
    SetText(add, 1471, L"Mail");
    SetText(add, 1423, L"kim");
    SetText(add, 1424, L"pw-of-the-site");
    SetText(add, 1425, L"mail.example.com");
    Command(add, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return SendDlgItemMessageW(manager, 1472, LB_GETCOUNT, 0, 0) == 1; }));
    Command(manager, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));

    PostMessageW(g_frame, WM_COMMAND, ID_PASSWORD_MANAGER, 0);
    HWND login = WaitForTitled(Pid(), L"Enter your Password");
    ASSERT_NE(login, nullptr);
    SetText(login, 1424, kMaster);
    Command(login, IDOK);
    manager = WaitForTitled(Pid(), L"Password Management");
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(manager, 1472, LB_GETCOUNT, 0, 0), 1);
    Command(manager, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));
}

TEST(Use, FullScreenCaptureIsSavedAsPng) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_COMMAND, ID_CAPTURE_OUT_SAVE, 0);
    PostMessageW(g_frame, WM_COMMAND, ID_CAPTURE_FULL, 0);
    std::wstring pattern = Folder() + L"capture\\*.png";
    ASSERT_TRUE(WaitUntil([&] { return !FilesIn(pattern).empty(); }, 20000)) << "no picture saved";
}

TEST(Use, SettingsSheetOpensOnEveryTabAndApplies) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_COMMAND, ID_SETTINGS, 0);
    HWND sheet = WaitForTitled(Pid(), L"Settings");
    ASSERT_NE(sheet, nullptr);
    const int tabs[] = {IDC_SM_TAB0, IDC_SM_TAB1, IDC_SM_TAB2, IDC_SM_TAB3,
                        IDC_SM_TAB4, IDC_SM_TAB5, IDC_SM_TAB6, IDC_SM_TAB7};
    int shown = 0;
    for (int tab : tabs) {
        HWND button = GetDlgItem(sheet, tab);
        if (!button || !IsWindowVisible(button)) continue;
        ++shown;
        SendMessageW(button, BM_CLICK, 0, 0);
        // Exactly one page shows: the tab's.
        int pages = 0;
        for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(child)) ++pages;
        }
        EXPECT_EQ(pages, 1) << "tab button " << tab;
        if (tab == IDC_SM_TAB0) Shot(L"settings_basic");
        SendMessageW(GetDlgItem(sheet, IDC_SM_APPLY), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindow(sheet)) << "tab button " << tab;
    }
    EXPECT_EQ(shown, 8);
    // The memo page's font list marks TrueType faces with the program's picture.
    SendMessageW(GetDlgItem(sheet, IDC_SM_TAB1), BM_CLICK, 0, 0);
    struct Search {
        HWND found;
    } search = {nullptr};
    EnumChildWindows(
        sheet,
        [](HWND wnd, LPARAM lp) -> BOOL {
            if (GetDlgCtrlID(wnd) != IDC_MS_FONT || !IsWindowVisible(wnd)) return TRUE;
            ((Search*)lp)->found = wnd;
            return FALSE;
        },
        (LPARAM)&search);
    HWND fonts = search.found;
    ASSERT_NE(fonts, nullptr);
    EXPECT_GT(SendMessageW(fonts, CB_GETCOUNT, 0, 0), 0);
    SendMessageW(fonts, CB_SHOWDROPDOWN, TRUE, 0);
    Shot(L"settings_font_list");
    SendMessageW(fonts, CB_SHOWDROPDOWN, FALSE, 0);
    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));
    EXPECT_EQ(ConfigValue(ReadFileText(Folder() + L"ZorelConfig.xml"), "Version"), "3.1.1.0");
}

TEST(Use, GroupManagerListsTheGroupsWithTheirPictures) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_COMMAND, ID_MEMO_GROUP_MANAGER, 0);
    HWND manager = WaitForWindow(Pid(), [](HWND w) {
        return GetDlgItem(w, CEditMemoGroupDlg::IDC_GROUPS) && GetDlgItem(w, CEditMemoGroupDlg::IDC_GRID_PLACE);
    });
    ASSERT_NE(manager, nullptr) << Shown(Pid());
    HWND list = GetDlgItem(manager, CEditMemoGroupDlg::IDC_GROUPS);
    // The first start has one group, current, and the recycle bin after it.
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    int height = (int)SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ(height, (int)CEditMemoGroupDlg::GroupItemHeight);
    RECT client = {};
    GetClientRect(list, &client);
    // The user picks the recycle bin: the current group's row keeps its own
    // ground and picture.
    ClickAt(list, client.right / 2, height + height / 2);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 1; }));
    struct Expected {
        const char* what;
        int x, y;
        COLORREF colour;
    } expected[] = {
        {"the current group's ground", client.right - 4, height / 2, CGroupListBox::CurrentFill},
        {"the current group's picture", CGroupListBox::IconLeft + 3, CGroupListBox::IconTop + 3, RGB(255, 245, 170)},
        {"the selected row's ground", client.right - 4, height + height / 2, CGroupListBox::SelectedFill},
        {"the recycle bin's picture", CGroupListBox::IconLeft + 4, height + CGroupListBox::IconTop + 3,
         RGB(250, 250, 250)},
    };
    for (const Expected& e : expected) {
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(list, e.x, e.y) == e.colour; }, 5000))
            << e.what << ": " << Hex(ScreenPixel(list, e.x, e.y));
    }
    Shot(L"group_manager");
    PostMessageW(manager, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));
}

namespace {
const wchar_t* const kPageDays[] = {L"Zelkova day", L"Acorn day"};

// The anniversary dialog over the settings sheet, from the Calendar page's
// Add or Edit button.
HWND OpenDayDialog(HWND sheet, int button) {
    HWND control = zdriver::Control(sheet, button);
    if (!control) return nullptr;
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)control);
    return WaitForWindow(Pid(), [](HWND w) {
        return GetDlgItem(w, CDayinfoDlg::IDC_TEXT) && GetDlgItem(w, CDayinfoDlg::IDC_KIND);
    });
}
std::vector<CDayInfo> SavedAnniversaries() {
    CAnniversaryFile file;
    file.SetProgramFolder(CString(Folder().c_str()));
    file.SetReporter([](int) {});
    file.LoadOrImportAnniversaries();
    std::vector<CDayInfo> days;
    for (int i = 0; i < file.GetList().GetSize(); ++i) days.push_back(file.GetList()[i]);
    return days;
}
}  // namespace

TEST(Use, CalendarPageSortsItsAnniversariesOnAHeaderClick) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_COMMAND, ID_SETTINGS, 0);
    HWND sheet = WaitForTitled(Pid(), L"Settings");
    ASSERT_NE(sheet, nullptr);
    HWND grid = nullptr;
    for (int tab : {IDC_SM_TAB0, IDC_SM_TAB1, IDC_SM_TAB2, IDC_SM_TAB3, IDC_SM_TAB4, IDC_SM_TAB5, IDC_SM_TAB6,
                    IDC_SM_TAB7}) {
        SendMessageW(GetDlgItem(sheet, tab), BM_CLICK, 0, 0);
        if (zdriver::Control(sheet, IDC_CA_ADD) && (grid = zdriver::Control(sheet, IDC_CA_GRID))) break;
    }
    ASSERT_NE(grid, nullptr) << "no tab shows the anniversary list";
    // Two anniversaries, typed in as a user would.
    for (const wchar_t* text : kPageDays) {
        HWND day = OpenDayDialog(sheet, IDC_CA_ADD);
        ASSERT_NE(day, nullptr) << Shown(Pid());
        SetText(day, CDayinfoDlg::IDC_TEXT, text);
        Command(day, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(day); }));
    }
    ASSERT_TRUE(WaitUntil([] { return SavedAnniversaries().size() == 2; }));
    // Each click on the Text header sorts by it, turning the order round
    // after the first; the arrow sits at the right of the header cell.
    RECT client = {};
    GetClientRect(grid, &client);
    // The Date column is 85 pixels wide; rows are at least 22 high.
    const int headerX = 85 + 30, headerY = 6, firstRowY = 33;
    RECT arrow = ScreenArea(grid, client.right - 24, 0, client.right, 20);
    std::vector<COLORREF> unsorted = ScreenPixels(arrow), ascending;
    struct Click {
        const wchar_t* firstRow;
        const wchar_t* shot;
    } clicks[] = {{L"Acorn day", L"settings_anniversaries_sorted"}, {L"Zelkova day", nullptr}};
    for (const Click& click : clicks) {
        std::vector<COLORREF> before = ScreenPixels(arrow);
        ClickAt(grid, headerX, headerY);
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixels(arrow) != before; }, 5000)) << "no arrow change";
        if (click.shot) {
            ascending = ScreenPixels(arrow);
            Shot(click.shot);
        }
        // The first row now holds the record that sorts first.
        ClickAt(grid, headerX, firstRowY);
        HWND day = OpenDayDialog(sheet, IDC_CA_EDIT);
        ASSERT_NE(day, nullptr) << Shown(Pid());
        EXPECT_EQ(TextOf(GetDlgItem(day, CDayinfoDlg::IDC_TEXT)), click.firstRow);
        Command(day, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(day); }));
    }
    EXPECT_NE(ascending, unsorted);
    EXPECT_NE(ScreenPixels(arrow), ascending);
    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));
}

TEST(Use, WebCheckAgainstTheLocalServiceShowsItsNotice) {
    ASSERT_NE(g_frame, nullptr);
    // The stand-in service answers with a sliding notice from a package.
    CString control;
    control.Format(L"http://127.0.0.1:%S/control?status=200&reply=result-show.xml",
                   getenv("ZOREL_TEST_HTTP_PORT") ? getenv("ZOREL_TEST_HTTP_PORT") : "0");
    {
        CInternetSession session(L"Zorel acceptance");
        std::unique_ptr<CInternetFile> file(session.OpenURL(control, 1, INTERNET_FLAG_RELOAD));
        ASSERT_TRUE(file != nullptr);
        char reply[8] = {};
        file->Read(reply, 2);
        ASSERT_STREQ(reply, "ok");
    }
    // The hot key of "today's information" forces a check.
    PostMessageW(g_frame, WM_HOTKEY, 37, 0);
    HWND slide = WaitForWindow(Pid(), [](HWND w) {
        RECT r = RectOf(w);
        return r.right - r.left == 240 && r.bottom - r.top == 90;
    }, 30000);
    ASSERT_NE(slide, nullptr) << "no notice";
    Sleep(1500);
    Shot(L"web_check_notice");
}

TEST(Use, QuitsOnTheBroadcastAndSavesEverything) {
    ASSERT_NE(g_frame, nullptr);
    UINT broadcast = RegisterWindowMessageW(L"ZOREL_BROADCAST_REGISTERWINDOW_TARN");
    PostMessageW(g_frame, broadcast, 3074, 0);
    DWORD code = 1;
    ASSERT_TRUE(g_zorel->WaitForExit(30000, &code));
    EXPECT_EQ(code, 0u);
    delete g_zorel;
    g_zorel = nullptr;
}

// ---- The next start: the note and the widget back, sharing on, an alarm set --

namespace {
const wchar_t kAlarmText[] = L"Acceptance alarm";

void AddAnniversary() {
    CAnniversaryFile file;
    file.SetProgramFolder(CString(Folder().c_str()));
    file.SetReporter([](int) {});
    file.LoadOrImportAnniversaries();
    CDayInfo day;
    day.m_nMonth = 5;
    day.m_nDay = 17;
    day.m_strText = L"Acceptance day";
    file.AddAnniversary(day);
    ASSERT_TRUE(file.SaveAnniversaries());
}
}  // namespace

// Before the next start: an anniversary, and the share password in the form
// a sending Zorel gives it, for the FTP client of run.sh.
TEST(Prepare, AnniversaryAndSharePassword) {
    AddAnniversary();
    SaveState("encpass", EncryptString("accept-pw").GetString());
}

TEST(Restarted, BringsBackTheNoteWithItsPlaceAndTheWidget) {
    StartZorel();
    ASSERT_FALSE(HasFailure());
    HWND edit = WaitForNoteWith(Pid(), kNoteText);
    ASSERT_NE(edit, nullptr) << "the typed note is not back";
    EXPECT_EQ(RectText(RectOf(GetParent(edit))), LoadState()["note"]);
    // The widget, where it was.
    std::string widget = LoadState()["widget"];
    EXPECT_NE(WaitForWindow(Pid(), [&](HWND w) { return RectText(RectOf(w)) == widget; }, 20000), nullptr)
        << "no widget at " << widget << ": " << Shown(Pid());
}

TEST(Restarted, AlarmIsSetForTheNextMinuteThroughItsDialog) {
    ASSERT_NE(g_frame, nullptr);
    PostMessageW(g_frame, WM_ADD_SCHEDULE, 0, 0);
    HWND dialog = WaitForWindow(Pid(), [](HWND w) {
        return GetDlgItem(w, CAddAlarmDlg::IDC_KIND) && GetDlgItem(w, CAddAlarmDlg::IDC_TIME);
    });
    ASSERT_NE(dialog, nullptr) << Shown(Pid());
    // Once, in the sliding notice, with a text.
    HWND kind = GetDlgItem(dialog, CAddAlarmDlg::IDC_KIND);
    SendMessageW(kind, CB_SETCURSEL, CAlarmInfo::KindOnce, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(CAddAlarmDlg::IDC_KIND, CBN_SELCHANGE), (LPARAM)kind);
    SendDlgItemMessageW(dialog, CAddAlarmDlg::IDC_STYLE, CB_SETCURSEL, 1, 0);
    SetText(dialog, CAddAlarmDlg::IDC_CONTENTS, kAlarmText);
    // The next minute, or the one after when this one is nearly over, so
    // that the dialog is done before the alarm's minute begins.
    SYSTEMTIME now;
    GetLocalTime(&now);
    ULONGLONG target = LocalMinutes() + (now.wSecond < 40 ? 1 : 2);
    int hour = (int)(target % 1440 / 60), minute = (int)(target % 60);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(CAddAlarmDlg::IDC_TIME, BN_CLICKED),
                 (LPARAM)GetDlgItem(dialog, CAddAlarmDlg::IDC_TIME));
    HWND picker = WaitForWindow(Pid(), [](HWND w) {
        return GetDlgItem(w, IDC_HOUR_FIRST) && GetDlgItem(w, IDC_MINUTE_FIRST);
    });
    ASSERT_NE(picker, nullptr) << Shown(Pid());
    ASSERT_TRUE(zdriver::Click(picker, IDC_HOUR_FIRST + hour));
    ASSERT_TRUE(zdriver::Click(picker, IDC_MINUTE_FIRST + minute));  // a minute closes the picker
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
    // The time button shows the chosen time, hours and minutes in two digits.
    wchar_t hh[8], mm[8];
    swprintf(hh, 8, L"%02d", hour);
    swprintf(mm, 8, L"%02d", minute);
    std::wstring shown = TextOf(GetDlgItem(dialog, CAddAlarmDlg::IDC_TIME));
    EXPECT_TRUE(shown.find(hh) != std::wstring::npos && shown.find(mm, shown.find(hh) + 2) != std::wstring::npos)
        << "the time button reads " << std::string(shown.begin(), shown.end());
    ASSERT_TRUE(zdriver::Click(dialog, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "the dialog refused: " << Shown(Pid());
    EXPECT_LT(LocalMinutes(), target) << "the minute came while the dialog was filled in";
    // The program keeps it in its alarm file, written once the dialog is gone.
    std::vector<CAlarmInfo> kept;
    ASSERT_TRUE(WaitUntil([&] {
        std::string bytes = ReadFileText(Folder() + L"schedule_data\\schedule_data.zra");
        kept.clear();
        CAlarmStore::ParseFile((const BYTE*)bytes.data(), bytes.size(), kept, 20000);
        return !kept.empty() && kept.back().m_strContents == kAlarmText;
    })) << "the alarm file does not hold the new alarm";
    const CAlarmInfo& made = kept.back();
    EXPECT_EQ(made.m_strContents, kAlarmText);
    EXPECT_EQ(made.m_nKind, (int)CAlarmInfo::KindOnce);
    EXPECT_EQ(made.m_nNoticeStyle, 0);  // the sliding notice
    EXPECT_EQ(made.m_nHour, hour);
    EXPECT_EQ(made.m_nMinute, minute);
    EXPECT_TRUE(made.m_bEnabled);
}

TEST(Restarted, AlarmForTheNextMinuteFiresWithItsNotice) {
    ASSERT_NE(g_frame, nullptr);
    // The sliding notice comes up at the bottom right, titled as a schedule.
    HWND notice = WaitForWindow(Pid(), [](HWND w) {
        std::wstring text = TextOf(w);
        return !GetDlgItem(w, kMemoEditId) &&
               (text.find(kAlarmText) != std::wstring::npos || text.find(L"[Schedule]") != std::wstring::npos);
    }, 130000);
    ASSERT_NE(notice, nullptr) << "the alarm did not fire: " << Shown(Pid());
    EXPECT_GT(RectOf(notice).bottom, GetSystemMetrics(SM_CYSCREEN) / 2);
    Sleep(1000);
    Shot(L"alarm_notice");
}

TEST(Restarted, NoteDeliveredOverTheFileShareOpensAsANewNote) {
    ASSERT_NE(g_frame, nullptr);
    HWND edit = WaitForNoteWith(Pid(), L"Delivered by ftplib", 90000);
    ASSERT_NE(edit, nullptr) << "the delivered note did not open: " << Shown(Pid());
    LeaveRunning();
}

// ---- After the installer ran again over the running program -------------------

TEST(Updated, ShowsTheNotesAlarmsAnniversariesVaultAndWidgets) {
    StartZorel();
    ASSERT_FALSE(HasFailure());
    EXPECT_NE(WaitForNoteWith(Pid(), kNoteText), nullptr);
    EXPECT_NE(WaitForNoteWith(Pid(), L"Delivered by ftplib"), nullptr);
    std::string widget = LoadState()["widget"];
    EXPECT_NE(WaitForWindow(Pid(), [&](HWND w) { return RectText(RectOf(w)) == widget; }, 20000), nullptr)
        << "no widget at " << widget << ": " << Shown(Pid());
    std::string alarms = ReadFileText(Folder() + L"schedule_data\\schedule_data.zra");
    std::vector<CAlarmInfo> read;
    CAlarmStore::ParseFile((const BYTE*)alarms.data(), alarms.size(), read, 20000);
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read.back().m_strContents, kAlarmText);
    // The anniversaries typed into the settings sheet and the one written
    // before the restart.
    std::vector<std::wstring> days;
    for (const CDayInfo& day : SavedAnniversaries()) days.push_back(day.m_strText.GetString());
    std::sort(days.begin(), days.end());
    EXPECT_EQ(days, (std::vector<std::wstring>{L"Acceptance day", L"Acorn day", L"Zelkova day"}));
    std::vector<CPwdInfo> entries;
    CPwdVault vault((Folder() + L"pmanager_data\\").c_str());
    ASSERT_EQ(vault.Load(kMaster, entries), CPwdVault::loadOk);
    EXPECT_EQ(entries.size(), 1u);
    Shot(L"desktop_after_update");
    // The history copies of the alarm file, listed with the program's item
    // picture.
    PostMessageW(g_frame, WM_COMMAND, ID_RESTORE_SCHEDULE, 0);
    HWND history = WaitForWindow(Pid(), [](HWND w) { return GetDlgItem(w, 1249) && GetDlgItem(w, 1089); });
    ASSERT_NE(history, nullptr) << Shown(Pid());
    EXPECT_GT(SendDlgItemMessageW(history, 1249, LB_GETCOUNT, 0, 0), 0);
    Shot(L"restore_schedule_list");
    PostMessageW(history, WM_COMMAND, IDCANCEL, 0);
    LeaveRunning();
}
