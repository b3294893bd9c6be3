// The on-screen hot-key keyboard and the hot-key button: the key table, the
// refusals, the template's layout, and both ways the keyboard runs.
#include "ActionTestSupport.h"
#include "MessagePump.h"

#include "fw/AfxWin.h"
#include "shell/HotKeyDispatcher.h"
#include "shell/HotKeyRegistrar.h"
#include "shell/HotKeyTable.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/SettingsStore.h"
#include "shell/ZMsgBox.h"
#include "ui/HotKeyBtn.h"
#include "ui/HotKeyboard.h"

#include <thread>

namespace {

class CRecordingRegistrar : public IHotKeyRegistrar {
public:
    CallLog log;
    bool Register(int id, UINT modifiers, UINT key) override {
        log.push_back(Call(L"Register(%d,%u,%u)", id, modifiers, key));
        return true;
    }
    void Unregister(int id) override { log.push_back(Call(L"Unregister(%d)", id)); }
};

// Clicks a button of a dialog as the user would (the dialog gets BN_CLICKED).
void PostClick(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

// The keyboard window of this process with the title, once it is there.
// Other test processes on the same screen show the same title.
HWND WaitForKeyboard(const wchar_t* title, DWORD timeoutMs = 5000) {
    struct Search {
        const wchar_t* title;
        HWND found;
    };
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        Search search = {title, nullptr};
        EnumWindows(
            [](HWND wnd, LPARAM lp) -> BOOL {
                Search* s = (Search*)lp;
                DWORD pid = 0;
                GetWindowThreadProcessId(wnd, &pid);
                wchar_t text[256] = {};
                GetWindowTextW(wnd, text, 256);
                if (pid == GetCurrentProcessId() && wcscmp(text, s->title) == 0) {
                    s->found = wnd;
                    return FALSE;
                }
                return TRUE;
            },
            (LPARAM)&search);
        if (search.found) return search.found;
        Sleep(10);
    }
    return nullptr;
}

// A keyboard that should have closed by now is cancelled, so that a failing
// test ends instead of waiting for a user.
void CancelIfStillOpen(HWND wnd) {
    for (int i = 0; i < 300 && IsWindow(wnd); ++i) Sleep(10);
    if (IsWindow(wnd)) PostClick(wnd, IDCANCEL);
}

class HotKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Settings = CSettings();
        for (int id = 0; id < HOTKEY_COUNT; ++id) {
            SetDefaultHotKey(id, g_Settings.HotKeyTable[id]);
            g_Settings.HotKeyTable[id].id = id;
        }
        g_Settings.General.EnableHotKey = 1;
        const std::pair<int, const wchar_t*> texts[] = {
            {26, L"Cancel"},
            {90, L"Basic"},
            {100, L"Settings"},
            {222, L"Open New Memo"},
            {243, L"Enable Shortcut"},
            {751, L"Not Use"},
            {1800, L"Set Shortcut"},
            {1801, L"Not Use"},
            {10035, L"At least one key is to be selected among #CTRL# #ALT# #SHIFT#"},
            {10036, L"Under two keys are to be selected among #CTRL# #ALT# #SHIFT#"},
            {10045, L"If you want to use Shortcut, you should check #100#>#90#>#243#."},
            {10046, L"Shortcut is duplicated."},
            {10047, L"Shortcut setting"},
            {10048, L"Ctrl"},
            {10049, L"Alt"},
            {10050, L"Shift"},
        };
        g_LanguageTable.RemoveAll();
        for (const auto& t : texts) g_LanguageTable.SetAt(t.first, t.second);
        SetHotKeyRegistrar(&registrar);
        SetMessageBoxAnswerer([this](const CString& text, int type) {
            EXPECT_EQ(type, -1);
            warnings.push_back(text.str());
            return IDOK;
        });
        g_DirectHotKeyboardOpen = false;
        AppConfigStore().Reset();
    }
    void TearDown() override {
        SetMessageBoxAnswerer(nullptr);
        SetHotKeyRegistrar(nullptr);
        AppConfigStore().Reset();
        g_DirectHotKeyboardOpen = false;
        g_ProgramFolder.Empty();
        g_LanguageTable.RemoveAll();
        g_Settings = CSettings();
    }

    static HotKeyInfo Record(int id, int ctrl, int alt, int shift, int key, const wchar_t* name) {
        HotKeyInfo r;
        r.id = id;
        r.ctrl = ctrl;
        r.alt = alt;
        r.shift = shift;
        r.key = key;
        r.SetName(name);
        return r;
    }

    CRecordingRegistrar registrar;
    std::vector<std::wstring> warnings;
};

