#include "shell/HotKeyTable.h"

#include "shell/HotKeyRegistrar.h"
#include "shell/Settings.h"

namespace {
IHotKeyRegistrar* g_registrar = nullptr;

bool ValidId(int id) { return id >= 0 && id < HOTKEY_COUNT; }
}  // namespace

void SetHotKeyRegistrar(IHotKeyRegistrar* registrar) { g_registrar = registrar; }
IHotKeyRegistrar* GetHotKeyRegistrar() { return g_registrar; }

UINT GetHotKeyModifiers(const HotKeyInfo& entry) {
    UINT modifiers = 0;
    if (entry.ctrl) modifiers |= MOD_CONTROL;
    if (entry.alt) modifiers |= MOD_ALT;
    if (entry.shift) modifiers |= MOD_SHIFT;
    return modifiers;
}

void RegisterHotKeys() {
    if (!g_registrar || !g_Settings.General.EnableHotKey) return;
    for (int id = 0; id < HOTKEY_COUNT; ++id) {
        const HotKeyInfo& entry = g_Settings.HotKeyTable[id];
        if (entry.key >= 0) g_registrar->Register(id, GetHotKeyModifiers(entry), (UINT)entry.key);
    }
}

void UnregisterHotKeys() {
    if (!g_registrar) return;
    for (int id = 0; id < HOTKEY_COUNT; ++id)
        if (g_Settings.HotKeyTable[id].key >= 0) g_registrar->Unregister(id);
}

void UpdateHotKey(int id, bool enable) {
    if (!g_registrar || !ValidId(id)) return;
    const HotKeyInfo& entry = g_Settings.HotKeyTable[id];
    if (enable && entry.key >= 0) g_registrar->Register(id, GetHotKeyModifiers(entry), (UINT)entry.key);
    else g_registrar->Unregister(id);
}

HotKeySlotKind GetHotKeySlotKind(int id) {
    if ((id >= 3 && id <= 6) || (id >= 24 && id <= 28)) return HOTKEY_SLOT_PROGRAM;
    if ((id >= 7 && id <= 10) || (id >= 29 && id <= 33)) return HOTKEY_SLOT_WEB;
    return HOTKEY_SLOT_NONE;
}

CString GetHotKeySlotKey(int id) {
    CString key;
    if (id >= 3 && id <= 10) key.Format(L"HotKey%02d", id - 2);
    else if (id >= 24 && id <= 33) key.Format(L"HotKeyEx%02d", id - 23);
    return key;
}

int GetHotKeySlotItem(int id) {
    if (id >= 3 && id <= 6) return id - 3;
    if (id >= 7 && id <= 10) return id + 93;
    if (id >= 24 && id <= 28) return id - 20;
    if (id >= 29 && id <= 33) return id + 75;
    return -1;
}

bool IsHotKeySlotItem(int item) {
    for (int id = 0; id < HOTKEY_COUNT; ++id)
        if (GetHotKeySlotItem(id) == item) return true;
    return false;
}
