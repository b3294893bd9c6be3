// Registering the entries of g_Settings.HotKeyTable with the system, and the user
// slots behind the program and web hot keys.
#pragma once

#include "fw/Afx.h"

struct HotKeyInfo;
class IHotKeyRegistrar;

// The registrar the main frame installs for its window; null (nothing is
// registered) until it does.
void SetHotKeyRegistrar(IHotKeyRegistrar* registrar);
IHotKeyRegistrar* GetHotKeyRegistrar();

// MOD_CONTROL, MOD_ALT and MOD_SHIFT of the entry.
UINT GetHotKeyModifiers(const HotKeyInfo& entry);

// Every entry with a key, only while the EnableHotKey setting is on.
// Failures (a combination another program holds) are silent.
void RegisterHotKeys();
// Every entry with a key, whatever EnableHotKey says.
void UnregisterHotKeys();
// Re-registers one entry (enable and a key) or takes it away.
void UpdateHotKey(int id, bool enable);

// The user slots: program slots start a program, web slots open an address.
enum HotKeySlotKind { HOTKEY_SLOT_NONE, HOTKEY_SLOT_PROGRAM, HOTKEY_SLOT_WEB };
HotKeySlotKind GetHotKeySlotKind(int id);
// The key of section HotKey that holds the slot's target ("HotKey01" ...);
// empty for an id that is no slot.
CString GetHotKeySlotKey(int id);
// The hot-key page item that edits the slot; -1 for an id that is no slot.
int GetHotKeySlotItem(int id);
// True when some slot is edited by that hot-key page item.
bool IsHotKeySlotItem(int item);
