#include "net/FtpConnection.h"

#include "net/FTPd.h"
#include "net/FtpCommand.h"
#include "net/FtpPath.h"
#include "shell/CryptoText.h"

#include <ws2tcpip.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char kServerName[] = "Zorel FileShare Server (www.example.com)";
const int kLineSize = 511;
// Every call into the socket layer is costly under a compatibility layer and
// still not free on Windows: a transfer moves 64 KB per call, which takes
// the rate from a few MB/s to what the loopback carries.
const int kBlock = 64 * 1024;

bool Reply(FtpConnection& c, const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n < 0) return false;
    if (n >= (int)sizeof text) n = (int)sizeof text - 1;
    return FtpdSendReply(c.control, std::string(text, (size_t)n));
}

bool EqualNoCase(const std::string& a, const char* b) { return _stricmp(a.c_str(), b) == 0; }

void ClosePassive(FtpConnection& c) {
    if (c.passiveListener) closesocket(c.passiveListener);
    c.passiveListener = 0;
}

bool SamePeer(const FtpConnection& c, const sockaddr_in& other) {
    return other.sin_addr.s_addr == c.peerAddress.sin_addr.s_addr;
}

// A data connection only ever joins the control connection's own peer: the
// passive listener turns away anyone else, and PORT names no other host.
SOCKET FtpdOpenDataConnection(FtpConnection& c) {
    const int timeout = c.server->Options().connectTimeOut;
    SOCKET data = INVALID_SOCKET;
    if (c.passiveListener) {
        ULONGLONG deadline = GetTickCount64() + (ULONGLONG)timeout * 1000;
        while (data == INVALID_SOCKET && !c.server->IsStopping()) {
            ULONGLONG now = GetTickCount64();
            if (now >= deadline) break;
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(c.passiveListener, &ready);
            ULONGLONG slice = std::min<ULONGLONG>(deadline - now, 200);
            timeval wait = {0, (long)slice * 1000};
            int n = select(0, &ready, nullptr, nullptr, &wait);
            if (n < 0) break;
            if (n == 0) continue;
            sockaddr_in from = {};
            int length = sizeof from;
            SOCKET s = accept(c.passiveListener, (sockaddr*)&from, &length);
            if (s == INVALID_SOCKET) break;
            if (SamePeer(c, from))
                data = s;
            else
                closesocket(s);
        }
        ClosePassive(c);
    } else {
        if (c.dataAddress.sin_family != AF_INET || !SamePeer(c, c.dataAddress)) return INVALID_SOCKET;
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (s == INVALID_SOCKET) return INVALID_SOCKET;
        if (connect(s, (const sockaddr*)&c.dataAddress, sizeof c.dataAddress) != 0) {
            closesocket(s);
            return INVALID_SOCKET;
        }
        data = s;
    }
    if (data != INVALID_SOCKET) {
        // A client that stops reading or sending must not hold the thread
        // for ever: every data send and receive waits at most this long.
        DWORD ms = (DWORD)timeout * 1000;
        setsockopt(data, SOL_SOCKET, SO_SNDTIMEO, (const char*)&ms, sizeof ms);
        setsockopt(data, SOL_SOCKET, SO_RCVTIMEO, (const char*)&ms, sizeof ms);
    }
    return data;
}

// One receive; the data socket's receive time-out bounds the wait. -1 on a
// time-out or an error.
int FtpdReceive(SOCKET s, char* buffer, int size) {
    int n = recv(s, buffer, size, 0);
    return n < 0 ? -1 : n;
}

enum { SEND_FILE = 0, RECEIVE_FILE = 1 };

