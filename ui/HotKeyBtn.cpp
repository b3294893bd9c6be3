#include "ui/HotKeyBtn.h"

#include "shell/HotKeyTable.h"
#include "shell/LanguageTable.h"
#include "ui/HotKeyboard.h"

BEGIN_MESSAGE_MAP(CHotKeyBtn, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace {
enum {
    IDS_NOT_USE_CAPTION = 751,
    IDS_CTRL = 10048,
    IDS_ALT = 10049,
    IDS_SHIFT = 10050,
};
}  // namespace

CString CHotKeyBtn::MakeCaption(const HotKeyInfo& record) {
    if (record.key < 0) return g_LanguageTable[IDS_NOT_USE_CAPTION];
    CString caption;
    if (record.ctrl) caption += g_LanguageTable[IDS_CTRL] + L"+";
    if (record.alt) caption += g_LanguageTable[IDS_ALT] + L"+";
    if (record.shift) caption += g_LanguageTable[IDS_SHIFT] + L"+";
    caption += record.GetName();
    return caption;
}

bool CHotKeyBtn::ApplyResult(HotKeyInfo& record, int result, int ctrl, int alt, int shift, int key,
                             const wchar_t* keyName) {
    if (result == CHotKeyboard::RESULT_ACCEPTED) {
        record.alt = alt;
        record.ctrl = ctrl;
        record.shift = shift;
        record.key = key;
        record.SetName(keyName);
        UpdateHotKey(record.id, false);
        UpdateHotKey(record.id, true);
        return true;
    }
    if (result == CHotKeyboard::RESULT_NOT_USE) {
        record.key = -1;
        UpdateHotKey(record.id, false);
        return true;
    }
    return false;
}

void CHotKeyBtn::SetHotKey(HotKeyInfo* record) {
    m_record = record;
    RefreshCaption();
}

void CHotKeyBtn::RefreshCaption() {
    if (m_record && m_hWnd) SetWindowText(MakeCaption(*m_record));
}

void CHotKeyBtn::OnClicked() {
    if (!m_record) return;
    CHotKeyboard keyboard(*m_record, nullptr);
    int result = (int)keyboard.DoModal();
    if (ApplyResult(*m_record, result, keyboard.m_ctrl, keyboard.m_alt, keyboard.m_shift, keyboard.m_key,
                    keyboard.m_keyName))
        RefreshCaption();
}
