// The settings sheet and its Basic and Color pages as real windows over a
// temporary program folder. The frame is a fake that records what the sheet
// asks of it; the registry, the colour dialog and message boxes answer
// through their seams, so nothing outside the test changes.
#include "MessagePump.h"
#include "ProgramFolderSetup.h"
#include "ScreenPicture.h"
#include "SettingsOwner.h"
#include "TestFiles.h"
#include "app/MemoColPage.h"
#include "app/ProgramSetLogic.h"
#include "app/ProgramSetPage.h"
#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/ZMsgBox.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

class CFakeHost : public ISettingsHost {
public:
    std::vector<std::wstring> calls;
    void ApplyMemoOptions() override { calls.push_back(L"ApplyMemoOptions"); }
    void ShowTrayIcon(bool show) override { calls.push_back(show ? L"ShowTrayIcon(1)" : L"ShowTrayIcon(0)"); }
    void RegisterHotKeys() override { calls.push_back(L"RegisterHotKeys"); }
    void UnregisterHotKeys() override { calls.push_back(L"UnregisterHotKeys"); }
    void LoadTrayMenu() override { calls.push_back(L"LoadTrayMenu"); }
    void CloseAllDialogs(int with) override { calls.push_back(with ? L"CloseAllDialogs(1)" : L"CloseAllDialogs(0)"); }
    void UnpinDesktopWindows() override { calls.push_back(L"UnpinDesktopWindows"); }
    void ShowQuickMenu(int) override { calls.push_back(L"ShowQuickMenu"); }
};

class CFakeRegistry : public IRegistryValues {
public:
    std::map<std::wstring, std::wstring> values;  // "key|name" -> text
    static std::wstring Key(const CString& subkey, const CString& name) {
        return std::wstring(subkey.GetString()) + L"|" + name.GetString();
    }
    int Read(HKEY, const CString& subkey, const CString& name, CString& text) override {
        auto it = values.find(Key(subkey, name));
        if (it == values.end()) return 0;
        text = it->second.c_str();
        return 1;
    }
    int Write(HKEY, const CString& subkey, const CString& name, const CString& text) override {
        values[Key(subkey, name)] = text.GetString();
        return 1;
    }
    int Delete(HKEY, const CString& subkey, const CString& name) override {
        return values.erase(Key(subkey, name)) ? 1 : 0;
    }
    std::wstring RunValue() const {
        auto it = values.find(Key(kRunKey, kRunValueName));
        return it == values.end() ? L"<none>" : it->second;
    }
};

class CFakeColorChooser : public IColorChooser {
public:
    std::vector<COLORREF> starts;
    COLORREF answer = 0;
    bool ok = true;
    bool Choose(HWND, COLORREF start, COLORREF& chosen) override {
        starts.push_back(start);
        chosen = answer;
        return ok;
    }
};

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

CString ModulePath() {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    return path;
}

// Runs the messages waiting, the way the program's loop offers keys to the
// windows they are meant for.
void PumpKeys(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    PumpUntil([&] { return (LONG)(GetTickCount() - end) >= 0; }, ms + 100,
              [](MSG& m) { return CWnd::WalkPreTranslateTree(nullptr, &m) != FALSE; });
}

class SettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder.reset(new CScratchFolder(L"settings-sheet"));
        m_folder->Write(L"system\\language\\english.txt", "");
        m_folder->Write(L"system\\language\\korean.txt", "");
        UseAsProgramFolder(*m_folder);
        g_Settings.System.language = L"english";
        m_savedPlatform = g_PlatformId;
        g_PlatformId = 2;
        SetRegistryValues(&m_registry);
        SetColorChooser(&m_chooser);
        SetMessageBoxAnswerer([this](const CString& text, int) {
            m_questions.push_back(text.GetString());
            return m_answer;
        });
        g_posted.clear();
        m_owner = MakeSettingsOwner();
    }
    void TearDown() override {
        m_sheet.reset();
        DestroyWindow(m_owner);
        SetMessageBoxAnswerer(nullptr);
        SetColorChooser(nullptr);
        SetRegistryValues(nullptr);
        g_PlatformId = m_savedPlatform;
        m_folder.reset();
    }

    HWND Open(int tab) {
        m_sheet.reset(new CSetupMemo(m_host, tab, -1));
        CWnd* owner = CWnd::FromHandle(m_owner);
        EXPECT_TRUE(m_sheet->Create(owner));
        PumpWaiting();
        return m_sheet->GetSafeHwnd();
    }
    HWND Page(int tab) {
        CSettingsPage* page = m_sheet->GetPage(tab);
        return page ? page->GetSafeHwnd() : nullptr;
    }
    bool WaitPosted(size_t count) {
        return PumpUntil([&] { return g_posted.size() >= count; }, 3000);
    }
    std::string ConfigFile() const {
        return ReadFileBytes(m_folder->Path() + L"ZorelConfig.xml");
    }

    std::unique_ptr<CScratchFolder> m_folder;
    std::unique_ptr<CSetupMemo> m_sheet;
    HWND m_owner = nullptr;
    CFakeHost m_host;
    CFakeRegistry m_registry;
    CFakeColorChooser m_chooser;
    std::vector<std::wstring> m_questions;
    int m_answer = IDNO;
    int m_savedPlatform = 0;
};

}  // namespace

