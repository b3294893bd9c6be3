// A console host for the file-share server, so real FTP clients can talk to
// it under Wine. It listens on 127.0.0.1 only, on a free port, with a share
// below the folder given, and reports on stdout what the server hands over:
//   port N            the server listens on N
//   encpass DIGITS    the share password as the program's client sends it
//   memo PATH|TEXT    a received note and its sender text
//   sync              a received synchronisation file
// Commands on stdin: "stop" (prints "stopped"), "start" (a new server),
// "live" (prints "live N", the server objects not yet released), "quit".
//
// Usage: ftpd_host ROOT [option=value ...] with the options port,
// password, commandtimeout, connecttimeout, maxconnect, maxpending and
// switches (letters: y sync, s send, f ftp, d download, u upload, l list,
// a admin).

// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "net/FTPd.h"
#include "shell/CryptoText.h"

#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>

namespace {

std::mutex g_out;

void Say(const std::string& line) {
    std::lock_guard<std::mutex> lock(g_out);
    fputs((line + "\n").c_str(), stdout);
    fflush(stdout);
}

class CHostOwner : public IFtpdOwner {
public:
    void QueueReceivedMessage(const CString& filePath, const CStringA& senderText) override {
        Say("memo " + std::string(CStringA(filePath).GetString()) + "|" + senderText.GetString());
    }
    void RequestSyncDialog() override { Say("sync"); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fputs("usage: ftpd_host ROOT [option=value ...]\n", stderr);
        return 2;
    }
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    CString root = argv[1];
    if (root.Right(1) != L"\\") root += L"\\";
    FtpdOptions options;
    options.port = 0;
    options.bindAddress = htonl(INADDR_LOOPBACK);
    options.password = L"secret";
    options.commandTimeOut = 3;
    options.connectTimeOut = 3;
    options.download = options.upload = options.list = options.admin = true;
    options.homeDirectory = root + L"share";
    options.programFolder = root;
    options.memoFolder = root + L"memo_data\\";
    for (int i = 2; i < argc; ++i) {
        std::wstring arg = argv[i];
        size_t eq = arg.find(L'=');
        if (eq == std::wstring::npos) continue;
        std::wstring key = arg.substr(0, eq), value = arg.substr(eq + 1);
        int number = _wtoi(value.c_str());
        if (key == L"port") options.port = number;
        else if (key == L"password") options.password = value.c_str();
        else if (key == L"commandtimeout") options.commandTimeOut = number;
        else if (key == L"connecttimeout") options.connectTimeOut = number;
        else if (key == L"maxconnect") options.maxConnect = number;
        else if (key == L"maxpending") options.maxPending = number;
        else if (key == L"switches") {
            auto has = [&](wchar_t c) { return value.find(c) != std::wstring::npos; };
            options.dataSync = has(L'y');
            options.dataSend = has(L's');
            options.ftpConnect = has(L'f');
            options.download = has(L'd');
            options.upload = has(L'u');
            options.list = has(L'l');
            options.admin = has(L'a');
        }
    }
    CreateDirectoryW(options.homeDirectory, nullptr);
    CreateDirectoryW(options.memoFolder, nullptr);

    CHostOwner owner;
    Say("encpass " + std::string(EncryptString(CStringA(options.password)).GetString()));
    CFTPd* server = nullptr;
    auto start = [&] {
        server = new CFTPd(&owner, options);
        server->Start();
        if (server->IsListening()) {
            Say("port " + std::to_string(server->GetListenPort()));
        } else {
            Say("failed");
            server->Stop(0);
            server = nullptr;
        }
    };
    start();
    std::string command;
    while (std::getline(std::cin, command)) {
        while (!command.empty() && (command.back() == '\r' || command.back() == ' ')) command.pop_back();
        if (command == "stop") {
            if (server) server->Stop(1);
            server = nullptr;
            Say("stopped");
        } else if (command == "start") {
            if (!server) start();
        } else if (command == "live") {
            Say("live " + std::to_string(CFTPd::LiveObjects()));
        } else if (command == "quit") {
            break;
        }
    }
    if (server) server->Stop(1);
    // Connection threads still ending hold their own references; give them
    // a moment so the process ends with every object released.
    for (int i = 0; i < 100 && CFTPd::LiveObjects() > 0; ++i) Sleep(50);
    Say("live " + std::to_string(CFTPd::LiveObjects()));
    WSACleanup();
    return 0;
}
