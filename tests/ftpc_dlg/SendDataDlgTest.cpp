// The send dialog delivering to the program's own server in this process on
// 127.0.0.1: the status line, the friend list it keeps, the failures it
// shows, and that closing it while a delivery runs frees nothing under the
// worker.
#include <winsock2.h>

#include "net/FTPd.h"
#include "net/FriendInfo.h"
#include "net/MemoTransferName.h"
#include "notes/SendDataDlg.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScreenPicture.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

namespace {

class CRecordingOwner : public IFtpdOwner {
public:
    void QueueReceivedMessage(const CString&, const CStringA& senderText) override {
        std::lock_guard<std::mutex> lock(m_lock);
        senders.push_back(senderText);
    }
    void RequestSyncDialog() override {}
    size_t Count() {
        std::lock_guard<std::mutex> lock(m_lock);
        return senders.size();
    }
    std::mutex m_lock;
    std::vector<CStringA> senders;
};

class CAnsweringBox : public ISystemMessageBox {
public:
    int Show(HWND, const CString& text, const CString&, UINT) override {
        asked.push_back(text);
        return answer;
    }
    int answer = IDYES;
    std::vector<CString> asked;
};

// A dialog whose note is a file of the test, placed at 10,20 and 300 x 200.
class CTestSendDlg : public CSendDataDlg {
public:
    CTestSendDlg() : CSendDataDlg(nullptr) {}
    CString noteFile;
    bool noteThere = true;

protected:
    bool DescribeNote(MemoDelivery& delivery) override {
        if (!noteThere) return false;
        delivery.localFile = noteFile;
        delivery.name = MemoTransferName(false, 10, 20, 300, 200, m_message);
        return true;
    }
};

// A peer that takes the connection and never says a word.
class CSilentPeer {
public:
    CSilentPeer() {
        m_socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_socket, (sockaddr*)&address, sizeof(address));
        listen(m_socket, 1);
        int size = sizeof(address);
        getsockname(m_socket, (sockaddr*)&address, &size);
        port = ntohs(address.sin_port);
    }
    ~CSilentPeer() { closesocket(m_socket); }
    int port = 0;

private:
    SOCKET m_socket;
};

class SendDataDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        UseScreenshotLanguage();
        SetSystemMessageBox(&m_box);
        FtpdOptions options;
        options.port = 0;
        options.bindAddress = htonl(INADDR_LOOPBACK);
        options.password = L"secret";
        options.dataSend = true;
        options.homeDirectory = m_root + L"share";
        options.programFolder = m_root.Path();
        options.memoFolder = m_root + L"memo_data\\";
        m_root.MakeFolder(L"share");
        m_root.MakeFolder(L"memo_data");
        m_server = new CFTPd(&m_owner, options);
        m_server->Start();
        ASSERT_TRUE(m_server->IsListening());
        m_port.Format(L"%d", m_server->GetListenPort());
        g_Settings.General.FriendIP = L"127.0.0.1";
        g_Settings.General.FriendPort = m_server->GetListenPort();
        g_Settings.General.FriendPwd = L"secret";
    }
    void TearDown() override {
        SetSystemMessageBox(nullptr);
        if (m_server) m_server->Stop(1);
        for (int i = 0; i < 100 && CFTPd::LiveObjects() > 0; ++i) Sleep(50);
        WSACleanup();
    }

    // Opens a dialog; the test holds a reference of its own, so the object
    // outlives its window for the checks.
    CTestSendDlg* Open() {
        auto* dialog = new CTestSendDlg;
        dialog->noteFile = m_root.Write(L"memo_data\\note.rtf", "{\\rtf1 a note}");
        dialog->m_friendListPath = m_root + L"friendlist.xml";
        dialog->m_timeoutMs = 1500;
        dialog->AddRef();
        EXPECT_TRUE(dialog->CreateModeless(nullptr));
        return dialog;
    }
    static void SetField(CSendDataDlg* dialog, int id, const wchar_t* text) { dialog->SetDlgItemText(id, text); }
    static void Click(CSendDataDlg* dialog, int id) {
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog->m_hWnd, id));
    }
    // Sends and waits till the dialog is idle with a status shown.
    static void SendAndWait(CSendDataDlg* dialog) {
        Click(dialog, IDOK);
        EXPECT_TRUE(PumpUntil([dialog] { return !dialog->IsBusy(); }, 10000));
        PumpFor(200);
    }

    CScratchFolder m_root{L"senddlg"};
    CRecordingOwner m_owner;
    CAnsweringBox m_box;
    CFTPd* m_server = nullptr;
    CString m_port;
};

}  // namespace

