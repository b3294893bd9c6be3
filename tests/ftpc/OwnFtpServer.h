// The program's own file-share server in the test's process on 127.0.0.1,
// over a scratch folder, for the client to talk to.
#pragma once

#include <winsock2.h>

#include "net/FTPd.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <mutex>
#include <utility>
#include <vector>

class CRecordingOwner : public IFtpdOwner {
public:
    void QueueReceivedMessage(const CString& filePath, const CStringA& senderText) override {
        std::lock_guard<std::mutex> lock(m_lock);
        memos.push_back({filePath, senderText});
    }
    void RequestSyncDialog() override { syncs++; }
    std::mutex m_lock;
    std::vector<std::pair<CString, CStringA>> memos;
    int syncs = 0;
};

// Notes may be sent and the password is "secret"; a test class changes
// the other options in Configure.
class OwnFtpServerTest : public ::testing::Test {
protected:
    virtual void Configure(FtpdOptions&) {}
    void SetUp() override {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        FtpdOptions options;
        options.port = 0;
        options.bindAddress = htonl(INADDR_LOOPBACK);
        options.password = L"secret";
        options.commandTimeOut = 3;
        options.connectTimeOut = 3;
        options.dataSend = options.dataSync = true;
        options.ftpConnect = false;
        options.homeDirectory = m_root + L"share";
        options.programFolder = m_root.Path();
        options.memoFolder = m_root + L"memo_data\\";
        m_root.MakeFolder(L"share");
        m_root.MakeFolder(L"memo_data");
        Configure(options);
        m_server = new CFTPd(&m_owner, options);
        m_server->Start();
        ASSERT_TRUE(m_server->IsListening());
        m_port = m_server->GetListenPort();
    }
    void TearDown() override {
        if (m_server) m_server->Stop(1);
        for (int i = 0; i < 100 && CFTPd::LiveObjects() > 0; ++i) Sleep(50);
        WSACleanup();
    }

    CScratchFolder m_root{L"ftpc"};
    CRecordingOwner m_owner;
    CFTPd* m_server = nullptr;
    int m_port = 0;
};
