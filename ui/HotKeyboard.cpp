#include "ui/HotKeyboard.h"

#include "shell/HotKeyDispatcher.h"
#include "shell/HotKeyTable.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsSections.h"
#include "shell/ZMsgBox.h"

BEGIN_MESSAGE_MAP(CHotKeyboard, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HKB_CTRL, IDC_HKB_ALT, OnModifier)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HKB_SHIFT, IDC_HKB_SHIFT, OnModifier)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HKB_FIRST_KEY, IDC_HKB_LAST_KEY, OnKey)
    ON_BN_CLICKED(IDC_HKB_NOT_USE, OnNotUse)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

enum {
    IDS_CANCEL = 26,
    IDS_SETTINGS = 100,
    IDS_BASIC = 90,
    IDS_ENABLE_SHORTCUT = 243,
    IDS_SET_SHORTCUT = 1800,
    IDS_NOT_USE = 1801,
    IDS_NO_MODIFIER = 10035,
    IDS_THREE_MODIFIERS = 10036,
    IDS_HOTKEYS_OFF = 10045,
    IDS_DUPLICATE = 10046,
    IDS_SHORTCUT_SETTING = 10047,
    IDS_CTRL = 10048,
    IDS_ALT = 10049,
    IDS_SHIFT = 10050,
};

struct KeyRow {
    int id;
    int code;
    const wchar_t* name;
};

const KeyRow kKeys[] = {
    {1001, '1', L"1"}, {1002, '2', L"2"}, {1003, '3', L"3"}, {1004, '4', L"4"}, {1005, '5', L"5"},
    {1006, '6', L"6"}, {1007, '7', L"7"}, {1008, '8', L"8"}, {1009, '9', L"9"}, {1010, '0', L"0"},
    {1014, 'Q', L"Q"}, {1015, 'W', L"W"}, {1016, 'E', L"E"}, {1017, 'R', L"R"}, {1018, 'T', L"T"},
    {1019, 'Y', L"Y"}, {1020, 'U', L"U"}, {1021, 'I', L"I"}, {1022, 'O', L"O"}, {1023, 'P', L"P"},
    {1027, 'A', L"A"}, {1028, 'S', L"S"}, {1029, 'D', L"D"}, {1030, 'F', L"F"}, {1031, 'G', L"G"},
    {1032, 'H', L"H"}, {1033, 'J', L"J"}, {1034, 'K', L"K"}, {1035, 'L', L"L"},
    {1038, 'Z', L"Z"}, {1039, 'X', L"X"}, {1040, 'C', L"C"}, {1041, 'V', L"V"}, {1042, 'B', L"B"},
    {1043, 'N', L"N"}, {1044, 'M', L"M"},
    {1048, VK_F1, L"F1"}, {1049, VK_F2, L"F2"}, {1050, VK_F3, L"F3"}, {1051, VK_F4, L"F4"},
    {1052, VK_F5, L"F5"}, {1053, VK_F6, L"F6"}, {1054, VK_F7, L"F7"}, {1055, VK_F8, L"F8"},
    {1056, VK_F9, L"F9"}, {1057, VK_F10, L"F10"}, {1058, VK_F11, L"F11"}, {1059, VK_F12, L"F12"},
    {1060, VK_UP, L"\u2191"}, {1061, VK_DOWN, L"\u2193"}, {1062, VK_LEFT, L"\u2190"}, {1063, VK_RIGHT, L"\u2192"},
    {1064, VK_INSERT, L"Ins"}, {1065, VK_HOME, L"Home"}, {1066, VK_PRIOR, L"PageUp"},
    {1067, VK_DELETE, L"Del"}, {1068, VK_END, L"End"}, {1069, VK_NEXT, L"PageDown"},
};

bool SameCombination(const HotKeyInfo& entry, int ctrl, int alt, int shift) {
    return entry.ctrl == ctrl && entry.alt == alt && entry.shift == shift;
}

}  // namespace

CHotKeyboard::CHotKeyboard(const HotKeyInfo& record, CWnd* parent)
    : CDialog(IDD_HOTKEYBOARD, parent),
      m_ctrl(record.ctrl),
      m_alt(record.alt),
      m_shift(record.shift),
      m_key(record.key),
      m_slot(record.id) {
    wcsncpy(m_keyName, record.name, HotKeyInfo::NameSize);
    m_keyName[HotKeyInfo::NameSize - 1] = 0;
}

