// The vault's dialogs from the program's own templates on a virtual screen.
// Message boxes, the clipboard, the shell and the modal dialogs the vault
// window opens are answered by the test; the countdown is driven by calling
// its timer, so no case waits for real seconds.
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "ScreenPicture.h"
#include "VaultTestUtil.h"
#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "tools/PwdAddDlg.h"
#include "tools/PwdClipboard.h"
#include "tools/PwdLoginDlg.h"
#include "tools/PwdManagerDlg.h"
#include "tools/PwdSetupDlg.h"
#include "tools/ToolsIds.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaulttest;

namespace {

class CFakeSystem : public IActionSystem {
public:
    std::vector<CString> opened;
    std::vector<DWORD> pauses;
    void StartSystemShutdown(DWORD, bool, bool) override {}
    void AbortShutdown() override {}
    void LogOff(bool) override {}
    void ShellOpen(const CString& target) override { opened.push_back(target); }
    void RunWinExec(const CStringA&) override {}
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD ms) override { pauses.push_back(ms); }
    bool FileExists(const CString&) override { return false; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }
};

class CFakeMessageBox : public ISystemMessageBox {
public:
    struct Shown {
        CString text;
        UINT type;
    };
    std::vector<Shown> shown;
    int answer = IDOK;
    int Show(HWND, const CString& text, const CString&, UINT type) override {
        shown.push_back({text, type});
        return answer;
    }
    std::vector<CString> Texts() const {
        std::vector<CString> texts;
        for (const Shown& s : shown) texts.push_back(s.text);
        return texts;
    }
};

// A clipboard of the test's own, with a sequence number the test can move
// as another program writing to it would.
class CFakeClipboard : public IPwdClipboard {
public:
    CString text;
    DWORD sequence = 100;
    bool failNext = false;
    bool SetText(HWND, const CString& t, DWORD& mark) override {
        if (failNext) return false;
        text = t;
        mark = ++sequence;
        return true;
    }
    bool EmptyIfStill(HWND, DWORD mark) override {
        if (mark != sequence) return false;
        text.Empty();
        ++sequence;
        return true;
    }
};

CString Text(HWND dialog, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return text;
}
bool Visible(HWND dialog, int id) { return (GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id)); }

class VaultDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        savedFolder = g_ProgramFolder;
        g_ProgramFolder = scratch.Path();
        scratch.MakeFolder(L"pmanager_data");
        g_Settings = CSettings();
        g_Settings.General.HistoryLevel = 1;
        g_Settings.General.PMCountDown = 60;
        g_Settings.General.PwdCursor = 0;
        g_LanguageTable.RemoveAll();
        for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
        SetActionSystem(&system);
        SetSystemMessageBox(&box);
        SetPwdClipboard(&clipboard);
        vault = CPwdVault(scratch + L"pmanager_data\\");
    }
    void TearDown() override {
        manager.reset();
        SetActionSystem(nullptr);
        SetSystemMessageBox(nullptr);
        SetPwdClipboard(nullptr);
        g_ProgramFolder = savedFolder;
    }

    // The vault window over the entries, as the frame opens it.
    HWND OpenManager(const std::vector<CPwdInfo>& entries, const CString& password = L"master12") {
        if (!entries.empty()) { EXPECT_TRUE(vault.Save(password, entries)); }
        manager.reset(new CPwdManagerDlg(password));
        manager->m_vault.m_clock = [] { return At(2014, 2, 9, 15, 30, 45); };
        manager->m_fnClose = [this] { ++closeRequests; };
        manager->m_fnRunAction = [this](const CString& text) {
            actions.push_back(text);
            return text == L"NEW_MEMO";
        };
        manager->m_fnSaveSettings = [this] { ++settingsSaves; };
        EXPECT_TRUE(manager->Create(nullptr));
        return manager->GetSafeHwnd();
    }

    CScratchFolder scratch{L"vault-dlg"};
    CString savedFolder;
    CFakeSystem system;
    CFakeMessageBox box;
    CFakeClipboard clipboard;
    CPwdVault vault;
    std::unique_ptr<CPwdManagerDlg> manager;
    int closeRequests = 0;
    int settingsSaves = 0;
    std::vector<CString> actions;
};