TEST_F(SettingsSheetTest, TabsShowOnePageColourTheSelectedButtonAndGreyDefaultOnShortcuts) {
    HWND sheet = Open(2);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(m_sheet->GetCurrentTab(), 2);
    EXPECT_TRUE(IsWindowVisible(Page(2)));
    EXPECT_FALSE(IsWindowVisible(Page(0)));
    EXPECT_TRUE((GetWindowLongPtrW(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    wchar_t title[64] = {};
    GetWindowTextW(sheet, title, 64);
    EXPECT_EQ(CString(title), g_LanguageTable[100]);

    const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    struct Step {
        int tab;
        bool defaultEnabled;
    } steps[] = {{3, false}, {0, true}, {7, true}, {2, true}};
    for (const Step& s : steps) {
        m_sheet->SelectTab(s.tab, -1);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(sheet, IDC_SM_DEFAULT)) != FALSE, s.defaultEnabled) << s.tab;
        for (int tab = 0; tab < CSetupMemo::TabCount; ++tab) {
            const CStateButton& b = m_sheet->GetTabButton(tab);
            bool selected = tab == s.tab;
            EXPECT_EQ(b.m_crColors[0], selected ? CSetupMemo::kSelectedInBack : face) << tab;
            EXPECT_EQ(b.m_crColors[2], selected ? CSetupMemo::kSelectedBack : face) << tab;
            EXPECT_EQ(b.m_crColors[4], selected ? CSetupMemo::kSelectedBack : face) << tab;
            for (int slot : {1, 3, 5}) EXPECT_EQ(b.m_crColors[slot], selected ? CSetupMemo::kSelectedText : text);
        }
        if (HWND page = Page(s.tab)) {
            EXPECT_TRUE(IsWindowVisible(page));
        }
    }
    // A tab button's click picks its tab.
    Click(sheet, IDC_SM_TAB0);
    EXPECT_EQ(m_sheet->GetCurrentTab(), 0);
    EXPECT_TRUE(IsWindowVisible(Page(0)));
    EXPECT_FALSE(IsWindowVisible(Page(2)));
    if (ScreenshotsWanted()) {
        SaveScreenPicture(CString(L"settings-basic-") + UseScreenshotLanguage(), {sheet});
        m_sheet->SelectTab(2, -1);
        PumpFor(200);
        SaveScreenPicture(CString(L"settings-color-") + UseScreenshotLanguage(), {sheet});
    }
}

TEST_F(SettingsSheetTest, BeforeNtOnlyFiveTabsShow) {
    g_PlatformId = 1;
    HWND sheet = Open(4);
    EXPECT_EQ(m_sheet->GetCurrentTab(), 0);  // the clock tab does not exist there
    for (int tab = 0; tab < CSetupMemo::TabCount; ++tab)
        EXPECT_EQ(Visible(sheet, CSetupMemo::TabButtonId(tab)), tab < 4 || tab == 7) << tab;
    m_sheet->SelectTab(5, -1);
    EXPECT_EQ(m_sheet->GetCurrentTab(), 0);
    // The three hot keys whose windows need NT cannot be changed.
    HWND page = Page(0);
    for (int id : {1102, 1108, 1109}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, id))) << id;
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1103)));
}

