#include "net/FtpClient.h"

#include <ws2tcpip.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

const int kBufferSize = 8192;
const int kMaxCommand = 253;
const int kAcceptWaitMs = 30000;

void SetText(FtpHandle* h, const char* text) {
    strncpy(h->reply, text, sizeof(h->reply) - 1);
    h->reply[sizeof(h->reply) - 1] = 0;
}

void SetSocketTimeouts(SOCKET s, int ms) {
    DWORD value = (DWORD)ms;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, (const char*)&value, sizeof(value));
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, (const char*)&value, sizeof(value));
}

// connect() that gives up after ms, leaving the socket blocking again.
bool ConnectWithin(SOCKET s, const sockaddr_in& address, int ms) {
    u_long on = 1, off = 0;
    ioctlsocket(s, FIONBIO, &on);
    bool ok = connect(s, (const sockaddr*)&address, sizeof(address)) == 0;
    if (!ok && WSAGetLastError() == WSAEWOULDBLOCK) {
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(s, &writable);
        FD_SET(s, &failed);
        timeval tv = {ms / 1000, (ms % 1000) * 1000};
        if (select(0, nullptr, &writable, &failed, &tv) == 1 && FD_ISSET(s, &writable)) {
            int error = 0;
            int size = sizeof(error);
            ok = getsockopt(s, SOL_SOCKET, SO_ERROR, (char*)&error, &size) == 0 && error == 0;
        }
    }
    ioctlsocket(s, FIONBIO, &off);
    return ok;
}

bool SendAll(SOCKET s, const char* bytes, int length) {
    while (length > 0) {
        int sent = send(s, bytes, length, 0);
        if (sent <= 0) return false;
        bytes += sent;
        length -= sent;
    }
    return true;
}

// Sends the bytes of a data handle, waiting before each send; the count sent.
int SendData(FtpHandle* data, const char* bytes, int length) {
    int done = 0;
    while (done < length) {
        if (!FtpWaitSocket(data)) break;
        int sent = send(data->socket, bytes + done, length - done, 0);
        if (sent <= 0) break;
        done += sent;
    }
    return done;
}

// Sends the filled part of a mode 'A' buffer; which names the place for
// the failure text.
bool SendLineBuffer(FtpHandle* data, int& fill, int which) {
    int sent = SendData(data, data->buffer, fill);
    if (sent < fill) {
        char text[96];
        snprintf(text, sizeof(text), "net_write(%d) returned %d, errno = %d\n", which, sent, WSAGetLastError());
        SetText(data, text);
        return false;
    }
    fill = 0;
    return true;
}

// Counts moved bytes and calls the callback each time the set number of
// bytes has passed; false when it asked to stop.
bool CountBytes(FtpHandle* h, int n) {
    h->transferred += n;
    if (!h->callback || h->bytesBetweenCallbacks <= 0) return true;
    h->sinceCallback += n;
    if (h->sinceCallback < h->bytesBetweenCallbacks) return true;
    h->sinceCallback %= h->bytesBetweenCallbacks;
    return h->callback(h, h->transferred, h->callbackArgument);
}

// Refills the line buffer: bytes received, 0 at the end, -1 on failure.
int RefillLineBuffer(FtpHandle* h) {
    if (!FtpWaitSocket(h)) return -1;
    int got = recv(h->socket, h->buffer, kBufferSize, 0);
    if (got <= 0) return got < 0 ? -1 : 0;
    h->cursor = 0;
    h->fill = got;
    return got;
}

// One line of the control connection into the reply text, cut at 255
// characters. False when the connection failed, closed or stayed silent.
bool ReadReplyLine(FtpHandle* control) {
    int n = FtpBufferedReadLine(control->reply, (int)sizeof(control->reply) - 1, control);
    if (n <= 0) return false;
    control->reply[n] = 0;
    bool ended = control->reply[n - 1] == '\n';
    while (!ended) {
        char rest[256];
        int m = FtpBufferedReadLine(rest, (int)sizeof(rest), control);
        if (m <= 0) return false;
        ended = rest[m - 1] == '\n';
    }
    return true;
}

void CloseSocket(SOCKET& s) {
    if (s != INVALID_SOCKET) closesocket(s);
    s = INVALID_SOCKET;
}