TEST_F(HotKeyboardTest, KeyTableReadsBothWays) {
    EXPECT_EQ(CHotKeyboard::GetSelectableKeys().size(), 58u);
    for (int id : CHotKeyboard::GetSelectableKeys()) {
        CString name;
        int code = CHotKeyboard::GetKeyCode(id, &name);
        EXPECT_GT(code, 0) << id;
        EXPECT_FALSE(name.IsEmpty()) << id;
        EXPECT_LT(name.GetLength(), (int)HotKeyInfo::NameSize) << id;
        EXPECT_EQ(CHotKeyboard::GetKeyButton(code), id) << id;
    }
    CString name;
    EXPECT_EQ(CHotKeyboard::GetKeyCode(1066, &name), VK_PRIOR);
    EXPECT_EQ(name, L"PageUp");
    EXPECT_EQ(CHotKeyboard::GetKeyCode(1069, &name), VK_NEXT);
    EXPECT_EQ(name, L"PageDown");
    EXPECT_EQ(CHotKeyboard::GetKeyCode(1010, &name), '0');
    EXPECT_EQ(CHotKeyboard::GetKeyCode(1060, &name), VK_UP);
    EXPECT_EQ(name, L"\u2191");
    // Punctuation and the hidden button store nothing.
    for (int id : {1011, 1012, 1013, 1024, 1025, 1026, 1036, 1037, 1045, 1046, 1047, 1095, 1097})
        EXPECT_EQ(CHotKeyboard::GetKeyCode(id), -1) << id;
    EXPECT_EQ(CHotKeyboard::GetKeyButton(VK_F10), 1057);
    EXPECT_EQ(CHotKeyboard::GetKeyButton(-1), 0);
    EXPECT_EQ(CHotKeyboard::GetKeyButton(VK_SPACE), 0);
}

struct JudgeCase {
    const char* name;
    int slot, ctrl, alt, shift, key;
    CHotKeyboard::KeyVerdict verdict;
};

TEST_F(HotKeyboardTest, RefusesNoModifierThreeModifiersAndDuplicates) {
    // Defaults: every fixed key is Ctrl+Alt; slot 0 is Ctrl+Alt+N, slot 5 Ctrl+Alt+F3.
    const JudgeCase cases[] = {
        {"no modifier", 5, 0, 0, 0, 'A', CHotKeyboard::KEY_NO_MODIFIER},
        {"all three", 5, 1, 1, 1, 'A', CHotKeyboard::KEY_THREE_MODIFIERS},
        {"used by slot 0", 5, 1, 1, 0, 'N', CHotKeyboard::KEY_DUPLICATE},
        {"own combination", 5, 1, 1, 0, VK_F3, CHotKeyboard::KEY_ACCEPTED},
        {"same key, other modifiers", 5, 1, 0, 1, 'N', CHotKeyboard::KEY_ACCEPTED},
        {"one modifier", 5, 0, 0, 1, 'A', CHotKeyboard::KEY_ACCEPTED},
        {"two modifiers, free key", 0, 1, 1, 0, 'A', CHotKeyboard::KEY_ACCEPTED},
    };
    for (const JudgeCase& c : cases)
        EXPECT_EQ(CHotKeyboard::JudgeKey(c.slot, c.ctrl, c.alt, c.shift, c.key), c.verdict) << c.name;

    EXPECT_EQ(CHotKeyboard::MakeModifierMessage(10035), L"At least one key is to be selected among Ctrl Alt Shift");
    EXPECT_EQ(CHotKeyboard::MakeModifierMessage(10036), L"Under two keys are to be selected among Ctrl Alt Shift");
    EXPECT_EQ(CHotKeyboard::MakeHotKeysOffMessage(),
              L"If you want to use Shortcut, you should check Settings>Basic>Enable Shortcut.");
}