TEST_F(SettingsSheetTest, OkAppliesOnlyThePageThatShows) {
    g_Settings.General.Docking = 1;
    const COLORREF stored = g_Settings.Color.Type[3];
    HWND sheet = Open(2);
    m_chooser.answer = RGB(1, 2, 3);
    m_sheet->GetMemoColPage()->ChooseColor(3);
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetShownColor(3), RGB(1, 2, 3));
    m_sheet->SelectTab(0, -1);
    Click(Page(0), IDC_PS_DOCKING);
    PostMessageW(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 1, 0}}));
    EXPECT_EQ(g_Settings.General.Docking, 0);
    EXPECT_EQ(g_Settings.Color.Type[3], stored);
}

TEST_F(SettingsSheetTest, EnterDoesNothingAndEscapeCancelsExceptOnTheProgramPage) {
    HWND sheet = Open(2);
    HWND check = GetDlgItem(Page(2), IDC_MC_RANDOM);
    SetFocus(check);
    PostMessageW(check, WM_KEYDOWN, VK_RETURN, 0);
    PumpKeys(300);
    EXPECT_TRUE(g_posted.empty());
    EXPECT_TRUE(IsWindow(sheet));

    m_sheet->SelectTab(0, -1);
    HWND docking = GetDlgItem(Page(0), IDC_PS_DOCKING);
    SetFocus(docking);
    PostMessageW(docking, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(docking, WM_KEYDOWN, VK_RETURN, 0);
    PumpKeys(300);
    EXPECT_TRUE(g_posted.empty());

    m_sheet->SelectTab(2, -1);
    SetFocus(check);
    PostMessageW(check, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpKeys(300);
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 2, 0}}));
}

TEST_F(SettingsSheetTest, SixClicksRevealTheDesktopOptionWhoseQuestionDecides) {
    g_Settings.General.EnableDesktop = 0;
    Open(0);
    HWND page = Page(0);
    EXPECT_FALSE(Visible(page, IDC_PS_ENABLE_DESKTOP));
    for (int i = 0; i < 5; ++i) Click(page, IDC_PS_VIEW_MEMO_ON_START);
    EXPECT_FALSE(Visible(page, IDC_PS_ENABLE_DESKTOP));
    Click(page, IDC_PS_VIEW_MEMO_ON_START);
    EXPECT_TRUE(Visible(page, IDC_PS_ENABLE_DESKTOP));
    // Stored at every click: six clicks leave it as it was.
    EXPECT_EQ(g_Settings.General.ViewMemoOnStart, Checked(page, IDC_PS_VIEW_MEMO_ON_START) ? 1 : 0);

    m_answer = IDNO;
    Click(page, IDC_PS_ENABLE_DESKTOP);
    EXPECT_EQ(m_questions.size(), 1u);
    EXPECT_EQ(g_Settings.General.EnableDesktop, 0);
    EXPECT_FALSE(Checked(page, IDC_PS_ENABLE_DESKTOP));
    PumpFor(100);
    EXPECT_TRUE(g_posted.empty());

    m_answer = IDYES;
    Click(page, IDC_PS_ENABLE_DESKTOP);
    EXPECT_EQ(g_Settings.General.EnableDesktop, 1);
    ASSERT_TRUE(WaitPosted(2));
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 1, 0}, {WM_REOPEN_SETTINGS, 0, 0}}));
    EXPECT_NE(ConfigFile().find("<EnableDesktop>1<"), std::string::npos) << ConfigFile();
}

TEST_F(SettingsSheetTest, SwitchingTheDesktopOptionOffUnpinsWindowsAndReopens) {
    g_Settings.General.EnableDesktop = 1;
    Open(0);
    HWND page = Page(0);
    EXPECT_TRUE(Visible(page, IDC_PS_ENABLE_DESKTOP));
    Click(page, IDC_PS_ENABLE_DESKTOP);
    EXPECT_TRUE(m_questions.empty());
    EXPECT_EQ(g_Settings.General.EnableDesktop, 0);
    EXPECT_EQ(m_host.calls, (std::vector<std::wstring>{L"UnpinDesktopWindows"}));
    ASSERT_TRUE(WaitPosted(2));
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 1, 0}, {WM_REOPEN_SETTINGS, 0, 0}}));
}

