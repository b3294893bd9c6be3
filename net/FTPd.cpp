#include "net/FTPd.h"

#include "net/FtpConnection.h"
#include "shell/AppGlobals.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <mutex>

namespace {

// One lock for every server of the program: the connection lists, the
// logged-in counts and the owners.
std::mutex g_connectionLock;
std::atomic<int> g_liveServers{0};

const int kPollMs = 200;

struct SessionStart {
    CFTPd* server;
    SOCKET socket;
};

DWORD WINAPI SessionThread(void* param) {
    SessionStart start = *(SessionStart*)param;
    delete (SessionStart*)param;
    RunFtpConnection(start.server, start.socket);
    // The thread's own reference: the server lives until its last connection ends.
    start.server->Release();
    return 0;
}

std::string Narrow(const CString& text) { return CStringA(text).GetString(); }

}  // namespace

CFTPd::CFTPd(IFtpdOwner* owner, const FtpdOptions& options) : m_options(options), m_owner(owner) {
    ++g_liveServers;
    m_acceptDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

CFTPd::~CFTPd() {
    if (m_acceptDone) CloseHandle(m_acceptDone);
    --g_liveServers;
}

int CFTPd::LiveObjects() { return g_liveServers.load(); }

int CFTPd::Start() {
    StartListening();
    return 0;
}

bool CFTPd::StartListening() {
    if (m_listening.load() || m_stopping.load()) return m_listening.load();
    std::string password = Narrow(m_options.password);
    std::string home = Narrow(m_options.homeDirectory);
    struct Account {
        const char* name;
        bool on;
        int mask;
    } accounts[] = {
        {"sync300", m_options.dataSync, FTP_MASK_READ | FTP_MASK_WRITE},
        {"transfer", m_options.dataSend, FTP_MASK_READ | FTP_MASK_WRITE},
        {"zorel", m_options.ftpConnect,
         (m_options.download ? FTP_MASK_READ : 0) | (m_options.upload ? FTP_MASK_WRITE : 0) |
             (m_options.list ? FTP_MASK_LIST : 0) | (m_options.admin ? FTP_MASK_ADMIN : 0)},
    };
    for (const Account& a : accounts) {
        if (!a.on) continue;
        m_accounts.AddUser(a.name, password);
        m_accounts.SetPermissions(a.name, "/", a.mask);
        m_accounts.Mount(a.name, "/", home);
    }

    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons((u_short)m_options.port);
    address.sin_addr.s_addr = m_options.bindAddress;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return false;
    // Another program must not take the port over while we hold it.
    BOOL exclusive = TRUE;
    setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, (const char*)&exclusive, sizeof exclusive);
    if (bind(s, (sockaddr*)&address, sizeof address) != 0) {
        DebugPrint(0, L"Unable to bind socket. Specified port may already be in use.");
        closesocket(s);
        m_listener = 0;
        return false;
    }
    sockaddr_in bound = {};
    int length = sizeof bound;
    getsockname(s, (sockaddr*)&bound, &length);
    m_boundPort = ntohs(bound.sin_port);
    if (listen(s, SOMAXCONN) != 0) {
        closesocket(s);
        return false;
    }
    m_listener = s;
    m_listening = true;
    ResetEvent(m_acceptDone);
    AddRef();
    HANDLE thread = CreateThread(nullptr, 0, AcceptThread, this, 0, nullptr);
    if (!thread) {
        m_listening = false;
        m_listener = 0;
        closesocket(s);
        SetEvent(m_acceptDone);
        Release();
        return false;
    }
    CloseHandle(thread);
    return true;
}

