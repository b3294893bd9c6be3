// The note defaults, shortcut and clock pages as real windows inside the
// sheet, over a temporary program folder. The frame, the clock, the shell,
// the monitors, sounds, message boxes and the history's profile are fakes
// that record what the pages ask of them, so nothing outside the test moves.
#include "MessagePump.h"
#include "PagesTestSupport.h"
#include "ProgramFolderSetup.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "app/ClockPage.h"
#include "app/ClockPageTarget.h"
#include "app/HotKeyPage.h"
#include "app/MemoSetup.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"
#include "widgets/WidgetEnvironment.h"

#include <commctrl.h>
#include <gtest/gtest.h>

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

class CFakeClock : public IClockPageTarget {
public:
    CString skin;
    int alpha = 200, hiding = 1, level = 0;
    CString GetSkinFile() override { return skin; }
    int GetAlpha() override { return alpha; }
    int GetMouseOverHiding() override { return hiding; }
    int GetZPosition() override { return level; }
    void LoadDefaultSkin() override {
        skin.Empty();
        Log(L"clock LoadDefaultSkin");
    }
    void LoadSkin(const CString& path) override {
        skin = path;
        Log(L"clock LoadSkin " + std::wstring(path.GetString()));
    }
    void SetAlpha(int a) override {
        alpha = a;
        Log(L"clock SetAlpha " + Num(a));
    }
    void ShowOrHide(int mode) override { Log(L"clock ShowOrHide " + Num(mode)); }
    void SetMouseOverHiding(int on) override { hiding = on; }
    void SetZPosition(int l) override {
        level = l;
        Log(L"clock SetZPosition " + Num(l));
    }
    void Repaint() override {}
};

class CFakeHost : public ISettingsHost {
public:
    CFakeClock clock;
    bool hasClock = true;
    std::set<std::wstring> actions{L"NEW_MEMO"};
    void ApplyMemoOptions() override { Log(L"ApplyMemoOptions"); }
    void ShowTrayIcon(bool) override {}
    void RegisterHotKeys() override {}
    void UnregisterHotKeys() override {}
    void LoadTrayMenu() override {}
    void CloseAllDialogs(int) override {}
    void UnpinDesktopWindows() override {}
    void ShowQuickMenu(int) override {}
    void SetMemoAlpha(int which, int alpha) override { Log(L"SetMemoAlpha " + Num(which) + L" " + Num(alpha)); }
    void ShowMemoTitleParts(int on) override { Log(L"ShowMemoTitleParts " + Num(on)); }
    void RestartMemoReminders() override { Log(L"RestartMemoReminders"); }
    void SlideOutDockedQuickMenu() override { Log(L"SlideOutDockedQuickMenu"); }
    void UpdateDockedQuickMenuWorkArea() override { Log(L"UpdateDockedQuickMenuWorkArea"); }
    bool RunAction(const CString& text) override {
        Log(L"RunAction " + std::wstring(text.GetString()));
        return actions.count(text.GetString()) != 0;
    }
    IClockPageTarget* GetClockTarget() override { return hasClock ? &clock : nullptr; }
};

// The shell: only ShellOpenChecked is expected; it opens what the test says.
class CFakeShell : public IActionSystem {
public:
    std::set<std::wstring> opens;
    void StartSystemShutdown(DWORD, bool, bool) override { Log(L"unexpected shutdown"); }
    void AbortShutdown() override {}
    void LogOff(bool) override { Log(L"unexpected log-off"); }
    void ShellOpen(const CString& target) override { Log(L"ShellOpen " + std::wstring(target.GetString())); }
    bool ShellOpenChecked(const CString& target) override {
        Log(L"ShellOpenChecked " + std::wstring(target.GetString()));
        return opens.count(target.GetString()) != 0;
    }
    void RunWinExec(const CStringA&) override { Log(L"unexpected WinExec"); }
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD) override {}
    bool FileExists(const CString&) override { return false; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }
};

class CFakeSound : public CWidgetEnvironment {
public:
    void PlaySoundAsync(const CString& path) override { Log(L"PlaySound " + std::wstring(path.GetString())); }
};

