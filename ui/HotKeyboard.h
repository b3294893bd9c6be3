// CHotKeyboard: a small dialog drawn as an on-screen keyboard, where the user
// ticks modifiers and clicks a key to choose one hot key. Modal for a hot-key
// button (it only hands the result back), or modeless in direct mode, opened
// by pressing a hot key twice quickly: it then writes the result into
// g_Settings.HotKeyTable, re-registers the key, saves the settings and deletes itself.
#pragma once

#include "fw/AfxWin.h"
#include "shell/HotKeyInfo.h"
#include "ui/HotKeyboard.rh"

#include <vector>

class CHotKeyboard : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        RESULT_ACCEPTED = 1,
        RESULT_NOT_USE = IDC_HKB_NOT_USE,
        RESULT_CANCEL = IDCANCEL,
        SELECTABLE_KEY_COUNT = 58,
    };

    // Copies ctrl, alt, shift, key, key name and slot of the record.
    CHotKeyboard(const HotKeyInfo& record, CWnd* parent = nullptr);

    // The edited combination; DoModal's caller reads the result from here.
    int m_ctrl = 0;
    int m_alt = 0;
    int m_shift = 0;
    int m_key = -1;
    wchar_t m_keyName[HotKeyInfo::NameSize] = {};
    int m_slot = 0;
    // Set by the creator before Create for direct mode.
    int m_direct = 0;

    CString GetKeyName() const { return CString(m_keyName, (int)wcsnlen(m_keyName, HotKeyInfo::NameSize)); }

    // ---- The decisions, without a window ----
    // The virtual-key code and name a key button stores; -1 for an id
    // without a key.
    static int GetKeyCode(int buttonId, CString* name = nullptr);
    // The button of a stored key code; 0 when no button has it.
    static int GetKeyButton(int code);
    // The ids of the 58 key buttons that can be chosen.
    static const std::vector<int>& GetSelectableKeys();
    // The window title: the slot's action name and " : " (or text 10047
    // and " "), the ticked modifiers each followed by " + ", the key name.
    static CString MakeTitle(int slot, int ctrl, int alt, int shift, int key, const CString& keyName);
    // Buttons of keys that other slots use with this very combination.
    static std::vector<int> GetKeysInUse(int slot, int ctrl, int alt, int shift);
    enum KeyVerdict {
        KEY_NO_MODIFIER,      // text 10035
        KEY_THREE_MODIFIERS,  // text 10036
        KEY_DUPLICATE,        // text 10046
        KEY_ACCEPTED,
    };
    static KeyVerdict JudgeKey(int slot, int ctrl, int alt, int shift, int key);
    // Texts 10035 and 10036 with the modifier names filled in, and the
    // notice that hot keys are switched off (text 10045).
    static CString MakeModifierMessage(int textId);
    static CString MakeHotKeysOffMessage();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // Enter while a check box has the focus: the members were never checked,
    // so nothing is stored and the dialog stays open.
    void OnOK() override;

    void OnModifier(UINT id);
    void OnKey(UINT id);
    void OnNotUse();
    void OnDestroy();

private:
    void RefreshTitle();
    void DisableKeysInUse();
    void ReadChecks();
    void Finish(int result);
    void Apply(int result);
    void Warn(const CString& text);
};
