// Zorel.exe end to end with its desktop calendar: the calendar appears at
// start where the settings put it, moves through the months by keys and by
// its menu, registers an anniversary with an icon on a right-clicked day
// (which then shows the icon and is in the anniversary file), and writes the
// chosen skin to the profile. Leaves a picture of the default skin.
#include "ZorelTest.h"

#include "ScreenPicture.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n  </General>\n"
    "  <Calendar>\n    <WinSXSY>120 90</WinSXSY>\n    <AutoStart>1</AutoStart>\n  </Calendar>\n"
    "</ZorelConfig>\n";

// The default skin: three panels of 204 x 204, the middle one this month,
// its days from (214, 50) in steps of 28 x 26, each cell 18 x 16.
const int kSkinW = 612, kSkinH = 204;
const int kDayX = 214, kDayY = 50, kStepX = 28, kStepY = 26;

const UINT kPrevMonth = 32930, kResetMonth = 32929, kNewAnniversary = 32879, kFirstSkin = 5024;
const int kTextBox = 1115, kMonthBox = 1070, kDayBox = 1071, kIconList = 1119;

std::wstring SourceDir() {
    const char* dir = getenv("ZOREL_SOURCE_DIR");
    std::string s = dir ? dir : "";
    for (char& c : s)
        if (c == '/') c = '\\';
    return std::wstring(s.begin(), s.end()) + L"\\";
}