bool FtpdTransferFile(CFTPd* server, SOCKET control, SOCKET data, HANDLE file, int direction, bool& aborted) {
    aborted = false;
    std::vector<char> buffer(kBlock);
    char* block = buffer.data();
    if (direction == SEND_FILE) {
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file, block, kBlock, &got, nullptr)) return false;
            if (got == 0) return true;
            for (DWORD sent = 0; sent < got;) {
                int n = send(data, block + sent, (int)(got - sent), 0);
                if (n <= 0) return false;
                sent += (DWORD)n;
            }
            if (server->IsStopping()) return false;
            u_long waiting = 0;
            if (ioctlsocket(control, FIONREAD, &waiting) == 0 && waiting > 0) {
                char line[kLineSize + 1];
                int n = FtpdReadLine(control, line, kLineSize, server->Options().commandTimeOut, server);
                if (n < 0) return false;
                if (_stricmp(line, "ABOR") == 0) {
                    aborted = true;
                    return false;
                }
                FtpdSendReply(control, "500 Only command allowed at this time is ABOR.\r\n");
            }
        }
    }
    for (;;) {
        if (server->IsStopping()) return false;
        int n = FtpdReceive(data, block, kBlock);
        if (n == 0) return true;
        if (n < 0) return false;
        DWORD written = 0;
        if (!WriteFile(file, block, (DWORD)n, &written, nullptr) || written != (DWORD)n) return false;
    }
}

void SeekTo(HANDLE file, unsigned offset) {
    LARGE_INTEGER at;
    at.QuadPart = offset;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
}

// Sends a file on a data connection with the 150 text given; closes the file.
void SendFile(FtpConnection& c, HANDLE file, const std::string& shown, const char* opening) {
    if (c.restartOffset) SeekTo(file, c.restartOffset);
    c.restartOffset = 0;
    Reply(c, opening, c.passiveListener ? "passive" : "active", shown.c_str());
    SOCKET data = FtpdOpenDataConnection(c);
    if (data == INVALID_SOCKET) {
        CloseHandle(file);
        Reply(c, "425 Can't open data connection.\r\n");
        return;
    }
    bool aborted = false;
    bool ok = FtpdTransferFile(c.server, c.control, data, file, SEND_FILE, aborted);
    CloseHandle(file);
    closesocket(data);
    if (ok) {
        Reply(c, "226 \"%s\" transferred successfully.\r\n", shown.c_str());
    } else if (!c.server->IsStopping()) {
        Reply(c, "426 Connection closed; transfer aborted.\r\n");
        if (aborted) Reply(c, "226 ABOR command successful.\r\n");
    }
}

// Receives into an open file; true when the whole upload arrived.
bool ReceiveFile(FtpConnection& c, HANDLE file, const std::string& shown, bool& noData) {
    noData = false;
    Reply(c, "150 Opening %s mode data connection for \"%s\".\r\n", c.passiveListener ? "passive" : "active",
          shown.c_str());
    SOCKET data = FtpdOpenDataConnection(c);
    if (data == INVALID_SOCKET) {
        noData = true;
        Reply(c, "425 Can't open data connection.\r\n");
        return false;
    }
    bool aborted = false;
    bool ok = FtpdTransferFile(c.server, c.control, data, file, RECEIVE_FILE, aborted);
    closesocket(data);
    return ok;
}

bool Permitted(FtpConnection& c, const std::string& path, int kind) {
    if (CheckPermission(c.permissionRoot, path, kind) == 1) return true;
    static const char* const names[] = {"Read", "Write", "List", "Admin"};
    Reply(c, "550 \"%s\": %s permission denied.\r\n", path.c_str(), names[kind]);
    return false;
}

void LogIn(FtpConnection& c, bool& end) {
    const FtpUserTable& accounts = c.server->Accounts();
    if (c.server->GetLoggedInCount() >= c.server->Options().maxConnect) {
        Reply(c, "421 Your login was refused due to a server connection limit.\r\n");
        end = true;
        return;
    }
    c.loggedIn = true;
    c.server->OnLogin();
    c.currentDirectory = "/";
    Reply(c, "230 User \"%s\" logged in.\r\n", c.userName.c_str());
    c.mountRoot = accounts.GetMountRoot(c.userName);
    c.permissionRoot = accounts.GetPermissionRoot(c.userName);
}

void LogOut(FtpConnection& c) {
    c.loggedIn = false;
    c.server->OnLogout();
    c.mountRoot = nullptr;
    c.permissionRoot = nullptr;
}

