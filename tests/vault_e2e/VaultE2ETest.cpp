// Zorel.exe end to end with its password vault: the tray's command without
// a vault asks for a new master password; two entries added in the vault
// window are back, in order, when it is opened again with that password; a
// second request while the window is open does nothing.
#include "ScreenPicture.h"
#include "ZorelTest.h"
#include "tools/PwdVault.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* kConfig =
    "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
    "  <General>\n    <FirstRun>0</FirstRun>\n    <PMCountDown>300</PMCountDown>\n  </General>\n"
    "</ZorelConfig>\n";
const UINT kPasswordManagerCommand = 32970;
const wchar_t kMaster[] = L"e2eMaster7";

// A visible dialog of the process with that title.
HWND WaitForDialog(DWORD pid, const wchar_t* title, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    do {
        HWND wnd = nullptr;
        while ((wnd = FindWindowExW(nullptr, wnd, L"#32770", title)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == pid && IsWindowVisible(wnd)) return wnd;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

void SetText(HWND dialog, int id, const wchar_t* text) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text);
}

void Command(HWND wnd, int id) { PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

int ListCount(HWND manager) { return (int)SendDlgItemMessageW(manager, 1472, LB_GETCOUNT, 0, 0); }

std::wstring ListText(HWND manager, int index) {
    wchar_t text[256] = {};
    SendDlgItemMessageW(manager, 1472, LB_GETTEXT, (WPARAM)index, (LPARAM)text);
    return text;
}

void AddEntry(DWORD pid, HWND manager, const wchar_t* title, const wchar_t* id, const wchar_t* url) {
    int before = ListCount(manager);
    Command(manager, 1064);
    HWND add = WaitForDialog(pid, L"Add");
    ASSERT_NE(add, nullptr) << "the entry editor did not open";
    SetText(add, 1471, title);
    SetText(add, 1423, id);
    SetText(add, 1424, L"pw-of-the-site");
    SetText(add, 1425, url);
    Command(add, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return ListCount(manager) == before + 1; }));
}

class VaultE2ETest : public ZorelTest {};

}  // namespace

TEST_F(VaultE2ETest, SetUpAddTwoEntriesAndFindThemAgainAfterTheLogin) {
    std::wstring folder = NewFolderWith(kConfig);
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame(20000);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(zorel.WaitForStartUp());

    // No vault yet: the command asks for the first master password.
    PostMessageW(frame, WM_COMMAND, kPasswordManagerCommand, 0);
    HWND setup = WaitForDialog(zorel.Id(), L"Set Master Password");
    ASSERT_NE(setup, nullptr);
    SetText(setup, 1233, kMaster);
    SetText(setup, 1234, kMaster);
    SaveScreenPicture(L"vault-setup", {setup});
    Command(setup, IDOK);
    HWND manager = WaitForDialog(zorel.Id(), L"Password Management");
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(ListCount(manager), 0);

    AddEntry(zorel.Id(), manager, L"Mail", L"kim", L"www.example.com");
    AddEntry(zorel.Id(), manager, L"Bank", L"lee", L"https://bank.example.com");

    // While the vault is open a second request does nothing: the command
    // returns at once, with no password asked for.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(frame, WM_COMMAND, kPasswordManagerCommand, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    EXPECT_EQ(WaitForDialog(zorel.Id(), L"Enter your Password", 0), nullptr);
    EXPECT_EQ(WaitForDialog(zorel.Id(), L"Set Master Password", 0), nullptr);

    Command(manager, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));
    CPwdVault vault((folder + L"pmanager_data\\").c_str());
    std::vector<CPwdInfo> stored;
    ASSERT_EQ(vault.Load(kMaster, stored), CPwdVault::loadOk);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].m_szTitle, L"Mail");
    EXPECT_EQ(stored[1].m_szURL, L"https://bank.example.com");

    // Opened again: the login, then both entries in their order.
    PostMessageW(frame, WM_COMMAND, kPasswordManagerCommand, 0);
    HWND login = WaitForDialog(zorel.Id(), L"Enter your Password");
    ASSERT_NE(login, nullptr);
    SetText(login, 1424, kMaster);
    SaveScreenPicture(L"vault-login", {login});
    Command(login, IDOK);
    manager = WaitForDialog(zorel.Id(), L"Password Management");
    ASSERT_NE(manager, nullptr);
    ASSERT_EQ(ListCount(manager), 2);
    EXPECT_EQ(ListText(manager, 0), L"Mail");
    EXPECT_EQ(ListText(manager, 1), L"Bank");
    SaveScreenPicture(L"vault-manager", {manager});

    // Copying the ID shrinks the window to its compact view.
    Command(manager, 1474);
    ASSERT_TRUE(WaitUntil([&] {
        RECT r;
        GetWindowRect(manager, &r);
        return r.right - r.left == 156 && r.bottom - r.top == 123;
    }));
    SaveScreenPicture(L"vault-compact", {manager});

    Command(manager, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));
    CloseAndExpectCleanExit(zorel, frame);
}
