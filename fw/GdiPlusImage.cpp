#include "GdiPlusImage.h"

#include "WinApp.h"

#include <cstring>

std::unique_ptr<Gdiplus::Bitmap> LoadImageFromMemory(const void* data, size_t size) {
    if (!data || size == 0 || size > 0x7FFFFFFF) return nullptr;
    HGLOBAL global = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!global) return nullptr;
    void* bytes = ::GlobalLock(global);
    memcpy(bytes, data, size);
    ::GlobalUnlock(global);
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(global, TRUE, &stream) != S_OK) {
        ::GlobalFree(global);
        return nullptr;
    }
    std::unique_ptr<Gdiplus::Bitmap> result;
    {
        // A bitmap read from a stream keeps reading it; copy the pixels into
        // a bitmap of its own so that the stream can go.
        Gdiplus::Bitmap decoded(stream);
        if (decoded.GetLastStatus() == Gdiplus::Ok) {
            UINT width = decoded.GetWidth(), height = decoded.GetHeight();
            auto copy = std::make_unique<Gdiplus::Bitmap>((INT)width, (INT)height, PixelFormat32bppARGB);
            Gdiplus::Rect rect(0, 0, (INT)width, (INT)height);
            Gdiplus::BitmapData source = {}, target = {};
            if (copy->GetLastStatus() == Gdiplus::Ok &&
                decoded.LockBits(&rect, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &source) == Gdiplus::Ok) {
                if (copy->LockBits(&rect, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &target) == Gdiplus::Ok) {
                    for (UINT y = 0; y < height; ++y)
                        memcpy((BYTE*)target.Scan0 + (INT_PTR)y * target.Stride,
                               (const BYTE*)source.Scan0 + (INT_PTR)y * source.Stride, (size_t)width * 4);
                    copy->UnlockBits(&target);
                    result = std::move(copy);
                }
                decoded.UnlockBits(&source);
            }
        }
    }
    stream->Release();  // frees the memory too
    return result;
}

std::unique_ptr<Gdiplus::Bitmap> LoadImageResource(UINT id, LPCWSTR type, HMODULE module) {
    if (!module) module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource) return nullptr;
    HGLOBAL loaded = ::LoadResource(module, resource);
    DWORD size = ::SizeofResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    return LoadImageFromMemory(data, size);
}