// Closes a data handle that never carried a transfer: no closing reply.
void DropData(FtpHandle* data) {
    if (!data) return;
    if (data->control && data->control->data == data) data->control->data = nullptr;
    CloseSocket(data->socket);
    delete[] data->buffer;
    delete data;
}

}  // namespace

// The server connects to the listener; its refusal arrives on the control
// connection instead.
bool FtpWaitDataConnection(FtpHandle* control, FtpHandle* data) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(data->socket, &set);
    FD_SET(control->socket, &set);
    int wait = control->timeoutMs < kAcceptWaitMs ? control->timeoutMs : kAcceptWaitMs;
    timeval tv = {wait / 1000, (wait % 1000) * 1000};
    if (control->cursor == control->fill && select(0, &set, nullptr, nullptr, &tv) == 1 &&
        FD_ISSET(data->socket, &set)) {
        SOCKET accepted = accept(data->socket, nullptr, nullptr);
        if (accepted == INVALID_SOCKET) return false;
        closesocket(data->socket);
        data->socket = accepted;
        SetSocketTimeouts(accepted, control->timeoutMs);
        return true;
    }
    if (control->cursor != control->fill || FD_ISSET(control->socket, &set)) FtpGetReply('2', control);
    else SetText(control, "timed out waiting for connection");
    return false;
}

int FtpBufferedReadLine(char* line, int max, FtpHandle* h) {
    if (!h || !h->buffer || max < 2) return -1;
    int out = 0;
    while (out < max) {
        if (h->cursor == h->fill) {
            int got = RefillLineBuffer(h);
            if (got < 0) return -1;
            if (got == 0) return out;  // the last line has no LF
        }
        char c = h->buffer[h->cursor];
        // A CR in the last place may begin a CR LF: it starts the next line.
        if (c == '\r' && out == max - 1 && out > 0) break;
        h->cursor++;
        if (c == '\n') {
            if (out > 0 && line[out - 1] == '\r') --out;
            line[out++] = '\n';
            break;
        }
        line[out++] = c;
    }
    return out;
}

int FtpBufferedWriteLine(const char* text, int length, FtpHandle* data) {
    if (!data || !data->buffer || data->direction != 2) return -1;
    int fill = 0;
    for (int i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\n' && !data->lastWasCr) {
            if (fill == kBufferSize && !SendLineBuffer(data, fill, 1)) return -1;
            data->buffer[fill++] = '\r';
        }
        if (fill == kBufferSize && !SendLineBuffer(data, fill, 2)) return -1;
        data->buffer[fill++] = c;
        data->lastWasCr = c == '\r';
    }
    if (fill > 0 && !SendLineBuffer(data, fill, 3)) return -1;
    return length;
}

bool FtpWaitSocket(FtpHandle* h) {
    // Without an idle time a wait would only spin through the callback;
    // the socket's own time-out bounds the transfer then.
    if (!h || h->direction == 0 || !h->callback || (h->idle.tv_sec == 0 && h->idle.tv_usec == 0)) return true;
    for (;;) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(h->socket, &set);
        timeval wait = h->idle;
        int ready = select(0, h->direction == 1 ? &set : nullptr, h->direction == 2 ? &set : nullptr, nullptr, &wait);
        if (ready > 0) return true;
        if (ready < 0) {
            char text[256] = {0};
            FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, WSAGetLastError(), 0,
                           text, sizeof(text) - 1, nullptr);
            SetText(h, text[0] ? text : "select");
            return false;
        }
        if (!h->callback(h, h->transferred, h->callbackArgument)) return false;
    }
}

bool FtpSetOption(int option, intptr_t value, FtpHandle* h) {
    if (!h) return false;
    switch (option) {
    case 1:
        if (value != 1 && value != 2) return false;
        h->connectionMode = (int)value;
        return true;
    case 2:
        h->callback = reinterpret_cast<FtpIdleCallback>(value);
        return true;
    case 3:
        if (value < 0) return false;
        h->idle.tv_sec = (long)(value / 1000);
        h->idle.tv_usec = (long)(value % 1000 * 1000);
        return true;
    case 4:
        h->callbackArgument = reinterpret_cast<void*>(value);
        return true;
    case 5:
        if (value < 0) return false;
        h->bytesBetweenCallbacks = value;
        return true;
    default:
        return false;
    }
}

