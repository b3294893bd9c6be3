// IFtpdOwner: where the file-share server hands received files over. Called
// on connection threads; the main window queues what it gets and takes it
// over on its own thread.
#pragma once

#include "fw/Afx.h"

class IFtpdOwner {
public:
    virtual ~IFtpdOwner() = default;
    // A note stored completely, with its sender text in the ANSI code page.
    virtual void QueueReceivedMessage(const CString& filePath, const CStringA& senderText) = 0;
    // A synchronisation file stored completely.
    virtual void RequestSyncDialog() = 0;
};
