#include "ScreenPicture.h"

#include "MessagePump.h"

#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

#include <algorithm>
#include <set>
#include <vector>
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

HBITMAP CopyScreen(const CRect& area) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, area.Width(), area.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, area.Width(), area.Height(), screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

std::vector<DWORD> Pixels(HBITMAP bitmap, CSize size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels((size_t)size.cx * (size_t)size.cy);
    HDC screen = ::GetDC(nullptr);
    int lines = ::GetDIBits(screen, bitmap, 0, (UINT)size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != size.cy) pixels.clear();
    return pixels;
}

// More than a caption on a plain face.
bool LooksDrawn(const std::vector<DWORD>& pixels) {
    std::set<DWORD> colours;
    for (DWORD p : pixels) {
        colours.insert(p & 0xFFFFFF);
        if (colours.size() > 8) return true;
    }
    return false;
}

bool SaveBitmapAsPng(HBITMAP bitmap, const CString& path) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    bool saved = false;
    {
        CLSID png;
        CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
        Gdiplus::Bitmap picture(bitmap, nullptr);
        saved = picture.Save(path, &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

}  // namespace

bool SaveScreenArea(const CRect& area, const CString& path) {
    if (area.IsRectEmpty()) return false;
    HBITMAP bitmap = CopyScreen(area);
    bool saved = SaveBitmapAsPng(bitmap, path);
    ::DeleteObject(bitmap);
    return saved;
}

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
    // Only what is on the screen can be copied.
    CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    area.IntersectRect(CRect(area), screen);
    if (area.IsRectEmpty()) return false;
    // The windows reach the X server a while after they are drawn: the
    // picture counts once it shows a drawn window and has not changed for
    // half a second.
    for (HWND window : windows)
        if (window) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HBITMAP bitmap = nullptr;
    std::vector<DWORD> last;
    DWORD since = GetTickCount();
    PumpUntil(
        [&] {
            if (bitmap) ::DeleteObject(bitmap);
            bitmap = CopyScreen(area);
            std::vector<DWORD> now = Pixels(bitmap, area.Size());
            if (now != last) since = GetTickCount();
            last.swap(now);
            return !last.empty() && LooksDrawn(last) && GetTickCount() - since >= 500;
        },
        5000);
    ::CreateDirectoryW(folder, nullptr);
    bool saved = SaveBitmapAsPng(bitmap, folder + name + L".png");
    ::DeleteObject(bitmap);
    return saved;
}

std::vector<COLORREF> ScreenPixels(const RECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(mem, bitmap);
        BitBlt(mem, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const BYTE* p = (const BYTE*)bits;
        pixels.reserve((size_t)width * height);
        for (int i = 0; i < width * height; ++i) pixels.push_back(RGB(p[4 * i + 2], p[4 * i + 1], p[4 * i]));
        SelectObject(mem, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}
