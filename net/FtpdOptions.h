// What the file-share server is started with: a snapshot of the share
// options, taken when it starts, so the server never reads the settings
// while connections run.
#pragma once

#include "fw/Afx.h"

struct FtpdOptions {
    int port = 5330;
    // The address the server listens on, in network order: every interface
    // for the program, the loopback address for tests.
    unsigned long bindAddress = 0;  // INADDR_ANY
    int maxConnect = 5;       // logged-in connections
    int maxPending = 16;      // connections that have not logged in yet
    int connectTimeOut = 10;  // seconds: data connections and every data receive
    int commandTimeOut = 5;   // seconds for a whole command line
    bool dataSync = true, dataSend = true, ftpConnect = true;
    bool download = false, upload = false, list = false, admin = false;
    CString password;
    CString homeDirectory;
    CString programFolder;  // ends in '\'
    CString memoFolder;     // ends in '\'
};

// The share options of g_Settings and the program's folders.
FtpdOptions FtpdOptionsFromSettings();
