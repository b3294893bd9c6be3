// CBitmap: a GDI bitmap.
#pragma once

#include "GdiObject.h"
#include "Geometry.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    // From a BITMAP resource of the program.
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCTSTR name);
    BOOL LoadOEMBitmap(UINT id) { return Attach(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(id))); }
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP bitmap) { return Attach(::CreateBitmapIndirect(bitmap)); }
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateDiscardableBitmap(CDC* dc, int width, int height) { return CreateCompatibleBitmap(dc, width, height); }
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(*bitmap), bitmap); }
    CSize GetSize() const {
        BITMAP bm = {};
        return GetBitmap(&bm) ? CSize(bm.bmWidth, bm.bmHeight) : CSize();
    }
    DWORD GetBitmapBits(DWORD count, LPVOID bits) const { return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, (LONG)count, bits); }
    DWORD SetBitmapBits(DWORD count, const void* bits) { return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, count, bits); }
    static CBitmap* FromHandle(HBITMAP bitmap) { return fwdetail::GdiFromHandle<CBitmap>(bitmap); }
};
