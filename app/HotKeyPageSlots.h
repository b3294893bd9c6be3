// CHotKeyPageSlots: what the two sub-pages of the shortcut page share. Nine
// slots, each a text field and a hot-key button bound to an entry of the
// hot-key table; a Run (or Go) button per slot runs its text. The texts are
// read from section HotKey when the object is built and written back by
// Apply.
#pragma once

#include "fw/AfxWin.h"
#include "shell/HotKeyPageLogic.h"
#include "ui/HotKeyBtn.h"

class CSetupMemo;

class CHotKeyPageSlots : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { TIMER_FOCUS_SLOT = 100, FOCUS_DELAY_MS = 500 };

    CHotKeyPageSlots(CSetupMemo& sheet, UINT templateId, int subPage);

    BOOL CreateIn(CWnd* parent) { return Create(m_templateId, parent); }
    // Reads the nine fields and writes them to the settings document.
    void Apply();
    // Puts the cursor in a slot's field half a second from now (the page
    // may only just be showing); a slot outside 0-8 gets nothing.
    void FocusSlot(int slot);
    const CString& GetSlotText(int slot) const { return m_texts[slot]; }

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;

protected:
    void OnTimer(UINT_PTR id);
    void OnRunButton(UINT id);
    void OnBrowseButton(UINT id);

private:
    void ReadControls();

    CSetupMemo& m_sheet;
    UINT m_templateId;
    int m_subPage;
    CString m_texts[HOTKEY_PAGE_SLOTS];
    CHotKeyBtn m_hotKeyButtons[HOTKEY_PAGE_SLOTS];
    int m_nFocusSlot = -1;
};