class CFakeProfile : public IProfileStore {
public:
    std::map<std::wstring, std::wstring> values;
    CString Read(LPCTSTR section, LPCTSTR entry) override {
        auto it = values.find(Key(section, entry));
        return it == values.end() ? CString() : CString(it->second.c_str());
    }
    void Write(LPCTSTR section, LPCTSTR entry, LPCTSTR value) override { values[Key(section, entry)] = value; }
    bool Delete(LPCTSTR section, LPCTSTR entry) override { return values.erase(Key(section, entry)) != 0; }
    static std::wstring Key(LPCTSTR section, LPCTSTR entry) { return std::wstring(section) + L"|" + entry; }
};

class CTwoMonitors : public IMonitorSource {
public:
    int GetSystemCount() override { return 2; }
    std::vector<HMONITOR> Enumerate() override { return {(HMONITOR)1, (HMONITOR)2}; }
    bool GetInfo(HMONITOR monitor, MONITORINFO& info) override {
        int i = (int)(ULONG_PTR)monitor - 1;
        if (i < 0 || i > 1) return false;
        info.rcMonitor = info.rcWork = CRect(i * 1024, 0, i * 1024 + 1024, 768);
        info.dwFlags = i == 0 ? MONITORINFOF_PRIMARY : 0;
        return true;
    }
    HMONITOR FromPoint(POINT pt) override { return (HMONITOR)(ULONG_PTR)(pt.x >= 1024 ? 2 : 1); }
};

int Selection(HWND dialog, int id) { return (int)SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0); }
void Choose(HWND dialog, int id, int item) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, (WPARAM)item, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)GetDlgItem(dialog, id));
}
CString ItemText(HWND dialog, int id, int item) {
    wchar_t text[256] = {};
    SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, (WPARAM)item, (LPARAM)text);
    return text;
}
CString Text(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}
// A slider dragged to a value, as the user's mouse would leave it.
void Slide(HWND dialog, int id, int value) {
    HWND slider = GetDlgItem(dialog, id);
    SendMessageW(slider, TBM_SETPOS, TRUE, value);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, value), (LPARAM)slider);
}
bool Has(const std::vector<std::wstring>& log, const std::wstring& line) {
    for (const std::wstring& l : log)
        if (l == line) return true;
    return false;
}

class SettingsPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder.reset(new CScratchFolder(L"settings-pages"));
        m_folder->Write(L"skin\\Clock\\top.xml", "<Skin/>");
        m_folder->Write(L"skin\\Clock\\Round\\Round.xml", "<Skin/>");
        UseAsProgramFolder(*m_folder);
        m_savedPlatform = g_PlatformId;
        g_PlatformId = 2;
        g_log = &m_log;
        SetActionSystem(&m_shell);
        SetWidgetEnvironment(&m_sound);
        SetMonitorSource(&m_monitors);
        CHotKeyPage::UseHistoryStore(&m_profile);
        SetMessageBoxAnswerer([this](const CString& text, int) {
            m_log.push_back(L"box " + std::wstring(text.GetString()));
            return m_answer;
        });
        g_posted.clear();
        m_owner = MakeSettingsOwner();
    }
    void TearDown() override {
        m_sheet.reset();
        DestroyWindow(m_owner);
        SetMessageBoxAnswerer(nullptr);
        CHotKeyPage::UseHistoryStore(nullptr);
        SetMonitorSource(nullptr);
        g_Monitors.GetCount();
        SetWidgetEnvironment(nullptr);
        SetActionSystem(nullptr);
        g_log = nullptr;
        g_PlatformId = m_savedPlatform;
        m_folder.reset();
    }

    HWND Open(int tab, int sub = -1) {
        m_sheet.reset(new CSetupMemo(m_host, tab, sub));
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

    std::unique_ptr<CScratchFolder> m_folder;
    std::unique_ptr<CSetupMemo> m_sheet;
    HWND m_owner = nullptr;
    CFakeHost m_host;
    CFakeShell m_shell;
    CFakeSound m_sound;
    CFakeProfile m_profile;
    CTwoMonitors m_monitors;
    std::vector<std::wstring> m_log;
    int m_answer = IDYES;
    int m_savedPlatform = 0;
};

}  // namespace

// ---- Note defaults -----------------------------------------------------------------------