TEST_F(SendDataDlgTest, DeliversTheNoteAndRemembersTheFriendOnce) {
    CTestSendDlg* dialog = Open();
    // Browsing the network may find nothing (as under Wine); its worker
    // hands its reference back either way, and a typed address still works.
    EXPECT_TRUE(PumpUntil([dialog] { return dialog->GetRefCount() == 2; }, 10000));
    EXPECT_EQ(dialog->GetDlgItemText(CSendDataDlg::IDC_IP), CString(L"127.0.0.1"));
    EXPECT_EQ(dialog->GetDlgItemText(CSendDataDlg::IDC_PORT), m_port);
    SetField(dialog, CSendDataDlg::IDC_MESSAGE, L"hello");
    SendAndWait(dialog);
    EXPECT_EQ(dialog->GetStatusText(), CString(L"Transfer Complete."));
    EXPECT_EQ(dialog->GetStatusColor(), (COLORREF)0xFF0000);
    ASSERT_TRUE(PumpUntil([this] { return m_owner.Count() == 1; }, 5000));
    EXPECT_EQ(m_owner.senders[0], CStringA("10 20 300 200|hello"));
    std::vector<CFriendInfo> expected{{L"127.0.0.1", m_port, L"secret", L"127.0.0.1"}};
    EXPECT_EQ(ReadFileBytes(m_root + L"friendlist.xml"), WriteFriendList(expected));
    EXPECT_EQ(dialog->Friends().size(), 1u);
    SaveScreenPicture(L"send_memo", {dialog->m_hWnd});

    // The same friend again: the file is not written.
    FILETIME before = {}, after = {};
    HANDLE file = CreateFileW(m_root + L"friendlist.xml", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, nullptr, nullptr, &before);
    CloseHandle(file);
    Sleep(20);
    SendAndWait(dialog);
    file = CreateFileW(m_root + L"friendlist.xml", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, nullptr, nullptr, &after);
    CloseHandle(file);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    EXPECT_EQ(m_owner.Count(), 2u);
    dialog->Release();
    dialog->Release();
}

TEST_F(SendDataDlgTest, FailuresShowAReadableRedText) {
    CSilentPeer silent;
    CString silentPort;
    silentPort.Format(L"%d", silent.port);
    const struct {
        const wchar_t* port;  // empty: the server's
        const wchar_t* password;
        bool noteThere;
        const wchar_t* starts;
    } cases[] = {
        {L"", L"wrong", true, L"Login failure"},
        {silentPort, L"secret", true, L""},
        {L"", L"secret", false, L"Can not find Memo"},
    };
    for (const auto& c : cases) {
        CTestSendDlg* dialog = Open();
        dialog->noteThere = c.noteThere;
        SetField(dialog, CSendDataDlg::IDC_PORT, *c.port ? c.port : (LPCWSTR)m_port);
        SetField(dialog, CSendDataDlg::IDC_PASSWORD, c.password);
        SendAndWait(dialog);
        CString text = dialog->GetStatusText();
        EXPECT_FALSE(text.IsEmpty()) << c.port;
        EXPECT_EQ(text.Find(c.starts), 0) << text.GetString();
        EXPECT_EQ(dialog->GetStatusColor(), (COLORREF)0x0000FF);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog->m_hWnd, IDOK)));
        EXPECT_TRUE(dialog->Friends().empty());
        dialog->Release();
        dialog->Release();
    }
    EXPECT_FALSE(m_root.Has(L"friendlist.xml"));
}