// Plays the user in the modal dialog about to open: types into the edits
// and presses OK; when OK does not end it, Escape does.
INT_PTR RunTyping(CDialog& dialog, std::vector<std::pair<int, CString>> typed, const CString& picture = CString()) {
    WhenShown([&dialog, typed, picture] {
        HWND wnd = dialog.GetSafeHwnd();
        for (const auto& t : typed) SetDlgItemTextW(wnd, t.first, t.second);
        if (!picture.IsEmpty()) SaveScreenPicture(picture, {wnd});
        SendMessageW(wnd, WM_COMMAND, IDOK, 0);
        if (IsWindow(wnd) && IsWindowVisible(wnd)) PostMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
    });
    return dialog.DoModal();
}

}  // namespace

TEST_F(VaultDialogs, MasterPasswordRules) {
    const struct {
        const wchar_t* password;
        const wchar_t* confirmation;
        int refusal;  // 0: accepted
    } cases[] = {
        {L"abcdefg1", L"abcdefg1", 0},
        {L"1234567a", L"1234567a", 0},
        {L"abcdefgh", L"abcdefgh", 27004},
        {L"12345678", L"12345678", 27005},
        {L"abcdef1", L"abcdef1", 27003},
        {L"", L"", 27003},
        {L"abcdefg1", L"abcdefg2", 27006},
        {L"abcdefghijklmnopqrstuvwxyz0123456789", L"abcdefghijklmnopqrstuvwxyz0123456789", 0},
    };
    for (const auto& c : cases) {
        box.shown.clear();
        ::DeleteFileW(vault.GetFilePath());
        CPwdSetupDlg dialog(CPwdSetupDlg::modeSet, vault);
        INT_PTR result = RunTyping(dialog, {{IDC_PWD_NEW, c.password}, {IDC_PWD_CONFIRM, c.confirmation}});
        CStringA name(c.password);
        if (c.refusal == 0) {
            EXPECT_EQ(result, IDOK) << name.GetString();
            EXPECT_TRUE(box.shown.empty()) << name.GetString();
            EXPECT_EQ(dialog.GetPassword(), c.password);
            // Set mode writes a vault without entries under the new password.
            EXPECT_EQ(vault.ReadStoredVerifier(), CPwdVault::MakeVerifier(c.password)) << name.GetString();
        } else {
            EXPECT_EQ(result, IDCANCEL) << name.GetString();
            ASSERT_EQ(box.shown.size(), 1u) << name.GetString();
            EXPECT_EQ(box.shown[0].text, g_LanguageTable[c.refusal]) << name.GetString();
            EXPECT_TRUE(box.shown[0].type & MB_ICONWARNING);
            EXPECT_FALSE(vault.Exists()) << name.GetString();
        }
    }
}

// A vault that cannot be created is reported, and the dialog stays open.
TEST_F(VaultDialogs, SetupReportsAVaultItCouldNotWrite) {
    CPwdSetupDlg dialog(CPwdSetupDlg::modeSet, CPwdVault(scratch + L"no\\such\\folder\\"));
    EXPECT_EQ(RunTyping(dialog, {{IDC_PWD_NEW, L"abcdefg1"}, {IDC_PWD_CONFIRM, L"abcdefg1"}}), IDCANCEL);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, g_LanguageTable[10111]);
    EXPECT_TRUE(box.shown[0].type & MB_ICONERROR);
}