void DoPass(FtpConnection& c, const std::string& password, bool& end) {
    if (c.userName.empty()) {
        Reply(c, "503 Bad sequence of commands. Send USER first.\r\n");
    } else if (c.loggedIn) {
        Reply(c, "503 Already logged in. Use REIN to change users.\r\n");
    } else if (!EqualNoCase(c.userName, "ZOREL")) {
        Reply(c, "421 Your login was refused due to a unsupported login id.\r\n");
    } else if (!c.server->Accounts().CheckPassword(c.userName, password)) {
        Reply(c, "530 Incorrect password.\r\n");
    } else {
        LogIn(c, end);
    }
}

void DoEncPass(FtpConnection& c, const std::string& digits, bool& end) {
    std::string password = DecryptString(CStringA(digits.c_str())).GetString();
    if (c.userName.empty()) {
        Reply(c, "503 Bad sequence of commands. Send USER first.\r\n");
    } else if (c.loggedIn) {
        Reply(c, "503 Already logged in. Use REIN to change users.\r\n");
    } else if (!c.server->Accounts().CheckPassword(c.userName, password)) {
        Reply(c, "530 Incorrect password.\r\n");
    } else {
        LogIn(c, end);
    }
}

void DoUser(FtpConnection& c, const std::string& name, bool& end) {
    if (c.loggedIn) {
        Reply(c, "503 Already logged in. Use REIN to change users.\r\n");
        return;
    }
    c.userName = name;
    const FtpdOptions& o = c.server->Options();
    std::string refusal = FtpUserGate(name, FtpAccountSwitches{o.dataSync, o.dataSend, o.ftpConnect});
    if (!refusal.empty()) {
        FtpdSendReply(c.control, refusal);
        return;
    }
    if (!c.server->Accounts().CheckPassword(name, ""))
        Reply(c, "331 Need password for user \"%s\".\r\n", name.c_str());
    else
        DoPass(c, "", end);
}

void DoListing(FtpConnection& c, const std::string& word, const std::string& argument) {
    std::string arg = argument;
    if (!arg.empty() && arg[0] == '-') {
        size_t blank = arg.find(' ');
        arg = blank == std::string::npos ? std::string() : arg.substr(blank + 1);
    }
    std::string path = arg.empty() ? c.currentDirectory : JoinPath(c.currentDirectory, arg);
    c.scratchPath = path;
    if (!Permitted(c, path, FTP_PERM_LIST)) return;
    bool stat = EqualNoCase(word, "STAT");
    bool full = EqualNoCase(word, "LIST");
    c.listing.clear();
    if (!FormatListLine(c.mountRoot, path, !full, c.listing)) {
        Reply(c, "550 \"%s\": Path not found.\r\n", path.c_str());
        return;
    }
    if (stat) {
        Reply(c, "212-Sending directory listing of \"%s\".\r\n", path.c_str());
        for (const auto& line : c.listing) FtpdSendReply(c.control, line.second);
        c.listing.clear();
        Reply(c, "212 STAT command successful.\r\n");
        return;
    }
    Reply(c, "150 Opening %s mode data connection for listing of \"%s\".\r\n",
          c.passiveListener ? "passive" : "active", path.c_str());
    SOCKET data = FtpdOpenDataConnection(c);
    if (data == INVALID_SOCKET) {
        c.listing.clear();
        Reply(c, "425 Can't open data connection.\r\n");
        return;
    }
    std::string all;
    for (const auto& line : c.listing) all += line.second;
    c.listing.clear();
    FtpdSendReply(data, all);
    shutdown(data, SD_SEND);
    closesocket(data);
    Reply(c, "226 %s command successful.\r\n", full ? "LIST" : "NLST");
}

