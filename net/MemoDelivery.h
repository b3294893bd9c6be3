// One delivery of a note to another copy's server, as the send dialog's
// worker runs it: everything it needs is copied in before the worker
// starts, so the worker never reads a window.
#pragma once

#include "fw/Afx.h"

struct MemoDelivery {
    CString ip;         // as typed
    int port = 5330;
    CString password;   // the receiver's share password, as typed
    CString localFile;  // the note's file
    CStringA name;      // MemoTransferName of the note
    int timeoutMs = 30000;
    bool passive = true;
};

// Logs in as "transfer" with the encrypted password and uploads the note.
// 0 on success; otherwise the client's code with a readable failure text,
// never an empty one.
int DeliverMemo(const MemoDelivery& delivery, CStringA& failure);