// ---- Decisions ---------------------------------------------------------------------

int CHotKeyboard::GetKeyCode(int buttonId, CString* name) {
    for (const KeyRow& row : kKeys) {
        if (row.id == buttonId) {
            if (name) *name = row.name;
            return row.code;
        }
    }
    return -1;
}

int CHotKeyboard::GetKeyButton(int code) {
    for (const KeyRow& row : kKeys)
        if (row.code == code) return row.id;
    return 0;
}

const std::vector<int>& CHotKeyboard::GetSelectableKeys() {
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (const KeyRow& row : kKeys) v.push_back(row.id);
        return v;
    }();
    return ids;
}

CString CHotKeyboard::MakeTitle(int slot, int ctrl, int alt, int shift, int key, const CString& keyName) {
    CString action = GetHotKeyActionName(slot);
    CString title = action.IsEmpty() ? g_LanguageTable[IDS_SHORTCUT_SETTING] + L" " : action + L" : ";
    if (ctrl) title += g_LanguageTable[IDS_CTRL] + L" + ";
    if (alt) title += g_LanguageTable[IDS_ALT] + L" + ";
    if (shift) title += g_LanguageTable[IDS_SHIFT] + L" + ";
    if (key > 0) title += keyName;
    return title;
}

std::vector<int> CHotKeyboard::GetKeysInUse(int slot, int ctrl, int alt, int shift) {
    std::vector<int> used;
    for (int i = 0; i < HOTKEY_COUNT; ++i) {
        const HotKeyInfo& entry = g_Settings.HotKeyTable[i];
        if (i == slot || !SameCombination(entry, ctrl, alt, shift)) continue;
        if (int button = GetKeyButton(entry.key)) used.push_back(button);
    }
    return used;
}

CHotKeyboard::KeyVerdict CHotKeyboard::JudgeKey(int slot, int ctrl, int alt, int shift, int key) {
    int modifiers = (ctrl != 0) + (alt != 0) + (shift != 0);
    if (modifiers == 0) return KEY_NO_MODIFIER;
    if (modifiers == 3) return KEY_THREE_MODIFIERS;
    for (int i = 0; i < HOTKEY_COUNT; ++i) {
        const HotKeyInfo& entry = g_Settings.HotKeyTable[i];
        if (i != slot && entry.key == key && SameCombination(entry, ctrl, alt, shift)) return KEY_DUPLICATE;
    }
    return KEY_ACCEPTED;
}

CString CHotKeyboard::MakeModifierMessage(int textId) {
    CString text = g_LanguageTable[textId];
    text.Replace(L"#CTRL#", g_LanguageTable[IDS_CTRL]);
    text.Replace(L"#ALT#", g_LanguageTable[IDS_ALT]);
    text.Replace(L"#SHIFT#", g_LanguageTable[IDS_SHIFT]);
    return text;
}

CString CHotKeyboard::MakeHotKeysOffMessage() {
    CString text = g_LanguageTable[IDS_HOTKEYS_OFF];
    text.Replace(L"#100#", g_LanguageTable[IDS_SETTINGS]);
    text.Replace(L"#90#", g_LanguageTable[IDS_BASIC]);
    text.Replace(L"#243#", g_LanguageTable[IDS_ENABLE_SHORTCUT]);
    return text;
}

// A one-button warning in the program's own message box.
void CHotKeyboard::Warn(const CString& text) { ShowMessageBox(text, -1); }

// ---- The window ----------------------------------------------------------------------

void CHotKeyboard::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_HKB_CTRL, m_ctrl);
    DDX_Check(dx, IDC_HKB_ALT, m_alt);
    DDX_Check(dx, IDC_HKB_SHIFT, m_shift);
}

void CHotKeyboard::PostNcDestroy() {
    CDialog::PostNcDestroy();
    if (m_direct) delete this;
}

