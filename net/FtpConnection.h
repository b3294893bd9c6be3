// FtpConnection: one control connection of the file-share server, from the
// greeting to its end, with its command interpreter and data connections.
#pragma once

// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "net/FtpUserTable.h"
#include "net/FtpVfs.h"

#include <string>

class CFTPd;

struct FtpConnection {
    CFTPd* server = nullptr;
    SOCKET control = INVALID_SOCKET;
    std::string userName;  // as typed; empty = none
    bool loggedIn = false;
    std::string currentDirectory = "/";
    std::string scratchPath;
    std::string renameSource;
    unsigned restartOffset = 0;
    SOCKET passiveListener = 0;
    sockaddr_in dataAddress = {};
    std::string peerText;
    sockaddr_in peerAddress = {};
    sockaddr_in localAddress = {};
    const FtpMountNode* mountRoot = nullptr;
    const FtpPermissionNode* permissionRoot = nullptr;
    FtpListing listing;
};

// Serves one accepted control socket until the connection ends, then closes
// it. The caller holds a reference to the server for the whole call.
void RunFtpConnection(CFTPd* server, SOCKET control);