TEST_F(SettingsPagesTest, NoteDefaultsShowStoredValuesInRangeAndApplyThem) {
    CSettings::GeneralSection& g = g_Settings.General;
    g.StartDX = 185;
    g.CheckInterval = 7;
    g.WorkMonitor = 3;
    g.MemoTipMode = 2;
    g.MouseOverHiding = 1;
    Open(1);
    HWND page = Page(1);
    ASSERT_TRUE(page);
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_EQ(ItemText(page, IDC_MS_START_DX, Selection(page, IDC_MS_START_DX)), CString(L"180"));
    EXPECT_EQ(ItemText(page, IDC_MS_CHECK_INTERVAL, Selection(page, IDC_MS_CHECK_INTERVAL)), CString(L"5"));
    EXPECT_EQ(Selection(page, IDC_MS_MONITOR), 1);
    EXPECT_EQ(ItemText(page, IDC_MS_MONITOR, 1), CString(L"No.2 Monitor"));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_MS_MONITOR)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_MS_MOUSE_OVER)));
    EXPECT_FALSE(Checked(page, IDC_MS_MOUSE_OVER));
    EXPECT_EQ(Text(page, IDC_MS_MAX_PERCENT), CString(L"100 %"));

    Apply();
    EXPECT_EQ(g.StartDX, 180);
    EXPECT_EQ(g.CheckInterval, 5);
    EXPECT_EQ(g.WorkMonitor, 1);
    EXPECT_EQ(g.MouseOverHiding, 0);
    // A new interval re-arms the reminders and slides a docked bar out.
    EXPECT_TRUE(Has(m_log, L"RestartMemoReminders"));
    EXPECT_TRUE(Has(m_log, L"SlideOutDockedQuickMenu"));
    EXPECT_TRUE(Has(m_log, L"ApplyMemoOptions"));
    EXPECT_TRUE(AppConfigStore().GetConfigInt(L"General", L"StartDX", 0) == 180);

    // Applying again with the same interval leaves the reminders alone.
    m_log.clear();
    Apply();
    EXPECT_FALSE(Has(m_log, L"RestartMemoReminders"));

    // "Not Use" lets the hiding check be used again.
    Choose(page, IDC_MS_TIP_MODE, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_MS_MOUSE_OVER)));
    Click(page, IDC_MS_MOUSE_OVER);
    Apply();
    EXPECT_EQ(g.MemoTipMode, 0);
    EXPECT_EQ(g.MouseOverHiding, 1);
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-memo-") + UseScreenshotLanguage(), {m_sheet->GetSafeHwnd()});
}

TEST_F(SettingsPagesTest, NoteSlidersAndDisplayChecksActAtOnceAndOutliveCancel) {
    g_Settings.General.SimpleMemoInactive = 1;
    Open(1);
    HWND page = Page(1);
    Slide(page, IDC_MS_MIN_TRANS, 128);
    Slide(page, IDC_MS_MAX_TRANS, 200);
    EXPECT_TRUE(Has(m_log, L"SetMemoAlpha 0 128"));
    EXPECT_TRUE(Has(m_log, L"SetMemoAlpha 1 200"));
    EXPECT_EQ(Text(page, IDC_MS_MIN_PERCENT), CString(L"50 %"));
    Click(page, IDC_MS_SIMPLE_INACTIVE);
    EXPECT_TRUE(Has(m_log, L"ShowMemoTitleParts 0"));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_MS_VIEW_EDIT_TIME)));

    PostMessageW(m_sheet->GetSafeHwnd(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted[0].wParam, 2u);
    EXPECT_EQ(g_Settings.General.MinTransVal, 128);
    EXPECT_EQ(g_Settings.General.MaxTransVal, 200);
    EXPECT_EQ(g_Settings.General.SimpleMemoInactive, 0);

    // Default puts both alphas back at once, before any Apply.
    m_log.clear();
    Click(m_sheet->GetSafeHwnd(), IDC_SM_DEFAULT);
    EXPECT_TRUE(Has(m_log, L"SetMemoAlpha 0 255"));
    EXPECT_TRUE(Has(m_log, L"SetMemoAlpha 1 255"));
    EXPECT_EQ(Text(page, IDC_MS_MIN_PERCENT), CString(L"100 %"));
}

// ---- Shortcut page -------------------------------------------------------------------------

