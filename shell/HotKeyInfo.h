// One global hot key: the modifiers, the virtual key and the name shown for it.
#pragma once

#include "fw/Afx.h"

struct HotKeyInfo {
    enum { NameSize = 10 };  // UTF-16 units, terminator included

    int ctrl = 0;             // 1 when Ctrl belongs to the combination
    int alt = 0;              // 1 when Alt does
    int shift = 0;            // 1 when Shift does
    int key = 0;              // virtual-key code; -1 when no key is assigned
    wchar_t name[NameSize] = {};  // the key's display name, at most 9 characters
    int id = 0;               // the hot-key id, also the entry's index in the table

    // Stores at most NameSize - 1 characters of the name.
    void SetName(const wchar_t* text);
    CString GetName() const { return CString(name, (int)wcsnlen(name, NameSize)); }
};

// "Ctrl+Shift+F5": the modifier words of the text table joined with "+" and
// the key name; empty when the entry has no key or hot keys are switched off.
CString FormatHotKeyText(const HotKeyInfo& info);

// The same preceded by a tab, so a menu item shows it right-aligned.
CString FormatHotKeyMenuText(const HotKeyInfo& info);