// The note and synchronisation uploads of the program's own clients.
void DoStorSync(FtpConnection& c, const std::string& argument) {
    const FtpdOptions& o = c.server->Options();
    FtpUploadKind kind = ClassifyUpload(argument);
    // Each kind only while its share option is on, and never for the
    // account of ordinary FTP clients.
    bool allowed = c.userName != "zorel" && (kind.note ? o.dataSend : o.dataSync);
    if (!allowed) {
        Reply(c, "550 \"%s\": Write permission denied.\r\n", argument.c_str());
        return;
    }
    CString system = o.programFolder + L"system\\";
    CreateDirectoryW(system, nullptr);
    CreateDirectoryW(system + L"sync\\", nullptr);
    CString folder = kind.note ? o.memoFolder : system + L"sync\\";
    SYSTEMTIME now;
    GetLocalTime(&now);
    HANDLE file = INVALID_HANDLE_VALUE;
    std::string name;
    CString path;
    // A new file every time: two uploads within the same second (or
    // millisecond) get the next free moment in their names.
    for (int attempt = 0; attempt < 1000 && file == INVALID_HANDLE_VALUE; ++attempt) {
        name = kind.note ? NoteFileName(now, kind.extension) : SyncFileName(kind.syncKind, now);
        path = folder + CString(CStringA(name.c_str()));
        file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
        now = StepTime(now, !kind.note);
    }
    c.scratchPath = name;
    if (file == INVALID_HANDLE_VALUE) {
        Reply(c, "550 \"%s\": Unable to open file.\r\n", name.c_str());
        return;
    }
    SeekTo(file, c.restartOffset);
    SetEndOfFile(file);
    c.restartOffset = 0;
    bool noData = false;
    bool ok = ReceiveFile(c, file, name, noData);
    CloseHandle(file);
    if (!ok) {
        // Only the file this upload created goes.
        DeleteFileW(path);
        if (!noData && !c.server->IsStopping()) Reply(c, "426 Connection closed; transfer aborted.\r\n");
        return;
    }
    Reply(c, "226 \"%s\" transferred successfully.\r\n", name.c_str());
    if (kind.note)
        c.server->NotifyMemoReceived(path, CStringA(kind.senderText.c_str()));
    else
        c.server->NotifySyncReceived();
}

void DoRetrSync(FtpConnection& c, const std::string& argument) {
    const FtpdOptions& o = c.server->Options();
    if (c.userName == "zorel" || !o.dataSync) {
        Reply(c, "550 \"%s\": Read permission denied.\r\n", argument.c_str());
        return;
    }
    CString path;
    if (EqualNoCase(argument, "IPHONE_SCHEDULE"))
        path = o.programFolder + L"schedule_data\\schedule_data.zra";
    else if (EqualNoCase(argument, "IPHONE_ANNIVERSARY"))
        path = o.programFolder + L"anniversary_data\\anniversary_data.xzrn";
    HANDLE file = path.IsEmpty() ? INVALID_HANDLE_VALUE
                                 : CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    c.scratchPath = argument;
    if (file == INVALID_HANDLE_VALUE) {
        Reply(c, "550 \"%s\": Unable to open file.\r\n", argument.c_str());
        return;
    }
    SendFile(c, file, argument, "150 Opening %s mode data connection for zorel data.\r\n");
}

bool ParseMdtmTime(const std::string& argument, SYSTEMTIME& t, std::string& path) {
    if (argument.size() < 16 || argument[14] != ' ') return false;
    for (int i = 0; i < 14; ++i)
        if (argument[i] < '0' || argument[i] > '9') return false;
    auto num = [&](int at, int n) { return (WORD)atoi(argument.substr(at, n).c_str()); };
    t = {};
    t.wYear = num(0, 4);
    t.wMonth = num(4, 2);
    t.wDay = num(6, 2);
    t.wHour = num(8, 2);
    t.wMinute = num(10, 2);
    t.wSecond = num(12, 2);
    path = argument.substr(15);
    return true;
}

