// CHotKeyBtn: a push button that shows the hot key attached to it ("Ctrl+
// Alt+N", or "Not Use") and opens the on-screen keyboard when clicked. The
// button does not own the record and does not save the settings; the page
// that owns the records does.
#pragma once

#include "fw/AfxWin.h"
#include "shell/HotKeyInfo.h"

class CHotKeyBtn : public CButton {
    DECLARE_MESSAGE_MAP()
public:
    CHotKeyBtn() = default;

    // Attaches the record (it must outlive the button's use of it) and
    // refreshes the caption.
    void SetHotKey(HotKeyInfo* record);
    HotKeyInfo* GetHotKey() const { return m_record; }

    // The caption for a record, whatever EnableHotKey says.
    static CString MakeCaption(const HotKeyInfo& record);
    // What a keyboard result does to the record: 1 takes the keyboard's
    // combination, 1097 clears the key, anything else changes nothing.
    // Re-registers the hot key; true when the record changed.
    static bool ApplyResult(HotKeyInfo& record, int result, int ctrl, int alt, int shift, int key,
                            const wchar_t* keyName);

protected:
    void OnClicked();

private:
    void RefreshCaption();

    HotKeyInfo* m_record = nullptr;
};
