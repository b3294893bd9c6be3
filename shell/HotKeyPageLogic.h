// The slot tables and decisions of the shortcut page and its two sub-pages,
// without windows: which key of section HotKey and which hot-key id each slot
// has, which sub-page and field a requested slot selects, and what running
// a slot's text or the direct-input line comes to.
#pragma once

#include "fw/Afx.h"

#include <functional>

enum { HOTKEY_PAGE_SLOTS = 9 };
enum HotKeySubPage { HOTKEY_SUB_RUN = 0, HOTKEY_SUB_WEB = 1 };

struct HotKeyPageSlot {
    const wchar_t* key;  // key of section HotKey
    int hotKeyId;        // entry of the hot-key table
    UINT runButton;      // run (program) or go (web) button
    UINT browseButton;   // 0: none
};
const HotKeyPageSlot& GetHotKeyPageSlot(int subPage, int slot);

// Slot edits and hot-key buttons of both sub-pages.
enum { IDC_HK_SLOT_EDIT_FIRST = 2001, IDC_HK_SLOT_BUTTON_FIRST = 1100 };

// Where a requested slot leads: 0-8 the run page's slot, 100-108 the web
// page's slot - 100. Negative values select nothing; a web request beyond
// its slots shows the web page and focuses nothing, as does a run slot
// beyond 8.
struct HotKeySlotRequest {
    int subPage = -1;  // -1: nothing to do
    int slot = -1;     // -1: no field to focus
};
HotKeySlotRequest ResolveHotKeySlot(int request);

// The filter of the run page's Browse: programs and scripts, or anything.
extern const wchar_t kRunSlotBrowseFilter[];

// What running a text came to.
enum HotKeyRunResult {
    HOTKEY_RUN_EMPTY,   // nothing to run: the user is asked for a text
    HOTKEY_RUN_ACTION,  // taken as an action of the program
    HOTKEY_RUN_OPENED,  // handed to the shell, which opened it
    HOTKEY_RUN_FAILED,  // the shell could not open it
};
// An action string goes to the program; anything else to the shell.
HotKeyRunResult RunHotKeyText(const CString& text, const std::function<bool(const CString&)>& runAction,
                              const std::function<bool(const CString&)>& shellOpen);
