// Zorel.exe end to end through its global hot keys: the keys are taken from
// the desktop once the staged start-up has run and given back at exit, a hot
// key reaches its operation, a slot holding an action string runs it through
// the frame's action queue, an empty slot says so, and a key pressed twice
// quickly opens the on-screen keyboard for it; keys typed on the keyboard
// arrive as the hot key too.
#include "ZorelDriver.h"

#include "shell/ShellIds.h"
#include "ui/HotKeyboard.rh"

#include <gtest/gtest.h>

#include <string>

namespace {
// Ctrl+Alt+N, the default key of "new note" (hot-key id 0).
const UINT kNewMemoModifiers = MOD_CONTROL | MOD_ALT;
const UINT kNewMemoKey = 'N';
const int kProbeId = 0x5A01;

std::string Config(const char* general, const char* hotKeys) {
    std::string xml = "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n"
                      "  </System>\n";
    if (general) xml += std::string("  <General>\n") + general + "  </General>\n";
    if (hotKeys) xml += std::string("  <HotKey>\n") + hotKeys + "  </HotKey>\n";
    return xml + "</ZorelConfig>\n";
}

// Whether some program holds the combination: this process can take it
// only while nobody does.
bool HotKeyTaken(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, kProbeId, modifiers, key)) return true;
    UnregisterHotKey(nullptr, kProbeId);
    return false;
}

struct DialogQuery {
    DWORD pid;
    int controlId;
    HWND found;
};

BOOL CALLBACK FindDialogWithControl(HWND wnd, LPARAM param) {
    DialogQuery* query = (DialogQuery*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    wchar_t className[64] = {};
    GetClassNameW(wnd, className, 64);
    if (pid == query->pid && IsWindowVisible(wnd) && wcscmp(className, L"#32770") == 0 &&
        GetDlgItem(wnd, query->controlId)) {
        query->found = wnd;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog of the process that has a control with that id.
HWND WaitForDialogWith(DWORD pid, int controlId, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    do {
        DialogQuery query = {pid, controlId, nullptr};
        EnumWindows(FindDialogWithControl, (LPARAM)&query);
        if (query.found) return query.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// Waits until the dialog is gone or hidden.
bool WaitForDialogGone(HWND dialog, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

std::wstring WindowText(HWND wnd) {
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

class ActionsE2ETest : public ::testing::Test {
protected:
    void TearDown() override {
        zorel.Kill();
        if (!folder.empty()) RemoveProgramFolder(folder);
    }
    // Starts a copy and waits until the staged start-up has registered the
    // hot keys (its first tick comes after half a second).
    HWND Start(const std::string& config) {
        folder = MakeProgramFolder(config.c_str());
        if (!zorel.Start(folder)) return nullptr;
        HWND frame = zorel.WaitForFrame();
        if (frame && !zorel.WaitForStartUp()) return nullptr;
        return frame;
    }
    void ExitThroughHotKey(HWND frame) {
        PostMessageW(frame, WM_HOTKEY, 34, MAKELPARAM(kNewMemoModifiers, 'Q'));
        DWORD code = 1;
        ASSERT_TRUE(zorel.WaitForExit(15000, &code));
        EXPECT_EQ(code, 0u);
    }
    std::wstring folder;
    ZorelProcess zorel;
};
}  // namespace

TEST_F(ActionsE2ETest, HotKeysReachTheirOperationsAndTheActionQueue) {
    ASSERT_FALSE(HotKeyTaken(kNewMemoModifiers, kNewMemoKey)) << "another program holds Ctrl+Alt+N";
    HWND frame = Start(Config(nullptr, "    <HotKey01>FIND_MEMO</HotKey01>\n"));
    ASSERT_NE(frame, nullptr);
    // The start-up took the default keys from the desktop.
    EXPECT_TRUE(HotKeyTaken(kNewMemoModifiers, kNewMemoKey));

    // Id 20: the memo search.
    PostMessageW(frame, WM_HOTKEY, 20, 0);
    HWND search = WaitForDialogWith(zorel.Id(), IDC_FIND_TEXT);
    ASSERT_NE(search, nullptr);
    PostMessageW(search, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDialogGone(search));

    // Id 3, a program slot holding an action string: the text goes through
    // the frame's action queue, whose run posts the search command.
    PostMessageW(frame, WM_HOTKEY, 3, 0);
    search = WaitForDialogWith(zorel.Id(), IDC_FIND_TEXT);
    ASSERT_NE(search, nullptr);
    PostMessageW(search, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDialogGone(search));

    // Id 4, an empty program slot: the program's message box asks for one.
    PostMessageW(frame, WM_HOTKEY, 4, 0);
    HWND box = WaitForDialogWith(zorel.Id(), IDC_MSGBOX_TEXT);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, IDC_MSGBOX_TEXT)), L"Input the program to run.");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForDialogGone(box));

    // Id 0 twice within half a second: the operation once, then the
    // keyboard for that key, in direct mode.
    PostMessageW(frame, WM_HOTKEY, 0, 0);
    PostMessageW(frame, WM_HOTKEY, 0, 0);
    HWND keyboard = WaitForDialogWith(zorel.Id(), IDC_HKB_NOT_USE);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_NE(WindowText(keyboard).find(L"N"), std::wstring::npos);
    PostMessageW(keyboard, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDialogGone(keyboard));

    // Id 34 ends the program, which gives the keys back.
    ExitThroughHotKey(frame);
    EXPECT_FALSE(HotKeyTaken(kNewMemoModifiers, kNewMemoKey));
}

// Keys pressed on the keyboard: the system turns Ctrl+Alt+F into the hot key
// of the memo search, which reaches the program's frame.
TEST_F(ActionsE2ETest, PressedKeysArriveAsTheHotKey) {
    HWND frame = Start(Config(nullptr, nullptr));
    ASSERT_NE(frame, nullptr);
    const WORD keys[] = {VK_CONTROL, VK_MENU, 'F'};
    INPUT input[6] = {};
    for (int i = 0; i < 3; ++i) {
        input[i].type = input[5 - i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = input[5 - i].ki.wVk = keys[i];
        input[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(6, input, sizeof(INPUT)), 6u);
    HWND search = WaitForDialogWith(zorel.Id(), IDC_FIND_TEXT);
    ASSERT_NE(search, nullptr);
    PostMessageW(search, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDialogGone(search));
    ExitThroughHotKey(frame);
}

TEST_F(ActionsE2ETest, NoHotKeyTakenWhileSwitchedOff) {
    HWND frame = Start(Config("    <EnableHotKey>0</EnableHotKey>\n", nullptr));
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(HotKeyTaken(kNewMemoModifiers, kNewMemoKey));
    // The dispatcher still answers a posted hot key.
    ExitThroughHotKey(frame);
}
