#include "tools/CaptureSystem.h"

#include "fw/AfxWin.h"
#include "fw/FileDialog.h"

#include <mmsystem.h>

#include <cstring>

namespace {
class CRealCaptureSystem : public ICaptureSystem {
public:
    SYSTEMTIME LocalTime() override {
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        return now;
    }

    void PlaySoundAsync(const CString& path) override {
        ::PlaySoundW(path, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }

    bool SetClipboardText(HWND owner, const CStringA& text) override {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)text.GetLength() + 1);
        if (!memory) return false;
        if (void* bytes = ::GlobalLock(memory)) {
            memcpy(bytes, text.GetString(), (size_t)text.GetLength() + 1);
            ::GlobalUnlock(memory);
        }
        if (!::OpenClipboard(owner)) {
            ::GlobalFree(memory);
            return false;
        }
        ::EmptyClipboard();
        bool done = ::SetClipboardData(CF_TEXT, memory) != nullptr;
        ::CloseClipboard();
        if (!done) ::GlobalFree(memory);
        return done;
    }

    bool SetClipboardBitmap(HWND owner, HBITMAP bitmap) override {
        if (!::OpenClipboard(owner)) return false;
        ::EmptyClipboard();
        bool done = ::SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        ::CloseClipboard();
        return done;
    }

    INT_PTR ChooseSaveFile(HWND owner, const CString& proposed, const CString& defaultExtension, int filterIndex,
                           CString& chosen) override {
        CFileDialog dialog(FALSE, defaultExtension, proposed, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           L"PNG Files(*.png)|*.png|JPEG Files(*.jpg)|*.jpg|Bitmap Files(*.bmp)|*.bmp|",
                           CWnd::FromHandle(owner));
        dialog.m_ofn.nFilterIndex = (DWORD)filterIndex;
        if (dialog.DoModal() != IDOK) return IDCANCEL;
        chosen = dialog.GetPathName();
        return IDOK;
    }

    bool IsKeyDown(int virtualKey) override { return (::GetKeyState(virtualKey) & 0x8000) != 0; }
};

CRealCaptureSystem g_realCaptureSystem;
ICaptureSystem* g_captureSystem = &g_realCaptureSystem;
}  // namespace

ICaptureSystem& GetCaptureSystem() { return *g_captureSystem; }
void SetCaptureSystem(ICaptureSystem* system) { g_captureSystem = system ? system : &g_realCaptureSystem; }