bool CopyFolderFiles(const std::wstring& from, const std::wstring& to) {
    SHCreateDirectoryExW(nullptr, to.c_str(), nullptr);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((from + L"*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileW((from + data.cFileName).c_str(), (to + data.cFileName).c_str(), FALSE);
    while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

struct Search {
    DWORD pid;
    HWND found;
};

// The calendar: the process's visible window of the default skin's size.
HWND FindCalendar(DWORD pid, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        Search search = {pid, nullptr};
        EnumWindows(
            [](HWND wnd, LPARAM lp) -> BOOL {
                Search* s = (Search*)lp;
                DWORD owner = 0;
                GetWindowThreadProcessId(wnd, &owner);
                RECT r;
                if (owner == s->pid && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left == kSkinW &&
                    r.bottom - r.top == kSkinH)
                    s->found = wnd;
                return !s->found;
            },
            (LPARAM)&search);
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// The process's dialog holding a control, as the anniversary dialog does.
HWND FindDialogWith(DWORD pid, int control, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        Search search = {pid, nullptr};
        EnumWindows(
            [](HWND wnd, LPARAM lp) -> BOOL {
                Search* s = (Search*)lp;
                DWORD owner = 0;
                GetWindowThreadProcessId(wnd, &owner);
                if (owner == s->pid && IsWindowVisible(wnd) && GetDlgItem(wnd, kTextBox)) s->found = wnd;
                return !s->found;
            },
            (LPARAM)&search);
        if (search.found && GetDlgItem(search.found, control)) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// What the screen shows of the window, pixel by pixel.
std::vector<DWORD> Picture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return ScreenPixels(r);
}

// Waits until the window shows something else than before (or the same, when
// same is set).
bool WaitForPicture(HWND wnd, const std::vector<DWORD>& before, bool same, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    do {
        if ((Picture(wnd) == before) == same) return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

std::wstring TextOf(HWND wnd) {
    wchar_t text[256] = {};
    SendMessageW(wnd, WM_GETTEXT, 256, (LPARAM)text);
    return text;
}

std::wstring ReadRegistry(const wchar_t* key, const wchar_t* value) {
    wchar_t data[MAX_PATH] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return L"";
    return data;
}

// Right-clicks the window at a screen point and gives the height of the
// context menu that opens, closing it again; 0 when none opened or closed.
int MenuHeight(HWND wnd, POINT at) {
    PostMessageW(wnd, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    HWND menu = nullptr;
    for (DWORD start = GetTickCount(); !menu && GetTickCount() - start < 5000; Sleep(50))
        EnumWindows(
            [](HWND candidate, LPARAM found) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(candidate, name, 16);
                if (wcscmp(name, L"#32768") != 0 || !IsWindowVisible(candidate)) return TRUE;
                *(HWND*)found = candidate;
                return FALSE;
            },
            (LPARAM)&menu);
    if (!menu) return 0;
    Sleep(200);
    RECT r;
    GetWindowRect(menu, &r);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    DWORD start = GetTickCount();
    while (IsWindowVisible(menu) && GetTickCount() - start < 5000) Sleep(50);
    // The button comes up again, as the user lets go of it.
    PostMessageW(wnd, WM_RBUTTONUP, 0, 0);
    return IsWindowVisible(menu) ? 0 : r.bottom - r.top;
}

}  // namespace

class CalendarE2ETest : public ZorelTest {};

TEST_F(CalendarE2ETest, CalendarNavigatesAndRegistersAnAnniversaryOnARightClickedDay) {
    std::wstring folder = NewFolderWith(kConfig);
    ASSERT_TRUE(CopyFolderFiles(SourceDir() + L"data\\skin\\Calendar\\default\\", folder + L"skin\\Calendar\\default\\"));
    ASSERT_TRUE(CopyFolderFiles(SourceDir() + L"data\\system\\res\\", folder + L"system\\res\\"));
    const wchar_t* profileKey = L"Software\\Zorel Program\\Zorel\\Calendar";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, profileKey, L"SkinFolder");

    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    HWND calendar = FindCalendar(zorel.Id());
    ASSERT_NE(nullptr, calendar);
    RECT at;
    GetWindowRect(calendar, &at);
    EXPECT_EQ(120, at.left);
    EXPECT_EQ(90, at.top);
    zorel.WaitForStartUp();

    // Keys: four months back, then Enter brings this month back.
    std::vector<DWORD> thisMonth = Picture(calendar);
    for (int i = 0; i < 4; ++i) PostMessageW(calendar, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(WaitForPicture(calendar, thisMonth, false));
    PostMessageW(calendar, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitForPicture(calendar, thisMonth, true));
    // The menu's items: the month before, and back.
    PostMessageW(calendar, WM_COMMAND, kPrevMonth, 0);
    EXPECT_TRUE(WaitForPicture(calendar, thisMonth, false));
    PostMessageW(calendar, WM_COMMAND, kResetMonth, 0);
    EXPECT_TRUE(WaitForPicture(calendar, thisMonth, true));

    // A right click on the 15th of this month opens the day's menu.
    time_t now = time(nullptr);
    struct tm today = *localtime(&now);
    struct tm first = today;
    first.tm_mday = 1;
    first.tm_hour = 12;
    mktime(&first);
    int index = 15 - 1 + first.tm_wday;  // the 1st sits in its weekday's column
    POINT day = {at.left + kDayX + (index % 7) * kStepX + 9, at.top + kDayY + (index / 7) * kStepY + 8};
    // The day's menu holds the two register items more than the menu of a
    // place without a day (the weekday names above the days).
    int offDay = MenuHeight(calendar, POINT{at.left + kDayX + 2, at.top + kDayY - 12});
    int onDay = MenuHeight(calendar, day);
    EXPECT_GT(offDay, 0);
    EXPECT_GT(onDay, offDay);
    ASSERT_FALSE(zorel.HasEnded());

    // The register item on the selected day: the dialog opens on it.
    std::vector<DWORD> beforeIcon = Picture(calendar);
    PostMessageW(calendar, WM_COMMAND, kNewAnniversary, 0);
    HWND dialog = FindDialogWith(zorel.Id(), kIconList);
    ASSERT_NE(nullptr, dialog);
    wchar_t month[8];
    swprintf(month, 8, L"%d", today.tm_mon + 1);
    EXPECT_EQ(std::wstring(month), TextOf(GetDlgItem(dialog, kMonthBox)));
    EXPECT_EQ(L"15", TextOf(GetDlgItem(dialog, kDayBox)));
    SendMessageW(GetDlgItem(dialog, kTextBox), WM_SETTEXT, 0, (LPARAM)L"Picnic");
    SendMessageW(GetDlgItem(dialog, kIconList), CB_SETCURSEL, 5, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // Saved as the dialog closes, and its icon shows on the day. (Waits for
    // the file's content: a loaded machine may close the dialog slowly.)
    std::string file;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 15000; Sleep(50)) {
        file = ReadFileText(folder + L"anniversary_data\\anniversary_data.xzrn");
        if (file.find("P\0i\0c\0n\0i\0c", 0, 11) != std::string::npos) break;
    }
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(std::string::npos, file.find("P\0i\0c\0n\0i\0c", 0, 11)) << file.size();
    EXPECT_TRUE(WaitForPicture(calendar, beforeIcon, false));
    SaveScreenPicture(L"calendar-default", {calendar});

    // Choosing a skin writes it to the profile.
    PostMessageW(calendar, WM_COMMAND, kFirstSkin, 0);
    std::wstring skin;
    for (DWORD start = GetTickCount(); skin.empty() && GetTickCount() - start < 5000; Sleep(50))
        skin = ReadRegistry(profileKey, L"SkinFolder");
    EXPECT_NE(std::wstring::npos, skin.find(L"skin\\Calendar\\default\\default.xml")) << skin;

    CloseAndExpectCleanExit(zorel, frame);
}
