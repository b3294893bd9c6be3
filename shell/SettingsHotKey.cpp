// Section HotKey: the 38 global hot keys, one key "Key%02d" each.
#include "LanguageTable.h"
#include "Settings.h"
#include "SettingsSections.h"
#include "SettingsStore.h"
#include "TextUtil.h"

#include <climits>

namespace {
const wchar_t kHotKey[] = L"HotKey";

struct DefaultHotKey {
    int key;              // virtual-key code, -1 for none
    const wchar_t* name;
    int actionText;       // text number of the action's name, 0 for the slots
};

const DefaultHotKey kDefaults[HOTKEY_COUNT] = {
    {0x4E, L"N", 222},       {0x21, L"PgUp", 11100},  {0x22, L"PgDown", 11101},
    {0x70, L"F1", 0},        {0x71, L"F2", 0},        {0x72, L"F3", 0},
    {0x73, L"F4", 0},        {0x74, L"F5", 0},        {0x75, L"F6", 0},
    {0x76, L"F7", 0},        {0x77, L"F8", 0},        {0x78, L"F9", 100},
    {0x4D, L"M", 27300},     {0x7A, L"F11", 223},     {0x7B, L"F12", 224},
    {0x43, L"C", 225},       {0x50, L"P", 22020},     {0x53, L"S", 11121},
    {0x56, L"V", 210},       {0x44, L"D", 208},       {0x46, L"F", 214},
    {0x24, L"Home", 221},    {0x23, L"End", 240},     {0x57, L"W", 22021},
    {-1, L"1", 0},           {-1, L"2", 0},           {-1, L"3", 0},
    {-1, L"4", 0},           {-1, L"5", 0},           {-1, L"6", 0},
    {-1, L"7", 0},           {-1, L"8", 0},           {-1, L"9", 0},
    {-1, L"0", 0},           {0x51, L"Q", 11131},     {0x4F, L"O", 31001},
    {0x4C, L"L", 27009},     {0x49, L"I", 31007},
};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

}  // namespace

void SetDefaultHotKey(int id, HotKeyInfo& entry) {
    if (id < 0 || id >= HOTKEY_COUNT) return;
    entry.ctrl = 1;
    entry.alt = 1;
    entry.shift = 0;
    entry.key = kDefaults[id].key;
    entry.SetName(kDefaults[id].name);
}

CString GetHotKeyActionName(int id) {
    if (id == HOTKEY_COUNT) id = 21;  // one past the table reads as "show all widgets"
    if (id < 0 || id > HOTKEY_COUNT || kDefaults[id].actionText == 0) return CString();
    return g_LanguageTable[kDefaults[id].actionText];
}

void ParseHotKeyText(const wchar_t* text, HotKeyInfo& entry) {
    if (!text) return;
    const wchar_t* p = text;
    int* fields[] = {&entry.ctrl, &entry.alt, &entry.shift, &entry.key};
    for (int* field : fields)
        if (!ScanInt(p, *field)) return;
    while (IsBlank(*p)) ++p;
    if (!*p) return;
    // The name field holds nine characters; a longer token is cut there.
    wchar_t name[HotKeyInfo::NameSize] = {};
    int n = 0;
    for (; *p && !IsBlank(*p); ++p)
        if (n < HotKeyInfo::NameSize - 1) name[n++] = *p;
    entry.SetName(name);
}

CString MakeHotKeyText(const HotKeyInfo& entry) {
    CString text;
    text.Format(L"%d %d %d %d %s", entry.ctrl, entry.alt, entry.shift, entry.key, entry.GetName().GetString());
    return text;
}

void ReadHotKeySettings(CSettingsStore& store) {
    for (int n = 0; n < HOTKEY_COUNT; ++n) {
        CString key;
        key.Format(L"Key%02d", n);
        CString text = store.GetConfigString(kHotKey, key, L"");
        HotKeyInfo& entry = g_Settings.HotKeyTable[n];
        if (text.IsEmpty())
            SetDefaultHotKey(n, entry);
        else
            ParseHotKeyText(text, entry);
        entry.id = n;
    }
}

void WriteHotKeySettings(CSettingsStore& store) {
    for (int n = 0; n < HOTKEY_COUNT; ++n) {
        CString key;
        key.Format(L"Key%02d", n);
        store.WriteConfigString(kHotKey, key, MakeHotKeyText(g_Settings.HotKeyTable[n]));
    }
}