bool FtpGetReply(char expected, FtpHandle* control) {
    if (!ReadReplyLine(control)) {
        SetText(control, "Control socket read failed");
        return false;
    }
    if (control->reply[3] == '-') {
        char prefix[5] = {control->reply[0], control->reply[1], control->reply[2], ' ', 0};
        do {
            if (!ReadReplyLine(control)) {
                SetText(control, "Control socket read failed");
                return false;
            }
        } while (strncmp(control->reply, prefix, 4) != 0);
    }
    return control->reply[0] == expected;
}

bool FtpCommand(const char* command, char expected, FtpHandle* control) {
    if (!control || control->direction != 0) return false;
    size_t length = strlen(command);
    if (length > kMaxCommand) {
        SetText(control, "Command too long");
        return false;
    }
    std::string line = std::string(command) + "\r\n";
    if (!SendAll(control->socket, line.data(), (int)line.size())) {
        SetText(control, "Control socket write failed");
        return false;
    }
    return FtpGetReply(expected, control);
}

bool FtpOpenDataChannel(FtpHandle* control, FtpHandle** dataOut, char mode, int direction) {
    *dataOut = nullptr;
    char text[64];
    if (direction != 1 && direction != 2) {
        snprintf(text, sizeof(text), "Invalid direction %d\n", direction);
        SetText(control, text);
        return false;
    }
    if (mode != 'A' && mode != 'I') {
        snprintf(text, sizeof(text), "Invalid mode %c\n", mode);
        SetText(control, text);
        return false;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    if (control->connectionMode == 1) {
        if (!FtpCommand("PASV", '2', control)) return false;
        const char* open = strchr(control->reply, '(');
        unsigned v[6];
        if (!open || sscanf(open + 1, "%u,%u,%u,%u,%u,%u", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]) != 6 ||
            v[4] > 255 || v[5] > 255) {
            SetText(control, "Bad passive reply");
            return false;
        }
        // The address the reply names is not used: the server is where the
        // control connection went.
        address.sin_addr.s_addr = control->serverAddress;
        address.sin_port = htons((u_short)(v[4] << 8 | v[5]));
    } else {
        int size = sizeof(address);
        if (getsockname(control->socket, (sockaddr*)&address, &size) != 0) return false;
        address.sin_port = 0;
    }
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        SetText(control, "socket");
        return false;
    }
    BOOL on = TRUE;
    linger off = {0, 0};
    if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR, (const char*)&on, sizeof(on)) != 0 ||
        setsockopt(s, SOL_SOCKET, SO_LINGER, (const char*)&off, sizeof(off)) != 0) {
        SetText(control, "setsockopt");
        closesocket(s);
        return false;
    }
    if (control->connectionMode == 1) {
        if (!ConnectWithin(s, address, control->timeoutMs)) {
            SetText(control, "connect");
            closesocket(s);
            return false;
        }
        SetSocketTimeouts(s, control->timeoutMs);
    } else {
        if (bind(s, (const sockaddr*)&address, sizeof(address)) != 0) {
            SetText(control, "bind");
            closesocket(s);
            return false;
        }
        if (listen(s, 1) != 0) {
            SetText(control, "listen");
            closesocket(s);
            return false;
        }
        int size = sizeof(address);
        getsockname(s, (sockaddr*)&address, &size);
        const unsigned char* a = (const unsigned char*)&address.sin_addr.s_addr;
        unsigned port = ntohs(address.sin_port);
        char command[64];
        snprintf(command, sizeof(command), "PORT %d,%d,%d,%d,%d,%d", a[0], a[1], a[2], a[3], port >> 8, port & 255);
        if (!FtpCommand(command, '2', control)) {
            closesocket(s);
            return false;
        }
    }
    FtpHandle* data = new FtpHandle;
    data->socket = s;
    data->direction = direction;
    data->control = control;
    data->timeoutMs = control->timeoutMs;
    if (mode == 'A') data->buffer = new char[kBufferSize];
    data->idle = control->idle;
    data->callbackArgument = control->callbackArgument;
    data->bytesBetweenCallbacks = control->bytesBetweenCallbacks;
    if (control->idle.tv_sec || control->idle.tv_usec || control->bytesBetweenCallbacks)
        data->callback = control->callback;
    *dataOut = data;
    return true;
}

