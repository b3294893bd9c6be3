// Images through GDI+ from resources and memory (PNG resources keep their
// alpha channel). GDI+ must have been started (GdiplusStartup) by the
// program; the bitmaps returned own their pixels.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

// A PNG (or JPEG, BMP, GIF) image in memory; null when it cannot be read.
std::unique_ptr<Gdiplus::Bitmap> LoadImageFromMemory(const void* data, size_t size);
// A resource of type "PNG" (or another type given) of the module (the
// program when null); null when missing or unreadable.
std::unique_ptr<Gdiplus::Bitmap> LoadImageResource(UINT id, LPCWSTR type = L"PNG", HMODULE module = nullptr);
// The same for a PNG resource, in the argument order of the first version.
inline std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(UINT id, HMODULE module = nullptr, LPCWSTR type = L"PNG") {
    return LoadImageResource(id, type, module);
}