TEST_F(HotKeyboardTest, KeysOfOtherSlotsAreInUse) {
    std::vector<int> used = CHotKeyboard::GetKeysInUse(5, 1, 1, 0);
    // Slot 5's own F3 is free for it; N (slot 0) and F1 (slot 3) are not;
    // PgUp/PgDown of slots 1 and 2 have buttons too.
    EXPECT_EQ(std::count(used.begin(), used.end(), 1050), 0);
    EXPECT_EQ(std::count(used.begin(), used.end(), 1043), 1);
    EXPECT_EQ(std::count(used.begin(), used.end(), 1048), 1);
    EXPECT_EQ(std::count(used.begin(), used.end(), 1066), 1);
    // Another combination frees them all.
    EXPECT_TRUE(CHotKeyboard::GetKeysInUse(5, 1, 0, 1).empty());
}

TEST_F(HotKeyboardTest, TitleNamesTheActionAndTheCombination) {
    EXPECT_EQ(CHotKeyboard::MakeTitle(0, 1, 1, 0, 'N', L"N"), L"Open New Memo : Ctrl + Alt + N");
    EXPECT_EQ(CHotKeyboard::MakeTitle(5, 0, 0, 1, VK_F3, L"F3"), L"Shortcut setting Shift + F3");
    EXPECT_EQ(CHotKeyboard::MakeTitle(5, 1, 0, 0, -1, L"F3"), L"Shortcut setting Ctrl + ");
}

TEST_F(HotKeyboardTest, ButtonCaptionDoesNotDependOnEnableHotKey) {
    HotKeyInfo record = Record(5, 1, 0, 1, VK_F5, L"F5");
    g_Settings.General.EnableHotKey = 0;
    EXPECT_EQ(CHotKeyBtn::MakeCaption(record), L"Ctrl+Shift+F5");
    EXPECT_EQ(FormatHotKeyText(record), L"");
    record.key = -1;
    EXPECT_EQ(CHotKeyBtn::MakeCaption(record), L"Not Use");
    HotKeyInfo pageUp = Record(1, 1, 1, 0, VK_PRIOR, L"PageUp");
    EXPECT_EQ(CHotKeyBtn::MakeCaption(pageUp), L"Ctrl+Alt+PageUp");
}

TEST_F(HotKeyboardTest, ButtonResultsChangeTheRecordAndItsRegistration) {
    HotKeyInfo record = Record(7, 1, 1, 0, VK_F5, L"F5");
    EXPECT_FALSE(CHotKeyBtn::ApplyResult(record, CHotKeyboard::RESULT_CANCEL, 0, 1, 1, 'Q', L"Q"));
    EXPECT_EQ(record.key, VK_F5);
    EXPECT_TRUE(registrar.log.empty());

    EXPECT_TRUE(CHotKeyBtn::ApplyResult(record, CHotKeyboard::RESULT_ACCEPTED, 0, 1, 1, 'Q', L"Q"));
    EXPECT_EQ(record.ctrl, 0);
    EXPECT_EQ(record.alt, 1);
    EXPECT_EQ(record.shift, 1);
    EXPECT_EQ(record.key, 'Q');
    EXPECT_EQ(record.GetName(), L"Q");

    EXPECT_TRUE(CHotKeyBtn::ApplyResult(record, CHotKeyboard::RESULT_NOT_USE, 0, 0, 0, 0, L""));
    EXPECT_EQ(record.key, -1);
    // UpdateHotKey reads the table entry of the slot, which the page copies
    // back later; here only the calls count.
    EXPECT_EQ(registrar.log.size(), 3u);
    EXPECT_EQ(registrar.log[0], L"Unregister(7)");
    EXPECT_EQ(registrar.log[2], L"Unregister(7)");
}

