#include "CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxEntryEnd, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

static bool EntryMatches(const AFX_MSGMAP_ENTRY& e, UINT message, UINT code, UINT id) {
    switch (e.nKind) {
    case AfxEntryMessage:
        return e.nMessage == message;
    case AfxEntryRegistered:
        return e.pRegistered && *e.pRegistered != 0 && *e.pRegistered == message;
    case AfxEntryCommand:
    case AfxEntryNotify:
        return e.nMessage == message && e.nCode == code && id >= e.nID && id <= e.nLastID;
    case AfxEntryReflectCode:
        return e.nMessage == message && e.nCode == code;
    default:
        return false;
    }
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id,
                                              const AFX_MSGMAP_ENTRY* after) {
    // "after" continues a search past an entry that declined the message.
    bool skipping = after != nullptr;
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nKind != AfxEntryEnd; ++e) {
            if (skipping) {
                if (e == after) skipping = false;
                continue;
            }
            if (EntryMatches(*e, message, code, id)) return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::DispatchToTable(AFX_MSGCALL& call) {
    const AFX_MSGMAP* map = GetMessageMap();
    for (const AFX_MSGMAP_ENTRY* e = FindEntry(map, call.message, call.nCode, call.nID); e;
         e = FindEntry(map, call.message, call.nCode, call.nID, e)) {
        call.handled = true;
        call.result = 0;
        e->pfn(this, call);
        if (call.handled) return true;
    }
    return false;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (pHandlerInfo) {
        if (!FindEntry(GetMessageMap(), WM_COMMAND, (UINT)nCode, nID)) return FALSE;
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    AFX_MSGCALL call = {WM_COMMAND, MAKEWPARAM(nID, nCode), 0, nID, (UINT)nCode, pExtra, 0, true};
    return DispatchToTable(call) ? TRUE : FALSE;
}
