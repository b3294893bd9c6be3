// The client's requests, its text mode and its callbacks, against the
// program's own server and a silent scripted one, all on 127.0.0.1.
#include <winsock2.h>

#include "net/FtpClient.h"
#include "shell/CryptoText.h"
#include "tests/ftpc/OwnFtpServer.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The share may be listed, read, written and administered by "zorel".
class FtpRequestTest : public OwnFtpServerTest {
protected:
    void Configure(FtpdOptions& options) override {
        options.ftpConnect = options.download = options.upload = options.list = options.admin = true;
    }
};

struct CallbackLog {
    std::vector<long long> bytes;
    size_t stopAt = 0;  // the call that answers false; 0 never
};

bool RecordCall(FtpHandle*, long long bytes, void* argument) {
    CallbackLog* log = (CallbackLog*)argument;
    log->bytes.push_back(bytes);
    return log->bytes.size() != log->stopAt;
}

void UseCallback(FtpHandle* control, CallbackLog* log, int idleMs, int interval) {
    ASSERT_TRUE(FtpSetOption(2, (intptr_t)&RecordCall, control));
    ASSERT_TRUE(FtpSetOption(3, idleMs, control));
    ASSERT_TRUE(FtpSetOption(4, (intptr_t)log, control));
    ASSERT_TRUE(FtpSetOption(5, interval, control));
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(FtpRequestTest, RequestsOnTheShare) {
    m_root.Write(L"share\\a.txt", "hello");
    m_root.MakeFolder(L"share\\sub");
    CFtpClient client("127.0.0.1", m_port, "zorel", EncryptString("secret"));
    ASSERT_EQ(0, client.Connect()) << client.GetLastError().GetString();
    FtpHandle* control = client.GetControl();
    CString names = m_root + L"names.txt", longList = m_root + L"long.txt";
    const struct {
        const char* what;
        std::function<long long()> run;
        long long expected;
    } cases[] = {
        {"NLST", [&] { return FtpListNames(names, nullptr, control); }, 0},
        {"LIST", [&] { return FtpListLong(longList, nullptr, control); }, 0},
        {"SIZE", [&] { return FtpQuerySize("a.txt", 'I', control); }, 5},
        {"SIZE of nothing", [&] { return FtpQuerySize("none.txt", 'I', control); }, -1},
        {"MKD", [&] { return FtpMakeDir("new", control); }, 0},
        {"MKD refused", [&] { return FtpMakeDir("sub", control); }, -18},
        {"DELE", [&] { return FtpRemoveFile("a.txt", control); }, 0},
        {"DELE refused", [&] { return FtpRemoveFile("a.txt", control); }, -24},
        {"RETRSYNC refused", [&] { return FtpDownload(m_root + L"got", "IPHONE_SCHEDULE", 'I', control); }, -25},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, c.run()) << c.what << ": " << FtpReplyText(control);

    std::string listed = ReadFileBytes(names);
    EXPECT_NE(std::string::npos, listed.find("a.txt")) << listed;
    EXPECT_NE(std::string::npos, listed.find("sub")) << listed;
    // The listing came in text mode: every line ends in one CR LF locally.
    std::string full = ReadFileBytes(longList);
    EXPECT_EQ(2u, Count(full, "\r\n")) << full;
    EXPECT_EQ(2u, Count(full, "\n"));
    EXPECT_EQ(0u, Count(full, "\r\r"));
    EXPECT_NE(std::string::npos, full.find("a.txt"));
    EXPECT_TRUE(m_root.Has(L"share\\new"));
    EXPECT_FALSE(m_root.Has(L"share\\a.txt"));
}

TEST_F(FtpRequestTest, AFolderIsMadeOnTheServerOnce) {
    m_root.MakeFolder(L"out\\folder");
    for (int code : {0, -18}) {
        CFtpClient client("127.0.0.1", m_port, "transfer", EncryptString("secret"));
        EXPECT_EQ(code, client.Put(m_root + L"out\\folder", "made"));
        if (code) {
            EXPECT_EQ(0, client.GetLastError().Find("mkdir made failed\n550")) << client.GetLastError().GetString();
        }
    }
    EXPECT_TRUE(m_root.Has(L"share\\made"));
}

TEST_F(FtpRequestTest, DownloadIsExactAndCallsBackEveryInterval) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += (char)(i * 13 % 256);
    m_root.Write(L"schedule_data\\schedule_data.zra", bytes);
    const struct {
        size_t stopAt;
        int code;
        size_t calls;
    } cases[] = {{0, 0, 100000 / 8192}, {2, -22, 2}};
    for (const auto& c : cases) {
        CFtpClient client("127.0.0.1", m_port, "transfer", EncryptString("secret"));
        ASSERT_EQ(0, client.Connect());
        CallbackLog log;
        log.stopAt = c.stopAt;
        UseCallback(client.GetControl(), &log, 0, 8192);
        CString local = m_root + L"got.zra";
        EXPECT_EQ(c.code, FtpDownload(local, "IPHONE_SCHEDULE", 'I', client.GetControl())) << c.stopAt;
        ASSERT_EQ(c.calls, log.bytes.size()) << c.stopAt;
        for (size_t i = 0; i < log.bytes.size(); ++i) EXPECT_GE(log.bytes[i], (long long)(i + 1) * 8192);
        if (c.code == 0) {
            EXPECT_EQ(bytes, ReadFileBytes(local));
        }
    }
}