// The template as the user sees it: key buttons where a keyboard has them.
TEST_F(HotKeyboardTest, TemplateIsLaidOutLikeAKeyboard) {
    CHotKeyboard keyboard(g_Settings.HotKeyTable[0]);
    ASSERT_TRUE(keyboard.Create(IDD_HOTKEYBOARD));
    HWND wnd = keyboard.GetSafeHwnd();

    struct Place {
        int id, x, y, w, h;
    };
    const Place places[] = {
        {1048, 10, 11, 24, 18},  {1052, 114, 11, 24, 18}, {1056, 218, 11, 24, 18}, {1059, 293, 11, 24, 18},
        {1001, 10, 31, 24, 18},  {1010, 235, 31, 24, 18}, {1013, 310, 31, 24, 18}, {1064, 339, 31, 24, 19},
        {1066, 391, 31, 24, 19}, {1014, 22, 50, 24, 18},  {1067, 339, 52, 24, 19}, {1027, 35, 69, 24, 18},
        {1038, 41, 88, 24, 18},  {1060, 366, 91, 24, 19}, {1062, 340, 112, 24, 19}, {1063, 391, 112, 24, 19},
        {1097, 191, 111, 62, 20}, {2, 255, 111, 35, 20},  {1095, 11, 119, 40, 10},  {1098, 102, 119, 40, 10},
    };
    for (const Place& p : places) {
        HWND item = GetDlgItem(wnd, p.id);
        ASSERT_TRUE(item) << p.id;
        // Position and size are mapped apart, as the dialog manager does.
        RECT mapped = {p.x, p.y, p.w, p.h};
        MapDialogRect(wnd, &mapped);
        RECT expected = {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
        RECT actual;
        GetWindowRect(item, &actual);
        MapWindowPoints(nullptr, wnd, (POINT*)&actual, 2);
        EXPECT_EQ(actual.left, expected.left) << p.id;
        EXPECT_EQ(actual.top, expected.top) << p.id;
        EXPECT_EQ(actual.right, expected.right) << p.id;
        EXPECT_EQ(actual.bottom, expected.bottom) << p.id;
    }
    for (int id : {1011, 1012, 1013, 1024, 1025, 1036, 1037, 1045, 1046, 1047})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wnd, id))) << id;
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(wnd, 1026)) && GetWindowLongW(GetDlgItem(wnd, 1026), GWL_STYLE) & WS_VISIBLE);

    // Captions, title, the current key flat, the keys of other slots disabled.
    wchar_t text[128];
    GetWindowTextW(wnd, text, 128);
    EXPECT_STREQ(text, L"Open New Memo : Ctrl + Alt + N");
    GetDlgItemTextW(wnd, 1097, text, 128);
    EXPECT_STREQ(text, L"Not Use");
    EXPECT_NE(GetWindowLongW(GetDlgItem(wnd, 1043), GWL_STYLE) & BS_FLAT, 0);
    EXPECT_EQ(IsDlgButtonChecked(wnd, 1095), (UINT)BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(wnd, 1098), (UINT)BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wnd, 1043)));   // its own N
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wnd, 1048)));  // F1 of slot 3
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wnd, 1069)));  // PgDown of slot 2
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wnd, 1057)));   // F10 is nobody's

    // Another combination frees the keys again and changes the title.
    CheckDlgButton(wnd, 1098, BST_CHECKED);
    CheckDlgButton(wnd, 1096, BST_UNCHECKED);
    SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(1098, BN_CLICKED), (LPARAM)GetDlgItem(wnd, 1098));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wnd, 1048)));
    GetWindowTextW(wnd, text, 128);
    EXPECT_STREQ(text, L"Open New Memo : Ctrl + Shift + N");
    keyboard.DestroyWindow();
}