TEST_F(SettingsPagesTest, WebSlotRequestShowsTheWebPageAndFocusesItsFieldLater) {
    HWND sheet = Open(3, 102);
    CHotKeyPage* hotKeys = m_sheet->GetHotKeyPage();
    ASSERT_TRUE(hotKeys);
    EXPECT_EQ(m_sheet->GetCurrentTab(), 3);
    EXPECT_TRUE(IsWindowVisible(hotKeys->GetSafeHwnd()));
    HWND web = hotKeys->GetWebPage()->GetSafeHwnd();
    EXPECT_TRUE(IsWindowVisible(web));
    EXPECT_FALSE(IsWindowVisible(hotKeys->GetRunPage()->GetSafeHwnd()));
    EXPECT_EQ(SendDlgItemMessageW(hotKeys->GetSafeHwnd(), IDC_HK_TABS, TCM_GETCURSEL, 0, 0), 1);
    SetForegroundWindow(sheet);
    HWND field = GetDlgItem(web, 2003);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == field; }, 3000));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, IDC_SM_DEFAULT)));
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-shortcut-") + UseScreenshotLanguage(), {sheet});
}

TEST_F(SettingsPagesTest, RunningSlotsAsksForEmptyOnesAndStoresTextsEvenWhenCancelled) {
    HWND sheet = Open(3);
    CHotKeyPage* hotKeys = m_sheet->GetHotKeyPage();
    HWND run = hotKeys->GetRunPage()->GetSafeHwnd();
    HWND web = hotKeys->GetWebPage()->GetSafeHwnd();
    SetForegroundWindow(sheet);

    Click(run, 2103);  // slot 2, empty
    EXPECT_TRUE(Has(m_log, L"box " + std::wstring(g_LanguageTable[10081].GetString())));
    EXPECT_EQ(GetFocus(), GetDlgItem(run, 2003));
    Press(web, 2105);  // web slot 0, empty
    EXPECT_TRUE(Has(m_log, L"box " + std::wstring(g_LanguageTable[10082].GetString())));

    SetDlgItemTextW(run, 2001, L"NEW_MEMO");
    SetDlgItemTextW(run, 2005, L"C:\\tools\\app.exe");
    m_shell.opens.insert(L"C:\\tools\\app.exe");
    m_log.clear();
    Click(run, 2101);
    EXPECT_TRUE(Has(m_log, L"RunAction NEW_MEMO"));
    EXPECT_FALSE(Has(m_log, L"ShellOpenChecked NEW_MEMO"));
    Click(run, 2105);
    EXPECT_TRUE(Has(m_log, L"ShellOpenChecked C:\\tools\\app.exe"));
    EXPECT_TRUE(g_posted.empty());

    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(AppConfigStore().GetConfigString(L"HotKey", L"HotKey01", L"?"), CString(L"NEW_MEMO"));
    EXPECT_EQ(AppConfigStore().GetConfigString(L"HotKey", L"HotKeyEx01", L"?"), CString(L"C:\\tools\\app.exe"));
}

TEST_F(SettingsPagesTest, DirectInputKeepsTheSheetOnFailureAndRemembersWhatOpened) {
    m_shell.opens.insert(L"http://example.com/");
    Open(3);
    HWND page = m_sheet->GetHotKeyPage()->GetSafeHwnd();
    SetDlgItemTextW(page, IDC_HK_HISTORY, L"no such command");
    Click(page, IDC_HK_GO);
    EXPECT_TRUE(Has(m_log, L"box " + std::wstring(g_LanguageTable[10083].GetString())));
    PumpFor(100);
    EXPECT_TRUE(g_posted.empty());

    SetDlgItemTextW(page, IDC_HK_HISTORY, L"http://example.com/");
    Click(page, IDC_HK_GO);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted[0].message, (UINT)WM_SETTINGS_CLOSED);
    EXPECT_EQ(g_posted[0].wParam, 1u);

    // Next time the line offers it first.
    m_sheet.reset();
    g_posted.clear();
    Open(3);
    CHistoryCombo& history = m_sheet->GetHotKeyPage()->GetHistory();
    ASSERT_FALSE(history.Logic().m_items.empty());
    EXPECT_EQ(history.Logic().m_items[0], CString(L"http://example.com/"));

    // "Clear" asks first; No keeps the list, Yes empties it and the profile.
    m_answer = IDNO;
    Click(m_sheet->GetHotKeyPage()->GetSafeHwnd(), IDC_HK_CLEAR);
    EXPECT_FALSE(history.Logic().m_items.empty());
    m_answer = IDYES;
    Click(m_sheet->GetHotKeyPage()->GetSafeHwnd(), IDC_HK_CLEAR);
    EXPECT_TRUE(history.Logic().m_items.empty());
    EXPECT_TRUE(m_profile.Read(L"HistoryRun", L"Script0").IsEmpty());
    EXPECT_TRUE(Has(m_log, L"box " + std::wstring(g_LanguageTable[10084].GetString())));
}

