#include "ui/BmpReader.h"

#include <cstring>

namespace {
template <typename T> T ReadLe(const std::vector<BYTE>& b, size_t at) {
    T v;
    memcpy(&v, &b[at], sizeof(T));
    return v;
}
}  // namespace

bool CBmpReader::Parse(const std::vector<BYTE>& file, Layout* layout) {
    const size_t fileHeader = 14;
    if (file.size() < fileHeader + sizeof(BITMAPINFOHEADER))
        return false;
    if (ReadLe<WORD>(file, 0) != 19778)  // "BM"
        return false;
    BITMAPINFOHEADER bih;
    memcpy(&bih, &file[fileHeader], sizeof(bih));
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biSize > file.size() - fileHeader)
        return false;
    if (bih.biWidth <= 0 || bih.biWidth > 32768 || bih.biHeight == 0 || bih.biHeight > 32768 ||
        bih.biHeight < -32768 || bih.biPlanes != 1)
        return false;
    int bits = bih.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (bih.biCompression != BI_RGB && bih.biCompression != BI_BITFIELDS)
        return false;
    if (bih.biCompression == BI_BITFIELDS && bits != 16 && bits != 32)
        return false;
    // Palette entries: the colours-used count, or all the bit count allows.
    size_t colors = bih.biClrUsed ? bih.biClrUsed : (bits <= 8 ? (1u << bits) : 0);
    if (bits <= 8 && colors > (1u << bits))
        return false;
    if (colors > 256 && bits <= 8)
        return false;
    size_t entries = colors + (bih.biCompression == BI_BITFIELDS ? 3 : 0);
    size_t infoBytes = fileHeader + bih.biSize;
    if (entries > (file.size() - infoBytes) / 4)
        return false;
    size_t bitsOffset = infoBytes + entries * 4;
    size_t height = (size_t)(bih.biHeight < 0 ? -bih.biHeight : bih.biHeight);
    size_t stride = (((size_t)bih.biWidth * bits + 31) / 32) * 4;
    if (bitsOffset > file.size() || stride * height > file.size() - bitsOffset)
        return false;
    if (layout) {
        layout->infoOffset = fileHeader;
        layout->bitsOffset = bitsOffset;
        layout->colors = (int)colors;
        layout->width = bih.biWidth;
        layout->height = (int)height;
    }
    return true;
}

bool CBmpReader::ReadFile(LPCTSTR path, std::vector<BYTE>* bytes) {
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart >= 0 && size.QuadPart <= 64 * 1024 * 1024;
    if (ok) {
        bytes->resize((size_t)size.QuadPart);
        DWORD got = 0;
        ok = bytes->empty() || (::ReadFile(h, bytes->data(), (DWORD)bytes->size(), &got, nullptr) && got == bytes->size());
    }
    CloseHandle(h);
    return ok;
}

HBITMAP CBmpReader::LoadBitmapFile(LPCTSTR path) {
    std::vector<BYTE> file;
    Layout layout;
    if (!ReadFile(path, &file) || !Parse(file, &layout))
        return nullptr;
    const BITMAPINFOHEADER* bih = reinterpret_cast<const BITMAPINFOHEADER*>(&file[layout.infoOffset]);
    const RGBQUAD* quads = reinterpret_cast<const RGBQUAD*>(&file[layout.infoOffset + bih->biSize]);
    HDC screen = GetDC(nullptr);
    HPALETTE palette = nullptr, oldPalette = nullptr;
    if (layout.colors > 0 && layout.colors <= 256) {
        std::vector<BYTE> buf(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * layout.colors);
        LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(buf.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = (WORD)layout.colors;
        for (int i = 0; i < layout.colors; ++i) {
            lp->palPalEntry[i].peRed = quads[i].rgbRed;
            lp->palPalEntry[i].peGreen = quads[i].rgbGreen;
            lp->palPalEntry[i].peBlue = quads[i].rgbBlue;
            lp->palPalEntry[i].peFlags = 0;
        }
        palette = CreatePalette(lp);
        if (palette) {
            oldPalette = SelectPalette(screen, palette, FALSE);
            RealizePalette(screen);
        }
    }
    // CreateDIBitmap reads the header through a BITMAPINFO; a header larger
    // than 40 bytes is copied with its palette so the layouts agree.
    std::vector<BYTE> info(file.begin() + layout.infoOffset, file.begin() + layout.bitsOffset);
    HBITMAP bmp = CreateDIBitmap(screen, reinterpret_cast<BITMAPINFOHEADER*>(info.data()), CBM_INIT,
                                 &file[layout.bitsOffset], reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    if (palette) {
        SelectPalette(screen, oldPalette, FALSE);
        DeleteObject(palette);
    }
    ReleaseDC(nullptr, screen);
    return bmp;
}
