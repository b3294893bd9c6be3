#include "tools/PwdClipboard.h"

#include <cstring>

namespace {

class CSystemClipboard : public IPwdClipboard {
public:
    bool SetText(HWND owner, const CString& text, DWORD& mark) override {
        SIZE_T bytes = ((SIZE_T)text.GetLength() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory) return false;
        void* data = GlobalLock(memory);
        if (!data) {
            GlobalFree(memory);
            return false;
        }
        memcpy(data, text.GetString(), bytes);
        GlobalUnlock(memory);
        if (!OpenClipboard(owner)) {
            GlobalFree(memory);
            return false;
        }
        EmptyClipboard();
        bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!ok) GlobalFree(memory);
        CloseClipboard();
        if (ok) mark = GetClipboardSequenceNumber();
        return ok;
    }

    bool EmptyIfStill(HWND owner, DWORD mark) override {
        if (GetClipboardSequenceNumber() != mark) return false;
        if (!OpenClipboard(owner)) return false;
        bool ok = EmptyClipboard() != FALSE;
        CloseClipboard();
        return ok;
    }
};

CSystemClipboard g_systemClipboard;
IPwdClipboard* g_clipboard = &g_systemClipboard;

}  // namespace

IPwdClipboard& GetPwdClipboard() { return *g_clipboard; }
void SetPwdClipboard(IPwdClipboard* clipboard) { g_clipboard = clipboard ? clipboard : &g_systemClipboard; }
