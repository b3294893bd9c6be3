// CGdiObject: owns one GDI object handle and deletes it with the wrapper.
#pragma once

#include <windows.h>

#include "TempMap.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    BOOL Attach(HGDIOBJ object) {
        if (!object || m_hObject) return FALSE;
        m_hObject = object;
        return TRUE;
    }
    HGDIOBJ Detach() {
        HGDIOBJ object = m_hObject;
        m_hObject = nullptr;
        return object;
    }
    BOOL DeleteObject() {
        if (!m_hObject) return FALSE;
        return ::DeleteObject(Detach());
    }
    int GetObject(int count, LPVOID buffer) const { return ::GetObjectW(m_hObject, count, buffer); }
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
    // Deleting a stock object later is harmless: the system ignores it.
    BOOL CreateStockObject(int index) { return Attach(::GetStockObject(index)); }
    // A temporary wrapper for a handle nobody here owns (see TempMap.h).
    static CGdiObject* FromHandle(HGDIOBJ object);
};

namespace fwdetail {
template <class T>
T* GdiFromHandle(HGDIOBJ object) {
    return TempMap<T>::Get(object, [](T& wrapper, void* handle) { wrapper.m_hObject = (HGDIOBJ)handle; });
}
}  // namespace fwdetail

inline CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return fwdetail::GdiFromHandle<CGdiObject>(object); }