// A refused click leaves the dialog open and keeps the clicked key; the
// modal run ends with 1 on an accepted key.
TEST_F(HotKeyboardTest, ModalKeyboardRefusesThenAccepts) {
    CHotKeyboard keyboard(g_Settings.HotKeyTable[5]);
    // The user's steps, all posted: the dialog takes them in this order.
    std::thread user([&] {
        HWND wnd = WaitForKeyboard(L"Shortcut setting Ctrl + Alt + F3");
        if (!wnd) return;
        auto check = [wnd](int id, int state) { PostMessageW(GetDlgItem(wnd, id), BM_SETCHECK, state, 0); };
        check(1098, BST_CHECKED);  // Ctrl+Alt+Shift
        PostClick(wnd, 1098);
        PostClick(wnd, 1027);
        check(1095, BST_UNCHECKED);
        check(1096, BST_UNCHECKED);
        check(1098, BST_UNCHECKED);
        PostClick(wnd, 1027);  // no modifier
        check(1095, BST_CHECKED);
        check(1096, BST_CHECKED);
        PostClick(wnd, 1043);  // Ctrl+Alt+N belongs to slot 0
        // Enter on a check box: nothing unchecked is handed back.
        PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostClick(wnd, 1066);  // Ctrl+Alt+PageUp belongs to slot 1
        PostClick(wnd, 1057);  // Ctrl+Alt+F10 is free
        CancelIfStillOpen(wnd);
    });
    INT_PTR result = keyboard.DoModal();
    user.join();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(warnings, (std::vector<std::wstring>{L"Under two keys are to be selected among Ctrl Alt Shift",
                                                    L"At least one key is to be selected among Ctrl Alt Shift",
                                                    L"Shortcut is duplicated.", L"Shortcut is duplicated."}));
    EXPECT_EQ(keyboard.m_ctrl, 1);
    EXPECT_EQ(keyboard.m_alt, 1);
    EXPECT_EQ(keyboard.m_shift, 0);
    EXPECT_EQ(keyboard.m_key, VK_F10);
    EXPECT_EQ(keyboard.GetKeyName(), L"F10");
    // The modal keyboard leaves the table to its caller.
    EXPECT_EQ(g_Settings.HotKeyTable[5].key, VK_F3);
    EXPECT_TRUE(registrar.log.empty());
}

TEST_F(HotKeyboardTest, HotKeysSwitchedOffAreNoticedButNotRefused) {
    g_Settings.General.EnableHotKey = 0;
    CHotKeyboard keyboard(g_Settings.HotKeyTable[5]);
    std::thread user([&] {
        if (HWND wnd = WaitForKeyboard(L"Shortcut setting Ctrl + Alt + F3")) {
            PostClick(wnd, 1027);
            CancelIfStillOpen(wnd);
        }
    });
    EXPECT_EQ(keyboard.DoModal(), 1);
    user.join();
    EXPECT_EQ(warnings,
              std::vector<std::wstring>{L"If you want to use Shortcut, you should check Settings>Basic>Enable Shortcut."});
    EXPECT_EQ(keyboard.m_key, 'A');
}

// The button runs the keyboard modally on its record and shows the result.
TEST_F(HotKeyboardTest, ButtonOpensTheKeyboardAndShowsTheNewKey) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Page", WS_OVERLAPPED, 0, 0, 300, 200, nullptr, 0));
    HotKeyInfo record = Record(3, 1, 1, 0, VK_F1, L"F1");
    CHotKeyBtn button;
    RECT rect = {10, 10, 160, 40};
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, &parent, 3001));
    button.SetHotKey(&record);
    EXPECT_EQ(button.GetWindowText(), L"Ctrl+Alt+F1");

    std::thread user([&] {
        if (HWND wnd = WaitForKeyboard(L"Shortcut setting Ctrl + Alt + F1")) {
            PostClick(wnd, 1097);
            CancelIfStillOpen(wnd);
        }
    });
    button.SendMessage(BM_CLICK);
    user.join();
    EXPECT_EQ(record.key, -1);
    EXPECT_EQ(button.GetWindowText(), L"Not Use");
    EXPECT_EQ(registrar.log, CallLog{L"Unregister(3)"});

    // Cancel changes nothing.
    registrar.log.clear();
    std::thread cancel([&] {
        if (HWND wnd = WaitForKeyboard(L"Shortcut setting Ctrl + Alt + ")) PostClick(wnd, IDCANCEL);
    });
    button.SendMessage(BM_CLICK);
    cancel.join();
    EXPECT_EQ(record.key, -1);
    EXPECT_TRUE(registrar.log.empty());
    button.DestroyWindow();
    parent.DestroyWindow();
}