// Runs one command; end is set when the connection is to close.
void RunCommand(FtpConnection& c, const std::string& word, const std::string& arg, bool& end) {
    struct Entry {
        const char* name;
        bool needsArg;
        bool needsLogin;
    };
    static const Entry table[] = {
        {"USER", true, false}, {"PASS", false, false}, {"ENCPASS", false, false}, {"REIN", false, false},
        {"QUIT", false, false}, {"HELP", false, false}, {"FEAT", false, false}, {"SYST", false, false},
        {"NOOP", false, false}, {"PWD", false, true},  {"XPWD", false, true},    {"CWD", true, true},
        {"XCWD", true, true},   {"CDUP", false, true}, {"XCUP", false, true},    {"TYPE", true, true},
        {"REST", true, true},   {"PORT", true, true},  {"PASV", false, true},    {"LIST", false, true},
        {"NLST", false, true},  {"STAT", false, true}, {"RETR", true, true},     {"RETRSYNC", true, true},
        {"STOR", true, true},   {"APPE", true, true},  {"STORSYNC", true, true}, {"ABOR", false, false},
        {"SIZE", true, true},   {"MDTM", true, true},  {"DELE", true, true},     {"RNFR", true, true},
        {"RNTO", true, true},   {"MKD", true, true},   {"XMKD", true, true},     {"RMD", true, true},
        {"XRMD", true, true},
    };
    const Entry* entry = nullptr;
    for (const Entry& e : table)
        if (EqualNoCase(word, e.name)) entry = &e;
    if (!entry) {
        Reply(c, "500 Syntax error, command \"%s\" unrecognized.\r\n", word.c_str());
        return;
    }
    if (entry->needsArg && arg.empty()) {
        Reply(c, "501 Syntax error in parameters or arguments.\r\n");
        return;
    }
    if (entry->needsLogin && !c.loggedIn) {
        Reply(c, "530 Not logged in.\r\n");
        return;
    }
    std::string w = entry->name;
    std::string path = JoinPath(c.currentDirectory, arg);
    const char* p = path.c_str();
    if (w == "USER") {
        DoUser(c, arg, end);
    } else if (w == "PASS") {
        DoPass(c, arg, end);
    } else if (w == "ENCPASS") {
        DoEncPass(c, arg, end);
    } else if (w == "REIN") {
        if (c.loggedIn) {
            LogOut(c);
            Reply(c, "220-User \"%s\" logged out.\r\n", c.userName.c_str());
            c.userName.clear();
        }
        Reply(c, "220 REIN command successful.\r\n");
    } else if (w == "QUIT") {
        if (c.loggedIn) {
            LogOut(c);
            Reply(c, "221-User \"%s\" logged out.\r\n", c.userName.c_str());
        }
        Reply(c, "221 Goodbye!\r\n");
        end = true;
    } else if (w == "HELP") {
        Reply(c, "214 For help, please visit http://www.example.com/help.\r\n");
    } else if (w == "FEAT") {
        Reply(c, "211-Extensions supported:\r\n SIZE\r\n REST STREAM\r\n MDTM\r\n TVFS\r\n211 END\r\n");
    } else if (w == "SYST") {
        Reply(c, "215 WIN32 Type: L8 Version: %s\r\n", kServerName);
    } else if (w == "NOOP") {
        Reply(c, "200 NOOP command successful.\r\n");
    } else if (w == "PWD" || w == "XPWD") {
        Reply(c, "257 \"%s\" is current directory.\r\n", c.currentDirectory.c_str());
    } else if (w == "CWD" || w == "XCWD") {
        c.scratchPath = path;
        if (VfsIsDirectory(c.mountRoot, path)) {
            c.currentDirectory = path;
            Reply(c, "250 \"%s\" is now current directory.\r\n", p);
        } else {
            Reply(c, "550 \"%s\": Path not found.\r\n", p);
        }
    } else if (w == "CDUP" || w == "XCUP") {
        c.currentDirectory = JoinPath(c.currentDirectory, "..");
        Reply(c, "250 \"%s\" is now current directory.\r\n", c.currentDirectory.c_str());
    } else if (w == "TYPE") {
        Reply(c, "200 TYPE command successful.\r\n");
    } else if (w == "REST") {
        long long value = strtoll(arg.c_str(), nullptr, 10);
        // An offset must be a number a 32-bit restart position can hold.
        if ((value == 0 && arg[0] != '0') || value < 0 || value > 0xFFFFFFFFLL) {
            Reply(c, "501 Syntax error in parameters or arguments.\r\n");
        } else {
            c.restartOffset = (unsigned)value;
            Reply(c, "350 Ready to resume transfer at %u bytes.\r\n", c.restartOffset);
        }
    } else if (w == "PORT") {
        unsigned char address[4];
        unsigned short port = 0;
        c.dataAddress = {};
        sockaddr_in target = {};
        target.sin_family = AF_INET;
        bool parsed = ParsePortArgument(arg, address, port);
        if (parsed) {
            memcpy(&target.sin_addr, address, 4);
            target.sin_port = htons(port);
        }
        // Data goes only to the host on the other end of this connection.
        if (parsed && SamePeer(c, target)) {
            c.dataAddress = target;
            ClosePassive(c);
            Reply(c, "200 PORT command successful.\r\n");
        } else {
            Reply(c, "501 Syntax error in parameters or arguments.\r\n");
        }
    } else if (w == "PASV") {
        ClosePassive(c);
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in local = c.localAddress;
        local.sin_port = 0;
        int length = sizeof local;
        if (s == INVALID_SOCKET || bind(s, (sockaddr*)&local, sizeof local) != 0 || listen(s, 1) != 0 ||
            getsockname(s, (sockaddr*)&local, &length) != 0) {
            if (s != INVALID_SOCKET) closesocket(s);
            Reply(c, "425 Can't open data connection.\r\n");
        } else {
            c.passiveListener = s;
            const unsigned char* a = (const unsigned char*)&c.localAddress.sin_addr;
            unsigned port = ntohs(local.sin_port);
            Reply(c, "227 Entering Passive Mode (%u,%u,%u,%u,%u,%u)\r\n", a[0], a[1], a[2], a[3], port >> 8,
                  port & 255);
        }
    } else if (w == "LIST" || w == "NLST" || w == "STAT") {
        DoListing(c, word, arg);
    } else if (w == "RETR") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_READ)) return;
        HANDLE file = VfsOpenFile(c.mountRoot, path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
        if (file == INVALID_HANDLE_VALUE) {
            Reply(c, "550 \"%s\": Unable to open file.\r\n", p);
            return;
        }
        SendFile(c, file, path, "150 Opening %s mode data connection for \"%s\".\r\n");
    } else if (w == "RETRSYNC") {
        DoRetrSync(c, arg);
    } else if (w == "STOR" || w == "APPE") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_WRITE)) return;
        HANDLE file = VfsOpenFile(c.mountRoot, path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
        if (file == INVALID_HANDLE_VALUE) {
            Reply(c, "550 \"%s\": Unable to open file.\r\n", p);
            return;
        }
        if (w == "STOR") {
            SeekTo(file, c.restartOffset);
            SetEndOfFile(file);
        } else {
            SetFilePointer(file, 0, nullptr, FILE_END);
        }
        c.restartOffset = 0;
        bool noData = false;
        bool ok = ReceiveFile(c, file, path, noData);
        CloseHandle(file);
        if (ok)
            Reply(c, "226 \"%s\" transferred successfully.\r\n", p);
        else if (!noData && !c.server->IsStopping())
            Reply(c, "426 Connection closed; transfer aborted.\r\n");
    } else if (w == "STORSYNC") {
        DoStorSync(c, arg);
    } else if (w == "ABOR") {
        ClosePassive(c);
        c.restartOffset = 0;
        Reply(c, "200 ABOR command successful.\r\n");
    } else if (w == "SIZE" || w == "MDTM") {
        SYSTEMTIME t;
        std::string target;
        bool set = w == "MDTM" && ParseMdtmTime(arg, t, target);
        if (set) path = JoinPath(c.currentDirectory, target);
        p = path.c_str();
        c.scratchPath = path;
        if (!Permitted(c, path, set ? FTP_PERM_WRITE : FTP_PERM_READ)) return;
        HANDLE file = VfsOpenFile(c.mountRoot, path, set ? GENERIC_WRITE : GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
        if (file == INVALID_HANDLE_VALUE) {
            Reply(c, "550 \"%s\": File not found.\r\n", p);
            return;
        }
        if (w == "SIZE") {
            Reply(c, "213 %u\r\n", (unsigned)GetFileSize(file, nullptr));
        } else if (set) {
            FILETIME ft;
            if (SystemTimeToFileTime(&t, &ft) && SetFileTime(file, nullptr, nullptr, &ft))
                Reply(c, "250 MDTM command successful.\r\n");
            else
                Reply(c, "501 Syntax error in parameters or arguments.\r\n");
        } else {
            FILETIME ft;
            SYSTEMTIME u = {};
            GetFileTime(file, nullptr, nullptr, &ft);
            FileTimeToSystemTime(&ft, &u);
            Reply(c, "213 %04u%02u%02u%02u%02u%02u\r\n", u.wYear, u.wMonth, u.wDay, u.wHour, u.wMinute, u.wSecond);
        }
        CloseHandle(file);
    } else if (w == "DELE") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_ADMIN)) return;
        if (!VfsExists(c.mountRoot, path))
            Reply(c, "550 \"%s\": File not found.\r\n", p);
        else if (VfsDeleteFile(c.mountRoot, path))
            Reply(c, "250 \"%s\" deleted successfully.\r\n", p);
        else
            Reply(c, "550 \"%s\": Unable to delete file.\r\n", p);
    } else if (w == "RNFR") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_ADMIN)) return;
        if (!VfsExists(c.mountRoot, path)) {
            Reply(c, "550 \"%s\": File not found.\r\n", p);
        } else {
            c.renameSource = path;
            Reply(c, "350 \"%s\": File exists; proceed with RNTO.\r\n", p);
        }
    } else if (w == "RNTO") {
        c.scratchPath = path;
        if (c.renameSource.empty()) {
            Reply(c, "503 Bad sequence of commands. Send RNFR first.\r\n");
        } else if (CheckPermission(c.permissionRoot, path, FTP_PERM_ADMIN) != 1) {
            Reply(c, "550 Admin permission denied.\r\n");
        } else if (VfsMoveFile(c.mountRoot, c.renameSource, path)) {
            c.renameSource.clear();
            Reply(c, "250 RNTO command successful.\r\n");
        } else {
            Reply(c, "553 \"%s\": Unable to rename file.\r\n", p);
        }
    } else if (w == "MKD" || w == "XMKD") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_WRITE)) return;
        if (VfsCreateDirectory(c.mountRoot, path))
            Reply(c, "250 \"%s\" created successfully.\r\n", p);
        else
            Reply(c, "550 \"%s\": Unable to create directory.\r\n", p);
    } else if (w == "RMD" || w == "XRMD") {
        c.scratchPath = path;
        if (!Permitted(c, path, FTP_PERM_ADMIN)) return;
        if (VfsRemoveDirectory(c.mountRoot, path))
            Reply(c, "250 \"%s\" removed successfully.\r\n", p);
        else
            Reply(c, "550 \"%s\": Unable to remove directory.\r\n", p);
    }
}