TEST_F(SettingsSheetTest, ChoosingAnotherLanguageReopensTheSheetInIt) {
    Open(0);
    HWND page = Page(0);
    HWND list = GetDlgItem(page, IDC_PS_LANGUAGE_LIST);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    wchar_t selected[32] = {};
    SendMessageW(list, CB_GETLBTEXT, SendMessageW(list, CB_GETCURSEL, 0, 0), (LPARAM)selected);
    EXPECT_STREQ(selected, L"english");

    auto choose = [&](const wchar_t* name) {
        SendMessageW(list, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)name);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PS_LANGUAGE_LIST, CBN_SELCHANGE), (LPARAM)list);
    };
    choose(L"english");
    PumpFor(100);
    EXPECT_TRUE(g_posted.empty());
    EXPECT_TRUE(m_host.calls.empty());

    choose(L"korean");
    EXPECT_EQ(g_Settings.System.language, L"korean");
    EXPECT_EQ(m_host.calls, (std::vector<std::wstring>{L"LoadTrayMenu", L"CloseAllDialogs(0)"}));
    ASSERT_TRUE(WaitPosted(2));
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 0, 0}, {WM_REOPEN_SETTINGS, 0, 0}}));
    EXPECT_NE(ConfigFile().find("korean"), std::string::npos);
}

TEST_F(SettingsSheetTest, EnableShortcutActsAtOnceAndTheTrayIconOnApply) {
    g_Settings.General.EnableHotKey = 1;
    g_Settings.General.ShowTrayIcon = 1;
    HWND sheet = Open(0);
    HWND page = Page(0);
    Click(page, IDC_PS_ENABLE_HOTKEY);
    EXPECT_EQ(g_Settings.General.EnableHotKey, 0);
    Click(page, IDC_PS_ENABLE_HOTKEY);
    EXPECT_EQ(g_Settings.General.EnableHotKey, 1);
    EXPECT_EQ(m_host.calls, (std::vector<std::wstring>{L"UnregisterHotKeys", L"RegisterHotKeys"}));

    m_host.calls.clear();
    Click(page, IDC_PS_SHOW_TRAY_ICON);
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(g_Settings.General.ShowTrayIcon, 1);
    Click(sheet, IDC_SM_APPLY);
    EXPECT_EQ(g_Settings.General.ShowTrayIcon, 0);
    EXPECT_EQ(m_host.calls, (std::vector<std::wstring>{L"ShowTrayIcon(0)", L"ApplyMemoOptions"}));
    m_host.calls.clear();
    Click(sheet, IDC_SM_APPLY);  // unchanged: the icon is left alone
    EXPECT_EQ(m_host.calls, (std::vector<std::wstring>{L"ApplyMemoOptions"}));
    Click(page, IDC_PS_SHOW_TRAY_ICON);
    Click(sheet, IDC_SM_APPLY);
    EXPECT_EQ(m_host.calls.back(), L"ApplyMemoOptions");
    EXPECT_EQ(m_host.calls[1], L"ShowTrayIcon(1)");
    EXPECT_TRUE(IsWindow(sheet));  // Apply keeps the sheet open
    EXPECT_TRUE(g_posted.empty());
}

TEST_F(SettingsSheetTest, StartWithWindowsReadsAndWritesOnlyItsOwnRunValue) {
    const std::wstring own = MakeRunValue(ModulePath()).GetString();
    const std::wstring other = L"\"C:\\Other\\Zorel.exe\" /login";
    struct Case {
        const wchar_t* stored;  // null: no value
        bool shownOn;
        bool checkOn;            // what the user leaves the check at
        std::wstring after;
    } cases[] = {
        {other.c_str(), false, false, other},
        {other.c_str(), false, true, own},
        {own.c_str(), true, false, L"<none>"},
        {nullptr, false, true, own},
        {L"", false, false, L"<none>"},
    };
    for (const Case& c : cases) {
        m_registry.values.clear();
        if (c.stored) m_registry.values[CFakeRegistry::Key(kRunKey, kRunValueName)] = c.stored;
        HWND sheet = Open(0);
        HWND page = Page(0);
        EXPECT_EQ(Checked(page, IDC_PS_START_WITH_WINDOWS), c.shownOn) << (c.stored ? c.stored : L"none");
        CheckDlgButton(page, IDC_PS_START_WITH_WINDOWS, c.checkOn ? BST_CHECKED : BST_UNCHECKED);
        Click(sheet, IDC_SM_APPLY);
        EXPECT_EQ(m_registry.RunValue(), c.after) << (c.stored ? c.stored : L"none");
    }
    // The page's own value, without quotes or suffix, still counts as ours.
    m_registry.values[CFakeRegistry::Key(kRunKey, kRunValueName)] = ModulePath().GetString();
    Open(0);
    EXPECT_TRUE(Checked(Page(0), IDC_PS_START_WITH_WINDOWS));
}

