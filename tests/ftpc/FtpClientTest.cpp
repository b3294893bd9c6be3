// The client against the program's own server, in this process, on 127.0.0.1.
#include <winsock2.h>

#include "net/FtpClient.h"
#include "shell/CryptoText.h"
#include "tests/ftpc/OwnFtpServer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>

namespace {

class FtpClientTest : public OwnFtpServerTest {};

std::string NoteBytes(size_t size) {
    std::string bytes = "{\\rtf1 note";
    for (size_t i = 0; bytes.size() < size; ++i) bytes += (char)(i * 7 % 256);
    return bytes;
}

}  // namespace

TEST_F(FtpClientTest, NoteArrivesUnchangedInBothModes) {
    for (bool passive : {true, false}) {
        std::string bytes = NoteBytes(passive ? 100000 : 20000);
        CString local = m_root.Write(L"out\\note.rtf", bytes);
        CFtpClient client("127.0.0.1", m_port, "transfer", EncryptString("secret"));
        client.SetPassive(passive);
        ASSERT_EQ(0, client.Put(local, "SEND_MEMO 10 20 300 200|hello")) << client.GetLastError().GetString();
        for (int i = 0; i < 100; ++i) {
            {
                std::lock_guard<std::mutex> lock(m_owner.m_lock);
                if (!m_owner.memos.empty()) break;
            }
            Sleep(20);
        }
        std::lock_guard<std::mutex> lock(m_owner.m_lock);
        ASSERT_EQ(1u, m_owner.memos.size()) << passive;
        EXPECT_EQ(bytes, ReadFileBytes(m_owner.memos[0].first));
        EXPECT_STREQ("10 20 300 200|hello", m_owner.memos[0].second.GetString());
        m_owner.memos.clear();
    }
}

TEST_F(FtpClientTest, FailuresCarryTheirCodeAndText) {
    CString local = m_root.Write(L"out\\note.rtf", "x");
    const struct {
        const char* user;
        const char* password;
        int port;
        int code;
        const char* text;
    } cases[] = {
        {"transfer", "", 1, -15, "Login failure\n220"},
        {"transfer", "123", 1, -17, "Login failure\n530"},
        {"zorel", "123", 1, -16, "Login failure\n550"},
        {"transfer", "123", 0, -1, "Invalid Server Info"},
    };
    for (const auto& c : cases) {
        CFtpClient client("127.0.0.1", c.port ? m_port : 0, c.user, c.password);
        EXPECT_EQ(c.code, client.Put(local, "SEND_MEMO 1 2 3 4|")) << c.user;
        EXPECT_EQ(0, client.GetLastError().Find(c.text)) << client.GetLastError().GetString();
    }
    CFtpClient missing("127.0.0.1", m_port, "transfer", EncryptString("secret"));
    EXPECT_EQ(-19, missing.Put(m_root + L"none.rtf", "SEND_MEMO 1 2 3 4|"));
    EXPECT_FALSE(missing.GetLastError().IsEmpty());
}

TEST_F(FtpClientTest, LongSharePasswordsAreDelivered) {
    m_server->Stop(1);
    m_server = nullptr;
    for (int length : {16, 40, 64}) {
        std::string password(length, 'p');
        FtpdOptions options;
        options.port = 0;
        options.bindAddress = htonl(INADDR_LOOPBACK);
        options.password = CString(password.c_str());
        options.dataSend = true;
        options.homeDirectory = m_root + L"share";
        options.programFolder = m_root.Path();
        options.memoFolder = m_root + L"memo_data\\";
        CFTPd* server = new CFTPd(&m_owner, options);
        server->Start();
        ASSERT_TRUE(server->IsListening());
        CString local = m_root.Write(L"out\\note.rtf", "note");
        CFtpClient client("127.0.0.1", server->GetListenPort(), "transfer", EncryptString(password.c_str()));
        EXPECT_EQ(0, client.Put(local, "SEND_MEMO 1 2 3 4|")) << length << client.GetLastError().GetString();
        server->Stop(1);
    }
}

TEST(FtpClientTimeoutTest, SilentPeerEndsTheDelivery) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(0, bind(listener, (sockaddr*)&address, sizeof(address)));
    ASSERT_EQ(0, listen(listener, 1));
    int size = sizeof(address);
    getsockname(listener, (sockaddr*)&address, &size);
    // The peer accepts (the system does it for the backlog) and says nothing.
    CFtpClient client("127.0.0.1", ntohs(address.sin_port), "transfer", "123");
    client.SetTimeout(500);
    DWORD start = GetTickCount();
    EXPECT_EQ(-14, client.Put(L"C:\\none", "SEND_MEMO 1 2 3 4|"));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_FALSE(client.GetLastError().IsEmpty());
    closesocket(listener);
    WSACleanup();
}

TEST(FtpClientErrorTextTest, EveryCodeReadsAsText) {
    for (int code : {-1, -10, -11, -12, -13, -14, -15, -16, -17, -18, -19, -21, -22, -23, -24, -25, -26, -99})
        EXPECT_FALSE(FtpClientErrorText(code).IsEmpty()) << code;
}