BOOL CHotKeyboard::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[IDS_SET_SHORTCUT]);
    if (CWnd* notUse = GetDlgItem(IDC_HKB_NOT_USE)) notUse->SetWindowText(g_LanguageTable[IDS_NOT_USE]);
    if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(g_LanguageTable[IDS_CANCEL]);
    // The current key stands out as a flat button.
    if (int button = GetKeyButton(m_key))
        if (CWnd* current = GetDlgItem(button)) current->ModifyStyle(0, BS_FLAT);
    RefreshTitle();
    DisableKeysInUse();
    if (m_direct) {
        CenterWindow(CWnd::FromHandle(::GetDesktopWindow()));
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return TRUE;
}

void CHotKeyboard::RefreshTitle() { SetWindowText(MakeTitle(m_slot, m_ctrl, m_alt, m_shift, m_key, GetKeyName())); }

void CHotKeyboard::DisableKeysInUse() {
    for (int id : GetSelectableKeys())
        if (CWnd* key = GetDlgItem(id)) key->EnableWindow(TRUE);
    for (int id : GetKeysInUse(m_slot, m_ctrl, m_alt, m_shift))
        if (CWnd* key = GetDlgItem(id)) key->EnableWindow(FALSE);
}

void CHotKeyboard::ReadChecks() {
    m_ctrl = IsDlgButtonChecked(IDC_HKB_CTRL) == BST_CHECKED ? 1 : 0;
    m_alt = IsDlgButtonChecked(IDC_HKB_ALT) == BST_CHECKED ? 1 : 0;
    m_shift = IsDlgButtonChecked(IDC_HKB_SHIFT) == BST_CHECKED ? 1 : 0;
}

void CHotKeyboard::OnModifier(UINT) {
    ReadChecks();
    RefreshTitle();
    DisableKeysInUse();
}

void CHotKeyboard::OnKey(UINT id) {
    ReadChecks();
    int modifiers = m_ctrl + m_alt + m_shift;
    if (modifiers == 0) {
        Warn(MakeModifierMessage(IDS_NO_MODIFIER));
        return;
    }
    if (modifiers == 3) {
        Warn(MakeModifierMessage(IDS_THREE_MODIFIERS));
        return;
    }
    CString name;
    int code = GetKeyCode((int)id, &name);
    if (code >= 0) {
        m_key = code;
        wcsncpy(m_keyName, name, HotKeyInfo::NameSize);
        m_keyName[HotKeyInfo::NameSize - 1] = 0;
    }
    if (JudgeKey(m_slot, m_ctrl, m_alt, m_shift, m_key) == KEY_DUPLICATE) {
        // The dialog stays open with that key as its current key.
        Warn(g_LanguageTable[IDS_DUPLICATE]);
        return;
    }
    if (!g_Settings.General.EnableHotKey) Warn(MakeHotKeysOffMessage());
    Finish(RESULT_ACCEPTED);
}

void CHotKeyboard::OnNotUse() { Finish(RESULT_NOT_USE); }

void CHotKeyboard::OnCancel() { Finish(RESULT_CANCEL); }

void CHotKeyboard::OnOK() {}

void CHotKeyboard::Finish(int result) {
    if (m_direct) Apply(result);
    else EndDialog(result);
}

void CHotKeyboard::Apply(int result) {
    g_DirectHotKeyboardOpen = false;
    bool validSlot = m_slot >= 0 && m_slot < HOTKEY_COUNT;
    if (result == RESULT_ACCEPTED && validSlot) {
        HotKeyInfo& entry = g_Settings.HotKeyTable[m_slot];
        entry.alt = m_alt;
        entry.ctrl = m_ctrl;
        entry.shift = m_shift;
        entry.key = m_key;
        entry.SetName(m_keyName);
        UpdateHotKey(m_slot, false);
        UpdateHotKey(m_slot, true);
    } else if (result == RESULT_NOT_USE && validSlot) {
        g_Settings.HotKeyTable[m_slot].key = -1;
        m_key = -1;
        UpdateHotKey(m_slot, false);
    }
    SaveAppConfig();
    DestroyWindow();
}

void CHotKeyboard::OnDestroy() {
    // However the window goes, a direct-mode keyboard no longer blocks the
    // next one.
    if (m_direct) g_DirectHotKeyboardOpen = false;
    CDialog::OnDestroy();
}
