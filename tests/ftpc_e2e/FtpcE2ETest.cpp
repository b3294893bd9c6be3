// Two copies of Zorel, each in its own Wine prefix, on 127.0.0.1: copy A
// sends a note to copy B's server, and a schedule file uploaded to B opens
// B's list of received files. run.sh starts this program twice, once in
// each prefix: the receiving side starts B and checks what arrives, the
// sending side starts A, drives its send dialog and uploads the schedule.
// They meet through files in a shared folder (ZOREL_E2E_WORK).
#include <winsock2.h>

#include "ZorelTest.h"

#include "net/FriendInfo.h"
#include "net/FtpClient.h"
#include "notes/MemoInfo.h"
#include "notes/MemoStore.h"
#include "shell/CryptoText.h"
#include "tests/support/ScreenPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const UINT kSendCommand = 32958;
const int kMemoEditId = 4677;
const int kMessageField = 1072;
const int kStatusLine = 1450;
const POINT kNotePlace = {150, 130};
const wchar_t kMessage[] = L"Hello from A";

std::string Env(const char* name) {
    const char* value = getenv(name);
    return value ? value : "";
}
std::wstring WorkFile(const wchar_t* name) {
    std::string work = Env("ZOREL_E2E_WORK");
    return std::wstring(work.begin(), work.end()) + L"\\" + name;
}
int Port() { return atoi(Env("ZOREL_E2E_PORT").c_str()); }

std::wstring TextOf(HWND wnd) {
    wchar_t text[1024] = {};
    SendMessageW(wnd, WM_GETTEXT, 1024, (LPARAM)text);
    return text;
}

struct Found {
    DWORD pid;
    std::vector<HWND> windows;
};

// Waits for a visible window of the process that the test accepts.
template <class Accept>
HWND WaitFor(DWORD pid, DWORD timeoutMs, Accept accept) {
    DWORD start = GetTickCount();
    do {
        for (HWND wnd : ProcessWindows(pid))
            if (accept(wnd)) return wnd;
        Sleep(100);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}
bool IsNote(HWND wnd) { return GetDlgItem(wnd, kMemoEditId) != nullptr; }

bool WaitForFile(const std::wstring& path, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(100);
    }
    return true;
}
void Touch(const std::wstring& path) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file) fclose(file);
}

bool ServerAnswers(int port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons((u_short)port);
    bool ok = connect(s, (sockaddr*)&address, sizeof(address)) == 0;
    closesocket(s);
    return ok;
}

std::string Config(const std::string& extra) {
    return "<?xml version=\"1.0\" ?>\n<ZorelConfig>\n  <System>\n    <language>english</language>\n  </System>\n"
           "  <General>\n    <FirstRun>0</FirstRun>\n    <ViewMemoOnStart>1</ViewMemoOnStart>\n" +
           extra + "</ZorelConfig>\n";
}

class FtpcE2ETest : public ZorelTest {
protected:
    void SetUp() override {
        if (Env("ZOREL_E2E_WORK").empty()) GTEST_SKIP() << "run by run.sh in two Wine prefixes";
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
    }
};

}  // namespace