TEST_F(SettingsSheetTest, DefaultsThenCancelLeaveEverySettingAsItWas) {
    g_Settings.General.Docking = 0;
    g_Settings.General.HotKeyToggle = 1;
    g_Settings.General.HistoryLevel = 2;
    g_Settings.General.TrayIconClickRun = 5;
    g_Settings.Color.Type[0] = RGB(9, 9, 9);
    g_Settings.Color.RandomColor = 1;
    const CSettings before = g_Settings;
    HWND sheet = Open(0);
    Click(sheet, IDC_SM_DEFAULT);
    EXPECT_TRUE(Checked(Page(0), IDC_PS_DOCKING));
    EXPECT_EQ(SendDlgItemMessageW(Page(0), IDC_PS_BACKUP_LIST, CB_GETCURSEL, 0, 0), 1);
    m_sheet->SelectTab(2, -1);
    Click(sheet, IDC_SM_DEFAULT);
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetShownColor(0), 0xC6C6C6u);
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetSample().GetColor(), 0xC6C6C6u);
    EXPECT_FALSE(Checked(Page(2), IDC_MC_RANDOM));
    Click(sheet, IDCANCEL);
    ASSERT_TRUE(WaitPosted(1));
    EXPECT_EQ(g_posted, (std::vector<PostedMessage>{{WM_SETTINGS_CLOSED, 2, 0}}));
    EXPECT_EQ(g_Settings.General.Docking, before.General.Docking);
    EXPECT_EQ(g_Settings.General.HotKeyToggle, before.General.HotKeyToggle);
    EXPECT_EQ(g_Settings.General.HistoryLevel, before.General.HistoryLevel);
    EXPECT_EQ(g_Settings.General.TrayIconClickRun, before.General.TrayIconClickRun);
    EXPECT_EQ(g_Settings.General.ShowTrayIcon, before.General.ShowTrayIcon);
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n) EXPECT_EQ(g_Settings.Color.Type[n], before.Color.Type[n]) << n;
    EXPECT_EQ(g_Settings.Color.RandomColor, 1);
    EXPECT_EQ(m_registry.RunValue(), L"<none>");
    EXPECT_TRUE(m_host.calls.empty());
}

TEST_F(SettingsSheetTest, ColourDialogStartsFromTheStoredColourAndApplyWritesThePalette) {
    g_Settings.Color.Type[3] = RGB(10, 20, 30);
    HWND sheet = Open(2);
    HWND page = Page(2);
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetSample().GetColor(), g_Settings.Color.Type[0]);
    wchar_t label[32] = {};
    GetDlgItemTextW(page, 1309, label, 32);
    EXPECT_STREQ(label, L"Color 12");  // from the template while no language file gives it
    m_chooser.answer = RGB(200, 100, 50);
    Click(page, 304);  // colour 3's button
    m_chooser.answer = RGB(1, 1, 1);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(403, STN_CLICKED), (LPARAM)GetDlgItem(page, 403));
    EXPECT_EQ(m_chooser.starts, (std::vector<COLORREF>{RGB(10, 20, 30), RGB(10, 20, 30)}));
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetShownColor(3), RGB(1, 1, 1));
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetSample().GetColor(), RGB(1, 1, 1));
    m_chooser.ok = false;  // a cancelled dialog changes nothing
    Click(page, 301);
    EXPECT_EQ(m_sheet->GetMemoColPage()->GetShownColor(0), g_Settings.Color.Type[0]);

    Click(page, IDC_MC_RANDOM);
    Click(sheet, IDC_SM_APPLY);
    EXPECT_EQ(g_Settings.Color.Type[3], RGB(1, 1, 1));
    EXPECT_EQ(g_Settings.Color.RandomColor, 1);
    EXPECT_TRUE(m_host.calls.empty());  // the colour page needs no note options
    std::string file = ConfigFile();
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n) {
        char key[16];
        snprintf(key, sizeof key, "<Type%02d>", n);
        EXPECT_NE(file.find(key), std::string::npos) << key;
    }
    EXPECT_NE(file.find("<Type03>" + std::to_string(RGB(1, 1, 1)) + "<"), std::string::npos) << file;
    EXPECT_NE(file.find("<RandomColor>1<"), std::string::npos);
}