bool FtpOpenTransfer(const char* path, int kind, char mode, FtpHandle* control, FtpHandle** dataOut) {
    *dataOut = nullptr;
    static const char* const words[] = {nullptr, "NLST", "LIST", "RETRSYNC", "STORSYNC"};
    if (kind < 1 || kind > 4) {
        char text[64];
        snprintf(text, sizeof(text), "Invalid open type %d\n", kind);
        SetText(control, text);
        return false;
    }
    if ((kind == 3 || kind == 4) && (!path || !*path)) {
        SetText(control, "Missing path argument for file transfer\n");
        return false;
    }
    char type[16];
    snprintf(type, sizeof(type), "TYPE %c", mode);
    if (!FtpCommand(type, '2', control)) return false;
    std::string command = words[kind];
    if (path && *path) command += std::string(" ") + path;
    if (command.size() >= 256) {
        SetText(control, "Command too long");
        return false;
    }
    FtpHandle* data = nullptr;
    if (!FtpOpenDataChannel(control, &data, mode, kind == 4 ? 2 : 1)) return false;
    if (!FtpCommand(command.c_str(), '1', control)) {
        DropData(data);
        return false;
    }
    data->control = control;
    control->data = data;
    if (control->connectionMode == 2 && !FtpWaitDataConnection(control, data)) {
        DropData(data);
        return false;
    }
    *dataOut = data;
    return true;
}

int FtpDataRead(void* buffer, int length, FtpHandle* data) {
    if (!data || data->direction != 1 || length <= 0) return 0;
    int got;
    if (data->buffer) {
        got = FtpBufferedReadLine((char*)buffer, length, data);
    } else {
        if (!FtpWaitSocket(data)) return -1;
        got = recv(data->socket, (char*)buffer, length, 0);
    }
    if (got <= 0) return got < 0 ? -1 : 0;
    return CountBytes(data, got) ? got : -1;
}

int FtpDataWrite(const void* buffer, int length, FtpHandle* data) {
    if (!data || data->direction != 2) return 0;
    int done;
    if (data->buffer)
        done = FtpBufferedWriteLine((const char*)buffer, length, data) < 0 ? 0 : length;
    else
        done = SendData(data, (const char*)buffer, length);
    // A write goes on whatever the callback answers: only reads stop on it.
    CountBytes(data, done);
    return done;
}

bool FtpCloseHandle(FtpHandle* handle) {
    if (!handle) return false;
    if (handle->direction == 0) {
        if (handle->data) DropData(handle->data);
        CloseSocket(handle->socket);
        delete[] handle->buffer;
        delete handle;
        return true;
    }
    FtpHandle* control = handle->control;
    shutdown(handle->socket, SD_BOTH);
    DropData(handle);
    return control ? FtpGetReply('2', control) : true;
}

const char* FtpReplyText(const FtpHandle* handle) { return handle && handle->direction == 0 ? handle->reply : nullptr; }

