// The calendar, widget and file-share pages as real windows inside the
// sheet, over a temporary program folder. The frame is a fake that records
// what the pages ask; the calendar's anniversaries are a real anniversary
// file, and the share page's server is the real one on 127.0.0.1, which
// Python's ftplib logs in to.
// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "MessagePump.h"
#include "PagesTestSupport.h"
#include "ProgramFolderSetup.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "TestFiles.h"

#include "app/CalendarPage.h"
#include "app/CalendarPageTarget.h"
#include "app/FileSharePage.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "app/WidgetPage.h"
#include "calendar/AnniversaryFile.h"
#include "net/FTPd.h"
#include "net/FtpdOptions.h"
#include "notes/DayinfoDlg.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "ui/GridCtrl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring>* g_log = nullptr;
void Log(const std::wstring& line) {
    if (g_log) g_log->push_back(line);
}
std::wstring Num(int n) { return std::to_wstring(n); }
bool Has(const std::vector<std::wstring>& log, const std::wstring& line) {
    for (const std::wstring& l : log)
        if (l == line) return true;
    return false;
}

class CFakeCalendar : public ICalendarPageTarget {
public:
    CAnniversaryFile file;
    CString skin;
    int alpha = 200, hiding = 0, level = 0;
    bool visible = false;
    CString GetSkinFile() override { return skin; }
    void LoadSkin(const CString& path) override {
        skin = path;
        Log(L"calendar LoadSkin " + std::wstring(path.GetString()));
    }
    int GetAlpha() override { return alpha; }
    void SetAlpha(int a) override {
        alpha = a;
        Log(L"calendar SetAlpha " + Num(a));
    }
    int GetMouseOverHiding() override { return hiding; }
    void SetMouseOverHiding(int on) override { hiding = on; }
    int GetZPosition() override { return level; }
    void SetZPosition(int l) override {
        level = l;
        Log(L"calendar SetZPosition " + Num(l));
    }
    bool IsVisible() override { return visible; }
    void ShowToStay() override {
        visible = true;
        Log(L"calendar ShowToStay");
    }
    CAnniversaryFile& Anniversaries() override { return file; }
};

class CQuietOwner : public IFtpdOwner {
public:
    void QueueReceivedMessage(const CString&, const CStringA&) override {}
    void RequestSyncDialog() override {}
};

class CFakeHost : public ISettingsHost {
public:
    CSetupMemo* sheet = nullptr;
    CFakeCalendar calendar;
    bool hasCalendar = true;
    std::set<std::wstring> openWidgets;
    std::map<std::wstring, WidgetWindowState> widgetStates;
    // The share server: a real one on 127.0.0.1, or only a flag.
    bool realServer = false, serverRuns = false;
    CFTPd* server = nullptr;
    CQuietOwner owner;

    ~CFakeHost() override { StopFtpServer(); }
    void ApplyMemoOptions() override {}
    void ShowTrayIcon(bool) override {}
    void RegisterHotKeys() override {}
    void UnregisterHotKeys() override {}
    void LoadTrayMenu() override {}
    void CloseAllDialogs(int) override {}
    void UnpinDesktopWindows() override {}
    void ShowQuickMenu(int) override {}

    ICalendarPageTarget* GetCalendarTarget() override { return hasCalendar ? &calendar : nullptr; }
    void OnAnniversariesChanged() override {
        Log(L"OnAnniversariesChanged");
        if (sheet) sheet->RefreshCalendarPage();
    }
    void UpdateScheduleWindow() override { Log(L"UpdateScheduleWindow"); }

    // As the frame does: every open and close refreshes the sheet's page.
    bool IsWidgetOpen(const CString& skin) override { return openWidgets.count(skin.GetString()) != 0; }
    void OpenWidget(const CString& skin) override {
        Log(L"OpenWidget " + std::wstring(skin.GetString()));
        openWidgets.insert(skin.GetString());
        if (sheet) sheet->RefreshWidgetPage();
    }
    void CloseWidgetBySkin(const CString& skin) override {
        Log(L"CloseWidget " + std::wstring(skin.GetString()));
        openWidgets.erase(skin.GetString());
        if (sheet) sheet->RefreshWidgetPage();
    }
    bool GetWidgetState(const CString& skin, WidgetWindowState& state) override {
        if (!IsWidgetOpen(skin)) return false;
        state = widgetStates[skin.GetString()];
        return true;
    }
    void SetWidgetZPosition(const CString& skin, int level) override { widgetStates[skin.GetString()].zPosition = level; }
    void SetWidgetAlpha(const CString& skin, int alpha) override {
        widgetStates[skin.GetString()].alpha = alpha;
        Log(L"SetWidgetAlpha " + Num(alpha));
    }
    void SetWidgetMouseOverHiding(const CString& skin, int on) override {
        widgetStates[skin.GetString()].mouseOverHiding = on;
    }