DWORD WINAPI CFTPd::AcceptThread(void* param) {
    CFTPd* server = (CFTPd*)param;
    SOCKET listener = server->m_listener.load();
    // Waits in short slices so that Stop needs no second thread to close the
    // listener under this one: only this thread ever closes it.
    while (!server->IsStopping()) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval wait = {0, kPollMs * 1000};
        int n = select(0, &ready, nullptr, nullptr, &wait);
        if (n < 0) break;
        if (n == 0 || server->IsStopping()) continue;
        SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            if (WSAGetLastError() == WSAECONNRESET) continue;
            break;
        }
        if (!server->AdmitConnection(client)) {
            FtpdSendReply(client, "421 Too many connections are waiting for login. Try again later.\r\n");
            closesocket(client);
            continue;
        }
        server->AddRef();
        auto* start = new SessionStart{server, client};
        HANDLE thread = CreateThread(nullptr, 0, SessionThread, start, 0, nullptr);
        if (!thread) {
            delete start;
            server->RemoveSession(client);
            closesocket(client);
            server->Release();
            continue;
        }
        CloseHandle(thread);
    }
    closesocket(listener);
    server->m_listener = 0;
    server->m_listening = false;
    SetEvent(server->m_acceptDone);
    server->Release();
    return 0;
}

bool CFTPd::AdmitConnection(SOCKET s) {
    // The connection joins the list here, before its thread runs, so that a
    // flood of silent connections meets the cap at once.
    std::lock_guard<std::mutex> lock(g_connectionLock);
    int waiting = (int)m_connections.size() - m_loggedIn.load();
    if (m_stopping.load() || waiting >= m_options.maxPending) return false;
    m_connections.push_back(s);
    return true;
}

void CFTPd::AddSession(SOCKET s) {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    if (!m_stopping.load()) m_connections.push_back(s);
}

void CFTPd::RemoveSession(SOCKET s) {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), s), m_connections.end());
}

void CFTPd::OnLogin() {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    ++m_loggedIn;
}

void CFTPd::OnLogout() {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    --m_loggedIn;
}

void CFTPd::NotifySyncReceived() {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    if (m_owner) m_owner->RequestSyncDialog();
}

void CFTPd::NotifyMemoReceived(const CString& filePath, const CStringA& senderText) {
    std::lock_guard<std::mutex> lock(g_connectionLock);
    if (m_owner) m_owner->QueueReceivedMessage(filePath, senderText);
}

int CFTPd::Stop(int wait) {
    if (m_listening.load()) {
        {
            std::lock_guard<std::mutex> lock(g_connectionLock);
            // Each connection closes its own socket when its thread ends;
            // shutting them down here ends every wait at once without a
            // second close of the same handle.
            for (SOCKET s : m_connections) shutdown(s, SD_BOTH);
            m_connections.clear();
            m_stopping = 1;
        }
        WaitForSingleObject(m_acceptDone, 5000);
        if (wait)
            for (int i = 0; i < 101 && m_loggedIn.load() > 0; ++i) Sleep(50);
    } else {
        m_stopping = 1;
    }
    {
        // The owner may go away after this; connections still finishing hand
        // nothing more to it.
        std::lock_guard<std::mutex> lock(g_connectionLock);
        m_owner = nullptr;
    }
    Release();
    return 1;
}

bool FtpdSendReply(SOCKET s, const std::string& text) {
    size_t sent = 0;
    while (sent < text.size()) {
        int n = send(s, text.data() + sent, (int)(text.size() - sent), 0);
        if (n <= 0) return false;
        sent += (size_t)n;
    }
    return true;
}

int FtpdReadLine(SOCKET s, char* buffer, int size, int timeoutSeconds, const CFTPd* server) {
    ULONGLONG deadline = GetTickCount64() + (ULONGLONG)timeoutSeconds * 1000;
    int count = 0;
    buffer[0] = 0;
    for (;;) {
        ULONGLONG now = GetTickCount64();
        if (now >= deadline || (server && server->IsStopping())) return -1;
        ULONGLONG slice = std::min<ULONGLONG>(deadline - now, kPollMs);
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(s, &ready);
        timeval wait = {0, (long)slice * 1000};
        int n = select(0, &ready, nullptr, nullptr, &wait);
        if (n < 0) return -1;
        if (n == 0) continue;
        char c;
        if (recv(s, &c, 1, 0) != 1) return -1;
        if (c == '\n') break;
        if (c == '\r') c = 0;
        if (count < size) buffer[count] = c;
        ++count;
    }
    buffer[std::min(count, size)] = 0;
    return count;
}
