// The sending side of note delivery: a small FTP client that logs in to
// another copy's built-in server and uploads one file. It differs from plain
// FTP where our server does: the password goes out encrypted with ENCPASS,
// uploads and downloads use STORSYNC and RETRSYNC, and a passive data
// connection always goes to the address the control connection was opened
// to, whatever address the 227 reply names (servers behind a second network
// card or bound to 0.0.0.0 name an address the client cannot reach).
//
// Everything blocks on the caller's thread, but never without end: connect,
// read and write each give up after the handle's time-out, so a silent peer
// ends a delivery with a failure instead of hanging it.
#pragma once

// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "fw/Afx.h"

#include <cstdio>

// One connection: the control connection or a data connection.
struct FtpHandle {
    SOCKET socket = INVALID_SOCKET;
    char* buffer = nullptr;  // control handle: received bytes not yet read as lines
    int cursor = 0;
    int fill = 0;
    int direction = 0;              // 0 control, 1 data from the server, 2 data to the server
    FtpHandle* control = nullptr;   // data handle: its control handle
    FtpHandle* data = nullptr;      // control handle: its open data handle
    int connectionMode = 1;         // control handle: 1 passive, 2 port
    DWORD serverAddress = 0;        // control handle: the address dialled, network order
    int timeoutMs = 30000;          // connect, read and write each wait at most this long
    long long transferred = 0;
    char reply[256] = {0};          // the last reply line, also the failure texts
};

// Error codes of the client, 0 being success.
enum FtpClientError {
    FTPC_BAD_SERVER = -1,
    FTPC_RESOLVE = -10,
    FTPC_SOCKET = -11,
    FTPC_SOCKOPT = -12,
    FTPC_CONNECT = -13,
    FTPC_GREETING = -14,
    FTPC_LOGIN_INPUT = -15,
    FTPC_USER_REFUSED = -16,
    FTPC_PASSWORD_REFUSED = -17,
    FTPC_MAKE_DIR = -18,
    FTPC_NO_LOCAL_FILE = -19,
    FTPC_OPEN_LOCAL = -21,
    FTPC_WRITE_LOCAL = -22,
    FTPC_SHORT_WRITE = -23,
    FTPC_OPEN_TRANSFER = -25,
    FTPC_NOT_CONFIRMED = -26,  // the server's closing reply refused the upload
};

// Sends the command with CR LF and reads the reply; true when its first
// character is the expected digit. Commands over 253 characters are refused.
bool FtpCommand(const char* command, char expected, FtpHandle* control);
// Reads one reply, all of its lines when it has several ("220-" ... "220 ").
bool FtpGetReply(char expected, FtpHandle* control);
// Opens a data connection: passive (PASV) or port mode (PORT), mode 'A' or
// 'I', direction 1 (from the server) or 2 (to it).
bool FtpOpenDataChannel(FtpHandle* control, FtpHandle** data, char mode, int direction);
// Kinds: 1 NLST, 2 LIST, 3 RETRSYNC, 4 STORSYNC; path required for 3 and 4.
bool FtpOpenTransfer(const char* path, int kind, char mode, FtpHandle* control, FtpHandle** data);
int FtpDataRead(void* buffer, int length, FtpHandle* data);
int FtpDataWrite(const void* buffer, int length, FtpHandle* data);
// Moves a whole file (kind 4 uploads it, kind 3 downloads into it); 0 or a code.
int FtpClientTransfer(const wchar_t* localFile, const char* path, FtpHandle* control, int kind, char mode);
// A data handle: closes it and reads the server's closing reply (the result).
// A control handle: closes its open data handle first, then itself.
bool FtpCloseHandle(FtpHandle* handle);
// The last reply of a control handle; null for a data handle.
const char* FtpReplyText(const FtpHandle* handle);

class CFtpClient {
public:
    CFtpClient(const CStringA& host, int port, const CStringA& user, const CStringA& password);
    ~CFtpClient();
    CFtpClient(const CFtpClient&) = delete;
    CFtpClient& operator=(const CFtpClient&) = delete;

    // Uploads the local file under the remote name; 0 or a code.
    int Put(const CString& localFile, const CStringA& remoteName);
    int Connect();
    int Login();

    // The text of the last failure; never empty after one.
    CStringA GetLastError() const { return m_lastError; }
    void SetPassive(bool passive) { m_passive = passive; }
    void SetTimeout(int ms) { m_timeoutMs = ms; }

    // Longest user name that goes out.
    static const int kMaxUser = 57;
    // Longest password: the encrypted digits of every password the share
    // settings accept fit the command.
    static const int kMaxPassword = 245;

private:
    int RunAction();
    int Fail(int code, const CStringA& text);

    CStringA m_user;
    int m_port;
    CStringA m_password;
    CStringA m_host;
    bool m_connected = false;
    int m_action = -1;
    char m_type = 'I';
    bool m_passive = true;
    DWORD m_serverAddress = 0;
    FtpHandle* m_control = nullptr;
    CStringA m_lastError;
    CString m_localFile;
    CStringA m_remoteName;
    int m_timeoutMs = 30000;
    bool m_wsa = false;
};

// A readable text for any client code, used when the client left none.
CStringA FtpClientErrorText(int code);