TEST_F(FtpcE2ETest, Receiver) {
    std::string port = std::to_string(Port());
    std::string config = Config("  </General>\n  <FileShare>\n    <Port>" + port +
                                "</Port>\n    <AutoStart>1</AutoStart>\n    <Password>secret</Password>\n"
                                "    <DataSend>1</DataSend>\n    <DataSync>1</DataSync>\n  </FileShare>\n");
    std::wstring folder = NewFolderWith(config.c_str());
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    DWORD start = GetTickCount();
    while (!ServerAnswers(Port()) && GetTickCount() - start < 30000) Sleep(200);
    ASSERT_TRUE(ServerAnswers(Port())) << "the share server of copy B does not listen";
    zorel.WaitForStartUp();
    std::vector<HWND> before = ProcessWindows(zorel.Id());
    Touch(WorkFile(L"ready"));

    // The note arrives at the place it had in A: B had no note, so the
    // note is the new window.
    HWND note = WaitFor(zorel.Id(), 60000, [&before](HWND wnd) {
        return std::find(before.begin(), before.end(), wnd) == before.end();
    });
    if (!note) {
        Found all = {zorel.Id(), {}};
        EnumWindows(
            [](HWND wnd, LPARAM lp) -> BOOL {
                Found* f = (Found*)lp;
                DWORD owner = 0;
                GetWindowThreadProcessId(wnd, &owner);
                f->windows.push_back(wnd);
                wchar_t title[64] = {}, cls[64] = {};
                GetWindowTextW(wnd, title, 64);
                GetClassNameW(wnd, cls, 64);
                RECT r;
                GetWindowRect(wnd, &r);
                printf("window %lu/%lu '%ls' %ls vis %d %ld,%ld\n", owner, f->pid, title, cls, IsWindowVisible(wnd), r.left, r.top);
                return TRUE;
            },
            (LPARAM)&all);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"memo_data\\*").c_str(), &found);
        while (search != INVALID_HANDLE_VALUE) {
            printf("file %ls\n", found.cFileName);
            if (!FindNextFileW(search, &found)) break;
        }
        printf("folder %ls\n", folder.c_str());
    }
    ASSERT_NE(note, nullptr) << "no note arrived";
    RECT rect = {};
    DWORD placed = GetTickCount();
    do {
        GetWindowRect(note, &rect);
        if (rect.left == kNotePlace.x && rect.top == kNotePlace.y) break;
        Sleep(100);
    } while (GetTickCount() - placed < 10000);
    EXPECT_EQ(rect.left, kNotePlace.x);
    EXPECT_EQ(rect.top, kNotePlace.y);
    SaveScreenPicture(L"e2e-received-note", {note});
    Touch(WorkFile(L"note-arrived"));

    // A schedule file opens the list of received files.
    HWND list = WaitFor(zorel.Id(), 60000, [](HWND wnd) {
        wchar_t title[64] = {};
        GetWindowTextW(wnd, title, 64);
        return std::wstring(title) == L"Sync Notification.";
    });
    ASSERT_NE(list, nullptr) << "the sync list did not open";
    HWND rows = GetDlgItem(list, 1249);
    DWORD filled = GetTickCount();
    while (SendMessageW(rows, LB_GETCOUNT, 0, 0) < 1 && GetTickCount() - filled < 10000) Sleep(100);
    EXPECT_EQ(SendMessageW(rows, LB_GETCOUNT, 0, 0), 1);
    wchar_t row[128] = {};
    SendMessageW(rows, LB_GETTEXT, 0, (LPARAM)row);
    EXPECT_NE(std::wstring(row).find(L"[ Zorel Schedule ]"), std::wstring::npos) << row;
    EXPECT_EQ(SendMessageW(rows, LB_GETCURSEL, 0, 0), 0);
    SaveScreenPicture(L"e2e-sync-list", {list});
    Touch(WorkFile(L"sync-shown"));

    // The note's message became its title, as the saved list shows.
    CloseAndExpectCleanExit(zorel, frame);
    std::string bytes = ReadFileText(folder + L"memo_data\\DefaultMemo.zrd");
    CArray<CMemoInfo> memos;
    CMemoStore::ParseList((const BYTE*)bytes.data(), bytes.size(), memos, CString((folder + L"memo_data\\").c_str()));
    ASSERT_EQ(memos.GetSize(), 1);
    EXPECT_EQ(memos[0].m_strTitle, CString(kMessage));
}

TEST_F(FtpcE2ETest, Sender) {
    std::string port = std::to_string(Port());
    std::string config = Config("    <FriendIP>127.0.0.1</FriendIP>\n    <FriendPort>" + port +
                                "</FriendPort>\n    <FriendPwd>secret</FriendPwd>\n  </General>\n");
    std::wstring folder = NewFolderWith(config.c_str());
    WriteMemoGroup(folder, 1, true, 300, 200, [](int) { return kNotePlace; });
    ASSERT_TRUE(WaitForFile(WorkFile(L"ready"), 90000)) << "copy B did not start";
    ZorelProcess zorel;
    ASSERT_TRUE(zorel.Start(folder));
    HWND frame = zorel.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    HWND note = WaitFor(zorel.Id(), 20000, IsNote);
    ASSERT_NE(note, nullptr);

    // The note's menu command opens the send dialog.
    PostMessageW(note, WM_COMMAND, kSendCommand, 0);
    HWND dialog = WaitFor(zorel.Id(), 10000, [](HWND wnd) {
        wchar_t title[64] = {};
        GetWindowTextW(wnd, title, 64);
        return std::wstring(title) == L"Send Memo";
    });
    ASSERT_NE(dialog, nullptr);
    SendMessageW(GetDlgItem(dialog, kMessageField), WM_SETTEXT, 0, (LPARAM)kMessage);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
    HWND status = GetDlgItem(dialog, kStatusLine);
    DWORD start = GetTickCount();
    while (TextOf(status) != L"Transfer Complete." && GetTickCount() - start < 30000) Sleep(100);
    EXPECT_EQ(TextOf(status), L"Transfer Complete.");
    SaveScreenPicture(L"e2e-send-memo", {dialog});

    // A remembers the friend.
    std::string expected =
        WriteFriendList({{L"127.0.0.1", CString(port.c_str()), L"secret", L"127.0.0.1"}});
    EXPECT_EQ(ReadFileText(folder + L"friendlist.xml"), expected);
    ASSERT_TRUE(WaitForFile(WorkFile(L"note-arrived"), 60000)) << "copy B did not show the note";

    // A schedule file for B, as another copy's schedule sync sends it.
    std::wstring schedule = folder + L"schedule.sync";
    FILE* file = _wfopen(schedule.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fputs("schedule", file);
    fclose(file);
    CFtpClient client("127.0.0.1", Port(), "transfer", EncryptString("secret"));
    EXPECT_EQ(client.Put(schedule.c_str(), "ZOREL_SCHEDULE"), 0) << client.GetLastError().GetString();
    EXPECT_TRUE(WaitForFile(WorkFile(L"sync-shown"), 60000)) << "copy B did not list the file";
    CloseAndExpectCleanExit(zorel, frame);
}
