// ICaptureSystem: what the screen capture asks of the system besides
// drawing: the local time of a saved picture's name, the shutter sound, the
// clipboard, the save file dialog and the key state that chooses the zoom.
// The program runs on the real one; tests install their own, so no test
// plays a sound, waits on a dialog or touches the user's clipboard.
#pragma once

#include "fw/Afx.h"

class ICaptureSystem {
public:
    virtual ~ICaptureSystem() = default;
    virtual SYSTEMTIME LocalTime() = 0;
    // Plays a wave file without waiting for it.
    virtual void PlaySoundAsync(const CString& path) = 0;
    // Empties the clipboard and puts the text there as CF_TEXT (ANSI code
    // page); false when the clipboard could not be had.
    virtual bool SetClipboardText(HWND owner, const CStringA& text) = 0;
    // Empties the clipboard and puts the bitmap there as CF_BITMAP. On true
    // the clipboard owns the bitmap; on false the caller still does.
    virtual bool SetClipboardBitmap(HWND owner, HBITMAP bitmap) = 0;
    // The save file dialog: IDOK with the chosen path, or IDCANCEL.
    virtual INT_PTR ChooseSaveFile(HWND owner, const CString& proposed, const CString& defaultExtension,
                                   int filterIndex, CString& chosen) = 0;
    // Whether a key (VK_CONTROL, VK_SHIFT) is held now.
    virtual bool IsKeyDown(int virtualKey) = 0;
};

// The seam in use. Setting null puts the real one back.
ICaptureSystem& GetCaptureSystem();
void SetCaptureSystem(ICaptureSystem* system);