    bool IsFtpServerRunning() override { return realServer ? (server && server->IsListening()) : serverRuns; }
    void StartFtpServer() override {
        Log(L"StartFtpServer " + Num(g_Settings.FileShare.Port) + L" " +
            std::wstring(g_Settings.FileShare.Password.GetString()));
        if (g_Settings.FileShare.Password.IsEmpty()) return;
        if (!realServer) {
            serverRuns = true;
            return;
        }
        if (server) return;
        FtpdOptions options = FtpdOptionsFromSettings();
        options.bindAddress = htonl(INADDR_LOOPBACK);
        server = new CFTPd(&owner, options);
        server->Start();
    }
    void StopFtpServer() override {
        serverRuns = false;
        if (!server) return;
        Log(L"StopFtpServer");
        server->Stop(1);
        server = nullptr;
    }
    void ShowSyncScheduleDialog(int mode) override { Log(L"ShowSyncScheduleDialog " + Num(mode)); }
};

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void Choose(HWND dialog, int id, int item) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, (WPARAM)item, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)GetDlgItem(dialog, id));
}
CString Text(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}
void Slide(HWND dialog, int id, int value) {
    HWND slider = GetDlgItem(dialog, id);
    SendMessageW(slider, TBM_SETPOS, TRUE, value);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, value), (LPARAM)slider);
}
std::wstring BoxLine(int textId) { return L"box " + std::wstring(g_LanguageTable[textId].GetString()); }

// The list view's entries as the user sees them.
HWND WidgetList(HWND page) { return GetDlgItem(page, IDC_WP_LIST); }
void SetEntryCheck(HWND page, int item, bool on) { ListView_SetCheckState(WidgetList(page), item, on ? TRUE : FALSE); }
bool EntryChecked(HWND page, int item) { return ListView_GetCheckState(WidgetList(page), item) != 0; }
void SelectEntry(HWND page, int item) {
    ListView_SetItemState(WidgetList(page), item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// The anniversary dialog this thread shows, found by its text field.
HWND FindDayinfoDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM lp) -> BOOL {
            if (GetDlgItem(wnd, CDayinfoDlg::IDC_TEXT) && IsWindowVisible(wnd)) {
                *(HWND*)lp = wnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

std::string Environment(const char* name) {
    const char* value = getenv(name);
    return value ? value : "";
}
CString WindowsPathOf(const std::string& unixPath) {
    CString path = CString(L"Z:") + CString(unixPath.c_str());
    path.Replace(L'/', L'\\');
    return path;
}

// Python's client against the server, started from this Windows program:
// its outcome comes back through a file, since Wine does not hand back a
// Unix program's exit code.
std::string RunShareClient(const std::string& arguments) {
    std::string result = Environment("ZOREL_BINARY_DIR") + "/tests/share-client-result.txt";
    CString windowsResult = WindowsPathOf(result);
    DeleteFileW(windowsResult);
    std::string command = "/usr/bin/python3 " + Environment("ZOREL_SOURCE_DIR") +
                          "/tests/settings_pages/share_client.py " + arguments + " " + result;
    STARTUPINFOA start = {sizeof start};
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return "could not start python3";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::string text;
    // The server answers on this thread's loop: keep it running meanwhile.
    PumpUntil(
        [&] {
            if (GetFileAttributesW(windowsResult) == INVALID_FILE_ATTRIBUTES) return false;
            text = ReadFileBytes(windowsResult);
            return !text.empty();
        },
        40000);
    DeleteFileW(windowsResult);
    return text;
}

int FreeLoopbackPort() {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, (sockaddr*)&address, sizeof address);
    int size = sizeof address;
    getsockname(s, (sockaddr*)&address, &size);
    closesocket(s);
    return ntohs(address.sin_port);
}

CDayInfo Anniversary(int month, int day, const wchar_t* text, bool lunar, bool leap, bool holiday) {
    CDayInfo info;
    info.m_nMonth = month;
    info.m_nDay = day;
    info.m_strText = text;
    info.m_bLunar = lunar ? 1 : 0;
    info.m_bLeap = leap ? 1 : 0;
    info.m_bHoliday = holiday ? 1 : 0;
    return info;
}

class MorePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        m_folder.reset(new CScratchFolder(L"more-pages"));
        m_folder->Write(L"skin\\Calendar\\Blue\\blue.xml", "<Skin/>");
        m_folder->Write(L"skin\\Calendar\\Wood\\wood.xml", "<Skin/>");
        m_folder->Write(L"skin\\widgets\\Clock\\clock.xml", "<Skin/>");
        m_folder->Write(L"skin\\widgets\\Note\\note.xml", "<Skin/>");
        m_folder->Write(L"skin\\widgets\\loose.xml", "<Skin/>");
        UseAsProgramFolder(*m_folder);
        m_savedPlatform = g_PlatformId;
        g_PlatformId = 2;
        g_log = &m_log;
        SetMessageBoxAnswerer([this](const CString& text, int) {
            m_log.push_back(L"box " + std::wstring(text.GetString()));
            return m_answer;
        });
        m_host.calendar.file.SetProgramFolder(m_folder->Path());
        m_host.calendar.file.SetReporter([](int text) { Log(L"file report " + Num(text)); });
        g_posted.clear();
        m_owner = MakeSettingsOwner();
    }
    void TearDown() override {
        m_sheet.reset();
        m_host.StopFtpServer();
        DestroyWindow(m_owner);
        SetMessageBoxAnswerer(nullptr);
        g_log = nullptr;
        g_PlatformId = m_savedPlatform;
        m_folder.reset();
        WSACleanup();
    }

    HWND Open(int tab) {
        m_sheet.reset(new CSetupMemo(m_host, tab, -1));
        m_host.sheet = m_sheet.get();
        EXPECT_TRUE(m_sheet->Create(CWnd::FromHandle(m_owner)));
        PumpWaiting();
        return m_sheet->GetSafeHwnd();
    }
    HWND Page(int tab) {
        CSettingsPage* page = m_sheet->GetPage(tab);
        return page ? page->GetSafeHwnd() : nullptr;
    }
    void Apply() { Click(m_sheet->GetSafeHwnd(), IDC_SM_APPLY); }
    bool WaitPosted(size_t count) { return PumpUntil([&] { return g_posted.size() >= count; }, 3000); }
    CString Skin(const wchar_t* relative) { return m_folder->Path() + relative; }

    std::unique_ptr<CScratchFolder> m_folder;
    std::unique_ptr<CSetupMemo> m_sheet;
    HWND m_owner = nullptr;
    CFakeHost m_host;
    std::vector<std::wstring> m_log;
    int m_answer = IDYES;
    int m_savedPlatform = 0;
};

}  // namespace