TEST_F(VaultDialogs, LoginAcceptsTheMasterPasswordAndClosesAfterTheFifthFailure) {
    ASSERT_TRUE(vault.WriteEmptyVault(L"master12"));
    {
        CPwdLoginDlg login(vault);
        EXPECT_EQ(RunTyping(login, {{IDC_PWD_LOGIN_PASSWORD, L"master12"}}, L"vault_login"), IDOK);
        EXPECT_EQ(login.GetPassword(), L"master12");
        EXPECT_TRUE(box.shown.empty());
    }
    {
        // An empty password gives up at once.
        CPwdLoginDlg login(vault);
        EXPECT_EQ(RunTyping(login, {{IDC_PWD_LOGIN_PASSWORD, L""}}), IDCANCEL);
        EXPECT_TRUE(box.shown.empty());
    }
    CPwdLoginDlg login(vault);
    WhenShown([&login] {
        HWND wnd = login.GetSafeHwnd();
        for (int i = 0; i < 5 && IsWindow(wnd); ++i) {
            SetDlgItemTextW(wnd, IDC_PWD_LOGIN_PASSWORD, L"master13");
            SendMessageW(wnd, WM_COMMAND, IDOK, 0);
            if (i < 4) { EXPECT_EQ(Text(wnd, IDC_PWD_LOGIN_PASSWORD), L"") << "the box is emptied"; }
        }
    });
    EXPECT_EQ(login.DoModal(), IDCANCEL);
    std::vector<CString> expected;
    for (int i = 1; i <= 5; ++i) {
        CString t;
        t.Format(L"Failed Password Attempt. (%d / 5)", i);
        expected.push_back(t);
    }
    EXPECT_EQ(box.Texts(), expected);
    EXPECT_TRUE(box.shown[0].type & MB_ICONERROR);
    EXPECT_EQ(system.pauses, std::vector<DWORD>{1000});
}