class DirectKeyboardTest : public HotKeyboardTest {
protected:
    void SetUp() override {
        HotKeyboardTest::SetUp();
        g_ProgramFolder = folder.Path();
        folder.Write(L"ZorelConfig.xml", "<?xml version=\"1.0\" ?>\n<ZorelConfig></ZorelConfig>\n");
        AppConfigStore().Load(g_ProgramFolder + L"ZorelConfig.xml");
        g_Settings.ConfigLoaded = 1;
    }

    std::string ConfigText() {
        HANDLE h = CreateFileW(g_ProgramFolder + L"ZorelConfig.xml", GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return std::string();
        std::string bytes(GetFileSize(h, nullptr), '\0');
        DWORD read = 0;
        if (!bytes.empty()) ReadFile(h, &bytes[0], (DWORD)bytes.size(), &read, nullptr);
        CloseHandle(h);
        return bytes;
    }

    // Opens the keyboard as the main frame does after a repeated hot key.
    HWND OpenDirect(int slot) {
        g_DirectHotKeyboardOpen = true;
        CHotKeyboard* keyboard = new CHotKeyboard(g_Settings.HotKeyTable[slot]);
        keyboard->m_direct = 1;
        if (!keyboard->Create(IDD_HOTKEYBOARD)) {
            delete keyboard;
            return nullptr;
        }
        keyboard->ShowWindow(SW_SHOW);
        return keyboard->GetSafeHwnd();
    }

    CScratchProgramFolder folder;
};

TEST_F(DirectKeyboardTest, AcceptedKeyIsStoredRegisteredAndSaved) {
    HWND wnd = OpenDirect(5);
    ASSERT_TRUE(wnd);
    EXPECT_NE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    CheckDlgButton(wnd, 1096, BST_UNCHECKED);
    CheckDlgButton(wnd, 1098, BST_CHECKED);
    PostClick(wnd, 1027);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }));
    EXPECT_FALSE(g_DirectHotKeyboardOpen);
    const HotKeyInfo& entry = g_Settings.HotKeyTable[5];
    EXPECT_EQ(entry.ctrl, 1);
    EXPECT_EQ(entry.alt, 0);
    EXPECT_EQ(entry.shift, 1);
    EXPECT_EQ(entry.key, 'A');
    EXPECT_EQ(entry.GetName(), L"A");
    EXPECT_EQ(registrar.log,
              (CallLog{L"Unregister(5)", Call(L"Register(5,%u,%u)", MOD_CONTROL | MOD_SHIFT, (UINT)'A')}));
    EXPECT_NE(ConfigText().find("<Key05>1 0 1 65 A</Key05>"), std::string::npos) << ConfigText();
}

TEST_F(DirectKeyboardTest, NotUseClearsTheKey) {
    HWND wnd = OpenDirect(14);
    ASSERT_TRUE(wnd);
    PostClick(wnd, 1097);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }));
    EXPECT_EQ(g_Settings.HotKeyTable[14].key, -1);
    EXPECT_EQ(registrar.log, CallLog{L"Unregister(14)"});
    EXPECT_NE(ConfigText().find("<Key14>1 1 0 -1 F12</Key14>"), std::string::npos) << ConfigText();
}

TEST_F(DirectKeyboardTest, CancelAndClosingStillSaveAndClearTheFlag) {
    HWND wnd = OpenDirect(0);
    ASSERT_TRUE(wnd);
    PostClick(wnd, IDCANCEL);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }));
    EXPECT_FALSE(g_DirectHotKeyboardOpen);
    EXPECT_TRUE(registrar.log.empty());
    EXPECT_EQ(g_Settings.HotKeyTable[0].key, 'N');
    EXPECT_NE(ConfigText().find("<Key00>1 1 0 78 N</Key00>"), std::string::npos);

    wnd = OpenDirect(0);
    ASSERT_TRUE(wnd);
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }));
    EXPECT_FALSE(g_DirectHotKeyboardOpen);
}

// Enter in direct mode is ignored; the keyboard stays until a choice.
TEST_F(DirectKeyboardTest, EnterDoesNothing) {
    HWND wnd = OpenDirect(0);
    ASSERT_TRUE(wnd);
    PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpFor(100);
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_TRUE(g_DirectHotKeyboardOpen);
    PostClick(wnd, IDCANCEL);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }));
}

}  // namespace