// ---- Clock page ------------------------------------------------------------------------------

TEST_F(SettingsPagesTest, ClockSkinsSoundsAndTimesFollowTheClockAndTheStoredValues) {
    g_Settings.Clock.SpecialTime[3] = 0;
    g_Settings.Clock.ViewMode = 0;
    m_host.clock.skin = m_folder->Path() + L"skin\\Clock\\Round\\Round.xml";
    HWND sheet = Open(4);
    HWND page = Page(4);
    ASSERT_TRUE(page);
    PumpFor(100);
    // The listen button's tip does not take the sheet off the top.
    EXPECT_TRUE((GetWindowLongPtrW(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);

    // Skins one folder down follow "Default"; the clock's own is selected.
    ASSERT_EQ(SendDlgItemMessageW(page, IDC_CP_SKIN, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ItemText(page, IDC_CP_SKIN, 0), CString(L"Default"));
    EXPECT_EQ(ItemText(page, IDC_CP_SKIN, 1), CString(L"Round"));
    EXPECT_EQ(Selection(page, IDC_CP_SKIN), 1);
    Choose(page, IDC_CP_SKIN, 0);
    EXPECT_TRUE(Has(m_log, L"clock LoadDefaultSkin"));
    Choose(page, IDC_CP_SKIN, 1);
    EXPECT_TRUE(Has(m_log, L"clock LoadSkin " + std::wstring(m_host.clock.skin.GetString())));

    // The clock's own transparency shows; the slider acts at once.
    EXPECT_EQ(Text(page, IDC_CP_PERCENT), CString(L"78 %"));
    Slide(page, IDC_CP_TRANS, 128);
    EXPECT_TRUE(Has(m_log, L"clock SetAlpha 128"));
    EXPECT_EQ(g_Settings.Clock.TransVal, 128);

    EXPECT_EQ(ItemText(page, 1050, Selection(page, 1050)), CString(L"OFF"));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_CP_LISTEN)));
    Choose(page, IDC_CP_SOUND, 1);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_CP_LISTEN)));
    Click(page, IDC_CP_LISTEN);
    EXPECT_TRUE(Has(m_log, L"PlaySound " + std::wstring((m_folder->Path() + L"system\\res\\clock_te.wav").GetString())));
    m_sheet->GetClockPage()->m_fields.ChooseSoundFile(L"C:\\sounds\\bell.wav");
    Choose(page, IDC_CP_SOUND, 0);

    Click(page, IDC_CP_VIEW_HIDE);
    Apply();
    EXPECT_EQ(g_Settings.Clock.SpecialTime[3], -1);
    EXPECT_EQ(g_Settings.Clock.AlarmSoundDefault, 0);
    EXPECT_TRUE(g_Settings.Clock.AlarmSoundFile.IsEmpty());
    EXPECT_EQ(g_Settings.Clock.ViewMode, 1);
    EXPECT_TRUE(Has(m_log, L"clock ShowOrHide 1"));
    EXPECT_TRUE(Has(m_log, L"clock SetZPosition 0"));
    if (ScreenshotsWanted()) SaveScreenPicture(CString(L"settings-clock-") + UseScreenshotLanguage(), {sheet});

    // Cancel keeps the transparency the slider set.
    PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_Settings.Clock.TransVal, 128);
}

TEST_F(SettingsPagesTest, ClockPageWithoutAClockStillStores) {
    m_host.hasClock = false;
    Open(4);
    HWND page = Page(4);
    ASSERT_TRUE(page);
    EXPECT_EQ(Selection(page, IDC_CP_SKIN), 0);
    Choose(page, IDC_CP_SKIN, 1);
    Slide(page, IDC_CP_TRANS, 100);
    EXPECT_EQ(g_Settings.Clock.TransVal, 100);
    Click(m_sheet->GetSafeHwnd(), IDC_SM_DEFAULT);
    EXPECT_EQ(g_Settings.Clock.TransVal, 255);
    EXPECT_EQ(Text(page, IDC_CP_PERCENT), CString(L"100 %"));
    Apply();
    EXPECT_EQ(g_Settings.Clock.ViewMode, 2);
    EXPECT_EQ(g_Settings.Clock.SpecialTime[0], 0);
    EXPECT_EQ(g_Settings.Clock.SpecialTime[1], 30);
}
