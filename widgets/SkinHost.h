// What measures and meters need of the skinned window that owns them. The
// skinned window implements it; tests give a small fake with an off-screen
// back buffer.
#pragma once

#include "fw/Afx.h"

namespace Gdiplus {
class Bitmap;
}

class ISkinHost {
public:
    virtual ~ISkinHost() = default;
    // The 32-bit premultiplied-alpha bitmap every meter draws into, or null.
    virtual Gdiplus::Bitmap* GetBackBuffer() = 0;
    // Runs one command string; 0 when nobody could run it.
    virtual int ExecuteCommand(const CString& command) = 0;
    // Replaces the window's background by an image file.
    virtual bool LoadBackgroundFile(const CString& path) = 0;
    virtual void RefreshWindow() = 0;
    // The current skin file path, empty for built-in skins.
    virtual CString GetSkinFile() const = 0;
    // The frame (0-7) of the loading animation that image meters show while
    // their picture downloads.
    virtual int GetLoadingFrame() const { return 0; }
    // The window's Z position: 0 normal, 1 always on top, 2 desktop, 3 bottom.
    virtual int GetZPosition() const { return 0; }
};