// ---- Calendar page ---------------------------------------------------------------------

TEST_F(MorePagesTest, AnniversaryGridShowsKindsAndEditsOutliveCancel) {
    CAnniversaryFile& file = m_host.calendar.file;
    file.AddAnniversary(Anniversary(3, 1, L"Independence Day", false, false, true));
    file.AddAnniversary(Anniversary(8, 15, L"Grandmother", true, false, false));
    file.AddAnniversary(Anniversary(4, 9, L"Leap feast", true, true, true));
    ASSERT_TRUE(file.SaveAnniversaries());
    HWND sheet = Open(5);
    HWND page = Page(5);
    ASSERT_TRUE(page);
    CGridCtrl* grid = m_sheet->GetCalendarPage()->GetGrid();
    ASSERT_TRUE(grid && grid->GetSafeHwnd());
    EXPECT_EQ(grid->GetDlgCtrlID(), IDC_CA_GRID);
    ASSERT_EQ(grid->GetRowCount(), 4);
    EXPECT_EQ(grid->GetItemText(0, 0), g_LanguageTable[10076]);
    struct Row {
        const wchar_t* date;
        const wchar_t* text;
        int image;
    };
    const Row rows[] = {{L"03/01", L"Independence Day", 1}, {L"08/15", L"Grandmother", 2}, {L"04/09", L"Leap feast", 5}};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(grid->GetItemText(r + 1, 0), CString(rows[r].date));
        EXPECT_EQ(grid->GetItemText(r + 1, 1), CString(rows[r].text));
        EXPECT_EQ(grid->GetItemImage(r + 1, 0), rows[r].image) << r;
        EXPECT_EQ(grid->GetItemIndex(r + 1, 1), r);
    }
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-calendar-") + UseScreenshotLanguage(), {sheet});

    // A double click on the second row edits that record, found again by
    // its id; OK writes the file.
    CRect cell;
    ASSERT_TRUE(grid->GetCellRect(2, 1, &cell));
    LPARAM at = MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y);
    SendMessageW(grid->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(grid->GetSafeHwnd(), WM_LBUTTONUP, 0, at);
    WhenShown([] {
        HWND dialog = FindDayinfoDialog();
        if (!dialog) return;
        SetDlgItemTextW(dialog, CDayinfoDlg::IDC_TEXT, L"Grandfather");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(grid->GetSafeHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ASSERT_TRUE(PumpUntil([&] { return Has(m_log, L"OnAnniversariesChanged"); }, 10000));
    EXPECT_EQ(file.GetList()[1].m_strText, CString(L"Grandfather"));
    EXPECT_EQ(grid->GetItemText(2, 1), CString(L"Grandfather"));

    // Cancelling the sheet does not take the edit back: it is in the file.
    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted[0].wParam, 2u);
    CAnniversaryFile reread;
    reread.SetProgramFolder(m_folder->Path());
    ASSERT_TRUE(reread.LoadAnniversaries());
    ASSERT_EQ(reread.GetList().GetSize(), 3);
    EXPECT_EQ(reread.GetList()[1].m_strText, CString(L"Grandfather"));
}

TEST_F(MorePagesTest, DeleteAsksWithTheAnniversarysOwnText) {
    CAnniversaryFile& file = m_host.calendar.file;
    file.AddAnniversary(Anniversary(5, 5, L"Children's Day", false, false, true));
    file.AddAnniversary(Anniversary(6, 6, L"Memorial Day", false, false, true));
    ASSERT_TRUE(file.SaveAnniversaries());
    Open(5);
    HWND page = Page(5);
    CGridCtrl* grid = m_sheet->GetCalendarPage()->GetGrid();
    CString question = g_LanguageTable[10079];
    question.Replace(L"#DATA#", L"Memorial Day");

    // Nothing under the focus: nothing is asked.
    Press(page, IDC_CA_DELETE);
    EXPECT_TRUE(m_log.empty());
    grid->SetFocusCell(2, 0);
    m_answer = IDNO;
    Press(page, IDC_CA_DELETE);
    EXPECT_TRUE(Has(m_log, L"box " + std::wstring(question.GetString())));
    EXPECT_EQ(file.GetList().GetSize(), 2);
    m_answer = IDYES;
    Press(page, IDC_CA_DELETE);
    ASSERT_EQ(file.GetList().GetSize(), 1);
    EXPECT_EQ(file.GetList()[0].m_strText, CString(L"Children's Day"));
    EXPECT_EQ(grid->GetRowCount(), 2);
    CAnniversaryFile reread;
    reread.SetProgramFolder(m_folder->Path());
    ASSERT_TRUE(reread.LoadAnniversaries());
    EXPECT_EQ(reread.GetList().GetSize(), 1);
}

TEST_F(MorePagesTest, CalendarOptionsActStoreAndShowAHiddenCalendar) {
    g_Settings.Calendar.AutoStart = 0;
    g_Settings.Calendar.AlertType = 0;
    m_host.calendar.skin = Skin(L"skin\\Calendar\\Wood\\wood.xml");
    Open(5);
    HWND page = Page(5);
    // Skins one folder down, the calendar's own selected.
    ASSERT_EQ(SendDlgItemMessageW(page, IDC_CA_SKIN, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageW(page, IDC_CA_SKIN, CB_GETCURSEL, 0, 0), 1);
    Choose(page, IDC_CA_SKIN, 0);
    EXPECT_TRUE(Has(m_log, L"calendar LoadSkin " + std::wstring(Skin(L"skin\\Calendar\\Blue\\blue.xml").GetString())));
    EXPECT_EQ(Text(page, IDC_CA_PERCENT), CString(L"78 %"));
    Slide(page, IDC_CA_TRANS, 128);
    EXPECT_TRUE(Has(m_log, L"calendar SetAlpha 128"));
    EXPECT_EQ(g_Settings.Calendar.TransVal, 128);

    // The alarm type follows the anniversary check, and is stored either way.
    Choose(page, IDC_CA_ALERT_TYPE, 2);
    Click(page, IDC_CA_MEMORIAL_CHECK);
    EXPECT_FALSE(Enabled(page, IDC_CA_ALERT_TYPE));
    Click(page, IDC_CA_AUTO_START);
    Apply();
    EXPECT_EQ(g_Settings.Calendar.MemorialDayCheck, 0);
    EXPECT_EQ(g_Settings.Calendar.AlertType, 2);
    EXPECT_EQ(g_Settings.Calendar.AutoStart, 1);
    EXPECT_TRUE(Has(m_log, L"calendar ShowToStay"));
    EXPECT_TRUE(Has(m_log, L"UpdateScheduleWindow"));
    EXPECT_TRUE(Has(m_log, L"calendar SetZPosition 0"));

    // Defaults: alpha back at once, the list usable again.
    Click(m_sheet->GetSafeHwnd(), IDC_SM_DEFAULT);
    EXPECT_TRUE(Has(m_log, L"calendar SetAlpha 255"));
    EXPECT_EQ(g_Settings.Calendar.TransVal, 255);
    EXPECT_TRUE(Enabled(page, IDC_CA_ALERT_TYPE));
    EXPECT_EQ(SendDlgItemMessageW(page, IDC_CA_START_MODE, CB_GETCURSEL, 0, 0), 2);
}

// ---- Widget page -------------------------------------------------------------------------

TEST_F(MorePagesTest, WidgetEntriesOpenAndCloseTheirWidgets) {
    CString clock = Skin(L"skin\\widgets\\Clock\\clock.xml"), note = Skin(L"skin\\widgets\\Note\\note.xml");
    m_host.widgetStates[note.GetString()] = {1, 200, 1};
    HWND sheet = Open(6);
    HWND page = Page(6);
    ASSERT_TRUE(page);
    // Only skins inside a sub-folder are listed.
    ASSERT_EQ(ListView_GetItemCount(WidgetList(page)), 2);
    EXPECT_EQ(m_sheet->GetWidgetPage()->GetSkinFiles()[0], clock);

    SetEntryCheck(page, 1, true);
    EXPECT_TRUE(Has(m_log, L"OpenWidget " + std::wstring(note.GetString())));
    EXPECT_TRUE(EntryChecked(page, 1));
    SelectEntry(page, 1);
    EXPECT_TRUE(Enabled(page, IDC_WP_SEL_TRANS));
    EXPECT_EQ(SendDlgItemMessageW(page, IDC_WP_SEL_ZPOSITION, CB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(Checked(page, IDC_WP_SEL_MOUSE_OVER));
    EXPECT_EQ(Text(page, IDC_WP_SEL_PERCENT), CString(L"78 %"));
    Slide(page, IDC_WP_SEL_TRANS, 100);
    EXPECT_TRUE(Has(m_log, L"SetWidgetAlpha 100"));
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-widgets-") + UseScreenshotLanguage(), {sheet});

    // An unchecked entry leaves the three per-widget controls off.
    SelectEntry(page, 0);
    for (int id : {IDC_WP_SEL_TRANS, IDC_WP_SEL_ZPOSITION, IDC_WP_SEL_MOUSE_OVER}) EXPECT_FALSE(Enabled(page, id)) << id;

    // Closed from its own menu while the sheet is open: the entry unchecks.
    m_host.openWidgets.erase(note.GetString());
    m_sheet->RefreshWidgetPage();
    EXPECT_FALSE(EntryChecked(page, 1));

    SetEntryCheck(page, 0, true);
    m_log.clear();
    SetEntryCheck(page, 0, false);
    EXPECT_TRUE(Has(m_log, L"CloseWidget " + std::wstring(clock.GetString())));
    EXPECT_TRUE(m_host.openWidgets.empty());
    EXPECT_FALSE(EntryChecked(page, 0));
}

TEST_F(MorePagesTest, NewWidgetDefaultsStoreAtOnceAndOnOk) {
    g_Settings.Widget.TransVal = 255;
    HWND sheet = Open(6);
    HWND page = Page(6);
    Slide(page, IDC_WP_TRANS, 128);
    EXPECT_EQ(g_Settings.Widget.TransVal, 128);
    EXPECT_EQ(Text(page, IDC_WP_PERCENT), CString(L"50 %"));
    Click(page, IDC_WP_MOUSE_OVER);
    EXPECT_EQ(g_Settings.Widget.MouseOverHiding, 1);
    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted[0].wParam, 1u);
    EXPECT_EQ(g_Settings.Widget.TransVal, 128);

    Click(sheet, IDC_SM_DEFAULT);
    EXPECT_EQ(g_Settings.Widget.TransVal, 255);
    EXPECT_EQ(Text(page, IDC_WP_PERCENT), CString(L"100 %"));
    EXPECT_FALSE(Checked(page, IDC_WP_MOUSE_OVER));
}

// ---- File-share page ----------------------------------------------------------------------

TEST_F(MorePagesTest, SharePortAndPasswordAreCheckedBeforeTheServerStarts) {
    g_Settings.FileShare.Port = 5330;
    Open(7);
    HWND page = Page(7);
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(page, IDC_FS_ACCOUNT), CString(L" zorel"));
    SetDlgItemTextW(page, IDC_FS_PORT, L"abc");
    Apply();
    EXPECT_EQ(g_Settings.FileShare.Port, 0);

    SetDlgItemTextW(page, IDC_FS_PASSWORD, L"");
    Press(page, IDC_FS_START);
    EXPECT_TRUE(Has(m_log, BoxLine(24032)));
    EXPECT_FALSE(m_host.IsFtpServerRunning());
    EXPECT_TRUE(Enabled(page, IDC_FS_PASSWORD));

    std::wstring seventy(70, L'p');
    for (int i = 0; i < 70; ++i) seventy[i] = L"abcdefghij"[i % 10];
    SetDlgItemTextW(page, IDC_FS_PASSWORD, seventy.c_str());
    EXPECT_EQ(Text(page, IDC_FS_CLIENT_PASSWORD), CString(seventy.c_str()));
    Press(page, IDC_FS_START);
    EXPECT_TRUE(Has(m_log, L"StartFtpServer 5330 " + seventy.substr(0, 64)));
    EXPECT_EQ(g_Settings.FileShare.Port, 5330);
    EXPECT_EQ(g_Settings.FileShare.Password, CString(seventy.substr(0, 64).c_str()));
    EXPECT_EQ(Text(page, IDC_FS_PORT), CString(L"5330"));
    for (int id : {IDC_FS_PORT, IDC_FS_PASSWORD, IDC_FS_BROWSE, IDC_FS_ADMIN}) EXPECT_FALSE(Enabled(page, id)) << id;
    // The saved configuration carries what started the server.
    EXPECT_EQ(AppConfigStore().GetConfigInt(L"FileShare", L"Port", 0), 5330);

    Press(page, IDC_FS_STOP);
    EXPECT_FALSE(m_host.IsFtpServerRunning());
    for (int id : {IDC_FS_PORT, IDC_FS_PASSWORD, IDC_FS_BROWSE, IDC_FS_ADMIN}) EXPECT_TRUE(Enabled(page, id)) << id;

    // Started elsewhere: the page follows when told.
    m_host.serverRuns = true;
    m_sheet->RefreshSharePage();
    EXPECT_FALSE(Enabled(page, IDC_FS_PORT));
}

TEST_F(MorePagesTest, StartedServerTakesFtplibLoginAndStopRefuses) {
    int port = FreeLoopbackPort();
    m_host.realServer = true;
    g_Settings.FileShare.Password = L"s3cret-share";
    HWND sheet = Open(7);
    HWND page = Page(7);
    SetDlgItemTextW(page, IDC_FS_PORT, std::to_wstring(port).c_str());
    Press(page, IDC_FS_START);
    ASSERT_TRUE(m_host.IsFtpServerRunning()) << "port " << port;
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-share-") + UseScreenshotLanguage(), {sheet});

    std::string login = RunShareClient("login " + std::to_string(port) + " s3cret-share");
    EXPECT_EQ(login.substr(0, 13), "logged in 230") << login;

    Press(page, IDC_FS_STOP);
    EXPECT_FALSE(m_host.IsFtpServerRunning());
    EXPECT_EQ(RunShareClient("refused " + std::to_string(port)), "refused");
}

TEST_F(MorePagesTest, HomeFolderFallsBackToTheShareFolderOrIsReportedOnce) {
    g_Settings.FileShare.HomeDirectory.Empty();
    Open(7);
    CString share = m_folder->Path() + L"fileShare";
    EXPECT_EQ(g_Settings.FileShare.HomeDirectory, share);
    EXPECT_NE(GetFileAttributesW(share), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Text(Page(7), IDC_FS_HOME), share);
    m_sheet.reset();

    // A share folder that cannot be made: one message, the setting kept.
    RemoveDirectoryW(share);
    m_folder->Write(L"fileShare", "in the way");
    g_Settings.FileShare.HomeDirectory = L"Q:\\gone\\away";
    m_log.clear();
    Open(7);
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), BoxLine(12)), 1);
    EXPECT_EQ(g_Settings.FileShare.HomeDirectory, CString(L"Q:\\gone\\away"));
    EXPECT_FALSE(m_folder->Has(L"fileShare\\"));
}
