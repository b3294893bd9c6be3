// CCmdTarget: the root of everything that has a message table (windows and
// the application object). It looks commands up in its own table chain.
#pragma once

#include "MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler of this object's table for a command (nCode is the
    // control notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI). With
    // pHandlerInfo set it only reports whether there is one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Finds the first entry of the table chain that takes the message.
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id,
                                             const AFX_MSGMAP_ENTRY* after = nullptr);
    // Runs the table's handlers for one message; entries that pass the
    // message on (the _EX forms) let the search go on. True when handled.
    bool DispatchToTable(AFX_MSGCALL& call);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();

public:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