std::string FtpdPeerName(const sockaddr_in& address) {
    const hostent* host = gethostbyaddr((const char*)&address.sin_addr, 4, AF_INET);
    std::string name = host && host->h_name ? host->h_name : inet_ntoa(address.sin_addr);
    if (name.size() > 63) name.resize(63);
    return name;
}

}  // namespace

void RunFtpConnection(CFTPd* server, SOCKET control) {
    FtpConnection c;
    c.server = server;
    c.control = control;
    int length = sizeof c.peerAddress;
    getpeername(control, (sockaddr*)&c.peerAddress, &length);
    c.peerText = FtpdPeerName(c.peerAddress);
    Reply(c, "220-%s\r\n220-You are connecting from %s:%u.\r\n220 Proceed with login.\r\n", kServerName,
          c.peerText.c_str(), (unsigned)ntohs(c.peerAddress.sin_port));
    length = sizeof c.localAddress;
    getsockname(control, (sockaddr*)&c.localAddress, &length);

    bool end = false;
    while (!end) {
        char line[kLineSize + 1];
        int n = FtpdReadLine(control, line, kLineSize, server->Options().commandTimeOut, server);
        if (n < 0) {
            Reply(c, "421 Connection timed out.\r\n");
            break;
        }
        if (n > kLineSize) {
            Reply(c, "500 Command line too long.\r\n");
            continue;
        }
        std::string word, argument;
        SplitCommandLine(line, word, argument);
        RunCommand(c, word, argument, end);
    }
    ClosePassive(c);
    if (c.loggedIn) LogOut(c);
    server->RemoveSession(control);
    closesocket(control);
}
