// CFTPd: the built-in file-share server. Other copies of the program send
// notes to it, the phone app exchanges schedules with it and ordinary FTP
// clients share one folder through it. One accept thread and one thread per
// control connection; each holds its own reference to the server, so the
// object outlives Stop until the last of them has ended.
#pragma once

// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "net/BaseObject.h"
#include "net/FtpUserTable.h"
#include "net/FtpdOptions.h"
#include "net/FtpdOwner.h"

#include <atomic>
#include <string>
#include <vector>

class CFTPd : public CBaseObject {
public:
    CFTPd(IFtpdOwner* owner, const FtpdOptions& options);
    ~CFTPd() override;

    // Starts listening; always 0 (IsListening tells the result).
    int Start();
    bool StartListening();
    // Closes the listener and every connection, waits (with wait set) up to
    // about five seconds for logged-in connections to end, and releases the
    // caller's reference. Returns 1.
    int Stop(int wait);

    bool IsListening() const { return m_listening.load(); }
    // The port actually bound (the option may ask for any free one with 0).
    int GetListenPort() const { return m_boundPort; }

    void AddSession(SOCKET s);
    void RemoveSession(SOCKET s);
    void OnLogin();
    void OnLogout();
    void NotifySyncReceived();
    void NotifyMemoReceived(const CString& filePath, const CStringA& senderText);

    const FtpdOptions& Options() const { return m_options; }
    const FtpUserTable& Accounts() const { return m_accounts; }
    bool IsStopping() const { return m_stopping.load() != 0; }
    int GetLoggedInCount() const { return m_loggedIn.load(); }
    // Adds a new connection, or refuses it while stopping or when too many
    // connections wait for their login.
    bool AdmitConnection(SOCKET s);

    // Server objects not yet deleted, in this process.
    static int LiveObjects();

private:
    static DWORD WINAPI AcceptThread(void* param);
    void AddRef() { ++m_nRefCount; }

    FtpdOptions m_options;
    FtpUserTable m_accounts;
    std::atomic<SOCKET> m_listener{0};
    std::atomic<bool> m_listening{false};
    std::atomic<int> m_stopping{0};
    std::atomic<int> m_loggedIn{0};
    IFtpdOwner* m_owner = nullptr;  // guarded by the connection lock
    std::vector<SOCKET> m_connections;  // guarded by the connection lock
    int m_boundPort = 0;
    HANDLE m_acceptDone = nullptr;
};

// Socket helpers of the connections, exposed for the server's own use.
bool FtpdSendReply(SOCKET s, const std::string& text);
// Reads one command line within timeoutSeconds for the whole line; -1 on a
// time-out, an error, a closed connection or a stopping server. CR counts
// and is stored as 0; LF ends the line uncounted; bytes past size are
// counted, not stored.
int FtpdReadLine(SOCKET s, char* buffer, int size, int timeoutSeconds, const CFTPd* server);