int FtpClientTransfer(const wchar_t* localFile, const char* path, FtpHandle* control, int kind, char mode) {
    bool upload = kind == 4;
    const wchar_t* how = upload ? (mode == 'I' ? L"rb" : L"r") : (mode == 'I' ? L"wb" : L"w");
    FILE* file = localFile ? _wfopen(localFile, how) : (upload ? stdin : stdout);
    if (!file) {
        SetText(control, strerror(errno));
        return FTPC_OPEN_LOCAL;
    }
    FtpHandle* data = nullptr;
    if (!FtpOpenTransfer(path, kind, mode, control, &data)) {
        if (localFile) fclose(file);
        const char* shown = path ? path : "";
        std::string text = std::string("server file access fail") +
                           (strlen(shown) < 200 ? std::string(" path = ") + shown : std::string()) +
                           "\n" + control->reply;
        SetText(control, text.c_str());
        return FTPC_OPEN_TRANSFER;
    }
    int status = 0;
    std::string failure;
    char block[kBufferSize];
    if (upload) {
        size_t n;
        while ((n = fread(block, 1, sizeof(block), file)) > 0) {
            int wrote = FtpDataWrite(block, (int)n, data);
            if (wrote < (int)n) {
                char text[96];
                snprintf(text, sizeof(text), "short write: passed %d, wrote %d\n", (int)n, wrote);
                failure = std::string(text) + data->reply;
                status = FTPC_SHORT_WRITE;
                break;
            }
        }
    } else {
        int n;
        while ((n = FtpDataRead(block, sizeof(block), data)) != 0) {
            if (n < 0 || fwrite(block, 1, (size_t)n, file) != (size_t)n) {
                failure = n < 0 ? "data connection read failed" : "localfile write";
                status = FTPC_WRITE_LOCAL;
                break;
            }
        }
    }
    fflush(file);
    if (localFile) fclose(file);
    bool confirmed = FtpCloseHandle(data);
    if (status == 0 && !confirmed) {
        // The server did not confirm the file: a delivery it did not keep
        // is not reported as done.
        failure = std::string("Transfer not confirmed\n") + control->reply;
        status = FTPC_NOT_CONFIRMED;
    }
    if (status != 0) SetText(control, failure.c_str());
    return status;
}

int FtpMakeDir(const char* path, FtpHandle* control) {
    if (!path || strlen(path) > 250) {
        SetText(control, "Path too long");
        return FTPC_MAKE_DIR;
    }
    return FtpCommand((std::string("MKD ") + path).c_str(), '2', control) ? 0 : FTPC_MAKE_DIR;
}

int FtpRemoveFile(const char* path, FtpHandle* control) {
    if (!path || strlen(path) > 249) {
        SetText(control, "Path too long");
        return FTPC_REMOVE;
    }
    return FtpCommand((std::string("DELE ") + path).c_str(), '2', control) ? 0 : FTPC_REMOVE;
}

long long FtpQuerySize(const char* path, char mode, FtpHandle* control) {
    char type[16];
    snprintf(type, sizeof(type), "TYPE %c", mode);
    if (!path || !FtpCommand(type, '2', control) || !FtpCommand((std::string("SIZE ") + path).c_str(), '2', control))
        return -1;
    int code = 0;
    long long size = -1;
    return sscanf(control->reply, "%d %lld", &code, &size) == 2 ? size : -1;
}

int FtpListNames(const wchar_t* localFile, const char* path, FtpHandle* control) {
    return FtpClientTransfer(localFile, path, control, 1, 'A');
}

int FtpListLong(const wchar_t* localFile, const char* path, FtpHandle* control) {
    return FtpClientTransfer(localFile, path, control, 2, 'A');
}

int FtpDownload(const wchar_t* localFile, const char* path, char mode, FtpHandle* control) {
    return FtpClientTransfer(localFile, path, control, 3, mode);
}

int FtpUpload(const wchar_t* localFile, const char* path, char mode, FtpHandle* control) {
    return FtpClientTransfer(localFile, path, control, 4, mode);
}

CStringA FtpClientErrorText(int code) {
    switch (code) {
    case FTPC_BAD_SERVER: return "Invalid Server Info";
    case FTPC_RESOLVE: return "gethostbyname fail";
    case FTPC_SOCKET: return "Socket Fail";
    case FTPC_SOCKOPT: return "Setsocket Fail";
    case FTPC_CONNECT: return "Failed to Connect";
    case FTPC_GREETING: return "Bad respond";
    case FTPC_LOGIN_INPUT:
    case FTPC_USER_REFUSED:
    case FTPC_PASSWORD_REFUSED: return "Login failure";
    case FTPC_NO_LOCAL_FILE: return "The note's file was not found";
    case FTPC_OPEN_LOCAL: return "The note's file could not be opened";
    case FTPC_WRITE_LOCAL: return "localfile write";
    case FTPC_SHORT_WRITE: return "The connection ended during the transfer";
    case FTPC_REMOVE: return "The server did not delete the file";
    case FTPC_OPEN_TRANSFER: return "server file access fail";
    case FTPC_NOT_CONFIRMED: return "Transfer not confirmed";
    default: {
        CStringA text;
        text.Format("Transfer failed (%d)", code);
        return text;
    }
    }
}

