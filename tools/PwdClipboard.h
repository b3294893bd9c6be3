// IPwdClipboard: the clipboard as the vault uses it: putting a text there
// and, on closing, taking away only what the vault itself put there (the
// clipboard's sequence number tells whether anyone wrote to it since).
// Tests install their own, so no test touches the user's clipboard.
#pragma once

#include "fw/Afx.h"

class IPwdClipboard {
public:
    virtual ~IPwdClipboard() = default;
    // Puts the text on the clipboard as CF_UNICODETEXT; false when it could
    // not. On success mark identifies the clipboard's content now.
    virtual bool SetText(HWND owner, const CString& text, DWORD& mark) = 0;
    // Empties the clipboard when it still holds the content of that mark;
    // true when it did.
    virtual bool EmptyIfStill(HWND owner, DWORD mark) = 0;
};

// The seam in use. Setting null puts the real one back.
IPwdClipboard& GetPwdClipboard();
void SetPwdClipboard(IPwdClipboard* clipboard);