TEST_F(VaultDialogs, ResetMovesTheVaultAsideAndOpensTheVaultAgain) {
    ASSERT_TRUE(vault.WriteEmptyVault(L"master12"));
    const std::string bytes = ReadBytes(vault.GetFilePath());
    for (int answer : {IDNO, IDYES}) {
        box.answer = answer;
        int reopened = 0;
        CPwdVault v = vault;
        v.m_clock = [] { return At(2014, 2, 9, 8, 0, 0); };
        CPwdLoginDlg login(v);
        login.m_fnReopenVault = [&reopened] { ++reopened; };
        WhenShown([&login] {
            HWND wnd = login.GetSafeHwnd();
            SendMessageW(wnd, WM_COMMAND, IDC_PWD_RESET, 0);
            if (IsWindow(wnd) && IsWindowVisible(wnd)) PostMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(login.DoModal(), IDCANCEL);
        EXPECT_EQ(box.shown.back().text, g_LanguageTable[27008]);
        EXPECT_EQ(reopened, answer == IDYES ? 1 : 0);
        EXPECT_EQ(vault.Exists(), answer == IDNO);
    }
    EXPECT_EQ(ReadBytes(scratch + L"pmanager_data\\history\\2014_02_09.xbak"), bytes);
}

TEST_F(VaultDialogs, EntryEditorNeedsATitleAndGeneratesPasswords) {
    CPwdAddDlg dialog(CPwdAddDlg::modeAdd);
    EXPECT_EQ(RunTyping(dialog, {{IDC_PWD_ID, L"kim"}}), IDCANCEL);
    EXPECT_EQ(box.Texts(), std::vector<CString>{g_LanguageTable[27017]});

    CPwdAddDlg edit(CPwdAddDlg::modeEdit);
    edit.m_info = Entry(L"Mail", L"kim", L"old", L"www.example.com");
    edit.m_info.m_szReserved[1] = L"spare";
    edit.m_fnGenerate = [] { return CString(L"Generated-Pass1"); };
    WhenShown([&edit] {
        HWND wnd = edit.GetSafeHwnd();
        EXPECT_EQ(Text(wnd, IDC_PWD_URL), L"www.example.com");
        char title[64] = {};
        GetWindowTextA(wnd, title, 64);
        EXPECT_STREQ(title, "Edit");
        Press(wnd, IDC_PWD_GENERATE);
        EXPECT_FALSE(edit.IsPasswordShown());
        Press(wnd, IDC_PWD_SHOW);
        EXPECT_TRUE(edit.IsPasswordShown());
        EXPECT_EQ(Text(wnd, IDC_PWD_SHOW), L"Hide");
        SaveScreenPicture(L"vault_entry", {wnd});
        Press(wnd, IDC_PWD_SHOW);
        EXPECT_FALSE(edit.IsPasswordShown());
        EXPECT_EQ(Text(wnd, IDC_PWD_SHOW), L"See");
        SendMessageW(wnd, WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(edit.DoModal(), IDOK);
    EXPECT_EQ(edit.m_info.m_szPassword, L"Generated-Pass1");
    EXPECT_EQ(edit.m_info.m_szTitle, L"Mail");
    EXPECT_EQ(edit.m_info.m_szReserved[1], L"spare");
}

TEST_F(VaultDialogs, ManagerListsTheEntriesAtTheCursorAndEnablesWhatEachHas) {
    g_Settings.General.PwdCursor = 1;
    HWND wnd = OpenManager({Entry(L"Mail", L"kim", L"pw1", L"www.example.com"), Entry(L"Bank", L"", L"pw2")});
    EXPECT_EQ(SendDlgItemMessageW(wnd, IDC_PWD_LIST, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(manager->GetSelection(), 1);
    EXPECT_EQ(Text(wnd, IDC_PWD_TITLE), L"Bank");
    EXPECT_FALSE(Enabled(wnd, IDC_PWD_COPY_ID));
    EXPECT_TRUE(Enabled(wnd, IDC_PWD_COPY_PASSWORD));
    EXPECT_FALSE(Enabled(wnd, IDC_PWD_GO));
    SaveScreenPicture(L"vault_manager", {wnd});
    manager->ShowEntry(0, true);
    EXPECT_EQ(Text(wnd, IDC_PWD_ID), L"kim");
    EXPECT_TRUE(Enabled(wnd, IDC_PWD_COPY_ID));
    EXPECT_TRUE(Enabled(wnd, IDC_PWD_GO));
    manager->ShowEntry(5, true);  // outside the list: nothing changes
    EXPECT_EQ(Text(wnd, IDC_PWD_TITLE), L"Mail");

    // A cursor beyond the list falls back to the first entry; without
    // entries the fields are empty and the entry buttons off.
    g_Settings.General.PwdCursor = 9;
    manager->FillList();
    EXPECT_EQ(manager->GetSelection(), 0);
    manager.reset();
    ::DeleteFileW(vault.GetFilePath());
    wnd = OpenManager({});
    for (int id : {IDC_PWD_COPY_ID, IDC_PWD_COPY_PASSWORD, IDC_PWD_GO, IDC_PWD_EDIT, IDC_PWD_DELETE})
        EXPECT_FALSE(Enabled(wnd, id)) << id;
    EXPECT_TRUE(Enabled(wnd, IDC_PWD_ADD));
}

TEST_F(VaultDialogs, CopyingShowsTheNoticeAndTheCompactViewAndMaximiseRestores) {
    HWND wnd = OpenManager({Entry(L"Mail", L"kim", L"s3cret", L"www.example.com")});
    CRect full;
    GetWindowRect(wnd, &full);
    CRect fullCopy;
    GetWindowRect(GetDlgItem(wnd, IDC_PWD_COPY_ID), &fullCopy);
    EXPECT_FALSE(Visible(wnd, IDC_PWD_NOTICE));

    Press(wnd, IDC_PWD_COPY_PASSWORD);
    EXPECT_EQ(clipboard.text, L"s3cret");
    EXPECT_TRUE(manager->IsClipboardUsed());
    EXPECT_TRUE(Visible(wnd, IDC_PWD_NOTICE));
    ASSERT_TRUE(manager->IsCompact());
    CRect compact;
    GetWindowRect(wnd, &compact);
    EXPECT_EQ(compact.Width(), 156);
    EXPECT_EQ(compact.Height(), 123);
    EXPECT_FALSE(Visible(wnd, IDC_PWD_LIST));
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_EQ(Text(wnd, IDC_PWD_COPY_ID), L"Copy ID");
    EXPECT_EQ(Text(wnd, IDC_PWD_COPY_PASSWORD), L"Copy Password");
    char title[64] = {};
    GetWindowTextA(wnd, title, 64);
    EXPECT_STREQ(title, "Mail");
    // The copy buttons fill the width.
    CRect client, button;
    GetClientRect(wnd, &client);
    GetWindowRect(GetDlgItem(wnd, IDC_PWD_COPY_ID), &button);
    EXPECT_EQ(button.Width(), client.Width() - 6);
    SaveScreenPicture(L"vault_compact", {wnd});

    // A copy in the compact view stays in it.
    Press(wnd, IDC_PWD_COPY_ID);
    EXPECT_EQ(clipboard.text, L"kim");
    EXPECT_TRUE(manager->IsCompact());

    // The notice goes after 4.5 s.
    manager->OnTimer(CPwdManagerDlg::TIMER_NOTICE);
    EXPECT_FALSE(Visible(wnd, IDC_PWD_NOTICE));

    SendMessageW(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_FALSE(manager->IsCompact());
    EXPECT_FALSE(IsZoomed(wnd));
    CRect restored, restoredCopy;
    GetWindowRect(wnd, &restored);
    GetWindowRect(GetDlgItem(wnd, IDC_PWD_COPY_ID), &restoredCopy);
    EXPECT_EQ(restored, full);
    EXPECT_EQ(restoredCopy, fullCopy);
    EXPECT_TRUE(Visible(wnd, IDC_PWD_LIST));
    EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_EQ(Text(wnd, IDC_PWD_COPY_ID), L"Copy");
    GetWindowTextA(wnd, title, 64);
    EXPECT_STREQ(title, "Password Management");
}

TEST_F(VaultDialogs, AClipboardThatCannotBeFilledChangesNothing) {
    HWND wnd = OpenManager({Entry(L"Mail", L"kim", L"s3cret")});
    clipboard.failNext = true;
    Press(wnd, IDC_PWD_COPY_ID);
    EXPECT_FALSE(manager->IsClipboardUsed());
    EXPECT_FALSE(Visible(wnd, IDC_PWD_NOTICE));
    EXPECT_FALSE(manager->IsCompact());
}

TEST_F(VaultDialogs, OpeningASite) {
    g_Settings.General.PwdCursor = 0;
    HWND wnd = OpenManager({Entry(L"Mail", L"kim", L"pw", L"Www.example.com"),
                            Entry(L"Bank", L"lee", L"pw", L"https://bank.example.com"),
                            Entry(L"Memo", L"", L"pw", L"NEW_MEMO")});
    Press(wnd, IDC_PWD_GO);
    EXPECT_EQ(system.opened, std::vector<CString>{L"http://Www.example.com"});
    EXPECT_EQ(clipboard.text, L"kim");
    EXPECT_TRUE(manager->IsClipboardUsed());
    EXPECT_FALSE(manager->IsCompact()) << "opening a site keeps the full view";
    EXPECT_FALSE(Visible(wnd, IDC_PWD_NOTICE));
    EXPECT_EQ(settingsSaves, 0) << "the cursor did not move";

    manager->ShowEntry(1, true);
    SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(IDC_PWD_LIST, LBN_DBLCLK), (LPARAM)GetDlgItem(wnd, IDC_PWD_LIST));
    EXPECT_EQ(system.opened.back(), L"https://bank.example.com");
    EXPECT_EQ(g_Settings.General.PwdCursor, 1);
    EXPECT_EQ(settingsSaves, 1);

    // An action string goes to the action runner and nowhere else.
    manager->ShowEntry(2, true);
    Press(wnd, IDC_PWD_GO);
    EXPECT_EQ(actions.back(), L"NEW_MEMO");
    EXPECT_EQ(system.opened.size(), 2u);
    EXPECT_EQ(g_Settings.General.PwdCursor, 1);
}

TEST_F(VaultDialogs, AddEditDeleteSaveTheVaultInListOrder) {
    HWND wnd = OpenManager({Entry(L"First", L"a")});
    std::vector<CPwdInfo> answers = {Entry(L"Second", L"b"), Entry(L"Third", L"c")};
    size_t next = 0;
    manager->m_fnRunAddDialog = [&](CPwdAddDlg& dialog) -> INT_PTR {
        dialog.m_info = answers[next++];
        return IDOK;
    };
    Press(wnd, IDC_PWD_ADD);
    Press(wnd, IDC_PWD_ADD);
    EXPECT_EQ(manager->GetSelection(), 2) << "the new entry is selected";
    std::vector<CPwdInfo> read;
    ASSERT_EQ(vault.Load(L"master12", read), CPwdVault::loadOk);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].m_szTitle, L"First");
    EXPECT_EQ(read[1].m_szTitle, L"Second");
    EXPECT_EQ(read[2].m_szTitle, L"Third");

    manager->ShowEntry(1, true);
    manager->m_fnRunAddDialog = [](CPwdAddDlg& dialog) -> INT_PTR {
        EXPECT_EQ(dialog.m_info.m_szTitle, L"Second");
        dialog.m_info.m_szID = L"changed";
        return IDOK;
    };
    Press(wnd, IDC_PWD_EDIT);
    ASSERT_EQ(vault.Load(L"master12", read), CPwdVault::loadOk);
    EXPECT_EQ(read[1].m_szID, L"changed");
    EXPECT_EQ(manager->GetSelection(), 1);

    box.answer = IDNO;
    Press(wnd, IDC_PWD_DELETE);
    EXPECT_EQ(manager->GetEntries().size(), 3u);
    EXPECT_EQ(box.shown.back().text, L"Do you want to delete \"Second\"?");
    box.answer = IDYES;
    Press(wnd, IDC_PWD_DELETE);
    ASSERT_EQ(vault.Load(L"master12", read), CPwdVault::loadOk);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].m_szTitle, L"Third");
    EXPECT_EQ(manager->GetSelection(), 0) << "the entry before it";
    // Each save left the day's history copy.
    EXPECT_EQ(scratch.List(L"pmanager_data\\history").size(), 1u);
}

TEST_F(VaultDialogs, CountdownTurnsRedAtTenClosesAtZeroAndPausesForDialogs) {
    g_Settings.General.PMCountDown = 12;
    HWND wnd = OpenManager({Entry(L"First", L"a")});
    EXPECT_TRUE(Visible(wnd, IDC_PWD_COUNTER));
    EXPECT_EQ(manager->GetCounterColor(), RGB(60, 255, 60));
    manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    EXPECT_EQ(manager->GetCountdown().SecondsLeft(), 10);
    EXPECT_EQ(manager->GetCounterColor(), RGB(60, 255, 60));
    manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    EXPECT_EQ(manager->GetCounterColor(), RGB(255, 0, 0));

    // While the entry editor is open the seconds stand still; afterwards
    // they start again from the full time, whatever the answer.
    manager->m_fnRunAddDialog = [this](CPwdAddDlg&) -> INT_PTR {
        for (int i = 0; i < 20; ++i) manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
        EXPECT_EQ(manager->GetCountdown().SecondsLeft(), 9);
        return IDCANCEL;
    };
    Press(wnd, IDC_PWD_ADD);
    EXPECT_EQ(manager->GetCountdown().SecondsLeft(), 12);
    EXPECT_EQ(manager->GetCounterColor(), RGB(60, 255, 60));
    EXPECT_EQ(closeRequests, 0);

    for (int i = 0; i < 12; ++i) manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    EXPECT_EQ(closeRequests, 0);
    manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(VaultDialogs, CountdownZeroShowsNoCounterAndNeverCloses) {
    g_Settings.General.PMCountDown = 0;
    HWND wnd = OpenManager({Entry(L"First", L"a")});
    EXPECT_FALSE(Visible(wnd, IDC_PWD_COUNTER));
    EXPECT_FALSE(Visible(wnd, IDC_PWD_RESTART));
    for (int i = 0; i < 100; ++i) manager->OnTimer(CPwdManagerDlg::TIMER_COUNTDOWN);
    EXPECT_EQ(closeRequests, 0);
}

TEST_F(VaultDialogs, ChangingTheMasterPasswordRewritesTheVaultUnderIt) {
    HWND wnd = OpenManager({Entry(L"First", L"a"), Entry(L"Second", L"b")});
    manager->m_fnRunSetupDialog = [](CPwdSetupDlg& dialog) {
        return RunTyping(dialog, {{IDC_PWD_NEW, L"newMaster9"}, {IDC_PWD_CONFIRM, L"newMaster9"}});
    };
    Press(wnd, IDC_PWD_CHANGE_MASTER);
    EXPECT_EQ(manager->GetPassword(), L"newMaster9");
    EXPECT_EQ(box.Texts(), std::vector<CString>{g_LanguageTable[27023]});
    std::vector<CPwdInfo> read;
    EXPECT_EQ(vault.Load(L"master12", read), CPwdVault::loadWrongPassword);
    ASSERT_EQ(vault.Load(L"newMaster9", read), CPwdVault::loadOk);
    EXPECT_EQ(read.size(), 2u);
}

// When the vault cannot be written under the new master password, the
// window keeps the old one: the file on disk still opens only with it.
TEST_F(VaultDialogs, AChangeThatCannotBeSavedKeepsTheOldMasterPassword) {
    HWND wnd = OpenManager({Entry(L"First", L"a")});
    HANDLE lock = CreateFileW(vault.GetFilePath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    manager->m_fnRunSetupDialog = [](CPwdSetupDlg& dialog) {
        return RunTyping(dialog, {{IDC_PWD_NEW, L"newMaster9"}, {IDC_PWD_CONFIRM, L"newMaster9"}});
    };
    Press(wnd, IDC_PWD_CHANGE_MASTER);
    CloseHandle(lock);
    EXPECT_EQ(manager->GetPassword(), L"master12");
    EXPECT_EQ(box.Texts(), std::vector<CString>{g_LanguageTable[10111]});
    std::vector<CPwdInfo> read;
    EXPECT_EQ(vault.Load(L"master12", read), CPwdVault::loadOk);
    EXPECT_EQ(manager->GetCountdown().SecondsLeft(), 60);
}

// A failed save keeps the old vault, says so, and the window keeps its
// entries.
TEST_F(VaultDialogs, AFailedSaveIsReportedAndTheOldVaultKept) {
    HWND wnd = OpenManager({Entry(L"First", L"a")});
    const std::string old = ReadBytes(vault.GetFilePath());
    HANDLE lock = CreateFileW(vault.GetFilePath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    manager->m_fnRunAddDialog = [](CPwdAddDlg& dialog) -> INT_PTR {
        dialog.m_info = Entry(L"Second");
        return IDOK;
    };
    Press(wnd, IDC_PWD_ADD);
    CloseHandle(lock);
    EXPECT_EQ(box.Texts(), std::vector<CString>{g_LanguageTable[10111]});
    EXPECT_EQ(manager->GetEntries().size(), 2u);
    EXPECT_EQ(ReadBytes(vault.GetFilePath()), old);
}

// Entries that do not read whole are shown as far as they go; the file is
// kept as a dated copy and never written over.
TEST_F(VaultDialogs, ADamagedVaultIsKeptAndNotWrittenOver) {
    ASSERT_TRUE(vault.Save(L"master12", {Entry(L"One"), Entry(L"Two")}));
    std::string bytes = ReadBytes(vault.GetFilePath());
    int huge = 1000000;
    memcpy(&bytes[52 + 132 + 4 + 4], &huge, 4);
    WriteBytes(vault.GetFilePath(), bytes);
    HWND wnd = OpenManager({});
    EXPECT_TRUE(manager->IsHeld());
    EXPECT_EQ(manager->GetEntries().size(), 2u);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text.Find(g_LanguageTable[39300]), 0);
    std::vector<CString> copies = scratch.List(L"pmanager_data", L"pmanager_data.pmd.*.bad");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(box.shown[0].text.Find(copies[0]), -1) << "the message names the copy";
    EXPECT_EQ(ReadBytes(scratch + L"pmanager_data\\" + copies[0]), bytes);

    manager->m_fnRunAddDialog = [](CPwdAddDlg& dialog) -> INT_PTR {
        dialog.m_info = Entry(L"Three");
        return IDOK;
    };
    Press(wnd, IDC_PWD_ADD);
    EXPECT_EQ(ReadBytes(vault.GetFilePath()), bytes);
    EXPECT_EQ(box.shown.back().text, g_LanguageTable[10111]);
}

// Closing takes away only what the vault itself put on the clipboard.
TEST_F(VaultDialogs, ClosingEmptiesTheClipboardOnlyWhileItHoldsWhatTheVaultPutThere) {
    for (bool otherCopiedSince : {false, true}) {
        HWND wnd = OpenManager({Entry(L"Mail", L"kim", L"s3cret")});
        Press(wnd, IDC_PWD_COPY_PASSWORD);
        if (otherCopiedSince) {
            clipboard.text = L"the user's own text";
            ++clipboard.sequence;
        }
        manager->DestroyWindow();
        EXPECT_EQ(clipboard.text, otherCopiedSince ? L"the user's own text" : L"") << otherCopiedSince;
        manager.reset();
    }
    // Nothing copied: the clipboard is left alone.
    clipboard.text = L"untouched";
    OpenManager({Entry(L"Mail", L"kim", L"s3cret")});
    manager->DestroyWindow();
    EXPECT_EQ(clipboard.text, L"untouched");
}

// The system clipboard behind the seam tells a later writer by its
// sequence number.
TEST(PwdSystemClipboard, EmptiesOnlyItsOwnContent) {
    SetPwdClipboard(nullptr);
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    auto clipboardText = [owner]() -> CString {
        CString text;
        if (!OpenClipboard(owner)) return L"(closed)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = (const wchar_t*)GlobalLock(data);
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    };
    DWORD mark = 0;
    ASSERT_TRUE(GetPwdClipboard().SetText(owner, L"vault secret", mark));
    EXPECT_EQ(clipboardText(), L"vault secret");
    EXPECT_TRUE(GetPwdClipboard().EmptyIfStill(owner, mark));
    EXPECT_EQ(clipboardText(), L"");

    ASSERT_TRUE(GetPwdClipboard().SetText(owner, L"vault secret", mark));
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL other = GlobalAlloc(GMEM_MOVEABLE, 32);
    wcscpy((wchar_t*)GlobalLock(other), L"mine");
    GlobalUnlock(other);
    SetClipboardData(CF_UNICODETEXT, other);
    CloseClipboard();
    EXPECT_FALSE(GetPwdClipboard().EmptyIfStill(owner, mark));
    EXPECT_EQ(clipboardText(), L"mine");
    DestroyWindow(owner);
}