TEST_F(FtpRequestTest, TextModeUploadSendsCrBeforeEveryBareLf) {
    CFtpClient client("127.0.0.1", m_port, "transfer", EncryptString("secret"));
    ASSERT_EQ(0, client.Connect());
    FtpHandle* data = nullptr;
    ASSERT_TRUE(FtpOpenTransfer("SEND_MEMO 1 2 3 4|", 4, 'A', client.GetControl(), &data));
    std::string lines;
    for (int i = 0; i < 2000; ++i) lines += "line " + std::to_string(i) + "\n";
    // A CR LF split over two writes keeps its one CR; a lone CR stays alone.
    const char* const pieces[] = {"one\n", "two\r", "\nthree\r\n", "\n", "cr\ronly", lines.c_str(), "end"};
    for (const char* piece : pieces) EXPECT_EQ((int)strlen(piece), FtpDataWrite(piece, (int)strlen(piece), data));
    EXPECT_TRUE(FtpCloseHandle(data));
    std::string expected = "one\r\ntwo\r\nthree\r\n\r\ncr\ronly";
    for (char ch : lines) expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    expected += "end";
    for (int i = 0; i < 100; ++i) {
        {
            std::lock_guard<std::mutex> lock(m_owner.m_lock);
            if (!m_owner.memos.empty()) break;
        }
        Sleep(20);
    }
    std::lock_guard<std::mutex> lock(m_owner.m_lock);
    ASSERT_EQ(1u, m_owner.memos.size());
    EXPECT_EQ(expected, ReadFileBytes(m_owner.memos[0].first));
}

// A server that opens the data connection of a download and then says
// nothing until the client closes it.
class CSilentServer {
public:
    CSilentServer() {
        m_listener = Listen(m_port);
        m_thread = std::thread([this] { Run(); });
    }
    ~CSilentServer() {
        m_thread.join();
        closesocket(m_listener);
    }
    int Port() const { return m_port; }

private:
    static SOCKET Listen(int& port) {
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(s, (sockaddr*)&address, sizeof(address));
        listen(s, 1);
        int size = sizeof(address);
        getsockname(s, (sockaddr*)&address, &size);
        port = ntohs(address.sin_port);
        return s;
    }
    static void Say(SOCKET s, const std::string& line) { send(s, (line + "\r\n").c_str(), (int)line.size() + 2, 0); }
    void Run() {
        SOCKET control = accept(m_listener, nullptr, nullptr);
        Say(control, "220 ready");
        SOCKET dataListener = INVALID_SOCKET;
        std::string pending;
        char chunk[512];
        int got;
        while ((got = recv(control, chunk, sizeof(chunk), 0)) > 0) {
            pending.append(chunk, got);
            size_t end;
            while ((end = pending.find("\r\n")) != std::string::npos) {
                std::string word = pending.substr(0, pending.find_first_of(" \r"));
                pending.erase(0, end + 2);
                if (word == "USER") {
                    Say(control, "230 in");
                } else if (word == "TYPE") {
                    Say(control, "200 type");
                } else if (word == "PASV") {
                    int port = 0;
                    dataListener = Listen(port);
                    Say(control, "227 (127,0,0,1," + std::to_string(port >> 8) + "," + std::to_string(port & 255) + ")");
                } else if (word == "RETRSYNC") {
                    Say(control, "150 opening");
                    SOCKET data = accept(dataListener, nullptr, nullptr);
                    while (recv(data, chunk, sizeof(chunk), 0) > 0) {
                    }
                    closesocket(data);
                    Say(control, "426 aborted");
                } else {
                    Say(control, "500 unknown");
                }
            }
        }
        if (dataListener != INVALID_SOCKET) closesocket(dataListener);
        closesocket(control);
    }

    SOCKET m_listener;
    int m_port = 0;
    std::thread m_thread;
};

TEST(FtpIdleCallbackTest, FalseAbortsAStalledDownload) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    {
        CScratchFolder folder(L"ftpc");
        CSilentServer server;
        CFtpClient client("127.0.0.1", server.Port(), "transfer", "123");
        ASSERT_EQ(0, client.Connect());
        CallbackLog log;
        log.stopAt = 3;
        UseCallback(client.GetControl(), &log, 50, 0);
        DWORD start = GetTickCount();
        // Without the callback the read would wait for the 30-second time-out.
        EXPECT_EQ(-22, FtpDownload(folder + L"got", "X", 'I', client.GetControl()));
        EXPECT_LT(GetTickCount() - start, 10000u);
        EXPECT_EQ(std::vector<long long>({0, 0, 0}), log.bytes);
    }
    WSACleanup();
}

TEST(FtpSetOptionTest, OptionsAndTheirValues) {
    FtpHandle handle;
    int argument = 0;
    const struct {
        int option;
        intptr_t value;
        bool accepted;
    } cases[] = {
        {1, 2, true},
        {1, 3, false},
        {1, 0, false},
        {2, (intptr_t)&RecordCall, true},
        {3, 1500, true},
        {3, -1, false},
        {4, (intptr_t)&argument, true},
        {5, 4096, true},
        {0, 1, false},
        {6, 1, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.accepted, FtpSetOption(c.option, c.value, &handle)) << c.option;
    EXPECT_EQ(2, handle.connectionMode);
    EXPECT_EQ(&RecordCall, handle.callback);
    EXPECT_EQ(1, handle.idle.tv_sec);
    EXPECT_EQ(500000, handle.idle.tv_usec);
    EXPECT_EQ(&argument, handle.callbackArgument);
    EXPECT_EQ(4096, handle.bytesBetweenCallbacks);
    EXPECT_FALSE(FtpSetOption(1, 1, nullptr));
}
