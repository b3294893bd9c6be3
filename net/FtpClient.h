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

#include <cstdint>
#include <cstdio>

struct FtpHandle;

// Called while a data handle waits (after each idle time without progress)
// and each time the set number of bytes has passed; false aborts.
typedef bool (*FtpIdleCallback)(FtpHandle* handle, long long bytes, void* argument);

// One connection: the control connection or a data connection.
struct FtpHandle {
    SOCKET socket = INVALID_SOCKET;
    // The line buffer of the control handle and of data handles in mode 'A':
    // received bytes not yet read as lines, or text not yet sent.
    char* buffer = nullptr;
    int cursor = 0;
    int fill = 0;
    bool lastWasCr = false;  // mode 'A' writes: the last byte written was CR
    int direction = 0;              // 0 control, 1 data from the server, 2 data to the server
    FtpHandle* control = nullptr;   // data handle: its control handle
    FtpHandle* data = nullptr;      // control handle: its open data handle
    int connectionMode = 1;         // control handle: 1 passive, 2 port
    DWORD serverAddress = 0;        // control handle: the address dialled, network order
    int timeoutMs = 30000;          // connect, read and write each wait at most this long
    timeval idle = {0, 0};          // time between idle callbacks while waiting
    FtpIdleCallback callback = nullptr;
    void* callbackArgument = nullptr;
    long long bytesBetweenCallbacks = 0;
    long long transferred = 0;
    long long sinceCallback = 0;
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
    FTPC_REMOVE = -24,
    FTPC_OPEN_TRANSFER = -25,
    FTPC_NOT_CONFIRMED = -26,  // the server's closing reply did not confirm the transfer
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
// Port mode: waits (at most 30 seconds) for the server to connect to the
// listener of the data handle; a reply on the control connection instead
// is a refusal.
bool FtpWaitDataConnection(FtpHandle* control, FtpHandle* data);
// A read gives the bytes received, 0 at the end of the data and -1 when the
// connection failed or the callback aborted; a write gives the bytes sent.
// In mode 'A' a read gives at most one line (CR LF read as LF) and a write
// sends CR before every LF that has none.
int FtpDataRead(void* buffer, int length, FtpHandle* data);
int FtpDataWrite(const void* buffer, int length, FtpHandle* data);
// The line buffer: one line (up to LF, at most max bytes, CR LF given as
// LF) or what is left when max is reached first; 0 at the end, -1 on failure.
int FtpBufferedReadLine(char* line, int max, FtpHandle* handle);
// Sends text with CR before every LF that has none: full buffers as they
// fill, the rest at the end. The bytes taken, or -1 when a send fell short.
int FtpBufferedWriteLine(const char* text, int length, FtpHandle* data);
// Data handles only: waits until the socket can be read (direction 1) or
// written (2), calling the idle callback after each idle time without
// progress. No wait without a callback or an idle time. False: the
// callback aborted or select failed (its text in the handle's reply).
bool FtpWaitSocket(FtpHandle* data);
// 1 connection mode (1 passive, 2 port, nothing else), 2 idle callback,
// 3 idle time in milliseconds, 4 callback argument, 5 bytes between
// callbacks. False for an unknown option or value. Data channels opened
// later take the settings of their control handle.
bool FtpSetOption(int option, intptr_t value, FtpHandle* handle);
// Moves a whole file (kind 4 uploads it, kind 3 downloads into it); 0 or a code.
int FtpClientTransfer(const wchar_t* localFile, const char* path, FtpHandle* control, int kind, char mode);
// A data handle: closes it and reads the server's closing reply (the result).
// A control handle: closes its open data handle first, then itself.
bool FtpCloseHandle(FtpHandle* handle);
// The last reply of a control handle; null for a data handle.
const char* FtpReplyText(const FtpHandle* handle);

// Requests on a logged-in control handle.
// MKD: 0 or -18 (paths over 250 characters are refused as well).
int FtpMakeDir(const char* path, FtpHandle* control);
// DELE: 0 or -24 (paths over 249 characters are refused as well).
int FtpRemoveFile(const char* path, FtpHandle* control);
// TYPE and SIZE: the size of the remote file, -1 when refused.
long long FtpQuerySize(const char* path, char mode, FtpHandle* control);
// NLST and LIST in mode 'A' (path may be null) into a local file, or to
// standard output when there is none; 0 or a code.
int FtpListNames(const wchar_t* localFile, const char* path, FtpHandle* control);
int FtpListLong(const wchar_t* localFile, const char* path, FtpHandle* control);
// RETRSYNC into and STORSYNC from a local file; 0 or a code.
int FtpDownload(const wchar_t* localFile, const char* path, char mode, FtpHandle* control);
int FtpUpload(const wchar_t* localFile, const char* path, char mode, FtpHandle* control);

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
    // The control handle once connected, for further requests; the client
    // keeps owning it.
    FtpHandle* GetControl() const { return m_control; }

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