TEST_F(SendDataDlgTest, MissingAddressOrPasswordIsAskedFor) {
    CTestSendDlg* dialog = Open();
    SetField(dialog, CSendDataDlg::IDC_IP, L"12");
    Click(dialog, IDOK);
    SetField(dialog, CSendDataDlg::IDC_IP, L"127.0.0.1");
    SetField(dialog, CSendDataDlg::IDC_PASSWORD, L"");
    Click(dialog, IDOK);
    EXPECT_EQ(m_box.asked, (std::vector<CString>{L"Please Input Host IP.", L"Please Input Password."}));
    EXPECT_FALSE(dialog->IsBusy());
    // A port field holding letters stands for 5330.
    SetField(dialog, CSendDataDlg::IDC_PASSWORD, L"secret");
    SetField(dialog, CSendDataDlg::IDC_PORT, L"abc");
    SendAndWait(dialog);
    EXPECT_EQ(g_Settings.General.FriendPort, 5330);
    dialog->Release();
    dialog->Release();
}

TEST_F(SendDataDlgTest, ClosingWhileADeliveryRunsFreesNothingUnderIt) {
    CSilentPeer silent;
    CString port;
    port.Format(L"%d", silent.port);
    auto* dialog = new CTestSendDlg;
    dialog->noteFile = m_root.Write(L"memo_data\\note.rtf", "note");
    dialog->m_friendListPath = m_root + L"friendlist.xml";
    dialog->m_timeoutMs = 1500;
    ASSERT_TRUE(dialog->CreateModeless(nullptr));
    HWND wnd = dialog->m_hWnd;
    SetField(dialog, CSendDataDlg::IDC_PORT, port);
    Click(dialog, IDOK);
    ASSERT_TRUE(dialog->IsBusy());
    // Close while busy only ends the busy state; the next Close hides the
    // window and drops the dialog's own reference.
    ::PostMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
    PumpFor(300);
    ASSERT_TRUE(::IsWindow(wnd));
    ::PostMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
    PumpFor(100);
    EXPECT_FALSE(::IsWindowVisible(wnd));
    EXPECT_TRUE(::IsWindow(wnd));
    // The worker's report drops the last reference: the window goes then.
    EXPECT_TRUE(PumpUntil([wnd] { return !::IsWindow(wnd); }, 10000));
}

TEST_F(SendDataDlgTest, FriendCommandsUpdateAndDelete) {
    std::vector<CFriendInfo> friends{{L"10.0.0.1", L"5330", L"a", L"Home & office"},
                                     {L"10.0.0.2", L"5331", L"b", L"Laptop"}};
    WriteFileBytes(m_root + L"friendlist.xml", WriteFriendList(friends));
    CTestSendDlg* dialog = Open();
    HWND list = ::GetDlgItem(dialog->m_hWnd, CSendDataDlg::IDC_FRIENDS);
    ASSERT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    ::SendMessageW(list, LB_SETCURSEL, 1, 0);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(CSendDataDlg::IDC_FRIENDS, LBN_SELCHANGE), (LPARAM)list);
    EXPECT_EQ(dialog->GetDlgItemText(CSendDataDlg::IDC_IP), CString(L"10.0.0.2"));
    EXPECT_EQ(dialog->GetDlgItemText(CSendDataDlg::IDC_TITLE), CString(L"Laptop"));
    SetField(dialog, CSendDataDlg::IDC_TITLE, L"Old \"laptop\" <2>");
    SetField(dialog, CSendDataDlg::IDC_PORT, L"6000");
    Click(dialog, CSendDataDlg::IDC_UPDATE);
    friends[1] = {L"10.0.0.2", L"6000", L"b", L"Old \"laptop\" <2>"};
    EXPECT_EQ(ReadFileBytes(m_root + L"friendlist.xml"), WriteFriendList(friends));

    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
    m_box.answer = IDNO;
    Click(dialog, CSendDataDlg::IDC_DELETE);
    EXPECT_EQ(dialog->Friends().size(), 2u);
    m_box.answer = IDYES;
    Click(dialog, CSendDataDlg::IDC_DELETE);
    EXPECT_EQ(m_box.asked.back(), CString(L"Do you want to delete 'Home & office'?"));
    friends.erase(friends.begin());
    EXPECT_EQ(ReadFileBytes(m_root + L"friendlist.xml"), WriteFriendList(friends));
    dialog->Release();
    dialog->Release();
}
