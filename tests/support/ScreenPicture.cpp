#include "ScreenPicture.h"

#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

#include <algorithm>
#include <gdiplus.h>

namespace {

CString FolderFromEnvironment(const char* name) {
    const char* value = getenv(name);
    if (!value || !*value) return CString();
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_UTF8, 0, value, -1, wide, MAX_PATH);
    CString folder(wide);
    folder.Replace(L'/', L'\\');
    // A Linux path reaches Wine's programs through drive Z:.
    if (folder.GetLength() > 0 && folder[0] == L'\\') folder = L"Z:" + folder;
    if (folder.Right(1) != L"\\") folder += L"\\";
    return folder;
}

}  // namespace

bool ScreenshotsWanted() { return !FolderFromEnvironment("ZOREL_SCREENSHOT_DIR").IsEmpty(); }

const wchar_t* UseScreenshotLanguage() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    if (GetACP() != 949) return L"en";
    CString source = FolderFromEnvironment("ZOREL_SOURCE_DIR");
    CString saved = g_ProgramFolder;
    g_ProgramFolder = source + L"data\\";
    bool loaded = LoadLanguageFile(L"korean");
    g_ProgramFolder = saved;
    return loaded ? L"ko" : L"en";
}

bool SaveScreenPicture(const CString& name, std::initializer_list<HWND> windows) {
    CString folder = FolderFromEnvironment("ZOREL_SCREENSHOT_DIR");
    if (folder.IsEmpty()) return false;
    CRect area;
    for (HWND window : windows) {
        CRect r;
        if (!window || !::GetWindowRect(window, &r)) continue;
        if (area.IsRectEmpty()) area = r;
        else area.UnionRect(CRect(area), r);
    }
    if (area.IsRectEmpty()) return false;
    for (HWND window : windows)
        if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, area.Width(), area.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, area.Width(), area.Height(), screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    bool saved = false;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        {
            CLSID png;
            CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
            Gdiplus::Bitmap picture(bitmap, nullptr);
            ::CreateDirectoryW(folder, nullptr);
            saved = picture.Save(folder + name + L".png", &png, nullptr) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    ::DeleteObject(bitmap);
    return saved;
}