CFtpClient::CFtpClient(const CStringA& host, int port, const CStringA& user, const CStringA& password)
    : m_user(user), m_port(port), m_password(password), m_host(host) {
    WSADATA wsa;
    m_wsa = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
}

CFtpClient::~CFtpClient() {
    // No QUIT: the server sees the connection close.
    if (m_control) FtpCloseHandle(m_control);
    if (m_wsa) WSACleanup();
}

int CFtpClient::Fail(int code, const CStringA& text) {
    m_lastError = text.IsEmpty() ? FtpClientErrorText(code) : text;
    return code;
}

int CFtpClient::Connect() {
    if (m_port <= 0 || m_port > 65535) return Fail(FTPC_BAD_SERVER, "Invalid Server Info");
    if (m_connected) return 0;
    DWORD address = inet_addr(m_host);
    if (address == INADDR_NONE) {
        hostent* host = gethostbyname(m_host);
        if (!host || host->h_addrtype != AF_INET || !host->h_addr_list[0])
            return Fail(FTPC_RESOLVE, "gethostbyname fail");
        memcpy(&address, host->h_addr_list[0], 4);
    }
    m_serverAddress = address;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return Fail(FTPC_SOCKET, "Socket Fail");
    BOOL on = TRUE;
    if (setsockopt(s, SOL_SOCKET, SO_REUSEADDR, (const char*)&on, sizeof(on)) != 0) {
        closesocket(s);
        return Fail(FTPC_SOCKOPT, "Setsocket Fail");
    }
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = address;
    target.sin_port = htons((u_short)m_port);
    if (!ConnectWithin(s, target, m_timeoutMs)) {
        closesocket(s);
        return Fail(FTPC_CONNECT, "Failed to Connect");
    }
    SetSocketTimeouts(s, m_timeoutMs);
    m_control = new FtpHandle;
    m_control->socket = s;
    m_control->buffer = new char[kBufferSize];
    m_control->connectionMode = m_passive ? 1 : 2;
    m_control->serverAddress = address;
    m_control->timeoutMs = m_timeoutMs;
    if (!FtpGetReply('2', m_control)) {
        FtpCloseHandle(m_control);
        m_control = nullptr;
        return Fail(FTPC_GREETING, "Bad respond");
    }
    int code = Login();
    if (code != 0) {
        CStringA text = "Login failure\n";
        text += m_control->reply;
        FtpCloseHandle(m_control);
        m_control = nullptr;
        return Fail(code, text);
    }
    m_connected = true;
    return 0;
}

int CFtpClient::Login() {
    if (m_user.IsEmpty() || m_password.IsEmpty() || m_user.GetLength() > kMaxUser ||
        m_password.GetLength() > kMaxPassword)
        return FTPC_LOGIN_INPUT;
    CStringA command = "USER " + m_user;
    if (!FtpCommand(command, '3', m_control)) return m_control->reply[0] == '2' ? 0 : FTPC_USER_REFUSED;
    command = "ENCPASS " + m_password;
    return FtpCommand(command, '2', m_control) ? 0 : FTPC_PASSWORD_REFUSED;
}

int CFtpClient::Put(const CString& localFile, const CStringA& remoteName) {
    m_action = 1;
    m_localFile = localFile;
    m_remoteName = remoteName;
    int code = Connect();
    if (code != 0) return code;
    return RunAction();
}

int CFtpClient::RunAction() {
    int code = Connect();
    if (code != 0) return code;
    FtpSetOption(2, 0, m_control);
    if (m_action != 1) return 0;
    struct _stat64 info;
    if (_wstat64(m_localFile, &info) != 0) {
        CStringA text;
        text.Format("%s failed\n", CStringA(m_localFile).GetString());
        return Fail(FTPC_NO_LOCAL_FILE, text);
    }
    if (info.st_mode & _S_IFDIR) {
        if (FtpMakeDir(m_remoteName, m_control) == 0) return 0;
        return Fail(FTPC_MAKE_DIR, "mkdir " + m_remoteName + " failed\n" + m_control->reply);
    }
    code = FtpUpload(m_localFile, m_remoteName, m_type, m_control);
    return code == 0 ? 0 : Fail(code, m_control->reply);
}
